// Drawing the cellar: cells, board, player, sinking pieces, customer window, panels, texts' places.
#pragma once

#include <cstdint>

#include "game/data_model.h"

namespace game {

void DrawCell(int32_t x, int32_t y);
// Columns 0..9 of every row; column 10 is drawn once per stage by StartStage.
void DrawBoard();
// The player at cell (x, y) walked t of a cell towards Facing, with the pushed piece
// ahead of it while the move scene animates a push.
void DrawPlayer(int32_t x, int32_t y, double t);
// PushedPiece sunk f of a cell into the hole at (x, y).
void DrawFallingPiece(int32_t x, int32_t y, double f);
void DrawCustomerWindow(int32_t face);
void DrawSidePanel();

// One line of the cheese information panel: its top and its text, in the chosen language.
struct InfoLine {
  int32_t y;
  char text[256];
};
constexpr int32_t INFO_LINE_COUNT = 8;
constexpr int32_t INFO_TEXT_LEFT = 40;  // where every line begins
// The lines of the panel of a cheese at a week, top to bottom; returns how many there
// are (a rotten cheese has no line of its current week).
int32_t FormatCheeseInfo(int32_t week, const CheeseInfo& info, InfoLine lines[INFO_LINE_COUNT]);
void DrawCheeseInfo(int32_t week, const CheeseInfo& info);
void ClearWholeScreen();

// Where the other texts of the screen begin, each clear of the picture around it.
constexpr int32_t INTRO_HEADING_LEFT = 90;  // the stage heading on the intro card
constexpr int32_t CAVE_TEXT_LEFT = 248;     // the stage number on the side panel's name plate
constexpr int32_t MENU_TEXT_LEFT = 150;     // START and CONTINUE on the title's sign board
constexpr int32_t NOTE_LEFT = 18;           // the hint's note: on the board, clear of the panel

}  // namespace game
