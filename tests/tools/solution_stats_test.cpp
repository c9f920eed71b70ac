// The measures of a solution and a layout: pushes, waiting moves and shared walls and holes.
#include "solver/solution_stats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/stage_record.h"

namespace {

// A stage drawn as in the game's tests ('o' hole, '0' the one cheese, a feta in week 3),
// loaded as the game loads it; one delivery clears it.
game::StageRecord Fixture(const std::vector<std::string>& rows) {
  return game_test::StageRecordOf({rows, 1, {{0, 3}}});
}

const std::vector<std::string> kRoom = {
    "#########", "#@..0.o.#", "#...A...#", "#########", "#########",
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
  const game::StageRecord room = Fixture(kRoom);
  for (const Case& c : cases) {
    tools::SolutionStats stats = tools::MeasureSolution(room, c.moves);
    EXPECT_EQ(stats.moves, static_cast<int32_t>(std::string(c.moves).size())) << c.moves;
    EXPECT_EQ(stats.pushes, c.pushes) << c.moves;
    EXPECT_EQ(stats.waiting, c.waiting) << c.moves;
  }
}

TEST(SolutionStats, SharedWallsAndHolesCountOnlyCellsOfTheSameKind) {
  std::vector<std::string> moved = kRoom;
  moved[1] = "#@..0..o#";  // the hole one cell further right
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
