// The mouse pointer and typed text: their messages, the pointer's state as the messages taken
// tell it, and the input messages kept, in order, for the screen that reads them.
#include <array>

#include "platform/core_internal.h"

namespace platform {
namespace {

// The key, mouse and text messages taken and not yet read. A screen reads them every frame;
// while no screen does, the oldest go.
constexpr size_t KEPT_MESSAGES = 512;

std::array<MSG, KEPT_MESSAGES> Kept;
size_t KeptFirst = 0;
size_t KeptCount = 0;

PointerState Pointer;       // as of the last mouse message taken
uintptr_t ButtonsHeld = 0;  // as of the last mouse message posted

bool IsPointerMessage(uint32_t message) {
  return message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL;
}

uintptr_t ButtonOf(uint32_t message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return MK_LBUTTON;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return MK_RBUTTON;
    default:
      return 0;
  }
}

void Keep(const MSG& message) {
  if (KeptCount == KEPT_MESSAGES) {
    KeptFirst = (KeptFirst + 1) % KEPT_MESSAGES;
    --KeptCount;
  }
  Kept[(KeptFirst + KeptCount) % KEPT_MESSAGES] = message;
  ++KeptCount;
}

// The bytes of the UTF-8 character that begins text: its lead byte says how many follow,
// and only bytes that continue it are taken.
size_t CharacterLength(const char* text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  size_t taken = 1;
  while (taken < length && (static_cast<unsigned char>(text[taken]) & 0xC0) == 0x80) ++taken;
  return taken;
}

}  // namespace

namespace core {

void PostPointerMessage(uint32_t message, int32_t x, int32_t y, int32_t wheel) {
  if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) ButtonsHeld |= ButtonOf(message);
  if (message == WM_LBUTTONUP || message == WM_RBUTTONUP) ButtonsHeld &= ~ButtonOf(message);
  const uintptr_t turn = static_cast<uintptr_t>(static_cast<uint16_t>(wheel)) << 16;
  PostMessageA(message, ButtonsHeld | turn, PointerLParam(x, y));
}

void PostTypedText(const char* text) {
  while (*text != '\0') {
    const size_t length = CharacterLength(text);
    uintptr_t bytes = 0;
    for (size_t i = 0; i < length; ++i)
      bytes |= uintptr_t{static_cast<unsigned char>(text[i])} << (8 * i);
    PostMessageA(WM_CHAR, bytes, 0);
    text += length;
  }
}

void InputMessageTaken(const MSG& message) {
  const bool key = message.message == WM_KEYDOWN || message.message == WM_KEYUP;
  if (!key && message.message != WM_CHAR && !IsPointerMessage(message.message)) return;
  if (IsPointerMessage(message.message)) {
    Pointer.known = true;
    Pointer.x = PointerX(message.lParam);
    Pointer.y = PointerY(message.lParam);
    Pointer.left = (message.wParam & MK_LBUTTON) != 0;
    Pointer.right = (message.wParam & MK_RBUTTON) != 0;
  }
  Keep(message);
}

void ResetPointer() {
  Pointer = PointerState{};
  ButtonsHeld = 0;
  DropInputMessages();
}

}  // namespace core

PointerState GetPointerState() {
  return Pointer;
}

bool TakeInputMessage(MSG* message) {
  if (KeptCount == 0) return false;
  *message = Kept[KeptFirst];
  KeptFirst = (KeptFirst + 1) % KEPT_MESSAGES;
  --KeptCount;
  return true;
}

void DropInputMessages() {
  KeptFirst = 0;
  KeptCount = 0;
}

std::string TypedCharacter(uintptr_t wParam) {
  std::string text;
  for (; wParam != 0 && text.size() < 4; wParam >>= 8) text += static_cast<char>(wParam & 0xFF);
  return text;
}

}  // namespace platform
