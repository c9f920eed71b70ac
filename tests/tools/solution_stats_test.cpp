// The measures of a solution and a layout: pushes, waiting moves and shared walls and holes.
#include "solver/solution_stats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/stage_file.h"

namespace {

// A stage of nine playfield rows: '#' wall, 'O' hole, 'A' and 'L' snowmen, '@' start,
// 'a' the one cheese (a feta in week 3); one delivery clears it.
game::StageRecord Fixture(const std::vector<std::string>& rows) {
  game::StageRecord stage{};
  stage.toDeliver = 1;
  stage.cheeseCount = 1;
  stage.cheeses[0] = {0, 3};
  for (int32_t x = 0; x < game::BOARD_SIZE; ++x) {
    for (int32_t y = 0; y < game::BOARD_SIZE; ++y) stage.grid[x][y] = game::CELL_WALL_TOP;
  }
  for (int32_t y = 1; y <= 9; ++y) {
    for (int32_t x = 1; x <= 9; ++x) {
      char c = rows[y - 1][x - 1];
      int32_t& cell = stage.grid[x][y];
      cell = c == '#'   ? game::CELL_WALL_TOP
             : c == 'O' ? game::CELL_HOLE
             : c == 'A' ? game::CELL_SNOWMAN_AREA
             : c == 'L' ? game::CELL_SNOWMAN_LINE
             : c == 'a' ? game::CELL_CHEESE_FIRST
                        : game::CELL_FLOOR;
      if (c == '@') {
        stage.startX = x;
        stage.startY = y;
      }
    }
  }
  return stage;
}

const std::vector<std::string> kRoom = {
    "#########", "#@..a.O.#", "#...A...#", "#########", "#########",
    "#########", "#########", "#########", "#########",
};

TEST(SolutionStats, CountsPushesAndMovesThatBringBackAPosition) {
  struct Case {
    const char* moves;
    int32_t pushes;
    int32_t waiting;
  };
  // Walking away and back, or round a square, passes days and changes nothing; after a
  // push the same cell is a new position.
  std::vector<Case> cases = {
      {"RRRR", 2, 0},
      {"RLRRRR", 2, 2},
      {"DRULRRRR", 2, 2},
      {"RRRLRR", 2, 1},
  };
  game::StageRecord kept = game::StageSet[0];
  game::StageSet[0] = Fixture(kRoom);
  for (const Case& c : cases) {
    tools::SolutionStats stats = tools::MeasureSolution(0, c.moves);
    EXPECT_EQ(stats.moves, static_cast<int32_t>(std::string(c.moves).size())) << c.moves;
    EXPECT_EQ(stats.pushes, c.pushes) << c.moves;
    EXPECT_EQ(stats.waiting, c.waiting) << c.moves;
  }
  game::StageSet[0] = kept;
}

TEST(SolutionStats, SharedWallsAndHolesCountOnlyCellsOfTheSameKind) {
  std::vector<std::string> moved = kRoom;
  moved[1] = "#@..a..O#";  // the hole one cell further right
  std::vector<std::string> walled = kRoom;
  walled[2] = "#...A..##";  // one wall more
  game::StageRecord room = Fixture(kRoom);
  int32_t walls = 9 * 7 + 2 * 2;  // seven wall rows and the two ends of rows 2 and 3
  EXPECT_DOUBLE_EQ(tools::SharedWallsAndHoles(room, room), 1.0);
  EXPECT_DOUBLE_EQ(tools::SharedWallsAndHoles(room, Fixture(moved)),
                   static_cast<double>(walls) / (walls + 2));
  EXPECT_DOUBLE_EQ(tools::SharedWallsAndHoles(room, Fixture(walled)),
                   static_cast<double>(walls + 1) / (walls + 2));
  EXPECT_DOUBLE_EQ(tools::SharedWallsAndHoles(Fixture(walled), room),
                   tools::SharedWallsAndHoles(room, Fixture(walled)));
}

}  // namespace
