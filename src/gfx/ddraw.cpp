// The display objects the engine draws on: 8-bit surfaces in plain memory.
#include "gfx/ddraw.h"

#include <cassert>
#include <cstring>
#include <new>

#include "platform/platform.h"

namespace gfx {
namespace {

// Rows start on 4-byte boundaries, as display surfaces usually do; the pitch is
// therefore larger than the width for widths that are not multiples of 4.
constexpr int32_t PITCH_ALIGN = 4;
// Largest side of a surface; anything larger is refused as absurd.
constexpr int32_t MAX_SURFACE_SIDE = 8192;

uint32_t SurfaceBytes(const Surface* surface) {
  return static_cast<uint32_t>(surface->pitch) * static_cast<uint32_t>(surface->height);
}

// True when rect is a non-inverted rectangle inside a width x height surface.
bool InsideSurface(const Rect& rect, const Surface* surface) {
  return rect.left >= 0 && rect.top >= 0 && rect.left <= rect.right && rect.top <= rect.bottom &&
         rect.right <= surface->width && rect.bottom <= surface->height;
}

bool Busy(const Surface* surface) {
  return surface->lockCount > 0 || surface->dcCount > 0;
}

}  // namespace

Surface* CreateSurface(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0 || width > MAX_SURFACE_SIDE || height > MAX_SURFACE_SIDE)
    return nullptr;
  Surface* surface = new (std::nothrow) Surface;
  if (!surface) return nullptr;
  surface->width = width;
  surface->height = height;
  surface->pitch = (width + PITCH_ALIGN - 1) / PITCH_ALIGN * PITCH_ALIGN;
  surface->pixels.reset(new (std::nothrow) uint8_t[SurfaceBytes(surface)]());
  if (!surface->pixels) {
    delete surface;
    return nullptr;
  }
  platform::DisplayMemoryAllocate(SurfaceBytes(surface));
  return surface;
}

void ReleaseSurface(Surface* surface) {
  if (!surface) return;
  assert(!Busy(surface) && "surface released while locked or while its device context is out");
  platform::DisplayMemoryRelease(SurfaceBytes(surface));
  delete surface;
}

int32_t Lock(Surface* surface, uint8_t** pixels, int32_t* pitch) {
  if (!surface) return DDERR_GENERIC;
  assert(surface->dcCount == 0 && "surface locked while its device context is out");
  if (surface->dcCount > 0) return DDERR_SURFACEBUSY;
  ++surface->lockCount;
  *pixels = surface->pixels.get();
  *pitch = surface->pitch;
  return DD_OK;
}

void Unlock(Surface* surface) {
  if (surface && surface->lockCount > 0) --surface->lockCount;
}

int32_t GetDC(Surface* surface) {
  if (!surface) return DDERR_GENERIC;
  assert(surface->lockCount == 0 && "device context taken from a locked surface");
  if (surface->lockCount > 0) return DDERR_SURFACEBUSY;
  ++surface->dcCount;
  return DD_OK;
}

void ReleaseDC(Surface* surface) {
  if (surface && surface->dcCount > 0) --surface->dcCount;
}

int32_t BltFast(Surface* dst, int32_t x, int32_t y, Surface* src, const Rect& rect, bool keyed) {
  if (!dst || !src) return DDERR_GENERIC;
  if (!InsideSurface(rect, src)) return DDERR_INVALIDRECT;
  const int32_t width = rect.right - rect.left;
  const int32_t height = rect.bottom - rect.top;
  if (x < 0 || y < 0 || x > dst->width - width || y > dst->height - height)
    return DDERR_INVALIDRECT;
  if (Busy(dst) || Busy(src)) return DDERR_SURFACEBUSY;
  const uint8_t key = src->colourKey;
  for (int32_t row = 0; row < height; ++row) {
    const uint8_t* from =
        src->pixels.get() + static_cast<ptrdiff_t>(rect.top + row) * src->pitch + rect.left;
    uint8_t* to = dst->pixels.get() + static_cast<ptrdiff_t>(y + row) * dst->pitch + x;
    if (!keyed) {
      std::memmove(to, from, static_cast<size_t>(width));
      continue;
    }
    // Written as a select over every byte (a key pixel keeps the byte already
    // there) so that the compiler can copy whole vectors at a time.
    for (int32_t col = 0; col < width; ++col) to[col] = from[col] != key ? from[col] : to[col];
  }
  return DD_OK;
}

int32_t BltColourFill(Surface* dst, const Rect& rect, uint8_t colour) {
  if (!dst) return DDERR_GENERIC;
  if (Busy(dst)) return DDERR_SURFACEBUSY;
  const int32_t left = rect.left < 0 ? 0 : rect.left;
  const int32_t top = rect.top < 0 ? 0 : rect.top;
  const int32_t right = rect.right > dst->width ? dst->width : rect.right;
  const int32_t bottom = rect.bottom > dst->height ? dst->height : rect.bottom;
  for (int32_t row = top; row < bottom && left < right; ++row)
    std::memset(dst->pixels.get() + static_cast<ptrdiff_t>(row) * dst->pitch + left, colour,
                static_cast<size_t>(right - left));
  return DD_OK;
}

int32_t Flip(Surface* front, Surface* back) {
  if (!front || !back) return DDERR_GENERIC;
  if (front->width != back->width || front->height != back->height || front->pitch != back->pitch)
    return DDERR_GENERIC;
  if (Busy(front) || Busy(back)) return DDERR_SURFACEBUSY;
  front->pixels.swap(back->pixels);
  return DD_OK;
}

bool IsLost(const Surface* surface) {
  return surface && surface->lost;
}

int32_t Restore(Surface* surface) {
  if (!surface) return DDERR_GENERIC;
  surface->lost = false;
  return DD_OK;
}

}  // namespace gfx
