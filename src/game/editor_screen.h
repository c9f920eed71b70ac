// The cellar editor's screen: where its parts stand, what the pointer is over, and drawing it
// all in the game's own pictures.
#pragma once

#include <cstdint>
#include <string>

#include "game/cellar_editor.h"
#include "game/editor_verdict.h"

namespace game {

// The palette stands on shelves in the side panel, three pieces to a shelf.
constexpr int32_t PALETTE_COLUMNS = 3;
constexpr int32_t PALETTE_LEFT = 243;        // the first piece's left
constexpr int32_t PALETTE_SHELVES_TOP = 36;  // the first shelf's top
constexpr int32_t PALETTE_SHELF_HEIGHT = 24;
constexpr int32_t PALETTE_SHELVES = (PIECE_COUNT + PALETTE_COLUMNS - 1) / PALETTE_COLUMNS;

// What the screen shows beside the cellars: the keyboard's cell, the piece chosen, the
// title being typed, a passing message, and the question before leaving.
enum class EditorMode {
  Drawing,
  Titling,  // the title is typed on the intro card
  Leaving,  // asked whether to save before leaving
};

struct EditorView {
  EditorMode mode = EditorMode::Drawing;
  int32_t cursorX = 5, cursorY = 5;  // the cell the keys act on
  int32_t piece = PIECE_WALL;        // the palette's chosen piece
  int32_t pointed = -1;              // the palette piece under the pointer, or -1
  std::string typed;                 // the title while it is typed
  std::string message;               // said in place of the verdict while messageFor lasts
  double messageFor = 0.0;           // seconds
};

// Where a place of the picture lies on the editor's screen.
enum class EditorArea {
  None,
  Cell,        // a cell of the playfield
  Palette,     // a piece of the palette
  Plate,       // the side panel's name plate: the previous or next cellar
  Deliveries,  // the deliveries due at the bottom of the side panel
  TitleLine,   // the title over the board
  VerdictLine,
};

struct EditorPlace {
  EditorArea area = EditorArea::None;
  int32_t x = 0, y = 0;  // the cell of Cell
  int32_t piece = -1;    // the piece of Palette
  int32_t step = 0;      // Plate: -1 on its left half, +1 on its right
};

// What is at (x, y) of the picture.
EditorPlace EditorPlaceAt(int32_t x, int32_t y);

// The cell of the playfield under a place of the picture, clamped to the playfield.
void CellUnder(int32_t x, int32_t y, int32_t* cellX, int32_t* cellY);

// The verdict's line as it reads in the chosen language.
std::string VerdictText(const CellarVerdict& verdict, int64_t stateLimit);

// The line the player reads about a fault the game could not start a cellar with.
std::string FaultText(const CellarProblem& problem);

// The line over the board about a cheese of a catalogue kind starting in week (rotten, or
// WEEK_NONE for a cheese of the palette): its name and ripe window.
std::string CheeseLine(int32_t kind, int32_t week);

// The whole screen: the cellar's start on the board with the player, the palette, the
// figures, the title line and the verdict, and the intro card or the question over them.
void DrawEditor(const CellarEditor& editor, const CellarVerdict& verdict, int64_t stateLimit,
                const EditorView& view);

}  // namespace game
