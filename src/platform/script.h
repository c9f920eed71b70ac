// The input script of scripted runs: one timed keyboard, joystick or window event per line.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

enum class ScriptEventKind {
  KeyDown,
  KeyUp,
  Joy,
  ButtonDown,
  ButtonUp,
  Close,
  Activate,
  Shot,
  Pointer,  // a mouse message at a place of the picture: move, press, release or wheel
  Text,     // typed text
};

struct ScriptEvent {
  uint32_t timeMs = 0;
  ScriptEventKind kind = ScriptEventKind::Close;
  int vk = 0;                          // virtual key of KeyDown / KeyUp
  uint32_t x = 0, y = 0;               // stick position of Joy, 0..65535
  int button = 0;                      // 1..32 for ButtonDown / ButtonUp
  uint32_t message = 0;                // WM_MOUSEMOVE .. WM_MOUSEWHEEL of Pointer
  int32_t pointerX = 0, pointerY = 0;  // its place in the picture
  int32_t wheel = 0;                   // the wheel's turn, WHEEL_DELTA per notch
  std::string text;                    // UTF-8 of Text
};

// The virtual key a script names ("left", "f9", "a", "7", ...), or 0 for none.
int ScriptKeyCode(const std::string& name);

// Parses a whole script. On a malformed line returns false with error set to
// "<fileName>:<line>: <what is wrong>"; events then holds the lines before it.
bool ParseScript(const std::string& text, const std::string& fileName,
                 std::vector<ScriptEvent>* events, std::string* error);

// Reads and parses the script file; an unreadable file is reported like a bad line.
bool LoadScript(const char* path, std::vector<ScriptEvent>* events, std::string* error);

}  // namespace platform
