// The board rules as functions of a Position: set-up, moves, cold, days and verdicts.
// They draw nothing, play nothing and never wait, so the scenes and the stage solver share them.
#pragma once

#include <cstdint>

#include "game/data_model.h"

namespace game {

// Loads stage into p (StartStage without its drawing and intro card): counters, cheese
// slots, board, start cell, the cold map and the rot check of the first day, after which
// the day is 0 again. The facing, the move result and the pushed piece are kept.
void SetUpStage(const StageRecord& stage, Position& p);

// The start of stage, facing up.
Position StageStart(const StageRecord& stage);

// The letter of direction d (a Facing value): U, R, D or L.
char MoveLetter(int32_t d);

// The direction of a move letter U, R, D or L; -1 for any other character.
int32_t MoveDirection(char letter);

// What a move in direction d (a Facing value) would be: MOVE_NONE, MOVE_STEP or
// MOVE_PUSH. Reads the board and the player's cell only.
int32_t TryMove(const Position& p, int32_t d);

// The start of a move in p's facing: the move result is TryMove's; for a push the piece
// in front leaves the board into the pushed piece. Returns the move result.
int32_t StartMove(Position& p);

// The commit of the move started by StartMove: the player advances, a pushed piece
// lands in front of the player or, on a hole, stays the pushed piece; then the cold
// map is rebuilt and the day passes. Returns 1 when the piece fell into a hole. The
// cold map must be p's own when the move starts, as every function here leaves it.
int32_t CommitMove(Position& p);

// Rebuilds the cold map from the board: area snowmen chill their 3x3 block, line
// snowmen their own cell and the four lines up to the first wall.
void ComputeColdMap(Position& p);

// One day: cheeses outside the chill rot, the day advances and every seventh day each
// cheese in play ages by a week.
void AdvanceDay(Position& p);

// The class of a slot whose week is not WEEK_NONE.
int32_t ClassifyCheese(int32_t week, const CheeseInfo& info);

// Days left on day dayOfWeek before an unripe or good cheese turns over-ripe, as the
// side panel shows.
int32_t DaysLeft(int32_t week, const CheeseInfo& info, int32_t dayOfWeek);

// The verdict on the pushed cheese once it has reached the customer: one delivery
// fewer is due and the slot is emptied, whatever the class. Returns the class the
// cheese had (RIPENESS_GOOD lets play go on; the others fail the stage).
int32_t DeliverCheese(Position& p);

// 1 when the pushed piece is a cheese.
int32_t PushedPieceIsCheese(const Position& p);

// What one whole move did.
enum class MoveOutcome {
  Blocked,         // nothing moved and no day passed; the player only turned
  Moved,           // a step or a push onto the floor
  SnowmanDropped,  // a snowman was pushed into a hole
  Delivered,       // a cheese fell to the customer and was good
  WrongDelivery,   // a cheese fell to the customer unripe, over-ripe or rotten
};

// One whole move in direction d (a Facing value): start, commit and the customer's
// verdict on a dropped cheese, without the scenes between them.
MoveOutcome PlayMove(Position& p, int32_t d);

}  // namespace game
