// The hint search against the kept solutions and the breadth-first solver: shortest ways from
// every position along the solutions and from detours, lost positions, and its limits.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "game/rules.h"
#include "game/solver.h"
#include "game/stage_file.h"
#include "solver/playthrough.h"

namespace {

constexpr int64_t LIMIT = 2000000;

class HintSearch : public ::testing::TestWithParam<int> {
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
std::vector<std::string> HintSearch::moves_;

// Plays the way found from the live position: every step starts where the way says, every
// move moves, every delivery is good, and the last move clears the stage.
void ExpectWayClears(const game::HintResult& result) {
  ASSERT_EQ(result.status, game::HintStatus::Found);
  for (size_t i = 0; i < result.path.size(); ++i) {
    ASSERT_TRUE(result.path[i].position == game::EncodePosition()) << "step " << i;
    ASSERT_EQ(game::CheesesToDeliver > 0, true) << "cleared before step " << i;
    game::MoveOutcome outcome = game::PlayMove(result.path[i].move);
    ASSERT_NE(outcome, game::MoveOutcome::Blocked) << "step " << i;
    ASSERT_NE(outcome, game::MoveOutcome::WrongDelivery) << "step " << i;
  }
  EXPECT_LE(game::CheesesToDeliver, 0);
}

// The hint search from the live position, which it leaves as it was.
game::HintResult SearchHere(int64_t limit = LIMIT, const std::atomic<bool>* cancel = nullptr) {
  game::LiveStage here;
  game::CaptureLiveStage(&here);
  game::HintResult result = game::SolvePosition(limit, cancel);
  game::RestoreLiveStage(here);
  return result;
}

TEST_P(HintSearch, FollowsAShortestWayFromEveryPositionOfTheKeptSolution) {
  int stage = GetParam();
  const std::string& kept = moves_[stage];
  for (size_t done = 0; done < kept.size(); ++done) {
    game::SetUpStage(stage);
    for (size_t i = 0; i < done; ++i) game::PlayMove(game::MoveDirection(kept[i]));
    game::HintResult result = SearchHere();
    ASSERT_EQ(result.status, game::HintStatus::Found) << "after " << done << " moves";
    EXPECT_EQ(result.path.size(), kept.size() - done) << "after " << done << " moves";
    ExpectWayClears(result);
  }
}

// Random detours from the start (the same ones every run): the hint search agrees with the
// breadth-first solver on whether the stage can still be cleared, and in how many moves.
TEST_P(HintSearch, AgreesWithBreadthFirstAfterDetours) {
  int stage = GetParam();
  std::mt19937 random(static_cast<uint32_t>(stage));
  int compared = 0;
  for (int walk = 0; walk < 3; ++walk) {
    game::SetUpStage(stage);
    int steps = 2 + static_cast<int>(random() % 10);
    std::string played;
    for (int i = 0; i < steps; ++i) {
      game::LiveStage before;
      game::CaptureLiveStage(&before);
      int32_t d = static_cast<int32_t>(random() % 4);
      game::MoveOutcome outcome = game::PlayMove(d);
      if (outcome == game::MoveOutcome::WrongDelivery || game::CheesesToDeliver <= 0) {
        game::RestoreLiveStage(before);  // a detour that fails or clears ends the game
      } else if (outcome != game::MoveOutcome::Blocked) {
        played += "URDL"[d];
      }
    }
    game::HintResult hint = SearchHere();
    game::SolveResult plain = game::SolveBreadthFirst(1500000);
    if (plain.exhausted) continue;  // too far for the plain search to decide
    ++compared;
    std::string where = "stage " + std::to_string(stage + 1) + " after " + played;
    if (plain.solved) {
      ASSERT_EQ(hint.status, game::HintStatus::Found) << where;
      EXPECT_EQ(hint.path.size(), plain.moves.size()) << where;
    } else {
      EXPECT_EQ(hint.status, game::HintStatus::Lost) << where;
    }
  }
  EXPECT_GT(compared, 0);
}

INSTANTIATE_TEST_SUITE_P(AllStages, HintSearch, ::testing::Range(0, 32));

// Positions that can no longer be cleared are known as lost without a search of their
// whole future.
TEST_F(HintSearch, LostPositionsAreRecognised) {
  struct Case {
    const char* what;
    int stage;
    std::string moves;
    int catalogueIndex = -1, startWeek = 0;  // a changed first cheese, when set
    int toDeliver = -1;                      // a changed number of deliveries, when set
  };
  const Case cases[] = {
      {"the only cheese pushed off the cold, rotten", 0, "DRRRRULL"},
      {"the only cheese past its window", 0, "", 6, 15},
      {"more deliveries due than cheeses", 0, "", -1, 0, 2},
      {"the mozzarella waited past its last ripe day", 8, "DUDUDUDUDUDUDU"},
  };
  for (const Case& c : cases) {
    game::StageRecord kept = game::StageSet[c.stage];
    if (c.catalogueIndex >= 0) game::StageSet[c.stage].cheeses[0] = {c.catalogueIndex, c.startWeek};
    if (c.toDeliver >= 0) game::StageSet[c.stage].toDeliver = c.toDeliver;
    game::SetUpStage(c.stage);
    for (char move : c.moves) game::PlayMove(game::MoveDirection(move));
    game::HintResult result = SearchHere();
    game::StageSet[c.stage] = kept;
    EXPECT_EQ(result.status, game::HintStatus::Lost) << c.what;
    EXPECT_LT(result.statesExplored, 1000) << c.what;
    EXPECT_TRUE(result.path.empty()) << c.what;
  }
}

TEST_F(HintSearch, GivesUpAtItsStateLimitOrWhenCancelled) {
  game::SetUpStage(28);
  game::HintResult limited = SearchHere(1000);
  EXPECT_EQ(limited.status, game::HintStatus::Undecided);
  EXPECT_GE(limited.statesExplored, 1000);
  EXPECT_LT(limited.statesExplored, 1010);
  std::atomic<bool> cancel{true};
  EXPECT_EQ(SearchHere(LIMIT, &cancel).status, game::HintStatus::Undecided);
  cancel = false;
  EXPECT_EQ(SearchHere(LIMIT, &cancel).status, game::HintStatus::Found);
}

TEST_F(HintSearch, ANothingToDeliverStageIsClearedByAnyMove) {
  game::StageRecord kept = game::StageSet[0];
  game::StageSet[0].toDeliver = 0;
  game::SetUpStage(0);
  game::HintResult result = SearchHere();
  game::StageSet[0] = kept;
  ASSERT_EQ(result.status, game::HintStatus::Found);
  EXPECT_EQ(result.path.size(), 1u);
}

}  // namespace
