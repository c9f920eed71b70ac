// Fuzz target: the bitmap reader behind the slot loader, and the slot loader itself.
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "gfx/bitmap_file.h"
#include "gfx/ddraw.h"
#include "gfx/surfaces.h"

namespace {

constexpr int32_t SLOT = 1;
constexpr int32_t SLOT_WIDTH = 168, SLOT_HEIGHT = 123;

void CheckImage(const gfx::BitmapImage& image) {
  fuzz::Require(image.width >= 1 && image.width <= gfx::BITMAP_MAX_SIDE && image.height >= 1 &&
                    image.height <= gfx::BITMAP_MAX_SIDE,
                "a decoded image has a sensible size");
  const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  fuzz::Require(image.rgb.size() == pixels * 3, "one colour per pixel");
  if (image.bitsPerPixel == 24) {
    fuzz::Require(image.indices.empty(), "true colour has no indices");
    return;
  }
  fuzz::Require(image.indices.size() == pixels, "one index per pixel");
  const size_t entries = image.colourTable.size() / 3;
  for (size_t p = 0; p < pixels; ++p) {
    fuzz::Require(image.indices[p] < entries, "indices lie inside the colour table");
    fuzz::Require(std::memcmp(&image.rgb[p * 3], &image.colourTable[image.indices[p] * 3], 3) == 0,
                  "a pixel's colour is its table entry");
  }
}

std::vector<uint8_t> SlotPixels() {
  const gfx::Surface* surface = gfx::SlotSurface(SLOT);
  const size_t bytes = static_cast<size_t>(surface->pitch) * static_cast<size_t>(surface->height);
  return std::vector<uint8_t>(surface->pixels.get(), surface->pixels.get() + bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::ScratchPath("graphic1.bmp");
  gfx::BitmapImage image;
  const std::string fault = gfx::DecodeBitmap(data, size, &image);
  if (fault.empty())
    CheckImage(image);
  else
    fuzz::Require(image.width == 0 && image.rgb.empty() && image.indices.empty(),
                  "a refused file leaves the image empty");

  // The slot loader on the same bytes: a picture that fails to load leaves
  // the slot's previous picture alone.
  if (!gfx::SlotSurface(SLOT)) gfx::CreateSlotSurface(SLOT, SLOT_WIDTH, SLOT_HEIGHT);
  const std::vector<uint8_t> before = SlotPixels();
  fuzz::WriteScratchFile(path, data, size);
  const int32_t loaded = gfx::LoadBitmapToSlot(SLOT, path.c_str(), SLOT_WIDTH, SLOT_HEIGHT);
  fuzz::Require(loaded == (fault.empty() ? 1 : 0), "the slot loader agrees with the reader");
  const gfx::Surface* surface = gfx::SlotSurface(SLOT);
  fuzz::Require(surface && surface->width == SLOT_WIDTH && surface->height == SLOT_HEIGHT,
                "the slot keeps its size");
  if (!loaded) fuzz::Require(SlotPixels() == before, "a failed load keeps the previous picture");
  return 0;
}
