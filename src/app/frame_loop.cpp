// The paced frame loop: one scene call per frame, then the window messages.
#include "app/frame_loop.h"

#include "input/input.h"
#include "platform/platform.h"
#include "shared/shell_state.h"

namespace app {

uint32_t FrameStart = 0;
uint32_t PreviousFrameStart = 0;
uint32_t FrameRateSetting = 100;

namespace {

constexpr double MAX_FRAME_STEP = 0.1;

// Waits until the frame interval has passed since the previous frame began (not
// this one), so short frames come in pairs and average the set rate.
void WaitForFrameTime() {
  uint32_t interval = 2000 / FrameRateSetting;
  while (platform::timeGetTime() - PreviousFrameStart < interval)
    platform::WaitUntil(PreviousFrameStart + interval);
}

// Hands every waiting message to the window procedure; false once the quit message came.
bool PumpMessages() {
  platform::MSG message;
  while (platform::PeekMessageA(&message)) {
    if (platform::GetMessageA(&message) == 0) return false;
    platform::DispatchMessageA(message);
  }
  return true;
}

}  // namespace

void BeginFrames() {
  PreviousFrameStart = platform::timeGetTime();
}

void BeginFrame() {
  FrameStart = platform::timeGetTime();
  input::PollJoystick();
}

bool EndFrame() {
  WaitForFrameTime();
  shared::FrameStep = static_cast<uint32_t>(FrameStart - PreviousFrameStart) / 1000.0;
  PreviousFrameStart = FrameStart;
  if (shared::FrameStep > MAX_FRAME_STEP) shared::FrameStep = MAX_FRAME_STEP;
  return PumpMessages();
}

}  // namespace app
