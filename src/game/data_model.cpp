// The cellar game's global state: step tables, calendar layout, live stage and scene variables.
#include "game/data_model.h"

#include "game/scene_state.h"

namespace game {

const int32_t StepDX[4] = {0, 1, 0, -1};
const int32_t StepDY[4] = {-1, 0, 1, 0};

const int32_t DayMarkerX[7] = {7, 26, 45, 64, 17, 36, 53};
const int32_t DayMarkerY[7] = {51, 51, 51, 51, 74, 74, 74};

int32_t GameState = SCENE_BOOT;
double SceneTimer = 0.0;
int32_t MenuCursor = 0;
int32_t SelectedSlot = 0;
int32_t StageNumber = 0;

constinit Position LivePosition{};
int32_t WalkFrame = 0;
int32_t MovePhase = MOVE_PHASE_IDLE;
int32_t IntroShown = 0;
double CollapseOffsets[12][12];

}  // namespace game
