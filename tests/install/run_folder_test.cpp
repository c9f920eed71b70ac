// Run folders: started from another folder, the program reads the game's files
// beside itself and keeps everything it writes there, as if started in it; a run
// folder that cannot be written to is left alone like an installed tree.
#include "support/run_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "installed_tree.h"
#include "robustness/hostile_files.h"

namespace {

using testsupport::ReadFile;

TEST(RunFolderFromElsewhere, ReadsAndWritesBesideTheProgram) {
  const std::string run = robustness::MakeOpenFloorFolder("run");
  const std::string root = installtest::FreshTestFolder();
  const std::string elsewhere = root + "elsewhere/";
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
  installtest::RemoveTree(root);
}

TEST(ReadOnlyRunFolder, KeepsWhatItWritesInTheXdgFolders) {
  const std::string run = robustness::MakeOpenFloorFolder("read_only");
  const std::string root = installtest::FreshTestFolder();
  const std::string home = root + "home/";
  std::filesystem::create_directories(home);
  std::ofstream(run + "script.txt")
      << installtest::WithKeyTap(robustness::SCRIPT_START_AND_CLEAR, 9000, "f9");
  const auto before = installtest::Snapshot(run);
  installtest::MakeReadOnly(run);
  // Permissions do not hold back the superuser: the game then runs as nobody,
  // in a home it may write to.
  std::vector<std::string> args = {"--headless", "--script", "script.txt"};
  std::string program = "./vaulmoor";
  if (geteuid() == 0) {
    namespace fs = std::filesystem;
    fs::permissions(root, fs::perms::others_exec, fs::perm_options::add);
    fs::permissions(home, fs::perms::all);
    args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups", program});
    program = "setpriv";
  }
  const testsupport::RunResult result =
      testsupport::RunCommand(run, program, args, installtest::FreshHome(home), home + "game-");
  EXPECT_EQ(result.exitStatus, robustness::EXIT_CLOSED) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(ReadFile(home + ".local/share/vaulmoor/save.dat"), "1 20");
  EXPECT_EQ(ReadFile(home + ".local/share/vaulmoor/scr0000.bmp").size(), 77878u);
  EXPECT_EQ(ReadFile(home + ".cache/vaulmoor/palfile.dat").size(), 39552u);
  EXPECT_NE(ReadFile(home + ".local/state/vaulmoor/report.txt"), "");
  EXPECT_EQ(installtest::Snapshot(run), before);
  installtest::RemoveTree(run);
  installtest::RemoveTree(root);
}

}  // namespace
