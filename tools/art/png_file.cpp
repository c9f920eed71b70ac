// The PNG writer: signature, header, palette, transparency, the zlib-compressed
// rows (no filtering) and the end chunk, each chunk with its CRC.
#include "png_file.h"

#include <zlib.h>

#include <cstdio>
#include <vector>

namespace tools {

namespace {

void PutBig32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

// Appends one chunk: length, type, data and the CRC of type and data.
void PutChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data) {
  PutBig32(out, static_cast<uint32_t>(data.size()));
  const size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  const uLong crc =
      crc32(crc32(0L, Z_NULL, 0), out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
  PutBig32(out, static_cast<uint32_t>(crc));
}

}  // namespace

std::string WritePng8(const std::string& path, const Canvas& canvas, const uint8_t (*palette)[3]) {
  std::vector<uint8_t> header;
  PutBig32(header, static_cast<uint32_t>(canvas.width));
  PutBig32(header, static_cast<uint32_t>(canvas.height));
  // 8 bits per index, colour type 3 (indexed), deflate, no filtering, no interlace.
  header.insert(header.end(), {8, 3, 0, 0, 0});

  std::vector<uint8_t> colours;
  for (int i = 0; i < 256; ++i) colours.insert(colours.end(), palette[i], palette[i] + 3);
  // Alpha of index 0 only; the indices without an entry are opaque.
  const std::vector<uint8_t> transparency = {0};

  // Each row starts with its filter type, 0 (none).
  std::vector<uint8_t> rows;
  for (int32_t y = 0; y < canvas.height; ++y) {
    rows.push_back(0);
    const auto row = canvas.pixels.begin() + static_cast<ptrdiff_t>(y) * canvas.width;
    rows.insert(rows.end(), row, row + canvas.width);
  }
  uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()),
                Z_BEST_COMPRESSION) != Z_OK)
    return "cannot compress the picture";
  packed.resize(packedSize);

  std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(file, "IHDR", header);
  PutChunk(file, "PLTE", colours);
  PutChunk(file, "tRNS", transparency);
  PutChunk(file, "IDAT", packed);
  PutChunk(file, "IEND", {});

  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return "cannot create the file";
  const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
  if (std::fclose(out) != 0 || !written) return "write error";
  return "";
}

}  // namespace tools
