// Tests of the move history: each kind of move taken back exactly, back to the start, the
// second chance after a failed delivery, and a restart that forgets.
#include "game/move_history.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/rules.h"
#include "game/stage_file.h"
#include "support/stage_text.h"

namespace game {
namespace {

using game_test::CellarPicture;

void Begin(const CellarPicture& picture) {
  StageFileError error{};
  ASSERT_EQ(ParseStageText(game_test::StageFile({game_test::StageBlock(picture)}), "test", StageSet,
                           &error),
            1)
      << error.text;
  SetUpStage(0);
  BeginAttempt();
}

// One move as the play scene makes it: kept first, with the facing before the key.
void Play(int32_t d) {
  RecordMove(Facing);
  Facing = d;
  StartMove();
  if (CommitMove() && PushedPieceIsCheese()) DeliverCheese();
}

// What a player sees of the live stage (the rest is set again by the next move).
std::string Seen() {
  LiveStage s;
  CaptureLiveStage(&s);
  std::string text(reinterpret_cast<const char*>(s.board), sizeof s.board);
  text.append(reinterpret_cast<const char*>(s.coldMap), sizeof s.coldMap);
  for (const CheeseSlot& slot : s.cheeseSlots) text += std::to_string(slot.week) + ",";
  for (int32_t v : {s.cheesesToDeliver, s.playerX, s.playerY, s.facing, s.dayOfWeek})
    text += std::to_string(v) + ";";
  return text;
}

const std::vector<std::string> CHILLED = {"AAAAAAAAA", ".........", "AAAAAAAAA",
                                          ".........", ".........", ".........",
                                          ".........", ".........", "........."};

CellarPicture Chilled(const std::string& row, std::vector<std::pair<int, int>> cheeses = {}) {
  CellarPicture picture{CHILLED, 1, cheeses};
  picture.rows[1] = row;
  return picture;
}

TEST(MoveHistory, UndoRestoresEachKindOfMove) {
  struct Case {
    const char* what;
    CellarPicture picture;
    std::string before;  // moves played first (U R D L)
    int32_t move;
  };
  CellarPicture unchilled{{"@0.......", "A........", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........."},
                          1,
                          {{4, 5}}};
  const Case cases[] = {
      {"step", Chilled("@........"), "", FACING_RIGHT},
      {"push", Chilled("@0.......", {{4, 5}}), "", FACING_RIGHT},
      {"snowman into a hole", Chilled("@Lo......"), "", FACING_RIGHT},
      {"good delivery", Chilled("@0o1.....", {{4, 6}, {4, 6}}), "", FACING_RIGHT},
      {"the seventh day", Chilled("@.......0", {{4, 5}}), "RRRRRR", FACING_LEFT},
      {"a push that rots a cheese", unchilled, "", FACING_RIGHT},
  };
  for (const Case& c : cases) {
    Begin(c.picture);
    Facing = FACING_UP;
    for (char m : c.before) Play(std::string("URDL").find(m));
    std::string before = Seen();
    Play(c.move);
    ASSERT_NE(Seen(), before) << c.what << ": the move must change something";
    ASSERT_TRUE(UndoMove()) << c.what;
    EXPECT_EQ(Seen(), before) << c.what;
  }
}

TEST(MoveHistory, UndoesBackToTheStartAndNoFurther) {
  Begin(Chilled("@.0..o...", {{4, 5}}));
  Facing = FACING_DOWN;
  std::string start = Seen();
  std::vector<std::string> seen;
  for (int32_t d : {FACING_RIGHT, FACING_RIGHT, FACING_LEFT, FACING_RIGHT, FACING_RIGHT}) {
    seen.push_back(Seen());
    Play(d);
  }
  for (size_t i = seen.size(); i-- > 0;) {
    ASSERT_TRUE(UndoMove());
    EXPECT_EQ(Seen(), seen[i]) << "undo back to before move " << i + 1;
  }
  EXPECT_EQ(Seen(), start);
  EXPECT_FALSE(UndoMove());
  EXPECT_EQ(Seen(), start);
}

// Cheese 0 is over-ripe beside the hole; cheese 1 is good.
CellarPicture FailingDelivery() {
  return Chilled("@0o.1....", {{4, 9}, {4, 6}});
}

TEST(MoveHistory, AFailedDeliveryLeavesASecondChance) {
  Begin(FailingDelivery());
  Play(FACING_DOWN);
  std::string beforeStep = Seen();
  Play(FACING_UP);
  std::string beforeFatal = Seen();
  Play(FACING_RIGHT);  // delivers the over-ripe cheese: the stage collapses and restarts
  KeepFailedAttempt();
  SetUpStage(0);
  BeginAttempt();
  std::string restart = Seen();
  ASSERT_TRUE(UndoMove());
  EXPECT_EQ(Seen(), beforeFatal);
  ASSERT_TRUE(UndoMove());
  EXPECT_EQ(Seen(), beforeStep);
  EXPECT_NE(Seen(), restart);
}

TEST(MoveHistory, ANewMoveOrAPlainRestartForgetsTheFailedAttempt) {
  for (bool newMove : {true, false}) {
    Begin(FailingDelivery());
    Play(FACING_RIGHT);
    KeepFailedAttempt();
    SetUpStage(0);
    BeginAttempt();
    std::string restart = Seen();
    if (newMove) {
      Play(FACING_DOWN);
      ASSERT_TRUE(UndoMove());
    } else {
      SetUpStage(0);  // given up: the restart keeps nothing
      BeginAttempt();
    }
    EXPECT_EQ(Seen(), restart);
    EXPECT_FALSE(UndoMove()) << (newMove ? "after a new move" : "after giving up");
  }
}

}  // namespace
}  // namespace game
