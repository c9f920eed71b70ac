// The two key states: as of the last key message taken, and physically now.
#include <SDL.h>

#include <algorithm>
#include <utility>

#include "platform/core_internal.h"

namespace platform {
namespace {

// What GetKeyState and GetAsyncKeyState report for a key that is down.
constexpr int16_t KEY_DOWN_BITS = static_cast<int16_t>(0x8000);

bool MessageKeys[256];
bool ImmediateKeys[256];
int32_t MessagePresses[256];  // key-down messages of keys that were up, not yet taken

bool ValidKey(int vk) {
  return vk >= 0 && vk < 256;
}

}  // namespace

namespace core {

void KeyChanged(int vk, bool down) {
  if (!ValidKey(vk)) return;
  ImmediateKeys[vk] = down;
  PostMessageA(down ? WM_KEYDOWN : WM_KEYUP, static_cast<uintptr_t>(vk), 0);
}

void ResetKeys() {
  std::fill(std::begin(MessageKeys), std::end(MessageKeys), false);
  std::fill(std::begin(ImmediateKeys), std::end(ImmediateKeys), false);
  std::fill(std::begin(MessagePresses), std::end(MessagePresses), 0);
}

void SetMessageKeyState(int vk, bool down) {
  if (!ValidKey(vk)) return;
  if (down && !MessageKeys[vk]) ++MessagePresses[vk];
  MessageKeys[vk] = down;
}

int VirtualKeyOf(int32_t sdlKey) {
  if (sdlKey >= SDLK_a && sdlKey <= SDLK_z) return 'A' + (sdlKey - SDLK_a);
  if (sdlKey >= SDLK_0 && sdlKey <= SDLK_9) return '0' + (sdlKey - SDLK_0);
  if (sdlKey >= SDLK_F1 && sdlKey <= SDLK_F12) return 0x70 + (sdlKey - SDLK_F1);
  switch (sdlKey) {
    case SDLK_LEFT:
      return VK_LEFT;
    case SDLK_RIGHT:
      return VK_RIGHT;
    case SDLK_UP:
      return VK_UP;
    case SDLK_DOWN:
      return VK_DOWN;
    case SDLK_SPACE:
      return VK_SPACE;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return VK_RETURN;
    case SDLK_ESCAPE:
      return VK_ESCAPE;
    case SDLK_BACKSPACE:
      return VK_BACK;
    case SDLK_TAB:
      return VK_TAB;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT:
      return VK_SHIFT;
    case SDLK_LCTRL:
    case SDLK_RCTRL:
      return VK_CONTROL;
    case SDLK_PAGEUP:
      return VK_PRIOR;
    case SDLK_PAGEDOWN:
      return VK_NEXT;
    case SDLK_HOME:
      return VK_HOME;
    case SDLK_END:
      return VK_END;
    case SDLK_INSERT:
      return VK_INSERT;
    case SDLK_DELETE:
      return VK_DELETE;
    case SDLK_KP_PLUS:
      return VK_ADD;
    case SDLK_KP_MINUS:
      return VK_SUBTRACT;
    case SDLK_EQUALS:
    case SDLK_PLUS:
      return VK_OEM_PLUS;
    case SDLK_MINUS:
      return VK_OEM_MINUS;
    case SDLK_COMMA:
    case SDLK_LESS:
      return VK_OEM_COMMA;
    case SDLK_PERIOD:
    case SDLK_GREATER:
      return VK_OEM_PERIOD;
    case SDLK_LALT:
    case SDLK_RALT:
      return 0x12;
    default:
      return 0;
  }
}

}  // namespace core

int16_t GetKeyState(int vk) {
  return ValidKey(vk) && MessageKeys[vk] ? KEY_DOWN_BITS : 0;
}

int32_t TakeKeyPresses(int vk) {
  if (!ValidKey(vk)) return 0;
  return std::exchange(MessagePresses[vk], 0);
}

int16_t GetAsyncKeyState(int vk) {
  core::PumpEvents();
  return ValidKey(vk) && ImmediateKeys[vk] ? KEY_DOWN_BITS : 0;
}

}  // namespace platform
