// The desktop icon: a cheese of the board sheet, the red-waxed Edam, scaled up by
// whole pixels so that it stays as crisp as it is in the game.
#include <algorithm>

#include "sheets.h"

namespace tools {

namespace {

constexpr int32_t EDAM = 1;  // its catalogue index

struct Box {
  int32_t left, top, width, height;
};

// The smallest rectangle around the picture's opaque pixels.
Box OpaqueBounds(const Canvas& picture) {
  int32_t left = picture.width, top = picture.height, right = -1, bottom = -1;
  for (int32_t y = 0; y < picture.height; ++y)
    for (int32_t x = 0; x < picture.width; ++x)
      if (PixelAt(picture, x, y) != INK_CLEAR) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace

Canvas DrawIcon(int32_t size) {
  Canvas cell = MakeCanvas(24, 24);
  DrawCheese(cell, 0, 0, EDAM);
  // The cheese at the largest whole scale that fits, centred on a clear
  // (transparent) ground.
  const Box box = OpaqueBounds(cell);
  const int32_t scale = size / std::max(box.width, box.height);
  const int32_t left = (size - scale * box.width) / 2;
  const int32_t top = (size - scale * box.height) / 2;
  Canvas icon = MakeCanvas(size, size);
  for (int32_t y = 0; y < box.height * scale; ++y)
    for (int32_t x = 0; x < box.width * scale; ++x)
      Plot(icon, left + x, top + y, PixelAt(cell, box.left + x / scale, box.top + y / scale));
  return icon;
}

}  // namespace tools
