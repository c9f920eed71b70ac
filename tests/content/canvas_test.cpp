// Tests of the drawing operations the art is made with.
#include "canvas.h"

#include <gtest/gtest.h>

#include "art_palette.h"
#include "content_test_support.h"
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

// The letter file's form: letters and their rows, comments between letters.
TEST(Lettering, LetterSetsAreReadFromTheirText) {
  LetterSet letters;
  EXPECT_EQ(ParseLetters("# two letters\n\nletter A\n.#.\n#.#\n\nletter space\n..\n", &letters),
            "");
  EXPECT_EQ(letters, (LetterSet{{U'A', {".#.", "#.#"}}, {U' ', {".."}}}));
  EXPECT_EQ(ParseLetters("letter ギ\n##\n", &letters), "");
  EXPECT_EQ(letters.at(U'ギ'), std::vector<std::string>{"##"});
  const struct {
    const char* text;
    const char* fault;
  } faults[] = {
      {"letter AB\n#\n", "line 1: 'AB' is not one character"},
      {"letter A\n#\n\nletter A\n#\n", "line 4: 'A' is drawn twice"},
      {"letter A\n\n", "line 2: 'A' has no rows"},
      {"letter A\nletter B\n#\n", "line 2: 'A' has no rows"},
      {"letter A", "line 1: 'A' has no rows"},
      {"letter A\n#x\n", "line 2: 'A' has a row of other signs than # and ."},
      {"letter A\n##\n#\n", "line 3: 'A' has rows of different widths"},
      {".#\n", "line 1: a row outside a letter"},
  };
  for (const auto& c : faults) {
    EXPECT_EQ(ParseLetters(c.text, &letters), c.fault) << c.text;
    EXPECT_TRUE(letters.empty()) << c.text;
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

// The inked columns and rows of a canvas: the shared box counts index 0 as clear.
static_assert(INK_CLEAR == 0);
content_test::Bounds InkBox(const Canvas& c) {
  return content_test::OpaqueBounds(c.width, c.height,
                                    [&](int32_t x, int32_t y) { return PixelAt(c, x, y); });
}

// A word of a picture in its box: as large as the box allows, centred both ways.
TEST(Lettering, WordsTakeTheLargestScaleThatFitsTheirBox) {
  const struct {
    const char* word;
    WordBox box;
    content_test::Bounds ink;  // the word's ink with its one-pixel outline
  } cases[] = {
      // Latin capitals stand 7 rows high: at scale 3 "GO" is 33 x 21, at scale 2 22 x 14.
      {"GO", {50, 10, 60, 24}, {34 - 1, 11 - 1, 34 + 33 + 1, 11 + 21 + 1}},
      {"GO", {50, 10, 30, 24}, {39 - 1, 15 - 1, 39 + 22 + 1, 15 + 14 + 1}},
      // An accented capital stands 10 rows: at scale 2 "É" is 10 x 20.
      {"É", {50, 10, 60, 24}, {45 - 1, 12 - 1, 45 + 10 + 1, 12 + 20 + 1}},
      // Katakana at scale 3 would stand 36 rows: at scale 2 "クリア" is 76 x 24.
      {"クリア", {50, 10, 80, 24}, {12 - 1, 10 - 1, 12 + 76 + 1, 10 + 24 + 1}},
  };
  for (const auto& c : cases) {
    LetteringFaults.clear();
    Canvas canvas = MakeCanvas(100, 50);
    LetteringStyle style;
    style.outline = 1;
    style.shadow = INK_CLEAR;
    DrawWordInBox(canvas, c.word, c.box, style);
    EXPECT_TRUE(LetteringFaults.empty()) << c.word;
    EXPECT_EQ(InkBox(canvas), c.ink) << c.word << " in a box " << c.box.width << " wide";
  }
}

TEST(Lettering, WordsThatCannotBePaintedAreNoted) {
  const struct {
    const char* word;
    int32_t width;
    const char* fault;
  } cases[] = {
      {"GIVE UP NOW", 60,
       "'GIVE UP NOW' is 122 pixels wide at the smallest scale; its place is 60"},
      {"A&B", 100, "'A&B' has a letter without a grid: U+0026"},
      {"ÇA", 100, "'ÇA' has a letter without a grid: U+00C7"},
  };
  for (const auto& c : cases) {
    LetteringFaults.clear();
    Canvas canvas = MakeCanvas(100, 50);
    DrawWordInBox(canvas, c.word, {50, 10, c.width, 24}, LetteringStyle{});
    ASSERT_FALSE(LetteringFaults.empty()) << c.word;
    EXPECT_EQ(LetteringFaults.front(), c.fault);
  }
  LetteringFaults.clear();
}

}  // namespace
