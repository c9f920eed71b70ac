// The one message the program shows the user, a start-up failure: a Windows
// message box, owned by the game's window when there is one.
// Only the window services of windows.h: its message, key, multimedia and
// joystick names are the platform interface's own.
#define WIN32_LEAN_AND_MEAN
#define NOWINMESSAGES
#define NOVIRTUALKEYCODES
#include <SDL.h>
#include <SDL_syswm.h>
#include <windows.h>

#include <cstdio>

#include "platform/core_internal.h"
#include "platform/windows/wide_text.h"

namespace platform {

namespace {

HWND OwnerWindow() {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  SDL_Window* window = core::Window();
  if (window == nullptr || !SDL_GetWindowWMInfo(window, &info) ||
      info.subsystem != SDL_SYSWM_WINDOWS)
    return nullptr;
  return info.info.win.window;
}

}  // namespace

void MessageBoxA(const char* text, const char* caption) {
  std::fprintf(stderr, "vaulmoor: %s: %s\n", caption, text);
  if (!IsHeadless())
    MessageBoxW(OwnerWindow(), WideOf(text).c_str(), WideOf(caption).c_str(),
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

}  // namespace platform
