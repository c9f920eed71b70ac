// The start-up bitmaps saved as other kinds of bitmap file (run-length coded,
// true colour, with an alpha channel, rows top first): the game loads them and
// shows the same pictures as with the 8-bit files.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/startup_bitmaps.h"
#include "gfx/bitmap_file.h"
#include "gfx/gfx_test_support.h"
#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

using testsupport::ReadFile;

// START and one move that clears the open-floor stage, as in the other bad-input
// runs, with shots of the title and of the stage before and after the move.
const char* const SCRIPT =
    "2900 shot\n3000 down space\n3050 up space\n5000 shot\n"
    "6000 down right\n6100 up right\n6500 shot\n12000 close\n";

// A whole file: headers for the given depth and compression, the image's colour
// table when there is one, then the pixel rows.
std::string File(const gfx::BitmapImage& image, uint16_t bits, uint32_t compression, bool topDown,
                 std::vector<uint8_t> rows) {
  gfxtest::BitmapLayout layout;
  layout.width = image.width;
  layout.height = topDown ? -image.height : image.height;
  layout.bitsPerPixel = bits;
  layout.compression = compression;
  if (bits <= 8) layout.tableRgb = image.colourTable;
  layout.tableEntries = layout.coloursUsed = static_cast<uint32_t>(layout.tableRgb.size() / 3);
  layout.rows = std::move(rows);
  const std::vector<uint8_t> bytes = gfxtest::MakeBitmap(layout);
  return std::string(bytes.begin(), bytes.end());
}

std::string RunLength8(const gfx::BitmapImage& image) {
  std::vector<uint8_t> codes;
  for (int32_t y = image.height - 1; y >= 0; --y) {
    const uint8_t* row = &image.indices[static_cast<size_t>(y) * image.width];
    for (int32_t x = 0; x < image.width;) {
      int32_t run = 1;
      while (x + run < image.width && run < 255 && row[x + run] == row[x]) ++run;
      codes.insert(codes.end(), {static_cast<uint8_t>(run), row[x]});
      x += run;
    }
    codes.insert(codes.end(), {0, static_cast<uint8_t>(y > 0 ? 0 : 1)});  // end of row, of picture
  }
  return File(image, 8, 1, false, codes);
}

std::string TrueColour(const gfx::BitmapImage& image, uint16_t bits, bool topDown) {
  return File(image, bits, 0, topDown,
              gfxtest::PaddedRows(image.width, image.height, topDown, [&](size_t p) {
                const uint8_t* rgb = &image.rgb[p * 3];
                std::vector<uint8_t> pixel = {rgb[2], rgb[1], rgb[0]};
                // An alpha channel that varies from pixel to pixel is not used.
                if (bits == 32) pixel.push_back(static_cast<uint8_t>(p * 37));
                return pixel;
              }));
}

// The run of the unchanged files that every format is held to, made once.
struct Baseline {
  std::string folder;
  testsupport::RunResult run;
};
const Baseline& Original() {
  static const Baseline original = [] {
    const std::string folder = robustness::MakeOpenFloorFolder("formats_original");
    return Baseline{folder, testsupport::RunHeadless(folder, SCRIPT)};
  }();
  return original;
}

struct FormatCase {
  const char* name;
  std::function<std::string(const gfx::BitmapImage&)> save;
};

void PrintTo(const FormatCase& row, std::ostream* out) {
  *out << row.name;
}

class BitmapFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(BitmapFormat, LoadsWithTheSamePictures) {
  const FormatCase& row = GetParam();
  const std::string& original = Original().folder;
  const std::string resaved = robustness::MakeOpenFloorFolder(std::string("formats_") + row.name);
  for (const app::StartupBitmap& bitmap : app::STARTUP_BITMAPS) {
    const std::string file = std::string("data/") + bitmap.file;
    gfx::BitmapImage image;
    ASSERT_EQ(gfx::ReadBitmapFile((resaved + file).c_str(), &image), "") << file;
    robustness::PutFile(resaved + file, row.save(image));
  }
  const testsupport::RunResult& before = Original().run;
  const testsupport::RunResult after = testsupport::RunHeadless(resaved, SCRIPT);
  ASSERT_EQ(before.exitStatus, robustness::EXIT_CLOSED) << before.err;
  EXPECT_EQ(after.exitStatus, robustness::EXIT_CLOSED) << after.err;
  EXPECT_EQ(after.err, before.err);
  EXPECT_EQ(ReadFile(resaved + "data/save.dat"), ReadFile(original + "data/save.dat"));
  for (const char* shot : {"scr0000.bmp", "scr0001.bmp", "scr0002.bmp"}) {
    ASSERT_TRUE(testsupport::FileExists(original + shot)) << shot;
    EXPECT_TRUE(ReadFile(resaved + shot) == ReadFile(original + shot)) << shot << " differs";
  }
}

INSTANTIATE_TEST_SUITE_P(
    StartupBitmaps, BitmapFormat,
    testing::Values(FormatCase{"RunLength8", RunLength8},
                    FormatCase{"TrueColour24",
                               [](const gfx::BitmapImage& i) { return TrueColour(i, 24, false); }},
                    FormatCase{"TrueColour32WithAlpha",
                               [](const gfx::BitmapImage& i) { return TrueColour(i, 32, false); }},
                    FormatCase{"TrueColour24TopRowFirst",
                               [](const gfx::BitmapImage& i) { return TrueColour(i, 24, true); }}),
    robustness::RowName());

}  // namespace
