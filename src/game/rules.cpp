// The board rules: stage set-up, moves and pushes, the cold map, the day and the delivery verdict.
#include "game/rules.h"

#include <cstring>

#include "game/catalogue.h"

namespace game {

namespace {

// The letters of the four directions, in the order of the Facing values.
constexpr char MOVE_LETTERS[4] = {'U', 'R', 'D', 'L'};

bool IsWall(int32_t v) {
  return v == CELL_WALL_FRONT || v == CELL_WALL_TOP;
}

// One comparison for both kinds, since most cells hold neither.
bool IsSnowman(int32_t v) {
  return static_cast<uint32_t>(v - CELL_SNOWMAN_AREA) <= CELL_SNOWMAN_LINE - CELL_SNOWMAN_AREA;
}

bool IsCheese(int32_t v) {
  return v >= CELL_CHEESE_FIRST;
}

void ChillArea(Position& p, int32_t x, int32_t y) {
  for (int32_t i = x - 1; i <= x + 1; ++i) {
    for (int32_t j = y - 1; j <= y + 1; ++j) p.coldMap[i][j] = 1;
  }
}

// Walls stop the line; holes, snowmen and cheeses let the cold pass. The border
// ring is walls, so every line ends inside the grid.
void ChillLines(Position& p, int32_t x, int32_t y) {
  p.coldMap[x][y] = 1;
  for (int32_t d = 0; d < 4; ++d) {
    for (int32_t cx = x + StepDX[d], cy = y + StepDY[d]; !IsWall(p.board[cx][cy]);
         cx += StepDX[d], cy += StepDY[d]) {
      p.coldMap[cx][cy] = 1;
    }
  }
}

// The cell in front of the player.
int32_t& Ahead(Position& p) {
  return p.board[p.playerX + StepDX[p.facing]][p.playerY + StepDY[p.facing]];
}

}  // namespace

void SetUpStage(const StageRecord& stage, Position& p) {
  p.dayOfWeek = 0;
  p.cheesesToDeliver = stage.toDeliver;
  p.cheeseCount = stage.cheeseCount;
  for (CheeseSlot& slot : p.cheeseSlots) slot.week = WEEK_NONE;
  for (int32_t k = 0; k < p.cheeseCount; ++k) {
    p.cheeseSlots[k].catalogueIndex = stage.cheeses[k].catalogueIndex;
    p.cheeseSlots[k].info = &CheeseCatalogue[stage.cheeses[k].catalogueIndex];
    p.cheeseSlots[k].week = stage.cheeses[k].startWeek;
  }
  std::memcpy(p.board, stage.grid, sizeof p.board);
  p.playerX = stage.startX;
  p.playerY = stage.startY;
  // The first day counts for its rot check only: a cheese that starts outside the
  // chill is rotten from the start, and no week can pass.
  ComputeColdMap(p);
  AdvanceDay(p);
  p.dayOfWeek = 0;
}

Position StageStart(const StageRecord& stage) {
  Position p;
  SetUpStage(stage, p);
  return p;
}

int32_t TryMove(const Position& p, int32_t d) {
  int32_t target = p.board[p.playerX + StepDX[d]][p.playerY + StepDY[d]];
  if (target == CELL_FLOOR) return MOVE_STEP;
  if (IsWall(target) || target == CELL_HOLE) return MOVE_NONE;
  int32_t behind = p.board[p.playerX + 2 * StepDX[d]][p.playerY + 2 * StepDY[d]];
  return behind == CELL_FLOOR || behind == CELL_HOLE ? MOVE_PUSH : MOVE_NONE;
}

int32_t StartMove(Position& p) {
  p.moveResult = TryMove(p, p.facing);
  if (p.moveResult == MOVE_PUSH) {
    p.pushedPiece = Ahead(p);
    Ahead(p) = CELL_FLOOR;
  }
  return p.moveResult;
}

// The cold map follows the board alone, and a step leaves the board as it was: only a
// push rebuilds it. The solver plays millions of moves, most of them steps.
int32_t CommitMove(Position& p) {
  p.playerX += StepDX[p.facing];
  p.playerY += StepDY[p.facing];
  int32_t dropped = 0;
  if (p.moveResult == MOVE_PUSH) {
    if (Ahead(p) == CELL_HOLE) {
      dropped = 1;
    } else {
      Ahead(p) = p.pushedPiece;
    }
    ComputeColdMap(p);
  }
  AdvanceDay(p);
  return dropped;
}

// The border ring is walls, so only the playfield can hold snowmen.
void ComputeColdMap(Position& p) {
  std::memset(p.coldMap, 0, sizeof p.coldMap);
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
    for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
      if (!IsSnowman(p.board[x][y])) continue;
      if (p.board[x][y] == CELL_SNOWMAN_AREA) {
        ChillArea(p, x, y);
      } else {
        ChillLines(p, x, y);
      }
    }
  }
}

void AdvanceDay(Position& p) {
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
    for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
      if (IsCheese(p.board[x][y]) && p.coldMap[x][y] == 0) {
        p.cheeseSlots[p.board[x][y] - CELL_CHEESE_FIRST].week = WEEK_ROTTEN;
      }
    }
  }
  if (++p.dayOfWeek <= 6) return;
  p.dayOfWeek = 0;
  for (int32_t k = 0; k < p.cheeseCount; ++k) {
    if (p.cheeseSlots[k].week > 0) ++p.cheeseSlots[k].week;
  }
}

int32_t ClassifyCheese(int32_t week, const CheeseInfo& info) {
  if (week == WEEK_ROTTEN) return RIPENESS_ROTTEN;
  if (week < info.ripeFrom) return RIPENESS_UNRIPE;
  if (week > info.ripeTo) return RIPENESS_OVERRIPE;
  return RIPENESS_GOOD;
}

int32_t DaysLeft(int32_t week, const CheeseInfo& info, int32_t dayOfWeek) {
  return (info.ripeTo - week + 1) * 7 - dayOfWeek;
}

int32_t DeliverCheese(Position& p) {
  CheeseSlot& slot = p.cheeseSlots[p.pushedPiece - CELL_CHEESE_FIRST];
  int32_t ripeness = ClassifyCheese(slot.week, *slot.info);
  --p.cheesesToDeliver;
  slot.week = WEEK_NONE;
  return ripeness;
}

int32_t PushedPieceIsCheese(const Position& p) {
  return IsCheese(p.pushedPiece) ? 1 : 0;
}

MoveOutcome PlayMove(Position& p, int32_t d) {
  p.facing = d;
  if (StartMove(p) == MOVE_NONE) return MoveOutcome::Blocked;
  if (!CommitMove(p)) return MoveOutcome::Moved;
  if (!PushedPieceIsCheese(p)) return MoveOutcome::SnowmanDropped;
  return DeliverCheese(p) == RIPENESS_GOOD ? MoveOutcome::Delivered : MoveOutcome::WrongDelivery;
}

char MoveLetter(int32_t d) {
  return MOVE_LETTERS[d];
}

int32_t MoveDirection(char letter) {
  for (int32_t d = 0; d < 4; ++d) {
    if (MOVE_LETTERS[d] == letter) return d;
  }
  return -1;
}

}  // namespace game
