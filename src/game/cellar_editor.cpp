// The cellar editor's changes to the cellars of a stage file, and their undo and redo.
#include "game/cellar_editor.h"

#include <algorithm>
#include <cstring>

#include "game/catalogue.h"
#include "game/stage_file.h"

namespace game {

namespace {

bool InPlayfield(int32_t x, int32_t y) {
  return x >= PLAYFIELD_FIRST && x <= PLAYFIELD_LAST && y >= PLAYFIELD_FIRST && y <= PLAYFIELD_LAST;
}

bool IsWall(int32_t cell) {
  return cell == CELL_WALL_FRONT || cell == CELL_WALL_TOP;
}

// The board's value of each piece that stands on a cell by itself.
int32_t CellOfPiece(int32_t piece) {
  switch (piece) {
    case PIECE_WALL:
      return CELL_WALL_FRONT;
    case PIECE_HOLE:
      return CELL_HOLE;
    case PIECE_SNOWMAN_AREA:
      return CELL_SNOWMAN_AREA;
    case PIECE_SNOWMAN_LINE:
      return CELL_SNOWMAN_LINE;
    default:
      return CELL_FLOOR;
  }
}

// The cheese on (x, y) leaves the cellar: the cheeses after it move up a slot, so the
// board's values stay the slots' own.
void RemoveCheese(StageRecord& stage, int32_t x, int32_t y) {
  const int32_t value = stage.grid[x][y];
  if (value < CELL_CHEESE_FIRST) return;
  const int32_t k = value - CELL_CHEESE_FIRST;
  std::copy(stage.cheeses + k + 1, stage.cheeses + stage.cheeseCount, stage.cheeses + k);
  --stage.cheeseCount;
  stage.cheeses[stage.cheeseCount] = StageCheese{};
  stage.grid[x][y] = CELL_FLOOR;
  for (auto& column : stage.grid) {
    for (int32_t& cell : column) {
      if (cell > value) --cell;
    }
  }
}

EditRefusal PlaceCheese(StageRecord& stage, int32_t x, int32_t y, int32_t kind) {
  const int32_t value = stage.grid[x][y];
  if (value >= CELL_CHEESE_FIRST) {
    stage.cheeses[value - CELL_CHEESE_FIRST].catalogueIndex = kind;
    return EditRefusal::None;
  }
  if (stage.cheeseCount == MAX_CHEESES) return EditRefusal::TooManyCheeses;
  stage.cheeses[stage.cheeseCount] = StageCheese{kind, CheeseCatalogue[kind].ripeFrom};
  stage.grid[x][y] = CELL_CHEESE_FIRST + stage.cheeseCount;
  ++stage.cheeseCount;
  if (IsWall(value)) ApplyWallPasses(stage);
  return EditRefusal::None;
}

// A week one step on, skipping week 0 (which stands for no cheese).
int32_t NextWeek(int32_t week, int32_t direction) {
  const int32_t next = week + direction;
  if (next == WEEK_NONE) return direction > 0 ? 1 : WEEK_ROTTEN;
  return std::clamp(next, WEEK_ROTTEN, EDITOR_LAST_WEEK);
}

CellarEditor::Step Now(const CellarEditor& editor) {
  return CellarEditor::Step{editor.cellars, editor.chosen};
}

// A change of the file's cellars made at once.
template <typename Change>
EditRefusal AtOnce(CellarEditor& editor, Change change) {
  BeginChange(editor);
  const EditRefusal refusal = change();
  EndChange(editor);
  return refusal;
}

}  // namespace

bool EditedCellar::operator==(const EditedCellar& other) const {
  return std::memcmp(&stage, &other.stage, sizeof stage) == 0 && title == other.title &&
         facing == other.facing;
}

EditedCellar EmptyCellar() {
  EditedCellar cellar;
  for (auto& column : cellar.stage.grid) {
    for (int32_t& cell : column) cell = CELL_WALL_TOP;
  }
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
    for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y)
      cellar.stage.grid[x][y] = CELL_FLOOR;
  }
  ApplyWallPasses(cellar.stage);
  cellar.stage.toDeliver = 1;
  return cellar;
}

CellarEditor EditorOf(const CellarFile& file) {
  CellarEditor editor;
  for (int32_t s = 0; s < file.count; ++s) {
    editor.cellars.push_back(EditedCellar{file.stages[s], file.titles[s], file.facings[s]});
  }
  if (editor.cellars.empty()) editor.cellars.push_back(EmptyCellar());
  editor.saved = editor.cellars;
  return editor;
}

CellarFile FileOf(const CellarEditor& editor) {
  CellarFile file;
  file.count = static_cast<int32_t>(editor.cellars.size());
  for (int32_t s = 0; s < file.count; ++s) {
    file.stages[s] = editor.cellars[s].stage;
    file.titles[s] = editor.cellars[s].title;
    file.facings[s] = editor.cellars[s].facing;
  }
  return file;
}

EditedCellar& ChosenCellar(CellarEditor& editor) {
  return editor.cellars[editor.chosen];
}

const EditedCellar& ChosenCellar(const CellarEditor& editor) {
  return editor.cellars[editor.chosen];
}

bool Unsaved(const CellarEditor& editor) {
  return editor.cellars != editor.saved;
}

void MarkSaved(CellarEditor& editor) {
  editor.saved = editor.cellars;
}

void BeginChange(CellarEditor& editor) {
  if (editor.changing) return;
  editor.changing = true;
  editor.before = Now(editor);
}

bool EndChange(CellarEditor& editor) {
  if (!editor.changing) return false;
  editor.changing = false;
  if (editor.before.cellars == editor.cellars) return false;
  if (editor.undoSteps.size() == MAX_UNDO_STEPS) editor.undoSteps.erase(editor.undoSteps.begin());
  editor.undoSteps.push_back(std::move(editor.before));
  editor.redoSteps.clear();
  return true;
}

bool Undo(CellarEditor& editor) {
  if (editor.changing || editor.undoSteps.empty()) return false;
  editor.redoSteps.push_back(Now(editor));
  editor.cellars = std::move(editor.undoSteps.back().cellars);
  editor.chosen = editor.undoSteps.back().chosen;
  editor.undoSteps.pop_back();
  return true;
}

bool Redo(CellarEditor& editor) {
  if (editor.changing || editor.redoSteps.empty()) return false;
  editor.undoSteps.push_back(Now(editor));
  editor.cellars = std::move(editor.redoSteps.back().cellars);
  editor.chosen = editor.redoSteps.back().chosen;
  editor.redoSteps.pop_back();
  return true;
}

EditRefusal PlacePiece(CellarEditor& editor, int32_t x, int32_t y, int32_t piece) {
  if (!InPlayfield(x, y)) return EditRefusal::None;
  EditedCellar& cellar = ChosenCellar(editor);
  StageRecord& stage = cellar.stage;
  if (piece == PIECE_PLAYER) {
    if (stage.startX == x && stage.startY == y) {
      cellar.facing = (cellar.facing + 1) % 4;
    } else {
      stage.startX = x;
      stage.startY = y;
    }
    return EditRefusal::None;
  }
  if (piece >= PIECE_CHEESE_FIRST) return PlaceCheese(stage, x, y, piece - PIECE_CHEESE_FIRST);
  RemoveCheese(stage, x, y);
  const bool walls = IsWall(stage.grid[x][y]) || piece == PIECE_WALL;
  stage.grid[x][y] = CellOfPiece(piece);
  if (walls) ApplyWallPasses(stage);
  return EditRefusal::None;
}

void StepWeekOrFacing(CellarEditor& editor, int32_t x, int32_t y, int32_t step) {
  if (!InPlayfield(x, y) || step == 0) return;
  EditedCellar& cellar = ChosenCellar(editor);
  StageRecord& stage = cellar.stage;
  if (stage.startX == x && stage.startY == y) {
    cellar.facing = ((cellar.facing + step) % 4 + 4) % 4;
    return;
  }
  if (stage.grid[x][y] < CELL_CHEESE_FIRST) return;
  int32_t& week = stage.cheeses[stage.grid[x][y] - CELL_CHEESE_FIRST].startWeek;
  const int32_t direction = step > 0 ? 1 : -1;
  for (int32_t n = 0; n != step; n += direction) week = NextWeek(week, direction);
}

void StepDeliveries(CellarEditor& editor, int32_t step) {
  int32_t& due = ChosenCellar(editor).stage.toDeliver;
  due = std::clamp(due + step, 0, MAX_CHEESES);
}

bool SetTitle(CellarEditor& editor, const std::string& title) {
  if (!TitleFault(title).empty()) return false;
  ChosenCellar(editor).title = title;
  return true;
}

void ChooseCellar(CellarEditor& editor, int32_t index) {
  editor.chosen = std::clamp(index, 0, static_cast<int32_t>(editor.cellars.size()) - 1);
}

EditRefusal AddCellar(CellarEditor& editor) {
  return AtOnce(editor, [&] {
    if (editor.cellars.size() == STAGE_COUNT) return EditRefusal::TooManyCellars;
    editor.cellars.insert(editor.cellars.begin() + editor.chosen + 1, EmptyCellar());
    ++editor.chosen;
    return EditRefusal::None;
  });
}

EditRefusal CopyCellar(CellarEditor& editor) {
  return AtOnce(editor, [&] {
    if (editor.cellars.size() == STAGE_COUNT) return EditRefusal::TooManyCellars;
    const EditedCellar copy = ChosenCellar(editor);
    editor.cellars.insert(editor.cellars.begin() + editor.chosen + 1, copy);
    ++editor.chosen;
    return EditRefusal::None;
  });
}

void MoveCellar(CellarEditor& editor, int32_t step) {
  AtOnce(editor, [&] {
    const int32_t to = editor.chosen + step;
    if (to < 0 || to >= static_cast<int32_t>(editor.cellars.size())) return EditRefusal::None;
    std::swap(editor.cellars[editor.chosen], editor.cellars[to]);
    editor.chosen = to;
    return EditRefusal::None;
  });
}

void DeleteCellar(CellarEditor& editor) {
  AtOnce(editor, [&] {
    if (editor.cellars.size() == 1) {
      editor.cellars[0] = EmptyCellar();
      return EditRefusal::None;
    }
    editor.cellars.erase(editor.cellars.begin() + editor.chosen);
    ChooseCellar(editor, editor.chosen);
    return EditRefusal::None;
  });
}

int32_t PieceAt(const EditedCellar& cellar, int32_t x, int32_t y) {
  if (!InPlayfield(x, y)) return -1;
  const StageRecord& stage = cellar.stage;
  if (stage.startX == x && stage.startY == y) return PIECE_PLAYER;
  const int32_t cell = stage.grid[x][y];
  if (cell >= CELL_CHEESE_FIRST)
    return PIECE_CHEESE_FIRST + stage.cheeses[cell - CELL_CHEESE_FIRST].catalogueIndex;
  switch (cell) {
    case CELL_WALL_FRONT:
    case CELL_WALL_TOP:
      return PIECE_WALL;
    case CELL_HOLE:
      return PIECE_HOLE;
    case CELL_SNOWMAN_AREA:
      return PIECE_SNOWMAN_AREA;
    case CELL_SNOWMAN_LINE:
      return PIECE_SNOWMAN_LINE;
    default:
      return PIECE_FLOOR;
  }
}

}  // namespace game
