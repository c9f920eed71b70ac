// Drawing the records over the board, and keeping each clear of a cellar in them.
#include "game/records_shown.h"

#include "game/board_drawing.h"
#include "game/catalogue.h"
#include "game/data_model.h"
#include "game/editor_trial.h"
#include "game/move_history.h"
#include "game/play_help.h"
#include "game/records.h"
#include "game/replay.h"
#include "game/scenes.h"
#include "game/solver.h"
#include "gfx/text.h"
#include "lang/language.h"

namespace game {

namespace {

constexpr int32_t CLEAR_LINES_TOP = 150;  // under the clear banner
constexpr int32_t CARD_LINES_TOP = 165;   // under the intro card
constexpr int32_t LINE_HEIGHT = 20;

// The record of the live stage from line top on; the lines it took.
int32_t DrawRecord(int32_t top) {
  const CellarRecord& record = Records[StageNumber];
  const int32_t shortest = ShortestClear(StageNumber, false);
  if (shortest == SHORTEST_UNKNOWN) {
    gfx::PrintText(NOTE_LEFT, top, lang::Translate(RecordAloneLine), record.Fewest());
  } else {
    gfx::PrintText(NOTE_LEFT, top, lang::Translate(RecordLine), record.Fewest(), shortest);
  }
  if (!record.hintsUsed) return 1;
  gfx::PrintText(NOTE_LEFT, top + LINE_HEIGHT, "%s", lang::Translate(HintsUsedLine));
  return 2;
}

std::string AttemptLetters() {
  std::string letters;
  for (int32_t d : MovesOfAttempt(LiveHistory)) letters += MoveLetter(d);
  return letters;
}

}  // namespace

void RecordAndShowClear() {
  const bool clearedBefore = Records[StageNumber].Exists();
  const std::string moves = AttemptLetters();
  // A replay shows how its clear compares, but keeps nothing: the clear is not the player's;
  // nor does a cellar of the editor tried, whose records are no set's.
  if (!Replaying(LiveReplay) && !Trying())
    RecordClear(StageNumber, moves, LiveHintRequest.hintsHelped);
  if (!clearedBefore) return;
  gfx::PrintText(NOTE_LEFT, CLEAR_LINES_TOP, lang::Translate(ClearMovesLine),
                 static_cast<int32_t>(moves.size()));
  DrawRecord(CLEAR_LINES_TOP + LINE_HEIGHT);
}

void ShowRecordUnderCard() {
  if (Records[StageNumber].Exists()) DrawRecord(CARD_LINES_TOP);
}

}  // namespace game
