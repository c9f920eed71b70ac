// Headless runs of a stage set of one's own (--stages FILE): played from START to the
// ending with its own save and records, continued, listed, and refused when damaged.
#include <gtest/gtest.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/cellar_file.h"
#include "game/solution_file.h"
#include "game_run.h"
#include "support/run_folder.h"
#include "support/script_text.h"
#include "support/stage_text.h"

namespace {

using game_run::InTimeOrder;
using game_run::TITLE_MS;
using testsupport::Close;
using testsupport::RunResult;
using testsupport::Tap;

constexpr const char* SET_FILE = "mine.dat";

// Cellar 1 of the game (four pushes to the right clear it), untitled; then a cellar of our
// own, cleared by its first move, titled.
std::string TwoCellars() {
  const std::string game = testsupport::ReadFile(VAULMOOR_SOURCE_DIR "/data/stage.dat");
  return game.substr(0, game.find("\n\n") + 1) + "\n" + game_test::PlainStageBlock() +
         "\ntitle 2 Two\n";
}

// A player's folder of the game's own files, with a main save and a set of one's own.
class OwnSet : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testsupport::MakeGameFolder(
        "own_set", testsupport::ReadFile(VAULMOOR_SOURCE_DIR "/data/stage.dat"));
    Write("data/save.dat", testsupport::SaveText(5));
    Write(SET_FILE, TwoCellars());
  }

  RunResult Play(const std::string& script,
                 std::vector<std::string> args = {"--stages", SET_FILE}) {
    std::remove((folder_ + "trace.txt").c_str());
    args.insert(args.end(), {"--until", "60000", "--trace", "trace.txt"});
    return testsupport::RunHeadless(folder_, InTimeOrder(script), args);
  }
  RunResult Run(const std::vector<std::string>& args) {
    return testsupport::RunProgram(folder_, args);
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ + name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const { return testsupport::ReadFile(folder_ + name); }
  // The lines of the last run's trace that end with event (" intro 2").
  std::vector<std::string> Traced(const std::string& event) const {
    std::vector<std::string> found;
    for (const std::string& line : testsupport::ReadLines(folder_ + "trace.txt"))
      if (line.ends_with(event)) found.push_back(line);
    return found;
  }
  // The file the game keeps for the set under the name it keeps for its own ("save").
  std::string SetFile(const std::string& kind) const {
    static game::CellarFile file;
    game::StageFileError error{};
    EXPECT_EQ(game::LoadCellarFile((folder_ + SET_FILE).c_str(), &file, &error), 1) << error.text;
    char id[17];
    std::snprintf(id, sizeof id, "%016" PRIx64, game::StageSetId(file.stages, file.count));
    return "data/" + kind + "-" + id + ".dat";
  }
  std::string LastShot() const {
    size_t count = 0;
    while (testsupport::FileExists(testsupport::ScreenshotPath(folder_, count))) ++count;
    return count > 0 ? game_run::Screenshot(folder_, count - 1) : "";
  }

  std::string folder_;
};

// START, cellar 1 cleared with four pushes, cellar 2 with one move after its intro card.
std::string PlayBothCellars() {
  std::string script = Tap(TITLE_MS, "space");
  for (int n = 0; n < 4; ++n) script += Tap(5500 + 400 * n, "right", 60);
  return script + Tap(12500, "right", 60) + Close(15000);
}

int TimeOf(const std::string& line) {
  return std::stoi(line);
}

TEST_F(OwnSet, PlaysFromStartToTheEndingWithItsOwnSaveAndRecords) {
  const RunResult run = Play(PlayBothCellars());
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  ASSERT_EQ(Traced(" intro 1").size(), 1u);
  ASSERT_EQ(Traced(" intro 2").size(), 1u);
  ASSERT_EQ(Traced(" clear 2").size(), 1u);
  ASSERT_EQ(Traced(" scene 9").size(), 1u) << "the ending";
  EXPECT_LT(TimeOf(Traced(" clear 1")[0]), TimeOf(Traced(" intro 2")[0]));
  EXPECT_LT(TimeOf(Traced(" clear 2")[0]), TimeOf(Traced(" scene 9")[0]));
  EXPECT_TRUE(Traced(" intro 3").empty());

  // Its own save and records; the game's own untouched.
  EXPECT_EQ(Read(SetFile("save")), testsupport::SaveText(1));
  EXPECT_NE(Read(SetFile("records")).find("\n1 0 RRRR\n2 0 R\n"), std::string::npos)
      << Read(SetFile("records"));
  EXPECT_EQ(Read("data/save.dat"), testsupport::SaveText(5));
  EXPECT_FALSE(testsupport::FileExists(folder_ + "data/records.dat"));

  const RunResult listed = Run({"--stages", SET_FILE, "--records", "--lang", "en"});
  EXPECT_EQ(listed.exitStatus, 0) << listed.err;
  EXPECT_EQ(listed.out,
            "1  Drop it down the hole  fewest 4, shortest 4\n2  Two  fewest 1, shortest 1\n");
  EXPECT_EQ(Run({"--records", "--lang", "en"}).out, "No cellar has been cleared yet.\n");
}

TEST_F(OwnSet, ContinueStopsAtTheLastCellarOfTheSet) {
  struct Case {
    const char* what;
    std::string save;  // the set's save file
    const char* intro;
  };
  const Case cases[] = {
      {"saved at cellar 2", testsupport::SaveText(1), " intro 2"},
      {"an index past the set", testsupport::SaveText(2), " intro 1"},
  };
  for (const Case& c : cases) {
    Write(SetFile("save"), c.save);
    const RunResult run =
        Play(Tap(TITLE_MS, "down") + Tap(TITLE_MS + 500, "space") + Close(TITLE_MS + 1500));
    ASSERT_EQ(run.exitStatus, 1) << c.what << ": " << run.err;
    EXPECT_EQ(Traced(" intro 1").size() + Traced(" intro 2").size(), 1u) << c.what;
    EXPECT_EQ(Traced(c.intro).size(), 1u) << c.what;
  }
}

TEST_F(OwnSet, TheGamesOwnCellarShowsItsDesignedTitle) {
  const std::string cardAt = std::to_string(TITLE_MS + 1000) + " shot\n";
  ASSERT_EQ(Play(Tap(TITLE_MS, "space") + cardAt + Close(TITLE_MS + 1500)).exitStatus, 1);
  const std::string own = LastShot();
  ASSERT_EQ(Play(Tap(TITLE_MS, "space") + cardAt + Close(TITLE_MS + 1500), {}).exitStatus, 1);
  const std::string game = LastShot();
  ASSERT_FALSE(own.empty());
  EXPECT_TRUE(game_run::SameRegion(own, game, 20, 80, 220, 160));

  // Another cellar in first place: no designed title, the card's band stays empty.
  Write(SET_FILE, game_test::PlainStageBlock());
  ASSERT_EQ(Play(Tap(TITLE_MS, "space") + cardAt + Close(TITLE_MS + 1500)).exitStatus, 1);
  EXPECT_TRUE(game_run::SameRegion(LastShot(), game, 20, 80, 220, 108)) << "the heading";
  EXPECT_FALSE(game_run::SameRegion(LastShot(), game, 20, 108, 220, 132)) << "no title";
}

// A title too wide for the card's line stands in small letters on the band's two lines.
TEST_F(OwnSet, ALongTitleTakesTwoLinesOfTheBand) {
  const std::string cardAt = std::to_string(TITLE_MS + 1000) + " shot\n";
  const std::string script = Tap(TITLE_MS, "space") + cardAt + Close(TITLE_MS + 1500);
  Write(SET_FILE, game_test::PlainStageBlock());
  ASSERT_EQ(Play(script).exitStatus, 1);
  const std::string untitled = LastShot();
  Write(SET_FILE, game_test::PlainStageBlock() +
                      "\ntitle 1 A cellar of my own, whose title runs on past one line\n");
  ASSERT_EQ(Play(script).exitStatus, 1);
  const std::string titled = LastShot();
  ASSERT_FALSE(untitled.empty());
  EXPECT_TRUE(game_run::SameRegion(titled, untitled, 20, 80, 220, 108)) << "above the band";
  EXPECT_FALSE(game_run::SameRegion(titled, untitled, 26, 108, 214, 120)) << "the first line";
  EXPECT_FALSE(game_run::SameRegion(titled, untitled, 26, 120, 214, 132)) << "the second line";
  EXPECT_TRUE(game_run::SameRegion(titled, untitled, 20, 132, 220, 160)) << "below the band";
  EXPECT_TRUE(game_run::SameRegion(titled, untitled, 20, 108, 26, 132)) << "inside the band";
}

TEST(OwnSets, DamagedFilesAreRefusedBeforeAnythingStarts) {
  const std::string folder = testsupport::MakeRunFolderForTest();
  std::string thirtyThree;
  for (int s = 0; s < 33; ++s) thirtyThree += game_test::PlainStageBlock();
  const std::string plain = game_test::PlainStageBlock();
  struct Case {
    const char* file;
    std::string bytes;
    const char* fault;
  };
  const Case cases[] = {
      {"empty.dat", "", "stage 1, number 1 (line 1): the file ends where the start column is due"},
      {"short.dat", plain + plain.substr(0, 30), "stage 2, number "},
      {"value.dat", "1 1 0 11\n" + plain.substr(8), "cheese count 11 is outside 0..10"},
      {"title.dat", plain + "\ntitle 2 Two\n",
       "line 14: a title for cellar 2, but the file holds 1"},
      {"many.dat", thirtyThree, "a 33rd cellar"},
      {"folder", "", "the stage file is a folder"},
      {"missing.dat", "", "the stage file does not exist"},
  };
  for (const Case& c : cases) {
    const std::string path = folder + c.file;
    if (std::string(c.file) == "folder") {
      std::filesystem::create_directory(path);
    } else if (std::string(c.file) != "missing.dat") {
      std::ofstream(path, std::ios::binary) << c.bytes;
    }
    const RunResult run = testsupport::RunHeadless(folder, Tap(TITLE_MS, "space") + Close(4000),
                                                   {"--stages", c.file, "--trace", "trace.txt"});
    EXPECT_EQ(run.exitStatus, 2) << c.file;
    EXPECT_EQ(run.err.rfind(std::string("vaulmoor: ") + c.file + ": ", 0), 0u)
        << c.file << ": " << run.err;
    EXPECT_NE(run.err.find(c.fault), std::string::npos) << c.file << ": " << run.err;
    EXPECT_FALSE(testsupport::FileExists(folder + "trace.txt")) << c.file << ": nothing started";
    EXPECT_FALSE(testsupport::FileExists(folder + "data/save.dat")) << c.file;
  }
}

}  // namespace
