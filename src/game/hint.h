// The player's hint: the first move of a shortest way to clear the stage from the live
// position, from the solver. Where the background search runs beside the frames, answers are
// worked out ahead; where it searches at once (headless runs), when asked, so that every run
// repeats exactly.
#pragma once

#include <cstdint>

#include "game/data_model.h"

namespace game {

constexpr int32_t HINT_WORKING = -1;  // not known yet (searched beside the frames): ask again
constexpr int32_t HINT_LOST = -2;     // the stage can no longer be cleared from here
constexpr int32_t HINT_NONE = -3;     // the search gave up at its state limit: no hint

// Positions one hint search may know at once: about 45 MB, and a few tenths of a second.
// A stage beyond it (a player's own, far larger than ours) gets no hint.
constexpr int64_t HINT_STATE_LIMIT = 400000;

// The hint for position p of the stage in play: a direction (a Facing value), HINT_LOST,
// HINT_NONE or HINT_WORKING. The first question also lets later positions be worked out
// ahead.
int32_t AskHint(const Position& p);

// Once the player has asked for a hint, starts working out the live position's answer in
// the background unless it is known (where the search runs beside the frames).
void PrepareHint();

// Forgets every answer known and the search under way: the stage in play is another cellar
// than the one they were found for (a cellar of the editor, tried after it changed).
void ForgetHints();

}  // namespace game
