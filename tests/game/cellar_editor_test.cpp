// The cellar editor's work as a value: pieces drawn, cheeses kept in slot order, the player's
// start, weeks and deliveries, the file's cellars, and undo and redo of whole changes.
#include "game/cellar_editor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "game/catalogue.h"
#include "game/cellar_fault.h"
#include "game/editor_file.h"
#include "game/stage_file.h"
#include "support/test_temp.h"

namespace {

using namespace game;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// An editor on one empty cellar, each change its own step.
CellarEditor OneEmptyCellar() {
  return EditorOf(CellarFile{});
}

void Place(CellarEditor& editor, int32_t x, int32_t y, int32_t piece) {
  BeginChange(editor);
  PlacePiece(editor, x, y, piece);
  EndChange(editor);
}

const StageRecord& Stage(const CellarEditor& editor) {
  return ChosenCellar(editor).stage;
}

// The stage as the loader would read it back from the file the editor writes.
StageRecord ReadBack(const StageRecord& stage) {
  CellarFile file;
  file.count = 1;
  file.stages[0] = stage;
  CellarFile read;
  StageFileError error{};
  EXPECT_EQ(ParseCellarText(FormatStageFile(file), "test", &read, &error), 1) << error.text;
  return read.stages[0];
}

TEST(CellarEditor, ANewCellarIsFloorInsideWallsWithNoPlayerYet) {
  const CellarEditor editor = OneEmptyCellar();
  ASSERT_EQ(editor.cellars.size(), 1u);
  const StageRecord& stage = Stage(editor);
  EXPECT_EQ(stage.grid[5][5], CELL_FLOOR);
  EXPECT_EQ(stage.grid[0][5], CELL_WALL_TOP);
  EXPECT_EQ(stage.grid[5][0], CELL_WALL_FRONT);  // above floor, as the loader makes it
  EXPECT_EQ(stage.toDeliver, 1);
  EXPECT_EQ(FindCellarProblem(stage).kind, CellarFaultKind::StartOutside);
  EXPECT_FALSE(Unsaved(editor));
}

// Walls keep the tiles the loader gives them whatever is drawn or rubbed out around them.
TEST(CellarEditor, WallTilesFollowTheWallsBelowThem) {
  CellarEditor editor = OneEmptyCellar();
  Place(editor, 4, 3, PIECE_WALL);
  Place(editor, 4, 4, PIECE_WALL);
  Place(editor, 4, 1, PIECE_WALL);
  EXPECT_EQ(Stage(editor).grid[4][3], CELL_WALL_TOP);
  EXPECT_EQ(Stage(editor).grid[4][4], CELL_WALL_FRONT);
  EXPECT_EQ(Stage(editor).grid[4][0], CELL_WALL_TOP);  // the border over a wall
  Place(editor, 4, 4, PIECE_HOLE);
  EXPECT_EQ(Stage(editor).grid[4][3], CELL_WALL_FRONT);
  Place(editor, 4, 1, PIECE_FLOOR);
  EXPECT_EQ(Stage(editor).grid[4][0], CELL_WALL_FRONT);
  Place(editor, 4, 4, PIECE_CHEESE_FIRST + 2);  // a cheese in place of the hole
  Place(editor, 4, 5, PIECE_WALL);
  Place(editor, 4, 5, PIECE_CHEESE_FIRST + 2);  // and of a wall
  EXPECT_EQ(Stage(editor).grid[4][4], CELL_CHEESE_FIRST);
  EXPECT_EQ(Stage(editor).grid[4][5], CELL_CHEESE_FIRST + 1);
  Place(editor, 5, 5, PIECE_PLAYER);
  ASSERT_EQ(CellarFault(Stage(editor)), "");
  const StageRecord read = ReadBack(Stage(editor));
  EXPECT_EQ(std::memcmp(&read, &Stage(editor), sizeof read), 0);
}

TEST(CellarEditor, CheesesKeepTheirSlotsInOrderAsTheyComeAndGo) {
  CellarEditor editor = OneEmptyCellar();
  const int32_t kinds[3] = {4, 12, 0};
  for (int32_t k = 0; k < 3; ++k) Place(editor, 2 + k, 2, PIECE_CHEESE_FIRST + kinds[k]);
  EXPECT_EQ(Stage(editor).cheeseCount, 3);
  EXPECT_EQ(Stage(editor).cheeses[1].catalogueIndex, 12);
  // A new cheese starts in the first week of its ripe window.
  EXPECT_EQ(Stage(editor).cheeses[1].startWeek, CheeseCatalogue[12].ripeFrom);
  Place(editor, 3, 2, PIECE_SNOWMAN_AREA);  // the middle one leaves
  const StageRecord& stage = Stage(editor);
  EXPECT_EQ(stage.cheeseCount, 2);
  EXPECT_EQ(stage.grid[2][2], CELL_CHEESE_FIRST);
  EXPECT_EQ(stage.grid[3][2], CELL_SNOWMAN_AREA);
  EXPECT_EQ(stage.grid[4][2], CELL_CHEESE_FIRST + 1);
  EXPECT_EQ(stage.cheeses[1].catalogueIndex, 0);
  EXPECT_EQ(stage.cheeses[2].catalogueIndex, 0);  // the freed slot is empty
  EXPECT_EQ(stage.cheeses[2].startWeek, 0);
  // A cheese drawn over a cheese changes its kind and keeps its week.
  BeginChange(editor);
  StepWeekOrFacing(editor, 2, 2, 3);
  PlacePiece(editor, 2, 2, PIECE_CHEESE_FIRST + 9);
  EndChange(editor);
  EXPECT_EQ(Stage(editor).cheeses[0].catalogueIndex, 9);
  EXPECT_EQ(Stage(editor).cheeses[0].startWeek, CheeseCatalogue[4].ripeFrom + 3);
  EXPECT_EQ(Stage(editor).cheeseCount, 2);
}

TEST(CellarEditor, AnEleventhCheeseIsRefused) {
  CellarEditor editor = OneEmptyCellar();
  for (int32_t k = 0; k < MAX_CHEESES; ++k)
    EXPECT_EQ(PlacePiece(editor, 1 + k % 9, 1 + k / 9, PIECE_CHEESE_FIRST), EditRefusal::None);
  EXPECT_EQ(PlacePiece(editor, 5, 5, PIECE_CHEESE_FIRST), EditRefusal::TooManyCheeses);
  EXPECT_EQ(Stage(editor).grid[5][5], CELL_FLOOR);
  EXPECT_EQ(Stage(editor).cheeseCount, MAX_CHEESES);
}

TEST(CellarEditor, ThePlayerMovesAndTurnsWhereItStands) {
  CellarEditor editor = OneEmptyCellar();
  PlacePiece(editor, 3, 4, PIECE_PLAYER);
  PlacePiece(editor, 6, 7, PIECE_PLAYER);
  EXPECT_EQ(Stage(editor).startX, 6);
  EXPECT_EQ(Stage(editor).startY, 7);
  EXPECT_EQ(ChosenCellar(editor).facing, FACING_UP);
  PlacePiece(editor, 6, 7, PIECE_PLAYER);
  EXPECT_EQ(ChosenCellar(editor).facing, FACING_RIGHT);
  StepWeekOrFacing(editor, 6, 7, -2);
  EXPECT_EQ(ChosenCellar(editor).facing, FACING_LEFT);
  // Drawn over, the start stays where it was: the game could not start there.
  PlacePiece(editor, 6, 7, PIECE_WALL);
  EXPECT_EQ(FindCellarProblem(Stage(editor)).kind, CellarFaultKind::StartNotFloor);
  EXPECT_EQ(PieceAt(ChosenCellar(editor), 6, 7), PIECE_PLAYER);
  // Nothing outside the playfield changes.
  PlacePiece(editor, 0, 7, PIECE_PLAYER);
  PlacePiece(editor, 10, 10, PIECE_HOLE);
  EXPECT_EQ(Stage(editor).startX, 6);
  EXPECT_EQ(Stage(editor).grid[10][10], CELL_WALL_TOP);
}

TEST(CellarEditor, WeeksStepOverWeekZeroAndStayInTheirRange) {
  const struct {
    int32_t from, step, to;
  } cases[] = {{5, 1, 6},
               {5, -4, 1},
               {1, -1, WEEK_ROTTEN},
               {WEEK_ROTTEN, 1, 1},
               {1, -5, -1},
               {198, 5, EDITOR_LAST_WEEK},
               {3, 0, 3}};
  for (const auto& c : cases) {
    CellarEditor editor = OneEmptyCellar();
    PlacePiece(editor, 4, 4, PIECE_CHEESE_FIRST);
    ChosenCellar(editor).stage.cheeses[0].startWeek = c.from;
    StepWeekOrFacing(editor, 4, 4, c.step);
    EXPECT_EQ(Stage(editor).cheeses[0].startWeek, c.to) << c.from << " by " << c.step;
  }
}

TEST(CellarEditor, DeliveriesStayWithinTheCheesesACellarCanHold) {
  CellarEditor editor = OneEmptyCellar();
  StepDeliveries(editor, -3);
  EXPECT_EQ(Stage(editor).toDeliver, 0);
  StepDeliveries(editor, 20);
  EXPECT_EQ(Stage(editor).toDeliver, MAX_CHEESES);
}

TEST(CellarEditor, TitlesAreKeptOnlyWhenAStageFileCanHoldThem) {
  CellarEditor editor = OneEmptyCellar();
  EXPECT_TRUE(SetTitle(editor, "熟成庫の試し"));
  EXPECT_FALSE(SetTitle(editor, "tab\there"));
  EXPECT_FALSE(SetTitle(editor, " edge"));
  EXPECT_FALSE(SetTitle(editor, std::string(MAX_TITLE_BYTES + 1, 'a')));
  EXPECT_EQ(ChosenCellar(editor).title, "熟成庫の試し");
}

// A stroke of many cells is one step; a change that changes nothing is none; a new change
// forgets what was taken back.
TEST(CellarEditor, UndoAndRedoTakeWholeChanges) {
  CellarEditor editor = OneEmptyCellar();
  const EditedCellar empty = ChosenCellar(editor);
  BeginChange(editor);
  for (int32_t x = 1; x <= 9; ++x) PlacePiece(editor, x, 3, PIECE_WALL);
  EXPECT_FALSE(Undo(editor));  // not while the stroke is open
  EXPECT_TRUE(EndChange(editor));
  const EditedCellar walled = ChosenCellar(editor);
  Place(editor, 2, 3, PIECE_WALL);  // nothing new
  EXPECT_EQ(editor.undoSteps.size(), 1u);
  Place(editor, 2, 5, PIECE_HOLE);
  ASSERT_TRUE(Undo(editor));
  EXPECT_EQ(ChosenCellar(editor), walled);
  ASSERT_TRUE(Undo(editor));
  EXPECT_EQ(ChosenCellar(editor), empty);
  EXPECT_FALSE(Undo(editor));
  ASSERT_TRUE(Redo(editor));
  EXPECT_EQ(ChosenCellar(editor), walled);
  Place(editor, 7, 7, PIECE_SNOWMAN_LINE);
  EXPECT_FALSE(Redo(editor));
}

TEST(CellarEditor, TheFilesCellarsAreAddedCopiedMovedAndDeletedAsChanges) {
  CellarEditor editor = OneEmptyCellar();
  Place(editor, 5, 5, PIECE_PLAYER);
  const EditedCellar first = ChosenCellar(editor);
  EXPECT_EQ(CopyCellar(editor), EditRefusal::None);
  EXPECT_EQ(editor.chosen, 1);
  EXPECT_EQ(editor.cellars[1], first);
  EXPECT_EQ(AddCellar(editor), EditRefusal::None);
  EXPECT_EQ(editor.chosen, 2);
  EXPECT_EQ(editor.cellars[2], EmptyCellar());
  MoveCellar(editor, -1);
  EXPECT_EQ(editor.chosen, 1);
  EXPECT_EQ(editor.cellars[1], EmptyCellar());
  EXPECT_EQ(editor.cellars[2], first);
  MoveCellar(editor, -5);  // past the first: nothing
  EXPECT_EQ(editor.chosen, 1);
  DeleteCellar(editor);
  EXPECT_EQ(editor.cellars.size(), 2u);
  EXPECT_EQ(editor.chosen, 1);
  EXPECT_EQ(ChosenCellar(editor), first);
  // Each was one step, taken back with the cellar chosen then.
  ASSERT_TRUE(Undo(editor));
  EXPECT_EQ(editor.cellars.size(), 3u);
  EXPECT_EQ(editor.chosen, 1);
  ChooseCellar(editor, 99);
  EXPECT_EQ(editor.chosen, 2);
  DeleteCellar(editor);
  DeleteCellar(editor);
  DeleteCellar(editor);  // the last one left is emptied instead
  ASSERT_EQ(editor.cellars.size(), 1u);
  EXPECT_EQ(ChosenCellar(editor), EmptyCellar());
}

TEST(CellarEditor, AFileHoldsAtMostThirtyTwoCellars) {
  CellarEditor editor = OneEmptyCellar();
  for (int32_t s = 1; s < STAGE_COUNT; ++s) ASSERT_EQ(AddCellar(editor), EditRefusal::None);
  EXPECT_EQ(AddCellar(editor), EditRefusal::TooManyCellars);
  EXPECT_EQ(CopyCellar(editor), EditRefusal::TooManyCellars);
  EXPECT_EQ(editor.cellars.size(), size_t{STAGE_COUNT});
}

TEST(CellarEditor, ChangesAreUnsavedUntilWrittenOrTakenBack) {
  CellarEditor editor = OneEmptyCellar();
  Place(editor, 5, 5, PIECE_HOLE);
  EXPECT_TRUE(Unsaved(editor));
  Undo(editor);
  EXPECT_FALSE(Unsaved(editor));
  Redo(editor);
  MarkSaved(editor);
  EXPECT_FALSE(Unsaved(editor));
}

// The game's own stage file, read into the editor and written out unchanged, is the same
// bytes.
TEST(EditorFile, TheGamesStageFileSavedUnchangedIsTheSameBytes) {
  const std::string source = VAULMOOR_SOURCE_DIR "/data/stage.dat";
  CellarFile file;
  std::string why;
  ASSERT_EQ(OpenEditedFile(source, &file, &why), OpenedFile::Read) << why;
  CellarEditor editor = EditorOf(file);
  EXPECT_EQ(editor.cellars.size(), size_t{STAGE_COUNT});
  const std::string copy = testsupport::TestTempPath("stage.dat");
  ASSERT_TRUE(SaveEditedFile(editor, copy, &why)) << why;
  EXPECT_EQ(ReadBytes(copy), ReadBytes(source));
}

TEST(EditorFile, AMissingFileIsNewAndADamagedOneIsRefused) {
  CellarFile file;
  std::string why;
  EXPECT_EQ(OpenEditedFile(testsupport::TestTempPath("none.dat"), &file, &why), OpenedFile::New);
  EXPECT_EQ(EditorOf(file).cellars.size(), 1u);
  const std::string damaged = testsupport::TestTempPath("damaged.dat");
  std::ofstream(damaged) << "1 1 0 0\n0 0 0\n";
  EXPECT_EQ(OpenEditedFile(damaged, &file, &why), OpenedFile::Refused);
  EXPECT_NE(why.find(damaged), std::string::npos) << why;
  const std::string folder = testsupport::TestTempPath("folder.dat");
  std::filesystem::create_directories(folder);
  EXPECT_EQ(OpenEditedFile(folder, &file, &why), OpenedFile::Refused);
  EXPECT_NE(why.find("is a folder"), std::string::npos) << why;
}

TEST(EditorFile, TheSourceGoesBesideTheFile) {
  const struct {
    const char* file;
    const char* source;
  } cases[] = {{"cellars.dat", "cellars.txt"}, {"/home/a/my.cellars.dat", "/home/a/my.cellars.txt"},
               {"data/mine", "data/mine.txt"}, {"a.b/mine", "a.b/mine.txt"},
               {"set.txt", "set.txt.txt"},     {"/x/.hidden", "/x/.hidden.txt"}};
  for (const auto& c : cases) EXPECT_EQ(SourcePathOf(c.file), c.source) << c.file;
}

TEST(EditorFile, ACellarTheGameCouldNotStartIsFound) {
  CellarEditor editor = OneEmptyCellar();
  Place(editor, 5, 5, PIECE_PLAYER);
  AddCellar(editor);
  CellarProblem problem;
  EXPECT_EQ(FirstFaultyCellar(editor, &problem), 1);
  EXPECT_EQ(problem.kind, CellarFaultKind::StartOutside);
  std::string why;
  EXPECT_FALSE(SaveEditedFile(editor, testsupport::TestTempPath("faulty.dat"), &why));
  EXPECT_NE(why.find("cellar 2"), std::string::npos) << why;
  EXPECT_TRUE(Unsaved(editor));
}

}  // namespace
