// Tests of the bitmap file reader and the 8-bit writer.
#include "gfx/bitmap_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "gfx_test_support.h"

namespace {

using gfxtest::BitmapLayout;
using gfxtest::MakeBitmap;

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
         static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

uint16_t U16At(const std::vector<uint8_t>& bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::string Decode(const std::vector<uint8_t>& bytes, gfx::BitmapImage* image) {
  return gfx::DecodeBitmap(bytes.data(), bytes.size(), image);
}

TEST(BitmapWriter, ScreenSizedFileHasTheScreenshotLayout) {
  std::vector<uint8_t> pixels(320 * 240, 0);
  pixels[0] = 5;          // top-left
  pixels[319] = 6;        // top-right
  pixels[239 * 320] = 7;  // bottom-left
  const gfxtest::Palette palette = gfxtest::VariedPalette(1);
  const std::vector<uint8_t> file = gfx::EncodeBitmap8(320, 240, pixels.data(), 320, palette.rgb);
  ASSERT_EQ(file.size(), 77878u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  const struct {
    size_t offset;
    uint32_t value;
  } fields[] = {{2, 77878},  {10, 1078}, {14, 40}, {18, 320}, {22, 240}, {30, 0},
                {34, 76800}, {38, 0},    {42, 0},  {46, 256}, {50, 1}};
  for (const auto& field : fields)
    EXPECT_EQ(U32At(file, field.offset), field.value) << field.offset;
  EXPECT_EQ(U32At(file, 6), 0u);
  EXPECT_EQ(U16At(file, 26), 1);
  EXPECT_EQ(U16At(file, 28), 8);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(file[54 + 4 * i + 0], palette.rgb[i][2]);
    EXPECT_EQ(file[54 + 4 * i + 1], palette.rgb[i][1]);
    EXPECT_EQ(file[54 + 4 * i + 2], palette.rgb[i][0]);
    EXPECT_EQ(file[54 + 4 * i + 3], 0);
  }
  EXPECT_EQ(file[77558], 5);  // screen row 0 is the last file row
  EXPECT_EQ(file[77558 + 319], 6);
  EXPECT_EQ(file[1078], 7);  // screen row 239 is the first file row
}

TEST(BitmapWriter, HonoursPitchAndPadsRowsToFourBytes) {
  // 3 x 2 picture held with a pitch of 8; rows in the file take 4 bytes.
  const uint8_t pixels[16] = {1, 2, 3, 99, 99, 99, 99, 99, 4, 5, 6, 99, 99, 99, 99, 99};
  gfxtest::Palette palette;
  const std::vector<uint8_t> file = gfx::EncodeBitmap8(3, 2, pixels, 8, palette.rgb);
  ASSERT_EQ(file.size(), 1078u + 8u);
  EXPECT_EQ(U32At(file, 2), 1086u);
  EXPECT_EQ(U32At(file, 34), 8u);
  const std::vector<uint8_t> rows(file.begin() + 1078, file.end());
  EXPECT_EQ(rows, (std::vector<uint8_t>{4, 5, 6, 0, 1, 2, 3, 0}));
}

TEST(BitmapWriter, WrittenFileReadsBackWithItsIndicesAndColours) {
  gfxtest::TempDir dir;
  const gfxtest::Palette palette = gfxtest::VariedPalette(2);
  std::vector<uint8_t> pixels(7 * 5);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i * 37 + 1);
  ASSERT_EQ(gfx::WriteBitmap8(dir.File("a.bmp").c_str(), 7, 5, pixels.data(), 7, palette.rgb), "");
  gfx::BitmapImage image;
  ASSERT_EQ(gfx::ReadBitmapFile(dir.File("a.bmp").c_str(), &image), "");
  EXPECT_EQ(image.width, 7);
  EXPECT_EQ(image.height, 5);
  EXPECT_EQ(image.bitsPerPixel, 8);
  EXPECT_EQ(image.pixelOffset, 1078u);
  EXPECT_EQ(image.coloursUsed, 256u);
  EXPECT_EQ(image.indices, pixels);
  for (size_t i = 0; i < pixels.size(); ++i)
    for (int c = 0; c < 3; ++c) EXPECT_EQ(image.rgb[i * 3 + c], palette.rgb[pixels[i]][c]);
}

TEST(BitmapWriter, RefusesSizesItCannotWrite) {
  gfxtest::TempDir dir;
  gfxtest::Palette palette;
  const uint8_t pixel = 0;
  EXPECT_TRUE(gfx::EncodeBitmap8(0, 1, &pixel, 1, palette.rgb).empty());
  EXPECT_TRUE(gfx::EncodeBitmap8(1, -1, &pixel, 1, palette.rgb).empty());
  EXPECT_NE(gfx::WriteBitmap8(dir.File("x.bmp").c_str(), 0, 1, &pixel, 1, palette.rgb), "");
  EXPECT_NE(gfx::WriteBitmap8(dir.File("no/such/dir.bmp").c_str(), 1, 1, &pixel, 1, palette.rgb),
            "");
}

TEST(BitmapReader, ReadsBottomUpAndTopDownRowsOfEachDepth) {
  // The same 3 x 2 picture stored in 4-, 8- and 24-bit files, both row orders.
  const uint8_t top[3] = {1, 2, 3}, bottom[3] = {3, 0, 1};
  const std::vector<uint8_t> table = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120};
  for (int bits : {4, 8, 24}) {
    for (bool topDown : {false, true}) {
      BitmapLayout layout;
      layout.width = 3;
      layout.height = topDown ? -2 : 2;
      layout.bitsPerPixel = static_cast<uint16_t>(bits);
      layout.tableEntries = bits == 24 ? 0 : 4;
      layout.coloursUsed = bits == 24 ? 0 : 4;
      layout.tableRgb = table;
      std::vector<uint8_t> stored[2];
      for (int r = 0; r < 2; ++r) {
        const uint8_t* row = r == 0 ? top : bottom;
        if (bits == 4)
          stored[r] = {static_cast<uint8_t>(row[0] << 4 | row[1]),
                       static_cast<uint8_t>(row[2] << 4), 0, 0};
        if (bits == 8) stored[r] = {row[0], row[1], row[2], 0};
        if (bits == 24) {
          for (int x = 0; x < 3; ++x)
            for (int c = 2; c >= 0; --c) stored[r].push_back(table[row[x] * 3 + c]);
          stored[r].resize(12, 0);
        }
      }
      const std::vector<uint8_t>& first = topDown ? stored[0] : stored[1];
      const std::vector<uint8_t>& second = topDown ? stored[1] : stored[0];
      layout.rows = first;
      layout.rows.insert(layout.rows.end(), second.begin(), second.end());
      gfx::BitmapImage image;
      ASSERT_EQ(Decode(MakeBitmap(layout), &image), "") << bits << " bits";
      EXPECT_EQ(image.topDown, topDown);
      EXPECT_EQ(image.bitsPerPixel, bits);
      const uint8_t expected[6] = {1, 2, 3, 3, 0, 1};
      for (int p = 0; p < 6; ++p) {
        for (int c = 0; c < 3; ++c)
          EXPECT_EQ(image.rgb[p * 3 + c], table[expected[p] * 3 + c])
              << bits << " bits pixel " << p;
        if (bits != 24) {
          EXPECT_EQ(image.indices[p], expected[p]) << bits << " bits pixel " << p;
        }
      }
      EXPECT_EQ(image.indices.empty(), bits == 24);
    }
  }
}

TEST(BitmapReader, ColourCountZeroMeansAFullTable) {
  BitmapLayout layout;
  layout.coloursUsed = 0;
  layout.tableEntries = 256;
  layout.tableRgb.assign(256 * 3, 0);
  layout.tableRgb[255 * 3] = 200;
  layout.rows = {255, 0, 0, 0};
  gfx::BitmapImage image;
  ASSERT_EQ(Decode(MakeBitmap(layout), &image), "");
  EXPECT_EQ(image.indices[0], 255);
  EXPECT_EQ(image.rgb[0], 200);
}

TEST(BitmapReader, RefusesEveryTruncationOfAValidFile) {
  BitmapLayout layout;
  layout.width = 5;
  layout.height = 3;
  layout.rows = gfxtest::Rows8({{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {11, 12, 13, 14, 15}});
  const std::vector<uint8_t> whole = MakeBitmap(layout);
  gfx::BitmapImage image;
  ASSERT_EQ(Decode(whole, &image), "");
  for (size_t size = 0; size < whole.size(); ++size) {
    const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(size));
    EXPECT_NE(Decode(cut, &image), "") << "cut to " << size << " bytes";
    EXPECT_EQ(image.width, 0);
    EXPECT_TRUE(image.rgb.empty());
  }
}

TEST(BitmapReader, RefusesBadHeaderFields) {
  const auto valid = [] {
    BitmapLayout layout;
    layout.width = 2;
    layout.height = 2;
    layout.rows = {1, 2, 0, 0, 3, 4, 0, 0};
    return layout;
  };
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases;
  auto with = [&](const char* what, auto change) {
    BitmapLayout layout = valid();
    change(layout);
    cases.push_back({what, MakeBitmap(layout)});
  };
  with("zero width", [](BitmapLayout& s) { s.width = 0; });
  with("negative width", [](BitmapLayout& s) { s.width = -2; });
  with("zero height", [](BitmapLayout& s) { s.height = 0; });
  with("huge width", [](BitmapLayout& s) { s.width = 0x7FFFFFFF; });
  with("huge height", [](BitmapLayout& s) { s.height = static_cast<int32_t>(0x80000000u); });
  with("16 bits", [](BitmapLayout& s) { s.bitsPerPixel = 16; });
  with("1 bit", [](BitmapLayout& s) { s.bitsPerPixel = 1; });
  with("run-length compressed", [](BitmapLayout& s) { s.compression = 1; });
  with("too many colours", [](BitmapLayout& s) { s.coloursUsed = 257; });
  with("old core header", [](BitmapLayout& s) { s.infoHeaderBytes = 12; });
  with("index outside the table", [](BitmapLayout& s) {
    s.coloursUsed = 2;
    s.tableEntries = 2;
  });
  std::vector<uint8_t> signature = MakeBitmap(valid());
  signature[0] = 'X';
  cases.push_back({"no signature", signature});
  std::vector<uint8_t> farOffset = MakeBitmap(valid());
  farOffset[10] = 0xFF;
  farOffset[11] = 0xFF;
  farOffset[12] = 0xFF;
  farOffset[13] = 0xFF;
  cases.push_back({"pixel offset past the end", farOffset});
  std::vector<uint8_t> lowOffset = MakeBitmap(valid());
  lowOffset[10] = 20;
  lowOffset[11] = 0;
  cases.push_back({"pixel offset inside the headers", lowOffset});
  std::vector<uint8_t> hugeHeader = MakeBitmap(valid());
  hugeHeader[17] = 0xFF;  // information header size 0xFF000028
  cases.push_back({"huge header", hugeHeader});
  std::vector<uint8_t> planes = MakeBitmap(valid());
  planes[26] = 2;
  cases.push_back({"two planes", planes});
  cases.push_back({"garbage", std::vector<uint8_t>(2000, 0xA5)});
  for (const Case& c : cases) {
    gfx::BitmapImage image;
    EXPECT_NE(Decode(c.bytes, &image), "") << c.what;
    EXPECT_TRUE(image.indices.empty()) << c.what;
  }
}

TEST(BitmapReader, UnreadableFileIsRefusedWithAReason) {
  gfxtest::TempDir dir;
  gfx::BitmapImage image;
  EXPECT_NE(gfx::ReadBitmapFile(dir.File("missing.bmp").c_str(), &image).find("does not exist"),
            std::string::npos);
  std::filesystem::create_directory(dir.File("folder.bmp"));
  EXPECT_NE(gfx::ReadBitmapFile(dir.File("folder.bmp").c_str(), &image).find("is a folder"),
            std::string::npos);
}

}  // namespace
