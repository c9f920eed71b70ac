// What the platform core's files share among themselves (not for callers outside).
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "platform/platform.h"
#include "platform/script.h"

struct SDL_Window;
struct SDL_Rect;

namespace platform::core {

// The options the run was started with.
const Options& RunOptions();

// Moves every waiting window-system event (and, in real runs, every script event
// that has come due) into the message queue and the immediate key state.
void PumpEvents();

// A key going down or up now: the immediate state changes and the key message
// is queued; the message-based state follows when the message is taken.
void KeyChanged(int vk, bool down);
// Every key up in both states (a new run).
void ResetKeys();
// Sets the message-based state straight away (keys held before the window exists).
void SetMessageKeyState(int vk, bool down);

// The virtual key of an SDL key code, 0 for keys the game has no code for.
int VirtualKeyOf(int32_t sdlKey);

// ---- Mouse and typed text ----
// Posts a mouse message for the pointer at (x, y) of the picture, with the buttons held
// after it; wheel is the turn of a WM_MOUSEWHEEL (WHEEL_DELTA per notch).
void PostPointerMessage(uint32_t message, int32_t x, int32_t y, int32_t wheel = 0);
// Posts one WM_CHAR per character of UTF-8 text (a malformed byte counts as one character).
void PostTypedText(const char* text);
// A message taken from the queue: mouse messages change the pointer's state, and they,
// key and text messages wait for TakeInputMessage.
void InputMessageTaken(const MSG& message);
// Every button up, no message waiting, the pointer unknown (a new run).
void ResetPointer();

// Where the picture lands in an output of outWidth x outHeight pixels: the largest whole
// scale that fits, centred.
struct PictureFit {
  int left, top, scale;
};
PictureFit FitPicture(int outWidth, int outHeight, int pictureWidth, int pictureHeight);
// A point of a window of windowWidth x windowHeight (its own coordinates, which on a
// high-DPI screen count fewer points than the output has pixels) in the coordinates of the
// picture the output shows by FitPicture; outside the picture in the black bars.
void WindowPointToPicture(int windowX, int windowY, int windowWidth, int windowHeight, int outWidth,
                          int outHeight, int pictureWidth, int pictureHeight, int* pictureX,
                          int* pictureY);
// The same for the window and picture of this run; false when there is no picture.
bool PointOfPicture(int windowX, int windowY, int* pictureX, int* pictureY);

// Applies the loaded script's events due at nowMs (real runs; headless runs
// apply them as the virtual clock advances).
void ApplyDueScriptEvents(uint32_t nowMs);
// The first time after nowMs and no later than targetMs at which the script or
// the headless run time needs the virtual clock to stop (targetMs when none).
uint32_t NextScriptStop(uint32_t nowMs, uint32_t targetMs);
// Loads the script of the options and applies its time-0 events. False with the
// message printed when the script is malformed.
bool StartScript(const Options& options);

// The scripted joystick 1: attached from its first event on.
void SetScriptedStick(uint32_t x, uint32_t y);
void SetScriptedButton(int button, bool down);
// Real joysticks: opens newly attached devices into free places, drops removed ones.
void OpenJoysticks();
void JoystickRemoved(int32_t instanceId);
void CloseJoysticks();

// The clock's start (called once by Init).
void StartClock();
// Sleeps until the instant, as the platform lets the program sleep (a thread's
// sleep, or a yield to the page that runs the program).
void SleepUntil(std::chrono::steady_clock::time_point instant);
// Called after each picture is shown, for a platform that counts them.
using PresentListener = void (*)();
void SetPresentListener(PresentListener listener);

// The window procedure that messages go to (null: no window, messages dropped).
void AttachWindowProcedure(WNDPROC proc);
intptr_t SendToWindow(uint32_t message, uintptr_t wParam, intptr_t lParam);
// Empties the queue and forgets the window procedure (a new run).
void ResetMessages();

// The SDL window of real runs (null before creation and in headless runs).
SDL_Window* Window();
// Makes a full-screen window cover its display where the window system left it
// as it was (X without a window manager); where the window system refuses that
// too, the window leaves full screen at the size it really has, which the picture
// then fits. Called whenever the window may have changed: after the renderer
// (which may make the window anew) is created, after a full-screen change, and on
// exposure and size changes.
void KeepFullScreen();
// Shows the last converted picture again (after exposure or resizing).
void RefreshDisplay();
// The window's drawable area in root coordinates as the window system has it;
// false when that cannot be asked (video drivers other than X11, where SDL's own
// figures come from the window system).
bool SystemWindowArea(SDL_Window* window, SDL_Rect* area);
// Asks the window system to give the window the target area and waits briefly
// for the answer; true when the window then has it, with area the window's area.
bool MoveSystemWindow(SDL_Window* window, const SDL_Rect& target, SDL_Rect* area);
// The picture as the window shows it now, one 0xRRGGBB value per picture pixel
// (read back from the renderer); empty when there is none or it cannot be read.
std::vector<uint32_t> ReadShownPicture();

}  // namespace platform::core
