// The editor's verdict on a table of small cellars is the solver's: the moves of its shortest
// clear, or lost with the reason the hint's note gives, or undecided at the state limit; and
// a cellar the game could not start is not searched.
#include "game/editor_verdict.h"

#include <gtest/gtest.h>

#include <thread>

#include "game/rules.h"
#include "support/stage_record.h"

namespace {

using namespace game;
using game_test::CellarPicture;
using game_test::StageRecordOf;

struct VerdictCase;
void PrintTo(const VerdictCase& c, std::ostream* os);

struct VerdictCase {
  const char* name;
  CellarPicture picture;
  int64_t stateLimit;
  VerdictKind kind;
  LostReason reason;  // of a lost cellar
};

// Feta (1..50), mozzarella (1..2), camembert (5..8).
constexpr int FETA = 0, MOZZARELLA = 2, CAMEMBERT = 4;

const VerdictCase CASES[] = {
    {"ClearsInOnePush",
     {{".........", ".........", ".........", ".........", "@0o.L....", ".........", ".........",
       ".........", "........."},
      1,
      {{FETA, 1}}},
     VERDICT_STATE_LIMIT,
     VerdictKind::Clears,
     LostReason::None},
    {"ClearsAfterWaitingToRipen",
     {{".........", ".........", ".........", ".........", "@0o.L....", ".........", ".........",
       ".........", "........."},
      1,
      {{CAMEMBERT, 4}}},
     VERDICT_STATE_LIMIT,
     VerdictKind::Clears,
     LostReason::None},
    {"RottedAtTheStart",
     {{".........", ".........", ".........", ".........", "@0o......", ".........", ".........",
       ".........", "........."},
      1,
      {{FETA, 1}}},
     VERDICT_STATE_LIMIT,
     VerdictKind::Lost,
     LostReason::Rotten},
    {"OverRipeAtTheStart",
     {{".........", ".........", ".........", ".........", "@0o.L....", ".........", ".........",
       ".........", "........."},
      1,
      {{MOZZARELLA, 3}}},
     VERDICT_STATE_LIMIT,
     VerdictKind::Lost,
     LostReason::OverRipe},
    // Seven pushes to the hole: the week turns as the mozzarella falls.
    {"OverRipeBeforeAnyHole",
     {{".........", ".........", ".........", "..A..A..A", "@0......o", ".........", ".........",
       ".........", "........."},
      1,
      {{MOZZARELLA, 2}}},
     VERDICT_STATE_LIMIT,
     VerdictKind::Lost,
     LostReason::TooLate},
    // The snowman sits in a niche it cannot leave: the cold ends a step from the cheese.
    {"NoColdWayToAHole",
     {{".........", "###......", "#A#......", "@0......o", ".........", ".........", ".........",
       ".........", "........."},
      1,
      {{FETA, 1}}},
     VERDICT_STATE_LIMIT,
     VerdictKind::Lost,
     LostReason::NoColdWay},
    {"TooFewCheeses",
     {{".........", ".........", ".........", ".........", "@0o.L....", ".........", ".........",
       ".........", "........."},
      2,
      {{FETA, 1}}},
     VERDICT_STATE_LIMIT,
     VerdictKind::Lost,
     LostReason::Other},
    {"UndecidedWithATinyLimit",
     {{"@........", ".........", ".........", ".........", "....0o.L.", ".........", ".........",
       ".........", "........."},
      1,
      {{FETA, 1}}},
     5,
     VerdictKind::Undecided,
     LostReason::None},
};

void PrintTo(const VerdictCase& c, std::ostream* os) {
  *os << c.name;
}

class EditorVerdict : public testing::TestWithParam<VerdictCase> {};

TEST_P(EditorVerdict, IsTheSolversAnswer) {
  const VerdictCase& c = GetParam();
  SetSearchPace(SearchPace::AtOnce);
  EditedCellar cellar;
  cellar.stage = StageRecordOf(c.picture);
  VerdictSearch judge;
  judge.stateLimit = c.stateLimit;
  ASSERT_TRUE(JudgeCellar(judge, cellar));
  const CellarVerdict& verdict = judge.verdict;
  EXPECT_EQ(verdict.kind, c.kind);

  const Position start = StageStart(cellar.stage);
  const HintResult solved = SolvePosition(start, c.stateLimit);
  switch (c.kind) {
    case VerdictKind::Clears:
      ASSERT_EQ(solved.status, HintStatus::Found);
      EXPECT_EQ(verdict.moves, PathLetters(solved.path));
      EXPECT_EQ(ReplaySolution(cellar.stage, verdict.moves, nullptr), 1);
      EXPECT_EQ(TracedVerdict(verdict), std::to_string(solved.path.size()));
      break;
    case VerdictKind::Lost:
      EXPECT_EQ(solved.status, HintStatus::Lost);
      EXPECT_EQ(verdict.why.reason, ExplainLost(start).reason);
      EXPECT_EQ(verdict.why.reason, c.reason);
      EXPECT_EQ(TracedVerdict(verdict), "lost");
      break;
    default:
      EXPECT_EQ(solved.status, HintStatus::Undecided);
      EXPECT_EQ(TracedVerdict(verdict), "undecided");
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(Cellars, EditorVerdict, testing::ValuesIn(CASES),
                         [](const testing::TestParamInfo<VerdictCase>& row) {
                           return std::string(row.param.name);
                         });

// A cellar the game could not start is not searched: its verdict is its fault.
TEST(EditorVerdictFault, ACellarWithoutAPlayerIsNotSearched) {
  SetSearchPace(SearchPace::AtOnce);
  EditedCellar cellar = EmptyCellar();
  VerdictSearch judge;
  ASSERT_TRUE(JudgeCellar(judge, cellar));
  EXPECT_EQ(judge.verdict.kind, VerdictKind::Fault);
  EXPECT_EQ(judge.verdict.fault.kind, CellarFaultKind::StartOutside);
  EXPECT_EQ(TracedVerdict(judge.verdict), "");
  EXPECT_FALSE(judge.search.Searching());
}

// Beside the frames the verdict searches until it settles, then is the same.
TEST(EditorVerdictOnThread, SettlesToTheSameAnswer) {
  SetSearchPace(SearchPace::OnThread);
  EditedCellar cellar;
  cellar.stage = StageRecordOf(CASES[1].picture);
  VerdictSearch judge;
  // The thread may answer before JudgeCellar looks; until it does the verdict is searching.
  bool settled = JudgeCellar(judge, cellar);
  while (!settled) {
    EXPECT_EQ(judge.verdict.kind, VerdictKind::Searching);
    std::this_thread::yield();
    settled = FollowVerdict(judge);
  }
  EXPECT_EQ(judge.verdict.kind, VerdictKind::Clears);
  EXPECT_EQ(judge.verdict.moves,
            PathLetters(SolvePosition(StageStart(cellar.stage), VERDICT_STATE_LIMIT).path));
  judge.search.Stop();
  SetSearchPace(SearchPace::AtOnce);
}

TEST(EditorVerdictLimit, TheEnvironmentMayChooseIt) {
  const struct {
    const char* value;
    int64_t limit;
  } cases[] = {{nullptr, VERDICT_STATE_LIMIT}, {"5", 5},
               {"0", VERDICT_STATE_LIMIT},     {"-3", VERDICT_STATE_LIMIT},
               {"12x", VERDICT_STATE_LIMIT},   {"", VERDICT_STATE_LIMIT}};
  for (const auto& c : cases) {
    if (c.value == nullptr) {
      unsetenv("VAULMOOR_VERDICT_STATES");
    } else {
      setenv("VAULMOOR_VERDICT_STATES", c.value, 1);
    }
    EXPECT_EQ(ChosenVerdictLimit(), c.limit) << (c.value ? c.value : "unset");
  }
  unsetenv("VAULMOOR_VERDICT_STATES");
}

}  // namespace
