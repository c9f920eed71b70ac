// graphic2: the cellar keeper walking in four directions and the customer's three faces.
#include <cmath>

#include "art_palette.h"
#include "sheets.h"

namespace tools {
namespace {

// Facings as the game numbers them; left (3) is drawn as the mirror image of right (1).
constexpr int32_t FACING_UP = 0, FACING_DOWN = 2, FACING_LEFT = 3;

// The keeper seen from the front or the back (24 x 48): step is -1, 0 or 1, the
// leg that is lifted and the arm that swings forward.
void DrawKeeperFrontBack(Canvas& c, int32_t x, int32_t y, bool front, int32_t step) {
  const uint8_t jacket = Ink(RAMP_NAVY, 7), jacketDark = Ink(RAMP_NAVY, 5);
  const uint8_t trousers = Ink(RAMP_WOOD, 5), boots = Ink(RAMP_WOOD, 2);
  // Legs: the lifted one is two pixels shorter.
  const int32_t leftLift = step < 0 ? 2 : 0, rightLift = step > 0 ? 2 : 0;
  FillRect(c, x + 8, y + 38, 3, 7 - leftLift, trousers);
  FillRect(c, x + 13, y + 38, 3, 7 - rightLift, trousers);
  FillRect(c, x + 7, y + 45 - leftLift, 4, 2, boots);
  FillRect(c, x + 13, y + 45 - rightLift, 4, 2, boots);
  // Body and arms; the arms swing against the legs.
  ShadedRect(c, x + 6, y + 25, 12, 14, RAMP_NAVY, 4, 9, 0.8, 0.4);
  FillRect(c, x + 4, y + 26 + (step > 0 ? 1 : 0), 2, 9, jacketDark);
  FillRect(c, x + 18, y + 26 + (step < 0 ? 1 : 0), 2, 9, jacketDark);
  FillRect(c, x + 4, y + 35 + (step > 0 ? 1 : 0), 2, 2, Ink(RAMP_SKIN, 9));
  FillRect(c, x + 18, y + 35 + (step < 0 ? 1 : 0), 2, 2, Ink(RAMP_SKIN, 9));
  if (front) {
    // The white cheesemaker's apron.
    ShadedRect(c, x + 8, y + 27, 8, 13, RAMP_CREAM, 10, 15, 1.0, 0.5);
    FillRect(c, x + 7, y + 25, 1, 3, Ink(RAMP_CREAM, 12));
    FillRect(c, x + 16, y + 25, 1, 3, Ink(RAMP_CREAM, 12));
  } else {
    FillRect(c, x + 6, y + 31, 12, 1, Ink(RAMP_CREAM, 12));  // apron strings
    FillRect(c, x + 11, y + 31, 2, 3, Ink(RAMP_CREAM, 12));
  }
  FillRect(c, x + 6, y + 25, 12, 1, jacket);
  // Head, hair and the white cap.
  ShadedEllipse(c, x + 12, y + 19, 6, 6, front ? RAMP_SKIN : RAMP_WOOD, front ? 6 : 2,
                front ? 12 : 6);
  ShadedEllipse(c, x + 12, y + 13.5, 6.5, 3.5, RAMP_CREAM, 10, 15);
  FillRect(c, x + 6, y + 15, 13, 1, Ink(RAMP_CREAM, 11));
  if (front) {
    FillRect(c, x + 6, y + 16, 2, 3, Ink(RAMP_WOOD, 3));  // hair at the temples
    FillRect(c, x + 17, y + 16, 2, 3, Ink(RAMP_WOOD, 3));
    Plot(c, x + 10, y + 19, Ink(RAMP_GREY, 2));
    Plot(c, x + 14, y + 19, Ink(RAMP_GREY, 2));
    Plot(c, x + 9, y + 21, Ink(RAMP_ROSE, 9));
    Plot(c, x + 15, y + 21, Ink(RAMP_ROSE, 9));
    FillRect(c, x + 11, y + 22, 3, 1, Ink(RAMP_SKIN, 4));
  }
}

// The keeper walking to the right (24 x 48); step -1, 0 or 1 spreads the legs.
void DrawKeeperSide(Canvas& c, int32_t x, int32_t y, int32_t step) {
  const uint8_t trousers = Ink(RAMP_WOOD, 5), boots = Ink(RAMP_WOOD, 2);
  const int32_t spread = step == 0 ? 0 : 3;
  const int32_t swing = step * 2;
  // Back leg, then body, then front leg and arm.
  DrawLine(c, x + 11, y + 38, x + 11 - spread, y + 45, Ink(RAMP_WOOD, 4));
  DrawLine(c, x + 12, y + 38, x + 12 - spread, y + 45, Ink(RAMP_WOOD, 4));
  FillRect(c, x + 10 - spread, y + 45, 4, 2, boots);
  ShadedRect(c, x + 8, y + 25, 9, 14, RAMP_NAVY, 4, 9, 0.8, 0.4);
  ShadedRect(c, x + 14, y + 27, 4, 13, RAMP_CREAM, 10, 15, 1.0, 0.5);
  DrawLine(c, x + 12, y + 38, x + 12 + spread, y + 45, trousers);
  DrawLine(c, x + 13, y + 38, x + 13 + spread, y + 45, trousers);
  FillRect(c, x + 12 + spread, y + 45, 5, 2, boots);
  DrawLine(c, x + 11, y + 27, x + 11 + swing, y + 35, Ink(RAMP_NAVY, 3));
  DrawLine(c, x + 12, y + 27, x + 12 + swing, y + 35, Ink(RAMP_NAVY, 3));
  FillRect(c, x + 11 + swing, y + 35, 2, 2, Ink(RAMP_SKIN, 9));
  // Head in profile: face to the right, hair at the back.
  ShadedEllipse(c, x + 12, y + 19, 5.5, 6, RAMP_SKIN, 6, 12);
  FillRect(c, x + 7, y + 15, 3, 5, Ink(RAMP_WOOD, 3));
  Plot(c, x + 17, y + 19, Ink(RAMP_SKIN, 8));  // nose
  Plot(c, x + 18, y + 19, Ink(RAMP_SKIN, 7));
  Plot(c, x + 15, y + 18, Ink(RAMP_GREY, 2));
  Plot(c, x + 15, y + 21, Ink(RAMP_ROSE, 9));
  ShadedEllipse(c, x + 11.5, y + 13.5, 6.5, 3.5, RAMP_CREAM, 10, 15);
  FillRect(c, x + 6, y + 15, 13, 1, Ink(RAMP_CREAM, 11));
}

void DrawKeeperFrame(Canvas& sheet, int32_t x, int32_t y, int32_t facing, int32_t step) {
  Canvas frame = MakeCanvas(24, 48);
  if (facing == FACING_UP || facing == FACING_DOWN) {
    DrawKeeperFrontBack(frame, 0, 0, facing == FACING_DOWN, step);
  } else {
    DrawKeeperSide(frame, 0, 0, step);
  }
  OutlineRegion(frame, 0, 0, 24, 48, INK_INK);
  if (facing == FACING_LEFT) {
    // Walking left is the mirror image of walking right.
    Canvas mirrored = MakeCanvas(24, 48);
    for (int32_t j = 0; j < 48; ++j) {
      for (int32_t i = 0; i < 24; ++i) Plot(mirrored, 23 - i, j, PixelAt(frame, i, j));
    }
    frame = mirrored;
  }
  CopyRegion(sheet, x, y, frame, 0, 0, 24, 48, true);
}

}  // namespace

void DrawCustomer(Canvas& c, int32_t x, int32_t y, int32_t face) {
  Canvas figure = MakeCanvas(32, 48);
  const int32_t skin = face == CUSTOMER_SICK ? RAMP_GREEN : RAMP_SKIN;
  // Green coat with a collar, then the round face under a brown bowler hat.
  ShadedEllipse(figure, 16, 44, 14, 13, RAMP_GREEN, 3, 8);
  FillPolygon(figure, {12.0, 30.0, 16.0, 36.0, 20.0, 30.0}, Ink(RAMP_CREAM, 14));
  FillRect(figure, 15, 33, 2, 3, Ink(RAMP_RED, 8));  // tie
  ShadedEllipse(figure, 16, 20, 9, 10, skin, 6, 13);
  ShadedEllipse(figure, 16, 8.5, 7.5, 5.5, RAMP_WOOD, 3, 8);
  FillRect(figure, 5, 11, 22, 2, Ink(RAMP_WOOD, 4));
  FillRect(figure, 9, 10, 14, 1, Ink(RAMP_RED, 7));  // hat band
  // Moustache, then the face itself.
  FillRect(figure, 12, 24, 8, 2, Ink(RAMP_WOOD, 3));
  Plot(figure, 11, 25, Ink(RAMP_WOOD, 3));
  Plot(figure, 20, 25, Ink(RAMP_WOOD, 3));
  FillRect(figure, 15, 21, 2, 2, Ink(skin, 9));  // nose
  if (face == CUSTOMER_SICK) {
    // Struck by a rotten cheese: crossed-out eyes and a wavering mouth.
    for (int32_t e : {10, 19}) {
      DrawLine(figure, e, 16, e + 3, 19, Ink(RAMP_GREY, 2));
      DrawLine(figure, e, 19, e + 3, 16, Ink(RAMP_GREY, 2));
    }
    for (int32_t i = 0; i < 8; ++i) Plot(figure, 12 + i, 28 + (i % 2), Ink(RAMP_PURPLE, 4));
  } else if (face < 0) {
    // Surprised: eyebrows up, round eyes and an open mouth.
    FillRect(figure, 10, 15, 3, 1, Ink(RAMP_WOOD, 2));
    FillRect(figure, 19, 15, 3, 1, Ink(RAMP_WOOD, 2));
    FillRect(figure, 11, 17, 2, 3, Ink(RAMP_GREY, 2));
    FillRect(figure, 19, 17, 2, 3, Ink(RAMP_GREY, 2));
    FillEllipse(figure, 16, 28, 2, 2, Ink(RAMP_RED, 3));
  } else if (face == 0) {
    // Calm and pleased: closed smiling eyes and a smile.
    DrawLine(figure, 10, 19, 12, 18, Ink(RAMP_GREY, 2));
    DrawLine(figure, 12, 18, 13, 19, Ink(RAMP_GREY, 2));
    DrawLine(figure, 19, 19, 20, 18, Ink(RAMP_GREY, 2));
    DrawLine(figure, 20, 18, 22, 19, Ink(RAMP_GREY, 2));
    DrawLine(figure, 13, 27, 15, 28, Ink(RAMP_RED, 4));
    DrawLine(figure, 16, 28, 19, 27, Ink(RAMP_RED, 4));
    Plot(figure, 9, 22, Ink(RAMP_ROSE, 10));
    Plot(figure, 23, 22, Ink(RAMP_ROSE, 10));
  } else {
    // Puzzled: one eyebrow raised, a crooked mouth and a drop of sweat.
    DrawLine(figure, 10, 14, 13, 15, Ink(RAMP_WOOD, 2));
    DrawLine(figure, 19, 16, 22, 16, Ink(RAMP_WOOD, 2));
    FillRect(figure, 11, 18, 2, 2, Ink(RAMP_GREY, 2));
    FillRect(figure, 19, 18, 2, 2, Ink(RAMP_GREY, 2));
    DrawLine(figure, 13, 28, 19, 27, Ink(RAMP_RED, 4));
    FillEllipse(figure, 25, 16, 1.5, 2.2, Ink(RAMP_FROST, 12));
  }
  OutlineRegion(figure, 0, 0, 32, 48, INK_INK);
  CopyRegion(c, x, y, figure, 0, 0, 32, 48, true);
}

Canvas DrawPeopleSheet() {
  Canvas sheet = MakeCanvas(192, 192);
  for (int32_t facing = 0; facing < 4; ++facing) {
    for (int32_t j = 0; j < 3; ++j) DrawKeeperFrame(sheet, 4 + 32 * j, 48 * facing, facing, j - 1);
  }
  for (int32_t j = 0; j < 3; ++j) DrawCustomer(sheet, 96 + 32 * j, 48, j - 1);
  return sheet;
}

}  // namespace tools
