// Blocking waits on the process clock and on the Space key.
#include "game/waits.h"

#include <cstdint>

#include "platform/platform.h"

namespace game {

void WaitSeconds(double seconds) {
  platform::WaitUntil(platform::timeGetTime() + static_cast<uint32_t>(seconds * 1000.0));
}

bool IsKeyDown(int vk) {
  return (platform::GetAsyncKeyState(vk) & 0x8000) != 0;
}

bool IsSpaceDown() {
  return IsKeyDown(platform::VK_SPACE);
}

void WaitWhileSpaceDown() {
  while (IsSpaceDown()) platform::IdlePoll();
}

void WaitUntilSpaceDown() {
  while (!IsSpaceDown()) platform::IdlePoll();
}

}  // namespace game
