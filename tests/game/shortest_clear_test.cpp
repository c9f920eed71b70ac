// The shortest clears of a stage file that came without them: worked out off the caller's thread.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game/records.h"
#include "game/solver.h"
#include "game/stage_file.h"

namespace {

// Without the figures that come with the game (none beside this test), a frame that asks
// gets "unknown" at once while the solver works the figure out; it shows once known.
TEST(ShortestClear, IsWorkedOutOffTheCallingThread) {
  game::StageFileError error{};
  ASSERT_EQ(game::LoadStageFile(VAULMOOR_SOURCE_DIR "/data/stage.dat", game::StageSet, &error), 1)
      << error.text;
  game::LoadShortestClears();
  const int32_t cellar = 2;
  const int32_t expected =
      static_cast<int32_t>(game::SolveStage(game::StageSet[cellar], 4'000'000).moves.size());
  EXPECT_EQ(game::ShortestClear(cellar, false), game::SHORTEST_UNKNOWN);
  // Waits for the figure, however slow the machine: the test's own time limit is the bound.
  while (game::ShortestClear(cellar, false) == game::SHORTEST_UNKNOWN) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(game::ShortestClear(cellar, false), expected);
  EXPECT_EQ(game::ShortestClear(0, true), 4) << "the first cellar, worked out at once";
}

}  // namespace
