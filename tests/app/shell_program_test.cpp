// The whole program run headless from scripts: start-up, screenshot, logs and
// caches, close requests, start-up failures and the exit statuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/run_folder.h"

namespace {

using testsupport::FileExists;
using testsupport::MakeRunFolder;
using testsupport::ReadFile;
using testsupport::ReadLines;
using testsupport::RunHeadless;

int CountLinesContaining(const std::vector<std::string>& lines, const std::string& part) {
  int count = 0;
  for (const std::string& line : lines) count += line.find(part) != std::string::npos;
  return count;
}

// F9 held long after the boot sequence, then a close request.
constexpr const char* SCREENSHOT_SCRIPT =
    "20000 down f9\n"
    "21000 up f9\n"
    "22000 close\n";

TEST(HeadlessProgram, ScreenshotLogAndCacheThenNormalClose) {
  std::string folder = MakeRunFolder("screenshot_run");
  testsupport::RunResult run = RunHeadless(folder, SCREENSHOT_SCRIPT);
  ASSERT_EQ(run.exitStatus, 1) << run.err;

  EXPECT_EQ(ReadFile(folder + "scr0000.bmp").size(), 77878u);
  EXPECT_FALSE(FileExists(folder + "scr0001.bmp"));
  EXPECT_EQ(ReadFile(folder + "palfile.dat").size(), 39552u);

  std::vector<std::string> log = ReadLines(folder + "report.txt");
  ASSERT_EQ(log.size(), 24u) << ReadFile(folder + "report.txt");
  EXPECT_EQ(log[0], "総VRAM容量     8192.00 KB");
  EXPECT_NE(log[1].find("KB プライマリサーフェス"), std::string::npos);
  EXPECT_NE(log[2].find("KB バックサーフェス"), std::string::npos);
  EXPECT_NE(log[3].find("KB バッファスプライトサーフェス"), std::string::npos);
  for (int slot = 1; slot <= 9; ++slot) {
    std::string ending =
        "KB スプライト番号 " + std::string(slot < 10 ? " " : "") + std::to_string(slot);
    EXPECT_TRUE(log[3 + slot].ends_with(ending)) << log[3 + slot];
  }
  EXPECT_EQ(CountLinesContaining(log, "スプライト解放"), 10);
  EXPECT_EQ(log[23].rfind("全解放後VRAM空き容量", 0), 0u) << log[23];
  // Everything is released at the end: the free figure is the total again.
  EXPECT_TRUE(log[23].ends_with("8192.00 KB")) << log[23];
}

TEST(HeadlessProgram, SameScriptGivesTheSameFilesByteForByte) {
  std::string first = MakeRunFolder("repeat_a");
  std::string second = MakeRunFolder("repeat_b");
  ASSERT_EQ(RunHeadless(first, SCREENSHOT_SCRIPT).exitStatus, 1);
  ASSERT_EQ(RunHeadless(second, SCREENSHOT_SCRIPT).exitStatus, 1);
  for (const char* file : {"scr0000.bmp", "report.txt", "palfile.dat"}) {
    std::string bytes = ReadFile(first + file);
    EXPECT_FALSE(bytes.empty()) << file;
    EXPECT_EQ(bytes, ReadFile(second + file)) << file;
  }
}

TEST(HeadlessProgram, EscClosesWithStatusOne) {
  std::string folder = testsupport::MakeRunFolderForTest();
  testsupport::RunResult run =
      RunHeadless(folder, "15000 down esc\n15100 up esc\n", {"--until", "900000"});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(CountLinesContaining(ReadLines(folder + "report.txt"), "全解放後"), 1);
}

TEST(HeadlessProgram, NoEventsClosesWhenTheTimeIsUp) {
  std::string folder = MakeRunFolder("until_run");
  testsupport::RunResult run = RunHeadless(folder, "", {"--until", "12000"});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
}

TEST(HeadlessProgram, ReactivationReloadsTheNineBitmaps) {
  std::string folder = MakeRunFolder("activate_run");
  ASSERT_EQ(RunHeadless(folder, "15000 activate\n16000 close\n").exitStatus, 1);
  std::vector<std::string> log = ReadLines(folder + "report.txt");
  EXPECT_EQ(CountLinesContaining(log, "スプライト番号"), 18);
  EXPECT_EQ(log.size(), 33u);
}

TEST(HeadlessProgram, MalformedScriptStopsBeforeStartUp) {
  std::string folder = MakeRunFolder("bad_script");
  testsupport::RunResult run = RunHeadless(folder, "0 down a\n# fine\n100 jump b\n");
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.err.find("script.txt:3: unknown event 'jump'"), std::string::npos) << run.err;
  EXPECT_FALSE(FileExists(folder + "report.txt"));
}

TEST(HeadlessProgram, WrongCommandLineIsRefused) {
  std::string folder = MakeRunFolder("bad_option");
  testsupport::RunResult run = testsupport::RunProgram(folder, {"--headless", "--speed", "2"});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.err.find("unknown option '--speed'"), std::string::npos) << run.err;
}

// --help and --version answer on standard output and stop with status 0 before
// anything starts: no log, no cache.
TEST(Program, HelpAndVersionAnswerAndStop) {
  std::string folder = MakeRunFolder("help");
  const struct {
    std::vector<std::string> args;
    std::string outStart;
  } cases[] = {
      {{"--version"}, "vaulmoor " VAULMOOR_VERSION "\n"},
      {{"--help"}, "usage: vaulmoor [--window] [--scale N]"},
      {{"--headless", "--help", "--scale", "2"}, "usage: vaulmoor [--window] [--scale N]"},
  };
  for (const auto& c : cases) {
    testsupport::RunResult run = testsupport::RunProgram(folder, c.args);
    EXPECT_EQ(run.exitStatus, 0) << c.args[0];
    EXPECT_EQ(run.out.substr(0, c.outStart.size()), c.outStart) << run.out;
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(testsupport::RunProgram(folder, {"--version"}).out, "vaulmoor " VAULMOOR_VERSION "\n");
  EXPECT_FALSE(FileExists(folder + "report.txt"));
  EXPECT_FALSE(FileExists(folder + "palfile.dat"));
  // A wrong option among them still stops with status 2.
  testsupport::RunResult run = testsupport::RunProgram(folder, {"--help", "--fast"});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("vaulmoor: unknown option '--fast'\nvaulmoor: usage: vaulmoor"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("Try 'vaulmoor --help'"), std::string::npos) << run.err;
}

TEST(HeadlessProgram, MissingStartUpFilesStopWithTheirNames) {
  const struct {
    const char* name;
    const char* removed;
    const char* message;
  } cases[] = {
      {"no_palette", "pal.bmp", "error: Can't load pal.bmp"},
      {"no_graphic3", "data/graphic3.bmp", "error: Can't load data/graphic3.bmp"},
      {"no_logo", "data/kestrune.bmp", "error: Can't load data/kestrune.bmp"},
  };
  for (const auto& c : cases) {
    std::string folder = MakeRunFolder(c.name);
    std::filesystem::remove(folder + c.removed);
    testsupport::RunResult run = RunHeadless(folder, "100 close\n");
    EXPECT_EQ(run.exitStatus, 2) << c.name;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
  }
}

TEST(WindowedProgram, NoDisplayStopsWithTheDisplayMessageAndStatusTwo) {
  std::string folder = MakeRunFolder("no_display");
  testsupport::RunResult run = testsupport::RunProgram(
      folder, {"--window"}, {"DISPLAY=", "WAYLAND_DISPLAY=", "SDL_VIDEODRIVER=x11"});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.err.find("error: Can't create DirectDraw Object"), std::string::npos) << run.err;
}

TEST(HeadlessProgram, UnwritableLogIsSkippedAndTheGameRuns) {
  std::string folder = MakeRunFolder("no_log");
  std::filesystem::create_directory(folder + "report.txt");  // cannot be opened as a file
  testsupport::RunResult run = RunHeadless(folder, "12000 close\n");
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_NE(run.err.find("cannot create ./report.txt"), std::string::npos) << run.err;
}

}  // namespace
