// The paced frame loop: one scene call per frame, then the window messages.
#pragma once

#include <cstdint>

namespace app {

extern uint32_t FrameStart;
extern uint32_t PreviousFrameStart;
extern uint32_t FrameRateSetting;

// The loop's steps around the scene call.
void BeginFrames();
void BeginFrame();
bool EndFrame();  // false once the quit message came

// Runs frames until the quit message is taken; returns WinMain's result, 1.
// Each frame polls the joystick, calls Scene, waits until 2000 / FrameRateSetting
// ms after the previous frame's start, sets FrameStep and pumps the messages.
// The scene is a template argument so that the call to it is a direct one: the
// web build pauses for the page only inside direct calls.
template <void (*Scene)()>
int RunFrameLoop() {
  BeginFrames();
  do {
    BeginFrame();
    Scene();
  } while (EndFrame());
  return 1;
}

}  // namespace app
