// graphic1: the board tiles, the fourteen cheeses, the two snowmen and the frost floor.
#include <cmath>

#include "art_palette.h"
#include "sheets.h"

namespace tools {
namespace {

constexpr int32_t CELL = 24;

// Stones of 24 x 12 pixels in courses that shift by half a stone, joined by mortar.
void DrawStoneCourses(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t ramp,
                      int32_t lo, int32_t hi, uint32_t seed, int32_t stoneW, int32_t stoneH) {
  for (int32_t j = 0; j < h; ++j) {
    const int32_t course = j / stoneH, inY = j % stoneH;
    for (int32_t i = 0; i < w; ++i) {
      const int32_t shifted = i + (course % 2) * (stoneW / 2);
      const int32_t stone = shifted / stoneW, inX = shifted % stoneW;
      uint8_t ink;
      if (inY == stoneH - 1 || inX == stoneW - 1) {
        ink = Ink(ramp, lo);  // mortar
      } else {
        // Each stone has its own tone; the edge facing the light is brighter and
        // the edge before the mortar darker, which gives the stones a bevel.
        const double tone = (NoiseAt(stone, course, seed) % 100) / 100.0;
        const double grain = (NoiseAt(i, j, seed + 7) % 100) / 100.0;
        double light = 0.35 + 0.3 * tone + 0.25 * (grain - 0.5);
        if (inY == 0 || inX == 0) light += 0.3;
        if (inY == stoneH - 2 || inX == stoneW - 2) light -= 0.25;
        ink = DitheredShade(ramp, lo + 1, hi, light, x + i, y + j);
      }
      Plot(canvas, x + i, y + j, ink);
    }
  }
}

void DrawWallFront(Canvas& canvas, int32_t x, int32_t y) {
  DrawStoneCourses(canvas, x, y, CELL, CELL, RAMP_STONE, 3, 10, 11, 12, 6);
  // The lip of the wall top above catches the light; the foot lies in shadow.
  ShadedRect(canvas, x, y, CELL, 3, RAMP_STONE, 7, 11, 1.0, 0.6);
  for (int32_t i = 0; i < CELL; ++i) {
    Plot(canvas, x + i, y + CELL - 1, Ink(RAMP_STONE, 1));
    if ((i + (NoiseAt(i, 0, 3) & 1)) % 2 == 0)
      Plot(canvas, x + i, y + CELL - 2, Ink(RAMP_STONE, 2));
  }
}

void DrawWallTop(Canvas& canvas, int32_t x, int32_t y) {
  // Seen from above the wall is lighter and rougher than the floor around it.
  DrawStoneCourses(canvas, x, y, CELL, CELL, RAMP_STONE, 2, 8, 23, 12, 8);
}

void DrawHole(Canvas& canvas, int32_t x, int32_t y) {
  DrawFlagstones(canvas, x, y, CELL, CELL, RAMP_STONE, 1, 5, 1);
  // A square shaft with a wooden frame; its far wall shows a little, the rest is dark.
  FillRect(canvas, x + 2, y + 2, 20, 20, Ink(RAMP_WOOD, 5));
  FillRect(canvas, x + 2, y + 2, 20, 1, Ink(RAMP_WOOD, 9));
  FillRect(canvas, x + 2, y + 2, 1, 20, Ink(RAMP_WOOD, 8));
  FillRect(canvas, x + 2, y + 21, 20, 1, Ink(RAMP_WOOD, 2));
  FillRect(canvas, x + 21, y + 2, 1, 20, Ink(RAMP_WOOD, 3));
  ShadedRect(canvas, x + 4, y + 4, 16, 16, RAMP_NAVY, 1, 4, 0.5, 0.0);
  ShadedRect(canvas, x + 4, y + 4, 16, 4, RAMP_STONE, 1, 4, 0.7, 0.1);
  FillRect(canvas, x + 4, y + 4, 16, 1, Ink(RAMP_GREY, 1));
}

void DrawFloorUnderCheese(Canvas& canvas, int32_t x, int32_t y) {
  DrawFlagstones(canvas, x, y, CELL, CELL, RAMP_STONE, 1, 5, 1);
  // The cheese's soft shadow on the stones.
  FillEllipse(canvas, x + 12.5, y + 19.5, 10, 3.5, Ink(RAMP_STONE, 2));
}

void DrawFrostFloor(Canvas& canvas, int32_t x, int32_t y) {
  DrawFlagstones(canvas, x, y, CELL, CELL, RAMP_FROST, 3, 9, 1);
  // Rime crystals: small crosses scattered over the stones.
  for (int32_t k = 0; k < 5; ++k) {
    const int32_t cx = x + 2 + static_cast<int32_t>(NoiseAt(k, 1, 91) % 20);
    const int32_t cy = y + 2 + static_cast<int32_t>(NoiseAt(k, 2, 91) % 20);
    Plot(canvas, cx, cy, Ink(RAMP_FROST, 15));
    Plot(canvas, cx - 1, cy, Ink(RAMP_FROST, 12));
    Plot(canvas, cx + 1, cy, Ink(RAMP_FROST, 12));
    Plot(canvas, cx, cy - 1, Ink(RAMP_FROST, 12));
    Plot(canvas, cx, cy + 1, Ink(RAMP_FROST, 12));
  }
  Speckle(canvas, x, y, CELL, CELL, RAMP_FROST, Ink(RAMP_FROST, 13), 13, 92);
}

// Blue-green veins: short random walks over the paste.
void DrawVeins(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t pasteRamp,
               int32_t count, uint32_t seed) {
  for (int32_t k = 0; k < count; ++k) {
    int32_t px = x + static_cast<int32_t>(NoiseAt(k, 0, seed) % w);
    int32_t py = y + static_cast<int32_t>(NoiseAt(k, 1, seed) % h);
    for (int32_t s = 0; s < 4; ++s) {
      const uint8_t under = PixelAt(canvas, px, py);
      if (under != INK_CLEAR && under / PALETTE_SHADES == pasteRamp) {
        Plot(canvas, px, py, Ink(RAMP_VEIN, 4 + static_cast<int32_t>(NoiseAt(k, s, seed) % 4)));
      }
      const uint32_t step = NoiseAt(k, s + 10, seed) % 4;
      px += step == 0 ? 1 : step == 1 ? -1 : 0;
      py += step == 2 ? 1 : step == 3 ? -1 : 0;
    }
  }
}

// A wedge cut from a wheel: the paste of its top and front faces, rind on the back.
void DrawWedge(Canvas& canvas, int32_t x, int32_t y, double length, int32_t rindRamp,
               int32_t pasteRamp) {
  const double tipX = x + 3, tipY = y + 16;
  const double backX = x + 3 + length;
  FillPolygon(canvas, {tipX, tipY - 1, backX, y + 7.0, backX + 1, y + 11.0, tipX + 1, tipY + 1},
              Ink(pasteRamp, 13));  // top face
  FillPolygon(canvas, {tipX, tipY, backX + 1, y + 11.0, backX + 1, y + 20.0, tipX, tipY + 5},
              Ink(pasteRamp, 10));  // front face
  FillPolygon(canvas,
              {backX, y + 7.0, backX + 3, y + 8.0, backX + 3, y + 19.0, backX + 1, y + 20.0,
               backX + 1, y + 11.0},
              Ink(rindRamp, 9));  // rind
  DrawLine(canvas, static_cast<int32_t>(tipX), static_cast<int32_t>(tipY),
           static_cast<int32_t>(backX), y + 10, Ink(pasteRamp, 15));
}

void DrawBlock(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t depth,
               int32_t ramp, int32_t lo, int32_t hi) {
  for (int32_t j = 0; j < depth; ++j) {
    FillRect(canvas, x + depth - j, y + j, w, 1, DitheredShade(ramp, lo, hi, 0.9, x, y + j));
  }
  ShadedRect(canvas, x, y + depth, w, h, ramp, lo, hi, 0.65, 0.4);
  for (int32_t i = 0; i < depth; ++i) {
    ShadedRect(canvas, x + w + i, y + depth - i, 1, h, ramp, lo, hi, 0.3, 0.15);
  }
}

void DrawFeta(Canvas& c, int32_t x, int32_t y) {
  // A white block resting in a glass bowl of brine.
  FillEllipse(c, x + 12, y + 15, 8.5, 6.5, Ink(RAMP_TEAL, 6));
  DrawBlock(c, x + 5, y + 6, 11, 8, 3, RAMP_CREAM, 9, 15);
  Speckle(c, x + 5, y + 6, 15, 12, RAMP_CREAM, Ink(RAMP_CREAM, 10), 5, 31);
  ShadedRect(c, x + 4, y + 14, 17, 6, RAMP_TEAL, 6, 12, 0.9, 0.3);
  FillEllipse(c, x + 12.5, y + 14.5, 8.5, 2, Ink(RAMP_TEAL, 12));
  FillRect(c, x + 5, y + 16, 5, 1, Ink(RAMP_TEAL, 14));
}

void DrawEdam(Canvas& c, int32_t x, int32_t y) {
  ShadedEllipse(c, x + 12, y + 12, 8.5, 8.5, RAMP_RED, 3, 13);
  // A slice cut away shows the yellow paste.
  FillPolygon(c, {x + 12.0, y + 12.0, x + 20.5, y + 10.0, x + 19.5, y + 17.0},
              Ink(RAMP_YELLOW, 11));
  DrawLine(c, x + 12, y + 12, x + 19, y + 16, Ink(RAMP_YELLOW, 8));
  Plot(c, x + 8, y + 6, Ink(RAMP_RED, 15));
}

void DrawMozzarella(Canvas& c, int32_t x, int32_t y) {
  ShadedEllipse(c, x + 12, y + 13.5, 8.5, 7.5, RAMP_CREAM, 7, 15);
  // The knot where the curd was pinched off.
  ShadedEllipse(c, x + 12, y + 5.5, 2.5, 2.2, RAMP_CREAM, 8, 15);
  FillEllipse(c, x + 12, y + 20.5, 8, 1.2, Ink(RAMP_TEAL, 10));
}

void DrawGorgonzola(Canvas& c, int32_t x, int32_t y) {
  DrawWedge(c, x, y, 14, RAMP_WOOD, RAMP_CREAM);
  DrawVeins(c, x, y + 5, 21, 16, RAMP_CREAM, 11, 41);
}

void DrawCamembert(Canvas& c, int32_t x, int32_t y) {
  ShadedCylinder(c, x + 12, y + 9, 8.5, 5, 6, RAMP_CREAM, 8, 14, RAMP_CREAM, 11, 15);
  Speckle(c, x + 2, y + 4, 20, 18, RAMP_CREAM, Ink(RAMP_YELLOW, 13), 9, 51);
  // One wedge cut away, showing the soft paste.
  FillPolygon(c, {x + 12.0, y + 9.0, x + 20.5, y + 9.0, x + 19.5, y + 12.5, x + 12.0, y + 15.0},
              Ink(RAMP_YELLOW, 12));
  FillPolygon(c, {x + 12.0, y + 15.0, x + 19.5, y + 12.5, x + 19.5, y + 18.0, x + 12.0, y + 20.0},
              Ink(RAMP_YELLOW, 10));
}

void DrawMimolette(Canvas& c, int32_t x, int32_t y) {
  ShadedEllipse(c, x + 12, y + 12.5, 8.5, 8.5, RAMP_ORANGE, 4, 12);
  // The cratered rind left by cheese mites.
  Speckle(c, x + 2, y + 3, 20, 19, RAMP_ORANGE, Ink(RAMP_WOOD, 5), 6, 61);
  FillPolygon(c, {x + 12.0, y + 13.0, x + 20.5, y + 11.0, x + 19.0, y + 18.5},
              Ink(RAMP_ORANGE, 11));
}

void DrawStilton(Canvas& c, int32_t x, int32_t y) {
  ShadedCylinder(c, x + 12, y + 7, 8.5, 3.5, 12, RAMP_WOOD, 4, 10, RAMP_CREAM, 10, 14);
  Speckle(c, x + 3, y + 8, 18, 14, RAMP_WOOD, Ink(RAMP_STONE, 8), 4, 71);
  DrawVeins(c, x + 4, y + 4, 16, 7, RAMP_CREAM, 6, 72);
}

void DrawFourme(Canvas& c, int32_t x, int32_t y) {
  ShadedCylinder(c, x + 12, y + 4, 6, 2.5, 16, RAMP_STONE, 5, 11, RAMP_CREAM, 10, 14);
  Speckle(c, x + 6, y + 5, 12, 17, RAMP_STONE, Ink(RAMP_VEIN, 8), 5, 81);
  DrawVeins(c, x + 7, y + 2, 10, 5, RAMP_CREAM, 5, 82);
}

void DrawRaclette(Canvas& c, int32_t x, int32_t y) {
  // Half a wheel standing on its cut: the rind arches over the golden paste.
  for (int32_t j = 0; j < 10; ++j) {
    for (int32_t i = 0; i < 18; ++i) {
      const double nx = (i + 0.5 - 9.0) / 9.0, ny = (j + 0.5 - 10.0) / 10.0;
      const double r = nx * nx + ny * ny;
      if (r > 1.0) continue;
      const double light = 1.0 - (j + 0.5) / 10.0 * 0.5;
      Plot(c, x + 3 + i, y + 10 + j,
           r > 0.62 ? DitheredShade(RAMP_ORANGE, 4, 9, light, x + i, y + j)
                    : DitheredShade(RAMP_YELLOW, 9, 14, light, x + i, y + j));
    }
  }
  FillRect(c, x + 3, y + 20, 18, 1, Ink(RAMP_ORANGE, 3));
}

void DrawEmmental(Canvas& c, int32_t x, int32_t y) {
  ShadedCylinder(c, x + 12, y + 9, 8.5, 5, 7, RAMP_YELLOW, 6, 11, RAMP_YELLOW, 11, 14);
  // The eyes: holes on the top and in the side.
  const double holes[][3] = {{8, 8, 1.8},  {15, 7, 1.4},  {12, 11, 1.2}, {17, 10, 1.0},
                             {7, 16, 1.5}, {13, 18, 1.8}, {18, 15, 1.2}};
  for (const auto& h : holes)
    FillEllipse(c, x + h[0], y + h[1], h[2] + 0.3, h[2], Ink(RAMP_YELLOW, 5));
}

void DrawGouda(Canvas& c, int32_t x, int32_t y) {
  ShadedCylinder(c, x + 12, y + 10, 8.5, 5, 6, RAMP_YELLOW, 7, 13, RAMP_YELLOW, 10, 14);
  // Rounded shoulders and a black maker's label in the wax.
  FillRect(c, x + 9, y + 15, 6, 3, Ink(RAMP_GREY, 2));
  FillRect(c, x + 10, y + 16, 4, 1, Ink(RAMP_YELLOW, 13));
  Plot(c, x + 6, y + 8, Ink(RAMP_YELLOW, 15));
}

void DrawLimburger(Canvas& c, int32_t x, int32_t y) {
  DrawBlock(c, x + 3, y + 8, 14, 8, 4, RAMP_ORANGE, 4, 11);
  Speckle(c, x + 3, y + 8, 19, 12, RAMP_ORANGE, Ink(RAMP_ORANGE, 12), 7, 111);
  // The famous smell.
  for (int32_t k = 0; k < 3; ++k) {
    Plot(c, x + 8 + 4 * k, y + 5 - (k % 2), Ink(RAMP_GREEN, 9));
    Plot(c, x + 9 + 4 * k, y + 4 - (k % 2), Ink(RAMP_GREEN, 9));
    Plot(c, x + 8 + 4 * k, y + 3 - (k % 2), Ink(RAMP_GREEN, 9));
  }
}

void DrawCheddar(Canvas& c, int32_t x, int32_t y) {
  DrawBlock(c, x + 3, y + 6, 14, 11, 4, RAMP_ORANGE, 7, 13);
  Speckle(c, x + 3, y + 6, 18, 15, RAMP_ORANGE, Ink(RAMP_YELLOW, 12), 11, 121);
}

void DrawBrie(Canvas& c, int32_t x, int32_t y) {
  DrawWedge(c, x, y, 14, RAMP_CREAM, RAMP_YELLOW);
  // The thick white rind along the top and bottom edges.
  DrawLine(c, x + 3, y + 15, x + 17, y + 7, Ink(RAMP_CREAM, 15));
  DrawLine(c, x + 3, y + 20, x + 17, y + 20, Ink(RAMP_CREAM, 13));
  FillRect(c, x + 18, y + 7, 2, 13, Ink(RAMP_CREAM, 14));
}

using CheesePainter = void (*)(Canvas&, int32_t, int32_t);
constexpr CheesePainter CHEESE_PAINTERS[14] = {
    DrawFeta,      DrawEdam,      DrawMozzarella, DrawGorgonzola, DrawCamembert,
    DrawMimolette, DrawStilton,   DrawFourme,     DrawRaclette,   DrawEmmental,
    DrawGouda,     DrawLimburger, DrawCheddar,    DrawBrie};

}  // namespace

void DrawFlagstones(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t ramp,
                    int32_t lo, int32_t hi, uint32_t seed) {
  DrawStoneCourses(canvas, x, y, w, h, ramp, lo, hi, seed, 12, 12);
}

void DrawCheese(Canvas& canvas, int32_t x, int32_t y, int32_t catalogueIndex) {
  // Each cheese is drawn on its own and ringed with a dark line inside its cell;
  // everything stays within the 20 middle columns and the top 22 rows that the
  // sinking animation shows.
  Canvas cell = MakeCanvas(CELL, CELL);
  CHEESE_PAINTERS[catalogueIndex](cell, 0, 0);
  Canvas inside = MakeCanvas(CELL, CELL);
  CopyRegion(inside, 3, 1, cell, 3, 1, 18, 20, false);
  OutlineRegion(inside, 2, 0, 20, 22, INK_INK);
  cell = inside;
  CopyRegion(canvas, x, y, cell, 0, 0, CELL, CELL, true);
}

void DrawSnowman(Canvas& canvas, int32_t x, int32_t y, bool lineKind) {
  Canvas sprite = MakeCanvas(CELL, 27);
  ShadedEllipse(sprite, 12, 19.5, 8, 7, RAMP_FROST, 8, 15);
  ShadedEllipse(sprite, 12, 10.5, 6, 5.5, RAMP_FROST, 9, 15);
  // Twig arms, coal eyes and a carrot nose.
  DrawLine(sprite, 5, 15, 1, 12, Ink(RAMP_WOOD, 5));
  DrawLine(sprite, 19, 15, 23, 12, Ink(RAMP_WOOD, 5));
  Plot(sprite, 10, 10, Ink(RAMP_GREY, 2));
  Plot(sprite, 14, 10, Ink(RAMP_GREY, 2));
  Plot(sprite, 12, 12, Ink(RAMP_ORANGE, 9));
  Plot(sprite, 13, 12, Ink(RAMP_ORANGE, 7));
  Plot(sprite, 12, 18, Ink(RAMP_GREY, 3));
  Plot(sprite, 12, 21, Ink(RAMP_GREY, 3));
  // The hat tells the two kinds apart: red for the one that chills a block
  // around it, blue for the one that chills in straight lines.
  const int32_t hat = lineKind ? RAMP_NAVY : RAMP_RED;
  ShadedRect(sprite, 8, 1, 8, 5, hat, 5, 12, 0.9, 0.4);
  FillRect(sprite, 6, 5, 12, 2, Ink(hat, 7));
  FillRect(sprite, 8, 4, 8, 1, Ink(lineKind ? RAMP_FROST : RAMP_GOLD, 12));
  OutlineRegion(sprite, 0, 0, CELL, 27, INK_INK);
  CopyRegion(canvas, x, y, sprite, 0, 0, CELL, 27, true);
}

Canvas DrawBoardSheet() {
  Canvas sheet = MakeCanvas(168, 123);
  // Row 0: floor, wall front, wall top, hole, floor under either snowman, floor under a cheese.
  DrawFlagstones(sheet, 0, 0, CELL, CELL, RAMP_STONE, 1, 5, 1);
  DrawWallFront(sheet, CELL, 0);
  DrawWallTop(sheet, 2 * CELL, 0);
  DrawHole(sheet, 3 * CELL, 0);
  DrawFlagstones(sheet, 4 * CELL, 0, CELL, CELL, RAMP_STONE, 1, 5, 1);
  DrawFlagstones(sheet, 5 * CELL, 0, CELL, CELL, RAMP_STONE, 1, 5, 1);
  DrawFloorUnderCheese(sheet, 6 * CELL, 0);
  for (int32_t i = 0; i < 14; ++i) DrawCheese(sheet, CELL * (i % 7), CELL + CELL * (i / 7), i);
  DrawSnowman(sheet, 0, 96, false);
  DrawSnowman(sheet, CELL, 96, true);
  DrawFrostFloor(sheet, 2 * CELL, 96);
  return sheet;
}

}  // namespace tools
