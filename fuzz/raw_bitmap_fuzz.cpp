// Fuzz target: the raw 8-bit bitmap loader that copies file indices into a slot.
#include <cstring>

#include "fuzz_support.h"
#include "gfx/bitmap_file.h"
#include "gfx/ddraw.h"
#include "gfx/surfaces.h"

namespace {
constexpr int32_t SLOT = 2;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::ScratchPath("raw.bmp");
  if (!gfx::SlotSurface(SLOT)) gfx::CreateSlotSurface(SLOT, 3, 2);
  const gfx::Surface* before = gfx::SlotSurface(SLOT);

  fuzz::WriteScratchFile(path, data, size);
  const int32_t loaded = gfx::LoadRawBitmapToSlot(SLOT, path.c_str());
  const gfx::Surface* surface = gfx::SlotSurface(SLOT);
  if (!loaded) {
    fuzz::Require(surface == before, "a refused file leaves the slot untouched");
    return 0;
  }
  gfx::BitmapImage image;
  fuzz::Require(gfx::DecodeBitmap(data, size, &image).empty(), "only readable bitmaps load");
  fuzz::Require(image.bitsPerPixel == 8 && image.pixelOffset == 1078 && image.coloursUsed == 256,
                "only 8-bit files with 256 colours and pixels at 1078 load");
  fuzz::Require(surface && surface->width == image.width && surface->height == image.height,
                "the slot takes the file's size");
  for (int32_t y = 0; y < image.height; ++y)
    fuzz::Require(std::memcmp(surface->pixels.get() + static_cast<size_t>(y) * surface->pitch,
                              &image.indices[static_cast<size_t>(y) * image.width],
                              static_cast<size_t>(image.width)) == 0,
                  "the file's indices are copied unchanged");
  return 0;
}
