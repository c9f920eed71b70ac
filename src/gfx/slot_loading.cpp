// Filling sprite slots from bitmap files: colour-matched loads and raw index loads.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "gfx/bitmap_file.h"
#include "gfx/palette.h"
#include "gfx/slot_log.h"
#include "gfx/surfaces.h"

namespace gfx {
namespace {

constexpr uint32_t RAW_PIXEL_OFFSET = 1078;
constexpr uint32_t RAW_COLOURS_USED = 256;

int32_t Refuse(const char* fileName, const std::string& fault) {
  std::fprintf(stderr, "vaulmoor: %s: %s\n", fileName, fault.c_str());
  return 0;
}

// True when the file's colour table repeats the current palette entry for entry.
bool TableMatchesPalette(const BitmapImage& image) {
  const size_t entries = image.colourTable.size() / 3;
  if (entries == 0 || entries > 256) return false;
  for (size_t i = 0; i < entries; ++i) {
    const uint8_t* colour = &image.colourTable[i * 3];
    const PaletteEntry& entry = PaletteEntries[i];
    if (colour[0] != entry.red || colour[1] != entry.green || colour[2] != entry.blue) return false;
  }
  return true;
}

// The palette index of every pixel: the file's own indices when its colour
// table is the current palette, otherwise the nearest palette colour.
std::vector<uint8_t> PaletteIndices(const BitmapImage& image) {
  if (TableMatchesPalette(image)) return image.indices;
  const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  std::vector<uint8_t> result(pixels);
  if (!image.indices.empty()) {
    uint8_t mapped[256];
    for (size_t i = 0; i < image.colourTable.size() / 3; ++i)
      mapped[i] = NearestPaletteIndex(image.colourTable[i * 3], image.colourTable[i * 3 + 1],
                                      image.colourTable[i * 3 + 2]);
    for (size_t p = 0; p < pixels; ++p) result[p] = mapped[image.indices[p]];
    return result;
  }
  // True-colour pictures have long runs of one colour: remember the last match.
  int32_t lastColour = -1;
  uint8_t lastIndex = 0;
  for (size_t p = 0; p < pixels; ++p) {
    const uint8_t* rgb = &image.rgb[p * 3];
    const int32_t colour = rgb[0] << 16 | rgb[1] << 8 | rgb[2];
    if (colour != lastColour) {
      lastColour = colour;
      lastIndex = NearestPaletteIndex(rgb[0], rgb[1], rgb[2]);
    }
    result[p] = lastIndex;
  }
  return result;
}

// Gives the slot a new surface of width x height and copies into it, through a
// lock, the top-left part of the picture's indices that fits. "" on success.
std::string FillSlot(int32_t slot, int32_t width, int32_t height, const uint8_t* indices,
                     int32_t pictureWidth, int32_t pictureHeight) {
  CreateSlotSurface(slot, width, height);
  Surface* surface = SlotSurface(slot);
  if (!surface)
    return "no sprite surface of " + std::to_string(width) + "x" + std::to_string(height);
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  if (Lock(surface, &pixels, &pitch) != DD_OK) return "sprite slot surface cannot be locked";
  const int32_t columns = std::min(pictureWidth, surface->width);
  const int32_t rows = std::min(pictureHeight, surface->height);
  for (int32_t y = 0; y < rows; ++y)
    std::memcpy(pixels + static_cast<ptrdiff_t>(y) * pitch,
                indices + static_cast<ptrdiff_t>(y) * pictureWidth, static_cast<size_t>(columns));
  Unlock(surface);
  return "";
}

std::string NoSuchSlot(int32_t slot) {
  return "sprite slot " + std::to_string(slot) + " does not exist";
}

}  // namespace

int32_t LoadBitmapToSlot(int32_t slot, const char* fileName, int32_t width, int32_t height) {
  if (!IsSlotNumber(slot)) return Refuse(fileName, NoSuchSlot(slot));
  BitmapImage image;
  const std::string fault = ReadBitmapFile(fileName, &image);
  if (!fault.empty()) {
    // A failed reload keeps the picture the slot already has; an empty slot
    // gets a cleared surface of the requested size. Either way the slot
    // counts as created once more, and the log says so.
    if (SlotSurface(slot))
      LogSlotCreated(slot);
    else
      CreateSlotSurface(slot, width, height);
    return Refuse(fileName, fault);
  }
  const std::vector<uint8_t> indices = PaletteIndices(image);
  const std::string copyFault =
      FillSlot(slot, width, height, indices.data(), image.width, image.height);
  return copyFault.empty() ? 1 : Refuse(fileName, copyFault);
}

int32_t LoadRawBitmapToSlot(int32_t slot, const char* fileName) {
  if (!IsSlotNumber(slot)) return Refuse(fileName, NoSuchSlot(slot));
  BitmapImage image;
  const std::string fault = ReadBitmapFile(fileName, &image);
  if (!fault.empty()) return Refuse(fileName, fault);
  if (image.pixelOffset != RAW_PIXEL_OFFSET || image.bitsPerPixel != 8)
    return Refuse(fileName, "not an 8-bit bitmap with its pixels at byte 1078");
  if (image.coloursUsed != RAW_COLOURS_USED) return Refuse(fileName, "colour count is not 256");
  const std::string copyFault =
      FillSlot(slot, image.width, image.height, image.indices.data(), image.width, image.height);
  return copyFault.empty() ? 1 : Refuse(fileName, copyFault);
}

}  // namespace gfx
