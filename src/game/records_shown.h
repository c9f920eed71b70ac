// The records where a player sees them: on the clear of a cellar cleared before, and under
// the intro card of a cellar that has a record.
#pragma once

#include <cstdint>

namespace game {

// Keeps the clear of the live stage in the records (not a replay's) and draws this clear's
// moves with the record and the shortest over the board, when the cellar had a record
// before.
void RecordAndShowClear();

// Draws the record of the live stage under its intro card, when it has one.
void ShowRecordUnderCard();

}  // namespace game
