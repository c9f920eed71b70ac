// The fixed cheese catalogue and the stage titles shown on the intro cards.
#pragma once

#include "game/data_model.h"

namespace game {

// 14 cheeses and a trailing all-zero record; only paradeX ever changes.
extern CheeseInfo CheeseCatalogue[CATALOGUE_SIZE + 1];
extern const char* const StageTitles[STAGE_COUNT];

}  // namespace game
