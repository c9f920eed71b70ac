// Files without end (here /dev/zero in their place): every reader must stop at a
// sane size instead of taking all the memory there is.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;

void Endless(const std::string& path) {
  fs::remove_all(path);
  fs::create_symlink("/dev/zero", path);
}

TEST(EndlessFile, StageFileStops) {
  const std::string folder = robustness::MakeOpenFloorFolder("endless_stage");
  Endless(folder + "data/stage.dat");
  const testsupport::RunResult run =
      robustness::RunHeadlessWithMemoryCap(folder, robustness::SCRIPT_START_AND_CLEAR);
  robustness::ExpectStartupFailure(run, "data/stage.dat", "");
}

TEST(EndlessFile, BitmapStops) {
  const std::string folder = robustness::MakeOpenFloorFolder("endless_bitmap");
  Endless(folder + "data/graphic1.bmp");
  const testsupport::RunResult run =
      robustness::RunHeadlessWithMemoryCap(folder, robustness::SCRIPT_START_AND_CLEAR);
  robustness::ExpectStartupFailure(run, "data/graphic1.bmp", "is a device");
}

TEST(EndlessFile, ScriptStops) {
  const std::string folder = robustness::MakeOpenFloorFolder("endless_script");
  Endless(folder + "endless.txt");
  const testsupport::RunResult run =
      robustness::RunWithMemoryCap(folder, {"--headless", "--script", "endless.txt"});
  EXPECT_EQ(run.exitStatus, robustness::EXIT_STARTUP_FAILED) << run.err;
  EXPECT_NE(run.err.find("endless.txt"), std::string::npos) << run.err;
}

// Files read only as far as they are needed (the palette's 1078 bytes, which are
// then black colours), or that the game can do without: it runs on.
struct EndlessCase {
  const char* name;
  const char* file;
  const char* saveAfter;  // the save file after the run's cleared stage
};

void PrintTo(const EndlessCase& row, std::ostream* out) {
  *out << row.name;
}

class EndlessFileRead : public testing::TestWithParam<EndlessCase> {};

TEST_P(EndlessFileRead, TheGameRunsOn) {
  const EndlessCase& row = GetParam();
  const std::string folder = robustness::MakeOpenFloorFolder(std::string("endless_") + row.name);
  Endless(folder + row.file);
  const testsupport::RunResult run = robustness::RunHeadlessWithMemoryCap(
      folder, robustness::SCRIPT_CONTINUE_AND_CLEAR, {"--music", "data/tune.mid"});
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), row.saveAfter);
}

INSTANTIATE_TEST_SUITE_P(EndlessFile, EndlessFileRead,
                         testing::Values(EndlessCase{"Palette", "pal.bmp", "1 20"},
                                         EndlessCase{"ColourCache", "palfile.dat", "1 20"},
                                         EndlessCase{"SoundEffect", "data/snd01.wav", "1 20"},
                                         EndlessCase{"Music", "data/tune.mid", "1 20"},
                                         EndlessCase{"BitmapFont", "data/fonts/shnmk12.pcf",
                                                     "1 20"}),
                         robustness::RowName());

// CONTINUE with an endless save file starts the first stage; the save written
// after the cleared stage replaces the link.
TEST(EndlessFile, SaveFileStartsTheFirstStage) {
  const std::string folder = robustness::MakeOpenFloorFolder("endless_save");
  Endless(folder + "data/save.dat");
  const testsupport::RunResult run =
      robustness::RunHeadlessWithMemoryCap(folder, robustness::SCRIPT_CONTINUE_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), "1 20");
}

}  // namespace
