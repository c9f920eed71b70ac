// Reading and writing Windows bitmap (.bmp) files: header checks against the
// file's size for every kind, a careful reader for the uncompressed 4-, 8- and
// 24-bit kinds, the raw 8-bit index reader and the 8-bit writer used for
// screenshots.
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

// Largest width or height the readers accept; bigger files are refused.
constexpr int32_t BITMAP_MAX_SIDE = 16384;
// Largest number of pixels (width times height) of a file: a compressed or
// 1-bit file may claim a picture far larger than itself.
constexpr int64_t BITMAP_MAX_PIXELS = 4096 * 4096;
// Largest file the readers load into memory.
constexpr size_t BITMAP_MAX_FILE_BYTES = 64u * 1024u * 1024u;

// What the headers of a bitmap file say.
struct BitmapHeader {
  uint32_t infoBytes = 0;  // 12 (the old core header) or 40..124
  int32_t width = 0;
  int32_t height = 0;  // always positive; topDown tells the file's row order
  bool topDown = false;
  uint16_t planes = 0;
  uint16_t bitsPerPixel = 0;  // 1, 4, 8, 16, 24 or 32
  uint32_t compression = 0;   // 0 none, 1 run-length 8-bit, 2 run-length 4-bit, 3 bit masks
  uint32_t coloursUsed = 0;   // as written (0 means "all")
  uint32_t tableEntries = 0;  // colour table entries of a 1-, 4- or 8-bit file
  uint32_t pixelOffset = 0;
};

// Reads the headers of any kind of bitmap file Windows itself reads (every
// depth, run-length and bit-mask files, the old core header) and checks that
// what they describe lies inside the file: the headers, the colour table and
// the pixel rows, or for a compressed file its stated data size. A size beyond
// BITMAP_MAX_SIDE or BITMAP_MAX_PIXELS is refused. "" when they hold, else a
// short text saying what is wrong. Nothing is read past the end.
std::string ReadBitmapHeader(const uint8_t* data, size_t size, BitmapHeader* header);

// Decodes bitmap file bytes of the uncompressed 4-, 8- and 24-bit kinds.
// Returns "" on success, else a short text saying what is wrong (the image is
// then left empty). Every header field is checked against the data size;
// nothing is read past the end.
std::string DecodeBitmap(const uint8_t* data, size_t size, BitmapImage* image);
// Reads a whole bitmap file into bytes (at most BITMAP_MAX_FILE_BYTES); "" on
// success, else the fault (not the path).
std::string ReadBitmapBytes(const char* path, std::vector<uint8_t>* bytes);
// Reads and decodes a bitmap file; the error text names the fault (not the path).
std::string ReadBitmapFile(const char* path, BitmapImage* image);

// The pixel indices of a file read the raw way: rows of one byte per pixel
// from byte RAW_PIXEL_OFFSET, bottom row first unless the height is negative.
struct RawBitmap {
  int32_t width = 0;
  int32_t height = 0;            // always positive
  std::vector<uint8_t> indices;  // width * height, top row first
};
constexpr uint32_t RAW_PIXEL_OFFSET = 1078;
constexpr uint32_t RAW_COLOURS_USED = 256;
// Refuses a file whose pixel data offset is not RAW_PIXEL_OFFSET or whose
// colour count is not RAW_COLOURS_USED, and whatever could not be read safely:
// headers or rows past the end of the file, a size outside 1..BITMAP_MAX_SIDE.
// Nothing else in the headers is looked at (signature, header size, planes,
// depth, compression, the colour table): the rows are taken as 8-bit indices.
std::string DecodeRawBitmap(const uint8_t* data, size_t size, RawBitmap* raw);

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
