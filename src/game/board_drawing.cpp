// Drawing the cellar from the sprite sheets: board cells, player, pieces, customer and panels.
#include "game/board_drawing.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "game/rules.h"
#include "game/scenes.h"
#include "gfx/blit.h"
#include "gfx/shapes.h"
#include "gfx/text.h"
#include "lang/language.h"

namespace game {

namespace {

constexpr int32_t SLOT_TILES = 1;
constexpr int32_t SLOT_FIGURES = 2;
constexpr int32_t SLOT_PANELS = 3;
constexpr int32_t SLOT_INFO_PANEL = 7;
constexpr int32_t SPRITE_CELL = 24;
constexpr int32_t PRINT_SIZE = 16;    // PrintText's size
constexpr int32_t SMALLER_SIZE = 14;  // the side panel heading's, where 16 is too wide
constexpr uint32_t TEXT_WHITE = 0xFFFFFF;
constexpr uint32_t TEXT_BLACK = 0x000000;

int32_t CellLeft(int32_t x) {
  return SPRITE_CELL * x - 12;
}
int32_t CellTop(int32_t y) {
  return SPRITE_CELL * y - 12;
}

void DrawFrost(int32_t left, int32_t top) {
  gfx::BlitOpaque(left, top, SLOT_TILES, 48, 96, 72, 120);
}

// One line of the information panel; longer texts are cut short as PrintText would cut them.
__attribute__((format(printf, 3, 4))) void FormatLine(InfoLine* line, int32_t y, const char* format,
                                                      ...) {
  line->y = y;
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(line->text, sizeof line->text, format, arguments);
  va_end(arguments);
}

const char* StateLine(int32_t ripeness) {
  switch (ripeness) {
    case RIPENESS_ROTTEN:
      // TRANSLATORS: the information panel's state line of a rotten cheese: 170 pixels.
      return lang::Translate("状態　　：腐敗");
    case RIPENESS_UNRIPE:
      // TRANSLATORS: the state line of a cheese not ripe yet: 170 pixels.
      return lang::Translate("状態　　：未熟");
    case RIPENESS_GOOD:
      // TRANSLATORS: the state line of a ripe cheese, good to serve: 170 pixels.
      return lang::Translate("状態　　：良好");
    default:
      // TRANSLATORS: the state line of an over-ripe cheese: 170 pixels.
      return lang::Translate("状態　　：過熟");
  }
}

void DrawPiece(int32_t left, int32_t top, const Position& p) {
  if (p.pushedPiece < CELL_CHEESE_FIRST) {
    DrawSnowman(left, top, p.pushedPiece);
  } else {
    DrawCheese(left, top, p.cheeseSlots[p.pushedPiece - CELL_CHEESE_FIRST].catalogueIndex);
  }
}

// PrintText's white on black, at the size that fits the plate; the smaller size one
// row lower, to stay in the middle of the plate.
void DrawPlateHeading(const char* heading) {
  const int32_t size = SidePanelHeadingSize(heading);
  gfx::BeginText(size);
  gfx::SetTextColours(TEXT_WHITE, TEXT_BLACK, 0);
  gfx::DrawTextAt(CAVE_TEXT_LEFT, 10 + (PRINT_SIZE - size) / 2, heading);
  gfx::EndText();
}

}  // namespace

void DrawTile(int32_t left, int32_t top, int32_t v) {
  gfx::BlitOpaque(left, top, SLOT_TILES, SPRITE_CELL * v, 0, SPRITE_CELL * v + SPRITE_CELL,
                  SPRITE_CELL);
}

// Snowmen are 27 rows high and stand 3 pixels into the cell above.
void DrawSnowman(int32_t left, int32_t top, int32_t v) {
  gfx::BlitKeyed(left, top - 3, SLOT_TILES, SPRITE_CELL * (v - 4), 96, SPRITE_CELL * (v - 3), 123);
}

void DrawCheese(int32_t left, int32_t top, int32_t catalogueIndex) {
  int32_t sx = SPRITE_CELL * (catalogueIndex % 7);
  int32_t sy = SPRITE_CELL + SPRITE_CELL * (catalogueIndex / 7);
  gfx::BlitKeyed(left, top, SLOT_TILES, sx, sy, sx + SPRITE_CELL, sy + SPRITE_CELL);
}

int32_t IntroHeadingLeft(const char* heading) {
  if (std::strcmp(lang::SelectedLanguage(), lang::SOURCE_LANGUAGE) == 0) return INTRO_HEADING_LEFT;
  const int32_t width = gfx::TextWidth(PRINT_SIZE, heading);
  return (INTRO_HEADING_ROOM_LEFT + INTRO_HEADING_ROOM_RIGHT - width) / 2;
}

int32_t SidePanelHeadingSize(const char* heading) {
  return gfx::TextWidth(PRINT_SIZE, heading) <= CAVE_PLATE_WIDTH ? PRINT_SIZE : SMALLER_SIZE;
}

void DrawCell(int32_t x, int32_t y, const Position& p) {
  int32_t left = CellLeft(x), top = CellTop(y), v = p.board[x][y];
  bool chilled = p.coldMap[x][y] == 1;
  if (v >= CELL_CHEESE_FIRST) {
    DrawTile(left, top, CELL_CHEESE_FLOOR);
    if (chilled) DrawFrost(left, top);
    DrawCheese(left, top, p.cheeseSlots[v - CELL_CHEESE_FIRST].catalogueIndex);
    return;
  }
  DrawTile(left, top, v);
  bool snowman = v == CELL_SNOWMAN_AREA || v == CELL_SNOWMAN_LINE;
  if (chilled && (v == CELL_FLOOR || snowman)) DrawFrost(left, top);
  if (snowman) DrawSnowman(left, top, v);
}

void DrawBoard(const Position& p) {
  for (int32_t y = 0; y < BOARD_SIZE; ++y) {
    for (int32_t x = 0; x < BOARD_SIZE - 1; ++x) DrawCell(x, y, p);
  }
}

PlayerPose LivePose() {
  return PlayerPose{WalkFrame, GameState == SCENE_MOVE};
}

void DrawPlayer(int32_t x, int32_t y, double t, const Position& p, PlayerPose pose) {
  const int32_t facing = p.facing;
  int32_t offset = static_cast<int32_t>(SPRITE_CELL * t);
  int32_t sx = CellLeft(x) + offset * StepDX[facing];
  int32_t sy = CellTop(y) + offset * StepDY[facing];
  if (pose.moving && p.moveResult == MOVE_PUSH) {
    DrawPiece(sx + SPRITE_CELL * StepDX[facing], sy + SPRITE_CELL * StepDY[facing], p);
  }
  gfx::BlitKeyed(sx, sy - SPRITE_CELL, SLOT_FIGURES, 36 + 32 * pose.walkFrame, 48 * facing,
                 60 + 32 * pose.walkFrame, 48 * facing + 48);
}

void DrawFallingPiece(int32_t x, int32_t y, double f, const Position& p) {
  int32_t offset = static_cast<int32_t>(SPRITE_CELL * f);
  int32_t left = CellLeft(x), top = CellTop(y) + offset;
  if (p.pushedPiece < CELL_CHEESE_FIRST) {
    int32_t v = p.pushedPiece;
    gfx::BlitKeyed(left, top, SLOT_TILES, SPRITE_CELL * (v - 4), 99, SPRITE_CELL * (v - 3),
                   121 - offset);
    return;
  }
  // The middle 20 columns and top 22 rows of the cheese, shortened as it sinks.
  int32_t i = p.cheeseSlots[p.pushedPiece - CELL_CHEESE_FIRST].catalogueIndex;
  int32_t sx = SPRITE_CELL * (i % 7), sy = SPRITE_CELL + SPRITE_CELL * (i / 7);
  gfx::BlitKeyed(left + 2, top, SLOT_TILES, sx + 2, sy, sx + 22, sy + 22 - offset);
}

void DrawCustomerWindow(int32_t face) {
  gfx::BlitOpaque(50, 75, SLOT_PANELS, 80, 0, 219, 90);
  gfx::BlitKeyed(90, 100, SLOT_FIGURES, 128 + 32 * face, 48, 160 + 32 * face, 96);
}

void DrawSidePanelHeading(int32_t stage) {
  char heading[64];
  // TRANSLATORS: the side panel's heading with the stage number 1 to 32 ("CAVE" is the
  // Japanese game's own word): 66 pixels, in letters 16 pixels high, or 14 when too wide.
  std::snprintf(heading, sizeof heading, lang::Translate("CAVE  %2d"), stage + 1);
  DrawPlateHeading(heading);
}

void DrawSidePanel(const Position& p, int32_t stage) {
  gfx::BlitOpaque(240, 0, SLOT_PANELS, 0, 0, 80, 240);
  DrawSidePanelHeading(stage);
  gfx::BlitOpaque(240 + DayMarkerX[p.dayOfWeek], DayMarkerY[p.dayOfWeek], SLOT_PANELS, 80, 100, 89,
                  109);
  for (int32_t k = 0; k < p.cheeseCount; ++k) {
    const CheeseSlot& slot = p.cheeseSlots[k];
    if (slot.week == WEEK_NONE) continue;  // delivered: the row stays empty
    DrawCheese(243, 90 + 28 * k, slot.catalogueIndex);
    int32_t ripeness = ClassifyCheese(slot.week, *slot.info);
    int32_t iconLeft = 90 + 14 * ripeness;  // icons in class order: rotten, unripe, good, over-ripe
    gfx::BlitOpaque(300, 95 + 28 * k, SLOT_PANELS, iconLeft, 100, iconLeft + 14, 114);
    if (ripeness == RIPENESS_UNRIPE || ripeness == RIPENESS_GOOD)
      gfx::PrintText(272, 94 + 28 * k, "%3d", DaysLeft(slot.week, *slot.info, p.dayOfWeek));
  }
  gfx::PrintText(278, 211, ": %d", p.cheesesToDeliver);
}

int32_t FormatCheeseInfo(int32_t week, const CheeseInfo& info, InfoLine lines[INFO_LINE_COUNT]) {
  InfoLine* line = lines;
  FormatLine(line++, 40, "　%s", lang::Translate(info.name));
  // The labels line up; each line, value included, runs from x 40 to at most x 210.
  // TRANSLATORS: the information panel's country line: 170 pixels with the longest country.
  FormatLine(line++, 60, lang::Translate("原産国　：%s"), lang::Translate(info.country));
  // TRANSLATORS: the panel's milk line (cow, sheep...): 170 pixels with the longest milk.
  FormatLine(line++, 80, lang::Translate("原料乳　：%s"), lang::Translate(info.milk));
  // TRANSLATORS: the panel's kind line (hard, blue mould...): 170 pixels with the longest kind.
  FormatLine(line++, 100, lang::Translate("分類　　：%s"), lang::Translate(info.category));
  // TRANSLATORS: the panel's milk fat line, a percentage: 170 pixels.
  FormatLine(line++, 120, lang::Translate("乳脂肪分：%d％"), info.fatPercent);
  // TRANSLATORS: the panel's ripe window, "best eaten in weeks a to b" (b up to 100): 170
  // pixels.
  FormatLine(line++, 140, lang::Translate("食べごろ：%d～%d週間"), info.ripeFrom, info.ripeTo);
  // TRANSLATORS: the panel's current week of the cheese ("now: week n"): 170 pixels.
  if (week != WEEK_ROTTEN) FormatLine(line++, 160, lang::Translate("現在　　：%d週目"), week);
  FormatLine(line++, 180, "%s", StateLine(ClassifyCheese(week, info)));
  return static_cast<int32_t>(line - lines);
}

void DrawCheeseInfo(int32_t week, const CheeseInfo& info) {
  gfx::BlitOpaque(20, 20, SLOT_INFO_PANEL, 0, 0, 200, 200);
  InfoLine lines[INFO_LINE_COUNT];
  const int32_t count = FormatCheeseInfo(week, info, lines);
  for (int32_t i = 0; i < count; ++i)
    gfx::PrintText(INFO_TEXT_LEFT, lines[i].y, "%s", lines[i].text);
}

void ClearWholeScreen() {
  gfx::DrawRectangle(0, 0, 640, 480, 0, 0, 1);
}

}  // namespace game
