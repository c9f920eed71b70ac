// Drawing the cellar: cells, board, player, sinking pieces, the customer window and the panels.
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
void DrawCheeseInfo(int32_t week, const CheeseInfo& info);
void ClearWholeScreen();

}  // namespace game
