// The board rules as pure state changes on the live stage: set-up, moves, cold, days and verdicts.
// They draw nothing, play nothing and never wait, so the scenes and the stage solver share them.
#pragma once

#include <cstdint>

#include "game/data_model.h"

namespace game {

// Loads stage n of StageSet into the live state (StartStage without its drawing and
// intro card): counters, cheese slots, board, start cell, the cold map and the rot
// check of the first day, after which DayOfWeek is 0 again. Facing is kept.
void SetUpStage(int32_t n);

// What a move in direction d (a Facing value) would be: MOVE_NONE, MOVE_STEP or
// MOVE_PUSH. Reads Board, PlayerX and PlayerY only.
int32_t TryMove(int32_t d);

// The start of a move in direction Facing: MoveResult = TryMove(Facing); for a push
// the piece in front leaves the board into PushedPiece. Returns MoveResult.
int32_t StartMove();

// The commit of the move started by StartMove: the player advances, a pushed piece
// lands in front of the player or, on a hole, stays in PushedPiece; then the cold
// map is rebuilt and the day passes. Returns 1 when the piece fell into a hole.
int32_t CommitMove();

// Rebuilds ColdMap from Board: area snowmen chill their 3x3 block, line snowmen
// their own cell and the four lines up to the first wall.
void ComputeColdMap();

// One day: cheeses outside the chill rot, DayOfWeek advances and every seventh day
// each cheese in play ages by a week.
void AdvanceDay();

// The class of a slot whose week is not WEEK_NONE.
int32_t ClassifyCheese(int32_t week, const CheeseInfo& info);

// Days left before an unripe or good cheese turns over-ripe, as the side panel shows.
int32_t DaysLeft(int32_t week, const CheeseInfo& info);

// The verdict on the cheese in PushedPiece once it has reached the customer: one
// delivery fewer is due and the slot is emptied, whatever the class. Returns the
// class the cheese had (RIPENESS_GOOD lets play go on; the others fail the stage).
int32_t DeliverCheese();

// 1 when the piece in PushedPiece is a cheese.
int32_t PushedPieceIsCheese();

// A copy of everything the rules read and change, so that trial moves can be undone.
struct LiveStage {
  int32_t board[BOARD_SIZE][BOARD_SIZE];
  int32_t coldMap[BOARD_SIZE][BOARD_SIZE];
  CheeseSlot cheeseSlots[MAX_CHEESES];
  int32_t cheeseCount, cheesesToDeliver;
  int32_t playerX, playerY, facing, walkFrame, dayOfWeek;
  int32_t moveResult, pushedPiece;
};
void CaptureLiveStage(LiveStage* saved);
void RestoreLiveStage(const LiveStage& saved);

}  // namespace game
