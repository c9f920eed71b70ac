// The directory the program file lives in, where its sounds and screenshots go.
#include <SDL.h>

#include <string>

#include "platform/platform.h"

namespace platform {

const char* ProgramDirectory() {
  static std::string directory;
  if (directory.empty()) {
    char* base = SDL_GetBasePath();
    directory = base ? base : "./";
    SDL_free(base);
    if (directory.back() != '/') directory += '/';
  }
  return directory.c_str();
}

}  // namespace platform
