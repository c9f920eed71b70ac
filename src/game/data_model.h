// The cellar game's data: cell values, directions, ripeness classes, records, positions and the
// live stage state.
#pragma once

#include <cstdint>

namespace game {

// ---- Board geometry and cell values ---------------------------------------------
constexpr int32_t BOARD_SIZE = 11;  // cells 1..9 are the playfield, the ring is walls
constexpr int32_t PLAYFIELD_FIRST = 1;
constexpr int32_t PLAYFIELD_LAST = 9;

constexpr int32_t CELL_FLOOR = 0;
constexpr int32_t CELL_WALL_FRONT = 1;
constexpr int32_t CELL_WALL_TOP = 2;
constexpr int32_t CELL_HOLE = 3;
constexpr int32_t CELL_SNOWMAN_AREA = 4;
constexpr int32_t CELL_SNOWMAN_LINE = 5;
constexpr int32_t CELL_CHEESE_FLOOR = 6;  // only a tile: the floor drawn under a cheese
constexpr int32_t CELL_CHEESE_FIRST = 7;  // 7 + k is the cheese of slot k

constexpr int32_t MAX_CHEESES = 10;
constexpr int32_t STAGE_COUNT = 32;
constexpr int32_t CATALOGUE_SIZE = 14;

// ---- Cheese weeks and ripeness classes --------------------------------------------
constexpr int32_t WEEK_NONE = 0;     // empty slot, or the cheese has been delivered
constexpr int32_t WEEK_ROTTEN = -1;  // the cheese has rotted

// The class order is also the order of the side panel's icons.
constexpr int32_t RIPENESS_ROTTEN = 0;
constexpr int32_t RIPENESS_UNRIPE = 1;
constexpr int32_t RIPENESS_GOOD = 2;
constexpr int32_t RIPENESS_OVERRIPE = 3;

// ---- Move outcomes and phases --------------------------------------------------
constexpr int32_t MOVE_NONE = 0;
constexpr int32_t MOVE_STEP = 1;
constexpr int32_t MOVE_PUSH = 2;

constexpr int32_t MOVE_PHASE_IDLE = 0;
constexpr int32_t MOVE_PHASE_ANIMATING = 1;
constexpr int32_t MOVE_PHASE_FINISHED = 2;

// Failure kinds, carried in PushedPiece into the collapse scene.
constexpr int32_t FAILURE_ROTTEN = 0;
constexpr int32_t FAILURE_WRONG_RIPENESS = 1;
constexpr int32_t FAILURE_GIVEN_UP = 2;

// ---- Directions: 0 up, 1 right, 2 down, 3 left -----------------------------------
constexpr int32_t FACING_UP = 0;
constexpr int32_t FACING_RIGHT = 1;
constexpr int32_t FACING_DOWN = 2;
constexpr int32_t FACING_LEFT = 3;
extern const int32_t StepDX[4];
extern const int32_t StepDY[4];

// Side panel calendar: the day marker's x offset from pixel 240 and its y, by DayOfWeek.
extern const int32_t DayMarkerX[7];
extern const int32_t DayMarkerY[7];

// ---- Records ----------------------------------------------------------------------
struct CheeseInfo {
  const char* name;
  const char* country;
  const char* milk;
  const char* category;
  int32_t fatPercent;
  int32_t ripeFrom;  // first week of the ripe window
  int32_t ripeTo;    // last week of the ripe window
};

struct CheeseSlot {
  int32_t catalogueIndex;
  const CheeseInfo* info;  // the catalogue record of catalogueIndex, set at stage start
  int32_t week;            // WEEK_NONE, WEEK_ROTTEN or the week of ripening

  bool operator==(const CheeseSlot&) const = default;
};

struct StageCheese {
  int32_t catalogueIndex;
  int32_t startWeek;
};

struct StageRecord {
  int32_t startX, startY;
  int32_t toDeliver;
  int32_t cheeseCount;
  StageCheese cheeses[MAX_CHEESES];
  int32_t grid[BOARD_SIZE][BOARD_SIZE];  // [x][y], border included
};

// ---- Positions ----------------------------------------------------------------------
// Everything the rules read and change. The stage on screen is one Position; a copy is a
// position of its own, to try moves on, to keep for taking moves back or to search from.
struct Position {
  int32_t board[BOARD_SIZE][BOARD_SIZE] = {};    // [x][y]
  int32_t coldMap[BOARD_SIZE][BOARD_SIZE] = {};  // [x][y], 1 where chilled
  CheeseSlot cheeseSlots[MAX_CHEESES] = {};
  int32_t cheeseCount = 0;
  int32_t cheesesToDeliver = 0;
  int32_t playerX = 0, playerY = 0;
  int32_t facing = FACING_UP;
  int32_t dayOfWeek = 0;           // 0..6
  int32_t moveResult = MOVE_NONE;  // MOVE_NONE, MOVE_STEP or MOVE_PUSH
  int32_t pushedPiece = 0;         // the piece in flight; the failure kind later

  bool operator==(const Position&) const = default;
};

// ---- Live stage state -------------------------------------------------------------
// The stage in play, owned by the frame thread. The scenes know its fields by these names,
// which every file sees bound to the fields themselves, as fixed addresses.
extern Position LivePosition;
inline constexpr int32_t (&Board)[BOARD_SIZE][BOARD_SIZE] = LivePosition.board;
inline constexpr int32_t (&ColdMap)[BOARD_SIZE][BOARD_SIZE] = LivePosition.coldMap;
inline constexpr CheeseSlot (&CheeseSlots)[MAX_CHEESES] = LivePosition.cheeseSlots;
inline constexpr int32_t& CheeseCount = LivePosition.cheeseCount;
inline constexpr int32_t& CheesesToDeliver = LivePosition.cheesesToDeliver;
inline constexpr int32_t& PlayerX = LivePosition.playerX;
inline constexpr int32_t& PlayerY = LivePosition.playerY;
inline constexpr int32_t& Facing = LivePosition.facing;
inline constexpr int32_t& DayOfWeek = LivePosition.dayOfWeek;
inline constexpr int32_t& MoveResult = LivePosition.moveResult;
inline constexpr int32_t& PushedPiece = LivePosition.pushedPiece;
extern int32_t WalkFrame;  // -1, 0 (standing) or 1: the walk animation, not the rules'
extern int32_t MovePhase;  // MOVE_PHASE_IDLE, MOVE_PHASE_ANIMATING or MOVE_PHASE_FINISHED
extern int32_t IntroShown;
extern double CollapseOffsets[12][12];

}  // namespace game
