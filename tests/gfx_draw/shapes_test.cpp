// Shapes and scaled copies on the draw target: geometry, nearest colours, clipping, contexts.
#include "gfx/shapes.h"

#include <functional>

#include "draw_fixture.h"
#include "gfx/surfaces.h"

namespace drawtest {
namespace {

constexpr uint32_t RGB_RED = 0x0000FF;  // colour references keep red in the low byte
constexpr uint32_t RGB_GREEN = 0x00FF00;
constexpr uint32_t RGB_BLUE = 0xFF0000;

class ShapesTest : public DrawTest {
 protected:
  void TearDown() override {
    ExpectReleased(gfx::BackSurface);
    DrawTest::TearDown();
  }
};

TEST_F(ShapesTest, ColoursLandOnTheNearestPaletteEntry) {
  struct Case {
    uint32_t colour;
    uint8_t index;
  };
  const Case cases[] = {{RGB_RED, RED},  {RGB_GREEN, GREEN}, {RGB_BLUE, BLUE}, {0, 0},
                        {0xFFFFFF, 255}, {0x404040, 0x40},   {0x0A00F0, RED}};
  for (const Case& c : cases) {
    gfx::SetPixelColour(7, 8, c.colour);
    EXPECT_EQ(Back(7, 8), c.index) << std::hex << c.colour;
  }
  gfx::SetPixelColour(-1, 8, RGB_RED);
  gfx::SetPixelColour(320, 8, RGB_RED);
  EXPECT_EQ(PixelsNot(gfx::BackSurface, BACKGROUND).size(), 1u);
}

TEST_F(ShapesTest, ThinLinesLeaveOutTheEndPoint) {
  struct Case {
    int32_t x1, y1, x2, y2;
    PixelSet pixels;
  };
  const Case cases[] = {
      {0,
       0,
       10,
       0,
       {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}}},
      {3, 5, 3, 1, {{3, 5}, {3, 4}, {3, 3}, {3, 2}}},
      {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
      {4, 4, 4, 4, {}},
      {-2, 1, 2, 1, {{0, 1}, {1, 1}}},
      {-2000000000, -5, 2000000000, -5, {}},  // far off the screen: nothing, at once
  };
  for (const Case& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    gfx::DrawLine(c.x1, c.y1, c.x2, c.y2, RGB_RED, 1);
    EXPECT_EQ(PixelsNot(gfx::BackSurface, BACKGROUND), c.pixels)
        << c.x1 << "," << c.y1 << " - " << c.x2 << "," << c.y2;
  }
}

TEST_F(ShapesTest, WideLinesCoverThePenWidth) {
  gfx::DrawLine(10, 10, 20, 10, RGB_BLUE, 3);
  EXPECT_EQ(Bounds(PixelsOf(gfx::BackSurface, BLUE)), (Box{9, 9, 22, 12}));
  EXPECT_EQ(Back(15, 9), BLUE);
  EXPECT_EQ(Back(15, 11), BLUE);
  Fill(gfx::BackSurface, BACKGROUND);
  gfx::DrawLine(50, 50, 50, 60, RGB_BLUE, 5);
  const Box box = Bounds(PixelsOf(gfx::BackSurface, BLUE));
  EXPECT_EQ(box[2] - box[0], 5);
}

TEST_F(ShapesTest, FullScreenClearPaintsEverythingBlack) {
  gfx::DrawRectangle(0, 0, 640, 480, 0, 0, 1);
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, 0).empty());
}

TEST_F(ShapesTest, RectangleEdgesOfPenWidthAndFilledInside) {
  gfx::DrawRectangle(10, 10, 20, 16, RGB_RED, RGB_BLUE, 2);
  for (int32_t y = 8; y < 18; ++y) {
    for (int32_t x = 8; x < 22; ++x) {
      const bool inside = x >= 10 && x < 20 && y >= 10 && y < 16;
      const bool fill = x >= 12 && x < 18 && y >= 12 && y < 14;
      const uint8_t expected = !inside ? BACKGROUND : fill ? RED : BLUE;
      ASSERT_EQ(Back(x, y), expected) << x << "," << y;
    }
  }
  // Corners given the other way round make the same rectangle.
  Fill(gfx::BackSurface, BACKGROUND);
  gfx::DrawRectangle(20, 16, 10, 10, RGB_RED, RGB_BLUE, 1);
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{10, 10, 20, 16}));
  EXPECT_EQ(Bounds(PixelsOf(gfx::BackSurface, RED)), (Box{11, 11, 19, 15}));
}

TEST_F(ShapesTest, PolygonFillsAlternately) {
  // A five-pointed star drawn in one stroke: its middle pentagon is crossed twice
  // and stays unfilled, its points are filled.
  const gfx::Point star[] = {{100, 20}, {123, 90}, {63, 47}, {137, 47}, {77, 90}};
  gfx::DrawPolygon(star, 5, RGB_RED, RGB_BLUE, 1);
  EXPECT_EQ(Back(100, 60), BACKGROUND);
  EXPECT_EQ(Back(100, 35), RED);   // top point
  EXPECT_EQ(Back(72, 50), RED);    // left point
  EXPECT_EQ(Back(100, 20), BLUE);  // a vertex on the outline
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{63, 20, 138, 91}));
}

TEST_F(ShapesTest, PolygonSquareAndDegenerateInput) {
  const gfx::Point square[] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
  gfx::DrawPolygon(square, 4, RGB_GREEN, RGB_BLUE, 1);
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{10, 10, 21, 21}));
  EXPECT_EQ(Back(15, 15), GREEN);
  EXPECT_EQ(Back(10, 15), BLUE);
  EXPECT_EQ(Back(20, 20), BLUE);
  Fill(gfx::BackSurface, BACKGROUND);
  gfx::DrawPolygon(square, 1, RGB_GREEN, RGB_BLUE, 1);
  gfx::DrawPolygon(nullptr, 4, RGB_GREEN, RGB_BLUE, 1);
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
}

TEST_F(ShapesTest, BezierCurves) {
  // Control points on a straight line make a straight curve.
  const gfx::Point straight[] = {{0, 5}, {10, 5}, {20, 5}, {30, 5}};
  gfx::DrawBezier(straight, 4, RGB_RED, 1);
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{0, 5, 30, 6}));
  // Two curves share their middle point; a bulging curve stays within its hull.
  Fill(gfx::BackSurface, BACKGROUND);
  const gfx::Point arch[] = {{10, 50}, {10, 10}, {50, 10}, {50, 50}, {50, 90}, {90, 90}, {90, 50}};
  gfx::DrawBezier(arch, 7, RGB_RED, 1);
  const Box box = Bounds(PixelsOf(gfx::BackSurface, RED));
  EXPECT_EQ(box[0], 10);
  EXPECT_EQ(box[1], 20);  // the top of the first arch: 50 - 0.75 * 40
  EXPECT_EQ(box[3], 81);  // the bottom of the second
  EXPECT_EQ(Back(30, 20), RED);
  // A count that is not 1 + 3n draws nothing.
  Fill(gfx::BackSurface, BACKGROUND);
  gfx::DrawBezier(arch, 5, RGB_RED, 1);
  gfx::DrawBezier(arch, 3, RGB_RED, 1);
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
}

TEST_F(ShapesTest, ShapesDrawIntoASlotTarget) {
  gfx::CreateSlotSurface(4, 10, 10);
  Fill(gfx::SlotSurface(4), BACKGROUND);
  gfx::SetDrawTarget(4);
  gfx::DrawRectangle(-5, -5, 100, 100, RGB_GREEN, RGB_GREEN, 1);
  gfx::ResetDrawTarget();
  EXPECT_TRUE(PixelsNot(gfx::SlotSurface(4), GREEN).empty());
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
  ExpectReleased(gfx::SlotSurface(4));
}

TEST_F(ShapesTest, StretchBlitKeyedDoublesThroughTheBufferAndClips) {
  // 32 x 32 doubled to 64 x 64 at (300, 200): the top-left 20 x 40 shows, with
  // index 0 transparent.
  gfx::Surface* source = PatternSlot(2, 32, 32);
  gfx::StretchBlitKeyed(300, 200, 2, 0, 0, 32, 32, 64, 64);
  for (int32_t j = 0; j < 40; ++j) {
    for (int32_t i = 0; i < 20; ++i) {
      const uint8_t s = Pattern(i / 2, j / 2);
      ASSERT_EQ(Back(300 + i, 200 + j), s == 0 ? BACKGROUND : s) << i << "," << j;
    }
  }
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{300, 200, 320, 240}));
  ExpectReleased(source);
  ExpectReleased(gfx::SlotSurface(gfx::BufferSlot));
}

TEST_F(ShapesTest, StretchBlitKeyedLargerThanTheBufferKeepsItsScale) {
  // 32 columns over 640: twenty screen columns per source column; the buffer
  // holds the first 320 of them.
  PatternSlot(2, 32, 2);
  gfx::StretchBlitKeyed(0, 0, 2, 0, 1, 32, 2, 640, 1);
  for (int32_t x = 0; x < 320; ++x) ASSERT_EQ(Back(x, 0), Pattern(x / 20, 1)) << x;
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{0, 0, 320, 1}));
}

TEST_F(ShapesTest, StretchBlitKeyedIntoTheDrawTargetSlot) {
  PatternSlot(2, 4, 4);
  gfx::CreateSlotSurface(5, 320, 240);
  Fill(gfx::SlotSurface(5), BACKGROUND);
  gfx::SetDrawTarget(5);
  gfx::StretchBlitKeyed(10, 10, 2, 1, 1, 3, 3, 6, 6);  // 2 x 2 tripled
  gfx::ResetDrawTarget();
  EXPECT_EQ(At(gfx::SlotSurface(5), 10, 10), Pattern(1, 1));
  EXPECT_EQ(At(gfx::SlotSurface(5), 15, 15), Pattern(2, 2));
  EXPECT_EQ(Bounds(PixelsNot(gfx::SlotSurface(5), BACKGROUND)), (Box{10, 10, 16, 16}));
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
}

TEST_F(ShapesTest, StretchBlitOpaqueScalesAndRefusesItsOwnTarget) {
  gfx::Surface* source = PatternSlot(2, 4, 4);
  gfx::StretchBlitOpaque(-2, 0, 2, 0, 0, 4, 4, 8, 8);
  for (int32_t j = 0; j < 8; ++j) {
    for (int32_t i = 2; i < 8; ++i) ASSERT_EQ(Back(i - 2, j), Pattern(i / 2, j / 2));
  }
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{0, 0, 6, 8}));

  gfx::SetDrawTarget(2);
  gfx::StretchBlitOpaque(0, 0, 2, 1, 1, 2, 2, 4, 4);
  gfx::ResetDrawTarget();
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(At(source, x, y), Pattern(x, y));
  }
  ExpectReleased(source);
}

// Negative sizes and inverted source rectangles, on a 4 x 4 pattern slot and
// drawn at (10, 10). A negative size covers the columns or rows before 10; when
// exactly one side runs backwards the picture is mirrored. The keyed copy goes
// out of the buffer through the rectangle (0, 0, width, height), so a negative
// size draws nothing there.
TEST_F(ShapesTest, StretchCopiesOfNegativeSizesMirrorOrDrawNothing) {
  struct Case {
    const char* name;
    bool keyed;
    Box source;  // left, top, right, bottom as passed
    int32_t width, height;
    Box drawn;  // where the picture lands; empty when nothing is drawn
    std::function<uint8_t(int32_t, int32_t)> picture;  // pixel (i, j) of `drawn`
  };
  const Case cases[] = {
      {"opaque, width -4",
       false,
       {0, 0, 4, 4},
       -4,
       4,
       {6, 10, 10, 14},
       [](int32_t i, int32_t j) { return Pattern(3 - i, j); }},
      {"opaque, height -4",
       false,
       {0, 0, 4, 4},
       4,
       -4,
       {10, 6, 14, 10},
       [](int32_t i, int32_t j) { return Pattern(i, 3 - j); }},
      {"opaque, width -8 doubles mirrored",
       false,
       {0, 0, 4, 4},
       -8,
       4,
       {2, 10, 10, 14},
       [](int32_t i, int32_t j) { return Pattern((7 - i) / 2, j); }},
      {"opaque, source inverted",
       false,
       {4, 0, 0, 4},
       4,
       4,
       {10, 10, 14, 14},
       [](int32_t i, int32_t j) { return Pattern(3 - i, j); }},
      {"opaque, both backwards",
       false,
       {4, 0, 0, 4},
       -4,
       4,
       {6, 10, 10, 14},
       [](int32_t i, int32_t j) { return Pattern(i, j); }},
      {"keyed, source inverted",
       true,
       {0, 4, 4, 0},
       4,
       4,
       {10, 10, 14, 14},
       [](int32_t i, int32_t j) { return Pattern(i, 3 - j); }},
      {"keyed, width -4", true, {0, 0, 4, 4}, -4, 4, {}, nullptr},
      {"keyed, height -4", true, {0, 0, 4, 4}, 4, -4, {}, nullptr},
  };
  PatternSlot(2, 4, 4);
  for (const Case& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    const auto copy = c.keyed ? gfx::StretchBlitKeyed : gfx::StretchBlitOpaque;
    copy(10, 10, 2, c.source[0], c.source[1], c.source[2], c.source[3], c.width, c.height);
    for (int32_t y = 0; y < 24; ++y) {
      for (int32_t x = 0; x < 24; ++x) {
        const bool inside = x >= c.drawn[0] && x < c.drawn[2] && y >= c.drawn[1] && y < c.drawn[3];
        uint8_t expected = inside ? c.picture(x - c.drawn[0], y - c.drawn[1]) : BACKGROUND;
        if (c.keyed && expected == 0) expected = BACKGROUND;  // index 0 is transparent
        ASSERT_EQ(Back(x, y), expected) << c.name << " at " << x << "," << y;
      }
    }
    for (const Pixel& p : PixelsNot(gfx::BackSurface, BACKGROUND))
      ASSERT_TRUE(p.first < 24 && p.second < 24) << c.name << " at " << p.first << "," << p.second;
  }
}

TEST_F(ShapesTest, StretchBlitKeyedFromTheBufferItself) {
  // The buffer doubled into itself: every position reads the picture as it was
  // before the call, not pixels this copy has already written.
  gfx::Surface* buffer = gfx::SlotSurface(gfx::BufferSlot);
  for (int32_t y = 0; y < 4; ++y) {
    for (int32_t x = 0; x < 4; ++x) At(buffer, x, y) = Pattern(x, y);
  }
  gfx::StretchBlitKeyed(100, 50, gfx::BufferSlot, 0, 0, 4, 4, 8, 8);
  for (int32_t j = 0; j < 8; ++j) {
    for (int32_t i = 0; i < 8; ++i) {
      const uint8_t s = Pattern(i / 2, j / 2);
      ASSERT_EQ(Back(100 + i, 50 + j), s == 0 ? BACKGROUND : s) << i << "," << j;
    }
  }
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{100, 50, 108, 58}));
  ExpectReleased(buffer);
}

}  // namespace
}  // namespace drawtest
