// Headless and real-time runs of the player's help: undo and redo, restarts in the history,
// held keys, presses kept through moves, the hint and the rewind of a lost stage.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "game_run.h"
#include "support/run_folder.h"
#include "support/script_text.h"
#include "support/stage_text.h"

namespace {

using game_run::Button;
using game_run::InTimeOrder;
using game_run::JOYSTICK_AT_REST;
using game_run::PLAY_MS;
using game_run::Played;
using game_run::RunGame;
using game_run::SamePicture;
using game_run::SameRegion;
using game_run::Screenshot;
using game_run::Shot;
using game_run::TITLE_MS;
using game_run::TwoDeliveriesStage;
using game_test::CellarPicture;
using game_test::StageBlock;
using game_test::StageFile;
using testsupport::Close;
using testsupport::Tap;

// Stage 1 of the game: the cheese pushed off the cold rots and the stage is lost. H there
// moves nothing and says so; then Z and Backspace take every move back, each to the very
// picture before it, the first of them also putting the note away.
TEST(GameRun, UndoTakesALostStageBackMoveByMove) {
  const std::vector<const char*> moves = {"down",  "right", "right", "right",
                                          "right", "up",    "left",  "left"};
  std::string script = Tap(TITLE_MS, "space") + Shot(PLAY_MS);
  int at = PLAY_MS;
  for (const char* move : moves) {
    script += Tap(at + 400, move, 100) + Shot(at + 800);
    at += 800;
  }
  script += Tap(at + 400, "h") + Shot(at + 800);
  at += 800;
  for (size_t i = 0; i < moves.size(); ++i) {
    script += Tap(at + 400, i % 2 == 0 ? "z" : "backspace") + Shot(at + 700);
    at += 700;
  }
  std::string stages = testsupport::ReadFile(VAULMOOR_SOURCE_DIR "/data/stage.dat");
  Played run = RunGame("undo_lost_stage", stages, script + Close(at + 1000));
  std::vector<std::string> shots;
  for (int n = 0; n < 18; ++n) shots.push_back(Screenshot(run.folder, n));
  ASSERT_FALSE(shots.back().empty());
  const std::string& lost = shots[8];
  const std::string& hinted = shots[9];
  EXPECT_FALSE(SamePicture(hinted, lost)) << "the note shows";
  EXPECT_TRUE(SameRegion(hinted, lost, 0, 0, 320, 180)) << "nothing moves";
  EXPECT_TRUE(SameRegion(hinted, lost, 240, 0, 320, 240)) << "the side panel stays clear";
  for (int undone = 1; undone <= 8; ++undone) {
    EXPECT_TRUE(SamePicture(shots[9 + undone], shots[8 - undone])) << undone << " moves taken back";
  }
  EXPECT_FALSE(run.saved());
}

// After an over-ripe delivery collapses the cellar, Z brings back the position before the
// fatal push, and joystick button 3 the one before that.
TEST(GameRun, UndoAfterAFailedDeliveryGivesASecondChance) {
  std::string script = JOYSTICK_AT_REST + Tap(TITLE_MS, "space") + Tap(PLAY_MS + 200, "up", 100) +
                       Shot(PLAY_MS + 600) + Tap(PLAY_MS + 800, "right", 100) +
                       Shot(PLAY_MS + 1200) + Tap(PLAY_MS + 1400, "right", 100) + Shot(15000) +
                       Tap(15500, "z") + Shot(16000) + Button(16500, 3) + Shot(17000);
  Played run = RunGame("second_chance", TwoDeliveriesStage(9), script + Close(18000));
  std::vector<std::string> shots;
  for (int n = 0; n < 5; ++n) shots.push_back(Screenshot(run.folder, n));
  ASSERT_FALSE(shots.back().empty());
  EXPECT_FALSE(SamePicture(shots[2], shots[1])) << "the stage restarted";
  EXPECT_TRUE(SamePicture(shots[3], shots[1])) << "the position before the fatal push";
  EXPECT_TRUE(SamePicture(shots[4], shots[0])) << "and the one before";
}

// H plays the first move of a shortest way, with the same animation as its arrow key:
// three presses (the last on joystick button 4) deliver the good cheese and clear the
// stage, past the over-ripe one.
TEST(GameRun, HintPlaysTheMovesOfAShortestWay) {
  std::string script = JOYSTICK_AT_REST + Tap(TITLE_MS, "space") + Tap(PLAY_MS, "h") +
                       Shot(PLAY_MS + 100) + Tap(PLAY_MS + 500, "h") + Button(PLAY_MS + 1000, 4);
  Played hinted = RunGame("hint_moves", TwoDeliveriesStage(9), script + Close(12000));
  std::string arrows = JOYSTICK_AT_REST + Tap(TITLE_MS, "space") + Tap(PLAY_MS, "down", 50) +
                       Shot(PLAY_MS + 100) + Close(PLAY_MS + 500);
  Played walked = RunGame("hint_moves_arrow", TwoDeliveriesStage(9), arrows);
  EXPECT_TRUE(SamePicture(Screenshot(hinted.folder, 0), Screenshot(walked.folder, 0)))
      << "the first hint walks down as the arrow key does";
  EXPECT_EQ(hinted.save(), "1 20");
}

// In real time the hint is worked out beside the frames, on a thread of its own or, with
// --no-threads, in slices of the frames' waits: the presses still play the shortest way and
// clear the stage. (A run in real time, without a screen.) A busy machine may take seconds to
// start the program and long over one frame: Space comes well after the title is up, every
// key is held longer than any frame takes, and H is pressed more often than needed, since
// presses made before play begins are dropped (and those after the stage is cleared do
// nothing).
void ExpectHintsInRealTimeClearTheStage(const std::string& name, std::vector<std::string> options) {
  constexpr uint32_t START_MS = 8000, HOLD_MS = 600;
  std::string folder = testsupport::MakeRunFolder(name, [] {
    testsupport::Fixtures fixtures;
    fixtures.stageText = TwoDeliveriesStage(6);
    return fixtures;
  }());
  std::string script = Tap(START_MS, "space", HOLD_MS);
  for (uint32_t at = START_MS + 3000; at < START_MS + 9000; at += 2 * HOLD_MS)
    script += Tap(at, "h", HOLD_MS);
  script += Close(START_MS + 16000);
  std::ofstream(folder + "real_time.txt") << script;
  options.insert(options.end(), {"--window", "--script", "real_time.txt", "--trace", "trace.txt"});
  testsupport::RunResult run =
      testsupport::RunProgram(folder, options, {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy"});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(testsupport::ReadFile(folder + "data/save.dat"), "1 20")
      << "scenes:\n"
      << testsupport::ReadFile(folder + "trace.txt");
}

TEST(GameRun, HintsInRealTimeClearTheStage) {
  ExpectHintsInRealTimeClearTheStage("game_hint_real_time", {});
}

TEST(GameRun, HintsInRealTimeWithoutThreadsClearTheStage) {
  ExpectHintsInRealTimeClearTheStage("game_hint_real_time_sliced", {"--no-threads"});
}

// A cellar far larger than ours (ten cheeses that ripen only after six weeks, all due
// through one hole, chilled all over): H gives up at the search's limit, says there is no
// hint, and play goes on.
TEST(GameRun, HintGivesUpOnACellarFarLargerThanOurs) {
  CellarPicture picture{{"L........", "L........", "L.01234..", "L........", "L...o....",
                         "L........", "L.56789..", "L........", "L.......@"},
                        10,
                        std::vector<std::pair<int, int>>(10, {1, 10})};
  std::string script = Tap(TITLE_MS, "space") + Shot(PLAY_MS) + Tap(PLAY_MS + 200, "h") +
                       Shot(PLAY_MS + 400) + Tap(PLAY_MS + 600, "left", 100) + Shot(PLAY_MS + 1000);
  Played run =
      RunGame("hint_gives_up", StageFile({StageBlock(picture)}), script + Close(PLAY_MS + 1500));
  std::string before = Screenshot(run.folder, 0);
  std::string noted = Screenshot(run.folder, 1);
  std::string moved = Screenshot(run.folder, 2);
  ASSERT_FALSE(moved.empty()) << run.result.err;
  EXPECT_FALSE(SamePicture(noted, before)) << "the note shows";
  EXPECT_TRUE(SameRegion(noted, before, 0, 0, 320, 180)) << "nothing moves";
  EXPECT_FALSE(SameRegion(moved, before, 240, 80, 320, 200)) << "the arrow still walks a day";
  EXPECT_TRUE(SameRegion(moved, before, 0, 180, 170, 240)) << "and the note is gone";
}

// The game's own cellars, as the player meets them.
std::string GameStages() {
  return testsupport::ReadFile(VAULMOOR_SOURCE_DIR "/data/stage.dat");
}

// Builds a script of taps and shots at a steady pace, keeping count of the shots.
struct Pace {
  std::string script;
  int at;
  int shots = 0;
  // Taps key (held holdMs), then takes a shot gapMs after the tap; returns that shot's number.
  int Press(const char* key, int holdMs = 50, int gapMs = 500) {
    script += Tap(at, key, holdMs) + Shot(at + holdMs + gapMs);
    at += holdMs + gapMs + 100;
    return shots++;
  }
  int TakeShot() {
    script += Shot(at);
    at += 100;
    return shots++;
  }
};

// Stage 1 begun with START, play idle at PLAY_MS.
Pace StageOne() {
  return Pace{Tap(TITLE_MS, "space"), PLAY_MS};
}

// Stage 1: walks that move no piece, from the start cell (1, 5).
const std::vector<const char*> SIX_STEPS = {"down", "right", "right", "up", "up", "left"};

std::vector<std::string> Shots(const Played& run, int count) {
  std::vector<std::string> shots;
  for (int n = 0; n < count; ++n) shots.push_back(Screenshot(run.folder, n));
  return shots;
}

// Giving up is one step of the history: Z takes it back to the position before Q, also
// after a move in the restarted stage, and Y plays everything taken back again.
TEST(PlayerHelp, GivingUpIsAStepTakenBackAndPlayedAgain) {
  Pace p = StageOne();
  std::vector<int> line = {p.TakeShot(), p.Press("down"), p.Press("right")};
  int restart = p.Press("q", 50, 6000);
  int moved = p.Press("up");
  std::vector<std::pair<int, int>> expected;  // a shot and the one it must equal
  for (int back : {restart, line[2], line[1], line[0]}) expected.push_back({p.Press("z"), back});
  for (int again : {line[1], line[2], restart, moved}) expected.push_back({p.Press("y"), again});
  expected.push_back({p.Press("y"), moved});  // nothing left to play again
  Played run = RunGame("give_up_undo_redo", GameStages(), p.script + Close(p.at));
  std::vector<std::string> shots = Shots(run, p.shots);
  ASSERT_FALSE(shots.back().empty()) << run.result.err;
  EXPECT_FALSE(SamePicture(shots[restart], shots[line[2]])) << "the stage restarted";
  for (const auto& [shot, same] : expected) {
    EXPECT_TRUE(SamePicture(shots[shot], shots[same])) << "shot " << shot << " shows " << same;
  }
}

// Holding Z takes a move back every quarter second, as a held arrow walks, back to the start.
TEST(PlayerHelp, HeldUndoRepeatsAsAHeldArrowWalks) {
  Pace p = StageOne();
  std::vector<int> line = {p.TakeShot()};
  for (const char* step : SIX_STEPS) line.push_back(p.Press(step));
  int threeBack = p.Press("z", 600);
  int atStart = p.Press("z", 3000);
  Played run = RunGame("held_undo", GameStages(), p.script + Close(p.at));
  std::vector<std::string> shots = Shots(run, p.shots);
  ASSERT_FALSE(shots.back().empty()) << run.result.err;
  EXPECT_TRUE(SamePicture(shots[threeBack], shots[line[3]])) << "0.6 s: three moves back";
  EXPECT_TRUE(SamePicture(shots[atStart], shots[line[0]])) << "3 s more: the start";
}

// Presses of Z and H made while a move or a delivery animates act once play is idle again:
// each run ends on the picture of its reference, which makes the same moves with arrows.
TEST(PlayerHelp, PressesDuringAMoveOrADeliveryActWhenPlayIsIdle) {
  CellarPicture twoDue{{"..0o....L", "@........", "..1o....L", ".........", ".........",
                        ".........", ".........", ".........", "........."},
                       2,
                       {{4, 6}, {4, 6}}};
  std::string stages = StageFile({StageBlock(twoDue)});
  struct Case {
    const char* name;
    std::string script;     // from play idle at `at`
    std::string reference;  // the same with arrows
  };
  const int at = PLAY_MS + 200;
  const std::string upRight = Tap(at, "up", 100) + Tap(at + 500, "right", 100);
  const Case cases[] = {
      {"undo_in_a_walk", Tap(at, "down", 100) + Tap(at + 100, "z"), ""},
      {"hint_in_a_walk", Tap(at, "up", 100) + Tap(at + 100, "h"), upRight},
      {"undo_in_a_delivery", upRight + Tap(at + 1000, "right", 100) + Tap(at + 1400, "z"), upRight},
  };
  const std::string end = Shot(at + 4000) + Close(at + 4500);
  for (const Case& c : cases) {
    const std::string start = Tap(TITLE_MS, "space");
    Played run = RunGame(std::string("kept_") + c.name, stages, start + c.script + end);
    Played reference =
        RunGame(std::string("kept_reference_") + c.name, stages, start + c.reference + end);
    std::string shot = Screenshot(run.folder, 0);
    ASSERT_FALSE(shot.empty()) << c.name << run.result.err;
    EXPECT_TRUE(SamePicture(shot, Screenshot(reference.folder, 0))) << c.name;
  }
}

// Presses made while the cellar collapses or the browser is open are dropped: the restarted
// stage and the stage after browsing stay as they would be without them.
TEST(PlayerHelp, PressesDuringTheCollapseOrTheBrowserAreDropped) {
  struct Case {
    const char* name;
    std::string scene;    // from play idle: giving up, or browsing
    std::string presses;  // while that scene runs
  };
  const int at = PLAY_MS + 200;
  const Case cases[] = {
      {"collapse", Tap(at, "q"), Tap(at + 800, "z") + Tap(at + 1300, "h") + Tap(at + 1800, "y")},
      {"browser", Tap(at, "space") + Tap(at + 1000, "space") + Tap(at + 1500, "space"),
       Tap(at + 600, "z") + Tap(at + 700, "h") + Tap(at + 800, "y")},
  };
  const std::string moveFirst = Tap(PLAY_MS - 400, "right", 100);  // something to undo
  const std::string shots = Shot(12000) + Shot(15000);
  for (const Case& c : cases) {
    const std::string start = Tap(TITLE_MS, "space") + moveFirst + c.scene;
    Played plain =
        RunGame(std::string("dropped_plain_") + c.name, GameStages(), start + shots + Close(15500));
    Played pressed = RunGame(std::string("dropped_pressed_") + c.name, GameStages(),
                             InTimeOrder(start + c.presses) + shots + Close(15500));
    for (size_t n = 0; n < 2; ++n) {
      std::string expected = Screenshot(plain.folder, n);
      ASSERT_FALSE(expected.empty()) << c.name << plain.result.err;
      EXPECT_TRUE(SamePicture(Screenshot(pressed.folder, n), expected)) << c.name << " shot " << n;
    }
  }
}

// Stage 1: the cheese pushed off the cold rots on the eighth move.
const std::vector<const char*> ROTTING_WALK = {"down",  "right", "right", "right",
                                               "right", "up",    "left",  "left"};

// In a lost stage the note names the reason; H again takes back the moves since the stage
// could last be cleared (here the last one), from where hints alone clear it; Y plays the
// taken-back move again.
TEST(PlayerHelp, SecondHintRewindsToTheLastPositionThatCanBeCleared) {
  Pace p = StageOne();
  std::vector<int> line = {p.TakeShot()};
  for (const char* step : ROTTING_WALK) line.push_back(p.Press(step));
  int noted = p.Press("h");
  int rewound = p.Press("h");
  int redone = p.Press("y");
  int undone = p.Press("z");
  for (int n = 0; n < 9; ++n) p.Press("h");  // seven moves clear it
  Played run = RunGame("rewind", GameStages(), p.script + Close(p.at + 3000));
  std::vector<std::string> shots = Shots(run, p.shots);
  ASSERT_FALSE(shots[undone].empty()) << run.result.err;
  const std::string& lost = shots[line.back()];
  EXPECT_FALSE(SamePicture(shots[noted], lost)) << "the note shows";
  EXPECT_TRUE(SameRegion(shots[noted], lost, 0, 0, 320, 160)) << "nothing moves";
  EXPECT_TRUE(SamePicture(shots[rewound], shots[line[7]])) << "one move back, the note gone";
  EXPECT_TRUE(SamePicture(shots[redone], lost)) << "Y plays it again";
  EXPECT_TRUE(SamePicture(shots[undone], shots[line[7]]));
  EXPECT_EQ(run.save(), "1 20") << "hints clear the stage from there";
  std::vector<std::string> trace = run.trace();
  EXPECT_NE(std::find_if(trace.begin(), trace.end(),
                         [](const std::string& l) { return l.ends_with(" note 0"); }),
            trace.end())
      << "the note says the cheese has rotted";
}

// The note names why the stage is lost, as the record of the run shows: a rotten cheese
// (note 0), or a mozzarella that waited too long to reach its hole before it turns
// over-ripe (note 2).
TEST(PlayerHelp, LostNoteNamesTheReason) {
  struct Case {
    const char* name;
    int stage;  // 0-based, started with CONTINUE
    std::vector<const char*> walk;
    const char* note;
  };
  std::vector<const char*> waiting;
  for (int n = 0; n < 6; ++n) waiting.insert(waiting.end(), {"down", "up"});
  const Case cases[] = {
      {"rotten", 0, ROTTING_WALK, " note 0"},
      {"too_late", 8, waiting, " note 2"},
  };
  for (const Case& c : cases) {
    Pace p{Tap(TITLE_MS, "down") + Tap(TITLE_MS + 500, "space"), PLAY_MS + 500};
    for (const char* step : c.walk) p.Press(step);
    p.Press("h");
    std::string save = testsupport::SaveText(c.stage);
    Played run = RunGame(std::string("lost_note_") + c.name, GameStages(), p.script + Close(p.at),
                         save.c_str());
    std::vector<std::string> trace = run.trace();
    EXPECT_EQ(
        std::count_if(trace.begin(), trace.end(),
                      [&](const std::string& l) { return l.find(" note ") != std::string::npos; }),
        1)
        << c.name;
    EXPECT_NE(std::find_if(trace.begin(), trace.end(),
                           [&](const std::string& l) { return l.ends_with(c.note); }),
              trace.end())
        << c.name;
  }
}

// A run folder for a run in real time without a screen, on the game's own cellars, with a
// save that continues at stage and the script.
std::string RealTimeFolder(const std::string& name, int stage, const std::string& script) {
  testsupport::Fixtures fixtures;
  fixtures.stageText = GameStages();
  std::string folder = testsupport::MakeRunFolder("game_" + name, fixtures);
  std::ofstream(folder + "data/save.dat") << testsupport::SaveText(stage);
  std::ofstream(folder + "real_time.txt") << script;
  return folder;
}

// In the designed language, as the headless runs it is compared with.
testsupport::RunResult PlayInRealTime(const std::string& folder) {
  return testsupport::RunProgram(folder,
                                 {"--window", "--script", "real_time.txt", "--trace", "trace.txt"},
                                 {"SDL_VIDEODRIVER=dummy", testsupport::DESIGNED_LOCALE});
}

// A hint asked for in real time, while its answer is still being worked out, never plays
// by itself once the position it was asked for is left, even when the restarted stage
// stands as it was: H with Q, H with the browser, H while an arrow walks into a fatal push
// (stage 20's first four moves down deliver an old cheese). Each run ends as the same run
// without H does, held there for 3 s. Keys are held 150 ms, so that a slow frame sees them;
// the three runs go on side by side.
TEST(PlayerHelp, HintsAskedInRealTimeNeverPlayByThemselves) {
  struct Case {
    const char* name;
    int stage;          // 0-based
    std::string play;   // from play idle at about 6.7 s
    std::string hints;  // the H presses
  };
  auto hold = [](int ms, const char* key, int holdMs = 150) { return Tap(ms, key, holdMs); };
  const Case cases[] = {
      {"give_up", 31, hold(8000, "q"), hold(8000, "h")},
      {"browser", 31, hold(8000, "space") + hold(9000, "space") + hold(9600, "space"),
       hold(8000, "h")},
      {"fatal_push", 19, hold(7900, "down", 2500), hold(7900, "h")},
  };
  const std::string title = hold(4000, "down") + hold(4600, "space");
  const std::string shots = "20000 shot\n23000 shot\n";
  const std::string close = Close(23500);
  // Every folder is made before any run starts: a program file still open for writing when
  // another thread starts a process cannot be run.
  std::vector<std::string> folders, expected;
  for (const Case& c : cases) {
    folders.push_back(RealTimeFolder(std::string("real_time_") + c.name, c.stage,
                                     InTimeOrder(title + c.play + c.hints + shots) + close));
    Played plain = RunGame(std::string("real_time_reference_") + c.name, GameStages(),
                           InTimeOrder(title + c.play + shots) + close,
                           testsupport::SaveText(c.stage).c_str());
    for (size_t n = 0; n < 2; ++n) expected.push_back(Screenshot(plain.folder, n));
    ASSERT_FALSE(expected.back().empty()) << c.name << plain.result.err;
  }
  std::vector<std::future<testsupport::RunResult>> runs;
  for (const std::string& folder : folders) {
    runs.push_back(std::async(std::launch::async, PlayInRealTime, folder));
  }
  for (size_t i = 0; i < std::size(cases); ++i) {
    testsupport::RunResult run = runs[i].get();
    EXPECT_EQ(run.exitStatus, 1) << cases[i].name << ": " << run.err;
    for (size_t n = 0; n < 2; ++n) {
      EXPECT_TRUE(SamePicture(Screenshot(folders[i], n), expected[2 * i + n]))
          << cases[i].name << " shot " << n;
    }
  }
}

}  // namespace
