// Reading and writing Windows bitmap (.bmp) files.
#include "gfx/bitmap_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace gfx {
namespace {

constexpr size_t FILE_HEADER_BYTES = 14;
constexpr uint32_t INFO_HEADER_BYTES = 40;
constexpr uint32_t LARGEST_INFO_HEADER = 124;  // the fifth version of the header

uint16_t ReadU16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t ReadU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
  PutU16(out, value & 0xFFFF);
  PutU16(out, value >> 16);
}

// Bytes per stored row: rows are padded to a multiple of four bytes.
uint64_t RowBytes(int64_t width, int64_t bitsPerPixel) {
  return static_cast<uint64_t>((width * bitsPerPixel + 31) / 32 * 4);
}

// Checks the headers and fills the image's size fields; "" when they hold.
std::string CheckHeaders(const uint8_t* data, size_t size, BitmapImage* image) {
  if (size < FILE_HEADER_BYTES + INFO_HEADER_BYTES) return "file too short for the headers";
  if (data[0] != 'B' || data[1] != 'M') return "not a bitmap file (no BM signature)";
  const uint32_t infoBytes = ReadU32(data + 14);
  if (infoBytes < INFO_HEADER_BYTES || infoBytes > LARGEST_INFO_HEADER)
    return "unsupported information header size " + std::to_string(infoBytes);
  if (FILE_HEADER_BYTES + infoBytes > size) return "information header runs past the end";
  const int64_t width = static_cast<int32_t>(ReadU32(data + 18));
  const int64_t rawHeight = static_cast<int32_t>(ReadU32(data + 22));
  const int64_t height = rawHeight < 0 ? -rawHeight : rawHeight;
  if (width <= 0 || height == 0 || width > BITMAP_MAX_SIDE || height > BITMAP_MAX_SIDE)
    return "unsupported image size " + std::to_string(width) + "x" + std::to_string(rawHeight);
  if (ReadU16(data + 26) != 1) return "plane count is not 1";
  const uint32_t bits = ReadU16(data + 28);
  if (bits != 4 && bits != 8 && bits != 24)
    return "unsupported bits per pixel " + std::to_string(bits);
  if (ReadU32(data + 30) != 0) return "compressed bitmaps are not supported";
  const uint32_t coloursUsed = ReadU32(data + 46);
  const uint64_t tableEntries = bits == 24 ? 0 : coloursUsed != 0 ? coloursUsed : 1u << bits;
  if (bits != 24 && tableEntries > (1u << bits))
    return "colour count " + std::to_string(coloursUsed) + " too large for the depth";
  const uint64_t tableEnd = FILE_HEADER_BYTES + infoBytes + tableEntries * 4;
  const uint64_t pixelOffset = ReadU32(data + 10);
  if (tableEnd > size) return "colour table runs past the end";
  if (pixelOffset < tableEnd) return "pixel data offset overlaps the headers";
  if (pixelOffset + RowBytes(width, bits) * static_cast<uint64_t>(height) > size)
    return "pixel data runs past the end";
  image->width = static_cast<int32_t>(width);
  image->height = static_cast<int32_t>(height);
  image->bitsPerPixel = static_cast<int32_t>(bits);
  image->topDown = rawHeight < 0;
  image->pixelOffset = static_cast<uint32_t>(pixelOffset);
  image->coloursUsed = coloursUsed;
  image->colourTable.resize(tableEntries * 3);
  const uint8_t* table = data + FILE_HEADER_BYTES + infoBytes;
  for (uint64_t i = 0; i < tableEntries; ++i) {
    image->colourTable[i * 3 + 0] = table[i * 4 + 2];
    image->colourTable[i * 3 + 1] = table[i * 4 + 1];
    image->colourTable[i * 3 + 2] = table[i * 4 + 0];
  }
  return "";
}

// Fills indices (paletted files) and rgb from the stored rows.
std::string DecodePixels(const uint8_t* data, BitmapImage* image) {
  const size_t width = static_cast<size_t>(image->width);
  const size_t height = static_cast<size_t>(image->height);
  const size_t entries = image->colourTable.size() / 3;
  const uint64_t rowBytes = RowBytes(image->width, image->bitsPerPixel);
  image->rgb.resize(width * height * 3);
  if (image->bitsPerPixel != 24) image->indices.resize(width * height);
  for (size_t y = 0; y < height; ++y) {
    const size_t storedRow = image->topDown ? y : height - 1 - y;
    const uint8_t* row = data + image->pixelOffset + storedRow * rowBytes;
    uint8_t* rgb = &image->rgb[y * width * 3];
    for (size_t x = 0; x < width; ++x, rgb += 3) {
      if (image->bitsPerPixel == 24) {
        rgb[0] = row[x * 3 + 2];
        rgb[1] = row[x * 3 + 1];
        rgb[2] = row[x * 3 + 0];
        continue;
      }
      const size_t index = image->bitsPerPixel == 8 ? row[x] : (row[x / 2] >> (x % 2 ? 0 : 4)) & 15;
      if (index >= entries) return "pixel index " + std::to_string(index) + " outside colour table";
      image->indices[y * width + x] = static_cast<uint8_t>(index);
      std::memcpy(rgb, &image->colourTable[index * 3], 3);
    }
  }
  return "";
}

}  // namespace

std::string DecodeBitmap(const uint8_t* data, size_t size, BitmapImage* image) {
  *image = BitmapImage{};
  std::string error = CheckHeaders(data, size, image);
  if (error.empty()) error = DecodePixels(data, image);
  if (!error.empty()) *image = BitmapImage{};
  return error;
}

std::string ReadBitmapFile(const char* path, BitmapImage* image) {
  *image = BitmapImage{};
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path, "rb"), std::fclose);
  if (!file) return std::string("cannot open: ") + std::strerror(errno);
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
    if (bytes.size() + got > BITMAP_MAX_FILE_BYTES) return "file too large";
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  if (std::ferror(file.get())) return std::string("cannot read: ") + std::strerror(errno);
  return DecodeBitmap(bytes.data(), bytes.size(), image);
}

std::vector<uint8_t> EncodeBitmap8(int32_t width, int32_t height, const uint8_t* pixels,
                                   int32_t pitch, const uint8_t (*paletteRgb)[3]) {
  if (width <= 0 || height <= 0 || width > BITMAP_MAX_SIDE || height > BITMAP_MAX_SIDE) return {};
  const uint32_t rowBytes = static_cast<uint32_t>(RowBytes(width, 8));
  const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
  const uint32_t pixelOffset = FILE_HEADER_BYTES + INFO_HEADER_BYTES + 256 * 4;
  std::vector<uint8_t> out;
  out.reserve(pixelOffset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, pixelOffset + imageBytes);  // file size
  PutU32(out, 0);                         // two reserved words
  PutU32(out, pixelOffset);
  PutU32(out, INFO_HEADER_BYTES);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));  // positive: bottom row first
  PutU16(out, 1);                              // planes
  PutU16(out, 8);                              // bits per pixel
  PutU32(out, 0);                              // no compression
  PutU32(out, imageBytes);
  PutU32(out, 0);  // horizontal resolution
  PutU32(out, 0);  // vertical resolution
  PutU32(out, 256);
  PutU32(out, 1);  // important colours
  for (int i = 0; i < 256; ++i) {
    out.push_back(paletteRgb[i][2]);
    out.push_back(paletteRgb[i][1]);
    out.push_back(paletteRgb[i][0]);
    out.push_back(0);
  }
  for (int32_t y = height - 1; y >= 0; --y) {
    const uint8_t* row = pixels + static_cast<ptrdiff_t>(y) * pitch;
    out.insert(out.end(), row, row + width);
    out.resize(out.size() + (rowBytes - static_cast<uint32_t>(width)), 0);
  }
  return out;
}

std::string WriteBitmap8(const char* path, int32_t width, int32_t height, const uint8_t* pixels,
                         int32_t pitch, const uint8_t (*paletteRgb)[3]) {
  const std::vector<uint8_t> bytes = EncodeBitmap8(width, height, pixels, pitch, paletteRgb);
  if (bytes.empty()) return "unsupported image size";
  std::FILE* file = std::fopen(path, "wb");
  if (!file) return std::string("cannot create: ") + std::strerror(errno);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) return "write error";
  return "";
}

}  // namespace gfx
