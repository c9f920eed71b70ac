// The display objects the engine draws on: 8-bit surfaces in plain memory with
// the DirectDraw operations the engine relies on (Lock, GetDC, BltFast, Blt,
// Flip, IsLost, Restore), presented through the platform's display output.
#pragma once

#include <cstdint>
#include <memory>

namespace gfx {

struct Rect {
  int32_t left, top, right, bottom;  // right and bottom exclusive
};

// One 8-bit palette-indexed surface. Pixel (x, y) is pixels[y * pitch + x].
struct Surface {
  int32_t width = 0;
  int32_t height = 0;
  int32_t pitch = 0;
  std::unique_ptr<uint8_t[]> pixels;  // zero-filled at creation
  uint8_t colourKey = 0;              // source colour key (low = high bound)
  int32_t lockCount = 0;              // > 0 while locked
  int32_t dcCount = 0;                // > 0 while a text or shape operation holds it
  bool lost = false;
};

constexpr int32_t DD_OK = 0;
constexpr int32_t DDERR_GENERIC = 1;
constexpr int32_t DDERR_SURFACEBUSY = 2;
constexpr int32_t DDERR_INVALIDRECT = 3;

// Creates a surface of width x height (null when refused: non-positive or
// absurd sizes); accounts its bytes against the notional display memory.
Surface* CreateSurface(int32_t width, int32_t height);
void ReleaseSurface(Surface* surface);

// Lock of the whole surface: DD_OK with the first pixel and the pitch, or an error
// (a surface whose device context is out cannot be locked; checked builds stop
// there). Locks may nest; each Lock needs its Unlock.
int32_t Lock(Surface* surface, uint8_t** pixels, int32_t* pitch);
void Unlock(Surface* surface);
// Device context bracket for text and shape drawing (never together with a lock:
// refused while the surface is locked; checked builds stop there).
int32_t GetDC(Surface* surface);
void ReleaseDC(Surface* surface);

// Rectangle copy of src's rectangle to (x, y) of dst, optionally skipping the
// source colour key. Refused (nothing drawn) unless the rectangle lies inside both,
// and while either surface is locked or has its device context out.
int32_t BltFast(Surface* dst, int32_t x, int32_t y, Surface* src, const Rect& rect, bool keyed);
// Colour fill of a rectangle of dst (clipped to the surface); refused while busy.
int32_t BltColourFill(Surface* dst, const Rect& rect, uint8_t colour);

// Page flip of a front buffer and its back buffer (same size): their pictures
// change places, so the back buffer then holds the frame shown before. Refused
// while either is busy.
int32_t Flip(Surface* front, Surface* back);

// Plain-memory surfaces are lost only when marked so; restoring clears the mark
// and keeps the pixels.
bool IsLost(const Surface* surface);
int32_t Restore(Surface* surface);

}  // namespace gfx
