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

// A position as the history keeps it: what moves can change, in a tenth of the room. A
// long stage keeps every step since it began, restarts included, and the room for the
// first STEPS_AHEAD steps is taken once, so that play itself does not allocate. The walls,
// holes and cheese records never change within a stage, so they come back from the
// position the step is taken back to.
constexpr int32_t CELLS = BOARD_SIZE * BOARD_SIZE;
constexpr size_t STEPS_AHEAD = 1024;
constexpr uint8_t NO_CELL = 0xFF;  // the cheese has left the board

struct CellSet {
  uint64_t bits[(CELLS + 63) / 64] = {};
  void Add(int32_t i) { bits[i / 64] |= uint64_t{1} << (i % 64); }
  bool Has(int32_t i) const { return (bits[i / 64] >> (i % 64)) & 1; }
};

struct PackedPosition {
  CellSet areaSnowmen, lineSnowmen, chilled;
  int32_t week[MAX_CHEESES];
  uint8_t cheeseCell[MAX_CHEESES];
  int8_t cheesesToDeliver, playerX, playerY, facing, dayOfWeek, moveResult, pushedPiece;
};

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

PackedPosition Pack(const Position& p) {
  PackedPosition packed{};
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
Position Unpack(const PackedPosition& packed, const Position& stage) {
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

// One step of the history and the position on one side of it: before it while kept,
// after it while taken back.
struct Step {
  PackedPosition position;
  int32_t move;  // a direction, or STEP_RESTART
};

std::vector<Step> Kept;       // oldest first
std::vector<Step> TakenBack;  // the last taken back last
bool RestartComing = false;   // the next stage start is a restart, kept as a step

}  // namespace

void BeginAttempt() {
  Kept.reserve(STEPS_AHEAD);
  TakenBack.reserve(STEPS_AHEAD);
  if (!RestartComing) Kept.clear();
  RestartComing = false;
  TakenBack.clear();
}

void RecordMove(const Position& here, int32_t facing, int32_t move) {
  // Kept as it was before the key: facing the old way, no move under way.
  Position before = here;
  before.facing = facing;
  before.moveResult = MOVE_NONE;
  Kept.push_back(Step{Pack(before), move});
  TakenBack.clear();
}

void RecordGiveUp(const Position& here) {
  Kept.push_back(Step{Pack(here), STEP_RESTART});
  TakenBack.clear();
  RestartComing = true;
}

void RecordFailedDelivery() {
  if (!Kept.empty()) Kept.back().move = STEP_RESTART;
  RestartComing = true;
}

bool UndoStep(Position& here) {
  if (Kept.empty()) return false;
  TakenBack.push_back(Step{Pack(here), Kept.back().move});
  here = Unpack(Kept.back().position, here);
  Kept.pop_back();
  return true;
}

bool RedoStep(Position& here) {
  if (TakenBack.empty()) return false;
  Kept.push_back(Step{Pack(here), TakenBack.back().move});
  here = Unpack(TakenBack.back().position, here);
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

std::vector<int32_t> MovesOfAttempt() {
  std::vector<int32_t> moves;
  for (auto step = Kept.rbegin(); step != Kept.rend() && step->move != STEP_RESTART; ++step) {
    moves.insert(moves.begin(), step->move);
  }
  return moves;
}

Position PositionMovesBack(const Position& here, int32_t n) {
  return Unpack(Kept[Kept.size() - static_cast<size_t>(n)].position, here);
}

}  // namespace game
