// The moves of the stage in play: the live stage before each, taken back by undo.
#include "game/move_history.h"

#include <vector>

#include "game/rules.h"

namespace game {

namespace {

std::vector<LiveStage> Before;  // the live stage before each move kept, oldest first
bool KeepNextAttempt = false;   // the coming restart follows a failed delivery
bool FailedAttempt = false;     // Before holds the failed attempt; the live stage is its restart

}  // namespace

void BeginAttempt() {
  FailedAttempt = KeepNextAttempt;
  KeepNextAttempt = false;
  if (!FailedAttempt) Before.clear();
}

void KeepFailedAttempt() {
  KeepNextAttempt = true;
}

void RecordMove(int32_t facing) {
  if (FailedAttempt) Before.clear();
  FailedAttempt = false;
  Before.emplace_back();
  CaptureLiveStage(&Before.back());
  Before.back().facing = facing;
}

bool UndoMove() {
  if (Before.empty()) return false;
  RestoreLiveStage(Before.back());
  Before.pop_back();
  FailedAttempt = false;
  return true;
}

}  // namespace game
