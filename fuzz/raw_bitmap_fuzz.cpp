// Fuzz target: the raw 8-bit bitmap loader that copies file indices into a slot.
#include <cstring>

#include "fuzz_support.h"
#include "gfx/bitmap_file.h"
#include "gfx/ddraw.h"
#include "gfx/surfaces.h"

namespace {

constexpr int32_t SLOT = 2;

uint32_t U32At(const uint8_t* data, size_t offset) {
  return data[offset] | data[offset + 1] << 8 | data[offset + 2] << 16 |
         static_cast<uint32_t>(data[offset + 3]) << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::ScratchPath("raw.bmp");
  if (!gfx::SlotSurface(SLOT)) gfx::CreateSlotSurface(SLOT, 3, 2);
  const gfx::Surface* before = gfx::SlotSurface(SLOT);
  gfx::RawBitmap raw;
  const bool readable = gfx::DecodeRawBitmap(data, size, &raw).empty();

  fuzz::WriteScratchFile(path, data, size);
  const int32_t loaded = gfx::LoadRawBitmapToSlot(SLOT, path.c_str());
  const gfx::Surface* surface = gfx::SlotSurface(SLOT);
  if (!loaded) {
    // A refused file leaves the slot alone; a picture too large for a surface
    // leaves it empty.
    fuzz::Require(readable ? surface == nullptr : surface == before,
                  "a refused file leaves the slot alone, or empty if the file was readable");
    return 0;
  }
  fuzz::Require(readable, "only files the raw reader accepts load");
  fuzz::Require(
      U32At(data, 10) == gfx::RAW_PIXEL_OFFSET && U32At(data, 46) == gfx::RAW_COLOURS_USED,
      "only files with pixels at 1078 and 256 colours load");
  fuzz::Require(surface && surface->width == raw.width && surface->height == raw.height,
                "the slot takes the file's size");
  for (int32_t y = 0; y < raw.height; ++y)
    fuzz::Require(std::memcmp(surface->pixels.get() + static_cast<size_t>(y) * surface->pitch,
                              &raw.indices[static_cast<size_t>(y) * raw.width],
                              static_cast<size_t>(raw.width)) == 0,
                  "the file's indices are copied unchanged");
  return 0;
}
