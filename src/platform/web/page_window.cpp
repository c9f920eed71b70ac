// The window in a web page: the canvas, whose size and full screen the page
// looks after, so that SDL's figures are all there is; sleeping is a yield to the
// page (through Asyncify), and each picture shown is counted for the page.
#include <emscripten.h>

#include "platform/core_internal.h"

namespace platform::core {

namespace {

void CountFrame() {
  EM_ASM({ vaulmoor.framePresented(); });
}

// The page counts from the first picture on; the window's code is always linked.
[[maybe_unused]] const bool Counting = (SetPresentListener(CountFrame), true);

}  // namespace

bool SystemWindowArea(SDL_Window*, SDL_Rect*) {
  return false;
}

bool MoveSystemWindow(SDL_Window*, const SDL_Rect&, SDL_Rect*) {
  return false;
}

// The page's timers run in whole milliseconds; the wait that called this looks at
// the clock again when it wakes.
void SleepUntil(std::chrono::steady_clock::time_point instant) {
  const auto left =
      std::chrono::ceil<std::chrono::milliseconds>(instant - std::chrono::steady_clock::now());
  emscripten_sleep(static_cast<unsigned>(left.count() > 0 ? left.count() : 0));
}

}  // namespace platform::core
