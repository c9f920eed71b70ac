// Shapes and scaled copies on the draw target, in 24-bit colours drawn as the nearest palette
// entry.
#include "gfx/shapes.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "gfx/blit.h"
#include "gfx/ddraw.h"
#include "gfx/palette.h"
#include "gfx/surfaces.h"

namespace gfx {

namespace {

// Takes the device context of a surface for one drawing call; false (nothing to
// draw) when the surface is missing or locked.
bool TakeDC(Surface* surface) {
  if (surface == nullptr) return false;
  assert(surface->lockCount == 0 && "shape drawn on a locked surface");
  return GetDC(surface) == DD_OK;
}

// One pixel, dropped outside the surface: every shape clips to its target.
void Plot(Surface* surface, int64_t x, int64_t y, uint8_t colour) {
  if (x >= 0 && x < surface->width && y >= 0 && y < surface->height) {
    surface->pixels[y * surface->pitch + x] = colour;
  }
}

// Pixels [x1, x2) of row y.
void FillSpan(Surface* surface, int64_t y, int64_t x1, int64_t x2, uint8_t colour) {
  if (y < 0 || y >= surface->height) return;
  x1 = std::max<int64_t>(x1, 0);
  x2 = std::min<int64_t>(x2, surface->width);
  for (int64_t x = x1; x < x2; ++x) surface->pixels[y * surface->pitch + x] = colour;
}

void FillBox(Surface* surface, int64_t left, int64_t top, int64_t right, int64_t bottom,
             uint8_t colour) {
  for (int64_t y = std::max<int64_t>(top, 0); y < std::min<int64_t>(bottom, surface->height); ++y) {
    FillSpan(surface, y, left, right, colour);
  }
}

// A pen: its colour and width. Widths of 0 and 1 draw one-pixel lines; wider pens
// stamp a round nib, so their lines get round ends.
struct Pen {
  uint8_t colour;
  int32_t width;
};

void StampNib(Surface* surface, const Pen& pen, int64_t x, int64_t y) {
  if (pen.width <= 1) {
    Plot(surface, x, y, pen.colour);
    return;
  }
  const int32_t low = -(pen.width / 2), high = low + pen.width - 1;
  const double centre = (low + high) / 2.0, radius = pen.width / 2.0;
  for (int32_t j = low; j <= high; ++j) {
    for (int32_t i = low; i <= high; ++i) {
      if ((i - centre) * (i - centre) + (j - centre) * (j - centre) <= radius * radius) {
        Plot(surface, x + i, y + j, pen.colour);
      }
    }
  }
}

// A line from (x1, y1) towards (x2, y2) by Bresenham steps. A one-pixel pen stops
// before the end point, as a move-to / line-to pair does; a wide pen's round nib
// covers both ends.
void PenLine(Surface* surface, const Pen& pen, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  // A line whose nib never reaches the surface needs no stepping.
  const int64_t reach = std::max(pen.width, 1);
  if (std::max(x1, x2) + reach < 0 || std::min(x1, x2) - reach >= surface->width ||
      std::max(y1, y2) + reach < 0 || std::min(y1, y2) - reach >= surface->height) {
    return;
  }
  const int64_t dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
  const int64_t stepX = x1 < x2 ? 1 : -1, stepY = y1 < y2 ? 1 : -1;
  int64_t err = dx + dy;
  for (int64_t x = x1, y = y1;;) {
    const bool atEnd = x == x2 && y == y2;
    if (atEnd && pen.width <= 1) return;
    StampNib(surface, pen, x, y);
    if (atEnd) return;
    const int64_t twice = 2 * err;
    if (twice >= dy) err += dy, x += stepX;
    if (twice <= dx) err += dx, y += stepY;
  }
}

// Fills the inside of a closed outline with the alternate (even-odd) rule,
// sampling each pixel at its centre.
void FillAlternate(Surface* surface, const Point* points, int32_t count, uint8_t colour) {
  int64_t top = points[0].y, bottom = points[0].y;
  for (int32_t i = 1; i < count; ++i) {
    top = std::min<int64_t>(top, points[i].y);
    bottom = std::max<int64_t>(bottom, points[i].y);
  }
  top = std::max<int64_t>(top, 0);
  bottom = std::min<int64_t>(bottom, surface->height);
  std::vector<double> crossings;
  for (int64_t y = top; y < bottom; ++y) {
    const double centreY = y + 0.5;
    crossings.clear();
    for (int32_t i = 0; i < count; ++i) {
      const Point& a = points[i];
      const Point& b = points[(i + 1) % count];
      if ((a.y <= centreY) != (b.y <= centreY)) {
        crossings.push_back(a.x + (centreY - a.y) * (b.x - a.x) / double(b.y - a.y));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (size_t k = 0; k + 1 < crossings.size(); k += 2) {
      // Pixels whose centres lie between the two crossings.
      FillSpan(surface, y, static_cast<int64_t>(std::ceil(crossings[k] - 0.5)),
               static_cast<int64_t>(std::ceil(crossings[k + 1] - 0.5)), colour);
    }
  }
}

// One axis of a scaled copy: `count` destination positions from `destFirst`,
// the k-th taking source position SourceAt(k) (nearest pixel). A negative size
// or an inverted source range covers the positions from the far end up to the
// given one; when exactly one of the two runs backwards the picture is mirrored,
// each position taking the source of its mirror image in the unmirrored copy.
struct ScaleAxis {
  int64_t destFirst, count, sourceFirst, sourceCount;
  bool mirrored;
  int64_t SourceAt(int64_t k) const {
    return sourceFirst + (mirrored ? count - 1 - k : k) * sourceCount / count;
  }
};

ScaleAxis MakeScaleAxis(int32_t dest, int32_t size, int32_t from, int32_t to) {
  const int64_t sourceSize = int64_t{to} - from;
  return {size < 0 ? int64_t{dest} + size : dest, std::abs(int64_t{size}), std::min(from, to),
          std::abs(sourceSize), (size < 0) != (sourceSize < 0)};
}

// Scales the source rectangle of `source` to width x height at (x, y) of `dest`,
// nearest pixel, visiting only the part inside `dest`. Positions outside the
// source write `outside` when it is 0..255 and are left alone when it is negative.
void ScaleRect(Surface* dest, int32_t x, int32_t y, const Surface* source, int32_t left,
               int32_t top, int32_t right, int32_t bottom, int32_t width, int32_t height,
               int32_t outside) {
  const ScaleAxis across = MakeScaleAxis(x, width, left, right);
  const ScaleAxis down = MakeScaleAxis(y, height, top, bottom);
  const int64_t firstColumn = std::max<int64_t>(0, -across.destFirst);
  const int64_t endColumn = std::min<int64_t>(across.count, dest->width - across.destFirst);
  const int64_t firstRow = std::max<int64_t>(0, -down.destFirst);
  const int64_t endRow = std::min<int64_t>(down.count, dest->height - down.destFirst);
  for (int64_t j = firstRow; j < endRow; ++j) {
    const int64_t sy = down.SourceAt(j);
    for (int64_t i = firstColumn; i < endColumn; ++i) {
      const int64_t sx = across.SourceAt(i);
      uint8_t& pixel = dest->pixels[(down.destFirst + j) * dest->pitch + across.destFirst + i];
      if (sx >= 0 && sx < source->width && sy >= 0 && sy < source->height) {
        pixel = source->pixels[sy * source->pitch + sx];
      } else if (outside >= 0) {
        pixel = static_cast<uint8_t>(outside);
      }
    }
  }
}

// A private copy of a surface, so that a surface can be scaled into itself.
Surface CopyOfSurface(const Surface& surface) {
  Surface copy;
  copy.width = surface.width;
  copy.height = surface.height;
  copy.pitch = surface.pitch;
  const size_t bytes = static_cast<size_t>(surface.pitch) * static_cast<size_t>(surface.height);
  copy.pixels = std::make_unique<uint8_t[]>(bytes);
  std::copy_n(surface.pixels.get(), bytes, copy.pixels.get());
  return copy;
}

}  // namespace

// Scales into BufferSlot first, then copies from there with its key (index 0),
// so that the key applies to the scaled picture. A negative width or height
// draws nothing: the keyed copy out of the buffer refuses the inverted rectangle
// (0, 0, width, height). An inverted source rectangle mirrors the picture.
void StretchBlitKeyed(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, int32_t width, int32_t height) {
  Surface* buffer = SlotSurface(BufferSlot);
  Surface* source = SlotSurface(slot);
  if (buffer == nullptr || source == nullptr || width <= 0 || height <= 0) return;
  if (!TakeDC(buffer)) return;
  if (source == buffer) {
    // The buffer scaled into itself: read from a copy taken before any write.
    const Surface copy = CopyOfSurface(*buffer);
    ScaleRect(buffer, 0, 0, &copy, left, top, right, bottom, width, height, buffer->colourKey);
  } else if (TakeDC(source)) {
    ScaleRect(buffer, 0, 0, source, left, top, right, bottom, width, height, buffer->colourKey);
    ReleaseDC(source);
  }
  ReleaseDC(buffer);
  // The buffer holds at most its own size of the scaled picture.
  const int32_t shownWidth = std::min(width, buffer->width);
  const int32_t shownHeight = std::min(height, buffer->height);
  if (DrawTarget == -1) {
    BlitKeyed(x, y, BufferSlot, 0, 0, shownWidth, shownHeight);
  } else {
    BlitKeyedToSlot(DrawTarget, x, y, BufferSlot, 0, 0, shownWidth, shownHeight);
  }
}

// A negative width or height places the picture in the columns or rows before
// x or y, mirrored; so does an inverted source rectangle.
void StretchBlitOpaque(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
                       int32_t bottom, int32_t width, int32_t height) {
  if (DrawTarget == slot || width == 0 || height == 0) return;
  Surface* target = DrawTargetSurface();
  Surface* source = SlotSurface(slot);
  if (source == nullptr || !TakeDC(target)) return;
  if (TakeDC(source)) {
    ScaleRect(target, x, y, source, left, top, right, bottom, width, height, -1);
    ReleaseDC(source);
  }
  ReleaseDC(target);
}

void SetPixelColour(int32_t x, int32_t y, uint32_t colour) {
  Surface* target = DrawTargetSurface();
  if (!TakeDC(target)) return;
  Plot(target, x, y, NearestPaletteIndex(colour));
  ReleaseDC(target);
}

void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour, int32_t penWidth) {
  Surface* target = DrawTargetSurface();
  if (!TakeDC(target)) return;
  PenLine(target, Pen{NearestPaletteIndex(colour), penWidth}, x1, y1, x2, y2);
  ReleaseDC(target);
}

// The edges are bands of the pen's width drawn inside the rectangle (right and
// bottom exclusive); the rest of the inside is filled.
void DrawRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t fillColour,
                   uint32_t penColour, int32_t penWidth) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  if (left == right || top == bottom) return;
  Surface* target = DrawTargetSurface();
  if (!TakeDC(target)) return;
  const int64_t edge = std::max(penWidth, 1);
  FillBox(target, left, top, right, bottom, NearestPaletteIndex(penColour));
  FillBox(target, left + edge, top + edge, right - edge, bottom - edge,
          NearestPaletteIndex(fillColour));
  ReleaseDC(target);
}

void DrawPolygon(const Point* points, int32_t count, uint32_t fillColour, uint32_t penColour,
                 int32_t penWidth) {
  if (points == nullptr || count < 2) return;
  Surface* target = DrawTargetSurface();
  if (!TakeDC(target)) return;
  FillAlternate(target, points, count, NearestPaletteIndex(fillColour));
  const Pen pen{NearestPaletteIndex(penColour), penWidth};
  for (int32_t i = 0; i < count; ++i) {
    const Point& a = points[i];
    const Point& b = points[(i + 1) % count];
    PenLine(target, pen, a.x, a.y, b.x, b.y);
  }
  ReleaseDC(target);
}

// Each cubic curve (start, two control points, end; consecutive curves share end
// points) is cut into short straight pieces about two pixels long.
void DrawBezier(const Point* points, int32_t count, uint32_t penColour, int32_t penWidth) {
  if (points == nullptr || count < 4 || (count - 1) % 3 != 0) return;
  Surface* target = DrawTargetSurface();
  if (!TakeDC(target)) return;
  const Pen pen{NearestPaletteIndex(penColour), penWidth};
  for (int32_t c = 0; c + 3 < count; c += 3) {
    const Point* p = points + c;
    double hull = 0;
    for (int32_t k = 0; k < 3; ++k) hull += std::hypot(p[k + 1].x - p[k].x, p[k + 1].y - p[k].y);
    const int32_t pieces = std::clamp(static_cast<int32_t>(hull / 2), 1, 1000);
    int64_t lastX = p[0].x, lastY = p[0].y;
    for (int32_t s = 1; s <= pieces; ++s) {
      const double t = double(s) / pieces, u = 1 - t;
      const double bx =
          u * u * u * p[0].x + 3 * u * u * t * p[1].x + 3 * u * t * t * p[2].x + t * t * t * p[3].x;
      const double by =
          u * u * u * p[0].y + 3 * u * u * t * p[1].y + 3 * u * t * t * p[2].y + t * t * t * p[3].y;
      const int64_t x = std::llround(bx), y = std::llround(by);
      PenLine(target, pen, lastX, lastY, x, y);
      lastX = x, lastY = y;
    }
  }
  ReleaseDC(target);
}

}  // namespace gfx
