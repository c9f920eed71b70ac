// The moves of the stage in play, kept so that the player can take them back one by one.
#pragma once

#include <cstdint>

#include "game/data_model.h"

namespace game {

// Begins the history of an attempt at the stage (StartStage): empty, unless the attempt
// follows a failed delivery, whose moves are then kept for a second chance.
void BeginAttempt();

// A failed delivery is collapsing the cellar: the restart keeps the failed attempt's
// moves, so that until the first new move undoing takes back its fatal push and more.
void KeepFailedAttempt();

// Called as a move starts from here, which is still as it was before the move; facing
// is the direction the player faced before the key turned it.
void RecordMove(const Position& here, int32_t facing);

// Puts here back as it was before the last move kept and forgets that move. False
// when there is none.
bool UndoMove(Position& here);

}  // namespace game
