// The history of the stage in play: two stacks of positions, the steps kept and the steps
// taken back.
#include "game/move_history.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

namespace game {

namespace {

constexpr int32_t STEP_RESTART = -1;  // the stage started again (its move is no direction)

// A long stage keeps every step since it began, restarts included, and the room for the
// first STEPS_AHEAD steps is taken once, so that play itself does not allocate.
constexpr int32_t CELLS = BOARD_SIZE * BOARD_SIZE;
constexpr size_t STEPS_AHEAD = 1024;
constexpr uint8_t NO_CELL = 0xFF;  // the cheese has left the board

using Packed = MoveHistory::Packed;
using Step = MoveHistory::Step;

int32_t& Cell(Position& p, int32_t i) {
  return p.board[i / BOARD_SIZE][i % BOARD_SIZE];
}

int32_t Cell(const Position& p, int32_t i) {
  return p.board[i / BOARD_SIZE][i % BOARD_SIZE];
}

bool IsPiece(int32_t cell) {
  return cell >= CELL_SNOWMAN_AREA && cell != CELL_CHEESE_FLOOR;
}

int8_t Byte(int32_t value) {
  return static_cast<int8_t>(value);
}

Packed Pack(const Position& p) {
  Packed packed{};
  std::fill(std::begin(packed.cheeseCell), std::end(packed.cheeseCell), NO_CELL);
  for (int32_t i = 0; i < CELLS; ++i) {
    int32_t cell = Cell(p, i);
    if (cell == CELL_SNOWMAN_AREA) packed.areaSnowmen.Add(i);
    if (cell == CELL_SNOWMAN_LINE) packed.lineSnowmen.Add(i);
    if (cell >= CELL_CHEESE_FIRST)
      packed.cheeseCell[cell - CELL_CHEESE_FIRST] = static_cast<uint8_t>(i);
    if (p.coldMap[i / BOARD_SIZE][i % BOARD_SIZE] != 0) packed.chilled.Add(i);
  }
  for (int32_t k = 0; k < MAX_CHEESES; ++k) packed.week[k] = p.cheeseSlots[k].week;
  packed.cheesesToDeliver = Byte(p.cheesesToDeliver);
  packed.playerX = Byte(p.playerX);
  packed.playerY = Byte(p.playerY);
  packed.facing = Byte(p.facing);
  packed.dayOfWeek = Byte(p.dayOfWeek);
  packed.moveResult = Byte(p.moveResult);
  packed.pushedPiece = Byte(p.pushedPiece);
  return packed;
}

// The packed position on the walls, holes and cheese records of stage, a position of the
// same stage.
Position Unpack(const Packed& packed, const Position& stage) {
  Position p = stage;
  for (int32_t i = 0; i < CELLS; ++i) {
    int32_t& cell = Cell(p, i);
    if (IsPiece(cell)) cell = CELL_FLOOR;
    if (packed.areaSnowmen.Has(i)) cell = CELL_SNOWMAN_AREA;
    if (packed.lineSnowmen.Has(i)) cell = CELL_SNOWMAN_LINE;
    p.coldMap[i / BOARD_SIZE][i % BOARD_SIZE] = packed.chilled.Has(i) ? 1 : 0;
  }
  for (int32_t k = 0; k < MAX_CHEESES; ++k) {
    if (packed.cheeseCell[k] != NO_CELL) Cell(p, packed.cheeseCell[k]) = CELL_CHEESE_FIRST + k;
    p.cheeseSlots[k].week = packed.week[k];
  }
  p.cheesesToDeliver = packed.cheesesToDeliver;
  p.playerX = packed.playerX;
  p.playerY = packed.playerY;
  p.facing = packed.facing;
  p.dayOfWeek = packed.dayOfWeek;
  p.moveResult = packed.moveResult;
  p.pushedPiece = packed.pushedPiece;
  return p;
}

// Moves the last step of from to to, with here's position on the other side of it; here
// becomes the position the step kept.
bool MoveStep(std::vector<Step>& from, std::vector<Step>& to, Position& here) {
  if (from.empty()) return false;
  to.push_back(Step{Pack(here), from.back().move});
  here = Unpack(from.back().position, here);
  from.pop_back();
  return true;
}

}  // namespace

MoveHistory LiveHistory;

void BeginAttempt(MoveHistory& history) {
  history.kept.reserve(STEPS_AHEAD);
  history.takenBack.reserve(STEPS_AHEAD);
  if (!history.restartComing) history.kept.clear();
  history.restartComing = false;
  history.takenBack.clear();
}

void RecordMove(MoveHistory& history, const Position& here, int32_t facing, int32_t move) {
  // Kept as it was before the key: facing the old way, no move under way.
  Position before = here;
  before.facing = facing;
  before.moveResult = MOVE_NONE;
  history.kept.push_back(Step{Pack(before), move});
  history.takenBack.clear();
}

void RecordGiveUp(MoveHistory& history, const Position& here) {
  history.kept.push_back(Step{Pack(here), STEP_RESTART});
  history.takenBack.clear();
  history.restartComing = true;
}

void RecordFailedDelivery(MoveHistory& history) {
  if (!history.kept.empty()) history.kept.back().move = STEP_RESTART;
  history.restartComing = true;
}

bool UndoStep(MoveHistory& history, Position& here) {
  return MoveStep(history.kept, history.takenBack, here);
}

bool RedoStep(MoveHistory& history, Position& here) {
  return MoveStep(history.takenBack, history.kept, here);
}

int32_t MovesSinceRestart(const MoveHistory& history) {
  return static_cast<int32_t>(MovesOfAttempt(history).size());
}

std::vector<int32_t> MovesOfAttempt(const MoveHistory& history) {
  std::vector<int32_t> moves;
  for (auto step = history.kept.rbegin(); step != history.kept.rend() && step->move != STEP_RESTART;
       ++step) {
    moves.insert(moves.begin(), step->move);
  }
  return moves;
}

Position PositionMovesBack(const MoveHistory& history, const Position& here, int32_t n) {
  return Unpack(history.kept[history.kept.size() - static_cast<size_t>(n)].position, here);
}

}  // namespace game
