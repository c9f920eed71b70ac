// The one message the program shows the user: a start-up failure.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "platform/core_internal.h"

namespace platform {

void MessageBoxA(const char* text, const char* caption) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  if (!IsHeadless()) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, core::Window());
}

void FailStartup(const char* text) {
  MessageBoxA(text, "error");
  Shutdown();
  std::exit(EXIT_STARTUP_FAILED);
}

}  // namespace platform
