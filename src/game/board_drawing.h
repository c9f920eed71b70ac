// Drawing the cellar: cells, board, player, sinking pieces, customer window, panels, texts' places.
#pragma once

#include <cstdint>

#include "game/data_model.h"
#include "game/scene_state.h"

namespace game {

// The board and the side panel show any position, the live one unless told otherwise.

// The pieces' pictures with their top left at (left, top), wherever they stand: a tile of
// the board (a cell value 0..6), a snowman (4 or 5, standing 3 pixels higher) and a cheese
// of a catalogue index.
void DrawTile(int32_t left, int32_t top, int32_t v);
void DrawSnowman(int32_t left, int32_t top, int32_t v);
void DrawCheese(int32_t left, int32_t top, int32_t catalogueIndex);

// Cell (x, y) of p's board.
void DrawCell(int32_t x, int32_t y, const Position& p = LivePosition);
// Columns 0..9 of every row; column 10 is drawn once per stage by StartStage.
void DrawBoard(const Position& p = LivePosition);

// How the player stands: its walk frame (-1, 0 standing, 1), and whether a move is being
// walked, which shows the piece of a push ahead of the player.
struct PlayerPose {
  int32_t walkFrame;
  bool moving;
};
// The live pose: WalkFrame, moving while the move scene runs.
PlayerPose LivePose();

// p's player at cell (x, y) walked t of a cell towards its facing, with the pushed piece
// ahead of it while a push is walked.
void DrawPlayer(int32_t x, int32_t y, double t, const Position& p = LivePosition,
                PlayerPose pose = LivePose());
// p's pushed piece sunk f of a cell into the hole at (x, y).
void DrawFallingPiece(int32_t x, int32_t y, double f, const Position& p = LivePosition);
void DrawCustomerWindow(int32_t face);
// The side panel of p as stage (an index) of the stage set.
void DrawSidePanel(const Position& p = LivePosition, int32_t stage = StageNumber);
// The side panel's heading on its name plate: the number of stage (an index).
void DrawSidePanelHeading(int32_t stage);

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
constexpr int32_t INTRO_HEADING_LEFT = 90;  // the stage heading on the intro card, in Japanese
constexpr int32_t CAVE_TEXT_LEFT = 248;     // the stage number on the side panel's name plate
constexpr int32_t MENU_TEXT_LEFT = 150;     // START and CONTINUE on the title's sign board
constexpr int32_t NOTE_LEFT = 18;           // the hint's note: on the board, clear of the panel

// The intro card's heading between the two cheeses at its top: the room between their
// inner edges (the card is drawn at x 20, its cheeses' outlines end at x 77 and begin at 192).
constexpr int32_t INTRO_HEADING_ROOM_LEFT = 78;
constexpr int32_t INTRO_HEADING_ROOM_RIGHT = 192;
// Where the heading begins: the Japanese one at INTRO_HEADING_LEFT, as the card was
// designed; a translation centred in the room, whatever its length.
int32_t IntroHeadingLeft(const char* heading);

// The side panel's name plate holds CAVE_PLATE_WIDTH pixels of text from CAVE_TEXT_LEFT.
// Its heading is drawn at 16 pixels like every other text, or at 14 (where Latin letters
// are 7 pixels wide, not 8) when the language's heading is too wide for the plate at 16.
constexpr int32_t CAVE_PLATE_WIDTH = 66;
int32_t SidePanelHeadingSize(const char* heading);

}  // namespace game
