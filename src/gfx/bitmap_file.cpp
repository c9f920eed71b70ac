// Reading and writing Windows bitmap (.bmp) files.
#include "gfx/bitmap_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/whole_file.h"

namespace gfx {
namespace {

constexpr size_t FILE_HEADER_BYTES = 14;
constexpr uint32_t CORE_HEADER_BYTES = 12;
constexpr uint32_t INFO_HEADER_BYTES = 40;
constexpr uint32_t LARGEST_INFO_HEADER = 124;  // the fifth version of the header
// Red, green and blue masks follow a 40-byte header in a bit-mask file; later
// headers hold them inside.
constexpr uint32_t MASK_BYTES = 12;

constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_RLE8 = 1;
constexpr uint32_t BI_RLE4 = 2;
constexpr uint32_t BI_BITFIELDS = 3;

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

std::string SizeFault(int64_t width, int64_t height) {
  return "unsupported image size " + std::to_string(width) + "x" + std::to_string(height);
}

bool SizeFits(int64_t width, int64_t height) {
  return width > 0 && height > 0 && width <= BITMAP_MAX_SIDE && height <= BITMAP_MAX_SIDE;
}

bool IsRunLength(uint32_t compression) {
  return compression == BI_RLE8 || compression == BI_RLE4;
}

// Run-length coding exists for 8 and 4 bits only, bit masks for 16 and 32.
bool CompressionFits(uint32_t compression, uint32_t bits) {
  switch (compression) {
    case BI_RGB:
      return true;
    case BI_RLE8:
      return bits == 8;
    case BI_RLE4:
      return bits == 4;
    case BI_BITFIELDS:
      return bits == 16 || bits == 32;
    default:
      return false;
  }
}

// The size, depth and compression fields of the information header at `info`.
std::string ReadImageFields(const uint8_t* info, BitmapHeader* h) {
  int64_t width, rawHeight;
  if (h->infoBytes == CORE_HEADER_BYTES) {
    width = ReadU16(info + 4);
    rawHeight = ReadU16(info + 6);
    h->planes = ReadU16(info + 8);
    h->bitsPerPixel = ReadU16(info + 10);
  } else {
    width = static_cast<int32_t>(ReadU32(info + 4));
    rawHeight = static_cast<int32_t>(ReadU32(info + 8));
    h->planes = ReadU16(info + 12);
    h->bitsPerPixel = ReadU16(info + 14);
    h->compression = ReadU32(info + 16);
    h->coloursUsed = ReadU32(info + 32);
  }
  const int64_t height = rawHeight < 0 ? -rawHeight : rawHeight;
  if (!SizeFits(width, height) || width * height > BITMAP_MAX_PIXELS)
    return SizeFault(width, rawHeight);
  h->width = static_cast<int32_t>(width);
  h->height = static_cast<int32_t>(height);
  h->topDown = rawHeight < 0;
  const uint32_t bits = h->bitsPerPixel;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    return "unsupported bits per pixel " + std::to_string(bits);
  if (h->compression > BI_BITFIELDS)
    return "unsupported compression " + std::to_string(h->compression);
  if (!CompressionFits(h->compression, bits))
    return "compression " + std::to_string(h->compression) + " does not go with " +
           std::to_string(bits) + " bits per pixel";
  if (IsRunLength(h->compression) && h->topDown)
    return "a compressed bitmap cannot store its top row first";
  return "";
}

// The kinds DecodeBitmap reads itself.
std::string CheckOwnKind(const BitmapHeader& h) {
  if (h.infoBytes < INFO_HEADER_BYTES)
    return "unsupported information header size " + std::to_string(h.infoBytes);
  if (h.planes != 1) return "plane count is not 1";
  if (h.bitsPerPixel != 4 && h.bitsPerPixel != 8 && h.bitsPerPixel != 24)
    return "unsupported bits per pixel " + std::to_string(h.bitsPerPixel);
  if (h.compression != BI_RGB) return "compressed bitmaps are not supported";
  return "";
}

// Fills the image's size fields and colour table from checked headers.
void TakeHeader(const uint8_t* data, const BitmapHeader& h, BitmapImage* image) {
  image->width = h.width;
  image->height = h.height;
  image->bitsPerPixel = h.bitsPerPixel;
  image->topDown = h.topDown;
  image->pixelOffset = h.pixelOffset;
  image->coloursUsed = h.coloursUsed;
  image->colourTable.resize(size_t{h.tableEntries} * 3);
  const uint8_t* table = data + FILE_HEADER_BYTES + h.infoBytes;
  for (size_t i = 0; i < h.tableEntries; ++i) {
    image->colourTable[i * 3 + 0] = table[i * 4 + 2];
    image->colourTable[i * 3 + 1] = table[i * 4 + 1];
    image->colourTable[i * 3 + 2] = table[i * 4 + 0];
  }
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

std::string ReadBitmapHeader(const uint8_t* data, size_t size, BitmapHeader* header) {
  *header = BitmapHeader{};
  if (size < FILE_HEADER_BYTES + 4) return "file too short for the headers";
  if (data[0] != 'B' || data[1] != 'M') return "not a bitmap file (no BM signature)";
  BitmapHeader h;
  h.infoBytes = ReadU32(data + FILE_HEADER_BYTES);
  if (h.infoBytes != CORE_HEADER_BYTES &&
      (h.infoBytes < INFO_HEADER_BYTES || h.infoBytes > LARGEST_INFO_HEADER))
    return "unsupported information header size " + std::to_string(h.infoBytes);
  if (FILE_HEADER_BYTES + h.infoBytes > size) return "information header runs past the end";
  const uint8_t* info = data + FILE_HEADER_BYTES;
  if (std::string fault = ReadImageFields(info, &h); !fault.empty()) return fault;
  // The colour table of a paletted file (three bytes an entry after the core
  // header, four after the others), or the masks of a bit-mask file.
  uint64_t tableBytes = 0;
  if (h.bitsPerPixel <= 8) {
    const uint32_t most = 1u << h.bitsPerPixel;
    if (h.coloursUsed > most)
      return "colour count " + std::to_string(h.coloursUsed) + " too large for the depth";
    h.tableEntries = h.coloursUsed != 0 ? h.coloursUsed : most;
    tableBytes = uint64_t{h.tableEntries} * (h.infoBytes == CORE_HEADER_BYTES ? 3 : 4);
  } else if (h.compression == BI_BITFIELDS && h.infoBytes == INFO_HEADER_BYTES) {
    tableBytes = MASK_BYTES;
  }
  const uint64_t tableEnd = FILE_HEADER_BYTES + h.infoBytes + tableBytes;
  if (tableEnd > size) return "colour table runs past the end";
  h.pixelOffset = ReadU32(data + 10);
  if (h.pixelOffset < tableEnd) return "pixel data offset overlaps the headers";
  // Compressed data states its size; the decoder stops at the end of the file
  // whatever the codes say.
  const uint64_t pixelBytes = IsRunLength(h.compression)
                                  ? uint64_t{ReadU32(info + 20)}
                                  : RowBytes(h.width, h.bitsPerPixel) * uint64_t(h.height);
  if (h.pixelOffset + pixelBytes > size) return "pixel data runs past the end";
  *header = h;
  return "";
}

std::string DecodeBitmap(const uint8_t* data, size_t size, BitmapImage* image) {
  *image = BitmapImage{};
  BitmapHeader header;
  std::string error = ReadBitmapHeader(data, size, &header);
  if (error.empty()) error = CheckOwnKind(header);
  if (error.empty()) {
    TakeHeader(data, header, image);
    error = DecodePixels(data, image);
  }
  if (!error.empty()) *image = BitmapImage{};
  return error;
}

std::string ReadBitmapBytes(const char* path, std::vector<uint8_t>* bytes) {
  std::string text, problem;
  const bool read = platform::ReadWholeFile(path, BITMAP_MAX_FILE_BYTES, &text, &problem) ==
                    platform::WholeFile::Read;
  bytes->assign(text.begin(), text.end());
  return read ? "" : problem;
}

std::string ReadBitmapFile(const char* path, BitmapImage* image) {
  *image = BitmapImage{};
  std::vector<uint8_t> bytes;
  const std::string fault = ReadBitmapBytes(path, &bytes);
  if (!fault.empty()) return fault;
  return DecodeBitmap(bytes.data(), bytes.size(), image);
}

std::string DecodeRawBitmap(const uint8_t* data, size_t size, RawBitmap* raw) {
  *raw = RawBitmap{};
  if (size < FILE_HEADER_BYTES + INFO_HEADER_BYTES) return "file too short for the headers";
  if (ReadU32(data + 10) != RAW_PIXEL_OFFSET) return "pixel data does not start at byte 1078";
  if (ReadU32(data + 46) != RAW_COLOURS_USED) return "colour count is not 256";
  const int64_t width = static_cast<int32_t>(ReadU32(data + 18));
  const int64_t rawHeight = static_cast<int32_t>(ReadU32(data + 22));
  const int64_t height = rawHeight < 0 ? -rawHeight : rawHeight;
  if (!SizeFits(width, height)) return SizeFault(width, rawHeight);
  const uint64_t rowBytes = RowBytes(width, 8);
  if (RAW_PIXEL_OFFSET + rowBytes * uint64_t(height) > size) return "pixel data runs past the end";
  raw->width = static_cast<int32_t>(width);
  raw->height = static_cast<int32_t>(height);
  raw->indices.resize(static_cast<size_t>(width * height));
  for (int64_t y = 0; y < height; ++y) {
    const int64_t storedRow = rawHeight < 0 ? y : height - 1 - y;
    std::memcpy(&raw->indices[static_cast<size_t>(y * width)],
                data + RAW_PIXEL_OFFSET + static_cast<uint64_t>(storedRow) * rowBytes,
                static_cast<size_t>(width));
  }
  return "";
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
