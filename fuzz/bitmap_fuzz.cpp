// Fuzz target: the bitmap readers behind the slot loaders (our own 4-, 8- and
// 24-bit reader, and the header checks with the system's reader for every other
// kind), and the colour-matched slot loader itself.
#include <cstring>
#include <vector>

#include "fuzz_support.h"
#include "gfx/bitmap_file.h"
#include "gfx/ddraw.h"
#include "gfx/slot_loading.h"
#include "gfx/surfaces.h"

namespace {

constexpr int32_t SLOT = 1;
constexpr int32_t SLOT_WIDTH = 168, SLOT_HEIGHT = 123;

bool SensibleSize(int32_t width, int32_t height) {
  return width >= 1 && width <= gfx::BITMAP_MAX_SIDE && height >= 1 &&
         height <= gfx::BITMAP_MAX_SIDE;
}

void CheckImage(const gfx::BitmapImage& image) {
  fuzz::Require(SensibleSize(image.width, image.height), "a decoded image has a sensible size");
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

// The colour of pixel p of a picture from the system's reader.
const uint8_t* PictureColour(const platform::BitmapPicture& picture, size_t p) {
  return picture.indices.empty() ? &picture.rgb[p * 3]
                                 : &picture.colourTable[picture.indices[p] * 3];
}

void CheckPicture(const platform::BitmapPicture& picture) {
  fuzz::Require(SensibleSize(picture.width, picture.height) &&
                    int64_t{picture.width} * picture.height <= gfx::BITMAP_MAX_PIXELS,
                "a decoded picture has a sensible size");
  const size_t pixels = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
  if (picture.indices.empty()) {
    fuzz::Require(picture.rgb.size() == pixels * 3 && picture.colourTable.empty(),
                  "a true-colour picture has one colour per pixel");
    return;
  }
  const size_t entries = picture.colourTable.size() / 3;
  fuzz::Require(picture.indices.size() == pixels && picture.rgb.empty(), "one index per pixel");
  fuzz::Require(entries >= 1 && entries <= 256, "a colour table of 1 to 256 entries");
  for (uint8_t index : picture.indices)
    fuzz::Require(index < entries, "indices lie inside the colour table");
}

// Files our own reader decodes, the system's reader decodes to the same colours.
void CheckReadersAgree(const gfx::BitmapImage& image, const platform::BitmapPicture& picture) {
  fuzz::Require(picture.width == image.width && picture.height == image.height,
                "both readers give the same size");
  const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  for (size_t p = 0; p < pixels; ++p)
    fuzz::Require(std::memcmp(PictureColour(picture, p), &image.rgb[p * 3], 3) == 0,
                  "both readers give every pixel the same colour");
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

  platform::BitmapPicture picture;
  const std::string slotFault = gfx::DecodeSlotPicture(data, size, &picture);
  if (slotFault.empty())
    CheckPicture(picture);
  else
    fuzz::Require(picture.width == 0 && picture.rgb.empty() && picture.indices.empty() &&
                      picture.colourTable.empty(),
                  "a refused file leaves the picture empty");
  if (fault.empty()) {
    fuzz::Require(slotFault.empty(), "what our reader reads, the slot's reader reads");
    CheckReadersAgree(image, picture);
  }

  // The slot loader on the same bytes: a picture that fails to load leaves
  // the slot's previous picture alone.
  if (!gfx::SlotSurface(SLOT)) gfx::CreateSlotSurface(SLOT, SLOT_WIDTH, SLOT_HEIGHT);
  const std::vector<uint8_t> before = SlotPixels();
  fuzz::WriteScratchFile(path, data, size);
  const int32_t loaded = gfx::LoadBitmapToSlot(SLOT, path.c_str(), SLOT_WIDTH, SLOT_HEIGHT);
  fuzz::Require(loaded == (slotFault.empty() ? 1 : 0), "the slot loader agrees with its reader");
  const gfx::Surface* surface = gfx::SlotSurface(SLOT);
  fuzz::Require(surface && surface->width == SLOT_WIDTH && surface->height == SLOT_HEIGHT,
                "the slot keeps its size");
  if (!loaded) fuzz::Require(SlotPixels() == before, "a failed load keeps the previous picture");
  return 0;
}
