// Directions and edge-detected presses from the keyboard merged with joystick 1.
#include "input/input.h"
#include "platform/platform.h"

namespace input {

int32_t KeyLatch[256];

namespace {

bool KeyDown(int32_t vk) {
  return (platform::GetKeyState(vk) & 0x8000) != 0;
}

// The stick condition of a direction code; false for codes outside 20..23.
bool StickHolds(int32_t code) {
  switch (code) {
    case DIR_RIGHT:
      return JoyDirX == 1;
    case DIR_LEFT:
      return JoyDirX == -1;
    case DIR_UP:
      return JoyDirY == -1;
    case DIR_DOWN:
      return JoyDirY == 1;
    default:
      return false;
  }
}

int32_t ArrowKeyOf(int32_t code) {
  switch (code) {
    case DIR_RIGHT:
      return platform::VK_RIGHT;
    case DIR_LEFT:
      return platform::VK_LEFT;
    case DIR_UP:
      return platform::VK_UP;
    default:
      return platform::VK_DOWN;
  }
}

// The joystick partner of a key: a button of joystick 1 (1..6, 0 none) or a
// stick direction (20..23).
bool PartnerDown(int32_t button) {
  if (button >= 0 && button <= 6) return JoyButton[button] == 1;
  return StickHolds(button);
}

}  // namespace

int32_t IsDirectionHeld(int32_t code) {
  if (code < DIR_RIGHT || code > DIR_DOWN) return 0;
  return StickHolds(code) || KeyDown(ArrowKeyOf(code)) ? 1 : 0;
}

int32_t PollButton(int32_t key, int32_t button) {
  if (key < 0 || key > 255) return 0;
  int32_t result = 0;
  bool down = KeyDown(key) || PartnerDown(button);
  if (down && KeyLatch[key] == 0) {
    KeyLatch[key] = 1;
    result += 10;
  }
  if (!down && KeyLatch[key] == 1) {
    KeyLatch[key] = 0;
    result += 20;
  }
  if (KeyLatch[key] == 1) result += 1;
  return result;
}

int32_t TakePresses(int32_t key, int32_t button) {
  return platform::TakeKeyPresses(key) + TakeButtonPresses(button);
}

}  // namespace input
