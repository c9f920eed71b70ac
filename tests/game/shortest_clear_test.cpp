// The shortest clears of a stage file that came without them: worked out by the background
// search, off the caller's thread or at once.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "game/background_search.h"
#include "game/records.h"
#include "game/solver.h"
#include "game/stage_file.h"

namespace {

// The game's stages without the figures that come with the game (none beside this test),
// and the cellar's figure by the solver.
int32_t LoadWithoutFigures(int32_t cellar) {
  game::StageFileError error{};
  EXPECT_EQ(game::LoadStageFile(VAULMOOR_SOURCE_DIR "/data/stage.dat", game::StageSet, &error), 1)
      << error.text;
  game::LoadShortestClears();
  return static_cast<int32_t>(game::SolveStage(game::StageSet[cellar], 4'000'000).moves.size());
}

// A frame that asks gets "unknown" at once while the search works the figure out on its
// thread; it shows once known.
TEST(ShortestClear, IsWorkedOutOffTheCallingThread) {
  game::SetSearchPace(game::SearchPace::OnThread);
  const int32_t cellar = 2;
  const int32_t expected = LoadWithoutFigures(cellar);
  EXPECT_EQ(game::ShortestClear(cellar, false), game::SHORTEST_UNKNOWN);
  // Waits for the figure, however slow the machine: the test's own time limit is the bound.
  while (game::ShortestClear(cellar, false) == game::SHORTEST_UNKNOWN) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_EQ(game::ShortestClear(cellar, false), expected);
  EXPECT_EQ(game::ShortestClear(0, true), 4) << "the first cellar, worked out at once";
  game::SetSearchPace(game::SearchPace::AtOnce);
}

// Searched at once, as headless runs do, the figure is there in the frame that asks; a
// cellar whose search settles without a figure stays unknown.
TEST(ShortestClearAtOnce, IsKnownInTheFrameThatAsks) {
  const int32_t cellar = 29;
  const int32_t expected = LoadWithoutFigures(cellar);
  EXPECT_EQ(game::ShortestClear(cellar, false), expected);
  game::StageSet[0].cheeses[0] = {6, 15};  // the only cheese past its window
  EXPECT_EQ(game::ShortestClear(0, false), game::SHORTEST_UNKNOWN);
}

}  // namespace
