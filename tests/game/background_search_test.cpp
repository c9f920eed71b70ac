// The background search at each pace: the answer of the job posted last, taken without waiting,
// is the solver's; a newer job or a cancel drops the one before; the program's end stops a
// search in the middle.
#include "game/background_search.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "game/rules.h"
#include "game/stage_file.h"
#include "platform/platform.h"
#include "support/stage_record.h"

namespace {

using game::HintStatus;
using game::SearchPace;

constexpr int64_t LIMIT = 400000;

// A cellar far larger than ours, whose search runs a long time (about half a second at
// LIMIT) before it gives up.
game::Position VastCellar() {
  return game::StageStart(
      game_test::StageRecordOf({{"L........", "L........", "L.01234..", "L........", "L...o....",
                                 "L........", "L.56789..", "L........", "L.......@"},
                                10,
                                std::vector<std::pair<int, int>>(10, {1, 10})}));
}

class BackgroundSearchTest : public testing::TestWithParam<SearchPace> {
 protected:
  static void SetUpTestSuite() {
    game::StageFileError error{};
    ASSERT_EQ(game::LoadStageFile(VAULMOOR_SOURCE_DIR "/data/stage.dat", game::StageSet, &error), 1)
        << error.text;
  }
  void SetUp() override { game::SetSearchPace(GetParam()); }
  void TearDown() override { game::SetSearchPace(SearchPace::AtOnce); }

  static game::Position Start(int stage) { return game::StageStart(game::StageSet[stage - 1]); }

  // Waits for the answer of the job posted last, giving slices where the pace needs them.
  // False when the search has no job to answer.
  static bool Answer(game::BackgroundSearch& search, game::HintResult* answer) {
    while (!search.Take(answer)) {
      if (!search.Searching()) return false;
      if (GetParam() == SearchPace::InSlices) {
        game::SearchInSlices(platform::timeGetTime() + 20);
      } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    }
    return true;
  }
};

// Settled at once, or not before it has had a slice; and then the solver's own answer, job
// after job in one search, which keeps its memory but nothing of the jobs before.
TEST_P(BackgroundSearchTest, AnswersAsTheSolverDoes) {
  game::Position lost = Start(9);
  for (char move : std::string("DUDUDUDUDUDUDU")) game::PlayMove(lost, game::MoveDirection(move));
  const struct {
    const char* what;
    game::Position from;
    int64_t limit;
    HintStatus status;
  } cases[] = {
      {"stage 6", Start(6), LIMIT, HintStatus::Found},
      {"stage 30", Start(30), LIMIT, HintStatus::Found},
      {"stage 9, the mozzarella waited too long", lost, LIMIT, HintStatus::Lost},
      {"stage 29 with a small limit", Start(29), 1000, HintStatus::Undecided},
      {"stage 30 again", Start(30), LIMIT, HintStatus::Found},
  };
  game::BackgroundSearch search;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const bool settled = search.Post(c.from, c.limit);
    game::HintResult answer;
    EXPECT_EQ(settled, GetParam() == SearchPace::AtOnce);
    if (GetParam() == SearchPace::AtOnce) {
      EXPECT_FALSE(search.Searching());
    }
    if (GetParam() == SearchPace::InSlices) {
      EXPECT_TRUE(search.Searching());
      EXPECT_FALSE(search.Take(&answer));
    }
    ASSERT_TRUE(Answer(search, &answer));
    EXPECT_FALSE(search.Searching());
    EXPECT_FALSE(search.Take(&answer)) << "an answer is taken once";
    const game::HintResult alone = game::SolvePosition(c.from, c.limit);
    EXPECT_EQ(answer.status, c.status);
    EXPECT_EQ(answer.statesExplored, alone.statesExplored);
    EXPECT_EQ(game::PathLetters(answer.path), game::PathLetters(alone.path));
  }
}

// A job posted while a long one searches (on a thread, most likely already in its search),
// in its place or after a cancel, gets its own answer, and the long one none.
TEST_P(BackgroundSearchTest, ANewerJobOrACancelDropsTheOneBefore) {
  game::BackgroundSearch search;
  for (bool cancel : {false, true}) {
    SCOPED_TRACE(cancel ? "after a cancel" : "in its place");
    game::HintResult answer;
    search.Post(VastCellar(), LIMIT);
    const game::HintResult expected = game::SolvePosition(Start(30), LIMIT);
    if (cancel) {
      search.Cancel();
      EXPECT_FALSE(search.Searching());
      EXPECT_FALSE(search.Take(&answer));
    }
    search.Post(Start(30), LIMIT);
    ASSERT_TRUE(Answer(search, &answer));
    EXPECT_EQ(answer.status, HintStatus::Found);
    EXPECT_EQ(game::PathLetters(answer.path), game::PathLetters(expected.path));
    EXPECT_FALSE(Answer(search, &answer)) << "and no other";
  }
}

std::string PaceName(const testing::TestParamInfo<SearchPace>& pace) {
  const char* names[] = {"AtOnce", "InSlices", "OnThread"};
  return names[static_cast<int>(pace.param)];
}

INSTANTIATE_TEST_SUITE_P(Paces, BackgroundSearchTest,
                         testing::Values(SearchPace::AtOnce, SearchPace::InSlices,
                                         SearchPace::OnThread),
                         PaceName);

// The program's end stops a long search in the middle, and joins its thread.
TEST(BackgroundSearchOnThread, TheProgramsEndStopsASearch) {
  game::SetSearchPace(SearchPace::OnThread);
  game::BackgroundSearch search;
  search.Post(VastCellar(), 1'000'000);
  EXPECT_TRUE(search.Searching());
  game::StopBackgroundSearches();
  EXPECT_FALSE(search.Searching());
  game::HintResult answer;
  EXPECT_FALSE(search.Take(&answer));
  game::SetSearchPace(SearchPace::AtOnce);
}

}  // namespace
