// The window in a web page: the canvas, whose size and full screen the page
// looks after, so that SDL's figures are all there is; sleeping is a pause that
// hands the thread back to the page (through Asyncify), and each picture shown is
// counted for the page.
#include <emscripten.h>

#include "platform/core_internal.h"

namespace platform::core {

namespace {

void CountFrame() {
  EM_ASM({ vaulmoor.framePresented(); });
}

// The page counts from the first picture on; the window's code is always linked.
[[maybe_unused]] const bool Counting = (SetPresentListener(CountFrame), true);

// Gives the page the thread for ms milliseconds (page.js: pause).
EM_ASYNC_JS(void, PauseForPage, (double ms), { await vaulmoor.pause(ms); });

}  // namespace

bool SystemWindowArea(SDL_Window*, SDL_Rect*) {
  return false;
}

bool MoveSystemWindow(SDL_Window*, const SDL_Rect&, SDL_Rect*) {
  return false;
}

void SleepUntil(std::chrono::steady_clock::time_point instant) {
  const std::chrono::duration<double, std::milli> left = instant - std::chrono::steady_clock::now();
  PauseForPage(left.count());
}

}  // namespace platform::core
