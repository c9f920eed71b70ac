// The history of the stage in play: the moves and restarts that the player can take back and
// play again, one at a time.
#pragma once

#include <cstdint>
#include <vector>

#include "game/data_model.h"

namespace game {

// Begins the history at a stage's start (StartStage): a new stage begins it empty, a
// restart after giving up or a failed delivery keeps it, with the restart as its last step.
void BeginAttempt();

// Called as a move in direction move starts from here, which is still as it was before
// the move; facing is the direction the player faced before the key turned it. Forgets
// the steps taken back.
void RecordMove(const Position& here, int32_t facing, int32_t move);

// The player gives up at here: the coming restart is one step, taken back to here.
void RecordGiveUp(const Position& here);

// A delivery failed: the coming restart is one step in place of the fatal push, taken
// back to the position before that push.
void RecordFailedDelivery();

// Puts here back as it was before the last step kept (a move or a restart), keeping that
// step for RedoStep. False when there is none.
bool UndoStep(Position& here);

// Plays again the last step taken back, putting here as it was after it. False when
// there is none, or a new move has been made since.
bool RedoStep(Position& here);

// The moves kept since the stage last started or restarted.
int32_t MovesSinceRestart();

// The directions of the moves kept since the stage last started or restarted, oldest first.
std::vector<int32_t> MovesOfAttempt();

// The position n moves back from here (1..MovesSinceRestart()): as it was before the n-th
// last move.
Position PositionMovesBack(const Position& here, int32_t n);

}  // namespace game
