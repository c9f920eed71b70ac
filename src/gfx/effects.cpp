// Software effect copies from slots and in-place effects on the draw target.
#include "gfx/effects.h"

#include <algorithm>
#include <utility>

#include "gfx/ddraw.h"
#include "gfx/palette.h"
#include "gfx/pixels.h"
#include "gfx/surfaces.h"
#include "shared/shell_state.h"

namespace gfx {

namespace {

// A surface locked for the length of one call.
struct Locked {
  Surface* surface = nullptr;
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  int64_t Width() const { return surface->width; }
  int64_t Height() const { return surface->height; }
  bool Holds(int64_t x, int64_t y) const { return x >= 0 && x < Width() && y >= 0 && y < Height(); }
  uint8_t& At(int64_t x, int64_t y) const { return pixels[y * pitch + x]; }
};

bool LockSurface(Surface* surface, Locked& locked) {
  if (surface == nullptr || Lock(surface, &locked.pixels, &locked.pitch) != DD_OK) return false;
  locked.surface = surface;
  return true;
}

// A negative key draws everything; a key above 255 never equals a pixel.
bool KeySkips(int32_t key, uint8_t pixel) {
  return key >= 0 && key == pixel;
}

// Cells of a mosaic or checkerboard are drawn when (i + j) is even with phase 0,
// odd with any other phase.
bool CheckerCellDrawn(int64_t i, int64_t j, int32_t phase) {
  return ((i + j) % 2 == 0) == (phase == 0);
}

// Source rectangle (sx1, sy1)-(sx2, sy2) whose top-left corner lands at (x, y).
// Kept in 64 bits so that no argument overflows the clipping sums.
struct SlotBlit {
  int64_t x, y, sx1, sy1, sx2, sy2;
};

// Clips against the 320 x 240 screen whatever the destination's size; false when
// the rectangle has been turned inside out (an empty one is still drawn, as nothing).
bool ClipToScreen(SlotBlit& b) {
  if (b.x + (b.sx2 - b.sx1) > SCREEN_WIDTH) b.sx2 = b.sx1 + SCREEN_WIDTH - b.x;
  if (b.y + (b.sy2 - b.sy1) > SCREEN_HEIGHT) b.sy2 = b.sy1 + SCREEN_HEIGHT - b.y;
  if (b.x < 0) b.sx1 -= b.x, b.x = 0;
  if (b.y < 0) b.sy1 -= b.y, b.y = 0;
  return b.sx1 <= b.sx2 && b.sy1 <= b.sy2;
}

// The common sequence of the slot-to-target copies: clip, refuse a slot that is
// also the draw target, lock the destination and then the source, run the copy,
// unlock both.
template <typename Copy>
int32_t RunSlotBlit(SlotBlit b, int32_t slot, Copy copy) {
  if (!ClipToScreen(b)) return 0;
  if (DrawTarget >= 0 && DrawTarget == slot) return 0;
  Locked dest, source;
  if (!LockSurface(DrawTargetSurface(), dest)) return 0;
  if (!LockSurface(SlotSurface(slot), source)) {
    Unlock(dest.surface);
    return 0;
  }
  copy(dest, source, b);
  Unlock(dest.surface);
  Unlock(source.surface);
  return 1;
}

// A copy applying rule(d, s) to every source pixel of the clipped rectangle,
// restricted to pixels that lie inside both surfaces (a slot smaller than the
// screen, or a source rectangle reaching past its slot, is never read or
// written out of bounds).
template <typename Rule>
int32_t PixelBlit(SlotBlit b, int32_t slot, Rule rule) {
  return RunSlotBlit(b, slot, [&](const Locked& dest, const Locked& source, const SlotBlit& c) {
    const int64_t left = std::max<int64_t>(c.sx1, 0);
    const int64_t right = std::min({c.sx2, source.Width(), c.sx1 + dest.Width() - c.x});
    const int64_t top = std::max<int64_t>(c.sy1, 0);
    const int64_t bottom = std::min({c.sy2, source.Height(), c.sy1 + dest.Height() - c.y});
    for (int64_t sy = top; sy < bottom; ++sy) {
      for (int64_t sx = left; sx < right; ++sx) {
        rule(dest.At(c.x + sx - c.sx1, c.y + sy - c.sy1), source.At(sx, sy));
      }
    }
  });
}

template <typename Rule>
auto Keyed(int32_t key, Rule rule) {
  return [=](uint8_t& d, uint8_t s) {
    if (!KeySkips(key, s)) rule(d, s);
  };
}

// One cell of a grid: its column and row, and where it starts in the area.
struct Cell {
  int64_t i, j;
  int64_t left, top;
  int32_t width, height;
};

// Whole cells of cellWidth x cellHeight (at least 1 x 1) cut from the top-left
// of a width x height area; a narrower strip at the right or bottom is left out.
template <typename CellBody>
void ForEachCell(int64_t width, int64_t height, int32_t cellWidth, int32_t cellHeight,
                 CellBody body) {
  cellWidth = std::max(cellWidth, 1);
  cellHeight = std::max(cellHeight, 1);
  for (int64_t j = 0; j < height / cellHeight; ++j) {
    for (int64_t i = 0; i < width / cellWidth; ++i)
      body(Cell{i, j, i * cellWidth, j * cellHeight, cellWidth, cellHeight});
  }
}

// Fills a block of the locked surface, skipping pixels outside it.
void FillBlock(const Locked& surface, int64_t left, int64_t top, int32_t width, int32_t height,
               uint8_t colour) {
  for (int64_t y = top; y < top + height; ++y) {
    for (int64_t x = left; x < left + width; ++x) {
      if (surface.Holds(x, y)) surface.At(x, y) = colour;
    }
  }
}

// The ordered, clamped rectangle of an in-place effect.
struct Area {
  int32_t x1, y1, x2, y2;
};

// The common sequence of the in-place effects: order the corners (refusing an
// empty width or height), clamp to the screen, lock the draw target, run the
// effect on the area (narrowed to the surface when a smaller slot is the target),
// unlock.
template <typename Effect>
int32_t RunRectEffect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Effect effect) {
  if (x2 < x1) std::swap(x1, x2);
  if (x1 == x2) return 0;
  if (y2 < y1) std::swap(y1, y2);
  if (y1 == y2) return 0;
  Locked target;
  if (!LockSurface(DrawTargetSurface(), target)) return 0;
  const int32_t width = std::min(SCREEN_WIDTH, target.surface->width);
  const int32_t height = std::min(SCREEN_HEIGHT, target.surface->height);
  const Area area{std::clamp(x1, 0, width), std::clamp(y1, 0, height), std::clamp(x2, 0, width),
                  std::clamp(y2, 0, height)};
  effect(target, area);
  Unlock(target.surface);
  return 1;
}

template <typename Rule>
int32_t PixelRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, Rule rule) {
  return RunRectEffect(x1, y1, x2, y2, [&](const Locked& target, const Area& a) {
    for (int32_t y = a.y1; y < a.y2; ++y) {
      for (int32_t x = a.x1; x < a.x2; ++x) rule(target.At(x, y));
    }
  });
}

uint8_t Logical(uint8_t d, uint8_t s, int32_t mode) {
  if (mode == 0) return d & s;
  if (mode == 1) return d | s;
  return d ^ s;
}

}  // namespace

int32_t BlitAveraged(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                     int32_t sy2, int32_t key) {
  return PixelBlit({x, y, sx1, sy1, sx2, sy2}, slot, Keyed(key, [](uint8_t& d, uint8_t s) {
                     d = static_cast<uint8_t>((d + s) / 2);
                   }));
}

int32_t BlitShifted(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                    int32_t sy2, int32_t key, int32_t offset) {
  return PixelBlit({x, y, sx1, sy1, sx2, sy2}, slot, Keyed(key, [=](uint8_t& d, uint8_t s) {
                     d = static_cast<uint8_t>(s + static_cast<uint32_t>(offset));
                   }));
}

int32_t BlitMosaic(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                   int32_t sy2, int32_t key, int32_t cellWidth, int32_t cellHeight) {
  return RunSlotBlit(
      {x, y, sx1, sy1, sx2, sy2}, slot,
      [&](const Locked& dest, const Locked& source, const SlotBlit& c) {
        ForEachCell(c.sx2 - c.sx1, c.sy2 - c.sy1, cellWidth, cellHeight, [&](const Cell& cell) {
          const int64_t sx = c.sx1 + cell.left, sy = c.sy1 + cell.top;
          if (!source.Holds(sx, sy)) return;
          const uint8_t sample = source.At(sx, sy);
          if (KeySkips(key, sample)) return;
          FillBlock(dest, c.x + cell.left, c.y + cell.top, cell.width, cell.height, sample);
        });
      });
}

int32_t BlitLogical(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                    int32_t sy2, int32_t mode) {
  return PixelBlit({x, y, sx1, sy1, sx2, sy2}, slot,
                   [=](uint8_t& d, uint8_t s) { d = Logical(d, s, mode); });
}

int32_t BlitChecker(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                    int32_t sy2, int32_t cellWidth, int32_t cellHeight, int32_t phase) {
  return RunSlotBlit(
      {x, y, sx1, sy1, sx2, sy2}, slot,
      [&](const Locked& dest, const Locked& source, const SlotBlit& c) {
        ForEachCell(c.sx2 - c.sx1, c.sy2 - c.sy1, cellWidth, cellHeight, [&](const Cell& cell) {
          if (!CheckerCellDrawn(cell.i, cell.j, phase)) return;
          for (int64_t v = cell.top; v < cell.top + cell.height; ++v) {
            for (int64_t u = cell.left; u < cell.left + cell.width; ++u) {
              if (source.Holds(c.sx1 + u, c.sy1 + v) && dest.Holds(c.x + u, c.y + v)) {
                dest.At(c.x + u, c.y + v) = source.At(c.sx1 + u, c.sy1 + v);
              }
            }
          }
        });
      });
}

int32_t BlitMixed(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                  int32_t sy2, int32_t key) {
  return PixelBlit({x, y, sx1, sy1, sx2, sy2}, slot,
                   Keyed(key, [](uint8_t& d, uint8_t s) { d = MixTable[d * 256 + s]; }));
}

int32_t BlitRemapped(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                     int32_t sy2, int32_t level, int32_t key) {
  if (!IsRemapLevel(level)) return 0;
  return PixelBlit({x, y, sx1, sy1, sx2, sy2}, slot,
                   Keyed(key, [=](uint8_t& d, uint8_t s) { d = RemapTables[level * 256 + s]; }));
}

// Scales without clipping into the draw target that the caller has locked,
// stepping the source position in single precision.
int32_t BlitStretched(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                      int32_t sy2, int32_t width, int32_t height, int32_t key) {
  if (int64_t{x} + width > SCREEN_WIDTH || int64_t{y} + height > SCREEN_HEIGHT || x < 0 || y < 0 ||
      sx1 > sx2 || sy1 > sy2) {
    return 0;
  }
  Locked source;
  if (!LockSurface(SlotSurface(slot), source)) return 0;
  // A zero width or height draws nothing, so its step is never needed.
  const float stepX = width > 0 ? static_cast<float>(double(sx2 - sx1) / width) : 0.0f;
  const float stepY = height > 0 ? static_cast<float>(double(sy2 - sy1) / height) : 0.0f;
  float fy = static_cast<float>(sy1);
  for (int32_t ty = y; ty < y + height; ++ty) {
    float fx = static_cast<float>(sx1);
    for (int32_t tx = x; tx < x + width; ++tx) {
      const auto sx = static_cast<int64_t>(fx);
      const auto sy = static_cast<int64_t>(fy);
      if (source.Holds(sx, sy) && !KeySkips(key, source.At(sx, sy))) {
        PutPixel(tx, ty, source.At(sx, sy));
      }
      fx = fx + stepX;
    }
    fy = fy + stepY;
  }
  Unlock(source.surface);
  return 1;
}

// Turns the source rectangle by a whole-degree angle about the destination
// rectangle's centre, sampling backwards from every destination pixel through
// the sine table (values times 360).
int32_t BlitRotated(int32_t dx1, int32_t dy1, int32_t dx2, int32_t dy2, int32_t angle, int32_t slot,
                    int32_t sx1, int32_t sy1, int32_t sx2, int32_t sy2, int32_t key) {
  const int64_t W = int64_t{dx2} - dx1, H = int64_t{dy2} - dy1;
  const int64_t SW = int64_t{sx2} - sx1, SH = int64_t{sy2} - sy1;
  const int64_t cw = dx1 + W > SCREEN_WIDTH ? SCREEN_WIDTH - int64_t{dx1} : W;
  const int64_t ch = dy1 + H > SCREEN_HEIGHT ? SCREEN_HEIGHT - int64_t{dy1} : H;
  const int64_t skipX = dx1 < 0 ? -int64_t{dx1} : 0;
  const int64_t skipY = dy1 < 0 ? -int64_t{dy1} : 0;
  if (cw < skipX || ch < skipY) return 1;
  Locked source, dest;
  if (!LockSurface(SlotSurface(slot), source)) return 0;
  if (DrawTarget >= 0 && DrawTarget == slot) {
    Unlock(source.surface);
    return 0;
  }
  if (!LockSurface(DrawTargetSurface(), dest)) {
    Unlock(source.surface);
    return 0;
  }
  // Angles outside 0..359 are taken modulo 360 so the cosine stays inside the table.
  const int32_t degrees = (angle % 360 + 360) % 360;
  const int64_t sn = shared::SineTable[degrees], cs = shared::SineTable[degrees + 90];
  const int64_t hw = W >> 1, hh = H >> 1, ox = (W - SW) >> 1, oy = (H - SH) >> 1;
  const int64_t uStart = 360 * hw - hw * cs + hh * sn;
  const int64_t vStart = 360 * hh - hw * sn - hh * cs;
  // Only the visible rows and columns are visited; the stepped sums of u and v
  // are taken directly at the first visible column and row.
  for (int64_t j = skipY; j < ch; ++j) {
    int64_t u = uStart - j * sn + skipX * cs;
    int64_t v = vStart + j * cs + skipX * sn;
    for (int64_t i = skipX; i < cw; ++i, u += cs, v += sn) {
      const int64_t su = u / 360 - ox, sv = v / 360 - oy;
      if (su < 0 || su >= SW || sv < 0 || sv >= SH) continue;
      if (!source.Holds(sx1 + su, sy1 + sv) || !dest.Holds(dx1 + i, dy1 + j)) continue;
      const uint8_t p = source.At(sx1 + su, sy1 + sv);
      if (p != key) dest.At(dx1 + i, dy1 + j) = p;
    }
  }
  Unlock(source.surface);
  Unlock(dest.surface);
  return 1;
}

int32_t MosaicRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t cellWidth,
                   int32_t cellHeight) {
  return RunRectEffect(x1, y1, x2, y2, [&](const Locked& target, const Area& a) {
    ForEachCell(a.x2 - a.x1, a.y2 - a.y1, cellWidth, cellHeight, [&](const Cell& cell) {
      const int64_t left = a.x1 + cell.left, top = a.y1 + cell.top;
      FillBlock(target, left, top, cell.width, cell.height, target.At(left, top));
    });
  });
}

int32_t CheckerRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t cellWidth,
                    int32_t cellHeight, int32_t phase, int32_t colour) {
  return RunRectEffect(x1, y1, x2, y2, [&](const Locked& target, const Area& a) {
    ForEachCell(a.x2 - a.x1, a.y2 - a.y1, cellWidth, cellHeight, [&](const Cell& cell) {
      if (CheckerCellDrawn(cell.i, cell.j, phase)) {
        FillBlock(target, a.x1 + cell.left, a.y1 + cell.top, cell.width, cell.height,
                  static_cast<uint8_t>(colour));
      }
    });
  });
}

int32_t AverageRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
  return PixelRect(x1, y1, x2, y2, [=](uint8_t& d) { d = static_cast<uint8_t>((d + colour) / 2); });
}

int32_t ShiftRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t offset) {
  return PixelRect(x1, y1, x2, y2, [=](uint8_t& d) {
    d = static_cast<uint8_t>(d + static_cast<uint32_t>(offset));
  });
}

int32_t LogicalRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t value, int32_t mode) {
  return PixelRect(x1, y1, x2, y2,
                   [=](uint8_t& d) { d = Logical(d, static_cast<uint8_t>(value), mode); });
}

int32_t MixRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
  return PixelRect(x1, y1, x2, y2, [=](uint8_t& d) { MixedColour(d, colour, &d); });
}

// Blends every pixel but the last column and row with the old value of its right,
// lower or lower-right neighbour; scanning forwards means that neighbour is still unchanged.
int32_t SmearRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t direction) {
  const int32_t ex = direction == 1 ? 0 : 1;
  const int32_t ey = direction == 0 ? 0 : 1;
  return RunRectEffect(x1, y1, x2, y2, [&](const Locked& target, const Area& a) {
    for (int32_t y = a.y1; y < a.y2 - 1; ++y) {
      for (int32_t x = a.x1; x < a.x2 - 1; ++x) {
        target.At(x, y) = MixTable[target.At(x + ex, y + ey) * 256 + target.At(x, y)];
      }
    }
  });
}

int32_t RemapRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t level) {
  if (!IsRemapLevel(level)) return 0;
  return PixelRect(x1, y1, x2, y2, [=](uint8_t& d) { d = RemapTables[level * 256 + d]; });
}

int32_t ColourFillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour) {
  Surface* target = DrawTargetSurface();
  if (target != nullptr) BltColourFill(target, Rect{x1, y1, x2, y2}, static_cast<uint8_t>(colour));
  return 1;
}

}  // namespace gfx
