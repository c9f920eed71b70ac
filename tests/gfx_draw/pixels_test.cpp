// Single pixels, stepped lines and ellipse outlines in the locked draw target.
#include "gfx/pixels.h"

#include "draw_fixture.h"
#include "gfx/palette.h"
#include "gfx/surfaces.h"

namespace drawtest {
namespace {

class PixelsTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    ASSERT_EQ(gfx::LockDrawTarget(), 1);
  }
  void TearDown() override {
    gfx::UnlockDrawTarget();
    ExpectReleased(gfx::BackSurface);
    DrawTest::TearDown();
  }
};

constexpr uint8_t INK = 7;

TEST_F(PixelsTest, SinglePixelsOnlyOnTheScreen) {
  struct Case {
    int32_t x, y, result;
  };
  const Case cases[] = {{319, 239, 1}, {0, 0, 1}, {320, 0, 0}, {0, 240, 0}, {-1, 0, 0}, {0, -1, 0}};
  for (const Case& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    EXPECT_EQ(gfx::PutPixel(c.x, c.y, INK), c.result) << c.x << "," << c.y;
    PixelSet expected;
    if (c.result == 1) expected.insert({c.x, c.y});
    EXPECT_EQ(PixelsNot(gfx::BackSurface, BACKGROUND), expected) << c.x << "," << c.y;
  }
}

TEST_F(PixelsTest, ReadPixelGivesIndexOrMinusOne) {
  Back(5, 6) = 250;
  EXPECT_EQ(gfx::ReadPixel(5, 6), 250);
  EXPECT_EQ(gfx::ReadPixel(-1, 0), -1);
  EXPECT_EQ(gfx::ReadPixel(320, 0), -1);
  EXPECT_EQ(gfx::ReadPixel(0, 240), -1);
}

TEST_F(PixelsTest, MixAndRemapPixelUseTheTables) {
  Back(1, 1) = 10;
  Back(2, 1) = 10;
  EXPECT_EQ(gfx::MixPixel(1, 1, 7), 1);
  EXPECT_EQ(Back(1, 1), Mixed(10, 7));
  EXPECT_EQ(gfx::RemapPixel(2, 1, 13), 1);
  EXPECT_EQ(Back(2, 1), Remapped(13, 10));
  EXPECT_EQ(gfx::MixPixel(320, 1, 7), 0);
  // A level without a table row is refused instead of reading past the tables.
  EXPECT_EQ(gfx::RemapPixel(2, 1, 14), 0);
  EXPECT_EQ(gfx::RemapPixel(2, 1, -1), 0);
  EXPECT_EQ(Back(2, 1), Remapped(13, 10));
}

struct LineCase {
  int32_t x1, y1, x2, y2, clip, result;
  PixelSet pixels;
};

PixelSet Row(int32_t y, int32_t fromX, int32_t toX) {
  PixelSet pixels;
  for (int32_t x = fromX; x <= toX; ++x) pixels.insert({x, y});
  return pixels;
}

TEST_F(PixelsTest, LineSteppingAndEndRowRule) {
  const LineCase cases[] = {
      {0, 0, 5, 0, 0, 1, Row(0, 0, 5)},  // wide: end column drawn
      {5, 0, 0, 0, 0, 1, Row(0, 0, 5)},
      {0, 0, 0, 5, 0, 1, {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}},  // tall: end row left out
      {0, 5, 0, 0, 0, 1, {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}}},
      {0, 0, 3, 3, 0, 1, {{0, 0}, {1, 1}, {2, 2}}},
      {4, 4, 4, 4, 0, 1, {{4, 4}}},
      {0, 0, 4, 2, 0, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      {4, 2, 0, 0, 0, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      {0, 4, 4, 2, 0, 1, {{0, 4}, {1, 4}, {2, 3}, {3, 3}, {4, 2}}},
      {0, 0, 2, 4, 0, 1, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
      {2, 4, 0, 0, 0, 1, {{0, 0}, {0, 1}, {1, 2}, {1, 3}}},
      {0, 0, 321, 0, 0, 0, {}},              // clip 0 refuses beyond 320
      {-1, 0, 5, 0, 0, 0, {}},               // and below 0
      {0, 0, 5, 241, 0, 0, {}},              // rows likewise
      {320, 0, 320, 5, 0, 1, {}},            // column 320 is allowed but never written
      {0, 0, 321, 0, 1, 1, Row(0, 0, 319)},  // clip 1: the part on the screen
      {0, 0, 321, 0, 2, 1, Row(0, 0, 319)},  // any non-zero clip
      {-3, 1, 2, 1, 1, 1, Row(1, 0, 2)},
  };
  for (const LineCase& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    EXPECT_EQ(gfx::PixelLine(c.x1, c.y1, c.x2, c.y2, INK, c.clip), c.result)
        << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2 << " clip " << c.clip;
    EXPECT_EQ(PixelsOf(gfx::BackSurface, INK), c.pixels)
        << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2 << " clip " << c.clip;
    EXPECT_EQ(PixelsNot(gfx::BackSurface, BACKGROUND), c.pixels);
  }
}

TEST_F(PixelsTest, LinesStartingOffTheScreenKeepTheirStepping) {
  // Stepping does not depend on where a line lies: a line moved partly off the
  // screen shows the visible part of the same pixel pattern.
  struct Case {
    int32_t x1, y1, x2, y2, shiftX, shiftY;
  };
  const Case cases[] = {{10, 50, 50, 57, -20, 0}, {50, 57, 10, 50, -20, 0},
                        {50, 13, 53, 40, 0, -20}, {53, 40, 50, 13, 0, -20},
                        {10, 60, 47, 20, -25, 0}, {60, 10, 20, 47, 0, -30}};
  for (const Case& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    ASSERT_EQ(gfx::PixelLine(c.x1, c.y1, c.x2, c.y2, INK, 0), 1);
    PixelSet expected;
    for (const auto& [x, y] : PixelsOf(gfx::BackSurface, INK)) {
      if (x + c.shiftX >= 0 && y + c.shiftY >= 0) expected.insert({x + c.shiftX, y + c.shiftY});
    }
    Fill(gfx::BackSurface, BACKGROUND);
    ASSERT_EQ(
        gfx::PixelLine(c.x1 + c.shiftX, c.y1 + c.shiftY, c.x2 + c.shiftX, c.y2 + c.shiftY, INK, 1),
        1);
    EXPECT_EQ(PixelsOf(gfx::BackSurface, INK), expected) << c.x1 << "," << c.y1;
  }
}

TEST_F(PixelsTest, HugeClippedLineDrawsOnlyItsVisiblePart) {
  // Four billion columns and one row step, halfway along: exactly at column 0.
  ASSERT_EQ(gfx::PixelLine(-2000000000, 5, 2000000000, 6, INK, 1), 1);
  PixelSet expected = Row(6, 1, 319);
  expected.insert({0, 5});
  EXPECT_EQ(PixelsOf(gfx::BackSurface, INK), expected);
}

TEST_F(PixelsTest, MixedAndRemappedLinesChangeEachPixelOnce) {
  // A diagonal and a steep line: a pixel visited twice would be mixed twice.
  const int32_t lines[][4] = {{0, 0, 9, 9}, {3, 0, 5, 9}, {9, 2, 0, 2}};
  for (const auto& l : lines) {
    Fill(gfx::BackSurface, 10);
    ASSERT_EQ(gfx::MixLine(l[0], l[1], l[2], l[3], 7, 0), 1);
    const PixelSet changed = PixelsNot(gfx::BackSurface, 10);
    EXPECT_FALSE(changed.empty());
    EXPECT_EQ(PixelsOf(gfx::BackSurface, Mixed(10, 7)), changed);

    Fill(gfx::BackSurface, 10);
    ASSERT_EQ(gfx::RemapLine(l[0], l[1], l[2], l[3], 4, 0), 1);
    EXPECT_EQ(PixelsOf(gfx::BackSurface, Remapped(4, 10)), changed);
  }
  EXPECT_EQ(gfx::MixLine(0, 0, 400, 0, 7, 0), 0);
  EXPECT_EQ(gfx::RemapLine(0, 0, 5, 0, 14, 1), 0);
}

// The colour is taken whole: it may reach into the next row or the one before;
// an index outside the table leaves the pixel alone (and the pixel call says 0).
TEST_F(PixelsTest, MixIndexTakesTheColourWhole) {
  struct Case {
    uint8_t pixel;
    int32_t colour;
    int32_t result;
    uint8_t mixed;
  };
  const Case cases[] = {
      {10, 7, 1, Mixed(10, 7)},
      {10, 300, 1, Mixed(11, 44)},
      {10, -1, 1, Mixed(9, 255)},
      {255, 255, 1, Mixed(255, 255)},
      {255, 256, 0, 255},
      {0, -1, 0, 0},
      {3, 65535 - 3 * 256, 1, Mixed(255, 255)},
      {0, 65536, 0, 0},
  };
  for (const Case& c : cases) {
    Fill(gfx::BackSurface, c.pixel);
    EXPECT_EQ(gfx::MixPixel(4, 4, c.colour), c.result) << int(c.pixel) << " " << c.colour;
    EXPECT_EQ(Back(4, 4), c.mixed) << int(c.pixel) << " " << c.colour;
    Fill(gfx::BackSurface, c.pixel);
    EXPECT_EQ(gfx::MixLine(0, 9, 319, 9, c.colour, 0), 1) << int(c.pixel) << " " << c.colour;
    // Every pixel of the line changes to the mixed colour, or none does.
    const PixelSet changed = c.result == 1 ? Row(9, 0, 319) : PixelSet{};
    EXPECT_EQ(PixelsNot(gfx::BackSurface, c.pixel), changed) << int(c.pixel) << " " << c.colour;
    EXPECT_EQ(Back(200, 9), c.mixed) << int(c.pixel) << " " << c.colour;
  }
}

TEST_F(PixelsTest, MixLineWithSelfMixingColourLeavesPixelsAlone) {
  gfx::MixTable[20 * 256 + 20] = 20;
  Fill(gfx::BackSurface, 20);
  ASSERT_EQ(gfx::MixLine(0, 3, 50, 3, 20, 0), 1);
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, 20).empty());
}

// The outline of a box's edge pixels, corners optional.
PixelSet BoxOutline(int32_t left, int32_t top, int32_t right, int32_t bottom, bool corners) {
  PixelSet pixels;
  for (int32_t x = left; x <= right; ++x) {
    for (int32_t y = top; y <= bottom; ++y) {
      const bool edgeX = x == left || x == right, edgeY = y == top || y == bottom;
      if ((edgeX || edgeY) && (corners || !(edgeX && edgeY))) pixels.insert({x, y});
    }
  }
  return pixels;
}

TEST_F(PixelsTest, EllipseSteppingExactPixels) {
  // Radius 2 steps onto the whole border of its 5 x 5 box; a wide 9 x 5 box
  // misses only its corners.
  struct Case {
    int32_t x1, y1, x2, y2;
    PixelSet pixels;
  };
  const Case cases[] = {{0, 0, 4, 4, BoxOutline(0, 0, 4, 4, true)},
                        {4, 4, 0, 0, BoxOutline(0, 0, 4, 4, true)},
                        {0, 0, 8, 4, BoxOutline(0, 0, 8, 4, false)},
                        {10, 20, 14, 28, {}}};
  for (const Case& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    EXPECT_EQ(gfx::PixelEllipse(c.x1, c.y1, c.x2, c.y2, INK, 0), 1);
    if (!c.pixels.empty()) {
      EXPECT_EQ(PixelsOf(gfx::BackSurface, INK), c.pixels);
    }
  }
  // The tall box: symmetric about its centre (12, 24) and touching its edges.
  const PixelSet tall = PixelsOf(gfx::BackSurface, INK);
  EXPECT_EQ(Bounds(tall), (Box{10, 20, 15, 29}));
  for (const auto& [x, y] : tall) EXPECT_TRUE(tall.count({24 - x, 48 - y})) << x << "," << y;
}

TEST_F(PixelsTest, CircleTouchesItsBox) {
  ASSERT_EQ(gfx::PixelEllipse(0, 0, 10, 10, INK, 0), 1);
  const PixelSet circle = PixelsOf(gfx::BackSurface, INK);
  EXPECT_EQ(Bounds(circle), (Box{0, 0, 11, 11}));
  for (const Pixel& p : {Pixel{0, 5}, Pixel{10, 5}, Pixel{5, 0}, Pixel{5, 10}}) {
    EXPECT_TRUE(circle.count(p)) << p.first << "," << p.second;
  }
  EXPECT_FALSE(circle.count({5, 5}));
}

TEST_F(PixelsTest, ScreenSizedEllipseShrinksToFit) {
  ASSERT_EQ(gfx::PixelEllipse(0, 0, 320, 240, INK, 0), 1);
  // Centre (160, 120), rx 159, ry 119.
  EXPECT_EQ(Bounds(PixelsOf(gfx::BackSurface, INK)), (Box{1, 1, 320, 240}));
  EXPECT_EQ(Back(319, 120), INK);
  EXPECT_EQ(Back(160, 239), INK);
}

TEST_F(PixelsTest, EllipseRefusals) {
  EXPECT_EQ(gfx::PixelEllipse(0, 0, 1, 9, INK, 0), 0);     // rx 0
  EXPECT_EQ(gfx::PixelEllipse(0, 0, 9, 1, INK, 1), 0);     // ry 0
  EXPECT_EQ(gfx::PixelEllipse(0, 0, 321, 10, INK, 0), 0);  // clip 0 range
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
  // A huge ellipse wholly off the screen draws nothing, at once.
  EXPECT_EQ(gfx::PixelEllipse(-2000000000, -2000000000, -1000000000, -1000000000, INK, 1), 1);
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
  // With clipping, the part on the screen is drawn.
  EXPECT_EQ(gfx::PixelEllipse(-10, -10, 10, 10, INK, 2), 1);
  EXPECT_EQ(Back(0, 10), INK);
  EXPECT_EQ(Back(10, 0), INK);
}

TEST_F(PixelsTest, NothingIsWrittenOutsideALock) {
  gfx::UnlockDrawTarget();
  EXPECT_EQ(gfx::PutPixel(5, 5, INK), 0);
  EXPECT_EQ(gfx::ReadPixel(5, 5), -1);
  EXPECT_EQ(gfx::PixelLine(0, 0, 9, 0, INK, 0), 1);
  // A pointer kept from the back buffer's lock does not reach another target.
  gfx::CreateSlotSurface(4, 8, 8);
  ASSERT_EQ(gfx::LockDrawTarget(), 1);
  gfx::SetDrawTarget(4);
  EXPECT_EQ(gfx::PutPixel(5, 5, INK), 0);
  gfx::ResetDrawTarget();
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
  EXPECT_TRUE(PixelsNot(gfx::SlotSurface(4), 0).empty());
}

TEST_F(PixelsTest, SmallSlotTargetIsNeverWrittenPastItsEdge) {
  gfx::UnlockDrawTarget();
  gfx::CreateSlotSurface(4, 8, 4);
  Fill(gfx::SlotSurface(4), BACKGROUND);
  gfx::SetDrawTarget(4);
  ASSERT_EQ(gfx::LockDrawTarget(), 1);
  EXPECT_EQ(gfx::PutPixel(8, 0, INK), 0);
  EXPECT_EQ(gfx::PixelLine(0, 3, 300, 3, INK, 0), 1);
  gfx::UnlockDrawTarget();
  EXPECT_EQ(PixelsOf(gfx::SlotSurface(4), INK), Row(3, 0, 7));
  gfx::ResetDrawTarget();
  ASSERT_EQ(gfx::LockDrawTarget(), 1);
}

}  // namespace
}  // namespace drawtest
