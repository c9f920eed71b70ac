// The window as the window system itself has it, asked of X directly: SDL takes
// a window's size as given after its own full-screen changes, whether or not the
// window system carried them out.
#include <SDL.h>
#include <SDL_syswm.h>

#include "platform/core_internal.h"

namespace platform::core {
namespace {

// How long a window manager is given to answer a move: about what SDL waits
// for its own moves and full-screen changes.
constexpr uint32_t WINDOW_SYSTEM_ANSWER_MS = 200;

struct XWindow {
  Display* display;
  ::Window window;
};

// The X display and window of an SDL window; false under other video drivers.
bool XWindowOf(SDL_Window* window, XWindow* x) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  *x = {info.info.x11.display, info.info.x11.window};
  return true;
}

// The window's drawable area in root window coordinates, once every request sent
// so far has been handled.
bool AreaOf(const XWindow& x, SDL_Rect* area) {
  XSync(x.display, False);
  XWindowAttributes attributes;
  ::Window child;
  if (!XGetWindowAttributes(x.display, x.window, &attributes) ||
      !XTranslateCoordinates(x.display, x.window, attributes.root, 0, 0, &area->x, &area->y,
                             &child))
    return false;
  area->w = attributes.width;
  area->h = attributes.height;
  return true;
}

}  // namespace

bool SystemWindowArea(SDL_Window* window, SDL_Rect* area) {
  XWindow x;
  return XWindowOf(window, &x) && AreaOf(x, area);
}

bool MoveSystemWindow(SDL_Window* window, const SDL_Rect& target, SDL_Rect* area) {
  XWindow x;
  if (!XWindowOf(window, &x)) return false;
  XMoveResizeWindow(x.display, x.window, target.x, target.y, unsigned(target.w),
                    unsigned(target.h));
  XRaiseWindow(x.display, x.window);
  // Without a window manager X carries the request out at once; a window manager
  // gets it as a request of its own and answers in its own time, or never.
  const uint32_t start = SDL_GetTicks();
  while (AreaOf(x, area)) {
    if (SDL_RectEquals(area, &target)) return true;
    if (SDL_GetTicks() - start >= WINDOW_SYSTEM_ANSWER_MS) return false;
    SDL_Delay(10);
  }
  return false;
}

}  // namespace platform::core
