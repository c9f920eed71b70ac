// The scene state machine: the current scene and the dispatcher the frame loop calls.
#pragma once

#include <cstdint>

namespace game {

extern int32_t GameState;
extern double SceneTimer;
extern int32_t MenuCursor;  // also MovePhase in play and the browser's selection
extern int32_t StageNumber;

// Calls the scene function of GameState (nothing for 8 or values outside 0..9).
void DispatchScene();

}  // namespace game
