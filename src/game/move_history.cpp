// The history of the stage in play: two stacks of positions, the steps kept and the steps
// taken back.
#include "game/move_history.h"

#include <cstddef>
#include <vector>

namespace game {

namespace {

constexpr int32_t STEP_RESTART = -1;  // the stage started again (its move is no direction)

// One step of the history and the position on one side of it: before it while kept,
// after it while taken back.
struct Step {
  Position position;
  int32_t move;  // a direction, or STEP_RESTART
};

std::vector<Step> Kept;       // oldest first
std::vector<Step> TakenBack;  // the last taken back last
bool RestartComing = false;   // the next stage start is a restart, kept as a step

}  // namespace

void BeginAttempt() {
  if (!RestartComing) Kept.clear();
  RestartComing = false;
  TakenBack.clear();
}

void RecordMove(const Position& here, int32_t facing, int32_t move) {
  // Kept as it was before the key: facing the old way, no move under way.
  Kept.push_back(Step{here, move});
  Kept.back().position.facing = facing;
  Kept.back().position.moveResult = MOVE_NONE;
  TakenBack.clear();
}

void RecordGiveUp(const Position& here) {
  Kept.push_back(Step{here, STEP_RESTART});
  TakenBack.clear();
  RestartComing = true;
}

void RecordFailedDelivery() {
  if (!Kept.empty()) Kept.back().move = STEP_RESTART;
  RestartComing = true;
}

bool UndoStep(Position& here) {
  if (Kept.empty()) return false;
  TakenBack.push_back(Step{here, Kept.back().move});
  here = Kept.back().position;
  Kept.pop_back();
  return true;
}

bool RedoStep(Position& here) {
  if (TakenBack.empty()) return false;
  Kept.push_back(Step{here, TakenBack.back().move});
  here = TakenBack.back().position;
  TakenBack.pop_back();
  return true;
}

int32_t MovesSinceRestart() {
  int32_t moves = 0;
  for (auto step = Kept.rbegin(); step != Kept.rend() && step->move != STEP_RESTART; ++step) {
    ++moves;
  }
  return moves;
}

const Position& PositionMovesBack(int32_t n) {
  return Kept[Kept.size() - static_cast<size_t>(n)].position;
}

}  // namespace game
