// Headless runs of the records, the cellar chosen on the title and the replays of clears.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "game_run.h"
#include "support/run_folder.h"
#include "support/script_text.h"

namespace {

using game_run::InTimeOrder;
using game_run::Screenshot;
using game_run::TITLE_MS;
using testsupport::Close;
using testsupport::RunResult;
using testsupport::Tap;

constexpr int MOVE_MS = 400;
// From the title: CONTINUE, then Left or Right presses, then Space.
constexpr int CHOICE_MS = 500;
// From Space on the title to the first move: the intro card's 2 s.
constexpr int CARD_MS = 2500;

// A run folder of the game's own cellars, kept over several runs like a player's folder.
class Player {
 public:
  explicit Player(const std::string& name) {
    folder_ = testsupport::MakeGameFolder(
        "records_" + name, testsupport::ReadFile(VAULMOOR_SOURCE_DIR "/data/stage.dat"));
  }

  // Plays script headless; the scenes are recorded in trace.txt.
  RunResult Play(const std::string& script, const std::vector<std::string>& args = {}) {
    std::vector<std::string> all = {"--until", "60000", "--trace", "trace.txt"};
    all.insert(all.end(), args.begin(), args.end());
    return testsupport::RunHeadless(folder_, InTimeOrder(script), all);
  }

  RunResult Run(const std::vector<std::string>& args) {
    return testsupport::RunProgram(folder_, args);
  }

  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ + name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const { return testsupport::ReadFile(folder_ + name); }

  // When the last run's cellar n was cleared, in ms of its clock; -1 when it was not.
  int ClearedAt(int n) const {
    for (const std::string& line : testsupport::ReadLines(folder_ + "trace.txt")) {
      if (line.ends_with(" clear " + std::to_string(n))) return std::stoi(line);
    }
    return -1;
  }

  // The n-th last screenshot taken in this folder (0: the last).
  std::string Shot(size_t back = 0) const {
    size_t count = 0;
    while (testsupport::FileExists(testsupport::ScreenshotPath(folder_, count))) ++count;
    return count > back ? Screenshot(folder_, count - 1 - back) : "";
  }

  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
};

// A picture of the frame shown at ms.
std::string Shot(int ms) {
  return std::to_string(ms) + " shot\n";
}

// Taps the moves (U, R, D, L) from at on, one every MOVE_MS.
std::string Moves(int at, const std::string& moves) {
  std::string script;
  for (char move : moves) {
    const char* key = move == 'U' ? "up" : move == 'R' ? "right" : move == 'D' ? "down" : "left";
    script += Tap(at, key, 60);
    at += MOVE_MS;
  }
  return script;
}

// START and cellar 1 played with moves.
std::string StartAndPlay(const std::string& moves) {
  return Tap(TITLE_MS, "space") + Moves(TITLE_MS + CARD_MS, moves);
}

// CONTINUE with the steps (Left and Right presses) before Space, then moves; shots of the
// title before Space and of the intro card.
std::string ChooseAndPlay(const std::vector<const char*>& steps, const std::string& moves) {
  std::string script = Tap(TITLE_MS, "down");
  int at = TITLE_MS + CHOICE_MS;
  for (const char* step : steps) {
    script += Tap(at, step);
    at += CHOICE_MS;
  }
  script += Shot(at - 100) + Shot(at + 1000);
  return script + Tap(at, "space") + Moves(at + CARD_MS, moves);
}

// Cellar 1 of the game: four pushes to the right drop its cheese; RLRRRR takes a detour.
constexpr const char* SHORTEST_1 = "RRRR";
constexpr const char* DETOUR_1 = "RLRRRR";

TEST(Records, ChoosingACellarStopsAtBothEndsAndNeverLowersTheSave) {
  Player player("choose");
  // A new game: cellar 1 cleared with a detour, a first record.
  ASSERT_EQ(player.Play(StartAndPlay(DETOUR_1) + Shot(TITLE_MS + 1000) + Close(14000)).exitStatus,
            1);
  ASSERT_GT(player.ClearedAt(1), 0);
  EXPECT_EQ(player.Read("data/save.dat"), testsupport::SaveText(1));
  const std::string startCard = player.Shot();
  // As if cellar 2 had been cleared too: the save names cellar 3.
  player.Write("data/save.dat", testsupport::SaveText(2));

  // Left stops at cellar 1, Right at cellar 3; the cellar 2, never cleared since the save,
  // is passed on the way.
  struct Case {
    const char* name;
    std::vector<const char*> steps;
    int cellar;  // the intro card's, as the player counts
  };
  const Case cases[] = {
      {"left to the end", {"left", "left", "left"}, 1},
      {"right stops", {"right", "right"}, 3},
      {"back and forth", {"left", "left", "right"}, 2},
  };
  std::string chosenCard;
  for (const Case& c : cases) {
    ASSERT_EQ(player.Play(ChooseAndPlay(c.steps, "") + Close(9000)).exitStatus, 1) << c.name;
    if (c.cellar == 1) chosenCard = player.Shot();
    const auto trace = testsupport::ReadLines(player.folder() + "trace.txt");
    EXPECT_NE(std::find_if(trace.begin(), trace.end(),
                           [&](const std::string& l) {
                             return l.ends_with(" intro " + std::to_string(c.cellar));
                           }),
              trace.end())
        << c.name;
  }

  // The chosen cellar 1's card is the one START shows, with the record under it.
  ASSERT_FALSE(startCard.empty());
  EXPECT_TRUE(game_run::SameRegion(chosenCard, startCard, 20, 80, 220, 160));
  EXPECT_FALSE(game_run::SamePicture(chosenCard, startCard)) << "the record shows";

  // Cellar 1 chosen and cleared by a shortest way: its record is replaced, and the save
  // keeps cellar 3.
  ASSERT_EQ(
      player.Play(ChooseAndPlay({"left", "left", "left"}, SHORTEST_1) + Close(16000)).exitStatus,
      1);
  const int cleared = player.ClearedAt(1);
  ASSERT_GT(cleared, 0);
  EXPECT_EQ(player.Read("data/save.dat"), testsupport::SaveText(2));

  // A worse clear keeps the record.
  ASSERT_EQ(player.Play(ChooseAndPlay({"left", "left"}, DETOUR_1) + Close(16000)).exitStatus, 1);
  ASSERT_GT(player.ClearedAt(1), 0);
  const RunResult listed = player.Run({"--records", "--lang", "en"});
  EXPECT_EQ(listed.exitStatus, 0);
  EXPECT_EQ(listed.out, "1  Drop it down the hole  fewest 4, shortest 4\n");

  // The best clear replayed ends on the picture of the clear that made it.
  const std::string recordedAt = Shot(cleared + 250);
  ASSERT_EQ(
      player.Play(ChooseAndPlay({"left", "left", "left"}, SHORTEST_1) + recordedAt + Close(16000))
          .exitStatus,
      1);
  const std::string recordedClear = player.Shot();
  ASSERT_EQ(player.Play("", {"--replay", "1"}).exitStatus, 1);
  const int replayed = player.ClearedAt(1);
  ASSERT_GT(replayed, 0) << "the replay clears cellar 1 by itself";
  ASSERT_EQ(player.Play(Shot(replayed + 250), {"--replay", "1"}).exitStatus, 1);
  EXPECT_TRUE(game_run::SamePicture(player.Shot(), recordedClear));
  EXPECT_EQ(player.Read("data/save.dat"), testsupport::SaveText(2)) << "a replay saves nothing";
}

// The hints that helped a clear are kept with it; the same moves without hints are better.
TEST(Records, HintUseIsKept) {
  Player player("hints");
  std::string hinted = Tap(TITLE_MS, "space");
  for (int n = 0; n < 4; ++n) hinted += Tap(TITLE_MS + CARD_MS + n * MOVE_MS, "h", 60);
  ASSERT_EQ(player.Play(hinted + Close(13000)).exitStatus, 1);
  EXPECT_EQ(player.Run({"--records", "--lang", "en"}).out,
            "1  Drop it down the hole  fewest 4, shortest 4, with hints\n");
  ASSERT_EQ(player.Play(StartAndPlay(SHORTEST_1) + Close(13000)).exitStatus, 1);
  EXPECT_EQ(player.Run({"--records", "--lang", "en"}).out,
            "1  Drop it down the hole  fewest 4, shortest 4\n");
}

// A records file that cannot be used is set aside with one line on standard error; the
// game plays on, records the next clear afresh and saves as it always does.
TEST(Records, DamagedRecordsFilesAreSetAside) {
  const std::string valid = "vaulmoor records 1\nstage set 4ca0df7f0f6c0607\n1 0 RLRRRR\n";
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"truncated", valid.substr(0, valid.size() - 3)},
      {"random bytes", std::string("\x8f\x01\xff\x00garbage\x7f", 13)},
      {"another stage file's", "vaulmoor records 1\nstage set 0123456789abcdef\n1 0 RRRR\n"},
      {"moves that do not clear", "vaulmoor records 1\nstage set 4ca0df7f0f6c0607\n1 0 LLLL\n"},
  };
  for (const Case& c : cases) {
    Player player(std::string("damaged_") + c.name);
    player.Write("data/records.dat", c.bytes);
    const RunResult run = player.Play(StartAndPlay(SHORTEST_1) + Close(13000));
    EXPECT_EQ(run.exitStatus, 1) << c.name;
    EXPECT_NE(run.err.find("set aside"), std::string::npos) << c.name << ": " << run.err;
    EXPECT_EQ(player.Read("data/records.dat.bad"), c.bytes) << c.name;
    EXPECT_EQ(player.Read("data/save.dat"), testsupport::SaveText(1)) << c.name;
    EXPECT_EQ(player.Read("data/records.dat"),
              "vaulmoor records 1\nstage set 4ca0df7f0f6c0607\n1 0 RRRR\n")
        << c.name;
  }
}

// The shortest clears that come with the game count only for the stages they name; for
// other stages the solver works them out.
TEST(Records, ShippedShortestClearsBelongToTheirStages) {
  struct Case {
    const char* name;
    const char* stageSet;
    const char* listed;
  };
  const Case cases[] = {
      {"the game's stages", "4ca0df7f0f6c0607", "fewest 4, shortest 3"},
      {"other stages", "0123456789abcdef", "fewest 4, shortest 4"},
  };
  for (const Case& c : cases) {
    Player player(std::string("shipped_") + c.name);
    player.Write("data/records.dat", "vaulmoor records 1\nstage set 4ca0df7f0f6c0607\n1 0 RRRR\n");
    // A figure no solver would give, to tell the file's from the solver's.
    player.Write("data/shortest.dat", std::string("; stage set ") + c.stageSet + "\n1 3 RRR\n");
    const RunResult listed = player.Run({"--records", "--lang", "en"});
    EXPECT_EQ(listed.exitStatus, 0) << c.name;
    EXPECT_NE(listed.out.find(c.listed), std::string::npos) << c.name << ": " << listed.out;
  }
}

// Replay files are read before anything starts: a malformed one is refused with its line
// and column, as is a cellar without a recorded clear.
TEST(Records, ReplaysRefuseWhatCannotBePlayed) {
  Player player("refused");
  struct Case {
    const char* name;
    const char* file;  // nullptr: the argument alone
    const char* argument;
    const char* says;
  };
  const Case cases[] = {
      {"a letter that is no move", "1 RRXR\n", "moves.txt", "moves.txt:1:5:"},
      {"a cellar out of range", "; shared\n\n33 RRRR\n", "moves.txt", "moves.txt:3:1:"},
      {"no moves", "2\n", "moves.txt", "moves.txt:1:2:"},
      {"nothing at all", "", "moves.txt", "no moves"},
      {"no such file", nullptr, "missing.txt", "missing.txt: the replay file does not exist"},
      {"cellar 0", nullptr, "0", "from 1 to 32"},
      {"no record", nullptr, "5", "no clear of cellar 5 is recorded"},
  };
  for (const Case& c : cases) {
    if (c.file != nullptr) player.Write(c.argument, c.file);
    const RunResult run = player.Play("", {"--replay", c.argument});
    EXPECT_EQ(run.exitStatus, 2) << c.name;
    EXPECT_NE(run.err.find(c.says), std::string::npos) << c.name << ": " << run.err;
  }
  const RunResult none = player.Run({"--records", "--lang", "en"});
  EXPECT_EQ(none.exitStatus, 0);
  EXPECT_EQ(none.out, "No cellar has been cleared yet.\n");
}

// A shared file plays its cellars one after another, then the game closes by itself.
TEST(Records, ReplayFilesPlayEachCellarInTurn) {
  Player player("shared");
  player.Write("moves.txt", "; two cellars\n1 RRRR\n3 RRRRDRUU\n");
  const RunResult run = player.Play("", {"--replay", "moves.txt"});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_GT(player.ClearedAt(1), 0);
  EXPECT_GT(player.ClearedAt(3), player.ClearedAt(1));
  EXPECT_FALSE(testsupport::FileExists(player.folder() + "data/records.dat"));
}

}  // namespace
