// Replays as values: planning from a cellar number or a file, and the moves fed cellar by
// cellar.
#include "game/replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "support/test_temp.h"

namespace game {
namespace {

// A cellar number plans its recorded clear; anything else that is all digits is refused.
TEST(Replay, PlansACellarFromOneTo32) {
  struct Case {
    const char* what;
    int32_t recorded;  // -1: refused
  };
  const Case cases[] = {{"1", 0}, {"32", 31}, {"07", 6}, {"0", -1}, {"33", -1}, {"007", -1}};
  for (const Case& c : cases) {
    Replay replay;
    std::string error;
    EXPECT_EQ(PlanReplay(replay, c.what, STAGE_COUNT, &error), c.recorded >= 0) << c.what;
    EXPECT_TRUE(Replaying(replay)) << c.what;
    if (c.recorded >= 0) {
      EXPECT_EQ(replay.recorded, c.recorded) << c.what;
    } else {
      EXPECT_EQ(error, "--replay needs a cellar from 1 to 32 or a file") << c.what;
    }
  }
}

// The moves of a cellar played one by one, then the next cellar, until the plan ends.
TEST(Replay, FeedsEachCellarsMovesInTurn) {
  const std::string path = testsupport::TestTempPath("moves.txt");
  std::ofstream(path) << "; two cellars\n3 RRD\n\n5 UL\n";
  Replay replay;
  std::string error;
  ASSERT_TRUE(PlanReplay(replay, path, STAGE_COUNT, &error)) << error;
  ASSERT_TRUE(TakeRecordedMoves(replay, nullptr, &error));
  struct Cellar {
    int32_t stage;
    std::vector<int32_t> moves;
  };
  const Cellar cellars[] = {{2, {FACING_RIGHT, FACING_RIGHT, FACING_DOWN}},
                            {4, {FACING_UP, FACING_LEFT}}};
  for (size_t n = 0; n < std::size(cellars); ++n) {
    EXPECT_EQ(ReplayStage(replay), cellars[n].stage);
    std::vector<int32_t> moves;
    for (int32_t move; (move = NextReplayMove(replay)) != REPLAY_MOVES_DONE;) {
      moves.push_back(move);
      ASSERT_LE(moves.size(), 10u);
    }
    EXPECT_EQ(moves, cellars[n].moves);
    EXPECT_EQ(NextReplayCellar(replay), n + 1 < std::size(cellars));
  }
  EXPECT_FALSE(Replaying(replay));
}

// A cellar that restarts after a failed delivery has no move left: the next one follows.
TEST(Replay, ARestartEndsTheCellarsMoves) {
  Replay replay;
  replay.plan = {CellarMoves{0, "RRRR"}, CellarMoves{1, "D"}};
  replay.active = true;
  EXPECT_EQ(NextReplayMove(replay), FACING_RIGHT);
  ReplayRestarts(replay);
  EXPECT_EQ(NextReplayMove(replay), REPLAY_MOVES_DONE);
  ASSERT_TRUE(NextReplayCellar(replay));
  EXPECT_EQ(NextReplayMove(replay), FACING_DOWN);
}

TEST(Replay, ACellarNumberTakesItsRecordedClear) {
  std::vector<CellarRecord> records(STAGE_COUNT);
  records[4].moves = "LLU";
  struct Case {
    const char* what;
    const char* error;  // nullptr: planned
  };
  const Case cases[] = {{"5", nullptr}, {"6", "no clear of cellar 6 is recorded"}};
  for (const Case& c : cases) {
    Replay replay;
    std::string error;
    ASSERT_TRUE(PlanReplay(replay, c.what, STAGE_COUNT, &error));
    EXPECT_EQ(TakeRecordedMoves(replay, records.data(), &error), c.error == nullptr) << c.what;
    if (c.error != nullptr) {
      EXPECT_EQ(error, c.error);
      continue;
    }
    EXPECT_EQ(ReplayStage(replay), 4);
    EXPECT_EQ(NextReplayMove(replay), FACING_LEFT);
  }
}

// In a stage set of its own, a replay plays only the set's cellars.
TEST(Replay, PlansOnlyTheCellarsOfTheSetInPlay) {
  const std::string path = testsupport::TestTempPath("moves.txt");
  std::ofstream(path) << "1 R\n3 D\n";
  struct Case {
    std::string what;
    int32_t stageCount;
    std::string error;  // "": planned
  };
  const Case cases[] = {
      {"2", 2, ""},
      {"3", 2, "--replay needs a cellar from 1 to 2 or a file"},
      {path, 3, ""},
      {path, 2, path + ": cellar 3 is not in the stage set of 2"},
  };
  for (const Case& c : cases) {
    Replay replay;
    std::string error;
    EXPECT_EQ(PlanReplay(replay, c.what, c.stageCount, &error), c.error.empty()) << c.what;
    EXPECT_EQ(error, c.error) << c.what;
  }
}

// A file that cannot be played is refused, naming the file.
TEST(Replay, RefusesFilesWithoutMovesToPlay) {
  const std::string empty = testsupport::TestTempPath("empty.txt");
  std::ofstream(empty) << "; nothing\n";
  const std::string missing = testsupport::TestTempPath("missing.txt");
  for (const std::string& path : {empty, missing}) {
    Replay replay;
    std::string error;
    EXPECT_FALSE(PlanReplay(replay, path, STAGE_COUNT, &error)) << path;
    EXPECT_EQ(error.rfind(path + ": ", 0), 0u) << error;
  }
}

}  // namespace
}  // namespace game
