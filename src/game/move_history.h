// The history of the stage in play: the moves and restarts that the player can take back and
// play again, one at a time.
#pragma once

#include <cstdint>
#include <vector>

#include "game/data_model.h"

namespace game {

// The history of one stage in play: the steps kept, oldest first, and the steps taken
// back, the last taken back last.
struct MoveHistory {
  // A set of the board's cells.
  struct Cells {
    uint64_t bits[(BOARD_SIZE * BOARD_SIZE + 63) / 64] = {};
    void Add(int32_t i) { bits[i / 64] |= uint64_t{1} << (i % 64); }
    bool Has(int32_t i) const { return (bits[i / 64] >> (i % 64)) & 1; }
  };
  // A position as the history keeps it: what moves can change, in a tenth of the room.
  // The walls, holes and cheese records never change within a stage, so they come back
  // from the position a step is taken back to.
  struct Packed {
    Cells areaSnowmen, lineSnowmen, chilled;
    int32_t week[MAX_CHEESES];
    uint8_t cheeseCell[MAX_CHEESES];  // 0xFF once the cheese has left the board
    int8_t cheesesToDeliver, playerX, playerY, facing, dayOfWeek, moveResult, pushedPiece;
  };
  // One step and the position on one side of it: before it while kept, after it while
  // taken back.
  struct Step {
    Packed position;
    int32_t move;  // a direction, or a restart of the stage
  };

  std::vector<Step> kept;
  std::vector<Step> takenBack;
  bool restartComing = false;  // the next stage start is a restart, kept as a step
};

// The history of the stage on screen.
extern MoveHistory LiveHistory;

// Begins the history at a stage's start (StartStage): a new stage begins it empty, a
// restart after giving up or a failed delivery keeps it, with the restart as its last step.
void BeginAttempt(MoveHistory& history);

// Called as a move in direction move starts from here, which is still as it was before
// the move; facing is the direction the player faced before the key turned it. Forgets
// the steps taken back.
void RecordMove(MoveHistory& history, const Position& here, int32_t facing, int32_t move);

// The player gives up at here: the coming restart is one step, taken back to here.
void RecordGiveUp(MoveHistory& history, const Position& here);

// A delivery failed: the coming restart is one step in place of the fatal push, taken
// back to the position before that push.
void RecordFailedDelivery(MoveHistory& history);

// Puts here back as it was before the last step kept (a move or a restart), keeping that
// step for RedoStep. False when there is none.
bool UndoStep(MoveHistory& history, Position& here);

// Plays again the last step taken back, putting here as it was after it. False when
// there is none, or a new move has been made since.
bool RedoStep(MoveHistory& history, Position& here);

// The moves kept since the stage last started or restarted.
int32_t MovesSinceRestart(const MoveHistory& history);

// The directions of the moves kept since the stage last started or restarted, oldest first.
std::vector<int32_t> MovesOfAttempt(const MoveHistory& history);

// The position n moves back from here (1..MovesSinceRestart(history)): as it was before the n-th
// last move.
Position PositionMovesBack(const MoveHistory& history, const Position& here, int32_t n);

}  // namespace game
