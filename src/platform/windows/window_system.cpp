// The window as the window system has it, on Windows: SDL's own figures for the
// window are the system's, and the system carries out every full-screen change
// SDL asks for, so there is nothing to ask or correct behind SDL's back.
#include "platform/core_internal.h"

namespace platform::core {

bool SystemWindowArea(SDL_Window*, SDL_Rect*) {
  return false;
}

bool MoveSystemWindow(SDL_Window*, const SDL_Rect&, SDL_Rect*) {
  return false;
}

}  // namespace platform::core
