// The cellar editor's work as a value: the cellars of a stage file being drawn, each change
// made to them, and undo and redo of those changes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/cellar_file.h"
#include "game/data_model.h"

namespace game {

// The pieces a cellar is drawn with, in the order the palette shows them: the board's
// pieces, the player's start, then a cheese of each catalogue kind.
constexpr int32_t PIECE_FLOOR = 0;
constexpr int32_t PIECE_WALL = 1;
constexpr int32_t PIECE_HOLE = 2;
constexpr int32_t PIECE_SNOWMAN_AREA = 3;
constexpr int32_t PIECE_SNOWMAN_LINE = 4;
constexpr int32_t PIECE_PLAYER = 5;
constexpr int32_t PIECE_CHEESE_FIRST = 6;  // + the catalogue index
constexpr int32_t PIECE_COUNT = PIECE_CHEESE_FIRST + CATALOGUE_SIZE;

// The weeks a cheese can start in: rotten, or 1 up to well past every ripe window.
constexpr int32_t EDITOR_LAST_WEEK = 199;

// One cellar as it is drawn: the stage file's block (walls passed as the loader leaves
// them; a start of (0, 0) while the player has none), its title and the way the player
// faces at its start.
struct EditedCellar {
  StageRecord stage{};
  std::string title;
  int32_t facing = FACING_UP;

  bool operator==(const EditedCellar& other) const;
};

// What a change could not do, for the editor to say.
enum class EditRefusal {
  None,
  TooManyCheeses,  // a cellar holds at most MAX_CHEESES cheeses
  TooManyCellars,  // a file holds at most STAGE_COUNT cellars
};

struct CellarEditor {
  std::vector<EditedCellar> cellars;  // 1..STAGE_COUNT
  int32_t chosen = 0;                 // the cellar on the board

  // One change as undo takes it back: the cellars and the cellar chosen before it.
  struct Step {
    std::vector<EditedCellar> cellars;
    int32_t chosen;
  };
  std::vector<Step> undoSteps;      // oldest first
  std::vector<Step> redoSteps;      // the last taken back last
  bool changing = false;            // a change is open (a stroke of the mouse)
  Step before;                      // the cellars as the open change began
  std::vector<EditedCellar> saved;  // as the file was last read or written
};

// Changes kept for undo at most; the oldest go first.
constexpr size_t MAX_UNDO_STEPS = 1000;

// A cellar with nothing drawn yet: floor inside its walls, no player's start, no cheeses,
// one delivery due.
EditedCellar EmptyCellar();

// The editor's work on the cellars of file (a file with no cellar starts with one empty
// cellar), all of them saved as they are.
CellarEditor EditorOf(const CellarFile& file);

// The stage file of the editor's cellars: their blocks and titles.
CellarFile FileOf(const CellarEditor& editor);

// The cellar on the board.
EditedCellar& ChosenCellar(CellarEditor& editor);
const EditedCellar& ChosenCellar(const CellarEditor& editor);

// True when the cellars differ from the file as last read or written.
bool Unsaved(const CellarEditor& editor);
// The file has been written with the cellars as they are.
void MarkSaved(CellarEditor& editor);

// A change: everything between BeginChange and EndChange is one step for undo (a stroke
// of the mouse paints many cells); a change that changed nothing is no step. EndChange
// returns true when the cellars changed.
void BeginChange(CellarEditor& editor);
bool EndChange(CellarEditor& editor);

// Undo puts the cellars and the chosen cellar back as they were before the last change,
// keeping it for redo; redo makes it again. False when there is nothing to take back or
// make again.
bool Undo(CellarEditor& editor);
bool Redo(CellarEditor& editor);

// ---- Drawing on the chosen cellar (inside a change) --------------------------------------
// Puts piece on cell (x, y) of the playfield: floor, a wall, a hole or a snowman in place of
// what was there (a cheese there leaves the cellar); the player's start there (and on the
// start itself, the player turns a quarter clockwise); a cheese of that kind (one already
// there takes that kind, keeping its week; a new one starts in the first week of its ripe
// window). Nothing outside the playfield changes.
EditRefusal PlacePiece(CellarEditor& editor, int32_t x, int32_t y, int32_t piece);
// Changes the start week of the cheese on (x, y) by step weeks, from rotten (-1) over week
// 1 to EDITOR_LAST_WEEK; turns the player a quarter per step (clockwise for a positive
// step) when (x, y) is the player's start.
void StepWeekOrFacing(CellarEditor& editor, int32_t x, int32_t y, int32_t step);
// The deliveries due, by step, within 0..MAX_CHEESES.
void StepDeliveries(CellarEditor& editor, int32_t step);
// The chosen cellar's title; false (nothing changed) when it cannot be a title.
bool SetTitle(CellarEditor& editor, const std::string& title);

// ---- The file's cellars (each its own change) ---------------------------------------------
// Chooses the cellar at index (clamped to the cellars); not a change.
void ChooseCellar(CellarEditor& editor, int32_t index);
// An empty cellar, or a copy of the chosen one, after the chosen one, which it becomes.
EditRefusal AddCellar(CellarEditor& editor);
EditRefusal CopyCellar(CellarEditor& editor);
// The chosen cellar one place earlier (step -1) or later (+1), staying chosen.
void MoveCellar(CellarEditor& editor, int32_t step);
// Takes the chosen cellar out of the file; the last one left is emptied instead.
void DeleteCellar(CellarEditor& editor);

// The piece that stands on (x, y) of a cellar as the palette names it: the player's start
// over the cell's own piece, a cheese by its kind; -1 for a wall of the border.
int32_t PieceAt(const EditedCellar& cellar, int32_t x, int32_t y);

}  // namespace game
