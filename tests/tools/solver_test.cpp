// The solver and the kept solutions: every stage is solvable, in exactly the kept number
// of moves, and the kept moves clear it under the game's rules; the stage table of the
// docs gives each stage's figures as they are. The hint search finds shortest ways from
// every position along them and after detours, as breadth-first search does, and knows
// lost positions.
#include "game/solver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "game/rules.h"
#include "game/solution_file.h"
#include "game/stage_file.h"
#include "platform/whole_file.h"
#include "solver/playthrough.h"
#include "solver/position_walks.h"
#include "solver/solution_stats.h"
#include "stage_table.h"
#include "support/stage_record.h"

namespace {

constexpr int64_t HINT_LIMIT = 2000000;

class KeptSolutions : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() {
    std::string why;
    ASSERT_TRUE(tools::LoadStagesAndSolutions(VAULMOOR_SOURCE_DIR, &moves_, &why)) << why;
    table_ = stagetable::ReadRows(VAULMOOR_SOURCE_DIR "/docs/stages.md");
  }
  static std::vector<std::string> moves_;
  static std::vector<stagetable::Row> table_;
};
std::vector<std::string> KeptSolutions::moves_;
std::vector<stagetable::Row> KeptSolutions::table_;

TEST_P(KeptSolutions, ClearTheStage) {
  int stage = GetParam();
  std::string why;
  EXPECT_EQ(game::ReplaySolution(game::StageSet[stage], moves_[stage], &why), 1)
      << "stage " << stage + 1 << ": " << why;
}

// The solver (best-first) and breadth-first search each find a clear as long as the kept
// one from the stage's start, exploring as many states as the stage table says.
TEST_P(KeptSolutions, AreShortest) {
  int stage = GetParam();
  const struct {
    const char* search;
    game::SolveResult result;
    int64_t tableStates;
  } searches[] = {
      {"best-first", game::SolveStage(game::StageSet[stage], 20000000), table_[stage].bestFirst},
      {"breadth-first", game::SolveBreadthFirst(game::StageStart(game::StageSet[stage]), 20000000),
       table_[stage].states},
  };
  for (const auto& s : searches) {
    SCOPED_TRACE(std::string(s.search) + " search, stage " + std::to_string(stage + 1));
    ASSERT_TRUE(s.result.solved);
    EXPECT_EQ(s.result.moves.size(), moves_[stage].size());
    EXPECT_EQ(s.result.statesExplored, s.tableStates);
    std::string why;
    EXPECT_EQ(game::ReplaySolution(game::StageSet[stage], s.result.moves, &why), 1) << why;
  }
}

TEST_P(KeptSolutions, StageTableGivesTheirFigures) {
  int stage = GetParam();
  const stagetable::Row& row = table_[stage];
  ASSERT_TRUE(row.listed) << "stage " << stage + 1;
  tools::SolutionStats stats = tools::MeasureSolution(game::StageSet[stage], moves_[stage]);
  EXPECT_EQ(row.moves, stats.moves) << "stage " << stage + 1;
  EXPECT_EQ(row.pushes, stats.pushes) << "stage " << stage + 1;
  EXPECT_EQ(row.waiting, stats.waiting) << "stage " << stage + 1;
}

// Plays the way found from here: every step starts where the way says, every move moves,
// every delivery is good, and the last move clears the stage.
void ExpectWayClears(game::Position here, const game::HintResult& result) {
  ASSERT_EQ(result.status, game::HintStatus::Found);
  for (size_t i = 0; i < result.path.size(); ++i) {
    ASSERT_TRUE(result.path[i].position == game::EncodePosition(here)) << "step " << i;
    ASSERT_GT(here.cheesesToDeliver, 0) << "cleared before step " << i;
    game::MoveOutcome outcome = game::PlayMove(here, result.path[i].move);
    ASSERT_NE(outcome, game::MoveOutcome::Blocked) << "step " << i;
    ASSERT_NE(outcome, game::MoveOutcome::WrongDelivery) << "step " << i;
  }
  EXPECT_LE(here.cheesesToDeliver, 0);
}

TEST_P(KeptSolutions, HintFollowsAShortestWayFromEachOfTheirPositions) {
  int stage = GetParam();
  const std::string& kept = moves_[stage];
  for (size_t done = 0; done < kept.size(); ++done) {
    game::Position here = tools::AfterMoves(game::StageSet[stage], kept.substr(0, done));
    game::HintResult result = game::SolvePosition(here, HINT_LIMIT);
    ASSERT_EQ(result.status, game::HintStatus::Found) << "after " << done << " moves";
    EXPECT_EQ(result.path.size(), kept.size() - done) << "after " << done << " moves";
    ExpectWayClears(here, result);
  }
}

// Random detours from the start (the same ones every run): the hint search agrees with the
// breadth-first solver on whether the stage can still be cleared, and in how many moves.
TEST_P(KeptSolutions, HintAgreesWithBreadthFirstAfterDetours) {
  int stage = GetParam();
  std::mt19937 random(static_cast<uint32_t>(stage));
  int compared = 0;
  for (int walk = 0; walk < 3; ++walk) {
    tools::Walk detour = tools::RandomWalk(game::StageSet[stage], 2 + random() % 10, &random);
    game::HintResult hint = game::SolvePosition(detour.end, HINT_LIMIT);
    game::SolveResult plain = game::SolveBreadthFirst(detour.end, 1500000);
    if (plain.exhausted) continue;  // too far for the plain search to decide
    ++compared;
    std::string where = "stage " + std::to_string(stage + 1) + " after " + detour.moves;
    if (plain.solved) {
      ASSERT_EQ(hint.status, game::HintStatus::Found) << where;
      EXPECT_EQ(hint.path.size(), plain.moves.size()) << where;
    } else {
      EXPECT_EQ(hint.status, game::HintStatus::Lost) << where;
    }
  }
  EXPECT_GT(compared, 0);
}

// The searches see positions only through their keys: a key turns back into the position
// the rules left, cold map included, wherever random walks from the start end.
TEST_P(KeptSolutions, KeysGiveBackThePositionsTheRulesLeave) {
  int stage = GetParam();
  std::mt19937 random(static_cast<uint32_t>(stage) + 100);
  game::KeyDecoder decoder(game::StageStart(game::StageSet[stage]));
  for (int walk = 0; walk < 20; ++walk) {
    tools::Walk detour = tools::RandomWalk(game::StageSet[stage], random() % 40, &random);
    const game::Position& p = detour.end;
    game::Position back = decoder.Decode(game::EncodePosition(p));
    std::string where = "stage " + std::to_string(stage + 1) + " after " + detour.moves;
    EXPECT_EQ(std::memcmp(back.board, p.board, sizeof p.board), 0) << where;
    EXPECT_EQ(std::memcmp(back.coldMap, p.coldMap, sizeof p.coldMap), 0) << where;
    EXPECT_EQ(back.playerX, p.playerX) << where;
    EXPECT_EQ(back.playerY, p.playerY) << where;
    EXPECT_EQ(back.dayOfWeek, p.dayOfWeek) << where;
    EXPECT_EQ(back.cheesesToDeliver, p.cheesesToDeliver) << where;
    for (int32_t k = 0; k < p.cheeseCount; ++k) {
      int32_t lastGood = p.cheeseSlots[k].info->ripeTo;
      EXPECT_EQ(back.cheeseSlots[k].week, std::min(p.cheeseSlots[k].week, lastGood + 1)) << where;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(AllStages, KeptSolutions, ::testing::Range(0, 32));

// Halfway along the kept solutions, some after a detour that loses the stage: the solver
// finds a way exactly as long as breadth-first search's shortest, and both call the lost
// positions lost.
TEST_F(KeptSolutions, BothSearchesAgreeHalfwayAlongThem) {
  constexpr int LOST = -1;
  const struct {
    int stage;
    const char* detour;  // moves played after the first half of the kept solution
    int movesLeft;       // of a shortest way from there, or LOST
  } cases[] = {
      {1, "", 2},         {8, "", 14},      {17, "", 14},       {24, "", 37},
      {30, "", 37},       {32, "", 28},     {10, "RRRR", 22},   {17, "DDDD", 12},
      {26, "DDDD", 31},   {28, "RRRR", 33}, {7, "DDDD", LOST},  {9, "UD", LOST},
      {14, "LLLL", LOST}, {19, "UD", LOST}, {23, "DDDD", LOST}, {30, "UDUDUDUD", LOST},
      {32, "UD", LOST},
  };
  for (const auto& c : cases) {
    const std::string& kept = moves_[c.stage - 1];
    const std::string played = kept.substr(0, kept.size() / 2) + c.detour;
    SCOPED_TRACE("stage " + std::to_string(c.stage) + " after " + played);
    const game::Position here = tools::AfterMoves(game::StageSet[c.stage - 1], played);
    game::HintResult best = game::SolvePosition(here, HINT_LIMIT);
    game::SolveResult plain = game::SolveBreadthFirst(here, 1500000);
    ASSERT_FALSE(plain.exhausted);
    if (c.movesLeft == LOST) {
      EXPECT_EQ(best.status, game::HintStatus::Lost);
      EXPECT_FALSE(plain.solved);
      continue;
    }
    ASSERT_TRUE(plain.solved);
    EXPECT_EQ(plain.moves.size(), static_cast<size_t>(c.movesLeft));
    EXPECT_EQ(best.path.size(), static_cast<size_t>(c.movesLeft));
    ExpectWayClears(here, best);
  }
}

// The game takes its shortest figures from the kept solutions only for the stages they
// were found on: the file names them, and must name the stage file of the game.
TEST_F(KeptSolutions, NameTheStagesTheyWereFoundFor) {
  std::string text, why;
  ASSERT_EQ(platform::ReadWholeFile(VAULMOOR_SOURCE_DIR "/tools/stages/solutions.txt",
                                    game::MOVE_FILE_MAX_BYTES, &text, &why),
            platform::WholeFile::Read)
      << why;
  char id[32];
  std::snprintf(id, sizeof id, "%016" PRIx64, game::StageSetId(game::StageSet));
  EXPECT_EQ(game::NotedStageSetId(text), game::StageSetId(game::StageSet))
      << "tools/stages/solutions.txt needs the line '; stage set " << id << "'";
}

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
    EXPECT_EQ(game::ReplaySolution(game::StageSet[c.stage], c.moves, &why), 0) << c.moves;
    EXPECT_NE(why.find(c.why), std::string::npos) << c.moves << ": " << why;
  }
}

TEST_F(KeptSolutions, AStageWithAnExpiredCheeseIsNotSolvable) {
  // Stage 1 with its cheese past its window can never be cleared.
  game::StageRecord expired = game::StageSet[0];
  expired.cheeses[0] = {6, 15};
  game::SolveResult result = game::SolveStage(expired, 1000000);
  EXPECT_FALSE(result.solved);
  EXPECT_FALSE(result.exhausted);
  EXPECT_GT(result.statesExplored, 0);
}

TEST_F(KeptSolutions, AWrongDeliveryIsADeadEnd) {
  // Stage 6's cheese is ripe only from the seventh move; delivering it at once fails,
  // so the shortest solution waits.
  game::SolveResult result = game::SolveStage(game::StageSet[5], 1000000);
  ASSERT_TRUE(result.solved);
  EXPECT_GE(result.moves.size(), 7u);
}

// Positions that can no longer be cleared are known as lost without a search of their
// whole future.
TEST_F(KeptSolutions, HintKnowsLostPositions) {
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
    game::StageRecord stage = game::StageSet[c.stage];
    if (c.catalogueIndex >= 0) stage.cheeses[0] = {c.catalogueIndex, c.startWeek};
    if (c.toDeliver >= 0) stage.toDeliver = c.toDeliver;
    game::HintResult result = game::SolvePosition(tools::AfterMoves(stage, c.moves), HINT_LIMIT);
    EXPECT_EQ(result.status, game::HintStatus::Lost) << c.what;
    EXPECT_LT(result.statesExplored, 1000) << c.what;
    EXPECT_TRUE(result.path.empty()) << c.what;
  }
}

// A lost position is explained by the cheese that most evidently can no longer be
// delivered, or by none when each could but not enough of them together.
TEST_F(KeptSolutions, LostPositionsAreExplainedByTheirCheeses) {
  using game::LostReason;
  struct Case {
    const char* what;
    game::StageRecord stage;
    std::string moves;
    LostReason reason;
    int32_t cheese;
  };
  // A cheese chilled by an area snowman stuck in a corner, with warm floor up to the hole.
  const game::StageRecord stuck =
      game_test::StageRecordOf({{"A0.....o.", ".........", ".........", ".........", "....@....",
                                 ".........", ".........", ".........", "........."},
                                1,
                                {{0, 3}}});
  game::StageRecord expired = game::StageSet[0];
  expired.cheeses[0] = {6, 15};
  game::StageRecord twoDue = game::StageSet[0];
  twoDue.toDeliver = 2;
  const Case cases[] = {
      {"pushed off the cold", game::StageSet[0], "DRRRRULL", LostReason::Rotten, 0},
      {"past its window", expired, "", LostReason::OverRipe, 0},
      {"too few days left to reach the hole", game::StageSet[8], "DUDUDUDUDUDU",
       LostReason::TooLate, 0},
      {"no cold way to the hole", stuck, "", LostReason::NoColdWay, 0},
      {"more deliveries due than cheeses", twoDue, "", LostReason::Other, -1},
  };
  for (const Case& c : cases) {
    const game::Position lost = tools::AfterMoves(c.stage, c.moves);
    ASSERT_EQ(game::SolvePosition(lost, HINT_LIMIT).status, game::HintStatus::Lost) << c.what;
    game::LostExplanation why = game::ExplainLost(lost);
    EXPECT_EQ(why.reason, c.reason) << c.what;
    EXPECT_EQ(why.cheese, c.cheese) << c.what;
  }
}

TEST_F(KeptSolutions, HintGivesUpAtItsStateLimitOrWhenCancelled) {
  const game::Position start = game::StageStart(game::StageSet[28]);
  game::HintResult limited = game::SolvePosition(start, 1000);
  EXPECT_EQ(limited.status, game::HintStatus::Undecided);
  EXPECT_GE(limited.statesExplored, 1000);
  EXPECT_LT(limited.statesExplored, 1010);
  std::atomic<bool> cancel{true};
  EXPECT_EQ(game::SolvePosition(start, HINT_LIMIT, &cancel).status, game::HintStatus::Undecided);
  cancel = false;
  EXPECT_EQ(game::SolvePosition(start, HINT_LIMIT, &cancel).status, game::HintStatus::Found);
}

// "Any thread may search": searches on two threads at once, while a third plays the rules on
// positions of its own (as the frame thread does beside the hint's worker), each find what
// one search alone finds.
TEST_F(KeptSolutions, SearchesOnSeveralThreadsAgreeWithOneAlone) {
  const int stages[] = {5, 17};
  std::vector<game::HintResult> alone;
  for (int stage : stages)
    alone.push_back(game::SolvePosition(game::StageStart(game::StageSet[stage]), HINT_LIMIT));
  std::vector<game::HintResult> together(std::size(stages));
  {
    std::vector<std::jthread> searches;
    for (size_t i = 0; i < std::size(stages); ++i)
      searches.emplace_back([&, i] {
        together[i] = game::SolvePosition(game::StageStart(game::StageSet[stages[i]]), HINT_LIMIT);
      });
    for (int stage : stages) {
      std::string why;
      EXPECT_EQ(game::ReplaySolution(game::StageSet[stage], moves_[stage], &why), 1) << why;
    }
  }
  for (size_t i = 0; i < std::size(stages); ++i) {
    SCOPED_TRACE("stage " + std::to_string(stages[i] + 1));
    ASSERT_EQ(together[i].status, game::HintStatus::Found);
    EXPECT_EQ(together[i].statesExplored, alone[i].statesExplored);
    ASSERT_EQ(together[i].path.size(), alone[i].path.size());
    for (size_t step = 0; step < alone[i].path.size(); ++step)
      EXPECT_EQ(together[i].path[step].move, alone[i].path[step].move) << "step " << step;
  }
}

TEST_F(KeptSolutions, HintClearsANothingToDeliverStageInOneMove) {
  game::StageRecord nothingDue = game::StageSet[0];
  nothingDue.toDeliver = 0;
  game::HintResult result = game::SolvePosition(game::StageStart(nothingDue), HINT_LIMIT);
  ASSERT_EQ(result.status, game::HintStatus::Found);
  EXPECT_EQ(result.path.size(), 1u);
}

}  // namespace
