// The targets of the stage set, held on the data, the kept solutions and the stage table:
// lengths, waiting, the size and rise of the late cellars and their own layouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/stage_file.h"
#include "solver/playthrough.h"
#include "solver/solution_stats.h"
#include "stage_table.h"

namespace {

constexpr int kFirstLateStage = 17;
constexpr int kMinLateStates = 20000;
constexpr int kMaxStates = 1000000;
constexpr double kMaxWaiting = 0.2;
constexpr size_t kMaxTimingStages = 4;
constexpr double kMaxSharedLayout = 0.95;

class StageTargets : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::vector<std::string> moves;
    std::string why;
    ASSERT_TRUE(tools::LoadStagesAndSolutions(VAULMOOR_SOURCE_DIR, &moves, &why)) << why;
    stats_.clear();
    for (int s = 0; s < game::STAGE_COUNT; ++s)
      stats_.push_back(tools::MeasureSolution(game::StageSet[s], moves[s]));
    table_ = stagetable::ReadRows(VAULMOOR_SOURCE_DIR "/docs/stages.md");
    timing_ = stagetable::ReadTimingStages(VAULMOOR_SOURCE_DIR "/docs/stages.md");
  }
  static std::vector<tools::SolutionStats> stats_;  // of the kept solutions, stage 1 first
  static std::vector<stagetable::Row> table_;
  static std::vector<int32_t> timing_;
};
std::vector<tools::SolutionStats> StageTargets::stats_;
std::vector<stagetable::Row> StageTargets::table_;
std::vector<int32_t> StageTargets::timing_;

TEST_F(StageTargets, SolutionLengths) {
  for (int stage = 1; stage <= 4; ++stage) {
    EXPECT_LE(stats_[stage - 1].moves, 15) << "stage " << stage;
  }
  for (int stage = kFirstLateStage; stage <= game::STAGE_COUNT; ++stage) {
    EXPECT_GE(stats_[stage - 1].moves, 25) << "stage " << stage;
  }
  long longStages = std::count_if(stats_.begin(), stats_.end(),
                                  [](const tools::SolutionStats& s) { return s.moves >= 50; });
  EXPECT_GE(longStages, 8);
}

TEST_F(StageTargets, WaitingOnlyWhereTheIdeaIsTiming) {
  EXPECT_LE(timing_.size(), kMaxTimingStages);
  for (int32_t stage : timing_) {
    EXPECT_TRUE(stage >= 1 && stage <= game::STAGE_COUNT) << "timing stage " << stage;
  }
  for (int stage = 1; stage <= game::STAGE_COUNT; ++stage) {
    if (std::find(timing_.begin(), timing_.end(), stage) != timing_.end()) continue;
    const tools::SolutionStats& s = stats_[stage - 1];
    EXPECT_LE(s.waiting, kMaxWaiting * s.moves)
        << "stage " << stage << ": " << s.waiting << " of " << s.moves << " moves wait";
  }
}

TEST_F(StageTargets, LateCellarsAreLargerOneByOne) {
  // The table's states are the solver's own: the solver test holds them to it.
  for (int stage = 1; stage <= game::STAGE_COUNT; ++stage) {
    ASSERT_TRUE(table_[stage - 1].listed) << "stage " << stage;
    EXPECT_LE(table_[stage - 1].states, kMaxStates) << "stage " << stage;
  }
  EXPECT_GE(table_[kFirstLateStage - 1].states, kMinLateStates);
  for (int stage = kFirstLateStage + 1; stage <= game::STAGE_COUNT; ++stage) {
    EXPECT_GT(table_[stage - 1].states, table_[stage - 2].states) << "stage " << stage;
  }
}

TEST_F(StageTargets, LateCellarsHaveLayoutsOfTheirOwn) {
  for (int a = kFirstLateStage; a <= game::STAGE_COUNT; ++a) {
    for (int b = a + 1; b <= game::STAGE_COUNT; ++b) {
      double shared = tools::SharedWallsAndHoles(game::StageSet[a - 1], game::StageSet[b - 1]);
      EXPECT_LT(shared, kMaxSharedLayout) << "stages " << a << " and " << b;
    }
  }
}

}  // namespace
