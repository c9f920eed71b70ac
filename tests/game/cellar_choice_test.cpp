// The cellar chosen on the title, as a value: what can be chosen, the steps, and what the
// save keeps.
#include "game/cellar_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

// Records of cellars 7 and 11 (indices 6 and 10).
std::vector<CellarRecord> SomeRecords() {
  std::vector<CellarRecord> records(STAGE_COUNT);
  records[6].moves = "R";
  records[10].moves = "DD";
  return records;
}

TEST(CellarChoice, OffersTheCellarsBeforeTheSavedOneAndThoseWithRecords) {
  const std::vector<CellarRecord> records = SomeRecords();
  CellarChoice choice;
  BeginChoice(choice, 3, records.data(), STAGE_COUNT);
  EXPECT_EQ(choice.startable, (std::vector<int32_t>{0, 1, 2, 3, 6, 10}));
  EXPECT_EQ(choice.choice, 3);
  EXPECT_TRUE(choice.chosen);
  BeginChoice(choice, 0, std::vector<CellarRecord>(STAGE_COUNT).data(), STAGE_COUNT);
  EXPECT_EQ(choice.startable, std::vector<int32_t>{0});
  // A set of eight cellars: the record of cellar 11 belongs to no cellar of it.
  BeginChoice(choice, 3, records.data(), 8);
  EXPECT_EQ(choice.startable, (std::vector<int32_t>{0, 1, 2, 3, 6}));
}

// From the saved cellar, steps go through what can be chosen and stop at both ends.
TEST(CellarChoice, StepsStopAtBothEnds) {
  const std::vector<CellarRecord> records = SomeRecords();
  struct Case {
    std::vector<int32_t> steps;
    int32_t chosen;
  };
  const Case cases[] = {
      {{}, 3},           {{+1}, 6},
      {{+1, +1}, 10},    {{+1, +1, +1, +1}, 10},
      {{-1}, 2},         {{-1, -1, -1, -1, -1}, 0},
      {{+1, +1, -1}, 6}, {{-1, -1, -1, +1}, 1},
  };
  for (const Case& c : cases) {
    CellarChoice choice;
    BeginChoice(choice, 3, records.data(), STAGE_COUNT);
    for (int32_t step : c.steps) StepChosenCellar(choice, step);
    EXPECT_EQ(choice.choice, c.chosen) << ::testing::PrintToString(c.steps);
  }
}

// START begins at the first cellar and CONTINUE at the saved or the chosen one; only a
// chosen one keeps the saved progress, so that its clear never saves less.
TEST(CellarChoice, AChosenCellarNeverLowersTheProgress) {
  const std::vector<CellarRecord> records = SomeRecords();
  struct Case {
    const char* what;
    bool continuing;
    std::vector<int32_t> steps;  // none: nothing chosen
    int32_t started;
    int32_t savedAfterClearingIt;  // the next cellar, or more
  };
  const Case cases[] = {
      {"START", false, {}, 0, 1},
      {"START after choosing", false, {-1}, 0, 1},
      {"CONTINUE", true, {}, 3, 4},
      {"CONTINUE at an earlier cellar", true, {-1, -1}, 1, 3},
      {"CONTINUE at a later cellar", true, {+1, +1}, 10, 11},
  };
  for (const Case& c : cases) {
    CellarChoice choice;
    if (!c.steps.empty()) BeginChoice(choice, 3, records.data(), STAGE_COUNT);
    for (int32_t step : c.steps) StepChosenCellar(choice, step);
    const int32_t started = ConfirmCellar(choice, c.continuing, c.continuing ? 3 : 0);
    EXPECT_EQ(started, c.started) << c.what;
    EXPECT_EQ(ProgressToSave(choice, started + 1), c.savedAfterClearingIt) << c.what;
  }
}

}  // namespace
}  // namespace game
