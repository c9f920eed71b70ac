// Reading and writing Windows bitmap (.bmp) files: a careful reader for the
// uncompressed 4-, 8- and 24-bit kinds and the 8-bit writer used for screenshots.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace gfx {

// A decoded bitmap. Rows are stored top row first whatever the file's row order.
struct BitmapImage {
  int32_t width = 0;
  int32_t height = 0;        // always positive here; topDown tells the file's order
  int32_t bitsPerPixel = 0;  // 4, 8 or 24, as stored in the file
  bool topDown = false;      // the file stored its top row first (negative height)
  uint32_t pixelOffset = 0;  // file header field: where the pixel rows start
  uint32_t coloursUsed = 0;  // information header field as written (0 means "all")
  // Colour table of a 4- or 8-bit file as red, green, blue (empty for 24-bit).
  std::vector<uint8_t> colourTable;  // 3 bytes per entry
  // For 4- and 8-bit files: one colour-table index per pixel, width * height.
  std::vector<uint8_t> indices;
  // For every file: red, green, blue per pixel, width * height * 3.
  std::vector<uint8_t> rgb;
};

// Largest width or height the reader accepts; bigger files are refused.
constexpr int32_t BITMAP_MAX_SIDE = 16384;
// Largest file the reader loads into memory.
constexpr size_t BITMAP_MAX_FILE_BYTES = 64u * 1024u * 1024u;

// Decodes bitmap file bytes. Returns "" on success, else a short text saying
// what is wrong (the image is then left empty). Every header field is checked
// against the data size; nothing is read past the end.
std::string DecodeBitmap(const uint8_t* data, size_t size, BitmapImage* image);
// Reads and decodes a bitmap file; the error text names the fault (not the path).
std::string ReadBitmapFile(const char* path, BitmapImage* image);

// Encodes an 8-bit bitmap: 14-byte file header, 40-byte information header
// (planes 1, no compression, resolution 0, 256 colours used, 1 important),
// 256 colour entries (blue, green, red, 0) from paletteRgb (256 red, green, blue
// triples), then the rows bottom row first, each padded with zeros to a multiple
// of 4 bytes. pixels holds height rows of width indices, row y at y * pitch.
// For 320 x 240 this is the 77878-byte screenshot file. Empty when a side is
// not in 1..BITMAP_MAX_SIDE.
std::vector<uint8_t> EncodeBitmap8(int32_t width, int32_t height, const uint8_t* pixels,
                                   int32_t pitch, const uint8_t (*paletteRgb)[3]);
// Writes EncodeBitmap8's bytes to path. Returns "" on success, else the fault.
std::string WriteBitmap8(const char* path, int32_t width, int32_t height, const uint8_t* pixels,
                         int32_t pitch, const uint8_t (*paletteRgb)[3]);

}  // namespace gfx
