// The one message the program shows the user, a start-up failure: SDL's message box.
#include <SDL.h>

#include <cstdio>

#include "platform/core_internal.h"

namespace platform {

void MessageBoxA(const char* text, const char* caption) {
  std::fprintf(stderr, "vaulmoor: %s: %s\n", caption, text);
  if (!IsHeadless()) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, core::Window());
}

}  // namespace platform
