// The save file: whatever CONTINUE finds in it, play starts at an existing stage
// (the first one unless the file is sound); a save that cannot be written leaves
// the previous one intact and says so.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::SaveText;

constexpr const char* SAVE = "data/save.dat";

struct SaveCase {
  const char* name;
  std::string contents;  // the save file's bytes before the run
  int32_t continuesAt;   // the stage CONTINUE must start
};

// Test names and messages show a row by its name.
void PrintTo(const SaveCase& row, std::ostream* out) {
  *out << row.name;
}

class SaveFileContents : public testing::TestWithParam<SaveCase> {};

TEST_P(SaveFileContents, ContinueStartsAtAnExistingStage) {
  const SaveCase& row = GetParam();
  const std::string folder = robustness::MakeOpenFloorFolder(std::string("save_") + row.name);
  robustness::PutFile(folder + SAVE, row.contents);
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_CONTINUE_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  // One move clears the open-floor stage, so the save names the stage after the
  // one CONTINUE started: "1 20" when it started at the first stage.
  EXPECT_EQ(ReadFile(folder + SAVE), SaveText(row.continuesAt + 1));
}

INSTANTIATE_TEST_SUITE_P(SaveFile, SaveFileContents,
                         testing::Values(SaveCase{"Sound", "5 11", 5},
                                         SaveCase{"SoundOnTwoLines", "5\n\n 11\n", 5},
                                         SaveCase{"WrongCheck", "5 12", 0},
                                         SaveCase{"Empty", "", 0}, SaveCase{"OnlyTheStage", "5", 0},
                                         SaveCase{"Words", "five eleven", 0},
                                         SaveCase{"Garbage", robustness::GarbageBytes(300, 4), 0},
                                         SaveCase{"StageTooLargeWithItsCheck", SaveText(40), 0},
                                         SaveCase{"StageNegativeWithItsCheck", SaveText(-3), 0},
                                         SaveCase{"StageOfTheEnding", SaveText(32), 0},
                                         SaveCase{"NumbersTooLarge", "99999999999 99999999999", 0},
                                         SaveCase{"NulBytes", std::string("5\0 11", 5), 0}),
                         robustness::RowName());

TEST(SaveFile, MissingStartsTheFirstStage) {
  const std::string folder = robustness::MakeOpenFloorFolder("save_missing");
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_CONTINUE_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + SAVE), SaveText(1));
}

// A directory where the save file should be cannot be read or replaced: play
// starts at the first stage and the failed save is reported.
TEST(SaveFile, DirectoryStartsTheFirstStageAndTheSaveIsReported) {
  const std::string folder = robustness::MakeOpenFloorFolder("save_directory");
  robustness::PutDirectory(folder + SAVE);
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_CONTINUE_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_TRUE(fs::is_directory(folder + SAVE));
  EXPECT_NE(run.err.find(SAVE), std::string::npos) << run.err;
}

// Ways the new save cannot be written; the previous save must survive each.
struct WriteFailure {
  const char* name;
  void (*arrange)(const std::string& folder);
};

// Test names and messages show a row by its name.
void PrintTo(const WriteFailure& row, std::ostream* out) {
  *out << row.name;
}

class SaveWriteFailure : public testing::TestWithParam<WriteFailure> {};

TEST_P(SaveWriteFailure, KeepsThePreviousSaveAndReportsIt) {
  const WriteFailure& row = GetParam();
  const std::string folder = robustness::MakeOpenFloorFolder(std::string("save_") + row.name);
  robustness::PutFile(folder + SAVE, "5 11");
  row.arrange(folder);
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + SAVE), "5 11");
  EXPECT_NE(run.err.find("vaulmoor: " + std::string(SAVE) + ": the save file cannot be written"),
            std::string::npos)
      << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    SaveFile, SaveWriteFailure,
    testing::Values(
        // The replacement is written beside the save first: make that impossible.
        WriteFailure{"TemporaryIsADirectory",
                     [](const std::string& folder) {
                       fs::create_directories(folder + "data/save.dat.tmp/blocked");
                     }},
        // A full disk: every write to /dev/full fails with "no space left".
        WriteFailure{"DiskFull",
                     [](const std::string& folder) {
                       fs::create_symlink("/dev/full", folder + "data/save.dat.tmp");
                     }}),
    robustness::RowName());

// A read-only data folder. Privileged users write there anyway, so the test
// only means something for ordinary users.
TEST(SaveFile, ReadOnlyFolderKeepsThePreviousSave) {
  const std::string folder = robustness::MakeOpenFloorFolder("save_read_only");
  robustness::PutFile(folder + SAVE, "5 11");
  const fs::path data = folder + "data";
  fs::permissions(data, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const bool writable = static_cast<bool>(std::ofstream(folder + "data/probe"));
  if (writable) {
    fs::remove(folder + "data/probe");
    fs::permissions(data, fs::perms::owner_write, fs::perm_options::add);
    GTEST_SKIP() << "this user may write into read-only folders";
  }
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  fs::permissions(data, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + SAVE), "5 11");
  EXPECT_NE(run.err.find(SAVE), std::string::npos) << run.err;
}

}  // namespace
