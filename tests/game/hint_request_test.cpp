// The hint or rewind asked for, followed at its position, and whether hints helped.
#include "game/hint_request.h"

#include <gtest/gtest.h>

#include "game/hint.h"
#include "game/rules.h"
#include "support/stage_record.h"

namespace game {
namespace {

// Two positions of one plain cellar: its start, and one move right of it.
struct Positions {
  Position start, moved;
};

Positions TwoPositions() {
  const StageRecord stage = game_test::StageRecordOf(
      game_test::CellarPicture{{"@........", ".........", ".........", ".........", ".........",
                                ".........", ".........", ".........", "........."}});
  Positions p{StageStart(stage), StageStart(stage)};
  PlayMove(p.moved, FACING_RIGHT);
  return p;
}

// A request is followed only at the very position it was asked at: once that is left,
// it is forgotten, even on coming back.
TEST(HintRequest, IsForgottenOnceItsPositionIsLeft) {
  const Positions p = TwoPositions();
  HintRequest request;
  EXPECT_EQ(WantedAt(request, p.start), HelpRequest::None);
  EXPECT_EQ(AskForHelp(request, p.start), HelpRequest::Hint);
  EXPECT_EQ(WantedAt(request, p.start), HelpRequest::Hint);
  EXPECT_EQ(WantedAt(request, p.moved), HelpRequest::None);
  EXPECT_EQ(WantedAt(request, p.start), HelpRequest::None);
}

// What the next H asks for after each answer of the hint, and whether the hints helped.
TEST(HintRequest, AnswersDecideWhatTheNextPressAsksFor) {
  struct Case {
    const char* what;
    int32_t hint;
    int32_t movesKept;
    HelpRequest next;
    bool helped;
  };
  const Case cases[] = {
      {"a move to play", FACING_DOWN, 3, HelpRequest::Hint, true},
      {"lost, with moves to take back", HINT_LOST, 3, HelpRequest::Rewind, false},
      {"lost at the restart", HINT_LOST, 0, HelpRequest::Hint, false},
      {"no hint found", HINT_NONE, 3, HelpRequest::Hint, false},
  };
  const Positions p = TwoPositions();
  for (const Case& c : cases) {
    HintRequest request;
    AskForHelp(request, p.start);
    HintAnswered(request, c.hint, c.movesKept);
    EXPECT_EQ(WantedAt(request, p.start), HelpRequest::None) << c.what << ": answered";
    EXPECT_EQ(request.hintsHelped, c.helped) << c.what;
    EXPECT_EQ(AskForHelp(request, p.start), c.next) << c.what;
  }
}

// The rewind is offered only at the lost position the note is about; a rewind that took
// moves back helped, one that found nothing to go back to did not and is offered again.
TEST(HintRequest, TheRewindIsOfferedWhereTheNoteIs) {
  const Positions p = TwoPositions();
  HintRequest request;
  AskForHelp(request, p.moved);
  HintAnswered(request, HINT_LOST, 1);
  EXPECT_EQ(AskForHelp(request, p.moved), HelpRequest::Rewind);
  RewindAnswered(request, false);
  EXPECT_FALSE(request.hintsHelped);
  EXPECT_EQ(AskForHelp(request, p.moved), HelpRequest::Rewind);
  RewindAnswered(request, true);
  LeavePosition(request);
  EXPECT_TRUE(request.hintsHelped);
  EXPECT_EQ(AskForHelp(request, p.start), HelpRequest::Hint);
}

}  // namespace
}  // namespace game
