// Tests of the board rules: moves, pushes, holes, cold, rot, weekly ageing, classes and verdicts,
// and of the move history that takes moves back.
#include "game/rules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "game/move_history.h"
#include "support/stage_record.h"

namespace game {
namespace {

using game_test::CellarPicture;
using game_test::StageRecordOf;

// The start of the picture loaded as a stage.
Position Begin(const CellarPicture& picture) {
  return StageStart(StageRecordOf(picture));
}

// One whole move in direction d; -1 when the move is refused, else whether a piece dropped.
int Move(Position& p, int d) {
  p.facing = d;
  if (StartMove(p) == MOVE_NONE) return -1;
  return CommitMove(p);
}

struct TryMoveCase {
  const char* name;
  std::vector<std::string> rows;
  int direction;
  int expected;
};

TEST(TryMove, StepsPushesAndRefusals) {
  const TryMoveCase cases[] = {
      {"floor", {".@......."}, FACING_RIGHT, MOVE_STEP},
      {"border wall above row 1", {".@......."}, FACING_UP, MOVE_NONE},
      {"wall", {"#@......."}, FACING_LEFT, MOVE_NONE},
      {"hole", {".@o......"}, FACING_RIGHT, MOVE_NONE},
      {"snowman onto floor", {".@A......"}, FACING_RIGHT, MOVE_PUSH},
      {"snowman into hole", {".@Lo....."}, FACING_RIGHT, MOVE_PUSH},
      {"cheese onto floor", {".@0......"}, FACING_RIGHT, MOVE_PUSH},
      {"cheese against wall", {".@0#....."}, FACING_RIGHT, MOVE_NONE},
      {"cheese against cheese", {".@01....."}, FACING_RIGHT, MOVE_NONE},
      {"snowman against snowman", {".@AL....."}, FACING_RIGHT, MOVE_NONE},
      {"piece against the border", {"......@A."}, FACING_RIGHT, MOVE_PUSH},
      {"piece at the border", {".......@A"}, FACING_RIGHT, MOVE_NONE},
  };
  for (const TryMoveCase& c : cases) {
    CellarPicture picture{c.rows};
    picture.rows.resize(9, "AAAAAAAAA");  // chill everything so nothing rots
    for (char cell : c.rows[0])
      if (cell >= '0' && cell <= '9') picture.cheeses.push_back({0, 5});
    Position p = Begin(picture);
    int before[BOARD_SIZE][BOARD_SIZE];
    std::memcpy(before, p.board, sizeof p.board);
    EXPECT_EQ(TryMove(p, c.direction), c.expected) << c.name;
    EXPECT_EQ(std::memcmp(before, p.board, sizeof p.board), 0) << c.name;
  }
}

TEST(Moves, RefusedDirectionOnlyTurnsThePlayer) {
  Position p = Begin({{"#@.......", "AAAAAAAAA", ".........", ".........", ".........", ".........",
                       ".........", ".........", "........."}});
  p.facing = FACING_UP;
  EXPECT_EQ(Move(p, FACING_LEFT), -1);
  EXPECT_EQ(p.facing, FACING_LEFT);
  EXPECT_EQ(p.playerX, 2);
  EXPECT_EQ(p.dayOfWeek, 0);
}

TEST(Moves, PushedCheeseLeavesTheBoardUntilTheCommit) {
  CellarPicture picture{{"@0.......", "AAAAAAAAA", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........."}};
  picture.cheeses = {{4, 5}};
  Position p = Begin(picture);
  p.facing = FACING_RIGHT;
  ASSERT_EQ(StartMove(p), MOVE_PUSH);
  EXPECT_EQ(p.pushedPiece, CELL_CHEESE_FIRST);
  EXPECT_EQ(p.board[2][1], CELL_FLOOR);
  EXPECT_EQ(CommitMove(p), 0);
  EXPECT_EQ(p.playerX, 2);
  EXPECT_EQ(p.board[3][1], CELL_CHEESE_FIRST);
  EXPECT_EQ(p.dayOfWeek, 1);
}

TEST(Moves, OnlyAPushOntoTheHoleDropsThePiece) {
  CellarPicture picture{{"@0.o.....", "AAAAAAAAA", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........."}};
  picture.cheeses = {{4, 5}};
  Position p = Begin(picture);
  EXPECT_EQ(Move(p, FACING_RIGHT), 0);  // lands next to the hole
  EXPECT_EQ(p.board[3][1], CELL_CHEESE_FIRST);
  EXPECT_EQ(Move(p, FACING_RIGHT), 1);  // onto the hole
  EXPECT_EQ(p.pushedPiece, CELL_CHEESE_FIRST);
  EXPECT_EQ(p.board[4][1], CELL_HOLE);
  EXPECT_EQ(p.playerX, 3);
  EXPECT_EQ(p.cheeseSlots[0].week, 5) << "a falling cheese cannot rot";
}

TEST(Moves, SnowmanIntoHoleTakesItsChillAndTheCheeseRotsThatMove) {
  CellarPicture picture{{"@Ao......", "..0......", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........."}};
  picture.cheeses = {{4, 5}};
  Position p = Begin(picture);
  ASSERT_EQ(p.cheeseSlots[0].week, 5);
  EXPECT_EQ(Move(p, FACING_RIGHT), 1);
  EXPECT_EQ(p.pushedPiece, CELL_SNOWMAN_AREA);
  EXPECT_EQ(p.board[3][1], CELL_HOLE);
  EXPECT_EQ(p.coldMap[3][2], 0);
  EXPECT_EQ(p.cheeseSlots[0].week, WEEK_ROTTEN);
  EXPECT_EQ(PushedPieceIsCheese(p), 0);
}

TEST(ColdMap, AreaSnowmanChillsItsBlockThroughWalls) {
  Position p = Begin({{"@........", ".###.....", ".#A#.....", ".###.....", ".........", ".........",
                       ".........", ".........", "........."}});
  for (int x = 0; x < BOARD_SIZE; ++x) {
    for (int y = 0; y < BOARD_SIZE; ++y) {
      bool inBlock = x >= 2 && x <= 4 && y >= 2 && y <= 4;
      EXPECT_EQ(p.coldMap[x][y], inBlock ? 1 : 0) << x << "," << y;
    }
  }
}

TEST(ColdMap, LineSnowmanStopsAtWallsAndCrossesEverythingElse) {
  Position p = Begin({{".....#...", ".....0...", ".o.A.L1.#", ".....o...", ".........", ".....#...",
                       "@........", ".........", "........."},
                      0,
                      {{4, 5}, {4, 5}}});
  // Row 3: leftwards past the area snowman and across the hole to the border,
  // rightwards across a cheese up to the wall at x = 9.
  for (int x = 1; x <= 8; ++x) EXPECT_EQ(p.coldMap[x][3], 1) << x;
  EXPECT_EQ(p.coldMap[9][3], 0);
  EXPECT_EQ(p.coldMap[1][2], 0);
  // Column 6: up across a cheese to the wall in row 1, down across the hole to the
  // wall in row 6.
  EXPECT_EQ(p.coldMap[6][1], 0);
  for (int y = 2; y <= 5; ++y) EXPECT_EQ(p.coldMap[6][y], 1) << y;
  EXPECT_EQ(p.coldMap[6][6], 0);
  EXPECT_EQ(p.coldMap[6][7], 0);
}

TEST(ColdMap, LineSnowmanBesideAWallChillsNothingOnThatSide) {
  Position p = Begin({{"@........", "#L.......", ".........", ".........", ".........", ".........",
                       ".........", ".........", "#########"}});
  EXPECT_EQ(p.coldMap[1][2], 0);
  EXPECT_EQ(p.coldMap[2][2], 1);
  EXPECT_EQ(p.coldMap[2][1], 1);
  EXPECT_EQ(p.coldMap[2][0], 0);
  EXPECT_EQ(p.coldMap[2][8], 1);
  EXPECT_EQ(p.coldMap[2][9], 0);
}

TEST(Ripening, CheeseOutsideTheChillIsRottenAtStageStart) {
  CellarPicture picture{{"@0....A..", "......1..", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........."}};
  picture.cheeses = {{4, 5}, {4, 5}};
  Position p = Begin(picture);
  EXPECT_EQ(p.cheeseSlots[0].week, WEEK_ROTTEN);
  EXPECT_EQ(p.cheeseSlots[1].week, 5);
  EXPECT_EQ(p.dayOfWeek, 0);
}

TEST(Ripening, LeavingTheChillRotsForGood) {
  CellarPicture picture{{"@0.......", "A........", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........."}};
  picture.cheeses = {{4, 5}};
  Position p = Begin(picture);
  ASSERT_EQ(p.cheeseSlots[0].week, 5);
  EXPECT_EQ(Move(p, FACING_RIGHT), 0);  // the cheese reaches (3, 1), outside the block
  EXPECT_EQ(p.cheeseSlots[0].week, WEEK_ROTTEN);
  for (int d : {FACING_DOWN, FACING_RIGHT, FACING_RIGHT, FACING_UP}) EXPECT_EQ(Move(p, d), 0);
  EXPECT_EQ(Move(p, FACING_LEFT), 0);  // pushed back onto the chilled cell (2, 1)
  EXPECT_EQ(p.board[2][1], CELL_CHEESE_FIRST);
  EXPECT_EQ(p.coldMap[2][1], 1);
  EXPECT_EQ(p.cheeseSlots[0].week, WEEK_ROTTEN);
}

TEST(Ripening, TheSeventhMoveAgesEveryCheeseInPlay) {
  CellarPicture picture{{"@........", "AAAAAAAAA", "0123.....", "AAAAAAAAA", ".........",
                         ".........", ".........", ".........", "........."}};
  picture.cheeses = {{2, 2}, {4, -1}, {4, 0}, {4, 7}};
  Position p = Begin(picture);
  for (int move = 1; move <= 6; ++move) {
    ASSERT_EQ(Move(p, move % 2 ? FACING_RIGHT : FACING_LEFT), 0);
    EXPECT_EQ(p.dayOfWeek, move);
    EXPECT_EQ(p.cheeseSlots[0].week, 2);
    EXPECT_EQ(ClassifyCheese(p.cheeseSlots[0].week, *p.cheeseSlots[0].info), RIPENESS_GOOD);
  }
  ASSERT_EQ(Move(p, FACING_RIGHT), 0);
  EXPECT_EQ(p.dayOfWeek, 0);
  EXPECT_EQ(p.cheeseSlots[0].week, 3);
  EXPECT_EQ(ClassifyCheese(p.cheeseSlots[0].week, *p.cheeseSlots[0].info), RIPENESS_OVERRIPE);
  EXPECT_EQ(p.cheeseSlots[1].week, WEEK_ROTTEN);
  EXPECT_EQ(p.cheeseSlots[2].week, WEEK_NONE);
  EXPECT_EQ(p.cheeseSlots[3].week, 8);
}

TEST(Ripening, AFallingCheeseStillAgesWhenTheWeekEnds) {
  CellarPicture picture{{"@0o......", "AAAAAAAAA", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........."}};
  picture.cheeses = {{4, 5}};
  Position p = Begin(picture);
  p.dayOfWeek = 6;
  EXPECT_EQ(Move(p, FACING_RIGHT), 1);
  EXPECT_EQ(p.cheeseSlots[0].week, 6);
}

TEST(Ripening, ClassesAndDaysLeft) {
  struct Case {
    int week, from, to, day, ripeness, daysLeft;
  };
  const Case cases[] = {
      {-1, 5, 8, 0, RIPENESS_ROTTEN, 0},  {4, 5, 8, 0, RIPENESS_UNRIPE, 35},
      {5, 5, 8, 0, RIPENESS_GOOD, 28},    {8, 5, 8, 6, RIPENESS_GOOD, 1},
      {9, 5, 8, 0, RIPENESS_OVERRIPE, 0}, {1, 1, 2, 3, RIPENESS_GOOD, 11},
      {2, 1, 2, 0, RIPENESS_GOOD, 7},     {101, 16, 100, 0, RIPENESS_OVERRIPE, 0},
  };
  for (const Case& c : cases) {
    CheeseInfo info{"", "", "", "", 0, c.from, c.to};
    EXPECT_EQ(ClassifyCheese(c.week, info), c.ripeness)
        << c.week << " in " << c.from << ".." << c.to;
    if (c.ripeness == RIPENESS_UNRIPE || c.ripeness == RIPENESS_GOOD) {
      EXPECT_EQ(DaysLeft(c.week, info, c.day), c.daysLeft) << c.week;
    }
  }
}

TEST(Verdict, EveryDeliveryCountsAndEmptiesItsSlot) {
  struct Case {
    int week, ripeness;
  };
  const Case cases[] = {
      {5, RIPENESS_GOOD}, {4, RIPENESS_UNRIPE}, {9, RIPENESS_OVERRIPE}, {-1, RIPENESS_ROTTEN}};
  for (const Case& c : cases) {
    CellarPicture picture{{"@.0o.....", "AAAAAAAAA", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........."}};
    picture.toDeliver = 2;
    picture.cheeses = {{13, 5}};
    Position p = Begin(picture);
    p.cheeseSlots[0].week = c.week;
    EXPECT_EQ(Move(p, FACING_RIGHT), 0);
    EXPECT_EQ(Move(p, FACING_RIGHT), 1);
    ASSERT_EQ(PushedPieceIsCheese(p), 1);
    EXPECT_EQ(DeliverCheese(p), c.ripeness) << c.week;
    EXPECT_EQ(p.cheesesToDeliver, 1);
    EXPECT_EQ(p.cheeseSlots[0].week, WEEK_NONE);
  }
}

TEST(Stage, RestartRestoresTheStageButKeepsFacing) {
  CellarPicture picture{{"@0o......", "AAAAAAAAA", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........."}};
  picture.toDeliver = 1;
  picture.cheeses = {{4, 5}};
  const StageRecord stage = StageRecordOf(picture);
  Position p = StageStart(stage);
  Move(p, FACING_RIGHT);
  DeliverCheese(p);
  Move(p, FACING_DOWN);
  ASSERT_EQ(p.facing, FACING_DOWN);
  SetUpStage(stage, p);
  EXPECT_EQ(p.facing, FACING_DOWN);
  EXPECT_EQ(p.playerX, 1);
  EXPECT_EQ(p.playerY, 1);
  EXPECT_EQ(p.board[2][1], CELL_CHEESE_FIRST);
  EXPECT_EQ(p.cheeseSlots[0].week, 5);
  EXPECT_EQ(p.cheesesToDeliver, 1);
  EXPECT_EQ(p.dayOfWeek, 0);
  EXPECT_EQ(p.board[1][0], CELL_WALL_FRONT);
}

TEST(Stage, ACopyTakesATrialMoveBack) {
  CellarPicture picture{{"@0o......", "AAAAAAAAA", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........."}};
  picture.toDeliver = 1;
  picture.cheeses = {{4, 5}};
  Position p = Begin(picture);
  p.facing = FACING_UP;
  const Position saved = p;
  Move(p, FACING_RIGHT);
  DeliverCheese(p);
  EXPECT_FALSE(p == saved);
  p = saved;
  EXPECT_TRUE(p == saved);
  EXPECT_EQ(p.playerX, 1);
  EXPECT_EQ(p.board[2][1], CELL_CHEESE_FIRST);
  EXPECT_EQ(p.cheeseSlots[0].week, 5);
  EXPECT_EQ(p.cheesesToDeliver, 1);
  EXPECT_EQ(p.dayOfWeek, 0);
  EXPECT_EQ(p.facing, FACING_UP);
}

// One move as the play scene makes it: kept first, with the facing before the key.
void Play(MoveHistory& history, Position& p, int32_t d) {
  RecordMove(history, p, p.facing, d);
  if (Move(p, d) == 1 && PushedPieceIsCheese(p)) DeliverCheese(p);
}

// What a player sees of a position (the rest is set again by the next move).
std::string Seen(const Position& s) {
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
    std::vector<int32_t> before;  // directions of the moves played first
    int32_t move;
  };
  CellarPicture unchilled{{"@0.......", "A........", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........."},
                          1,
                          {{4, 5}}};
  const Case cases[] = {
      {"step", Chilled("@........"), {}, FACING_RIGHT},
      {"push", Chilled("@0.......", {{4, 5}}), {}, FACING_RIGHT},
      {"snowman into a hole", Chilled("@Lo......"), {}, FACING_RIGHT},
      {"good delivery", Chilled("@0o1.....", {{4, 6}, {4, 6}}), {}, FACING_RIGHT},
      {"the seventh day", Chilled("@.......0", {{4, 5}}), std::vector<int32_t>(6, FACING_RIGHT),
       FACING_LEFT},
      {"a push that rots a cheese", unchilled, {}, FACING_RIGHT},
  };
  for (const Case& c : cases) {
    Position p = Begin(c.picture);
    MoveHistory history;
    BeginAttempt(history);
    p.facing = FACING_UP;
    for (int32_t d : c.before) Play(history, p, d);
    std::string before = Seen(p);
    Play(history, p, c.move);
    ASSERT_NE(Seen(p), before) << c.what << ": the move must change something";
    ASSERT_TRUE(UndoStep(history, p)) << c.what;
    EXPECT_EQ(Seen(p), before) << c.what;
  }
}

TEST(MoveHistory, UndoesBackToTheStartAndNoFurther) {
  Position p = Begin(Chilled("@.0..o...", {{4, 5}}));
  MoveHistory history;
  BeginAttempt(history);
  p.facing = FACING_DOWN;
  std::string start = Seen(p);
  std::vector<std::string> seen;
  for (int32_t d : {FACING_RIGHT, FACING_RIGHT, FACING_LEFT, FACING_RIGHT, FACING_RIGHT}) {
    seen.push_back(Seen(p));
    Play(history, p, d);
  }
  for (size_t i = seen.size(); i-- > 0;) {
    ASSERT_TRUE(UndoStep(history, p));
    EXPECT_EQ(Seen(p), seen[i]) << "undo back to before move " << i + 1;
  }
  EXPECT_EQ(Seen(p), start);
  EXPECT_FALSE(UndoStep(history, p));
  EXPECT_EQ(Seen(p), start);
}

// The history gives back every field of a position, at the far ends of their ranges too:
// a cheese far past its window, a rotten one, one delivered, snowmen of both kinds, cells
// chilled or not whatever the snowmen say.
TEST(MoveHistory, StepsGiveBackTheWholePosition) {
  Position before = Begin(Chilled("@0.1.L2A.", {{4, 5}, {4, 6}, {4, 6}}));
  before.cheeseSlots[0].week = 5000;
  before.cheeseSlots[1].week = WEEK_ROTTEN;
  before.cheeseSlots[2].week = WEEK_NONE;
  before.board[7][2] = CELL_FLOOR;  // cheese 2 went to its customer
  for (int32_t x = 0; x < BOARD_SIZE; ++x) before.coldMap[x][x] = 1 - before.coldMap[x][x];
  before.facing = FACING_LEFT;
  before.dayOfWeek = 6;
  before.moveResult = MOVE_NONE;
  MoveHistory history;
  BeginAttempt(history);
  Position p = before;
  Play(history, p, FACING_RIGHT);
  const Position after = p;
  ASSERT_FALSE(after == before);
  ASSERT_TRUE(UndoStep(history, p));
  EXPECT_TRUE(p == before);
  ASSERT_TRUE(RedoStep(history, p));
  EXPECT_TRUE(p == after);
}

// Cheese 0 is over-ripe beside the hole; cheese 1 is good.
CellarPicture FailingDelivery() {
  return Chilled("@0o.1....", {{4, 9}, {4, 6}});
}

// The start of a stage of FailingDelivery(), with its history begun.
struct Attempt {
  StageRecord stage;
  Position p;
  MoveHistory history;
};

Attempt BeginFailingAttempt() {
  Attempt attempt{StageRecordOf(FailingDelivery()), {}, {}};
  attempt.p = StageStart(attempt.stage);
  BeginAttempt(attempt.history);
  return attempt;
}

TEST(MoveHistory, AFailedDeliveryLeavesASecondChance) {
  auto [stage, p, history] = BeginFailingAttempt();
  Play(history, p, FACING_DOWN);
  std::string beforeStep = Seen(p);
  Play(history, p, FACING_UP);
  std::string beforeFatal = Seen(p);
  // The over-ripe cheese delivered: the stage collapses and restarts.
  Play(history, p, FACING_RIGHT);
  RecordFailedDelivery(history);
  SetUpStage(stage, p);
  BeginAttempt(history);
  std::string restart = Seen(p);
  ASSERT_TRUE(UndoStep(history, p));
  EXPECT_EQ(Seen(p), beforeFatal);
  ASSERT_TRUE(UndoStep(history, p));
  EXPECT_EQ(Seen(p), beforeStep);
  EXPECT_NE(Seen(p), restart);
}

// Giving up and a failed delivery restart the stage as one step of the history: taken back
// to the position before it, with every move before still there, and played again.
TEST(MoveHistory, RestartsAreStepsTakenBackAndPlayedAgain) {
  for (bool failed : {false, true}) {
    const char* what = failed ? "failed delivery" : "given up";
    auto [stage, p, history] = BeginFailingAttempt();
    std::vector<std::string> seen = {Seen(p)};
    for (int32_t d : {FACING_DOWN, FACING_UP}) {
      Play(history, p, d);
      seen.push_back(Seen(p));
    }
    if (failed) {
      Play(history, p, FACING_RIGHT);  // the over-ripe cheese: the stage collapses
      RecordFailedDelivery(history);
    } else {
      RecordGiveUp(history, p);
    }
    SetUpStage(stage, p);
    BeginAttempt(history);
    seen.push_back(Seen(p));
    Play(history, p, FACING_DOWN);
    seen.push_back(Seen(p));
    EXPECT_EQ(MovesSinceRestart(history), 1) << what;
    EXPECT_EQ(Seen(PositionMovesBack(history, p, 1)), seen[3]) << what;
    for (size_t i = seen.size() - 1; i-- > 0;) {
      ASSERT_TRUE(UndoStep(history, p)) << what;
      EXPECT_EQ(Seen(p), seen[i]) << what << ": back to " << i;
    }
    EXPECT_FALSE(UndoStep(history, p)) << what;
    for (size_t i = 1; i < seen.size(); ++i) {
      ASSERT_TRUE(RedoStep(history, p)) << what;
      EXPECT_EQ(Seen(p), seen[i]) << what << ": again to " << i;
    }
    EXPECT_FALSE(RedoStep(history, p)) << what;
  }
}

TEST(MoveHistory, ANewMoveForgetsTheStepsTakenBackAndANewStageEverything) {
  auto [stage, p, history] = BeginFailingAttempt();
  Play(history, p, FACING_DOWN);
  ASSERT_TRUE(UndoStep(history, p));
  Play(history, p, FACING_UP);
  EXPECT_FALSE(RedoStep(history, p));
  BeginAttempt(history);  // a stage started anew, not restarted
  EXPECT_FALSE(UndoStep(history, p));
  EXPECT_EQ(MovesSinceRestart(history), 0);
}

// The moves of the attempt, as a clear's record keeps them: those since the last restart,
// oldest first, without the ones taken back. A copy of a history is a history of its own.
TEST(MoveHistory, TheAttemptIsTheMovesSinceTheLastRestart) {
  auto [stage, p, history] = BeginFailingAttempt();
  Play(history, p, FACING_DOWN);
  RecordGiveUp(history, p);
  SetUpStage(stage, p);
  BeginAttempt(history);
  for (int32_t d : {FACING_DOWN, FACING_DOWN, FACING_UP}) Play(history, p, d);
  EXPECT_EQ(MovesOfAttempt(history), (std::vector<int32_t>{FACING_DOWN, FACING_DOWN, FACING_UP}));
  MoveHistory copy = history;
  Position there = p;
  ASSERT_TRUE(UndoStep(copy, there));
  EXPECT_EQ(MovesOfAttempt(copy), (std::vector<int32_t>{FACING_DOWN, FACING_DOWN}));
  EXPECT_EQ(MovesSinceRestart(copy), 2);
  EXPECT_EQ(MovesSinceRestart(history), 3);
  EXPECT_EQ(Seen(PositionMovesBack(history, p, 1)), Seen(there));
}

}  // namespace
}  // namespace game
