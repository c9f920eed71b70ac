// Headless runs of the cellar editor (--edit FILE, and E on the title), driven by the mouse
// and the keys: drawing a new file that gets its verdict and plays through --stages, the
// game's stage file saved unchanged, damaged files refused, trying a cellar and watching its
// shortest clear, titles typed, and leaving with changes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/cellar_file.h"
#include "game/cellar_source.h"
#include "game_run.h"
#include "support/run_folder.h"
#include "support/script_text.h"

namespace {

using game_run::InTimeOrder;
using testsupport::Close;
using testsupport::RunResult;
using testsupport::Tap;

constexpr const char* EDITED = "mine.dat";

// Pieces of the palette, as its shelves hold them: three to a shelf.
constexpr int PIECE_HOLE = 2, PIECE_LINE_SNOWMAN = 4, PIECE_PLAYER = 5, PIECE_FETA = 6;

// The script of one run of the editor, event by event, a tenth of a second apart.
struct EditorScript {
  uint32_t at = 100;
  std::string text;
  uint32_t Next(uint32_t step = 100) { return at += step; }
  void Key(const std::string& key) { text += Tap(Next(), key); }
  void Keys(const std::vector<std::string>& keys) {
    for (const std::string& key : keys) Key(key);
  }
  void Click(int x, int y, const char* button = "left") {
    text += std::to_string(Next()) + " press " + std::to_string(x) + " " + std::to_string(y) + " " +
            button + "\n";
    text += std::to_string(at + 20) + " release " + std::to_string(x) + " " + std::to_string(y) +
            " " + button + "\n";
  }
  // The middle of cell (x, y) of the board, and of a piece of the palette.
  void ClickCell(int x, int y, const char* button = "left") { Click(24 * x, 24 * y, button); }
  void ChoosePiece(int piece) { Click(243 + 24 * (piece % 3) + 12, 36 + 24 * (piece / 3) + 10); }
  void Line(const std::string& event) { text += std::to_string(Next()) + " " + event + "\n"; }
  void Wait(uint32_t ms) { at += ms; }
  std::string Closed() const { return text + Close(at + 2000); }
};

// A cellar cleared by pushes to the right: the player, a feta, a hole in its row and a line
// snowman beyond it chilling the row; drawn with the mouse.
void DrawPushCellar(EditorScript& s, int holeX) {
  s.ChoosePiece(PIECE_PLAYER);
  s.ClickCell(2, 5);
  s.ChoosePiece(PIECE_FETA);
  s.ClickCell(3, 5);
  s.ChoosePiece(PIECE_HOLE);
  s.ClickCell(holeX, 5);
  s.ChoosePiece(PIECE_LINE_SNOWMAN);
  s.ClickCell(holeX + 1, 5);
}

// The one cleared by a single push.
void DrawOnePushCellar(EditorScript& s) {
  DrawPushCellar(s, 4);
}

// The same cellar's stage file, as the editor writes it.
std::string OnePushStageFile(const std::string& titles = "") {
  std::string text = "2 5 1 1  0 1\n";
  for (int y = 1; y <= 9; ++y) {
    text += y == 5 ? "0 0 7 3 5 0 0 0 0\n" : "0 0 0 0 0 0 0 0 0\n";
  }
  return titles.empty() ? text : text + "\n" + titles;
}

// A cellar whose first cell holds 6, which no cell may.
std::string ValueSixFile() {
  std::string text = "2 5 1 1  0 1\n6";
  for (int cell = 1; cell < 81; ++cell) text += " 0";
  return text + "\n";
}

class EditorRun : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testsupport::MakeGameFolder(
        "editor_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()),
        testsupport::ReadFile(VAULMOOR_SOURCE_DIR "/data/stage.dat"));
  }
  RunResult Edit(const std::string& script, std::vector<std::string> args = {"--edit", EDITED}) {
    std::remove((folder_ + "trace.txt").c_str());
    args.insert(args.end(), {"--until", "60000", "--trace", "trace.txt"});
    return testsupport::RunHeadless(folder_, InTimeOrder(script), args);
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ + name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) const { return testsupport::ReadFile(folder_ + name); }
  bool Exists(const std::string& name) const { return testsupport::FileExists(folder_ + name); }
  // The files of data/ whose names begin with prefix ("records", "save").
  std::vector<std::string> DataFiles(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder_ + "data")) {
      const std::string name = entry.path().filename().string();
      if (name.starts_with(prefix)) found.push_back(name);
    }
    return found;
  }
  std::vector<std::string> Trace() const { return testsupport::ReadLines(folder_ + "trace.txt"); }
  // The events of the trace without their times ("scene 10", "verdict 1").
  std::vector<std::string> Events() const {
    std::vector<std::string> events;
    for (const std::string& line : Trace()) events.push_back(line.substr(line.find(' ') + 1));
    return events;
  }
  // The time of the last trace line with that event, or -1.
  long LastTimeOf(const std::string& event) const {
    long time = -1;
    for (const std::string& line : Trace())
      if (line.substr(line.find(' ') + 1) == event) time = std::stol(line);
    return time;
  }
  std::string folder_;
};

// True when the events hold these in this order (others may come between).
bool InOrder(const std::vector<std::string>& events, const std::vector<std::string>& wanted) {
  size_t next = 0;
  for (const std::string& event : events)
    if (next < wanted.size() && event == wanted[next]) ++next;
  return next == wanted.size();
}

TEST_F(EditorRun, ANewFileDrawnWithTheMouseIsJudgedAndPlaysThroughItsStageSet) {
  EditorScript s;
  DrawOnePushCellar(s);
  const uint32_t lastChange = s.at + 20;  // the last release
  s.Wait(300);
  s.Key("s");
  RunResult run = Edit(s.Closed());
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  const std::vector<std::string> events = Events();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back(), "verdict 1");
  // Judged within a second (of the run's clock) of the last change.
  const long judged = LastTimeOf("verdict 1");
  EXPECT_GE(judged, long{lastChange});
  EXPECT_LE(judged, long{lastChange} + 1000);
  EXPECT_EQ(Read(EDITED), OnePushStageFile());

  // The file plays as a stage set of one's own: its cellar, then the ending.
  std::remove((folder_ + "trace.txt").c_str());
  RunResult played =
      testsupport::RunHeadless(folder_, Tap(3000, "space") + Tap(5500, "right", 100) + Close(12000),
                               {"--stages", EDITED, "--trace", "trace.txt"});
  EXPECT_EQ(played.exitStatus, 1) << played.err;
  EXPECT_TRUE(InOrder(Events(), {"stage 1", "intro 1", "clear 1", "scene 9"}));
}

TEST_F(EditorRun, TheGamesStageFileSavedWithoutChangesIsTheSameBytes) {
  const std::string game = Read("data/stage.dat");
  struct stat before {};
  ASSERT_EQ(stat((folder_ + "data/stage.dat").c_str(), &before), 0);
  EditorScript s;
  s.Key("s");
  s.Key("e");
  RunResult run = Edit(s.Closed(), {"--edit", "data/stage.dat"});
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  struct stat after {};
  ASSERT_EQ(stat((folder_ + "data/stage.dat").c_str(), &after), 0);
  EXPECT_NE(before.st_ino, after.st_ino) << "the file was not written";
  EXPECT_EQ(Read("data/stage.dat"), game);
  // Its readable source lies beside it and reads back to the same cellars.
  game::CellarFile file;
  std::string error;
  ASSERT_TRUE(
      game::ParseCellarSource(Read("data/stage.txt"), game::SourceKind::PlayerSet, &file, &error))
      << error;
  EXPECT_EQ(game::FormatStageFile(file), game);
}

TEST_F(EditorRun, DamagedFilesAreRefusedAtStart) {
  const std::string one = OnePushStageFile();
  const struct {
    const char* name;
    std::string bytes;  // empty: a folder
    const char* fault;
  } cases[] = {
      {"short.dat", one.substr(0, one.size() / 2), "the file ends"},
      {"value.dat", ValueSixFile(), "holds 6"},
      {"title.dat", one + "\ntitle 2 Two\n", "a title for cellar 2"},
      {"folder.dat", "", "is a folder"},
  };
  for (const auto& c : cases) {
    if (c.bytes.empty()) {
      std::filesystem::create_directories(folder_ + c.name);
    } else {
      Write(c.name, c.bytes);
    }
    RunResult run = Edit(Close(1000), {"--edit", c.name});
    EXPECT_EQ(run.exitStatus, 2) << c.name;
    EXPECT_NE(run.err.find(std::string("vaulmoor: ") + c.name), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.fault), std::string::npos) << run.err;
    EXPECT_TRUE(Trace().empty()) << c.name << ": refused before the game began";
  }
  RunResult both = Edit(Close(1000), {"--edit", EDITED, "--stages", EDITED});
  EXPECT_EQ(both.exitStatus, 2);
  EXPECT_NE(both.err.find("--edit cannot be used with --stages"), std::string::npos) << both.err;
}

// Tried, the cellar plays with its intro card and clears, then the editor comes back; the
// main save and records are never written.
TEST_F(EditorRun, ACellarTriedClearsAndComesBackWithoutSavingAnything) {
  EditorScript s;
  DrawOnePushCellar(s);
  s.Key("p");
  s.Wait(2500);  // the intro card
  s.Key("right");
  s.Wait(4000);       // the delivery and the clear
  s.ClickCell(7, 7);  // back in the editor, drawing: a line snowman
  RunResult run = Edit(s.Closed());
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_TRUE(InOrder(Events(), {"verdict 1", "stage 1", "intro 1", "scene 1", "scene 4", "clear 1",
                                 "scene 10", "verdict 1"}));
  EXPECT_TRUE(DataFiles("save").empty());
  EXPECT_TRUE(DataFiles("records").empty());
  EXPECT_FALSE(Exists(EDITED));
}

// Esc in a trial comes back to the editor with its undo history: Z takes the snowman back,
// and without its cold the feta rots.
TEST_F(EditorRun, EscInATrialComesBackWhereTheEditorWas) {
  EditorScript s;
  DrawOnePushCellar(s);
  s.Key("p");
  s.Wait(2500);
  s.Key("esc");
  s.Wait(500);
  s.Key("z");
  RunResult run = Edit(s.Closed());
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  const std::vector<std::string> events = Events();
  EXPECT_TRUE(InOrder(events, {"verdict 1", "intro 1", "scene 1", "scene 10", "verdict lost"}));
  EXPECT_FALSE(InOrder(events, {"intro 1", "clear 1"}));
}

TEST_F(EditorRun, TheShortestClearPlaysAsAReplayAndComesBack) {
  EditorScript s;
  DrawOnePushCellar(s);
  s.Key("r");
  s.Wait(6000);
  s.Click(40, 234);  // and once more from the verdict line
  s.Wait(6000);
  RunResult run = Edit(s.Closed());
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_TRUE(InOrder(Events(), {"verdict 1", "intro 1", "scene 4", "clear 1", "scene 10",
                                 "intro 1", "scene 4", "clear 1", "scene 10"}));
  EXPECT_TRUE(DataFiles("records").empty());
}

// The player turned with the wheel is kept in the file, read back by the editor, and starts
// the cellar of the stage set facing that way.
TEST_F(EditorRun, ThePlayersFacingIsSavedAndStartsTheCellar) {
  EditorScript s;
  DrawOnePushCellar(s);
  s.Line("wheel 48 120 1");
  s.Key("s");
  ASSERT_EQ(Edit(s.Closed()).exitStatus, 1);
  const std::string turned = OnePushStageFile("facing 1 R\n");
  ASSERT_EQ(Read(EDITED), turned);

  // Opened again and saved at once, the file keeps its facing.
  EditorScript again;
  again.Key("s");
  ASSERT_EQ(Edit(again.Closed()).exitStatus, 1);
  EXPECT_EQ(Read(EDITED), turned);

  // The cellar's first picture in play, as each file starts it.
  const auto startPicture = [&](const std::string& file) {
    Write(EDITED, file);
    std::remove(testsupport::ScreenshotPath(folder_, 0).c_str());
    RunResult played = testsupport::RunHeadless(
        folder_, Tap(3000, "space") + "5400 shot\n" + Close(6000), {"--stages", EDITED});
    EXPECT_EQ(played.exitStatus, 1) << played.err;
    return Read("scr0000.bmp");
  };
  const std::string right = startPicture(turned);
  const std::string up = startPicture(OnePushStageFile());
  const std::string left = startPicture(OnePushStageFile("facing 1 L\n"));
  ASSERT_FALSE(up.empty());
  EXPECT_NE(right, up);
  EXPECT_NE(left, up);
  EXPECT_NE(left, right);
}

// A title typed in Japanese on the intro card, corrected and kept, goes into the file.
TEST_F(EditorRun, ATitleTypedIsSaved) {
  EditorScript s;
  DrawOnePushCellar(s);
  s.Key("t");
  s.Line("text 冷たい 穴へX");
  s.Key("backspace");
  s.Key("return");
  s.Key("t");
  s.Line("text ignored");
  s.Key("esc");  // leaves the title as it was
  s.Key("s");
  RunResult run = Edit(s.Closed());
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(Read(EDITED), OnePushStageFile("title 1 冷たい 穴へ\n"));
}

// Leaving with changes asks; a cellar the game could not start keeps the file from being
// saved, with a message naming it, and the editor stays.
TEST_F(EditorRun, LeavingWithChangesAsksFirst) {
  EditorScript s;
  DrawOnePushCellar(s);
  s.Key("n");  // a new, empty cellar: no player's start
  s.Key("esc");
  s.Key("s");  // refused: the editor stays
  s.Key("x");  // the empty cellar goes
  s.Key("esc");
  s.Click(20 + 66 / 2, 135);  // the question's first answer: save, and the game closes
  const uint32_t left = s.at;
  s.Wait(500);
  s.Key("c");  // had the editor stayed, a copy of the cellar would be judged
  RunResult run = Edit(s.Closed());
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(Read(EDITED), OnePushStageFile());
  EXPECT_LT(std::stol(Trace().back()), long{left});

  EditorScript discard;
  DrawOnePushCellar(discard);
  discard.Key("esc");
  discard.Key("n");
  const uint32_t discarded = discard.at;
  discard.Wait(500);
  discard.Key("c");
  std::remove((folder_ + EDITED).c_str());
  run = Edit(discard.Closed());
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_FALSE(Exists(EDITED));
  EXPECT_LT(std::stol(Trace().back()), long{discarded});
}

// E on the title edits the player's own cellars beside the save, and Esc goes back.
TEST_F(EditorRun, TheTitlesEEditsThePlayersOwnCellars) {
  EditorScript s;
  s.Wait(3000);
  s.Key("e");
  DrawOnePushCellar(s);
  s.Key("s");
  s.Key("esc");
  s.Wait(500);
  s.Key("space");  // START: the game's own first cellar
  s.Wait(3000);
  RunResult run = Edit(s.Closed(), {});
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(Read("data/cellars.dat"), OnePushStageFile());
  EXPECT_TRUE(InOrder(Events(), {"scene 2", "scene 10", "verdict 1", "scene 2", "stage 1"}));

  Write("data/cellars.dat", "not a stage file");
  RunResult refused = Edit(Tap(3000, "e") + Close(4000), {});
  EXPECT_EQ(refused.exitStatus, 1);
  EXPECT_NE(refused.err.find("data/cellars.dat"), std::string::npos) << refused.err;
  EXPECT_FALSE(InOrder(Events(), {"scene 10"}));
}

TEST_F(EditorRun, AVerdictIsUndecidedPastItsStateLimit) {
  EditorScript s;
  DrawPushCellar(s, 7);  // four pushes
  std::remove((folder_ + "trace.txt").c_str());
  Write("script.txt", s.Closed());
  RunResult run = testsupport::RunProgram(
      folder_, {"--headless", "--script", "script.txt", "--edit", EDITED, "--trace", "trace.txt"},
      {"VAULMOOR_VERDICT_STATES=2"});
  ASSERT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(Events().back(), "verdict undecided");
}

}  // namespace
