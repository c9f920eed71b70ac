// Tests of filling sprite slots from bitmap files.
#include "gfx/slot_loading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <vector>

#include "gfx/palette.h"
#include "gfx/surfaces.h"
#include "gfx_test_support.h"

namespace {

using gfxtest::BitmapLayout;

// Palette colours all different: red is the index itself.
uint8_t Red(int i) {
  return static_cast<uint8_t>(i);
}
uint8_t Green(int i) {
  return static_cast<uint8_t>(255 - i);
}
uint8_t Blue(int i) {
  return static_cast<uint8_t>(i * 7);
}

// A 3×2 file of the given depth, compression and table size; its table entries are
// black unless the caller gives their colours.
BitmapLayout ThreeByTwo(int bits, uint32_t compression, uint32_t tableEntries,
                        std::vector<uint8_t> rows) {
  BitmapLayout l;
  l.width = 3;
  l.height = 2;
  l.bitsPerPixel = static_cast<uint16_t>(bits);
  l.compression = compression;
  l.tableEntries = tableEntries;
  l.coloursUsed = tableEntries;
  l.rows = std::move(rows);
  return l;
}

class SlotLoading : public gfxtest::DisplayTest {
 protected:
  void SetUp() override {
    gfxtest::DisplayTest::SetUp();
    for (int i = 0; i < 256; ++i) gfx::PaletteEntries[i] = {Red(i), Green(i), Blue(i), 0};
  }
  // The table of the current palette, for files drawn with it.
  static std::vector<uint8_t> PaletteTable() {
    std::vector<uint8_t> table;
    for (const auto& e : gfx::PaletteEntries) table.insert(table.end(), {e.red, e.green, e.blue});
    return table;
  }
  // Writes an 8-bit file of the given rows (top row first) and table.
  std::string Write8(const std::string& name, const std::vector<std::vector<uint8_t>>& rows,
                     const std::vector<uint8_t>& table, uint32_t coloursUsed = 256) {
    BitmapLayout layout;
    layout.width = static_cast<int32_t>(rows[0].size());
    layout.height = static_cast<int32_t>(rows.size());
    layout.coloursUsed = coloursUsed;
    layout.tableRgb = table;
    layout.rows = gfxtest::Rows8(rows);
    gfxtest::WriteAll(dir_.File(name), gfxtest::MakeBitmap(layout));
    return dir_.File(name);
  }
  int Pixel(int slot, int x, int y) {
    const gfx::Surface* s = gfx::SlotSurface(slot);
    return s->pixels[y * s->pitch + x];
  }
  size_t SlotLines(int slot) {
    char line[64];
    std::snprintf(line, sizeof line, "スプライト番号 %2d\n", slot);
    size_t count = 0;
    const std::string report = Report();
    for (size_t at = report.find(line); at != std::string::npos; at = report.find(line, at + 1))
      ++count;
    return count;
  }
};

TEST_F(SlotLoading, FileDrawnWithThePaletteKeepsItsIndices) {
  // Index 90 has the same colour as index 40: matching colours would give 40.
  gfx::PaletteEntries[90] = gfx::PaletteEntries[40];
  const std::string file = Write8("a.bmp", {{90, 1, 2}, {3, 40, 255}}, PaletteTable());
  ASSERT_EQ(gfx::LoadBitmapToSlot(1, file.c_str(), 3, 2), 1);
  EXPECT_EQ(Pixel(1, 0, 0), 90);
  EXPECT_EQ(Pixel(1, 2, 0), 2);
  EXPECT_EQ(Pixel(1, 1, 1), 40);
  EXPECT_EQ(Pixel(1, 2, 1), 255);
  EXPECT_EQ(gfx::SlotSurface(1)->colourKey, 0);
}

TEST_F(SlotLoading, OtherColoursMapToTheNearestPaletteIndex) {
  // The file's entry i holds palette colour 255 - i, entry 3 a colour near 17.
  std::vector<uint8_t> table;
  for (int i = 0; i < 256; ++i)
    table.insert(table.end(), {Red(255 - i), Green(255 - i), Blue(255 - i)});
  table[3 * 3 + 0] = Red(17) + 1;
  table[3 * 3 + 1] = Green(17);
  table[3 * 3 + 2] = Blue(17);
  const std::string file = Write8("b.bmp", {{0, 1, 255, 3}}, table);
  ASSERT_EQ(gfx::LoadBitmapToSlot(2, file.c_str(), 4, 1), 1);
  EXPECT_EQ(Pixel(2, 0, 0), 255);
  EXPECT_EQ(Pixel(2, 1, 0), 254);
  EXPECT_EQ(Pixel(2, 2, 0), 0);
  EXPECT_EQ(Pixel(2, 3, 0), 17);
}

TEST_F(SlotLoading, TrueColourFileMapsEachPixel) {
  BitmapLayout layout;
  layout.width = 2;
  layout.height = 1;
  layout.bitsPerPixel = 24;
  layout.tableEntries = 0;
  layout.coloursUsed = 0;
  layout.rows = {
      Blue(200), Green(200), Red(200), Blue(5), Green(5), static_cast<uint8_t>(Red(5) + 1), 0, 0};
  gfxtest::WriteAll(dir_.File("c.bmp"), gfxtest::MakeBitmap(layout));
  ASSERT_EQ(gfx::LoadBitmapToSlot(3, dir_.File("c.bmp").c_str(), 2, 1), 1);
  EXPECT_EQ(Pixel(3, 0, 0), 200);
  EXPECT_EQ(Pixel(3, 1, 0), 5);
}

// Files of every kind the system's image reader reads, each holding a 3 x 2
// picture (top row first in `expected`, the palette indices the slot must get).
struct KindCase {
  const char* name;
  std::vector<uint8_t> file;
  std::vector<std::vector<int>> expected;
};

// Colours that 5- and 6-bit channels hold exactly; palette entries 50..52 are
// set to three of them (green is palette entry 0).
using Colour = std::array<uint8_t, 3>;
constexpr Colour MAGENTA = {255, 0, 255}, GREEN = {0, 255, 0}, WHITE = {255, 255, 255},
                 BLACK = {0, 0, 0};
// The picture of the true-colour files and the indices it maps to.
const std::vector<std::vector<Colour>> TRUE_COLOUR_PICTURE = {{MAGENTA, GREEN, WHITE},
                                                              {BLACK, MAGENTA, GREEN}};
const std::vector<std::vector<int>> TRUE_COLOUR_INDICES = {{50, 0, 51}, {52, 50, 0}};

// The stored rows of the true-colour picture, each pixel as encode gives its
// bytes; bottom row first unless topDown.
std::vector<uint8_t> TrueColourRows(
    const std::function<std::vector<uint8_t>(const Colour&)>& encode, bool topDown = false) {
  const size_t width = TRUE_COLOUR_PICTURE[0].size();
  return gfxtest::PaddedRows(
      static_cast<int32_t>(width), static_cast<int32_t>(TRUE_COLOUR_PICTURE.size()), topDown,
      [&](size_t p) { return encode(TRUE_COLOUR_PICTURE[p / width][p % width]); });
}

std::vector<uint8_t> Little16(uint32_t value) {
  return {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8)};
}

// A 5-bit channel: 0 or 31 for the colours above.
uint32_t Five(uint8_t channel) {
  return channel >> 3;
}

TEST_F(SlotLoading, EveryKindOfBitmapLoads) {
  gfx::PaletteEntries[50] = {MAGENTA[0], MAGENTA[1], MAGENTA[2], 0};
  gfx::PaletteEntries[51] = {WHITE[0], WHITE[1], WHITE[2], 0};
  gfx::PaletteEntries[52] = {BLACK[0], BLACK[1], BLACK[2], 0};
  const std::vector<uint8_t> fullTable = PaletteTable();
  const std::vector<uint8_t> sixteen(fullTable.begin(), fullTable.begin() + 16 * 3);
  auto layout = [](int bits, uint32_t compression, const std::vector<uint8_t>& table,
                   std::vector<uint8_t> rows) {
    BitmapLayout l =
        ThreeByTwo(bits, compression, static_cast<uint32_t>(table.size() / 3), std::move(rows));
    l.tableRgb = table;
    return l;
  };
  std::vector<KindCase> cases;
  // Two colours, palette entries 9 and 200: bits 011 below, 101 above.
  std::vector<uint8_t> twoColours = {Red(9), Green(9), Blue(9), Red(200), Green(200), Blue(200)};
  cases.push_back({"1 bit",
                   gfxtest::MakeBitmap(layout(1, 0, twoColours, {0x60, 0, 0, 0, 0xA0, 0, 0, 0})),
                   {{200, 9, 200}, {9, 200, 200}}});
  cases.push_back({"4 bits, the palette's first sixteen colours",
                   gfxtest::MakeBitmap(layout(4, 0, sixteen, {0x0E, 0x30, 0, 0, 0x12, 0xF0, 0, 0})),
                   {{1, 2, 15}, {0, 14, 3}}});
  // Bottom row in absolute mode (three bytes and a pad byte), top row as a run.
  cases.push_back(
      {"run-length 8 bits",
       gfxtest::MakeBitmap(layout(8, 1, fullTable, {0, 3, 1, 2, 3, 0, 0, 0, 3, 7, 0, 1})),
       {{7, 7, 7}, {1, 2, 3}}});
  // A delta skips the middle pixel; the end comes before the top row.
  cases.push_back({"run-length 8 bits, skipped pixels",
                   gfxtest::MakeBitmap(layout(8, 1, fullTable, {1, 5, 0, 2, 1, 0, 1, 6, 0, 1})),
                   {{0, 0, 0}, {5, 0, 6}}});
  // Bottom row in absolute mode (two bytes of nibbles), top row as an
  // alternating run.
  cases.push_back(
      {"run-length 4 bits",
       gfxtest::MakeBitmap(layout(4, 2, sixteen, {0, 3, 0x33, 0x30, 0, 0, 3, 0x12, 0, 1})),
       {{1, 2, 1}, {3, 3, 3}}});
  cases.push_back({"16 bits, 5-5-5",
                   gfxtest::MakeBitmap(layout(16, 0, {}, TrueColourRows([](const Colour& c) {
                                                return Little16(Five(c[0]) << 10 | Five(c[1]) << 5 |
                                                                Five(c[2]));
                                              }))),
                   TRUE_COLOUR_INDICES});
  BitmapLayout masks565 =
      layout(16, 3, {}, TrueColourRows([](const Colour& c) {
               return Little16(Five(c[0]) << 11 | (c[1] >> 2) << 5 | Five(c[2]));
             }));
  masks565.masks = {0xF800, 0x07E0, 0x001F};
  cases.push_back({"16 bits, 5-6-5 masks", gfxtest::MakeBitmap(masks565), TRUE_COLOUR_INDICES});
  cases.push_back({"24 bits",
                   gfxtest::MakeBitmap(layout(24, 0, {}, TrueColourRows([](const Colour& c) {
                                                return std::vector<uint8_t>{c[2], c[1], c[0]};
                                              }))),
                   TRUE_COLOUR_INDICES});
  // Alpha differs from pixel to pixel: it is not used.
  uint8_t alpha = 0;
  cases.push_back(
      {"32 bits with alpha",
       gfxtest::MakeBitmap(layout(32, 0, {}, TrueColourRows([&](const Colour& c) {
                                    alpha = static_cast<uint8_t>(alpha + 0x55);
                                    return std::vector<uint8_t>{c[2], c[1], c[0], alpha};
                                  }))),
       TRUE_COLOUR_INDICES});
  BitmapLayout redFirst = layout(32, 3, {}, TrueColourRows([](const Colour& c) {
                                   return std::vector<uint8_t>{c[0], c[1], c[2], 0};
                                 }));
  redFirst.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
  cases.push_back(
      {"32 bits, red in the low byte", gfxtest::MakeBitmap(redFirst), TRUE_COLOUR_INDICES});
  BitmapLayout topDown = layout(32, 0, {},
                                TrueColourRows(
                                    [](const Colour& c) {
                                      return std::vector<uint8_t>{c[2], c[1], c[0], 0};
                                    },
                                    true));
  topDown.height = -2;
  cases.push_back({"32 bits, top row first", gfxtest::MakeBitmap(topDown), TRUE_COLOUR_INDICES});
  // The old 12-byte header with three-byte colour entries.
  std::vector<uint8_t> core = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const uint32_t coreOffset = 14 + 12 + 256 * 3;
  core[10] = static_cast<uint8_t>(coreOffset);
  core[11] = static_cast<uint8_t>(coreOffset >> 8);
  const uint8_t coreHeader[12] = {12, 0, 0, 0, 3, 0, 2, 0, 1, 0, 8, 0};
  core.insert(core.end(), coreHeader, coreHeader + 12);
  for (size_t i = 0; i < 256; ++i)
    core.insert(core.end(), {fullTable[i * 3 + 2], fullTable[i * 3 + 1], fullTable[i * 3]});
  const std::vector<uint8_t> coreRows = gfxtest::Rows8({{1, 2, 3}, {4, 5, 6}});
  core.insert(core.end(), coreRows.begin(), coreRows.end());
  cases.push_back({"old core header", core, {{1, 2, 3}, {4, 5, 6}}});

  for (const KindCase& c : cases) {
    gfxtest::WriteAll(dir_.File("kind.bmp"), c.file);
    ASSERT_EQ(gfx::LoadBitmapToSlot(1, dir_.File("kind.bmp").c_str(), 3, 2), 1) << c.name;
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x)
        EXPECT_EQ(Pixel(1, x, y), c.expected[y][x]) << c.name << " at " << x << "," << y;
  }
}

TEST_F(SlotLoading, ColourMatchedLoadRefusesWhatItCannotRead) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    const char* fault;
  };
  std::vector<Case> cases;
  auto add = [&](const char* name, const BitmapLayout& layout, const char* fault) {
    cases.push_back({name, gfxtest::MakeBitmap(layout), fault});
  };
  add("run of an index outside the table", ThreeByTwo(8, 1, 4, {3, 9, 0, 1}),
      "outside colour table");
  add("run-length codes without an end", ThreeByTwo(8, 1, 256, {3, 7, 3, 7}), "cannot decode");
  add("unknown compression", ThreeByTwo(8, 4, 256, std::vector<uint8_t>(8, 1)),
      "unsupported compression 4");
  add("run-length 8 with 24 bits", ThreeByTwo(24, 1, 0, {3, 7, 0, 1}), "does not go with 24 bits");
  add("bit masks with 8 bits", ThreeByTwo(8, 3, 256, std::vector<uint8_t>(8, 1)),
      "does not go with 8 bits");
  add("two bits", ThreeByTwo(2, 0, 4, std::vector<uint8_t>(8, 0)), "bits per pixel 2");
  BitmapLayout topDown = ThreeByTwo(8, 1, 256, {3, 7, 0, 0, 3, 7, 0, 1});
  topDown.height = -2;
  add("run-length with the top row first", topDown, "top row first");
  // A few bytes of codes may claim a huge picture; it is refused before anything
  // is made for it.
  BitmapLayout huge = ThreeByTwo(8, 1, 256, {0, 1});
  huge.width = huge.height = 4097;
  add("run-length picture of too many pixels", huge, "image size 4097x4097");
  std::vector<uint8_t> cut = gfxtest::MakeBitmap(ThreeByTwo(8, 1, 256, {3, 7, 0, 0, 3, 7, 0, 1}));
  cut.resize(cut.size() - 2);
  cases.push_back({"run-length data cut short", cut, "pixel data runs past the end"});
  BitmapLayout masks = ThreeByTwo(16, 3, 0, std::vector<uint8_t>(16, 1));
  masks.masks = {0xF800, 0x07E0, 0x001F};
  std::vector<uint8_t> noMasks = gfxtest::MakeBitmap(masks);
  noMasks.resize(14 + 40 + 8);
  cases.push_back({"masks cut short", noMasks, "colour table runs past the end"});
  for (const auto& [mask, fault] : {std::pair{0xF00Fu, "is not one run of bits"},
                                    std::pair{0x1F0000u, "lies outside the pixel"}}) {
    BitmapLayout badMask = masks;
    badMask.masks[0] = mask;
    cases.push_back({fault, gfxtest::MakeBitmap(badMask), fault});
  }
  for (const Case& c : cases) {
    gfxtest::WriteAll(dir_.File("bad.bmp"), c.bytes);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(gfx::LoadBitmapToSlot(1, dir_.File("bad.bmp").c_str(), 3, 2), 0) << c.name;
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find(c.fault), std::string::npos) << c.name << ": " << message;
  }
}

TEST(SlotPicture, EveryTruncationIsRefusedWithNothingDecoded) {
  const BitmapLayout runLength = ThreeByTwo(8, 1, 256, {0, 3, 1, 2, 3, 0, 0, 0, 3, 7, 0, 1});
  BitmapLayout trueColour = ThreeByTwo(32, 3, 0, std::vector<uint8_t>(24, 0x40));
  trueColour.masks = {0xFF0000, 0xFF00, 0xFF};
  for (const BitmapLayout& layout : {runLength, trueColour}) {
    const std::vector<uint8_t> whole = gfxtest::MakeBitmap(layout);
    platform::BitmapPicture picture;
    ASSERT_EQ(gfx::DecodeSlotPicture(whole.data(), whole.size(), &picture), "");
    for (size_t size = 0; size < whole.size(); ++size) {
      const std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(size));
      EXPECT_NE(gfx::DecodeSlotPicture(cut.data(), cut.size(), &picture), "") << size;
      EXPECT_EQ(picture.width, 0) << size;
      EXPECT_TRUE(picture.indices.empty() && picture.rgb.empty()) << size;
    }
  }
}

// Files with channel masks of any order and width, many of which no pixel format of the
// system's image reader has: each channel is read by its mask and scaled to 8 bits.
TEST(SlotPicture, ChannelMasksOfAnyOrderAndWidthAreScaledToEightBits) {
  struct Case {
    const char* name;
    uint16_t bits;
    uint32_t infoHeaderBytes;
    std::vector<uint32_t> masks;  // red, green, blue; none: an uncompressed file
    std::vector<uint32_t> pixels;
    std::vector<uint8_t> rgb;  // the red, green, blue bytes that come out
  };
  const Case cases[] = {
      // 31/31, 16/31 -> 132, 8/31 -> 66; 0/63, 32/63 -> 130, 63/63.
      {"16 bits, 5-6-5",
       16,
       40,
       {0xF800, 0x07E0, 0x001F},
       {0xF800, 16 << 11 | 32 << 5 | 8, 0x07E0},
       {255, 0, 0, 132, 130, 66, 0, 255, 0}},
      // Without masks: 5-5-5, scaled as the same masks stated would be.
      {"16 bits, no masks",
       16,
       40,
       {},
       {16 << 10 | 1 << 5 | 30, 0xFFFF, 31},
       {132, 8, 247, 255, 255, 255, 0, 0, 255}},
      // The top bit (alpha) counts for nothing.
      {"16 bits, 1-5-5-5",
       16,
       40,
       {0x7C00, 0x03E0, 0x001F},
       {0x8000 | 31 << 10, 1 << 5 | 30, 0x8000 | 0x7FFF},
       {255, 0, 0, 0, 8, 247, 255, 255, 255}},
      // 8/15 -> 136, 10/15 -> 170, 1/15 -> 17; alpha in the top four bits.
      {"16 bits, 4-4-4-4",
       16,
       40,
       {0x0F00, 0x00F0, 0x000F},
       {0xF8A1, 0x0F00, 0x000F},
       {136, 170, 17, 255, 0, 0, 0, 0, 255}},
      // Blue in the high bits, red in the low: 512/1023 -> 128, 4/1023 -> 1.
      {"32 bits, 10-10-10, blue first",
       32,
       40,
       {0x000003FF, 0x000FFC00, 0x3FF00000},
       {1023 | 512 << 10, 4 | 1023u << 20, 0xC0000000u | 1023 << 10},
       {255, 128, 0, 1, 0, 255, 0, 255, 0}},
      // The fourth version of the header holds the masks itself: 3-bit red, 12-bit green,
      // 1-bit blue. 5/7 -> 182, 2048/4095 -> 128.
      {"32 bits, masks in a version 4 header",
       32,
       108,
       {0x00000007, 0x0FFF0000, 0x80000000},
       {5 | 2048 << 16, 0x80000000u, 7 | 4095 << 16},
       {182, 128, 0, 0, 0, 255, 255, 255, 0}},
  };
  for (const Case& c : cases) {
    BitmapLayout layout = ThreeByTwo(c.bits, c.masks.empty() ? 0 : 3, 0, {});
    layout.height = 1;
    layout.infoHeaderBytes = c.infoHeaderBytes;
    layout.masks = c.masks;
    layout.rows = gfxtest::PaddedRows(3, 1, false, [&](size_t p) {
      std::vector<uint8_t> bytes;
      for (int shift = 0; shift < c.bits; shift += 8)
        bytes.push_back(static_cast<uint8_t>(c.pixels[p] >> shift));
      return bytes;
    });
    const std::vector<uint8_t> file = gfxtest::MakeBitmap(layout);
    platform::BitmapPicture picture;
    ASSERT_EQ(gfx::DecodeSlotPicture(file.data(), file.size(), &picture), "") << c.name;
    EXPECT_EQ(picture.rgb, c.rgb) << c.name;
  }
}

TEST_F(SlotLoading, PictureLandsTopLeftWhateverTheSlotSize) {
  const std::string file = Write8("d.bmp", {{1, 2, 3}, {4, 5, 6}}, PaletteTable());
  ASSERT_EQ(gfx::LoadBitmapToSlot(4, file.c_str(), 5, 4), 1);
  const int expected[4][5] = {{1, 2, 3, 0, 0}, {4, 5, 6, 0, 0}, {}, {}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(Pixel(4, x, y), expected[y][x]) << x << "," << y;
  ASSERT_EQ(gfx::LoadBitmapToSlot(4, file.c_str(), 2, 1), 1);  // cropped
  EXPECT_EQ(gfx::SlotSurface(4)->width, 2);
  EXPECT_EQ(gfx::SlotSurface(4)->height, 1);
  EXPECT_EQ(Pixel(4, 0, 0), 1);
  EXPECT_EQ(Pixel(4, 1, 0), 2);
  EXPECT_EQ(SlotLines(4), 2u);
}

TEST_F(SlotLoading, FailedReloadKeepsThePreviousPicture) {
  const std::string file = Write8("e.bmp", {{7, 8}}, PaletteTable());
  ASSERT_EQ(gfx::LoadBitmapToSlot(5, file.c_str(), 2, 1), 1);
  gfxtest::WriteAll(file, {'B', 'M', 1, 2, 3});  // the file is spoilt meanwhile
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(gfx::LoadBitmapToSlot(5, file.c_str(), 2, 1), 0);
  const std::string message = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(message.find(file), std::string::npos);
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
  EXPECT_EQ(Pixel(5, 0, 0), 7);
  EXPECT_EQ(Pixel(5, 1, 0), 8);
  EXPECT_EQ(SlotLines(5), 2u);  // one line per load, as for a successful one
}

TEST_F(SlotLoading, FailedFirstLoadGivesAClearedSlot) {
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(gfx::LoadBitmapToSlot(6, dir_.File("missing.bmp").c_str(), 6, 3), 0);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("missing.bmp"), std::string::npos);
  const gfx::Surface* s = gfx::SlotSurface(6);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->width, 6);
  EXPECT_EQ(s->height, 3);
  for (int i = 0; i < s->pitch * s->height; ++i) EXPECT_EQ(s->pixels[i], 0);
  EXPECT_EQ(SlotLines(6), 1u);
}

TEST_F(SlotLoading, RawLoadCopiesIndicesAndDropsRowPadding) {
  // A table unlike the palette: raw loads copy indices without matching.
  const std::string file = Write8("f.bmp", {{1, 2, 3}, {4, 5, 6}}, std::vector<uint8_t>(768, 50));
  ASSERT_EQ(gfx::LoadRawBitmapToSlot(7, file.c_str()), 1);
  const gfx::Surface* s = gfx::SlotSurface(7);
  EXPECT_EQ(s->width, 3);
  EXPECT_EQ(s->height, 2);
  EXPECT_EQ(s->colourKey, 0);
  const int expected[2][3] = {{1, 2, 3}, {4, 5, 6}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Pixel(7, x, y), expected[y][x]);
  EXPECT_EQ(SlotLines(7), 1u);
}

TEST_F(SlotLoading, RawLoadRefusalsLeaveTheSlotAlone) {
  const std::string keep = Write8("keep.bmp", {{9}}, PaletteTable());
  ASSERT_EQ(gfx::LoadRawBitmapToSlot(8, keep.c_str()), 1);
  BitmapLayout trueColour;
  trueColour.bitsPerPixel = 24;
  trueColour.tableEntries = 0;
  trueColour.rows = {1, 2, 3, 0};
  gfxtest::WriteAll(dir_.File("g.bmp"), gfxtest::MakeBitmap(trueColour));
  BitmapLayout fourBit;
  fourBit.bitsPerPixel = 4;
  fourBit.tableEntries = 16;
  fourBit.coloursUsed = 16;
  fourBit.rows = {0x10, 0, 0, 0};
  gfxtest::WriteAll(dir_.File("h.bmp"), gfxtest::MakeBitmap(fourBit));
  const std::string fewColours = Write8("i.bmp", {{1, 2}}, PaletteTable(), 255);
  for (const std::string& file :
       {dir_.File("g.bmp"), dir_.File("h.bmp"), fewColours, dir_.File("missing.bmp")}) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(gfx::LoadRawBitmapToSlot(8, file.c_str()), 0) << file;
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(file), std::string::npos);
    EXPECT_EQ(gfx::SlotSurface(8)->width, 1);
    EXPECT_EQ(Pixel(8, 0, 0), 9);
  }
  EXPECT_EQ(SlotLines(8), 1u);
}

// Only the pixel data offset and the colour count decide: whatever else the
// headers say, the rows at byte 1078 are read as 8-bit indices.
TEST_F(SlotLoading, RawLoadLooksOnlyAtOffsetAndColourCount) {
  const std::vector<uint8_t> plain = gfxtest::MakeBitmap([] {
    BitmapLayout layout;
    layout.width = 3;
    layout.height = 2;
    layout.coloursUsed = 256;
    layout.rows = gfxtest::Rows8({{1, 2, 3}, {4, 5, 6}});
    return layout;
  }());
  ASSERT_EQ(plain.size(), 1078u + 8u);
  struct Case {
    const char* name;
    size_t offset;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {{"no signature", 0, {'X', 'Y'}},
                        {"two planes", 26, {2, 0}},
                        {"24 bits per pixel", 28, {24, 0}},
                        {"run-length compression", 30, {1, 0, 0, 0}},
                        {"a 108-byte header size", 14, {108, 0, 0, 0}}};
  // Writes the plain file with the case's bytes in place; returns its path.
  auto patched = [&](const Case& c) {
    std::vector<uint8_t> bytes = plain;
    std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + static_cast<ptrdiff_t>(c.offset));
    gfxtest::WriteAll(dir_.File("raw.bmp"), bytes);
    return dir_.File("raw.bmp");
  };
  for (const Case& c : cases) {
    ASSERT_EQ(gfx::LoadRawBitmapToSlot(7, patched(c).c_str()), 1) << c.name;
    const int expected[2][3] = {{1, 2, 3}, {4, 5, 6}};
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) EXPECT_EQ(Pixel(7, x, y), expected[y][x]) << c.name;
  }
  // What would read past the file or make no picture is still refused.
  const Case refused[] = {{"height 0", 22, {0, 0, 0, 0}},
                          {"negative width", 18, {0xFD, 0xFF, 0xFF, 0xFF}},
                          {"rows past the end", 22, {3, 0, 0, 0}}};
  for (const Case& c : refused) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(gfx::LoadRawBitmapToSlot(7, patched(c).c_str()), 0) << c.name;
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(Pixel(7, 2, 1), 6) << c.name;
  }
}

TEST_F(SlotLoading, PictureTooLargeForASurfaceLeavesTheSlotEmpty) {
  const std::string file = Write8("wide.bmp", {std::vector<uint8_t>(9000, 3)}, PaletteTable());
  gfx::CreateSlotSurface(9, 4, 4);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(gfx::LoadRawBitmapToSlot(9, file.c_str()), 0);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("9000x1"), std::string::npos);
  EXPECT_EQ(gfx::SlotSurface(9), nullptr);
  EXPECT_EQ(gfx::SlotCreated[9], 0);
}

}  // namespace
