// Integration test support: temporary run folders with fixture game files, and
// runs of the built program in them.
#include "support/run_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "app/startup_bitmaps.h"
#include "audio/wave_file.h"
#include "game/save_file.h"
#include "gfx/bitmap_file.h"
#include "lang/language.h"
#include "support/test_temp.h"
#include "support/tested_program.h"

namespace testsupport {
namespace {

namespace fs = std::filesystem;

// The folders of the pictures with words other than data/ itself: one per language
// but the source language.
std::vector<std::string> LanguageFolders() {
  std::vector<std::string> folders;
  for (const char* language : lang::Languages()) {
    if (std::string(language) != lang::SOURCE_LANGUAGE)
      folders.push_back(std::string("data/") + language + "/");
  }
  return folders;
}

// A diagonal pattern of every colour but the transparent index 0.
void WriteFixtureBitmap(const std::string& path, int32_t width, int32_t height,
                        const uint8_t (*palette)[3]) {
  std::vector<uint8_t> pixels(static_cast<size_t>(width) * height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) pixels[y * width + x] = 1 + (x / 4 + y / 4) % 255;
  std::string problem =
      gfx::WriteBitmap8(path.c_str(), width, height, pixels.data(), width, palette);
  ASSERT_EQ(problem, "") << path;
}

// A short 8-bit mono tone.
void WriteFixtureSound(const std::string& path, int number) {
  std::vector<uint8_t> samples(1100);
  for (size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<uint8_t>(128 + 60 * std::sin(i * 0.05 * number));
  ASSERT_EQ(audio::WriteWaveFile(path.c_str(), 1, 11025, 8, samples.data(),
                                 static_cast<uint32_t>(samples.size())),
            1)
      << path;
}

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The exit status within a wait status as the system's shell reports it: the
// low seven bits are a terminating signal (0 for a normal exit), the next byte
// the status.
int ExitStatusOf(int waitStatus) {
  if (waitStatus == -1 || (waitStatus & 0x7F) != 0) return -1;
  return (waitStatus >> 8) & 0xFF;
}

}  // namespace

void FixturePalette(uint8_t rgb[256][3]) {
  for (int i = 0; i < 256; ++i) {
    rgb[i][0] = static_cast<uint8_t>(i);
    rgb[i][1] = static_cast<uint8_t>(i == 0 ? 0 : 255 - i);
    rgb[i][2] = static_cast<uint8_t>((i * 37) & 0xFF);
  }
}

std::string FixtureStageText() {
  std::ostringstream text;
  for (int stage = 0; stage < 32; ++stage) {
    // Start top left; one cheese of kind stage % 14 in its first week, right of
    // the player, with a hole two cells further on; a wall row along the bottom.
    text << "1 1 1 1\n" << stage % 14 << " 1\n";
    for (int y = 1; y <= 9; ++y) {
      for (int x = 1; x <= 9; ++x) {
        int cell = 0;
        if (y == 1 && x == 3) cell = 7;
        if (y == 1 && x == 5) cell = 3;
        if (y == 9) cell = 1;
        if (y == 5 && x == 5) cell = 4;
        text << cell << (x == 9 ? "\n" : " ");
      }
    }
  }
  return text.str();
}

std::string MakeRunFolder(const std::string& name, const Fixtures& fixtures) {
  // One parent per build and test, so that builds and tests running side by side
  // never share a folder.
  const TestedProgram& program = Tested();
  std::string build = std::to_string(std::hash<std::string>{}(program.path));
  fs::path folder =
      fs::path(testing::TempDir()) / ("vaulmoor_runs_" + build) / TestFileName() / name;
  fs::remove_all(folder);
  fs::create_directories(folder / "data");
  fs::copy_file(program.path, folder / program.fileName);
  for (const std::string& companion : program.companions) {
    fs::create_directories((folder / companion).parent_path());
    fs::copy(fs::path(program.path).parent_path() / companion, folder / companion,
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
  std::string base = folder.string() + "/";

  uint8_t palette[256][3];
  FixturePalette(palette);
  if (fixtures.palette) {
    std::vector<uint8_t> pixels(16 * 16);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(i);
    gfx::WriteBitmap8((base + "pal.bmp").c_str(), 16, 16, pixels.data(), 16, palette);
  }
  if (fixtures.bitmaps) {
    for (const app::StartupBitmap& bitmap : app::STARTUP_BITMAPS) {
      WriteFixtureBitmap(base + "data/" + bitmap.file, bitmap.width, bitmap.height, palette);
      if (!bitmap.worded) continue;
      for (const std::string& language : LanguageFolders()) {
        fs::create_directories(base + language);
        WriteFixtureBitmap(base + language + bitmap.file, bitmap.width, bitmap.height, palette);
      }
    }
  }
  if (fixtures.sounds)
    for (int n = 1; n <= 6; ++n)
      WriteFixtureSound(base + "data/snd0" + std::to_string(n) + ".wav", n);
  if (fixtures.stages)
    std::ofstream(base + "data/stage.dat")
        << (fixtures.stageText.empty() ? FixtureStageText() : fixtures.stageText);
  if (fixtures.fonts)
    fs::copy(fs::path(program.path).parent_path() / "data/fonts", folder / "data/fonts",
             fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  return base;
}

std::string MakeGameFolder(const std::string& name, const std::string& stageText) {
  Fixtures none;
  none.palette = none.bitmaps = none.sounds = false;
  none.stageText = stageText;
  std::string folder = MakeRunFolder(name, none);
  const fs::path data = VAULMOOR_SOURCE_DIR "/data";
  for (const auto& entry : fs::recursive_directory_iterator(data)) {
    std::string file = fs::relative(entry.path(), data).string();
    std::string extension = entry.path().extension().string();
    if (extension != ".bmp" && extension != ".wav") continue;
    fs::path target = folder + (file == "pal.bmp" ? "" : "data/") + file;
    fs::create_directories(target.parent_path());
    fs::copy_file(entry.path(), target, fs::copy_options::overwrite_existing);
  }
  return folder;
}

std::string MakeRunFolderForTest(const Fixtures& fixtures) {
  return MakeRunFolder("run", fixtures);
}

RunResult RunProgram(const std::string& folder, const std::vector<std::string>& args,
                     const std::vector<std::string>& environment) {
  const TestedProgram& program = Tested();
  std::vector<std::string> settings = program.environment;
  settings.insert(settings.end(), environment.begin(), environment.end());
  if (program.launcher.empty())
    return RunCommand(folder, "./" + program.fileName, args, settings, folder);
  std::vector<std::string> launched = {program.fileName};
  launched.insert(launched.end(), args.begin(), args.end());
  return RunCommand(folder, program.launcher, launched, settings, folder);
}

std::string CommandLine(const std::string& folder, const std::string& program,
                        const std::vector<std::string>& args,
                        const std::vector<std::string>& environment, const std::string& outputs) {
  // Nothing of the locale the tests run in reaches the program: the game's language
  // follows it. The program replaces the shell, so the shell's process is the program's.
  std::string command = "cd " + Quote(folder) + " && exec env -u LC_ALL -u LC_MESSAGES -u LANG";
  for (const std::string& setting : environment) command += " " + Quote(setting);
  command += " " + Quote(program);
  for (const std::string& arg : args) command += " " + Quote(arg);
  return command + " >" + Quote(outputs + "stdout.txt") + " 2>" + Quote(outputs + "stderr.txt");
}

RunResult RunCommand(const std::string& folder, const std::string& program,
                     const std::vector<std::string>& args,
                     const std::vector<std::string>& environment, const std::string& outputs) {
  RunResult result;
  result.exitStatus =
      ExitStatusOf(std::system(CommandLine(folder, program, args, environment, outputs).c_str()));
  result.out = ReadFile(outputs + "stdout.txt");
  result.err = ReadFile(outputs + "stderr.txt");
  return result;
}

RunResult RunHeadless(const std::string& folder, const std::string& script,
                      const std::vector<std::string>& extraArgs) {
  std::ofstream(folder + "script.txt") << script;
  std::vector<std::string> args = {"--headless", "--script", "script.txt"};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  return RunProgram(folder, args, {DESIGNED_LOCALE});
}

std::string ScreenshotPath(const std::string& folder, size_t n) {
  char name[32];
  std::snprintf(name, sizeof name, "scr%04zu.bmp", n);
  return folder + name;
}

std::string SaveText(int32_t stage) {
  return std::to_string(stage) + " " + std::to_string(game::SaveCheck(stage));
}

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

bool FileExists(const std::string& path) {
  return fs::exists(path);
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

}  // namespace testsupport
