// The single window and the events it receives, turned into window messages.
#include <SDL.h>

#include <cstdio>

#include "platform/core_internal.h"

namespace platform {
namespace {

// The window's size at scale 1 and its smallest size: one whole picture.
constexpr int WINDOW_BASE_WIDTH = 320;
constexpr int WINDOW_BASE_HEIGHT = 240;

#ifdef VAULMOOR_PAGE_WINDOW
// In a web page the window is the page's canvas at exactly the picture's size: the
// page scales it and takes it to full screen, so SDL must neither resize it nor
// give it more pixels for the screen.
constexpr uint32_t WINDOW_FLAGS = 0;
#else
constexpr uint32_t WINDOW_FLAGS = SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE;
#endif

SDL_Window* MainWindow = nullptr;
bool FocusLost = false;
// Where the window goes when it leaves full screen: the size asked for, centred,
// until the window is made full screen from a window; then the area it had.
SDL_Rect WindowedArea;

bool IsFullScreen() {
  return (SDL_GetWindowFlags(MainWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

void EnterFullScreen() {
  SDL_GetWindowPosition(MainWindow, &WindowedArea.x, &WindowedArea.y);
  SDL_GetWindowSize(MainWindow, &WindowedArea.w, &WindowedArea.h);
  SDL_SetWindowFullscreen(MainWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
  core::KeepFullScreen();
}

void LeaveFullScreen() {
  SDL_SetWindowFullscreen(MainWindow, 0);
  // SDL takes the window to be back at its windowed size, yet without a window
  // manager nothing has moved it: its area is asked for again.
  SDL_SetWindowSize(MainWindow, WindowedArea.w, WindowedArea.h);
  SDL_SetWindowPosition(MainWindow, WindowedArea.x, WindowedArea.y);
}

// Alt+Enter: between full screen on the desktop and a window.
void ToggleFullScreen() {
  if (!MainWindow) return;
  if (IsFullScreen())
    LeaveFullScreen();
  else
    EnterFullScreen();
  core::RefreshDisplay();
}

void HandleKeyDown(const SDL_KeyboardEvent& key) {
  if (key.repeat) return;
  bool alt = (key.keysym.mod & KMOD_ALT) != 0;
  if (alt && (key.keysym.sym == SDLK_RETURN || key.keysym.sym == SDLK_KP_ENTER)) {
    ToggleFullScreen();
    return;
  }
  // A system key: the default handling of Alt+F4 is a close request.
  if (alt && key.keysym.sym == SDLK_F4) {
    PostMessageA(WM_CLOSE, 0, 0);
    return;
  }
  core::KeyChanged(core::VirtualKeyOf(key.keysym.sym), true);
}

void HandleWindowEvent(const SDL_WindowEvent& window) {
  switch (window.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
      FocusLost = true;
      PostMessageA(WM_ACTIVATEAPP, 0, 0);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      // Only a return after a loss is a re-activation, not a new window's first focus.
      if (FocusLost) PostMessageA(WM_ACTIVATEAPP, 1, 0);
      FocusLost = false;
      break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      core::KeepFullScreen();
      core::RefreshDisplay();
      break;
    default:
      break;
  }
}

// The pointer's place in the picture, where SDL says the mouse is in the window.
void PostPointer(uint32_t message, int windowX, int windowY, int32_t wheel = 0) {
  int x = 0, y = 0;
  if (core::PointOfPicture(windowX, windowY, &x, &y))
    core::PostPointerMessage(message, x, y, wheel);
}

void HandleMouseButton(const SDL_MouseButtonEvent& button) {
  const bool down = button.type == SDL_MOUSEBUTTONDOWN;
  if (button.button == SDL_BUTTON_LEFT)
    PostPointer(down ? WM_LBUTTONDOWN : WM_LBUTTONUP, button.x, button.y);
  if (button.button == SDL_BUTTON_RIGHT)
    PostPointer(down ? WM_RBUTTONDOWN : WM_RBUTTONUP, button.x, button.y);
}

void HandleWheel(const SDL_MouseWheelEvent& wheel) {
  int notches = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -wheel.y : wheel.y;
  if (notches == 0) return;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  PostPointer(WM_MOUSEWHEEL, x, y, notches * WHEEL_DELTA);
}

void HandleEvent(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION:
      PostPointer(WM_MOUSEMOVE, event.motion.x, event.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      HandleMouseButton(event.button);
      break;
    case SDL_MOUSEWHEEL:
      HandleWheel(event.wheel);
      break;
    case SDL_TEXTINPUT:
      core::PostTypedText(event.text.text);
      break;
    case SDL_QUIT:
      PostMessageA(WM_CLOSE, 0, 0);
      break;
    case SDL_KEYDOWN:
      HandleKeyDown(event.key);
      break;
    case SDL_KEYUP:
      core::KeyChanged(core::VirtualKeyOf(event.key.keysym.sym), false);
      break;
    case SDL_WINDOWEVENT:
      HandleWindowEvent(event.window);
      break;
    case SDL_JOYDEVICEADDED:
      core::OpenJoysticks();
      break;
    case SDL_JOYDEVICEREMOVED:
      core::JoystickRemoved(event.jdevice.which);
      break;
    default:
      break;
  }
}

}  // namespace

namespace core {

SDL_Window* Window() {
  return MainWindow;
}

void KeepFullScreen() {
  if (!MainWindow || !IsFullScreen()) return;
  SDL_Rect display, area;
  if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(MainWindow), &display) != 0) return;
  if (!SystemWindowArea(MainWindow, &area) || SDL_RectEquals(&area, &display)) return;
  if (MoveSystemWindow(MainWindow, display, &area)) return;
  // Refused as well: a window of the size the window system keeps.
  SDL_SetWindowFullscreen(MainWindow, 0);
  SDL_SetWindowSize(MainWindow, area.w, area.h);
}

void PumpEvents() {
  if (IsHeadless()) return;
  if (RunOptions().scriptPath) ApplyDueScriptEvents(timeGetTime());
  for (SDL_Event event; SDL_PollEvent(&event);) HandleEvent(event);
}

}  // namespace core

bool CreateMainWindow(const char* title, WNDPROC proc) {
  if (!IsHeadless()) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      std::fprintf(stderr, "vaulmoor: no video: %s\n", SDL_GetError());
      return false;
    }
    const Options& options = core::RunOptions();
    WindowedArea = {int(SDL_WINDOWPOS_CENTERED), int(SDL_WINDOWPOS_CENTERED),
                    WINDOW_BASE_WIDTH * options.scale, WINDOW_BASE_HEIGHT * options.scale};
    uint32_t flags = WINDOW_FLAGS | (options.window ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    MainWindow = SDL_CreateWindow(title, WindowedArea.x, WindowedArea.y, WindowedArea.w,
                                  WindowedArea.h, flags);
    if (!MainWindow) {
      std::fprintf(stderr, "vaulmoor: no window: %s\n", SDL_GetError());
      return false;
    }
    SDL_SetWindowMinimumSize(MainWindow, WINDOW_BASE_WIDTH, WINDOW_BASE_HEIGHT);
    // Typed text only while a screen asks for it, so that no input method takes the keys.
    SDL_StopTextInput();
  }
  core::AttachWindowProcedure(proc);
  core::SendToWindow(WM_CREATE, 0, 0);
  return true;
}

void DestroyMainWindow() {
  core::SendToWindow(WM_DESTROY, 0, 0);
  core::AttachWindowProcedure(nullptr);
  DisplayClose();
  if (MainWindow) SDL_DestroyWindow(MainWindow);
  MainWindow = nullptr;
  FocusLost = false;
}

void HidePointer() {
  if (!IsHeadless()) SDL_ShowCursor(SDL_DISABLE);
}

void ShowPointer() {
  if (!IsHeadless()) SDL_ShowCursor(SDL_ENABLE);
}

void BeginTextInput() {
  if (MainWindow) SDL_StartTextInput();
}

void EndTextInput() {
  if (MainWindow) SDL_StopTextInput();
}

}  // namespace platform
