// Tests of the drawing operations the art is made with.
#include "canvas.h"

#include <gtest/gtest.h>

#include "art_palette.h"
#include "lettering.h"

namespace {

using namespace tools;

TEST(ArtPalette, InkNeverYieldsTheSeeThroughIndex) {
  for (int32_t ramp = 0; ramp < PALETTE_SHADES; ++ramp) {
    for (int32_t shade : {-5, 0, 1, 8, 15, 20}) {
      const uint8_t ink = Ink(ramp, shade);
      EXPECT_NE(ink, INK_CLEAR);
      EXPECT_EQ(ink / PALETTE_SHADES, ramp);
    }
  }
}

TEST(Canvas, DrawingOutsideTheCanvasIsClippedAway) {
  Canvas c = MakeCanvas(4, 3, 7);
  FillRect(c, -10, -10, 100, 1, 9);
  FillEllipse(c, -20, 1, 3, 3, 9);
  DrawLine(c, -5, 2, 10, 2, 5);
  EXPECT_EQ(c.pixels, std::vector<uint8_t>({7, 7, 7, 7, 7, 7, 7, 7, 5, 5, 5, 5}));
  EXPECT_EQ(PixelAt(c, 4, 0), INK_CLEAR);
}

TEST(Canvas, OutlineRingsOpaquePixelsOnlyInsideTheRegion) {
  Canvas c = MakeCanvas(5, 5);
  Plot(c, 2, 2, 9);
  Plot(c, 0, 2, 9);
  OutlineRegion(c, 1, 1, 3, 3, 4);
  // The middle pixel gets its four side neighbours; the pixel outside the region
  // is neither ringed nor a reason to ring.
  const std::vector<uint8_t> expected = {0, 0, 0, 0, 0,  //
                                         0, 0, 4, 0, 0,  //
                                         9, 4, 9, 4, 0,  //
                                         0, 0, 4, 0, 0,  //
                                         0, 0, 0, 0, 0};
  EXPECT_EQ(c.pixels, expected);
}

TEST(Canvas, StampGridUsesTheLegendAndCanMirror) {
  const Legend legend = {"ab", {3, 4}};
  for (bool mirrored : {false, true}) {
    Canvas c = MakeCanvas(3, 1, 1);
    StampGrid(c, 0, 0, {"a.b"}, legend, mirrored);
    EXPECT_EQ(c.pixels,
              mirrored ? std::vector<uint8_t>({4, 1, 3}) : std::vector<uint8_t>({3, 1, 4}));
  }
}

TEST(Lettering, WidthCountsGridsGapsAndUnknownCharacters) {
  // Three 12-wide katakana at scale 2 with two one-column gaps between them.
  EXPECT_EQ(LetteringWidth("クリア", 2), (12 * 3 + 2) * 2);
  // A voiced katakana is two columns wider; a character without a grid is a 4-wide space.
  EXPECT_EQ(LetteringWidth("ギ", 1), 14);
  EXPECT_EQ(LetteringWidth("#", 1), 4);
  EXPECT_EQ(LetteringHeight("Va", 3), 21);
}

TEST(Lettering, OutlineAndShadowStayAroundTheLetters) {
  Canvas c = MakeCanvas(20, 20);
  LetteringStyle style;
  style.scale = 1;
  style.outline = 1;
  style.shadow = 2;
  DrawLettering(c, 5, 5, "I", style);
  // "I" is 3 x 7: ink at its top row, outline just above, shadow below-right.
  EXPECT_GE(PixelAt(c, 6, 5), 16 * style.ramp + style.lo);
  EXPECT_EQ(PixelAt(c, 6, 4), 1);
  EXPECT_EQ(PixelAt(c, 8, 13), 2);
  EXPECT_EQ(PixelAt(c, 0, 0), INK_CLEAR);
}

}  // namespace
