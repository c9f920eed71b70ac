// The paced frame loop: one scene call per frame, then the window messages.
#pragma once

#include <cstdint>

namespace app {

extern uint32_t FrameStart;
extern uint32_t PreviousFrameStart;
extern uint32_t FrameRateSetting;

// Runs frames until the quit message is taken; returns WinMain's result, 1.
// Each frame polls the joystick, calls scene, waits until 2000 / FrameRateSetting
// ms after the previous frame's start, sets FrameStep and pumps the messages.
int RunFrameLoop(void (*scene)());

}  // namespace app
