// The cellar editor's texts, untranslated: each is translated where it is shown. Their rooms:
// the lines on the board's walls are 12 pixels high, the verdict's line (and the editor's
// messages in its place) 316 pixels wide, the line over the board 228; the answers on the intro
// card a third of it each, 66 pixels; the line under the card 200.
#pragma once

namespace game {

// The verdict: a cellar the game could not start (the heading, then why); still searching;
// the moves of a shortest clear (%d); the heading before the reason a cellar cannot be
// cleared (the hint's note, both lines; heading and reason may take two lines of the wall);
// undecided after %d positions.
extern const char* const VerdictFaultHeading;
extern const char* const VerdictSearching;
extern const char* const VerdictClears;
extern const char* const VerdictLostHeading;
extern const char* const VerdictUndecided;

// Why the game could not start a cellar: no player's start, something on it, anything else.
extern const char* const FaultNoPlayer;
extern const char* const FaultStartNotFloor;
extern const char* const FaultOther;

// The line over the board about a cheese: rotten (its name %s); of the palette (name, ripe
// weeks %d to %d); on the board (name, start week, ripe weeks).
extern const char* const CheeseRottenLine;
extern const char* const CheeseKindLine;
extern const char* const CheeseWeekLine;

// Messages in the verdict's place: an eleventh cheese or a 33rd cellar refused; the file
// not written because cellar %d cannot be played (then why); not written (then the
// system's reason); saved, exported (the file's name %s).
extern const char* const TooManyCheesesMessage;
extern const char* const TooManyCellarsMessage;
extern const char* const UnplayableCellarMessage;
extern const char* const NotWrittenMessage;
extern const char* const SavedMessage;
extern const char* const ExportedMessage;

// The title typed on the intro card: the keys under it.
extern const char* const TitlingKeysLine;
// Leaving with changes: the question on the card, and its three answers.
extern const char* const LeavingQuestion;
extern const char* const LeavingAnswers[3];

// Under the title menu when E cannot open the player's own cellars (the file's name %s).
extern const char* const OwnCellarsRefusedNote;

}  // namespace game
