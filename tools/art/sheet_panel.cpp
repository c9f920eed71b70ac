// graphic3: the side panel with its calendar, the customer's window, the day
// marker, ripeness icons, reaction bubbles, the turning customer and the pointers.
#include "art_palette.h"
#include "lettering.h"
#include "sheets.h"

namespace tools {
namespace {

// Calendar cells: the day marker of day d is drawn at (DAY_X[d], DAY_Y[d]) of the panel.
constexpr int32_t DAY_X[7] = {7, 26, 45, 64, 17, 36, 53};
constexpr int32_t DAY_Y[7] = {51, 51, 51, 51, 74, 74, 74};
constexpr uint8_t CALENDAR_PAPER = Ink(RAMP_CREAM, 10);
// The cheese list: rows of 28 pixels from y 90; the ripeness icon sits at x 60.
constexpr int32_t LIST_TOP = 86, LIST_ROWS = 4, ROW_HEIGHT = 28;
constexpr uint8_t SHELF_BACK = Ink(RAMP_WOOD, 2);

// Legend shared by the small pixel-grid pictures of this sheet.
const Legend& IconLegend() {
  static const Legend legend = {"kwWyYoOrRgGbBvVpcCsS",
                                {INK_INK,
                                 Ink(RAMP_GREY, 15),
                                 Ink(RAMP_GREY, 10),
                                 Ink(RAMP_GOLD, 10),
                                 Ink(RAMP_GOLD, 14),
                                 Ink(RAMP_ORANGE, 8),
                                 Ink(RAMP_ORANGE, 11),
                                 Ink(RAMP_RED, 7),
                                 Ink(RAMP_RED, 10),
                                 Ink(RAMP_GREEN, 7),
                                 Ink(RAMP_GREEN, 11),
                                 Ink(RAMP_NAVY, 6),
                                 Ink(RAMP_NAVY, 10),
                                 Ink(RAMP_PURPLE, 7),
                                 Ink(RAMP_PURPLE, 10),
                                 Ink(RAMP_ROSE, 9),
                                 Ink(RAMP_CREAM, 12),
                                 Ink(RAMP_CREAM, 15),
                                 Ink(RAMP_STONE, 7),
                                 Ink(RAMP_STONE, 11)}};
  return legend;
}

const std::vector<std::string> ICON_ROTTEN = {  // a skull
    "..............", "....kkkkkk....", "...kSSSSSSk...", "..kSSSSSSSSk..", "..kSkkSSkkSk..",
    "..kSkkSSkkSk..", "..kSSSSSSSSk..", "...kSSkkSSk...", "....kSSSSk....", "....kSkSkk....",
    "....kkkkk.....", "..gk.....kg...", ".g.........g..", ".............."};
const std::vector<std::string> ICON_UNRIPE = {  // a young sprout
    "..............", "..kkk....kkk..", ".kGGGk..kGGGk.", ".kGgGGkkGGgGk.", "..kGgGGkGgGk..",
    "...kkGGkGkk...", ".....kGGk.....", "......kGk.....", "......kGk.....", "......kgk.....",
    "...kkkkkkkkk..", "..kssssssssk..", "..kkkkkkkkkk..", ".............."};
const std::vector<std::string> ICON_GOOD = {  // a golden star
    "......kk......", ".....kYYk.....", ".....kYYk.....", "....kYYYyk....", "kkkkkYYYykkkkk",
    "kYYYYYYYyyyyyk", ".kYYYYYYyyyyk.", "..kyYYYYyyyk..", "...kYYYyyyk...", "..kYYYkkyyyk..",
    "..kYYk..kyyk..", ".kYkk....kkyk.", ".kk........kk.", ".............."};
const std::vector<std::string> ICON_OVERRIPE = {  // a clock whose time has run out
    "....kkkkkk....", "...kRRRRRRk...", "..kRwwwwwwRk..", ".kRwwwwkwwwRk.", ".kRwwwwkwwwRk.",
    ".kRwwwwkwwwRk.", ".kRwwwwkkkwRk.", ".kRwwwwwwwwRk.", ".kRwwwwwwwwRk.", "..kRwwwwwwRk..",
    "...kRRRRRRk...", "....kkkkkk....", "..kk......kk..", ".............."};
const std::vector<std::string> DAY_MARKER = {  // a red ring round the date
    "..kkkkk..", ".kRRRRRk.", "kRR...RRk", "kR.....Rk", "kR.....Rk",
    "kR.....Rk", "kRR...RRk", ".kRRRRRk.", "..kkkkk.."};
const std::vector<std::string> HEART = {".kkk..kkk.", "kRRRkkRwRk", "kRRRRRRRwk", "kRRRRRRRRk",
                                        ".kRRRRRRk.", "..kRRRRk..", "...kRRk...", "....kk...."};
const std::vector<std::string> NOTE = {"...kk", "...kw", "...k.", "...k.", "kkkk.", "kkk..."};
const std::vector<std::string> STINK = {"..g...g...g", ".g...g...g.", "..g...g...g",
                                        "...g...g...", "..g...g...g", ".g...g...g."};
const std::vector<std::string> SWEAT = {"..k..", ".kBk.", "kBBBk", "kBwBk", ".kkk."};

void DrawCalendar(Canvas& c) {
  // A wooden board with the seven day cells: four on the upper row, three below.
  ShadedRect(c, 1, 35, 78, 54, RAMP_WOOD, 3, 8, 0.8, 0.3);
  FrameRect(c, 1, 35, 78, 54, Ink(RAMP_WOOD, 2));
  for (int32_t ring : {20, 58}) {
    FillRect(c, ring, 33, 3, 5, Ink(RAMP_STONE, 11));
    FrameRect(c, ring - 1, 32, 5, 7, INK_INK);
  }
  LetteringStyle digits;
  digits.scale = 1;
  digits.ramp = RAMP_WOOD;
  digits.lo = 2;
  digits.hi = 3;
  for (int32_t d = 0; d < 7; ++d) {
    const int32_t left = DAY_X[d] - 4, top = DAY_Y[d] - 8;
    FillRect(c, left, top, 17, 21, INK_INK);
    FillRect(c, left + 1, top + 1, 15, 19, CALENDAR_PAPER);
    FillRect(c, left + 1, top + 1, 15, 6, d == 6 ? Ink(RAMP_RED, 9) : Ink(RAMP_CREAM, 13));
    DrawLettering(c, left + 7, top + 1, std::string(1, static_cast<char>('1' + d)), digits);
  }
}

void DrawSidePanel(Canvas& c) {
  DrawFlagstones(c, 0, 0, 80, 240, RAMP_STONE, 1, 5, 5);
  FillRect(c, 0, 0, 2, 240, Ink(RAMP_WOOD, 3));
  // The name plate behind "CAVE nn".
  ShadedRect(c, 3, 4, 74, 25, RAMP_WOOD, 4, 9, 0.9, 0.4);
  FrameRect(c, 3, 4, 74, 25, INK_INK);
  FillRect(c, 6, 8, 68, 18, INK_INK);
  for (int32_t nail : {5, 73}) Plot(c, nail, 16, Ink(RAMP_GOLD, 13));
  DrawCalendar(c);
  // The cheese shelves: a dark cupboard with one shelf per listed cheese.
  FillRect(c, 1, LIST_TOP, 78, LIST_ROWS * ROW_HEIGHT + 6, Ink(RAMP_WOOD, 4));
  FillRect(c, 3, LIST_TOP + 2, 74, LIST_ROWS * ROW_HEIGHT + 2, SHELF_BACK);
  for (int32_t k = 0; k < LIST_ROWS; ++k) {
    const int32_t shelf = 90 + ROW_HEIGHT * k + 23;
    FillRect(c, 3, shelf, 74, 2, Ink(RAMP_WOOD, 8));
    FillRect(c, 3, shelf + 2, 74, 1, Ink(RAMP_WOOD, 5));
  }
  // Deliveries still due: a cheese dropping into a hole, then ": n" beside it.
  const int32_t top = 206;
  FillRect(c, 4, top, 30, 24, INK_INK);
  FillRect(c, 5, top + 1, 28, 22, Ink(RAMP_STONE, 3));
  FillRect(c, 8, top + 15, 22, 6, Ink(RAMP_WOOD, 6));
  FillRect(c, 10, top + 16, 18, 4, Ink(RAMP_GREY, 1));
  FillEllipse(c, 19, top + 8, 5, 4.5, Ink(RAMP_YELLOW, 11));
  FillEllipse(c, 17.5, top + 6.5, 1.2, 1.2, Ink(RAMP_YELLOW, 7));
  FillRect(c, 18, top + 13, 2, 2, Ink(RAMP_GOLD, 13));
}

void DrawCustomerWindow(Canvas& c, int32_t x, int32_t y) {
  // The shop: panelled back wall, shelves of cheeses, the chute from the cellar
  // above the counter, and the counter the cheese lands on.
  ShadedRect(c, x, y, 139, 90, RAMP_WOOD, 3, 7, 0.8, 0.4);
  for (int32_t i = 0; i < 139; i += 12) FillRect(c, x + i, y, 1, 66, Ink(RAMP_WOOD, 2));
  for (int32_t shelf : {22, 44}) {
    FillRect(c, x + 100, y + shelf, 36, 2, Ink(RAMP_WOOD, 9));
    for (int32_t k = 0; k < 3; ++k) {
      ShadedEllipse(c, x + 106 + 11 * k, y + shelf - 4, 4.5, 3.5, k == 1 ? RAMP_RED : RAMP_YELLOW,
                    5, 12);
    }
  }
  FillRect(c, x + 64, y, 30, 8, Ink(RAMP_STONE, 6));
  FillRect(c, x + 66, y, 26, 6, Ink(RAMP_GREY, 1));
  FillRect(c, x + 64, y + 7, 30, 1, Ink(RAMP_STONE, 9));
  ShadedRect(c, x, y + 66, 139, 4, RAMP_WOOD, 6, 12, 1.0, 0.6);
  ShadedRect(c, x, y + 70, 139, 20, RAMP_WOOD, 3, 7, 0.6, 0.2);
  for (int32_t i = 6; i < 139; i += 22) FillRect(c, x + i, y + 72, 1, 16, Ink(RAMP_WOOD, 2));
  FrameRect(c, x, y, 139, 90, INK_INK);
  FrameRect(c, x + 1, y + 1, 137, 88, Ink(RAMP_WOOD, 9));
}

void DrawBubble(Canvas& c, int32_t x, int32_t y) {
  // A speech balloon with its tail at the lower left, towards the customer.
  Canvas b = MakeCanvas(50, 25);
  FillEllipse(b, 26, 11, 22.5, 10, Ink(RAMP_CREAM, 15));
  FillPolygon(b, {4.0, 24.0, 12.0, 14.0, 18.0, 18.0}, Ink(RAMP_CREAM, 15));
  OutlineRegion(b, 0, 0, 50, 25, INK_INK);
  CopyRegion(c, x, y, b, 0, 0, 50, 25, true);
}

void DrawBubbles(Canvas& c) {
  DrawBubble(c, 80, 120);
  StampGrid(c, 100, 123, HEART, IconLegend());
  StampGrid(c, 114, 125, NOTE, IconLegend());
  StampGrid(c, 90, 127, NOTE, IconLegend());
  DrawBubble(c, 80, 145);
  LetteringStyle mark;
  mark.scale = 1;
  mark.ramp = RAMP_NAVY;
  mark.lo = 4;
  mark.hi = 9;
  DrawLettering(c, 98, 150, "？", mark);
  DrawLettering(c, 108, 150, "？", mark);
  StampGrid(c, 118, 150, SWEAT, IconLegend());
  DrawBubble(c, 80, 170);
  StampGrid(c, 92, 173, STINK, IconLegend());
  mark.ramp = RAMP_GREEN;
  DrawLettering(c, 106, 174, "！！", mark);
}

void DrawTurningCustomer(Canvas& c) {
  // The customer fainting from a rotten cheese, twice the size of the window
  // figure; only the head and shoulders fit the 88 x 88 picture.
  Canvas small = MakeCanvas(32, 48);
  DrawCustomer(small, 0, 0, CUSTOMER_SICK);
  for (int32_t j = 0; j < 88; ++j) {
    for (int32_t i = 0; i < 64; ++i) Plot(c, 150 + 12 + i, 100 + j, PixelAt(small, i / 2, j / 2));
  }
}

void DrawPointers(Canvas& c) {
  // Menu pointer: a wedge of cheese pointing right.
  Canvas p = MakeCanvas(30, 22);
  FillPolygon(p, {1.0, 3.0, 28.0, 11.0, 1.0, 19.0}, Ink(RAMP_YELLOW, 11));
  FillPolygon(p, {1.0, 3.0, 28.0, 11.0, 1.0, 8.0}, Ink(RAMP_YELLOW, 14));
  FillRect(p, 1, 3, 3, 16, Ink(RAMP_ORANGE, 8));
  FillEllipse(p, 9, 12, 2, 2, Ink(RAMP_YELLOW, 7));
  FillEllipse(p, 16, 13, 1.5, 1.5, Ink(RAMP_YELLOW, 7));
  OutlineRegion(p, 0, 0, 30, 22, INK_INK);
  CopyRegion(c, 80, 200, p, 0, 0, 30, 22, true);
  // Browser pointer: golden corner brackets around a 24 x 24 cheese.
  const uint8_t gold = Ink(RAMP_GOLD, 12), edge = Ink(RAMP_GOLD, 6);
  for (int32_t cx : {0, 1}) {
    for (int32_t cy : {0, 1}) {
      const int32_t x = 112 + cx * 19, y = 200 + cy * 19;
      FillRect(c, x, y, 7, 7, edge);
      FillRect(c, x + 1 + cx * 3, y + 1 + cy * 3, 2, 2, INK_CLEAR);
      FillRect(c, x + (cx ? 0 : 2), y + (cy ? 0 : 2), 5, 5, INK_CLEAR);
      FillRect(c, x + (cx ? 0 : 1), y + (cy ? 5 : 1), 6, 1, gold);
      FillRect(c, x + (cx ? 5 : 1), y + (cy ? 0 : 1), 1, 6, gold);
    }
  }
}

}  // namespace

Canvas DrawPanelSheet() {
  Canvas sheet = MakeCanvas(278, 240);
  DrawSidePanel(sheet);
  DrawCustomerWindow(sheet, 80, 0);
  StampGrid(sheet, 80, 100, DAY_MARKER, {"kR.", {INK_INK, Ink(RAMP_RED, 8), CALENDAR_PAPER}});
  // The day marker is copied opaque onto a calendar cell: its corners keep the paper colour.
  for (int32_t j = 0; j < 9; ++j) {
    for (int32_t i = 0; i < 9; ++i) {
      if (DAY_MARKER[j][i] == '.') Plot(sheet, 80 + i, 100 + j, CALENDAR_PAPER);
    }
  }
  const std::vector<std::string>* icons[4] = {&ICON_ROTTEN, &ICON_UNRIPE, &ICON_GOOD,
                                              &ICON_OVERRIPE};
  for (int32_t k = 0; k < 4; ++k) {
    FillRect(sheet, 90 + 14 * k, 100, 14, 14, SHELF_BACK);
    StampGrid(sheet, 90 + 14 * k, 100, *icons[k], IconLegend());
  }
  DrawBubbles(sheet);
  DrawTurningCustomer(sheet);
  DrawPointers(sheet);
  return sheet;
}

}  // namespace tools
