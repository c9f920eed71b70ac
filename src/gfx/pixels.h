// Single pixels, lines and ellipse outlines written straight into the locked draw target.
#pragma once

#include <cstdint>

#include "gfx/palette.h"

namespace gfx {

// All of these work inside a LockDrawTarget ... UnlockDrawTarget bracket and
// address the target through LockedPixels and LockedPitch; points are tested
// against the 320 x 240 screen (and never written outside the target surface).
// Without that lock nothing is written (single pixels return 0, ReadPixel -1).
// A mixed pixel reads MixTable at pixel * 256 + colour with the colour taken
// whole (see MixedColour); a remap level outside 0..13 has no table row, so such
// calls write nothing and return 0.
int32_t PutPixel(int32_t x, int32_t y, int32_t colour);
int32_t ReadPixel(int32_t x, int32_t y);
int32_t MixPixel(int32_t x, int32_t y, int32_t colour);
int32_t RemapPixel(int32_t x, int32_t y, int32_t level);

// clip 0: refuse unless every end point lies in 0..320 x 0..240 (edges included);
// clip non-zero: draw whatever part lies on the screen.
int32_t PixelLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int32_t clip);
int32_t MixLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int32_t clip);
int32_t RemapLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t level, int32_t clip);
int32_t PixelEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int32_t clip);

// The MixTable entry for a pixel mixed with a colour, at pixel * 256 + colour.
// The colour is not cut to 8 bits: one above 255 (or below 0) reads a later (or
// an earlier) row. False when that index falls outside the table: the pixel then
// keeps its value, as MixPixel, MixLine and MixRect all do.
inline bool MixedColour(uint8_t pixel, int32_t colour, uint8_t* mixed) {
  const int64_t index = int64_t{pixel} * 256 + colour;
  if (index < 0 || index >= int64_t{sizeof MixTable}) return false;
  *mixed = MixTable[index];
  return true;
}

constexpr int32_t REMAP_LEVEL_COUNT = 14;
inline bool IsRemapLevel(int32_t level) {
  return level >= 0 && level < REMAP_LEVEL_COUNT;
}

}  // namespace gfx
