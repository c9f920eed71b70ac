// Tests of filling sprite slots from bitmap files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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
  layout.rows = {Blue(200), Green(200), Red(200), Blue(5), Green(5), static_cast<uint8_t>(Red(5) + 1),
               0,         0};
  gfxtest::WriteAll(dir_.File("c.bmp"), gfxtest::MakeBitmap(layout));
  ASSERT_EQ(gfx::LoadBitmapToSlot(3, dir_.File("c.bmp").c_str(), 2, 1), 1);
  EXPECT_EQ(Pixel(3, 0, 0), 200);
  EXPECT_EQ(Pixel(3, 1, 0), 5);
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
