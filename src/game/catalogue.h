// The fixed cheese catalogue, the stage titles shown on the intro cards and the hint's notes.
#pragma once

#include "game/data_model.h"

namespace game {

// 14 cheeses and a trailing all-zero record.
extern const CheeseInfo CheeseCatalogue[CATALOGUE_SIZE + 1];
extern const char* const StageTitles[STAGE_COUNT];

// The note over the board when the hint has no move to give, two lines each: the stage
// can no longer be cleared (HINT_NOTE_LOST), or the search gave up (HINT_NOTE_NO_HINT).
constexpr int32_t HINT_NOTE_LOST = 0;
constexpr int32_t HINT_NOTE_NO_HINT = 1;
extern const char* const HintNotes[2][2];

}  // namespace game
