// The moves of the stage in play: the position before each, taken back by undo.
#include "game/move_history.h"

#include <vector>

namespace game {

namespace {

std::vector<Position> Before;  // the position before each move kept, oldest first
bool KeepNextAttempt = false;  // the coming restart follows a failed delivery
bool FailedAttempt = false;    // Before holds the failed attempt; the stage is its restart

}  // namespace

void BeginAttempt() {
  FailedAttempt = KeepNextAttempt;
  KeepNextAttempt = false;
  if (!FailedAttempt) Before.clear();
}

void KeepFailedAttempt() {
  KeepNextAttempt = true;
}

void RecordMove(const Position& here, int32_t facing) {
  if (FailedAttempt) Before.clear();
  FailedAttempt = false;
  Before.push_back(here);
  Before.back().facing = facing;
}

bool UndoMove(Position& here) {
  if (Before.empty()) return false;
  here = Before.back();
  Before.pop_back();
  FailedAttempt = false;
  return true;
}

}  // namespace game
