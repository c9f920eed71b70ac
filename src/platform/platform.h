// The platform layer's interface: window and messages, key states, joystick,
// clock, display output and the headless scripted run, in place of Win32,
// winmm and the DirectDraw display. Only src/platform includes SDL or OS headers.
#pragma once

#include <cstdint>
#include <string>

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
// False where the program has its one thread only (a web page): searches then run in
// slices of the frame thread's waits.
bool HasThreads();

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
constexpr uint32_t WM_CHAR = 0x102;  // wParam: one typed character's UTF-8 bytes, the first lowest
constexpr uint32_t WM_SYSKEYDOWN = 260;
// Mouse messages: lParam holds the pointer's place in the picture (PointerLParam), wParam the
// buttons held (MK_LBUTTON, MK_RBUTTON); the wheel's wParam also holds its turn.
constexpr uint32_t WM_MOUSEMOVE = 0x200;
constexpr uint32_t WM_LBUTTONDOWN = 0x201;
constexpr uint32_t WM_LBUTTONUP = 0x202;
constexpr uint32_t WM_RBUTTONDOWN = 0x204;
constexpr uint32_t WM_RBUTTONUP = 0x205;
constexpr uint32_t WM_MOUSEWHEEL = 0x20A;
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
// Hides the mouse pointer over the window (until ShowPointer).
void HidePointer();
// Shows the system's mouse pointer over the window again.
void ShowPointer();
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
constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;
constexpr int VK_PRIOR = 0x21;  // Page Up
constexpr int VK_NEXT = 0x22;   // Page Down
constexpr int VK_END = 0x23;
constexpr int VK_HOME = 0x24;
constexpr int VK_LEFT = 0x25;
constexpr int VK_UP = 0x26;
constexpr int VK_RIGHT = 0x27;
constexpr int VK_DOWN = 0x28;
constexpr int VK_INSERT = 0x2D;
constexpr int VK_DELETE = 0x2E;
constexpr int VK_ADD = 0x6B;       // the keypad's +
constexpr int VK_SUBTRACT = 0x6D;  // the keypad's -
constexpr int VK_F1 = 0x70;
constexpr int VK_F9 = 0x78;
constexpr int VK_F10 = 0x79;
constexpr int VK_OEM_PLUS = 0xBB;  // the key of = and +
constexpr int VK_OEM_COMMA = 0xBC;
constexpr int VK_OEM_MINUS = 0xBD;
constexpr int VK_OEM_PERIOD = 0xBE;
// Letters are 'A'..'Z' (0x41..0x5A), digits '0'..'9'.

// Down state as of the last message taken from the queue; high bit set when down.
int16_t GetKeyState(int vk);
// Physical state at the moment of the call (also inside blocking waits).
int16_t GetAsyncKeyState(int vk);
// How often the key went down, as the messages taken since the last call tell; presses
// made while a scene blocks count once the frame loop takes their messages.
int32_t TakeKeyPresses(int vk);

// ---- Mouse and typed text --------------------------------------------------------
constexpr uintptr_t MK_LBUTTON = 0x1;
constexpr uintptr_t MK_RBUTTON = 0x2;
constexpr int32_t WHEEL_DELTA = 120;  // the wheel's turn of one notch, away from the user

// The pointer's place in the 320x240 picture, whatever the window's size, scale and black
// bars: x in the low 16 bits of lParam, y in the next 16, each signed (a place in a black
// bar lies outside 0..319 or 0..239).
constexpr intptr_t PointerLParam(int32_t x, int32_t y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) |
                               static_cast<uint16_t>(x));
}
constexpr int32_t PointerX(intptr_t lParam) {
  return static_cast<int16_t>(static_cast<uint16_t>(lParam & 0xFFFF));
}
constexpr int32_t PointerY(intptr_t lParam) {
  return static_cast<int16_t>(static_cast<uint16_t>((lParam >> 16) & 0xFFFF));
}
// The wheel's turn in a WM_MOUSEWHEEL's wParam: WHEEL_DELTA per notch, positive away from
// the user.
constexpr int32_t WheelTurn(uintptr_t wParam) {
  return static_cast<int16_t>(static_cast<uint16_t>((wParam >> 16) & 0xFFFF));
}

// The pointer as the mouse messages taken from the queue have told it: its place in the
// picture and the buttons held. Not known before the first mouse message.
struct PointerState {
  bool known = false;
  int32_t x = 0, y = 0;
  bool left = false, right = false;
};
PointerState GetPointerState();

// The key, mouse and text messages (WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_MOUSEMOVE ..
// WM_MOUSEWHEEL) taken from the queue since the last call, oldest first, one at a time, for
// a screen that must see them in the order they came (typing, drawing); false when none is
// left. The last few hundred are kept: while no screen reads them the oldest go.
bool TakeInputMessage(MSG* message);
// Forgets the input messages not taken yet (a screen that starts reading them).
void DropInputMessages();

// Text typed from the keyboard or an input method arrives as WM_CHAR messages between
// these two calls (scripted text events always arrive). Real runs start without it.
void BeginTextInput();
void EndTextInput();

// The UTF-8 bytes of the character a WM_CHAR carries.
std::string TypedCharacter(uintptr_t wParam);

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
