// The one message the program shows the user, a start-up failure: on standard
// error (the browser's console) and in the page's list of errors, which the page
// shows under the picture.
#include <emscripten.h>

#include <cstdio>

#include "platform/platform.h"

namespace platform {

void MessageBoxA(const char* text, const char* caption) {
  std::fprintf(stderr, "vaulmoor: %s: %s\n", caption, text);
  EM_ASM({ vaulmoor.fail(UTF8ToString($0) + ': ' + UTF8ToString($1)); }, caption, text);
}

}  // namespace platform
