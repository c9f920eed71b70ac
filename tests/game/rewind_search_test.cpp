// The rewind's search by halving, over made-up answers along the moves kept.
#include "game/rewind_search.h"

#include <gtest/gtest.h>

#include <set>

namespace game {
namespace {

struct Outcome {
  int32_t wonBack;
  std::set<int32_t> asked;  // the positions asked about, in moves back
};

// The search over `kept` moves where the positions from `firstClearable` moves back on can
// be cleared (kept + 1 or more: none can).
Outcome Search(int32_t kept, int32_t firstClearable) {
  Outcome outcome{};
  RewindSearch search = BeginRewind(kept);
  for (int32_t back; (back = NextRewindProbe(search)) != 0;) {
    EXPECT_TRUE(back >= 1 && back <= kept) << back << " of " << kept;
    EXPECT_TRUE(outcome.asked.insert(back).second) << back << " asked again";
    if (outcome.asked.size() > 64) break;
    LearnRewindAnswer(search, back, back >= firstClearable);
  }
  outcome.wonBack = search.wonBack;
  return outcome;
}

// The nearest clearable position, found by asking about few positions.
TEST(RewindSearch, FindsTheNearestPositionThatCanBeCleared) {
  struct Case {
    int32_t kept, firstClearable, wonBack;
    size_t mostAsked;
  };
  const Case cases[] = {
      {0, 1, 0, 0},  // no moves kept: nothing to take back
      {1, 1, 1, 1},  // only the start can be cleared
      {1, 2, 0, 1},  // not even the start
      {2, 1, 1, 2},  // the last move lost it
      {2, 2, 2, 2},     {8, 1, 1, 4},       {8, 5, 5, 4},
      {8, 8, 8, 4},     {8, 9, 0, 4},  // the restart's position is lost too
      {100, 37, 37, 8}, {100, 100, 100, 8}, {100, 101, 0, 8},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Search(c.kept, c.firstClearable);
    EXPECT_EQ(outcome.wonBack, c.wonBack) << c.kept << " kept, clearable from " << c.firstClearable;
    EXPECT_LE(outcome.asked.size(), c.mostAsked) << c.kept << " kept";
  }
}

// Until an answer comes, the search asks about the same position again.
TEST(RewindSearch, WaitsForTheAnswerItAskedFor) {
  RewindSearch search = BeginRewind(10);
  const int32_t first = NextRewindProbe(search);
  EXPECT_EQ(NextRewindProbe(search), first);
  LearnRewindAnswer(search, first, false);
  const int32_t second = NextRewindProbe(search);
  EXPECT_GT(second, first);
  EXPECT_EQ(NextRewindProbe(search), second);
}

}  // namespace
}  // namespace game
