// Clipped rectangle copies between sprite slots and the back buffer.
#include "gfx/blit.h"

#include <limits>

#include "gfx/ddraw.h"
#include "gfx/surfaces.h"

namespace gfx {
namespace {

// Trims a copy of source rectangle (left, top, right, bottom) placed at (x, y)
// against the 320 x 240 screen, whatever the destination's size. The right and
// bottom edges are trimmed first, from the unclipped position; then the left and
// top. False when the rectangle has turned inside out. The arithmetic is done in
// 64 bits so that no caller's values can overflow it.
bool ClipToScreen(int64_t& x, int64_t& y, int64_t& left, int64_t& top, int64_t& right,
                  int64_t& bottom) {
  if (x + (right - left) > SCREEN_WIDTH) right -= x + (right - left) - SCREEN_WIDTH;
  if (y + (bottom - top) > SCREEN_HEIGHT) bottom -= y + (bottom - top) - SCREEN_HEIGHT;
  if (x < 0) {
    left -= x;
    x = 0;
  }
  if (y < 0) {
    top -= y;
    y = 0;
  }
  return right >= left && bottom >= top;
}

bool FitsInt32(int64_t value) {
  return value >= std::numeric_limits<int32_t>::min() &&
         value <= std::numeric_limits<int32_t>::max();
}

// Clips, then copies; the copy itself refuses rectangles outside either surface.
void ClippedCopy(Surface* dst, int32_t x, int32_t y, Surface* src, int32_t left, int32_t top,
                 int32_t right, int32_t bottom, bool keyed) {
  int64_t cx = x, cy = y, cl = left, ct = top, cr = right, cb = bottom;
  if (!ClipToScreen(cx, cy, cl, ct, cr, cb)) return;
  if (!FitsInt32(cl) || !FitsInt32(ct) || !FitsInt32(cr) || !FitsInt32(cb)) return;
  const Rect rect = {static_cast<int32_t>(cl), static_cast<int32_t>(ct), static_cast<int32_t>(cr),
                     static_cast<int32_t>(cb)};
  BltFast(dst, static_cast<int32_t>(cx), static_cast<int32_t>(cy), src, rect, keyed);
}

}  // namespace

void BlitKeyed(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
               int32_t bottom) {
  ClippedCopy(BackSurface, x, y, SlotSurface(slot), left, top, right, bottom, true);
}

void BlitOpaque(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
                int32_t bottom) {
  ClippedCopy(BackSurface, x, y, SlotSurface(slot), left, top, right, bottom, false);
}

void BlitKeyedToSlot(int32_t destSlot, int32_t x, int32_t y, int32_t sourceSlot, int32_t left,
                     int32_t top, int32_t right, int32_t bottom) {
  ClippedCopy(SlotSurface(destSlot), x, y, SlotSurface(sourceSlot), left, top, right, bottom, true);
}

void BlitOpaqueToSlot(int32_t destSlot, int32_t x, int32_t y, int32_t sourceSlot, int32_t left,
                      int32_t top, int32_t right, int32_t bottom) {
  ClippedCopy(SlotSurface(destSlot), x, y, SlotSurface(sourceSlot), left, top, right, bottom,
              false);
}

// The back buffer's colour key is never changed from index 0, so a keyed grab
// skips index 0 like a keyed copy from a fresh slot.
void GrabKeyed(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
               int32_t bottom) {
  ClippedCopy(SlotSurface(slot), x, y, BackSurface, left, top, right, bottom, true);
}

void GrabOpaque(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
                int32_t bottom) {
  ClippedCopy(SlotSurface(slot), x, y, BackSurface, left, top, right, bottom, false);
}

}  // namespace gfx
