// The graphics core inside the whole program run headless: the F9 screenshot
// key and name search, and the colour-table cache the program writes and reads.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "gfx/bitmap_file.h"
#include "gfx/palette.h"
#include "support/run_folder.h"
#include "support/test_temp.h"

namespace {

using testsupport::FileExists;
using testsupport::MakeRunFolder;
using testsupport::ReadFile;
using testsupport::RunHeadless;

// The cache the tables of this palette file give, computed in this process.
std::string ExpectedCache(const std::string& paletteFile) {
  const std::string cache = testsupport::TestTempPath("expected_palfile.dat");
  std::filesystem::remove(cache);
  EXPECT_EQ(gfx::BuildColourTables(paletteFile.c_str(), cache.c_str()), 1);
  std::string bytes = ReadFile(cache);
  std::filesystem::remove(cache);
  return bytes;
}

TEST(HeadlessGraphics, F9GivesOneScreenshotPerPressUnderTheFirstFreeName) {
  const std::string folder = MakeRunFolder("gfx_core_f9");
  for (const char* taken : {"scr0000.bmp", "scr0001.bmp"}) {
    std::FILE* file = std::fopen((folder + taken).c_str(), "w");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
  }
  const testsupport::RunResult run = RunHeadless(folder,
                                                 "5000 down f9\n"
                                                 "6000 up f9\n"
                                                 "7000 down f9\n"
                                                 "7500 up f9\n"
                                                 "8000 close\n");
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_TRUE(FileExists(folder + "scr0002.bmp"));
  EXPECT_TRUE(FileExists(folder + "scr0003.bmp"));
  EXPECT_FALSE(FileExists(folder + "scr0004.bmp"));
  EXPECT_EQ(ReadFile(folder + "scr0000.bmp"), "");  // existing files are left alone

  gfx::BitmapImage shot;
  ASSERT_EQ(gfx::ReadBitmapFile((folder + "scr0002.bmp").c_str(), &shot), "");
  EXPECT_EQ(shot.width, 320);
  EXPECT_EQ(shot.height, 240);
  uint8_t palette[256][3];
  testsupport::FixturePalette(palette);
  for (int i = 0; i < 256; ++i)
    for (int c = 0; c < 3; ++c) ASSERT_EQ(shot.colourTable[i * 3 + c], palette[i][c]) << i;
  size_t coloured = 0;
  for (uint8_t index : shot.indices) coloured += index != 0;
  EXPECT_GT(coloured, 1000u) << "the title screen should be on the screenshot";
}

TEST(HeadlessGraphics, ColourTableCacheIsWrittenAndThenUsed) {
  const std::string folder = MakeRunFolder("gfx_core_cache");
  const std::string expected = ExpectedCache(folder + "pal.bmp");
  ASSERT_EQ(expected.size(), static_cast<size_t>(gfx::PALETTE_CACHE_SIZE));
  ASSERT_EQ(RunHeadless(folder, "100 close\n").exitStatus, 1);
  EXPECT_EQ(ReadFile(folder + "palfile.dat"), expected);

  // A cache of the right size is taken as it stands, even a stale one.
  std::string stale = expected;
  stale[5] = static_cast<char>(stale[5] ^ 0x5A);
  std::FILE* file = std::fopen((folder + "palfile.dat").c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fwrite(stale.data(), 1, stale.size(), file);
  std::fclose(file);
  ASSERT_EQ(RunHeadless(folder, "100 close\n").exitStatus, 1);
  EXPECT_EQ(ReadFile(folder + "palfile.dat"), stale);

  // A cut-short cache is not trusted: the tables are built again and rewritten.
  std::filesystem::resize_file(folder + "palfile.dat", 1000);
  const testsupport::RunResult run = RunHeadless(folder, "100 close\n");
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_NE(run.err.find("palfile.dat"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(folder + "palfile.dat"), expected);
}

}  // namespace
