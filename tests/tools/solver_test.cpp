// The solver and the kept solutions: every stage is solvable, in exactly the kept number
// of moves, and the kept moves clear it under the game's rules.
#include "game/solver.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/stage_file.h"
#include "solver/playthrough.h"

namespace {

class KeptSolutions : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    game::StageFileError error;
    ASSERT_TRUE(game::LoadStageFile(VAULMOOR_SOURCE_DIR "/data/stage.dat", game::StageSet, &error))
        << error.text;
    std::string why;
    ASSERT_TRUE(
        tools::ReadSolutions(VAULMOOR_SOURCE_DIR "/tools/stages/solutions.txt", &moves_, &why))
        << why;
  }
  static std::vector<std::string> moves_;
};
std::vector<std::string> KeptSolutions::moves_;

TEST_P(KeptSolutions, ClearTheStage) {
  int stage = GetParam();
  std::string why;
  EXPECT_EQ(game::ReplaySolution(stage, moves_[stage], &why), 1)
      << "stage " << stage + 1 << ": " << why;
}

TEST_P(KeptSolutions, AreShortest) {
  int stage = GetParam();
  game::SolveResult result = game::SolveStage(stage, 20000000);
  ASSERT_TRUE(result.solved) << "stage " << stage + 1;
  EXPECT_EQ(result.moves.size(), moves_[stage].size()) << "stage " << stage + 1;
  std::string why;
  EXPECT_EQ(game::ReplaySolution(stage, result.moves, &why), 1) << why;
}

INSTANTIATE_TEST_SUITE_P(AllStages, KeptSolutions, ::testing::Range(0, 32));

TEST_F(KeptSolutions, ReplayRefusesMovesThatDoNotClear) {
  const std::string& first = moves_[0];
  struct Case {
    int stage;
    std::string moves;
    const char* why;
  };
  std::vector<Case> cases = {
      {0, first.substr(0, first.size() - 1), "deliveries due"},
      {0, first + first.back(), "already clears the stage"},
      {0, "X" + first, "not one of U, R, D, L"},
      {0, "L" + first, "blocked"},
  };
  for (const Case& c : cases) {
    std::string why;
    EXPECT_EQ(game::ReplaySolution(c.stage, c.moves, &why), 0) << c.moves;
    EXPECT_NE(why.find(c.why), std::string::npos) << c.moves << ": " << why;
  }
}

TEST_F(KeptSolutions, AStageWithAnExpiredCheeseIsNotSolvable) {
  // Stage 1 with its cheese past its window can never be cleared.
  game::StageRecord kept = game::StageSet[0];
  game::StageSet[0].cheeses[0] = {6, 15};
  game::SolveResult result = game::SolveStage(0, 1000000);
  game::StageSet[0] = kept;
  EXPECT_FALSE(result.solved);
  EXPECT_FALSE(result.exhausted);
  EXPECT_GT(result.statesExplored, 0);
}

TEST_F(KeptSolutions, AWrongDeliveryIsADeadEnd) {
  // Stage 6's cheese is ripe only from the seventh move; delivering it at once fails,
  // so the shortest solution waits.
  game::SolveResult result = game::SolveStage(5, 1000000);
  ASSERT_TRUE(result.solved);
  EXPECT_GE(result.moves.size(), 7u);
}

TEST_F(KeptSolutions, StageTableListsTheKeptLengths) {
  // Rows read "| stage | title | idea | moves | states |".
  std::ifstream table(VAULMOOR_SOURCE_DIR "/docs/stages.md");
  std::vector<bool> listed(moves_.size(), false);
  for (std::string line; std::getline(table, line);) {
    std::vector<std::string> cells;
    std::istringstream row(line);
    for (std::string cell; std::getline(row, cell, '|');) cells.push_back(cell);
    if (cells.size() < 6 || line[0] != '|') continue;
    int stage = std::atoi(cells[1].c_str());
    if (stage < 1 || stage > static_cast<int>(moves_.size())) continue;
    EXPECT_EQ(std::atoi(cells[4].c_str()), static_cast<int>(moves_[stage - 1].size()))
        << "stage " << stage;
    listed[stage - 1] = true;
  }
  for (size_t s = 0; s < listed.size(); ++s) EXPECT_TRUE(listed[s]) << "stage " << s + 1;
}

}  // namespace
