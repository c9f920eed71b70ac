// Integration test support: a temporary run folder holding a copy of the built
// program and fixture game files, and headless runs of it from a script.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Which fixture files a run folder gets.
struct Fixtures {
  bool palette = true;  // pal.bmp
  bool bitmaps =
      true;  // the nine start-up bitmaps in data/, and those with words in data/<language>/
  bool sounds = true;     // data/snd01.wav .. snd06.wav
  bool stages = true;     // data/stage.dat
  bool fonts = true;      // data/fonts/: the game's bitmap fonts, copied from the build
  std::string stageText;  // the stage file's text; empty: 32 simple valid stages
};

// The fixture palette: index 0 black, every other index a distinct colour.
void FixturePalette(uint8_t rgb[256][3]);
// The text of 32 small valid stages: one cheese and one hole each.
std::string FixtureStageText();

// Creates (or empties) the folder <name> in the running test's own folder (one per
// build) of the test temporary directory, with a copy of the program (and of the
// files that go with it) and the fixtures; returns its path with a trailing '/'.
std::string MakeRunFolder(const std::string& name, const Fixtures& fixtures = {});
// A run folder with the game's own files instead of fixtures: pal.bmp, the nine
// pictures (and each language's own) and the six sounds copied from the source
// tree's data/ folder, and the given stage file text.
std::string MakeGameFolder(const std::string& name, const std::string& stageText);
// The same, for a test that needs only one run folder.
std::string MakeRunFolderForTest(const Fixtures& fixtures = {});

struct RunResult {
  int exitStatus = -1;  // the program's exit status; -1 when it did not exit normally
  std::string out;      // standard output
  std::string err;      // standard error
};

// The locale of the designed game: the texts in Japanese.
constexpr const char* DESIGNED_LOCALE = "LANG=ja_JP.UTF-8";

// Runs the folder's program in that folder as the working directory with
// "--headless --script script.txt" (script written there first) and the extra
// arguments, in the designed game's locale.
RunResult RunHeadless(const std::string& folder, const std::string& script,
                      const std::vector<std::string>& extraArgs = {});
// Runs the folder's program with exactly the given arguments (nothing added) and
// environment settings (NAME=VALUE), through its launcher when it has one;
// LC_ALL, LC_MESSAGES and LANG are unset unless the settings give them.
RunResult RunProgram(const std::string& folder, const std::vector<std::string>& args,
                     const std::vector<std::string>& environment = {});
// Runs a program (a path, or a name looked up in PATH) in folder as the working
// directory with the arguments; environment holds arguments of env(1) placed
// before it ("NAME=VALUE", or "-u" and "NAME"). Standard output and error go to
// outputs + "stdout.txt" and outputs + "stderr.txt".
RunResult RunCommand(const std::string& folder, const std::string& program,
                     const std::vector<std::string>& args,
                     const std::vector<std::string>& environment, const std::string& outputs);
// The shell command line RunCommand runs (the shell's process becomes the program's).
std::string CommandLine(const std::string& folder, const std::string& program,
                        const std::vector<std::string>& args,
                        const std::vector<std::string>& environment, const std::string& outputs);

// The path of the program's screenshot n (scr0000.bmp onwards) in folder.
std::string ScreenshotPath(const std::string& folder, size_t n);
// The save file's text naming stage: its number and its check value.
std::string SaveText(int32_t stage);

// The whole file as bytes; empty when it cannot be read.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
// The file's lines without their line ends.
std::vector<std::string> ReadLines(const std::string& path);

}  // namespace testsupport
