// Decoding bitmap files of every kind Windows reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A decoded picture, rows top row first.
struct BitmapPicture {
  int32_t width = 0;
  int32_t height = 0;
  // Files with a colour table (1, 4 and 8 bits per pixel): the table as red,
  // green, blue per entry (at most 256), and one table index per pixel, each
  // inside the table.
  std::vector<uint8_t> colourTable;
  std::vector<uint8_t> indices;
  // Files without one (16, 24 and 32 bits): red, green, blue per pixel, each
  // channel of a 16- or 32-bit pixel read by its mask, whatever its order and
  // width, and scaled to 0..255. An alpha channel is not kept.
  std::vector<uint8_t> rgb;
};

// Decodes the bytes of a bitmap file: uncompressed, run-length or bit-mask
// pixels of any depth, either row order. "" on success, else the reader's
// reason (the picture is then empty). Nothing outside data is read.
std::string DecodeBitmapPicture(const uint8_t* data, size_t size, BitmapPicture* picture);

}  // namespace platform
