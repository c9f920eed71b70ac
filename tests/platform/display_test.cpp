// The window shows exactly the last picture handed to the display through the
// current palette, however little or much of it changed between frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/core_internal.h"
#include "platform/platform.h"

namespace {

constexpr int WIDTH = 320, HEIGHT = 240;
// Rows of the 8-bit pictures carry padding past their width, as surfaces do.
constexpr int PITCH = WIDTH + 4;

using Picture = std::vector<uint8_t>;

// A test pattern that differs for every seed, padding bytes included.
Picture Pattern(int seed) {
  Picture picture(size_t(PITCH) * HEIGHT);
  for (int y = 0; y < HEIGHT; ++y)
    for (int x = 0; x < PITCH; ++x) picture[size_t(y) * PITCH + x] = uint8_t(x * 3 + y * 7 + seed);
  return picture;
}

// The same picture with a box (right and bottom exclusive) filled with one index.
Picture WithBox(Picture picture, int left, int top, int right, int bottom, uint8_t index) {
  for (int y = top; y < bottom; ++y)
    std::fill_n(picture.begin() + y * PITCH + left, right - left, index);
  return picture;
}

Picture WithRows(Picture picture, int first, int last, uint8_t index) {
  return WithBox(std::move(picture), 0, first, WIDTH, last, index);
}

struct Palette {
  uint8_t rgb[256][3];
  explicit Palette(int shift) {
    for (int i = 0; i < 256; ++i) {
      rgb[i][0] = uint8_t(i + shift);
      rgb[i][1] = uint8_t(255 - i);
      rgb[i][2] = uint8_t(i * 5 + shift);
    }
  }
  uint32_t Colour(uint8_t index) const {
    return uint32_t(rgb[index][0]) << 16 | uint32_t(rgb[index][1]) << 8 | rgb[index][2];
  }
};

std::vector<uint32_t> Expected(const Picture& picture, const Palette& palette) {
  std::vector<uint32_t> colours;
  for (int y = 0; y < HEIGHT; ++y)
    for (int x = 0; x < WIDTH; ++x)
      colours.push_back(palette.Colour(picture[size_t(y) * PITCH + x]));
  return colours;
}

// A real window on SDL's memory-only video driver at scale 1, with a display open.
class WindowDisplay : public testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::Options options;
    options.window = true;
    options.scale = 1;
    ASSERT_TRUE(platform::Init(options));
    ASSERT_TRUE(platform::CreateMainWindow("display test", platform::DefWindowProcA));
    ASSERT_TRUE(platform::DisplayOpen(WIDTH, HEIGHT));
    SetPalette(Palette(0));
  }
  void TearDown() override {
    platform::DisplayClose();
    platform::Shutdown();
  }
  void SetPalette(const Palette& palette) {
    palette_ = palette;
    platform::DisplaySetPalette(0, 256, palette.rgb);
  }
  // Shows the picture and checks that the window holds it, pixel for pixel.
  void ShowAndCheck(const Picture& picture, const char* step) {
    platform::DisplayShow(picture.data(), PITCH);
    const std::vector<uint32_t> shown = platform::core::ReadShownPicture();
    ASSERT_EQ(shown.size(), size_t(WIDTH) * HEIGHT) << step;
    const std::vector<uint32_t> expected = Expected(picture, palette_);
    size_t wrong = 0;
    for (size_t i = 0; i < shown.size(); ++i) wrong += shown[i] != expected[i];
    EXPECT_EQ(wrong, 0u) << step << ": first wrong row "
                         << (std::mismatch(shown.begin(), shown.end(), expected.begin()).first -
                             shown.begin()) /
                                WIDTH;
  }
  Palette palette_{0};
};

TEST_F(WindowDisplay, ShowsEveryPictureInTurnWhateverChanged) {
  const Picture a = Pattern(0);
  ShowAndCheck(a, "first picture");
  ShowAndCheck(a, "the same picture again");
  ShowAndCheck(WithRows(a, 100, 130, 9), "a band in the middle");
  ShowAndCheck(a, "back to the first");
  ShowAndCheck(WithRows(WithRows(a, 0, 1, 200), HEIGHT - 1, HEIGHT, 201), "first and last rows");
  ShowAndCheck(WithRows(a, HEIGHT - 3, HEIGHT, 50), "the bottom rows only");
  ShowAndCheck(Pattern(1), "every row");
  ShowAndCheck(a, "A after B");
}

TEST_F(WindowDisplay, ShowsChangesInEveryCornerAndColumn) {
  const Picture a = Pattern(0);
  ShowAndCheck(a, "first picture");
  const struct {
    int left, top, right, bottom;
    const char* what;
  } boxes[] = {{100, 50, 140, 60, "a small box"},
               {0, 0, 1, 1, "the top-left pixel"},
               {WIDTH - 1, HEIGHT - 1, WIDTH, HEIGHT, "the bottom-right pixel"},
               {0, 100, 7, 180, "the leftmost columns"},
               {WIDTH - 9, 3, WIDTH, 4, "a row's end"},
               {150, 0, 151, HEIGHT, "one column"}};
  for (const auto& box : boxes) {
    ShowAndCheck(WithBox(a, box.left, box.top, box.right, box.bottom, 77), box.what);
    ShowAndCheck(a, "back to the first picture");
  }
  // Two spots far apart, each narrower than the area that holds both.
  ShowAndCheck(WithBox(WithBox(a, 5, 10, 9, 12, 1), 300, 200, 310, 230, 2), "two spots");
  ShowAndCheck(WithBox(a, 305, 10, 306, 11, 3), "a spot inside the last area's rows");
}

TEST_F(WindowDisplay, PaletteChangeRecoloursAnUnchangedPicture) {
  const Picture a = Pattern(0);
  ShowAndCheck(a, "first palette");
  SetPalette(Palette(40));
  ShowAndCheck(a, "the same picture through a new palette");
  ShowAndCheck(WithRows(a, 10, 20, 3), "a band after the palette change");
}

TEST_F(WindowDisplay, PaddingBytesAreNotPartOfThePicture) {
  Picture a = Pattern(0);
  ShowAndCheck(a, "first picture");
  for (int y = 0; y < HEIGHT; ++y) a[size_t(y) * PITCH + WIDTH] ^= 0xFF;
  platform::DisplayShow(a.data(), PITCH);
  ShowAndCheck(WithRows(a, 5, 6, 7), "a change after padding-only differences");
}

}  // namespace

namespace {

// Window points land on the picture's pixels at any window size, scale, black bars and
// high-DPI output.
TEST(PictureFit, WindowPointsMapToThePicturesPixels) {
  const struct {
    int windowX, windowY, windowWidth, windowHeight, outWidth, outHeight;
    int x, y;
  } cases[] = {
      {0, 0, 320, 240, 320, 240, 0, 0},             // scale 1, no bars
      {319, 239, 320, 240, 320, 240, 319, 239},     //
      {959, 719, 960, 720, 960, 720, 319, 239},     // scale 3
      {3, 5, 960, 720, 960, 720, 1, 1},             //
      {2, 2, 960, 720, 960, 720, 0, 0},             //
      {120, 0, 1200, 720, 1200, 720, 0, 0},         // bars of 120 each side at scale 3
      {119, 0, 1200, 720, 1200, 720, -1, 0},        // in the left bar
      {1080, 360, 1200, 720, 1200, 720, 320, 120},  // the right bar's first column
      {20, 65, 1000, 850, 1000, 850, 0, 0},         // scale 3 (960x720), bars 20 and 65
      {0, 60, 1000, 850, 1000, 850, -7, -2},        //
      {320, 240, 640, 480, 1280, 960, 160, 120},    // high-DPI: two pixels per point, scale 4
      {1, 1, 640, 480, 1280, 960, 0, 0},            //
      {639, 479, 640, 480, 1280, 960, 319, 239},    //
      {10, 10, 300, 200, 300, 200, 20, 30},         // smaller: scale 1, the picture cut
  };
  for (const auto& c : cases) {
    int x = -99, y = -99;
    platform::core::WindowPointToPicture(c.windowX, c.windowY, c.windowWidth, c.windowHeight,
                                         c.outWidth, c.outHeight, 320, 240, &x, &y);
    EXPECT_EQ(x, c.x) << c.windowX << "," << c.windowY << " in " << c.windowWidth << "x"
                      << c.windowHeight;
    EXPECT_EQ(y, c.y) << c.windowX << "," << c.windowY << " in " << c.windowWidth << "x"
                      << c.windowHeight;
  }
}

}  // namespace
