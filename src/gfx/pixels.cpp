// Single pixels, lines and ellipse outlines written straight into the locked draw target.
#include "gfx/pixels.h"

#include <algorithm>
#include <cstdlib>

#include "gfx/palette.h"
#include "gfx/surfaces.h"

namespace gfx {

namespace {

// The writable area: the screen, narrowed to the target surface when a smaller
// slot is the draw target, so that no write ever lands outside the surface. It is
// empty unless the draw target is locked and LockedPixels is its memory: a
// pointer kept from an earlier lock may belong to a surface that is gone.
struct Area {
  int32_t width = 0;
  int32_t height = 0;
  bool Holds(int64_t x, int64_t y) const { return x >= 0 && x < width && y >= 0 && y < height; }
};

Area LockedArea() {
  const Surface* target = DrawTargetSurface();
  if (target == nullptr || target->lockCount == 0 || LockedPixels != target->pixels.get()) {
    return {};
  }
  return {std::min(SCREEN_WIDTH, target->width), std::min(SCREEN_HEIGHT, target->height)};
}

// Only for points the locked area holds.
uint8_t& LockedAt(int64_t x, int64_t y) {
  return LockedPixels[y * LockedPitch + x];
}

// The three kinds of pixel write; each says whether it changed the pixel.
struct PlainWrite {
  int32_t colour;
  bool operator()(uint8_t& pixel) const {
    pixel = static_cast<uint8_t>(colour);
    return true;
  }
};
struct MixWrite {
  int32_t colour;
  bool operator()(uint8_t& pixel) const { return MixedColour(pixel, colour, &pixel); }
};
struct RemapWrite {
  int32_t level;
  bool operator()(uint8_t& pixel) const {
    pixel = RemapTables[level * 256 + pixel];
    return true;
  }
};

template <typename Write>
int32_t WritePixel(int32_t x, int32_t y, Write write) {
  if (!LockedArea().Holds(x, y)) return 0;
  return write(LockedAt(x, y)) ? 1 : 0;
}

// With clip 0 a shape is refused unless its corner points lie in 0..320 x 0..240.
bool RefusedByClip(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t clip) {
  auto inRange = [](int32_t v, int32_t limit) { return v >= 0 && v <= limit; };
  return clip == 0 && !(inRange(x1, SCREEN_WIDTH) && inRange(x2, SCREEN_WIDTH) &&
                        inRange(y1, SCREEN_HEIGHT) && inRange(y2, SCREEN_HEIGHT));
}

// Steps pixels k = 0 .. count - 1 of a line along its driving axis, visiting only
// those whose driving coordinate lies in 0 .. limit - 1. The error term starts at
// half the long side, loses the short side each step and wraps by the long side,
// moving the other coordinate one step; after k steps it has wrapped a known
// number of times, so the first visible pixel is reached directly and a line
// reaching far off the screen costs no more than its visible part.
template <typename Put>
void StepAlong(int64_t major0, int64_t minor0, int64_t minorStep, int64_t longSide,
               int64_t shortSide, int64_t count, int64_t limit, Put put) {
  const int64_t first = std::max<int64_t>(0, -major0);
  const int64_t last = std::min(count - 1, limit - 1 - major0);
  if (first > last) return;
  int64_t err = longSide / 2 - first * shortSide;
  int64_t minor = minor0;
  if (err < 0) {
    const int64_t wraps = (-err + longSide - 1) / longSide;
    err += wraps * longSide;
    minor += wraps * minorStep;
  }
  for (int64_t k = first;;) {
    put(major0 + k, minor);
    if (++k > last) return;
    err -= shortSide;
    if (err < 0) err += longSide, minor += minorStep;
  }
}

// Integer line stepping: a wide line runs through its end column, a tall one stops
// before the row of the lower end point. Every pixel is written once, and only
// where it lies on the screen.
template <typename Write>
int32_t SteppedLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t clip, Write write) {
  if (RefusedByClip(x1, y1, x2, y2, clip)) return 0;
  const Area area = LockedArea();
  auto put = [&](int64_t x, int64_t y) {
    if (area.Holds(x, y)) write(LockedAt(x, y));
  };
  const int64_t dx = std::abs(int64_t{x2} - x1);
  const int64_t dy = std::abs(int64_t{y2} - y1);
  if (dx > dy) {
    // Start at the left end; y steps toward the other end's row.
    const bool swapped = x1 > x2;
    const int64_t x = swapped ? x2 : x1, y = swapped ? y2 : y1;
    const int64_t step = swapped ? (y1 <= y2 ? -1 : 1) : (y1 >= y2 ? -1 : 1);
    StepAlong(x, y, step, dx, dy, dx + 1, area.width, put);
  } else {
    // Start at the upper end; x steps toward the other end's column.
    const bool swapped = y1 > y2;
    const int64_t x = swapped ? x2 : x1, y = swapped ? y2 : y1;
    const int64_t step = swapped ? (x1 <= x2 ? -1 : 1) : (x1 >= x2 ? -1 : 1);
    StepAlong(y, x, step, dy, dx, std::max<int64_t>(dy, 1), area.height,
              [&](int64_t row, int64_t column) { put(column, row); });
  }
  return 1;
}

}  // namespace

int32_t PutPixel(int32_t x, int32_t y, int32_t colour) {
  return WritePixel(x, y, PlainWrite{colour});
}

int32_t ReadPixel(int32_t x, int32_t y) {
  if (!LockedArea().Holds(x, y)) return -1;
  return LockedAt(x, y);
}

int32_t MixPixel(int32_t x, int32_t y, int32_t colour) {
  return WritePixel(x, y, MixWrite{colour});
}

int32_t RemapPixel(int32_t x, int32_t y, int32_t level) {
  if (!IsRemapLevel(level)) return 0;
  return WritePixel(x, y, RemapWrite{level});
}

int32_t PixelLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int32_t clip) {
  return SteppedLine(x1, y1, x2, y2, clip, PlainWrite{colour});
}

int32_t MixLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int32_t clip) {
  return SteppedLine(x1, y1, x2, y2, clip, MixWrite{colour});
}

int32_t RemapLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t level, int32_t clip) {
  if (!IsRemapLevel(level)) return 0;
  return SteppedLine(x1, y1, x2, y2, clip, RemapWrite{level});
}

// Steps a circle of the larger semi-axis and scales the other axis onto it.
int32_t PixelEllipse(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour, int32_t clip) {
  if (RefusedByClip(x1, y1, x2, y2, clip)) return 0;
  const int64_t cx = (int64_t{x1} + x2) / 2;
  const int64_t cy = (int64_t{y1} + y2) / 2;
  int64_t rx = std::abs(int64_t{x2} - x1) / 2;
  int64_t ry = std::abs(int64_t{y2} - y1) / 2;
  if (cx + rx >= SCREEN_WIDTH) --rx;
  if (cy + ry >= SCREEN_HEIGHT) --ry;
  if (rx < 1 || ry < 1) return 0;
  const Area area = LockedArea();
  // Every pixel lies in the box around the centre; one wholly off the screen
  // needs no stepping.
  if (cx + rx < 0 || cx - rx >= area.width || cy + ry < 0 || cy - ry >= area.height) return 1;
  auto put = [&](int64_t x, int64_t y) {
    if (area.Holds(x, y)) LockedAt(x, y) = static_cast<uint8_t>(colour);
  };
  const bool tall = rx <= ry;
  const int64_t r = tall ? ry : rx;
  const int64_t scale = tall ? rx : ry;
  int64_t d = r, X = r, Y = 0;
  while (X >= Y) {
    const int64_t a = X * scale / r;
    const int64_t b = Y * scale / r;
    // A tall box scales the columns, a wide one the rows.
    const int64_t p[8][2] = {{a, Y}, {a, -Y}, {-a, Y}, {-a, -Y},
                             {b, X}, {b, -X}, {-b, X}, {-b, -X}};
    for (const auto& offset : p) {
      if (tall) {
        put(cx + offset[0], cy + offset[1]);
      } else {
        put(cx + offset[1], cy + offset[0]);
      }
    }
    d -= 2 * Y - 1;
    ++Y;
    if (d < 0) d += 2 * X - 2, --X;
  }
  return 1;
}

}  // namespace gfx
