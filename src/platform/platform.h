// The platform layer's interface: window and messages, key states, joystick,
// clock, display output and the headless scripted run, in place of Win32,
// winmm and the DirectDraw display. Only src/platform includes SDL or OS headers.
#pragma once

#include <cstdint>

namespace platform {

// ---- Start-up options (parsed by the shell from the command line) ----------
struct Options {
  bool headless = false;             // --headless: no window, no devices, virtual clock
  const char* scriptPath = nullptr;  // --script FILE: input events from a script
  bool hasUntil = false;             // --until MS given
  uint32_t untilMs = 0;              // close request when the virtual clock passes this
  bool window = false;               // --window: resizable window instead of full screen
  int scale = 3;                     // --scale N for --window
  bool pageFlip = false;             // --page-flip: flip presentation without holding F10
};

// Reads the script (if any), starts the clock at 0. Returns false after printing a
// message naming the file and line when the script is malformed (exit status 2).
bool Init(const Options& options);
bool IsHeadless();
void Shutdown();

// ---- Clock ------------------------------------------------------------------
// Milliseconds since program start (timeGetTime's stand-in). Virtual in headless
// runs: it only moves when something waits.
uint32_t timeGetTime();
// Blocks until timeGetTime() >= target (unsigned wrap-around compare). Real runs
// sleep for all but the last millisecond or so; headless runs jump the clock.
// Script events due on the way happen as the clock passes their times.
void WaitUntil(uint32_t targetMs);
// One idle step of a polling loop with no target (a key wait): real runs sleep
// about a millisecond and refresh the immediate key state; headless runs advance
// the virtual clock by 1 ms.
void IdlePoll();
// Called with the new clock value each time the virtual clock advances (headless
// runs only); the sound layer uses it to render audio in step with the clock.
using ClockListener = void (*)(uint32_t nowMs);
void AddClockListener(ClockListener listener);
// Work the program does while a real-time run waits: WaitUntil and IdlePoll call it before
// each of their sleeps with the clock time the wait ends at, which it should not pass by
// much. Headless runs never call it: their waits only move the virtual clock.
using IdleWork = void (*)(uint32_t untilMs);
void SetIdleWork(IdleWork work);

// ---- Window and messages (Win32 stand-in) -------------------------------------
constexpr uint32_t WM_CREATE = 1;
constexpr uint32_t WM_DESTROY = 2;
constexpr uint32_t WM_CLOSE = 16;
constexpr uint32_t WM_QUIT = 18;
constexpr uint32_t WM_ACTIVATEAPP = 28;
constexpr uint32_t WM_KEYDOWN = 256;
constexpr uint32_t WM_KEYUP = 257;
constexpr uint32_t WM_SYSKEYDOWN = 260;
constexpr uint32_t MM_MCINOTIFY = 953;
constexpr uintptr_t MCI_NOTIFY_SUCCESSFUL = 1;

struct MSG {
  uint32_t message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};
using WNDPROC = intptr_t (*)(uint32_t message, uintptr_t wParam, intptr_t lParam);

// Creates the single window with the given title (none in headless runs) and
// sends WM_CREATE to proc during the call. Returns false when it cannot.
bool CreateMainWindow(const char* title, WNDPROC proc);
// Destroys the window; sends WM_DESTROY to the window procedure.
void DestroyMainWindow();
// PeekMessageA with PM_NOREMOVE: true when a message waits (polls SDL first).
bool PeekMessageA(MSG* message);
// Takes the next message (blocking until one arrives); 0 for WM_QUIT. Taking a
// key message updates the message-based key state read by GetKeyState.
int GetMessageA(MSG* message);
// Hands the message to the window procedure and returns its result.
intptr_t DispatchMessageA(const MSG& message);
void PostMessageA(uint32_t message, uintptr_t wParam, intptr_t lParam);
void PostQuitMessage(int exitCode);
intptr_t DefWindowProcA(uint32_t message, uintptr_t wParam, intptr_t lParam);
// Hides the mouse pointer over the window for the rest of the run.
void HidePointer();
// The start-up failure box (also printed on standard error).
void MessageBoxA(const char* text, const char* caption);
// The exit status of a run that could not start.
constexpr int EXIT_STARTUP_FAILED = 2;
// A start-up step the game cannot run without has failed: shows text in the failure box
// (caption "error"), shuts the platform down and ends the program with
// EXIT_STARTUP_FAILED.
[[noreturn]] void FailStartup(const char* text);

// ---- Keys: virtual-key codes ------------------------------------------------
constexpr int VK_BACK = 0x08;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_F9 = 0x78;
constexpr int VK_F10 = 0x79;
// Letters are 'A'..'Z' (0x41..0x5A), digits '0'..'9'.

// Down state as of the last message taken from the queue; high bit set when down.
int16_t GetKeyState(int vk);
// Physical state at the moment of the call (also inside blocking waits).
int16_t GetAsyncKeyState(int vk);
// How often the key went down, as the messages taken since the last call tell; presses
// made while a scene blocks count once the frame loop takes their messages.
int32_t TakeKeyPresses(int vk);

// ---- Joystick (winmm stand-in) ------------------------------------------------
constexpr uint32_t JOYERR_NOERROR = 0;
constexpr uint32_t JOYERR_UNPLUGGED = 167;
constexpr uint32_t JOY_RETURNX = 0x1, JOY_RETURNY = 0x2, JOY_RETURNBUTTONS = 0x80;
constexpr uint32_t JOY_RETURNALL = 0xFF, JOY_USEDEADZONE = 0x800;
struct JOYINFOEX {
  uint32_t dwSize = 52;
  uint32_t dwFlags = 0;
  uint32_t dwXpos = 0, dwYpos = 0, dwZpos = 0, dwRpos = 0, dwUpos = 0, dwVpos = 0;
  uint32_t dwButtons = 0, dwButtonNumber = 0, dwPOV = 0, dwReserved1 = 0, dwReserved2 = 0;
};
// Device 0 is joystick 1, device 1 joystick 2. Axes 0..65535, buttons bit n-1.
uint32_t joyGetPosEx(uint32_t device, JOYINFOEX* info);
void joyConfigChanged(uint32_t flags);

// ---- Display output ---------------------------------------------------------
// Opens the picture output of width x height 8-bit pixels (the window's
// renderer, or nothing in headless runs). False when no display can be made.
bool DisplayOpen(int width, int height);
// Sets palette entries [first, first+count) from red, green, blue triples.
void DisplaySetPalette(int first, int count, const uint8_t (*rgb)[3]);
// Converts the 8-bit picture through the palette and shows it.
void DisplayShow(const uint8_t* pixels, int pitch);
void DisplayClose();
// Notional display memory in bytes, for the log: total, and free (the total less
// every surface the display layer has accounted as allocated).
uint32_t DisplayMemoryTotal();
uint32_t DisplayMemoryFree();
void DisplayMemoryAllocate(uint32_t bytes);
void DisplayMemoryRelease(uint32_t bytes);

// ---- Scripted screenshots -----------------------------------------------------
// Called at each `shot` event of the input script, when the clock reaches it
// (also while a scene blocks the frame loop), to keep the picture shown then.
using ShotListener = void (*)();
void SetScriptedShotListener(ShotListener listener);

}  // namespace platform
