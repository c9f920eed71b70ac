// Tests of the stage file loader: layouts, the wall passes and every refused value.
#include "game/stage_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/stage_text.h"

namespace game {
namespace {

using game_test::CellarPicture;
using game_test::PlainStageBlock;
using game_test::StageBlock;
using game_test::StageFile;

StageRecord Loaded[STAGE_COUNT];
StageRecord Other[STAGE_COUNT];

std::string Relayout(const std::string& text, char separator) {
  std::string out;
  bool blank = false;
  for (char c : text) {
    bool isBlank = c == ' ' || c == '\n';
    if (isBlank && !blank) out += separator;
    if (!isBlank) out += c;
    blank = isBlank;
  }
  return out;
}

TEST(StageFile, LineLayoutCarriesNoMeaning) {
  CellarPicture picture{{"@0.#.....", "...#..A..", ".1.#.o...", ".........", ".........",
                         ".........", ".........", ".........", "........L"},
                        2,
                        {{3, 8}, {13, -1}}};
  std::string text = StageFile({PlainStageBlock(), StageBlock(picture)});
  StageFileError error{};
  ASSERT_EQ(ParseStageText(Relayout(text, '\n'), "lines", Loaded, &error), 1) << error.text;
  ASSERT_EQ(ParseStageText("  \t" + Relayout(text, ' ') + "\r\n", "one line", Other, &error), 1)
      << error.text;
  EXPECT_EQ(std::memcmp(Loaded, Other, sizeof Loaded), 0);
  const StageRecord& stage = Loaded[1];
  EXPECT_EQ(stage.startX, 1);
  EXPECT_EQ(stage.startY, 1);
  EXPECT_EQ(stage.toDeliver, 2);
  EXPECT_EQ(stage.cheeseCount, 2);
  EXPECT_EQ(stage.cheeses[1].catalogueIndex, 13);
  EXPECT_EQ(stage.cheeses[1].startWeek, -1);
  EXPECT_EQ(stage.grid[2][1], 7);
  EXPECT_EQ(stage.grid[2][3], 8);
  EXPECT_EQ(stage.grid[7][2], 4);
  EXPECT_EQ(stage.grid[6][3], 3);
  EXPECT_EQ(stage.grid[9][9], 5);
}

TEST(StageFile, CheeseCountZeroIsFollowedByThePlayfield) {
  StageFileError error{};
  ASSERT_EQ(ParseStageText(StageFile({"2 3 0 0 " + Relayout(PlainStageBlock(), ' ').substr(8)}),
                           "zero", Loaded, &error),
            1)
      << error.text;
  EXPECT_EQ(Loaded[0].startX, 2);
  EXPECT_EQ(Loaded[0].startY, 3);
  EXPECT_EQ(Loaded[0].cheeseCount, 0);
  EXPECT_EQ(Loaded[1].startX, 1);  // the next block starts right after 81 cells
}

TEST(StageFile, WallPassesSetTheWallTiles) {
  CellarPicture picture{{"@#o......", "..#...A..", "..#......", "..#......", "..#......",
                         ".........", ".........", ".........", "...#....."}};
  std::string block = StageBlock(picture);
  // The file may give a wall as 2: above floor it still loads as the front tile.
  block.replace(block.rfind("1"), 1, "2");       // row 9's wall
  block.replace(block.find("0 1 3"), 3, "0 2");  // row 1's wall
  StageFileError error{};
  ASSERT_EQ(ParseStageText(StageFile({block}), "walls", Loaded, &error), 1) << error.text;
  const StageRecord& stage = Loaded[0];
  // A column of walls in rows 2..5: only the lowest one keeps the front tile.
  EXPECT_EQ(stage.grid[3][2], CELL_WALL_TOP);
  EXPECT_EQ(stage.grid[3][3], CELL_WALL_TOP);
  EXPECT_EQ(stage.grid[3][4], CELL_WALL_TOP);
  EXPECT_EQ(stage.grid[3][5], CELL_WALL_FRONT);
  EXPECT_EQ(stage.grid[2][1], CELL_WALL_FRONT);
  EXPECT_EQ(stage.grid[4][9], CELL_WALL_TOP);  // row 9 stands on the border
  // The top border: a wall tile above a wall, a front above anything else.
  EXPECT_EQ(stage.grid[2][0], CELL_WALL_TOP);
  for (int x : {1, 3, 4, 9}) EXPECT_EQ(stage.grid[x][0], CELL_WALL_FRONT) << x;
  for (int i = 0; i <= 10; ++i) {
    EXPECT_EQ(stage.grid[0][i], CELL_WALL_TOP);
    EXPECT_EQ(stage.grid[10][i], CELL_WALL_TOP);
    EXPECT_EQ(stage.grid[i][10], CELL_WALL_TOP);
  }
}

// The file with stage 3 given as numbers, every number on its own line, so that a
// number's ordinal is also its line.
std::string NumberPerLine(const std::vector<std::string>& third) {
  std::string text = Relayout(PlainStageBlock() + PlainStageBlock(), '\n');
  for (const std::string& number : third) text += number + "\n";
  for (int s = 3; s < STAGE_COUNT; ++s) text += Relayout(PlainStageBlock(), '\n');
  return text;
}

// Stage 3: start (1, 1), one delivery, one Camembert in week 5 on cell (3, 1).
std::vector<std::string> ThirdStage() {
  std::vector<std::string> numbers = {"1", "1", "1", "1", "4", "5"};
  for (int i = 0; i < 81; ++i) numbers.push_back(i == 2 ? "7" : "0");
  return numbers;
}

constexpr int THIRD_FIRST = 2 * 85 + 1;  // ordinal of stage 3's first number
constexpr int FIRST_CELL = 6;            // index of cell (1, 1) in ThirdStage

TEST(StageFile, RefusedValuesNameStageAndPosition) {
  struct Case {
    const char* fault;
    int index;  // number of stage 3 to replace
    const char* value;
    int reportedIndex;  // number the message points at
  };
  const Case cases[] = {
      {"start column", 0, "0", 0},
      {"start column", 0, "10", 0},
      {"start row", 1, "-3", 1},
      {"deliveries due", 2, "-1", 2},
      {"cheese count", 3, "11", 3},
      {"cheese count", 3, "-1", 3},
      {"catalogue index", 4, "14", 4},
      {"catalogue index", 4, "-1", 4},
      {"below -1", 5, "-2", 5},
      {"cells hold 0..5", FIRST_CELL + 4, "6", FIRST_CELL + 4},
      {"cells hold 0..5", FIRST_CELL + 4, "8", FIRST_CELL + 4},
      {"cells hold 0..5", FIRST_CELL + 4, "-1", FIRST_CELL + 4},
      {"placed twice", FIRST_CELL + 40, "7", FIRST_CELL + 40},
      {"start cell", FIRST_CELL, "3", FIRST_CELL},
      {"not on the board", FIRST_CELL + 2, "0", 5},
      {"not a number", FIRST_CELL + 9, "1x", FIRST_CELL + 9},
      {"not a number", 2, "99999999999", 2},
  };
  for (const Case& c : cases) {
    std::vector<std::string> third = ThirdStage();
    third[c.index] = c.value;
    StageFileError error{};
    EXPECT_EQ(ParseStageText(NumberPerLine(third), "data/stage.dat", Loaded, &error), 0) << c.fault;
    EXPECT_EQ(error.stage, 3) << c.fault;
    EXPECT_EQ(error.ordinal, THIRD_FIRST + c.reportedIndex) << c.fault << " " << c.value;
    EXPECT_EQ(error.line, error.ordinal) << c.fault;
    EXPECT_NE(std::strstr(error.text, c.fault), nullptr) << error.text;
    std::string prefix = "data/stage.dat: stage 3, number " + std::to_string(error.ordinal) +
                         " (line " + std::to_string(error.line) + ")";
    EXPECT_EQ(std::string(error.text).rfind(prefix, 0), 0u) << error.text;
  }
}

TEST(StageFile, AbsentCheeseNeedNotBeOnTheBoard) {
  std::vector<std::string> third = ThirdStage();
  third[5] = "0";               // week 0: the stage treats the cheese as absent
  third[FIRST_CELL + 2] = "0";  // and it is not placed
  StageFileError error{};
  EXPECT_EQ(ParseStageText(NumberPerLine(third), "data/stage.dat", Loaded, &error), 1)
      << error.text;
}

TEST(StageFile, PositionCountsLinesAndNumbersSeparately) {
  std::string block = PlainStageBlock();  // "1 1\n0\n0\n" then nine rows of nine
  size_t row2 = block.find('\n', block.find('\n', block.find('\n', block.find('\n') + 1) + 1) + 1);
  block.replace(row2 + 1 + 6, 1, "zz");  // the fourth cell of playfield row 2
  StageFileError error{};
  ASSERT_EQ(ParseStageText(StageFile({block}), "f", Loaded, &error), 0);
  EXPECT_EQ(error.stage, 1);
  EXPECT_EQ(error.ordinal, 4 + 9 + 4);
  EXPECT_EQ(error.line, 5);
  EXPECT_NE(std::strstr(error.text, "\"zz\" is not a number"), nullptr) << error.text;
}

TEST(StageFile, EndingInsideTheLastBlockIsRefused) {
  std::string text = Relayout(StageFile({}), '\n');
  text.resize(text.size() - 4);  // drops the last two cells of stage 32
  StageFileError error{};
  ASSERT_EQ(ParseStageText(text, "short", Loaded, &error), 0);
  EXPECT_EQ(error.stage, 32);
  EXPECT_EQ(error.ordinal, 32 * 85 - 1);
  EXPECT_NE(std::strstr(error.text, "ends"), nullptr) << error.text;
}

TEST(StageFile, LoadsFromAnyPathAndNamesAFileThatCannotBeOpened) {
  std::filesystem::path dir = std::filesystem::path(GAME_TEST_SCRATCH) / "stage_file";
  std::filesystem::create_directories(dir);
  std::string path = (dir / "cellars.txt").string();
  std::ofstream(path) << StageFile({"4 5 0 0 " + Relayout(PlainStageBlock(), ' ').substr(8)});
  StageFileError error{};
  EXPECT_EQ(LoadStageFile(path.c_str(), Loaded, &error), 1) << error.text;
  EXPECT_EQ(Loaded[0].startX, 4);
  std::string missing = (dir / "missing.dat").string();
  EXPECT_EQ(LoadStageFile(missing.c_str(), Loaded, &error), 0);
  EXPECT_EQ(error.stage, 0);
  EXPECT_NE(std::strstr(error.text, missing.c_str()), nullptr) << error.text;
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace game
