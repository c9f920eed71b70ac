// Checks the committed pictures against what the game's loaders and drawing
// code rely on: sizes, the shared palette, and where sprites may hold ink.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "content_test_support.h"
#include "gfx/bitmap_file.h"
#include "lang/language.h"

namespace {

using content_test::WordedPicture;

std::string DataPath(const std::string& name) {
  return std::string(VAULMOOR_DATA_DIR) + "/" + name;
}

gfx::BitmapImage Load(const std::string& name) {
  gfx::BitmapImage image;
  const std::string fault = gfx::ReadBitmapFile(DataPath(name).c_str(), &image);
  EXPECT_EQ(fault, "") << name;
  return image;
}

uint8_t At(const gfx::BitmapImage& image, int32_t x, int32_t y) {
  return image.indices[static_cast<size_t>(y) * image.width + x];
}

// Opaque (non-zero) pixels of a rectangle, as a string of indices for comparisons.
std::vector<uint8_t> Region(const gfx::BitmapImage& image, int32_t left, int32_t top, int32_t right,
                            int32_t bottom) {
  std::vector<uint8_t> pixels;
  for (int32_t y = top; y < bottom; ++y) {
    for (int32_t x = left; x < right; ++x) pixels.push_back(At(image, x, y));
  }
  return pixels;
}

int32_t CountOpaque(const gfx::BitmapImage& image, int32_t left, int32_t top, int32_t right,
                    int32_t bottom) {
  int32_t count = 0;
  for (uint8_t p : Region(image, left, top, right, bottom)) count += p != 0;
  return count;
}

int32_t LowestOpaqueRow(const gfx::BitmapImage& image, int32_t left, int32_t top, int32_t right,
                        int32_t bottom) {
  for (int32_t y = bottom - 1; y >= top; --y) {
    for (int32_t x = left; x < right; ++x) {
      if (At(image, x, y) != 0) return y;
    }
  }
  return -1;
}

struct PictureSize {
  std::string file;
  int32_t width, height;
};

const std::vector<PictureSize> PICTURES = {
    {"graphic1.bmp", 168, 123}, {"graphic2.bmp", 192, 192}, {"graphic3.bmp", 278, 240},
    {"kestrune.bmp", 200, 50},  {"graphic4.bmp", 200, 200}, {"graphic5.bmp", 320, 240},
    {"graphic6.bmp", 200, 200}, {"graphic7.bmp", 200, 80},  {"graphic8.bmp", 320, 80}};

// Every picture: the nine, and the pictures with words of every other language.
std::vector<PictureSize> AllPictures() {
  std::vector<PictureSize> pictures = PICTURES;
  for (const char* language : lang::Languages()) {
    if (std::string(language) == lang::SOURCE_LANGUAGE) continue;
    pictures.push_back({WordedPicture(language, "graphic4.bmp"), 200, 200});
    pictures.push_back({WordedPicture(language, "graphic8.bmp"), 320, 80});
  }
  return pictures;
}

TEST(Palette, HasBlackAtZeroAndWhiteAnd256DistinctColours) {
  std::ifstream in(DataPath("pal.bmp"), std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
  ASSERT_GE(bytes.size(), 54u + 1024u);
  std::set<uint32_t> colours;
  bool white = false;
  for (int32_t i = 0; i < 256; ++i) {
    const auto b = static_cast<uint8_t>(bytes[54 + 4 * i]),
               g = static_cast<uint8_t>(bytes[55 + 4 * i]),
               r = static_cast<uint8_t>(bytes[56 + 4 * i]);
    if (i == 0) {
      EXPECT_EQ(r | g | b, 0) << "index 0 must be pure black";
    }
    white = white || (r == 255 && g == 255 && b == 255);
    colours.insert(r << 16 | g << 8 | b);
  }
  EXPECT_TRUE(white);
  // Repeated colours would make the nearest-colour tables collapse onto one index.
  EXPECT_EQ(colours.size(), 256u);
}

TEST(Pictures, EachIsAn8BitFileAtItsSizeDrawnInTheGamePalette) {
  const gfx::BitmapImage palette = Load("pal.bmp");
  ASSERT_EQ(palette.colourTable.size(), 768u);
  for (const PictureSize& p : AllPictures()) {
    SCOPED_TRACE(p.file);
    const gfx::BitmapImage image = Load(p.file);
    EXPECT_EQ(image.width, p.width);
    EXPECT_EQ(image.height, p.height);
    EXPECT_EQ(image.bitsPerPixel, 8);
    // What the raw loader insists on: bottom-up rows at byte 1078, 256 colours.
    EXPECT_FALSE(image.topDown);
    EXPECT_EQ(image.pixelOffset, 1078u);
    EXPECT_EQ(image.coloursUsed, 256u);
    // The same colour table as the palette, so loading keeps every index.
    EXPECT_TRUE(image.colourTable == palette.colourTable);
  }
}

TEST(BoardSheet, CheesesFitTheSinkingWindowAndAreAllDifferent) {
  const gfx::BitmapImage sheet = Load("graphic1.bmp");
  std::set<std::vector<uint8_t>> pictures;
  for (int32_t i = 0; i < 14; ++i) {
    SCOPED_TRACE(i);
    const int32_t left = 24 * (i % 7), top = 24 + 24 * (i / 7);
    // The sinking cheese shows only the middle 20 columns and the top 22 rows.
    EXPECT_EQ(CountOpaque(sheet, left, top, left + 24, top + 24),
              CountOpaque(sheet, left + 2, top, left + 22, top + 22));
    EXPECT_GT(CountOpaque(sheet, left, top, left + 24, top + 24), 120);
    pictures.insert(Region(sheet, left, top, left + 24, top + 24));
  }
  EXPECT_EQ(pictures.size(), 14u);
}

TEST(BoardSheet, SnowmenStandOnTheirCellAndDifferByHat) {
  const gfx::BitmapImage sheet = Load("graphic1.bmp");
  for (int32_t left : {0, 24}) {
    SCOPED_TRACE(left);
    EXPECT_GE(LowestOpaqueRow(sheet, left, 96, left + 24, 123), 96 + 25);
    EXPECT_EQ(At(sheet, left, 96), 0);
    EXPECT_EQ(At(sheet, left + 23, 96), 0);
  }
  // Same body, different hat: the pictures differ only in their top rows.
  EXPECT_TRUE(Region(sheet, 0, 104, 24, 123) == Region(sheet, 24, 104, 24 + 24, 123));
  EXPECT_FALSE(Region(sheet, 0, 96, 24, 104) == Region(sheet, 24, 96, 48, 104));
}

TEST(PeopleSheet, KeeperWalksInEveryDirectionWithFeetOnTheCell) {
  const gfx::BitmapImage sheet = Load("graphic2.bmp");
  for (int32_t facing = 0; facing < 4; ++facing) {
    std::set<std::vector<uint8_t>> frames;
    for (int32_t j = 0; j < 3; ++j) {
      SCOPED_TRACE(testing::Message() << "facing " << facing << " frame " << j);
      const int32_t left = 4 + 32 * j, top = 48 * facing;
      EXPECT_GT(CountOpaque(sheet, left, top, left + 24, top + 48), 250);
      EXPECT_GE(LowestOpaqueRow(sheet, left, top, left + 24, top + 48), top + 45);
      // The head stays inside the cell above: nothing in the top rows.
      EXPECT_EQ(CountOpaque(sheet, left, top, left + 24, top + 4), 0);
      frames.insert(Region(sheet, left, top, left + 24, top + 48));
    }
    EXPECT_EQ(frames.size(), 3u) << "facing " << facing << " must animate";
  }
}

TEST(PeopleSheet, CustomerHasThreeDifferentFaces) {
  const gfx::BitmapImage sheet = Load("graphic2.bmp");
  std::set<std::vector<uint8_t>> faces;
  for (int32_t j = 0; j < 3; ++j) {
    EXPECT_GT(CountOpaque(sheet, 96 + 32 * j, 48, 128 + 32 * j, 96), 600);
    faces.insert(Region(sheet, 96 + 32 * j, 48, 128 + 32 * j, 96));
  }
  EXPECT_EQ(faces.size(), 3u);
}

TEST(PanelSheet, OpaqueMarkerAndIconsMatchTheBackgroundTheyAreCopiedOnto) {
  const gfx::BitmapImage sheet = Load("graphic3.bmp");
  constexpr int32_t DAY_X[7] = {7, 26, 45, 64, 17, 36, 53};
  constexpr int32_t DAY_Y[7] = {51, 51, 51, 51, 74, 74, 74};
  const int32_t corners[4][2] = {{0, 0}, {8, 0}, {0, 8}, {8, 8}};
  for (int32_t d = 0; d < 7; ++d) {
    for (const auto& c : corners) {
      EXPECT_EQ(At(sheet, DAY_X[d] + c[0], DAY_Y[d] + c[1]), At(sheet, 80 + c[0], 100 + c[1]))
          << "day " << d;
    }
  }
  const int32_t iconCorners[4][2] = {{0, 0}, {13, 0}, {0, 13}, {13, 13}};
  for (int32_t icon = 0; icon < 4; ++icon) {
    for (int32_t row = 0; row < 4; ++row) {
      for (const auto& c : iconCorners) {
        EXPECT_EQ(At(sheet, 60 + c[0], 95 + 28 * row + c[1]),
                  At(sheet, 90 + 14 * icon + c[0], 100 + c[1]))
            << "icon " << icon << " row " << row;
      }
    }
  }
  std::set<std::vector<uint8_t>> icons;
  for (int32_t icon = 0; icon < 4; ++icon)
    icons.insert(Region(sheet, 90 + 14 * icon, 100, 104 + 14 * icon, 114));
  EXPECT_EQ(icons.size(), 4u);
}

TEST(PanelSheet, KeyedPicturesLeaveTheirSurroundingsClear) {
  const gfx::BitmapImage sheet = Load("graphic3.bmp");
  // Bubbles, the turning customer and the menu pointer: clear corners, ink inside.
  const int32_t keyed[][4] = {{80, 120, 130, 145},
                              {80, 145, 130, 170},
                              {80, 170, 130, 195},
                              {150, 100, 238, 188},
                              {80, 200, 110, 222}};
  for (const auto& r : keyed) {
    SCOPED_TRACE(testing::Message() << r[0] << "," << r[1]);
    EXPECT_EQ(At(sheet, r[0], r[1]), 0);
    EXPECT_EQ(At(sheet, r[2] - 1, r[1]), 0);
    EXPECT_GT(CountOpaque(sheet, r[0], r[1], r[2], r[3]), 40);
  }
  // The browser pointer frames the cheese beneath it: ink at the corners, a clear middle.
  EXPECT_NE(At(sheet, 112, 200), 0);
  EXPECT_NE(At(sheet, 137, 225), 0);
  EXPECT_EQ(CountOpaque(sheet, 119, 207, 131, 219), 0);
}

TEST(Banners, KeyedBannersHaveClearCornersAndTheRottenOneIsSolid) {
  for (const char* language : lang::Languages()) {
    SCOPED_TRACE(language);
    const gfx::BitmapImage sheet = Load(WordedPicture(language, "graphic4.bmp"));
    for (int32_t top : {0, 50, 100}) {
      SCOPED_TRACE(top);
      EXPECT_EQ(At(sheet, 0, top), 0);
      EXPECT_EQ(At(sheet, 199, top + 49), 0);
      EXPECT_GT(CountOpaque(sheet, 0, top, 200, top + 50), 200 * 50 / 2);
    }
    EXPECT_EQ(CountOpaque(sheet, 0, 150, 200, 200), 200 * 50);
  }
}

// Each language paints its own words on every banner and under the ending's title.
TEST(Banners, EachLanguageHasItsOwnWords) {
  const gfx::BitmapImage source = Load(WordedPicture(lang::SOURCE_LANGUAGE, "graphic4.bmp"));
  const gfx::BitmapImage sourceEnding = Load(WordedPicture(lang::SOURCE_LANGUAGE, "graphic8.bmp"));
  for (const char* language : lang::Languages()) {
    if (std::string(language) == lang::SOURCE_LANGUAGE) continue;
    SCOPED_TRACE(language);
    const gfx::BitmapImage sheet = Load(WordedPicture(language, "graphic4.bmp"));
    for (int32_t top : {0, 50, 100, 150})
      EXPECT_NE(Region(sheet, 0, top, 200, top + 50), Region(source, 0, top, 200, top + 50)) << top;
    const gfx::BitmapImage ending = Load(WordedPicture(language, "graphic8.bmp"));
    EXPECT_NE(Region(ending, 0, 40, 320, 72), Region(sourceEnding, 0, 40, 320, 72));
    EXPECT_EQ(Region(ending, 0, 0, 320, 40), Region(sourceEnding, 0, 0, 320, 40));
  }
}

}  // namespace
