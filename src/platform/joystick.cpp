// Joysticks 1 and 2 as the multimedia joystick service reports them: the first
// two axes as 0..65535 and up to 32 buttons; scripted in headless runs.
#include <SDL.h>

#include <algorithm>
#include <bit>

#include "platform/core_internal.h"

namespace platform {
namespace {

constexpr int JOYSTICK_COUNT = 2;
constexpr int BUTTON_LIMIT = 32;
// The middle of the 0..65535 scale, where a stick at rest stands.
constexpr uint32_t AXIS_CENTRE = 32768;

SDL_Joystick* Sticks[JOYSTICK_COUNT];

// Joystick 1 as the script sets it. A stick attached by a button line rests at
// its centre until a joy line moves it, as a real one would.
struct ScriptedStick {
  bool attached = false;
  uint32_t x = AXIS_CENTRE, y = AXIS_CENTRE, buttons = 0;
} Scripted;

bool IsOpen(SDL_JoystickID id) {
  for (SDL_Joystick* stick : Sticks)
    if (stick && SDL_JoystickInstanceID(stick) == id) return true;
  return false;
}

// An SDL axis (-32768..32767) on the 0..65535 scale.
uint32_t AxisPosition(SDL_Joystick* stick, int axis) {
  if (axis >= SDL_JoystickNumAxes(stick)) return AXIS_CENTRE;
  return static_cast<uint32_t>(SDL_JoystickGetAxis(stick, axis) + int{AXIS_CENTRE});
}

uint32_t ButtonBits(SDL_Joystick* stick) {
  uint32_t bits = 0;
  int count = std::min(SDL_JoystickNumButtons(stick), BUTTON_LIMIT);
  for (int b = 0; b < count; ++b)
    if (SDL_JoystickGetButton(stick, b)) bits |= 1u << b;
  return bits;
}

void Report(uint32_t x, uint32_t y, uint32_t buttons, JOYINFOEX* info) {
  info->dwXpos = x;
  info->dwYpos = y;
  info->dwButtons = buttons;
  info->dwButtonNumber = static_cast<uint32_t>(std::popcount(buttons));
}

}  // namespace

namespace core {

void SetScriptedStick(uint32_t x, uint32_t y) {
  Scripted.attached = true;
  Scripted.x = x;
  Scripted.y = y;
}

void SetScriptedButton(int button, bool down) {
  Scripted.attached = true;
  uint32_t bit = 1u << (button - 1);
  Scripted.buttons = down ? Scripted.buttons | bit : Scripted.buttons & ~bit;
}

void OpenJoysticks() {
  if (IsHeadless()) return;
  for (int device = 0; device < SDL_NumJoysticks(); ++device) {
    if (IsOpen(SDL_JoystickGetDeviceInstanceID(device))) continue;
    for (SDL_Joystick*& place : Sticks) {
      if (place) continue;
      place = SDL_JoystickOpen(device);
      break;
    }
  }
}

void JoystickRemoved(int32_t instanceId) {
  for (SDL_Joystick*& stick : Sticks) {
    if (stick && SDL_JoystickInstanceID(stick) == instanceId) {
      SDL_JoystickClose(stick);
      stick = nullptr;
    }
  }
}

void CloseJoysticks() {
  for (SDL_Joystick*& stick : Sticks) {
    if (stick) SDL_JoystickClose(stick);
    stick = nullptr;
  }
  Scripted = ScriptedStick{};
}

}  // namespace core

uint32_t joyGetPosEx(uint32_t device, JOYINFOEX* info) {
  if (device >= JOYSTICK_COUNT) return JOYERR_UNPLUGGED;
  core::PumpEvents();
  // The script's stick stands in for joystick 1 while it is attached.
  if (device == 0 && Scripted.attached) {
    Report(Scripted.x, Scripted.y, Scripted.buttons, info);
    return JOYERR_NOERROR;
  }
  if (IsHeadless()) return JOYERR_UNPLUGGED;
  SDL_Joystick* stick = Sticks[device];
  if (!stick) return JOYERR_UNPLUGGED;
  Report(AxisPosition(stick, 0), AxisPosition(stick, 1), ButtonBits(stick), info);
  return JOYERR_NOERROR;
}

// The joystick set-up may have changed: take in devices attached since.
void joyConfigChanged(uint32_t) {
  core::OpenJoysticks();
}

}  // namespace platform
