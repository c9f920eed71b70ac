// Filling sprite slots from bitmap files: colour-matched loads and raw index loads.
#include "gfx/slot_loading.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/bitmap_file.h"
#include "gfx/palette.h"
#include "gfx/slot_log.h"
#include "gfx/surfaces.h"

namespace gfx {
namespace {

int32_t Refuse(const char* fileName, const std::string& fault) {
  std::fprintf(stderr, "vaulmoor: %s: %s\n", fileName, fault.c_str());
  return 0;
}

// True when the file's colour table repeats the current palette entry for entry.
bool TableMatchesPalette(const platform::BitmapPicture& picture) {
  const size_t entries = picture.colourTable.size() / 3;
  if (entries == 0 || entries > 256) return false;
  for (size_t i = 0; i < entries; ++i) {
    const uint8_t* colour = &picture.colourTable[i * 3];
    const PaletteEntry& entry = PaletteEntries[i];
    if (colour[0] != entry.red || colour[1] != entry.green || colour[2] != entry.blue) return false;
  }
  return true;
}

// The palette index of every pixel: the file's own indices when its colour
// table is the current palette, otherwise the nearest palette colour.
std::vector<uint8_t> PaletteIndices(const platform::BitmapPicture& picture) {
  if (TableMatchesPalette(picture)) return picture.indices;
  const size_t pixels = static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height);
  std::vector<uint8_t> result(pixels);
  if (!picture.indices.empty()) {
    uint8_t mapped[256];
    for (size_t i = 0; i < picture.colourTable.size() / 3; ++i)
      mapped[i] = NearestPaletteIndex(picture.colourTable[i * 3], picture.colourTable[i * 3 + 1],
                                      picture.colourTable[i * 3 + 2]);
    for (size_t p = 0; p < pixels; ++p) result[p] = mapped[picture.indices[p]];
    return result;
  }
  // True-colour pictures have long runs of one colour: remember the last match.
  int32_t lastColour = -1;
  uint8_t lastIndex = 0;
  for (size_t p = 0; p < pixels; ++p) {
    const uint8_t* rgb = &picture.rgb[p * 3];
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

// The file's bytes decoded for a colour-matched load; "" or the fault.
std::string ReadSlotPicture(const char* fileName, platform::BitmapPicture* picture) {
  std::vector<uint8_t> bytes;
  const std::string fault = ReadBitmapBytes(fileName, &bytes);
  if (!fault.empty()) return fault;
  return DecodeSlotPicture(bytes.data(), bytes.size(), picture);
}

}  // namespace

std::string DecodeSlotPicture(const uint8_t* data, size_t size, platform::BitmapPicture* picture) {
  *picture = platform::BitmapPicture{};
  BitmapHeader header;
  std::string fault = ReadBitmapHeader(data, size, &header);
  if (fault.empty()) fault = platform::DecodeBitmapPicture(data, size, picture);
  if (fault.empty() && (picture->width != header.width || picture->height != header.height))
    fault = "decoded size differs from the headers";
  if (!fault.empty()) *picture = platform::BitmapPicture{};
  return fault;
}

int32_t LoadBitmapToSlot(int32_t slot, const char* fileName, int32_t width, int32_t height) {
  if (!IsSlotNumber(slot)) return Refuse(fileName, NoSuchSlot(slot));
  platform::BitmapPicture picture;
  const std::string fault = ReadSlotPicture(fileName, &picture);
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
  const std::vector<uint8_t> indices = PaletteIndices(picture);
  const std::string copyFault =
      FillSlot(slot, width, height, indices.data(), picture.width, picture.height);
  return copyFault.empty() ? 1 : Refuse(fileName, copyFault);
}

int32_t LoadRawBitmapToSlot(int32_t slot, const char* fileName) {
  if (!IsSlotNumber(slot)) return Refuse(fileName, NoSuchSlot(slot));
  std::vector<uint8_t> bytes;
  RawBitmap raw;
  std::string fault = ReadBitmapBytes(fileName, &bytes);
  if (fault.empty()) fault = DecodeRawBitmap(bytes.data(), bytes.size(), &raw);
  if (!fault.empty()) return Refuse(fileName, fault);
  const std::string copyFault =
      FillSlot(slot, raw.width, raw.height, raw.indices.data(), raw.width, raw.height);
  return copyFault.empty() ? 1 : Refuse(fileName, copyFault);
}

}  // namespace gfx
