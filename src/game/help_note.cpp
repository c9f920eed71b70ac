// The help's note: its lines, when it goes, and its drawing over the board.
#include "game/help_note.h"

#include "game/board_drawing.h"
#include "game/catalogue.h"
#include "game/solver.h"
#include "gfx/text.h"
#include "lang/language.h"

namespace game {

namespace {

// The note stands on the bottom of the board, its lines 20 pixels apart.
constexpr int32_t NOTE_BOTTOM = 228;
constexpr int32_t NOTE_LINE_HEIGHT = 20;

}  // namespace

Note LostNote(const Position& p, const char* lastLine) {
  LostExplanation why = ExplainLost(p);
  const auto reason = static_cast<int32_t>(why.reason);
  const char* const* lines = LostNotes[reason];
  Note note{{lines[0], lines[1], nullptr}, why.cheese + 1, reason};
  note.lines[lines[1] != nullptr ? 2 : 1] = lastLine;
  return note;
}

Note NoHintFoundNote() {
  return Note{{NoHintNote[0], NoHintNote[1], nullptr}, 0, LOST_REASON_COUNT};
}

void ShowNote(HelpNote& note, const Note& shown) {
  note.shown = shown;
  note.shows = true;
  note.armed = false;
}

void HideNote(HelpNote& note) {
  note.shows = false;
}

void FollowNote(HelpNote& note, bool anyKeyHeld) {
  if (!note.shows) return;
  if (note.armed && anyKeyHeld) note.shows = false;
  note.armed = note.armed || !anyKeyHeld;
}

void DrawHelpNote(const HelpNote& note) {
  if (!note.shows) return;
  int32_t count = 0;
  while (count < NOTE_LINES && note.shown.lines[count] != nullptr) ++count;
  for (int32_t line = 0; line < count; ++line) {
    gfx::PrintText(NOTE_LEFT, NOTE_BOTTOM - NOTE_LINE_HEIGHT * (count - line),
                   lang::Translate(note.shown.lines[line]), note.shown.number);
  }
}

}  // namespace game
