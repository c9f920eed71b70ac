// A run folder's program started from another folder: it reads the game's files
// beside itself and keeps everything it writes there, as if started in it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "install/installed_tree.h"
#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

using testsupport::ReadFile;

TEST(RunFolderFromElsewhere, ReadsAndWritesBesideTheProgram) {
  const std::string run = robustness::MakeOpenFloorFolder("run");
  const std::string elsewhere = installtest::FreshTestFolder() + "elsewhere/";
  std::filesystem::create_directories(elsewhere);
  std::ofstream(run + "script.txt")
      << installtest::WithKeyTap(robustness::SCRIPT_START_AND_CLEAR, 9000, "f9");
  const testsupport::RunResult result = testsupport::RunCommand(
      elsewhere, run + "vaulmoor", {"--headless", "--script", run + "script.txt"},
      installtest::FreshHome(elsewhere + "home"), run);
  EXPECT_EQ(result.exitStatus, robustness::EXIT_CLOSED) << result.err;
  EXPECT_EQ(ReadFile(run + "data/save.dat"), "1 20");
  EXPECT_EQ(ReadFile(run + "palfile.dat").size(), 39552u);
  EXPECT_NE(ReadFile(run + "report.txt"), "");
  EXPECT_EQ(ReadFile(run + "scr0000.bmp").size(), 77878u);
  EXPECT_EQ(installtest::FolderContents(elsewhere), std::vector<std::string>{});
}

}  // namespace
