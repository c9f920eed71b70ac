// The window in a web page: the canvas, whose size and full screen the page
// looks after, so that SDL's figures are all there is; sleeping is a pause that
// hands the thread back to the page (through Asyncify), and each picture shown is
// counted for the page.
#include <SDL.h>
#include <emscripten.h>

#include "platform/core_internal.h"

namespace platform::core {

namespace {

void CountFrame() {
  EM_ASM({ vaulmoor.framePresented(); });
}

// The page counts from the first picture on; the window's code is always linked.
[[maybe_unused]] const bool Counting = (SetPresentListener(CountFrame), true);

// SDL would otherwise pause for the page in each picture it shows, deep inside
// calls through its function pointers, which the program is not rewritten to
// pause in (dist/web/CMakeLists.txt); the frame loop's own wait gives the page
// its turn instead.
[[maybe_unused]] const bool NoPauseInSdl = SDL_SetHint(SDL_HINT_EMSCRIPTEN_ASYNCIFY, "0");

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
