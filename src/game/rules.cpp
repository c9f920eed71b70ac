// The board rules: stage set-up, moves and pushes, the cold map, the day and the delivery verdict.
#include "game/rules.h"

#include <cstring>

#include "game/catalogue.h"
#include "game/stage_file.h"

namespace game {

namespace {

bool IsWall(int32_t v) {
  return v == CELL_WALL_FRONT || v == CELL_WALL_TOP;
}

bool IsCheese(int32_t v) {
  return v >= CELL_CHEESE_FIRST;
}

void ChillArea(int32_t x, int32_t y) {
  for (int32_t i = x - 1; i <= x + 1; ++i) {
    for (int32_t j = y - 1; j <= y + 1; ++j) ColdMap[i][j] = 1;
  }
}

// Walls stop the line; holes, snowmen and cheeses let the cold pass. The border
// ring is walls, so every line ends inside the grid.
void ChillLines(int32_t x, int32_t y) {
  ColdMap[x][y] = 1;
  for (int32_t d = 0; d < 4; ++d) {
    for (int32_t cx = x + StepDX[d], cy = y + StepDY[d]; !IsWall(Board[cx][cy]);
         cx += StepDX[d], cy += StepDY[d]) {
      ColdMap[cx][cy] = 1;
    }
  }
}

}  // namespace

void SetUpStage(int32_t n) {
  const StageRecord& stage = StageSet[n];
  DayOfWeek = 0;
  CheesesToDeliver = stage.toDeliver;
  CheeseCount = stage.cheeseCount;
  for (CheeseSlot& slot : CheeseSlots) slot.week = WEEK_NONE;
  for (int32_t k = 0; k < CheeseCount; ++k) {
    CheeseSlots[k].catalogueIndex = stage.cheeses[k].catalogueIndex;
    CheeseSlots[k].info = &CheeseCatalogue[stage.cheeses[k].catalogueIndex];
    CheeseSlots[k].week = stage.cheeses[k].startWeek;
  }
  std::memcpy(Board, stage.grid, sizeof Board);
  PlayerX = stage.startX;
  PlayerY = stage.startY;
  WalkFrame = 0;
  // The first day counts for its rot check only: a cheese that starts outside the
  // chill is rotten from the start, and no week can pass.
  ComputeColdMap();
  AdvanceDay();
  DayOfWeek = 0;
}

int32_t TryMove(int32_t d) {
  int32_t target = Board[PlayerX + StepDX[d]][PlayerY + StepDY[d]];
  if (target == CELL_FLOOR) return MOVE_STEP;
  if (IsWall(target) || target == CELL_HOLE) return MOVE_NONE;
  int32_t behind = Board[PlayerX + 2 * StepDX[d]][PlayerY + 2 * StepDY[d]];
  return behind == CELL_FLOOR || behind == CELL_HOLE ? MOVE_PUSH : MOVE_NONE;
}

int32_t StartMove() {
  MoveResult = TryMove(Facing);
  if (MoveResult == MOVE_PUSH) {
    int32_t& ahead = Board[PlayerX + StepDX[Facing]][PlayerY + StepDY[Facing]];
    PushedPiece = ahead;
    ahead = CELL_FLOOR;
  }
  return MoveResult;
}

int32_t CommitMove() {
  WalkFrame = 0;
  PlayerX += StepDX[Facing];
  PlayerY += StepDY[Facing];
  int32_t dropped = 0;
  if (MoveResult == MOVE_PUSH) {
    int32_t& ahead = Board[PlayerX + StepDX[Facing]][PlayerY + StepDY[Facing]];
    if (ahead == CELL_HOLE) {
      dropped = 1;
    } else {
      ahead = PushedPiece;
    }
  }
  ComputeColdMap();
  AdvanceDay();
  return dropped;
}

void ComputeColdMap() {
  std::memset(ColdMap, 0, sizeof ColdMap);
  for (int32_t x = 0; x < BOARD_SIZE; ++x) {
    for (int32_t y = 0; y < BOARD_SIZE; ++y) {
      if (Board[x][y] == CELL_SNOWMAN_AREA) {
        ChillArea(x, y);
      } else if (Board[x][y] == CELL_SNOWMAN_LINE) {
        ChillLines(x, y);
      }
    }
  }
}

void AdvanceDay() {
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
    for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
      if (IsCheese(Board[x][y]) && ColdMap[x][y] == 0) {
        CheeseSlots[Board[x][y] - CELL_CHEESE_FIRST].week = WEEK_ROTTEN;
      }
    }
  }
  if (++DayOfWeek <= 6) return;
  DayOfWeek = 0;
  for (int32_t k = 0; k < CheeseCount; ++k) {
    if (CheeseSlots[k].week > 0) ++CheeseSlots[k].week;
  }
}

int32_t ClassifyCheese(int32_t week, const CheeseInfo& info) {
  if (week == WEEK_ROTTEN) return RIPENESS_ROTTEN;
  if (week < info.ripeFrom) return RIPENESS_UNRIPE;
  if (week > info.ripeTo) return RIPENESS_OVERRIPE;
  return RIPENESS_GOOD;
}

int32_t DaysLeft(int32_t week, const CheeseInfo& info) {
  return (info.ripeTo - week + 1) * 7 - DayOfWeek;
}

int32_t DeliverCheese() {
  CheeseSlot& slot = CheeseSlots[PushedPiece - CELL_CHEESE_FIRST];
  int32_t ripeness = ClassifyCheese(slot.week, *slot.info);
  --CheesesToDeliver;
  slot.week = WEEK_NONE;
  return ripeness;
}

int32_t PushedPieceIsCheese() {
  return IsCheese(PushedPiece) ? 1 : 0;
}

void CaptureLiveStage(LiveStage* saved) {
  std::memcpy(saved->board, Board, sizeof Board);
  std::memcpy(saved->coldMap, ColdMap, sizeof ColdMap);
  std::memcpy(saved->cheeseSlots, CheeseSlots, sizeof CheeseSlots);
  saved->cheeseCount = CheeseCount;
  saved->cheesesToDeliver = CheesesToDeliver;
  saved->playerX = PlayerX;
  saved->playerY = PlayerY;
  saved->facing = Facing;
  saved->walkFrame = WalkFrame;
  saved->dayOfWeek = DayOfWeek;
  saved->moveResult = MoveResult;
  saved->pushedPiece = PushedPiece;
}

void RestoreLiveStage(const LiveStage& saved) {
  std::memcpy(Board, saved.board, sizeof Board);
  std::memcpy(ColdMap, saved.coldMap, sizeof ColdMap);
  std::memcpy(CheeseSlots, saved.cheeseSlots, sizeof CheeseSlots);
  CheeseCount = saved.cheeseCount;
  CheesesToDeliver = saved.cheesesToDeliver;
  PlayerX = saved.playerX;
  PlayerY = saved.playerY;
  Facing = saved.facing;
  WalkFrame = saved.walkFrame;
  DayOfWeek = saved.dayOfWeek;
  MoveResult = saved.moveResult;
  PushedPiece = saved.pushedPiece;
}

}  // namespace game
