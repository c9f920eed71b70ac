// Joystick start-up calibration and the once-per-frame poll of joystick 1.
#include <utility>

#include "input/input.h"
#include "platform/platform.h"

namespace input {

int32_t JoyCentreX[2];
int32_t JoyCentreY[2];
int32_t JoyDirX;
int32_t JoyDirY;
int32_t JoyButton[7];

namespace {

constexpr uint32_t JOYSTICK_1 = 0;
constexpr uint32_t JOYSTICK_2 = 1;
constexpr int32_t POLLED_BUTTONS = 6;

int32_t ButtonPresses[POLLED_BUTTONS + 1];  // polls that found a button newly down, not yet taken

// -1 at or below half the centre, +1 at or above one and a half times it, else 0.
int32_t AxisDirection(int32_t position, int32_t centre) {
  int32_t half = centre / 2;
  if (position <= half) return -1;
  if (position >= centre + half) return 1;
  return 0;
}

}  // namespace

void InitJoystick() {
  platform::joyConfigChanged(0);
  CalibrateJoysticks();
}

void CalibrateJoysticks() {
  for (uint32_t device = JOYSTICK_1; device <= JOYSTICK_2; ++device) {
    platform::JOYINFOEX info;
    info.dwFlags = platform::JOY_RETURNALL | platform::JOY_USEDEADZONE;
    bool ok = platform::joyGetPosEx(device, &info) == platform::JOYERR_NOERROR;
    JoyCentreX[device] = ok ? static_cast<int32_t>(info.dwXpos) : 0;
    JoyCentreY[device] = ok ? static_cast<int32_t>(info.dwYpos) : 0;
  }
}

void ReadJoystickDirection(uint32_t device, int32_t* horizontal, int32_t* vertical) {
  platform::JOYINFOEX info;
  info.dwFlags = platform::JOY_RETURNX | platform::JOY_RETURNY | platform::JOY_USEDEADZONE;
  if (device > JOYSTICK_2 || platform::joyGetPosEx(device, &info) != platform::JOYERR_NOERROR)
    return;
  *horizontal = AxisDirection(static_cast<int32_t>(info.dwXpos), JoyCentreX[device]);
  *vertical = AxisDirection(static_cast<int32_t>(info.dwYpos), JoyCentreY[device]);
}

int32_t ReadJoystickButton(uint32_t device, int32_t button) {
  platform::JOYINFOEX info;
  info.dwFlags = platform::JOY_RETURNBUTTONS;
  if (button < 1 || button > 32) return 0;
  if (platform::joyGetPosEx(device, &info) != platform::JOYERR_NOERROR) return 0;
  return (info.dwButtons >> (button - 1)) & 1u ? 1 : 0;
}

void PollJoystick() {
  ReadJoystickDirection(JOYSTICK_1, &JoyDirX, &JoyDirY);
  for (int32_t button = 1; button <= POLLED_BUTTONS; ++button) {
    int32_t down = ReadJoystickButton(JOYSTICK_1, button);
    if (down == 1 && JoyButton[button] == 0) ++ButtonPresses[button];
    JoyButton[button] = down;
  }
}

int32_t TakeButtonPresses(int32_t button) {
  if (button < 1 || button > POLLED_BUTTONS) return 0;
  return std::exchange(ButtonPresses[button], 0);
}

}  // namespace input
