// A window manager for the window tests that shows every window where and as it
// asks to be mapped and refuses everything else: moves, resizes and full screen.
// Prints "ready" once it manages the screen; exits 1 when it cannot.
#include <X11/Xlib.h>

#include <cstdio>

namespace {

bool Refused = false;

int NoteError(Display*, XErrorEvent*) {
  Refused = true;
  return 0;
}

}  // namespace

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  // Only one client may redirect the root window's children: another window
  // manager makes this fail.
  XSetErrorHandler(NoteError);
  XSelectInput(display, DefaultRootWindow(display), SubstructureRedirectMask);
  XSync(display, False);
  if (Refused) return 1;
  std::puts("ready");
  std::fflush(stdout);
  for (XEvent event;;) {
    XNextEvent(display, &event);
    if (event.type == MapRequest) XMapWindow(display, event.xmaprequest.window);
  }
}
