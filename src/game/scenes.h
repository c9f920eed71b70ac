// The scene state machine: the current scene and the dispatcher the frame loop calls.
#pragma once

#include "game/scene_state.h"

namespace game {

// Calls the scene function of GameState (nothing for SCENE_NONE or unknown values).
void DispatchScene();

}  // namespace game
