// Glyphs of the Gothic faces: cell metrics, which face serves which size, caching, UTF-8 reading.
#include "platform/font.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class FontTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(platform::LoadFonts()); }
};

TEST_F(FontTest, CellSplitsIntoAscentAndDescent) {
  EXPECT_EQ(platform::FontAscent(16), 14);
  EXPECT_EQ(platform::FontAscent(12), 10);
}

TEST_F(FontTest, AdvancesAreHalfAndFullWidth) {
  struct Case {
    int32_t size;
    uint32_t codePoint;
    int32_t advance;
  };
  const Case cases[] = {{16, 'A', 8},    {16, ' ', 8},     {16, 0x3042, 16}, {16, 0x719F, 16},
                        {12, 'A', 6},    {12, ' ', 6},     {12, 0x3042, 12}, {12, 0x719F, 12},
                        {12, 0xFF71, 6}, {12, 0x3000, 12}, {12, 0xFF1A, 12}, {20, 0x3042, 20}};
  for (const Case& c : cases) {
    EXPECT_EQ(platform::FontGlyph(c.size, c.codePoint).advance, c.advance)
        << "size " << c.size << " U+" << std::hex << c.codePoint;
  }
}

TEST_F(FontTest, TwelvePixelKanjiComeFromTheBitmapFont) {
  // The bitmap font's kanji fill their whole 12 x 12 cell box; an outline
  // rendering would give a tighter box placed by its bearings.
  for (uint32_t codePoint : {0x9593u, 0x719Fu, 0x614Bu, 0x3042u}) {
    const platform::GlyphBitmap& glyph = platform::FontGlyph(12, codePoint);
    EXPECT_EQ(glyph.width, 12) << std::hex << codePoint;
    EXPECT_EQ(glyph.height, 12) << std::hex << codePoint;
    EXPECT_EQ(glyph.top, 0) << std::hex << codePoint;
    EXPECT_EQ(glyph.left, 0) << std::hex << codePoint;
  }
  const platform::GlyphBitmap& ascii = platform::FontGlyph(12, 'M');
  EXPECT_EQ(ascii.width, 6);
  EXPECT_EQ(ascii.height, 12);
}

TEST_F(FontTest, GlyphsHaveInkInsideTheirCell) {
  for (int32_t size : {12, 16}) {
    for (uint32_t codePoint : {uint32_t('A'), 0x3042u, 0x719Fu}) {
      const platform::GlyphBitmap& glyph = platform::FontGlyph(size, codePoint);
      int32_t ink = 0;
      for (uint8_t pixel : glyph.ink) ink += pixel;
      EXPECT_GT(ink, 0) << size << " " << codePoint;
      EXPECT_GE(glyph.top, 0);
      EXPECT_LE(glyph.top + glyph.height, size);
      EXPECT_EQ(glyph.ink.size(), size_t(glyph.width) * glyph.height);
    }
  }
}

TEST_F(FontTest, CharactersWithoutABitmapGlyphStillRender) {
  // Not in CP932: drawn from the outline face at 12 pixels.
  const platform::GlyphBitmap& glyph = platform::FontGlyph(12, 0x00E9);  // é
  EXPECT_GT(glyph.advance, 0);
  EXPECT_GT(platform::FontGlyph(12, 0x1F600).advance, 0);
}

TEST_F(FontTest, GlyphsAreRenderedOnceAndKept) {
  const platform::GlyphBitmap* first = &platform::FontGlyph(16, 0x30C1);
  platform::FontGlyph(12, 0x30C1);
  platform::FontGlyph(16, 'x');
  EXPECT_EQ(&platform::FontGlyph(16, 0x30C1), first);
}

TEST(NextCodePointTest, ReadsUtf8AndReplacesMalformedBytes) {
  struct Case {
    std::string text;
    uint32_t codePoint;
    size_t length;
  };
  const Case cases[] = {
      {"A", 0x41, 1},
      {"\xE3\x81\x82", 0x3042, 3},  // あ
      {"\xE3\x80\x80", 0x3000, 3},  // full-width space
      {"\xEF\xBC\x9A", 0xFF1A, 3},  // full-width colon
      {"\xF0\x9F\x98\x80", 0x1F600, 4},
      {"\xC3\xA9", 0xE9, 2},
      {"\xFF", 0xFFFD, 1},
      {"\x80", 0xFFFD, 1},
      {"\xE3\x81", 0xFFFD, 1},          // cut short by the end of the text
      {"\xC0\xAF", 0xFFFD, 1},          // overlong
      {"\xED\xA0\x80", 0xFFFD, 1},      // surrogate
      {"\xF4\x90\x80\x80", 0xFFFD, 1},  // beyond U+10FFFF
      {"", 0, 0},
  };
  for (const Case& c : cases) {
    const char* p = c.text.c_str();
    EXPECT_EQ(platform::NextCodePoint(p), c.codePoint) << c.text;
    EXPECT_EQ(size_t(p - c.text.c_str()), c.length) << c.text;
  }
}

}  // namespace
