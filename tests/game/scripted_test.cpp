// Headless runs of the whole program: title, continue, deliveries, collapse, browser and
// ending.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "game_run.h"
#include "support/run_folder.h"
#include "support/script_text.h"
#include "support/stage_text.h"

namespace {

using game_test::CellarPicture;
using game_test::StageBlock;
using game_test::StageFile;
using testsupport::Close;
using testsupport::SaveText;
using testsupport::Tap;
using namespace game_run;

TEST(GameRun, BrokenStageFileStopsBeforeTheTitle) {
  std::vector<std::string> blocks = {game_test::PlainStageBlock(), game_test::PlainStageBlock(),
                                     "1 1 0 1\n14 3\n" + game_test::PlainStageBlock().substr(8)};
  Played run = RunGame("broken_stage", StageFile(blocks), Tap(TITLE_MS, "space") + Close(4000));
  EXPECT_EQ(run.result.exitStatus, 2);
  EXPECT_NE(run.result.err.find("data/stage.dat: stage 3, number 175 (line"), std::string::npos)
      << run.result.err;
  EXPECT_NE(run.result.err.find("catalogue index 14"), std::string::npos) << run.result.err;
  EXPECT_FALSE(run.saved());

  testsupport::Fixtures none;
  none.stages = false;
  std::string folder = testsupport::MakeRunFolder("game_no_stage_file", none);
  testsupport::RunResult missing = testsupport::RunHeadless(folder, Close(4000));
  EXPECT_EQ(missing.exitStatus, 2);
  EXPECT_NE(missing.err.find("data/stage.dat"), std::string::npos) << missing.err;
}

// Every stage is plain and needs no delivery, so the first move clears it and
// the save file shows which stage was played.
TEST(GameRun, SpaceHeldFromBootDoesNotStartAGame) {
  std::string held = "500 down space\n4000 up space\n" + Tap(4500, "right", 100);
  Played early = RunGame("held_space", StageFile({}), held + Close(6500));
  EXPECT_FALSE(early.saved()) << early.save();
  Played later = RunGame("held_space_then_press", StageFile({}),
                         held + Tap(5000, "space") + Tap(7500, "right", 100) + Close(9000));
  EXPECT_EQ(later.save(), "1 20");
}

TEST(GameRun, ContinueStartsAtTheSavedStageOnlyWhenItsCheckMatches) {
  struct Case {
    const char* save;  // nullptr: no save file
    std::string expected;
  };
  const Case cases[] = {
      {"5 11", SaveText(6)}, {"5 12", "1 20"},    {"5\n  11\n", SaveText(6)}, {nullptr, "1 20"},
      {"31 26", "31 26"},    {"garbage", "1 20"}, {"0 20", "1 20"},
  };
  int n = 0;
  for (const Case& c : cases) {
    std::string script = Tap(TITLE_MS, "down") + Tap(TITLE_MS + 500, "space") +
                         Tap(PLAY_MS + 500, "right", 100) + Close(7500);
    Played run = RunGame("continue_" + std::to_string(n++), StageFile({}), script, c.save);
    EXPECT_EQ(run.save(), c.expected) << (c.save ? c.save : "(none)");
  }
  // Clearing the 31st stage records the 32nd.
  std::string thirtyFirst = SaveText(30);
  std::string script31 = Tap(TITLE_MS, "down") + Tap(TITLE_MS + 500, "space") +
                         Tap(PLAY_MS + 500, "right", 100) + Close(7500);
  Played last = RunGame("continue_31st", StageFile({}), script31, thirtyFirst.c_str());
  EXPECT_EQ(last.save(), "31 26");
  // A matching check value for an index without a stage starts the first stage.
  std::string outside = SaveText(32);
  std::string script = Tap(TITLE_MS, "down") + Tap(TITLE_MS + 500, "space") +
                       Tap(PLAY_MS + 500, "right", 100) + Close(7500);
  Played run = RunGame("continue_outside", StageFile({}), script, outside.c_str());
  EXPECT_EQ(run.save(), "1 20");
}

TEST(GameRun, DownAndSpaceInOneFrameConfirmContinue) {
  std::string script = std::to_string(TITLE_MS) + " down down\n" + std::to_string(TITLE_MS) +
                       " down space\n" + std::to_string(TITLE_MS + 50) + " up down\n" +
                       std::to_string(TITLE_MS + 50) + " up space\n" +
                       Tap(PLAY_MS + 500, "right", 100) + Close(7500);
  Played run = RunGame("down_and_space", StageFile({}), script, "5 11");
  EXPECT_EQ(run.save(), SaveText(6));
}

// With two directions held the later one in the order left, right, up, down
// wins; each stage can move only in the winning direction, and nothing is to be
// delivered, so a move clears the stage.
TEST(GameRun, HeldDirectionsFollowTheirPriority) {
  struct Case {
    const char* name;
    const char* first;
    const char* second;
    std::vector<std::string> rows;
  };
  const Case cases[] = {
      {"right_and_down",
       "right",
       "down",
       {".........", ".@#......", ".........", ".........", ".........", ".........", ".........",
        ".........", "........."}},
      {"left_and_up",
       "left",
       "up",
       {".........", "#@.......", ".........", ".........", ".........", ".........", ".........",
        ".........", "........."}},
  };
  for (const Case& c : cases) {
    std::string both = std::to_string(PLAY_MS) + " down " + c.first + "\n" +
                       std::to_string(PLAY_MS) + " down " + c.second + "\n" +
                       std::to_string(PLAY_MS + 100) + " up " + c.first + "\n" +
                       std::to_string(PLAY_MS + 100) + " up " + c.second + "\n";
    Played run =
        RunGame(std::string("priority_") + c.name, StageFile({StageBlock(CellarPicture{c.rows})}),
                Tap(TITLE_MS, "space") + both + Close(PLAY_MS + 1500));
    EXPECT_EQ(run.save(), "1 20") << c.name;
  }
}

// A snowman pushed into a hole sinks and play resumes without a delivery: the
// stage is cleared only by the cheese delivered afterwards.
TEST(GameRun, SnowmanIntoAHoleCountsForNothing) {
  CellarPicture picture{{"@Ao......", ".........", "L.0o.....", ".........", ".........",
                         ".........", ".........", ".........", "........."},
                        1,
                        {{0, 3}}};
  std::string script = Tap(TITLE_MS, "space") + Tap(PLAY_MS, "right", 100) +
                       Tap(PLAY_MS + 1000, "down", 100) + Tap(PLAY_MS + 1500, "down", 100) +
                       Tap(PLAY_MS + 2000, "right", 100) + Close(PLAY_MS + 7000);
  Played run = RunGame("snowman_hole", StageFile({StageBlock(picture)}), script);
  EXPECT_EQ(run.save(), "1 20");
}

// Q and Space in one play frame: the browser opens over the untouched board
// instead of the collapse with its banner.
TEST(GameRun, QAndSpaceTogetherOpenTheBrowser) {
  std::string together = std::to_string(PLAY_MS + 500) + " down q\n" +
                         std::to_string(PLAY_MS + 500) + " down space\n" +
                         std::to_string(PLAY_MS + 600) + " up q\n" + std::to_string(PLAY_MS + 600) +
                         " up space\n";
  std::string script = Tap(TITLE_MS, "space") + Tap(PLAY_MS, "f9") + together +
                       Tap(PLAY_MS + 1000, "f9") + Close(PLAY_MS + 1500);
  Played run = RunGame("q_and_space", TwoDeliveriesStage(6), script);
  std::string play = Screenshot(run.folder, 0);
  std::string browsing = Screenshot(run.folder, 1);
  ASSERT_FALSE(browsing.empty());
  EXPECT_TRUE(SameRegion(play, browsing, 0, 0, 240, 240));
  EXPECT_FALSE(SameRegion(play, browsing, 240, 0, 320, 240)) << "the pointer shows";
}

TEST(GameRun, GoodDeliveryClearsTheStageAndSaves) {
  std::string script = Tap(TITLE_MS, "space") + DeliverFirst(PLAY_MS);
  // The push commits near 6.8 s; sinking, falling, two pauses and a second of
  // verdict bring the clear to about 9.5 s.
  Played early = RunGame("good_early", TwoDeliveriesStage(6), script + Close(8800));
  EXPECT_FALSE(early.saved());
  Played run = RunGame("good", TwoDeliveriesStage(6), script + Close(12000));
  EXPECT_EQ(run.save(), "1 20");
}

// After a failed delivery the stage restarts from its start, so delivering the
// other cheese then clears it; had the failure counted, the save would name a
// later stage.
TEST(GameRun, WrongRipenessCollapsesAndReplaysTheStage) {
  std::string script = Tap(TITLE_MS, "space") + DeliverFirst(PLAY_MS) + DeliverSecond(14500);
  Played run = RunGame("overripe", TwoDeliveriesStage(9), script + Close(21000));
  EXPECT_EQ(run.save(), "1 20");
  Played tooEarly =
      RunGame("overripe_still_collapsing", TwoDeliveriesStage(9),
              Tap(TITLE_MS, "space") + DeliverFirst(PLAY_MS) + DeliverSecond(11500) + Close(21000));
  EXPECT_FALSE(tooEarly.saved()) << "moves during the collapse must not count";
}

TEST(GameRun, RottenDeliveryCollapsesAndReplaysTheStage) {
  std::string script = Tap(TITLE_MS, "space") + DeliverFirst(PLAY_MS) + DeliverSecond(16500);
  Played run = RunGame("rotten", TwoDeliveriesStage(-1), script + Close(23000));
  EXPECT_EQ(run.save(), "1 20");
  Played tooEarly =
      RunGame("rotten_still_collapsing", TwoDeliveriesStage(-1),
              Tap(TITLE_MS, "space") + DeliverFirst(PLAY_MS) + DeliverSecond(13500) + Close(23000));
  EXPECT_FALSE(tooEarly.saved()) << "the rotten verdict lasts a second longer";
}

TEST(GameRun, GivingUpRestartsTheStageFacingTheSameWay) {
  std::string script = Tap(TITLE_MS, "space") + Tap(PLAY_MS, "f9") +
                       Tap(PLAY_MS + 500, "left", 100) + Tap(PLAY_MS + 1000, "f9") +
                       Tap(PLAY_MS + 1500, "q") + Tap(PLAY_MS + 7000, "f9") + Close(14000);
  Played run = RunGame("give_up", TwoDeliveriesStage(6), script);
  std::string facingUp = Screenshot(run.folder, 0);
  std::string facingLeft = Screenshot(run.folder, 1);
  std::string restarted = Screenshot(run.folder, 2);
  ASSERT_FALSE(restarted.empty());
  EXPECT_NE(facingUp, facingLeft) << "turning must show";
  EXPECT_EQ(restarted, facingLeft);
  EXPECT_FALSE(run.saved());
}

// Cheese slots: 0 good, 1 absent (week 0), 2 rotten, 3 good of another kind.
std::string BrowserStage() {
  CellarPicture picture{{"@0.2.3...", "AAAAAAAAA", ".........", ".........", ".........",
                         ".........", ".........", ".........", "........L"},
                        1,
                        {{4, 6}, {12, 0}, {0, -1}, {10, 20}}};
  return StageFile({StageBlock(picture)});
}

// Opens the browser at ms, presses the given direction keys 0.3 s apart, shows the
// information panel with a screenshot and closes it again.
std::string BrowseAndShow(int ms, const std::vector<const char*>& keys) {
  std::string script = Tap(ms, "space");
  for (size_t i = 0; i < keys.size(); ++i) script += Tap(ms + 400 + 300 * i, keys[i]);
  int show = ms + 1500;
  script += std::to_string(show) + " down f9\n" + std::to_string(show) + " down space\n";
  script += std::to_string(show + 100) + " up f9\n" + std::to_string(show + 100) + " up space\n";
  return script + Tap(show + 400, "space");
}

TEST(GameRun, BrowserSelectsListedCheesesOnly) {
  const std::vector<std::vector<const char*>> cycles = {
      {}, {"down"}, {"down", "down"}, {"down", "up"}, {"up"}};
  std::string script = Tap(TITLE_MS, "space");
  for (size_t i = 0; i < cycles.size(); ++i) script += BrowseAndShow(PLAY_MS + 2500 * i, cycles[i]);
  Played run = RunGame("browser", BrowserStage(), script + Close(PLAY_MS + 13000));
  std::vector<std::string> info;
  for (size_t n = 0; n < cycles.size(); ++n) info.push_back(Screenshot(run.folder, n));
  ASSERT_FALSE(info.back().empty());
  auto samePanel = [&](int a, int b) { return SameRegion(info[a], info[b], 20, 20, 220, 220); };
  EXPECT_FALSE(samePanel(0, 1)) << "down skips the absent slot and selects the rotten cheese";
  EXPECT_FALSE(samePanel(1, 2));
  EXPECT_FALSE(samePanel(0, 2));
  EXPECT_TRUE(samePanel(3, 0)) << "up from the rotten cheese skips the absent slot";
  EXPECT_TRUE(samePanel(4, 2)) << "up from the first slot wraps to the last";
}

TEST(GameRun, BrowserStaysClosedWithNoCheeseToList) {
  // Nothing to deliver and no cheese: Space must leave play running, so the move
  // after it clears the stage.
  std::string script = Tap(TITLE_MS, "space") + Tap(PLAY_MS, "space", 400) +
                       Tap(PLAY_MS + 1000, "right", 100) + Close(PLAY_MS + 2500);
  Played run = RunGame("browser_empty", StageFile({}), script);
  EXPECT_EQ(run.save(), "1 20");
}

TEST(GameRun, LastStageLeadsToTheEndingAndSpaceEndsTheProgram) {
  // Continue at stage 32, clear it with one move while Q is held, then look at the
  // parade twice and press Space; a screenshot asked for after that must not exist.
  std::string script = Tap(TITLE_MS, "down") + Tap(TITLE_MS + 500, "space") +
                       Tap(PLAY_MS + 500, "right", 100) + std::to_string(PLAY_MS + 650) +
                       " down q\n" + Tap(PLAY_MS + 2500, "f9") + Tap(PLAY_MS + 3000, "f9") +
                       Tap(PLAY_MS + 4000, "space") + Tap(PLAY_MS + 5000, "f9");
  Played run = RunGame("ending", StageFile({}), script, "31 26");
  EXPECT_EQ(run.result.exitStatus, 1);
  EXPECT_EQ(run.save(), "31 26") << "the last stage writes no save";
  std::string first = Screenshot(run.folder, 0);
  std::string second = Screenshot(run.folder, 1);
  ASSERT_FALSE(second.empty());
  EXPECT_TRUE(SameRegion(first, second, 0, 0, 320, 80)) << "the title strip stands";
  EXPECT_FALSE(SameRegion(first, second, 0, 80, 320, 240)) << "the cheeses parade";
  EXPECT_FALSE(testsupport::FileExists(testsupport::ScreenshotPath(run.folder, 2)));
}

}  // namespace
