// The help's note over the board: why the stage can no longer be cleared, or that no hint was
// found. It goes at the next key pressed after it appeared.
#pragma once

#include <cstdint>

#include "game/data_model.h"

namespace game {

constexpr int32_t NOTE_LINES = 3;

struct Note {
  const char* lines[NOTE_LINES];  // untranslated; null past the last line
  int32_t number;                 // for a line with %d
  int32_t traced;                 // what the record of a run names it by
};

struct HelpNote {
  bool shows = false;
  bool armed = false;  // every key has been up since the note appeared
  Note shown{};
};

// The note on lost position p: the reason the solver finds (traced in the order of
// LostNotes), then lastLine.
Note LostNote(const Position& p, const char* lastLine);

// The note when the search gave up at its limit (traced as LOST_REASON_COUNT).
Note NoHintFoundNote();

void ShowNote(HelpNote& note, const Note& shown);
void HideNote(HelpNote& note);

// One frame with a key that does something in play held or not: the note goes at the
// first key pressed once every key has been up since it appeared.
void FollowNote(HelpNote& note, bool anyKeyHeld);

// Draws the note at the bottom of the board, if it shows.
void DrawHelpNote(const HelpNote& note);

}  // namespace game
