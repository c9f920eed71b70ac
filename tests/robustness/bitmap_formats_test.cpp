// The start-up bitmaps saved as other kinds of bitmap file (run-length coded,
// true colour, with an alpha channel, rows top first): the game loads them and
// shows the same pictures as with the 8-bit files.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "gfx/bitmap_file.h"
#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

using testsupport::ReadFile;

const char* const STARTUP_BITMAPS[] = {
    "data/graphic1.bmp", "data/graphic2.bmp", "data/graphic3.bmp",
    "data/kestrune.bmp", "data/graphic4.bmp", "data/graphic5.bmp",
    "data/graphic6.bmp", "data/graphic7.bmp", "data/graphic8.bmp"};

// START and one move that clears the open-floor stage, as in the other bad-input
// runs, with shots of the title and of the stage before and after the move.
const char* const SCRIPT =
    "2900 shot\n3000 down space\n3050 up space\n5000 shot\n"
    "6000 down right\n6100 up right\n6500 shot\n12000 close\n";

void Put16(std::string& out, uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>(value >> 8 & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

// A whole file: headers for the given depth and compression, the image's colour
// table when there is one, then the pixel data.
std::string File(const gfx::BitmapImage& image, uint16_t bits, uint32_t compression, bool topDown,
                 const std::string& pixels) {
  const bool table = bits <= 8;
  const uint32_t tableBytes = table ? static_cast<uint32_t>(image.colourTable.size() / 3 * 4) : 0;
  const uint32_t offset = 14 + 40 + tableBytes;
  std::string out = "BM";
  Put32(out, offset + static_cast<uint32_t>(pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(image.width));
  Put32(out, static_cast<uint32_t>(topDown ? -image.height : image.height));
  Put16(out, 1);
  Put16(out, bits);
  Put32(out, compression);
  Put32(out, static_cast<uint32_t>(pixels.size()));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, table ? static_cast<uint32_t>(image.colourTable.size() / 3) : 0);
  Put32(out, 0);
  for (size_t i = 0; table && i < image.colourTable.size(); i += 3)
    out +=
        {static_cast<char>(image.colourTable[i + 2]), static_cast<char>(image.colourTable[i + 1]),
         static_cast<char>(image.colourTable[i]), 0};
  return out + pixels;
}

// Rows bottom first (or top first) of whole pixels, each padded to 4 bytes.
std::string Rows(const gfx::BitmapImage& image, bool topDown,
                 const std::function<std::string(size_t pixel)>& encode) {
  std::string rows;
  for (int32_t r = 0; r < image.height; ++r) {
    const int32_t y = topDown ? r : image.height - 1 - r;
    for (int32_t x = 0; x < image.width; ++x)
      rows += encode(static_cast<size_t>(y) * image.width + x);
    rows.resize((rows.size() + 3) / 4 * 4, '\0');
  }
  return rows;
}

std::string RunLength8(const gfx::BitmapImage& image) {
  std::string codes;
  for (int32_t y = image.height - 1; y >= 0; --y) {
    const uint8_t* row = &image.indices[static_cast<size_t>(y) * image.width];
    for (int32_t x = 0; x < image.width;) {
      int32_t run = 1;
      while (x + run < image.width && run < 255 && row[x + run] == row[x]) ++run;
      codes += {static_cast<char>(run), static_cast<char>(row[x])};
      x += run;
    }
    codes += y > 0 ? std::string{0, 0} : std::string{0, 1};  // end of row, of picture
  }
  return File(image, 8, 1, false, codes);
}

std::string TrueColour(const gfx::BitmapImage& image, uint16_t bits, bool topDown) {
  return File(image, bits, 0, topDown, Rows(image, topDown, [&](size_t p) {
                const uint8_t* rgb = &image.rgb[p * 3];
                std::string pixel = {static_cast<char>(rgb[2]), static_cast<char>(rgb[1]),
                                     static_cast<char>(rgb[0])};
                // An alpha channel that varies from pixel to pixel is not used.
                if (bits == 32) pixel += static_cast<char>(p * 37);
                return pixel;
              }));
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
  const std::string original = robustness::MakeOpenFloorFolder("formats_original");
  const std::string resaved = robustness::MakeOpenFloorFolder(std::string("formats_") + row.name);
  for (const char* file : STARTUP_BITMAPS) {
    gfx::BitmapImage image;
    ASSERT_EQ(gfx::ReadBitmapFile((resaved + file).c_str(), &image), "") << file;
    robustness::PutFile(resaved + file, row.save(image));
  }
  const testsupport::RunResult before = testsupport::RunHeadless(original, SCRIPT);
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
