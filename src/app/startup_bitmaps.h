// The nine bitmaps loaded at start-up: their files, sizes and the slots they go to.
#pragma once

#include <cstdint>

namespace app {

struct StartupBitmap {
  int32_t slot;
  const char* file;
  int32_t width, height;
  bool worded;  // holds words: each language has its own, in data/<language>/
};

// Slot and file numbers part from slot 4 on: the brand logo sits between them.
constexpr StartupBitmap STARTUP_BITMAPS[] = {
    {1, "graphic1.bmp", 168, 123, false}, {2, "graphic2.bmp", 192, 192, false},
    {3, "graphic3.bmp", 278, 240, false}, {4, "kestrune.bmp", 200, 50, false},
    {5, "graphic4.bmp", 200, 200, true},  {6, "graphic5.bmp", 320, 240, false},
    {7, "graphic6.bmp", 200, 200, false}, {8, "graphic7.bmp", 200, 80, false},
    {9, "graphic8.bmp", 320, 80, true},
};

}  // namespace app
