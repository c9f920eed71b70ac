// The whole pictures: brand logo, banners, title, information panel, intro card,
// ending strip and the palette swatch. The words of the banners and the ending strip
// are the game's texts, painted in each language.
#include <cmath>
#include <cstdlib>
#include <string>

#include "art_palette.h"
#include "lang/language.h"
#include "lettering.h"
#include "sheets.h"

namespace tools {
namespace {

LetteringStyle Style(int32_t scale, int32_t ramp, int32_t lo, int32_t hi, uint8_t outline,
                     uint8_t shadow) {
  LetteringStyle style;
  style.scale = scale;
  style.ramp = ramp;
  style.lo = lo;
  style.hi = hi;
  style.outline = outline;
  style.shadow = shadow;
  return style;
}

void DrawSparkle(Canvas& c, int32_t x, int32_t y, uint8_t ink) {
  for (int32_t d = -2; d <= 2; ++d) {
    Plot(c, x + d, y, ink);
    Plot(c, x, y + d, ink);
  }
}

// A ribbon banner across a 200 x 50 strip: folded ends behind, the face in front.
void DrawRibbon(Canvas& c, int32_t y, int32_t ramp) {
  Canvas r = MakeCanvas(200, 50);
  for (int32_t side : {0, 1}) {
    const double x0 = side ? 200.0 - 2 : 2.0, x1 = side ? 200.0 - 26 : 26.0;
    FillPolygon(r, {x0, 14.0, x1, 14.0, x1, 42.0, x0, 42.0, side ? x0 - 8 : x0 + 8, 28.0},
                Ink(ramp, 4));
  }
  ShadedRect(r, 16, 6, 168, 32, ramp, 5, 11, 1.0, 0.35);
  FillRect(r, 16, 8, 168, 1, Ink(ramp, 13));
  FillRect(r, 16, 35, 168, 1, Ink(ramp, 4));
  FillPolygon(r, {16.0, 38.0, 26.0, 38.0, 26.0, 42.0}, Ink(ramp, 2));
  FillPolygon(r, {184.0, 38.0, 174.0, 38.0, 174.0, 42.0}, Ink(ramp, 2));
  OutlineRegion(r, 0, 0, 200, 50, INK_INK);
  CopyRegion(c, 0, y, r, 0, 0, 200, 50, true);
}

}  // namespace

Canvas DrawLogo() {
  Canvas c = MakeCanvas(200, 50);
  ShadedRect(c, 0, 0, 200, 50, RAMP_NAVY, 1, 4, 0.2, 0.6);
  FrameRect(c, 2, 2, 196, 46, Ink(RAMP_GOLD, 7));
  FrameRect(c, 4, 4, 192, 42, Ink(RAMP_GOLD, 4));
  // The emblem: a wheel of cheese with a key-shaped notch, then the name.
  ShadedCylinder(c, 28, 18, 13, 6, 10, RAMP_GOLD, 5, 11, RAMP_YELLOW, 10, 14);
  FillPolygon(c, {28.0, 18.0, 41.5, 15.0, 41.5, 22.0}, Ink(RAMP_YELLOW, 8));
  OutlineRegion(c, 14, 10, 30, 30, INK_INK);
  DrawLettering(c, 52, 10, "KESTRUNE", Style(3, RAMP_GOLD, 6, 14, INK_INK, Ink(RAMP_NAVY, 1)));
  FillRect(c, 52, 36, 138, 1, Ink(RAMP_GOLD, 9));
  for (int32_t i = 0; i < 5; ++i) FillRect(c, 52 + 30 * i, 39, 18, 2, Ink(RAMP_GOLD, 5));
  return c;
}

// The words of the banners and the ending strip stand as tall as their katakana
// (12 rows at scale 2), each in the room its picture leaves it.
constexpr int32_t WORD_HEIGHT = 24;

Canvas DrawBanners(const char* language) {
  Canvas c = MakeCanvas(200, 200);
  const uint8_t outline = INK_INK;
  // Given up: a grey ribbon and a white flag.
  DrawRibbon(c, 0, RAMP_STONE);
  // TRANSLATORS: the banner of a stage given up, painted by vaulmoor-art in its own letters
  // (docs/translating.md): 140 pixels.
  DrawWordInBox(c, lang::TranslateInto(language, "ギブアップ"), {108, 11, 140, WORD_HEIGHT},
                Style(2, RAMP_GREY, 9, 15, outline, INK_CLEAR));
  DrawLine(c, 30, 10, 30, 34, Ink(RAMP_WOOD, 8));
  FillPolygon(c, {31.0, 10.0, 44.0, 13.0, 31.0, 20.0}, Ink(RAMP_GREY, 15));
  // Wrong ripeness: a purple ribbon, a miss and a question mark.
  DrawRibbon(c, 50, RAMP_PURPLE);
  // TRANSLATORS: the banner of a cheese served unripe or over-ripe, painted by vaulmoor-art:
  // 96 pixels, and a question mark follows it.
  DrawWordInBox(c, lang::TranslateInto(language, "ハズレ！"), {100, 61, 96, WORD_HEIGHT},
                Style(2, RAMP_GOLD, 8, 14, outline, INK_CLEAR));
  DrawLettering(c, 150, 61, "？", Style(2, RAMP_GREY, 10, 15, outline, INK_CLEAR));
  // Stage clear: a red ribbon with golden letters and sparkles.
  DrawRibbon(c, 100, RAMP_RED);
  // TRANSLATORS: the banner of a cleared stage, painted by vaulmoor-art: 106 pixels.
  DrawWordInBox(c, lang::TranslateInto(language, "クリア！"), {100, 111, 106, WORD_HEIGHT},
                Style(2, RAMP_GOLD, 8, 15, outline, INK_CLEAR));
  constexpr int32_t SPARKLES[4][2] = {{34, 112}, {44, 128}, {160, 114}, {168, 129}};
  for (const auto& s : SPARKLES) DrawSparkle(c, s[0], s[1], Ink(RAMP_GOLD, 14));
  // Rotten served (copied opaque): green slime across the whole strip.
  ShadedRect(c, 0, 150, 200, 50, RAMP_GREEN, 1, 5, 0.7, 0.1);
  for (int32_t i = 0; i < 200; ++i) {
    const int32_t drip = 3 + static_cast<int32_t>(NoiseAt(i / 6, 0, 151) % 6);
    FillRect(c, i, 150, 1, drip, Ink(RAMP_GREEN, 8));
  }
  FrameRect(c, 0, 150, 200, 50, INK_INK);
  // TRANSLATORS: the banner of a rotten cheese served, painted by vaulmoor-art: 148 pixels.
  DrawWordInBox(c, lang::TranslateInto(language, "フハイ！"), {100, 162, 148, WORD_HEIGHT},
                Style(2, RAMP_GREEN, 9, 15, outline, Ink(RAMP_GREEN, 1)));
  const std::vector<std::string> skull = {".kkkk.", "kwwwwk", "kkwkkw",
                                          "kwwwwk", ".kwkk.", ".kkkk."};
  const Legend legend = {"kw", {INK_INK, Ink(RAMP_CREAM, 13)}};
  for (int32_t x : {14, 176}) {
    for (int32_t j = 0; j < 6; ++j) {
      for (int32_t i = 0; i < 6; ++i) {
        const char ch = skull[j][i];
        if (ch == '.') continue;
        FillRect(c, x + 2 * i, 164 + 2 * j, 2, 2, legend.inks[legend.keys.find(ch)]);
      }
    }
  }
  return c;
}

Canvas DrawTitle() {
  Canvas c = MakeCanvas(320, 240);
  // The cellar: a vaulted stone wall with an arched passage and racks of cheeses,
  // a lantern, and the floor of the game with two snowmen chilling it.
  DrawFlagstones(c, 0, 0, 320, 150, RAMP_STONE, 1, 6, 201);
  for (int32_t x = 0; x < 320; ++x) {
    const double d = (x - 160) / 160.0;
    FillRect(c, x, 0, 1, static_cast<int32_t>(26 * d * d) + 4, Ink(RAMP_GREY, 1));
  }
  FillEllipse(c, 160, 110, 48, 60, Ink(RAMP_NAVY, 1));
  FillRect(c, 112, 110, 97, 40, Ink(RAMP_NAVY, 1));
  for (int32_t rack : {8, 234}) {
    for (int32_t shelf = 0; shelf < 3; ++shelf) {
      const int32_t y = 70 + 30 * shelf;
      FillRect(c, rack, y + 20, 78, 4, Ink(RAMP_WOOD, 7));
      FillRect(c, rack, y + 24, 78, 2, Ink(RAMP_WOOD, 3));
      for (int32_t k = 0; k < 3; ++k) {
        DrawCheese(c, rack + 3 + 25 * k, y, (shelf * 3 + k + (rack > 100 ? 5 : 0)) % 14);
      }
    }
    FillRect(c, rack, 70, 3, 80, Ink(RAMP_WOOD, 5));
    FillRect(c, rack + 75, 70, 3, 80, Ink(RAMP_WOOD, 5));
  }
  // The floor is laid with the board's own tiles: frost in a block around the
  // red-hatted snowman and along the row and column of the blue-hatted one.
  const Canvas tiles = DrawBoardSheet();
  constexpr int32_t AREA_X = 2, LINE_X = 10, SNOW_ROW = 1;
  for (int32_t row = 0; row < 4; ++row) {
    for (int32_t col = 0; col < 14; ++col) {
      const bool area = std::abs(col - AREA_X) <= 1 && std::abs(row - SNOW_ROW) <= 1;
      const bool line = col == LINE_X || row == SNOW_ROW;
      const bool frost = area || (line && col > 6);
      CopyRegion(c, 24 * col - 8, 150 + 24 * row, tiles, frost ? 48 : 0, frost ? 96 : 0, 24, 24,
                 false);
    }
  }
  FillRect(c, 0, 150, 320, 1, Ink(RAMP_GREY, 1));
  CopyRegion(c, 24 * AREA_X - 8, 147 + 24 * SNOW_ROW, tiles, 0, 96, 24, 27, true);
  CopyRegion(c, 24 * LINE_X - 8, 147 + 24 * SNOW_ROW, tiles, 24, 96, 24, 27, true);
  DrawCheese(c, 24 * (AREA_X + 1) - 8, 150 + 24 * (SNOW_ROW + 1), 1);
  DrawCheese(c, 24 * (LINE_X + 2) - 8, 150 + 24 * SNOW_ROW, 9);
  // A lantern hanging in the arch.
  DrawLine(c, 160, 52, 160, 74, Ink(RAMP_STONE, 6));
  FillRect(c, 154, 74, 13, 3, Ink(RAMP_WOOD, 4));
  ShadedRect(c, 155, 77, 11, 14, RAMP_GOLD, 8, 15, 1.0, 0.5);
  FillRect(c, 160, 77, 1, 14, Ink(RAMP_WOOD, 4));
  FillRect(c, 154, 91, 13, 3, Ink(RAMP_WOOD, 4));
  OutlineRegion(c, 150, 72, 21, 26, INK_INK);
  // The name, then the dark sign board behind the menu.
  DrawLetteringCentred(c, 160, 8, "Vaulmoor",
                       Style(5, RAMP_GOLD, 6, 15, INK_INK, Ink(RAMP_WOOD, 1)));
  ShadedRect(c, 108, 128, 120, 66, RAMP_WOOD, 2, 5, 0.8, 0.3);
  FrameRect(c, 108, 128, 120, 66, INK_INK);
  FrameRect(c, 109, 129, 118, 64, Ink(RAMP_WOOD, 8));
  return c;
}

Canvas DrawInfoPanel() {
  Canvas c = MakeCanvas(200, 200);
  // A slate in a wooden frame; the lines of text sit on the slate.
  ShadedRect(c, 0, 0, 200, 200, RAMP_WOOD, 4, 9, 0.9, 0.4);
  FrameRect(c, 0, 0, 200, 200, INK_INK);
  FillRect(c, 9, 9, 182, 189, INK_INK);
  ShadedRect(c, 10, 10, 180, 187, RAMP_NAVY, 1, 3, 0.8, 0.2);
  Speckle(c, 10, 10, 180, 187, RAMP_NAVY, Ink(RAMP_NAVY, 4), 23, 301);
  // A rule under the cheese's name, which is printed at y 20..36 of the panel.
  FillRect(c, 14, 38, 172, 1, Ink(RAMP_GOLD, 7));
  for (int32_t x : {1, 192}) {
    for (int32_t y : {1, 192}) FillRect(c, x, y, 7, 7, Ink(RAMP_GOLD, 8));
  }
  DrawCheese(c, 170, 12, 9);
  return c;
}

Canvas DrawIntroCard() {
  Canvas c = MakeCanvas(200, 80);
  // A frosted plate with a dark band for the stage's hint.
  ShadedRect(c, 0, 0, 200, 80, RAMP_FROST, 3, 8, 0.9, 0.3);
  FrameRect(c, 0, 0, 200, 80, INK_INK);
  FrameRect(c, 2, 2, 196, 76, Ink(RAMP_FROST, 12));
  FillRect(c, 6, 28, 188, 24, Ink(RAMP_NAVY, 1));
  FillRect(c, 6, 27, 188, 1, Ink(RAMP_FROST, 11));
  FillRect(c, 6, 52, 188, 1, Ink(RAMP_FROST, 11));
  DrawCheese(c, 36, 3, 10);
  DrawCheese(c, 170, 3, 4);
  for (int32_t k = 0; k < 9; ++k) {
    const int32_t x = 14 + 22 * k;
    DrawSparkle(c, x, 66 + (k % 2) * 4, Ink(RAMP_FROST, 14));
  }
  return c;
}

Canvas DrawEndingStrip(const char* language) {
  Canvas c = MakeCanvas(320, 80);
  ShadedRect(c, 0, 0, 320, 80, RAMP_NAVY, 1, 5, 0.9, 0.1);
  // Bunting along the top.
  for (int32_t k = 0; k < 16; ++k) {
    const double x = 20.0 * k;
    FillPolygon(c, {x, 0.0, x + 16, 0.0, x + 8, 10.0},
                Ink(k % 3 == 0 ? RAMP_RED : (k % 3 == 1 ? RAMP_GOLD : RAMP_GREEN), 10));
  }
  DrawLetteringCentred(c, 160, 14, "Vaulmoor",
                       Style(3, RAMP_GOLD, 7, 15, INK_INK, Ink(RAMP_NAVY, 1)));
  // TRANSLATORS: the congratulation of the ending, painted by vaulmoor-art: 176 pixels.
  DrawWordInBox(c, lang::TranslateInto(language, "オメデトウ！"), {160, 44, 176, WORD_HEIGHT},
                Style(2, RAMP_ROSE, 8, 15, INK_INK, INK_CLEAR));
  // Sparkles in the dark on either side of the words.
  for (int32_t k = 0; k < 8; ++k) {
    const int32_t x = 10 + static_cast<int32_t>(NoiseAt(k, 0, 401) % 60);
    DrawSparkle(c, k % 2 ? 320 - x : x, 16 + static_cast<int32_t>(NoiseAt(k, 1, 401) % 56),
                Ink(RAMP_GOLD, 14));
  }
  FillRect(c, 0, 78, 320, 2, Ink(RAMP_GOLD, 8));
  return c;
}

Canvas DrawPaletteSwatch() {
  Canvas c = MakeCanvas(16, 16);
  for (int32_t i = 0; i < 256; ++i) Plot(c, i % 16, i / 16, static_cast<uint8_t>(i));
  return c;
}

}  // namespace tools
