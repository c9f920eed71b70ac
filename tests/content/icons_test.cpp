// Checks the desktop icons the build draws: PNG files whose colours are the
// game's palette with index 0 transparent, each the Edam of the game's board
// sheet scaled up by whole pixels, as large as fits and centred.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "art_palette.h"
#include "content_test_support.h"
#include "gfx/bitmap_file.h"
#include "sheets.h"

namespace {

struct IndexedPicture {
  int32_t width = 0, height = 0;
  std::vector<uint8_t> palette;  // red, green, blue per entry
  std::vector<uint8_t> alpha;    // tRNS: alpha of the first entries
  std::vector<uint8_t> pixels;   // row y at y * width
};

uint32_t Big32(const std::vector<uint8_t>& bytes, size_t at) {
  return uint32_t{bytes[at]} << 24 | uint32_t{bytes[at + 1]} << 16 | uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

// Reads an 8-bit indexed PNG, checking every chunk's CRC; rows must be unfiltered.
IndexedPicture ReadIndexedPng(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<uint8_t> file{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
  IndexedPicture picture;
  const std::vector<uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(file.size() > 8 && std::equal(signature.begin(), signature.end(), file.begin()))
      << path;
  std::vector<uint8_t> packed;
  for (size_t at = 8; at + 12 <= file.size();) {
    const uint32_t length = Big32(file, at);
    if (at + 12 + length > file.size()) break;
    const std::string type(file.begin() + at + 4, file.begin() + at + 8);
    const std::vector<uint8_t> data(file.begin() + at + 8, file.begin() + at + 8 + length);
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), &file[at + 4], length + 4);
    EXPECT_EQ(crc, Big32(file, at + 8 + length)) << path << " " << type;
    if (type == "IHDR") {
      picture.width = static_cast<int32_t>(Big32(data, 0));
      picture.height = static_cast<int32_t>(Big32(data, 4));
      EXPECT_EQ(std::vector<uint8_t>(data.begin() + 8, data.end()),
                (std::vector<uint8_t>{8, 3, 0, 0, 0}))
          << path << ": not 8-bit indexed, deflated, unfiltered and not interlaced";
    } else if (type == "PLTE") {
      picture.palette = data;
    } else if (type == "tRNS") {
      picture.alpha = data;
    } else if (type == "IDAT") {
      packed.insert(packed.end(), data.begin(), data.end());
    }
    at += 12 + length;
  }
  std::vector<uint8_t> rows(static_cast<size_t>(picture.width + 1) * picture.height);
  uLongf size = rows.size();
  EXPECT_EQ(uncompress(rows.data(), &size, packed.data(), packed.size()), Z_OK) << path;
  EXPECT_EQ(size, rows.size()) << path;
  for (int32_t y = 0; y < picture.height; ++y) {
    const auto row = rows.begin() + static_cast<ptrdiff_t>(y) * (picture.width + 1);
    EXPECT_EQ(*row, 0) << path << ": row " << y << " is filtered";
    picture.pixels.insert(picture.pixels.end(), row + 1, row + 1 + picture.width);
  }
  return picture;
}

using content_test::Bounds;
using content_test::OpaqueBounds;

TEST(Icons, TheBoardSheetsEdamScaledByWholePixels) {
  gfx::BitmapImage sheet;
  ASSERT_EQ(gfx::ReadBitmapFile(VAULMOOR_DATA_DIR "/graphic1.bmp", &sheet), "");
  // The Edam is the second cheese, in the second row of 24-pixel cells.
  auto cheese = [&](int32_t x, int32_t y) {
    return sheet.indices[(24 + y) * sheet.width + 24 + x];
  };
  const Bounds art = OpaqueBounds(24, 24, cheese);
  const int32_t artWidth = art.right - art.left, artHeight = art.bottom - art.top;
  ASSERT_GT(artWidth, 12);
  ASSERT_GT(artHeight, 12);

  uint8_t palette[256][3];
  tools::BuildPalette(palette);
  for (int32_t size : tools::ICON_SIZES) {
    SCOPED_TRACE(size);
    const IndexedPicture icon =
        ReadIndexedPng(VAULMOOR_ICON_DIR "/icon-" + std::to_string(size) + ".png");
    ASSERT_EQ(icon.width, size);
    ASSERT_EQ(icon.height, size);
    EXPECT_EQ(icon.palette, std::vector<uint8_t>(&palette[0][0], &palette[0][0] + 768));
    EXPECT_EQ(icon.alpha, std::vector<uint8_t>{0});  // index 0 clear, the rest opaque

    // The largest whole scale that fits, centred to within a pixel.
    const int32_t scale = size / std::max(artWidth, artHeight);
    const Bounds drawn =
        OpaqueBounds(size, size, [&](int32_t x, int32_t y) { return icon.pixels[y * size + x]; });
    EXPECT_EQ(drawn.right - drawn.left, artWidth * scale);
    EXPECT_EQ(drawn.bottom - drawn.top, artHeight * scale);
    EXPECT_LE(std::abs(drawn.left - (size - drawn.right)), 1);
    EXPECT_LE(std::abs(drawn.top - (size - drawn.bottom)), 1);
    // Every pixel is the sheet's pixel it covers; clear everywhere else.
    for (int32_t y = 0; y < size; ++y)
      for (int32_t x = 0; x < size; ++x) {
        const bool inside =
            x >= drawn.left && x < drawn.right && y >= drawn.top && y < drawn.bottom;
        const uint8_t expected =
            inside ? cheese(art.left + (x - drawn.left) / scale, art.top + (y - drawn.top) / scale)
                   : 0;
        ASSERT_EQ(icon.pixels[y * size + x], expected) << x << "," << y;
      }
  }
}

}  // namespace
