// Text on the draw target: placement, colours, cell boxes, alignment and wrapping as pixel bounds.
#include "gfx/text.h"

#include "draw_fixture.h"
#include "gfx/surfaces.h"

namespace drawtest {
namespace {

constexpr uint32_t RGB_RED = 0x0000FF;
constexpr uint32_t RGB_GREEN = 0x00FF00;
constexpr uint8_t WHITE = 255;
constexpr uint8_t BLACK = 0;

class TextTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    ASSERT_TRUE(gfx::InitFonts());
    gfx::AllocateFontRecord();
  }
  void TearDown() override {
    gfx::FreeFontRecord();
    ExpectReleased(gfx::BackSurface);
    DrawTest::TearDown();
  }
  // Red text on green cells through the bracket.
  static void BoxedTextInRect(int32_t left, int32_t top, int32_t right, int32_t bottom,
                              const char* text, int32_t alignment) {
    gfx::BeginText(16);
    gfx::SetTextColours(RGB_RED, RGB_GREEN, 0);
    gfx::DrawTextInRect(left, top, right, bottom, text, alignment);
    gfx::EndText();
  }
  // The box of the drawn cells within rows [top, bottom).
  static Box RowsBox(int32_t top, int32_t bottom) {
    PixelSet rows;
    for (const Pixel& p : PixelsNot(gfx::BackSurface, BACKGROUND)) {
      if (p.second >= top && p.second < bottom) rows.insert(p);
    }
    return Bounds(rows);
  }
};

TEST_F(TextTest, PrintTextIsWhiteOnABlackCellBox) {
  gfx::PrintText(0, 0, "%3d", 7);
  const PixelSet drawn = PixelsNot(gfx::BackSurface, BACKGROUND);
  EXPECT_EQ(Bounds(drawn), (Box{0, 0, 24, 16}));  // three half-width cells, 16 rows
  EXPECT_EQ(drawn.size(), 24u * 16u);
  const PixelSet white = PixelsOf(gfx::BackSurface, WHITE);
  ASSERT_FALSE(white.empty());
  EXPECT_GE(Bounds(white)[0], 16);  // the two spaces carry no ink
  EXPECT_EQ(PixelsOf(gfx::BackSurface, BLACK).size() + white.size(), drawn.size());
}

// Measuring without drawing gives what drawing covers.
TEST_F(TextTest, MeasuresWhatItDraws) {
  EXPECT_EQ(gfx::TextWidth(16, "  7"), 24);
  EXPECT_EQ(gfx::TextWidth(16, "熟成"), 32);
  EXPECT_EQ(gfx::TextWidth(12, "熟成"), 24);
  EXPECT_EQ(gfx::TextWidth(16, ""), 0);
  EXPECT_EQ(gfx::WrappedLineCount(16, "one two three", 200), 1);
  EXPECT_EQ(gfx::WrappedLineCount(16, "one two three", 60), 2);  // "one two" is 56 wide
  EXPECT_EQ(gfx::WrappedLineCount(16, "熟成熟成", 40), 2);
  EXPECT_EQ(gfx::WrappedLineCount(16, "", 40), 0);
  BoxedTextInRect(0, 0, 60, 100, "one two three", gfx::TEXT_ALIGN_LEFT);
  EXPECT_EQ(RowsBox(0, 16), (Box{0, 0, gfx::TextWidth(16, "one two"), 16}));
  EXPECT_EQ(RowsBox(16, 32), (Box{0, 16, gfx::TextWidth(16, "three"), 32}));
}

TEST_F(TextTest, PrintTextPlacesTheTopLeftCorner) {
  struct Case {
    int32_t x, y;
    const char* text;
    Box box;
  };
  const Case cases[] = {
      {100, 50, "AB", {100, 50, 116, 66}},
      {10, 200, "チーズ", {10, 200, 58, 216}},
      {300, 230, "ABCD", {300, 230, 320, 240}},  // clipped by the screen
      {-4, -3, "A", {0, 0, 4, 13}},
  };
  for (const Case& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    gfx::PrintText(c.x, c.y, "%s", c.text);
    EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), c.box) << c.text;
  }
}

TEST_F(TextTest, SmallTextHasATwelvePixelCell) {
  gfx::PrintSmallText(5, 100, "AB%s", "　熟");
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{5, 100, 41, 112}));
  EXPECT_FALSE(PixelsOf(gfx::BackSurface, WHITE).empty());
}

TEST_F(TextTest, ColoursAndTransparentBackground) {
  gfx::BeginText(16);
  gfx::SetTextColours(RGB_RED, RGB_GREEN, 0);
  gfx::DrawTextAt(0, 0, "熟成");
  gfx::SetTextColours(RGB_RED, RGB_GREEN, 1);
  gfx::DrawTextAt(0, 20, "熟成");
  gfx::EndText();
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{0, 0, 32, 36}));
  EXPECT_EQ(RowsBox(0, 16), (Box{0, 0, 32, 16}));
  // Transparent: only the glyphs' own pixels, all in the text colour.
  const PixelSet lower = PixelsNot(gfx::BackSurface, BACKGROUND);
  size_t red = 0, other = 0;
  for (const auto& [x, y] : lower) {
    if (y < 20) continue;
    (Back(x, y) == RED ? red : other) += 1;
  }
  EXPECT_GT(red, 20u);
  EXPECT_EQ(other, 0u);
}

TEST_F(TextTest, FreshBracketDrawsBlackOnOpaqueWhite) {
  gfx::BeginText(16);
  gfx::DrawTextAt(0, 0, "A");
  gfx::EndText();
  EXPECT_EQ(PixelsOf(gfx::BackSurface, WHITE).size() + PixelsOf(gfx::BackSurface, BLACK).size(),
            8u * 16u);
  EXPECT_FALSE(PixelsOf(gfx::BackSurface, BLACK).empty());
}

TEST_F(TextTest, SizesAreCellHeights) {
  struct Case {
    int32_t size, cellHeight, cellWidth;
  };
  for (const Case& c : {Case{16, 16, 8}, Case{-12, 12, 6}, Case{0, 16, 8}, Case{24, 24, 12}}) {
    Fill(gfx::BackSurface, BACKGROUND);
    gfx::BeginText(c.size);
    gfx::SetTextColours(RGB_RED, RGB_GREEN, 0);
    gfx::DrawTextAt(0, 0, "x");
    gfx::EndText();
    EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)),
              (Box{0, 0, c.cellWidth, c.cellHeight}))
        << c.size;
  }
}

TEST_F(TextTest, AlignmentCodes) {
  struct Case {
    int32_t alignment;
    Box box;
  };
  // The intro card's rectangle with a three-character (24-pixel) text.
  const Case cases[] = {{gfx::TEXT_ALIGN_LEFT, {20, 110, 44, 126}},
                        {gfx::TEXT_ALIGN_RIGHT, {196, 110, 220, 126}},
                        {22, {108, 110, 132, 126}},
                        {24, {108, 110, 132, 126}},
                        {0, {108, 110, 132, 126}}};
  for (const Case& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    BoxedTextInRect(20, 110, 220, 130, "abc", c.alignment);
    EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), c.box) << c.alignment;
  }
}

TEST_F(TextTest, WrapsAtWordBreaksAndAlignsEachLine) {
  // "aaaa bbbb" is 72 pixels and fits in 80; " cccc" would not.
  BoxedTextInRect(0, 0, 80, 100, "aaaa bbbb cccc", gfx::TEXT_ALIGN_LEFT);
  EXPECT_EQ(RowsBox(0, 16), (Box{0, 0, 72, 16}));
  EXPECT_EQ(RowsBox(16, 240), (Box{0, 16, 32, 32}));

  Fill(gfx::BackSurface, BACKGROUND);
  BoxedTextInRect(0, 0, 80, 100, "aaaa bbbb cccc", gfx::TEXT_ALIGN_RIGHT);
  EXPECT_EQ(RowsBox(0, 16), (Box{8, 0, 80, 16}));
  EXPECT_EQ(RowsBox(16, 240), (Box{48, 16, 80, 32}));
}

TEST_F(TextTest, WrapsBetweenJapaneseCharacters) {
  BoxedTextInRect(0, 0, 40, 100, "あいうえお", gfx::TEXT_ALIGN_LEFT);
  EXPECT_EQ(RowsBox(0, 16), (Box{0, 0, 32, 16}));
  EXPECT_EQ(RowsBox(16, 32), (Box{0, 16, 32, 32}));
  EXPECT_EQ(RowsBox(32, 240), (Box{0, 32, 16, 48}));
}

TEST_F(TextTest, LineBreaksAndAmpersands) {
  BoxedTextInRect(0, 0, 200, 100, "a&b\r\ncd\nef", gfx::TEXT_ALIGN_LEFT);
  EXPECT_EQ(RowsBox(0, 16), (Box{0, 0, 24, 16}));  // the ampersand is a character
  EXPECT_EQ(RowsBox(16, 32), (Box{0, 16, 16, 32}));
  EXPECT_EQ(RowsBox(32, 240), (Box{0, 32, 16, 48}));
}

TEST_F(TextTest, RectangleClipsTheText) {
  BoxedTextInRect(10, 10, 42, 30, "あいうえお", gfx::TEXT_ALIGN_LEFT);  // two per line
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{10, 10, 42, 30}));
  Fill(gfx::BackSurface, BACKGROUND);
  BoxedTextInRect(10, 10, 30, 30, "abcdefgh", gfx::TEXT_ALIGN_LEFT);  // one long word
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{10, 10, 30, 26}));
}

TEST_F(TextTest, BracketHoldsTheTargetsDeviceContext) {
  gfx::CreateSlotSurface(4, 64, 32);
  Fill(gfx::SlotSurface(4), BACKGROUND);
  gfx::SetDrawTarget(4);
  gfx::BeginText(16);
  EXPECT_EQ(gfx::SlotSurface(4)->dcCount, 1);
  EXPECT_EQ(gfx::BackSurface->dcCount, 0);
  gfx::DrawTextAt(2, 3, "A");
  gfx::EndText();
  gfx::ResetDrawTarget();
  ExpectReleased(gfx::SlotSurface(4));
  EXPECT_EQ(Bounds(PixelsNot(gfx::SlotSurface(4), BACKGROUND)), (Box{2, 3, 10, 19}));
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
}

TEST_F(TextTest, NothingIsDrawnWithoutAFontRecord) {
  gfx::FreeFontRecord();
  gfx::PrintText(0, 0, "ABC");
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
}

TEST_F(TextTest, OverlongFormattedTextIsCutAt255Bytes) {
  char longText[400];
  std::fill(std::begin(longText), std::end(longText), 'W');
  longText[399] = 0;
  gfx::PrintText(-8 * 250, 0, "%s", longText);  // only the last few characters reach the screen
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{0, 0, 40, 16}));
}

}  // namespace
}  // namespace drawtest
