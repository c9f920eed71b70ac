// The installed game played from an empty folder: it reads its files from the
// moved, read-only tree, writes nothing there or in the working folder, and keeps
// its save, screenshots, cache and log in the player's XDG folders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "install/installed_tree.h"
#include "support/run_folder.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::RunResult;
using testsupport::SaveText;

class InstalledGame : public installtest::InstalledTree {
 protected:
  void SetUp() override {
    InstalledTree::SetUp();
    if (HasFatalFailure()) return;
    work_ = root_ + "work/";
    home_ = root_ + "home/";
    fs::create_directories(work_);
    fs::create_directories(home_);
    tree_ = installtest::Snapshot(prefix_);
  }

  // Runs the installed program from the empty working folder; the script and
  // the program's output stay outside it.
  RunResult Play(const std::string& script, uint32_t untilMs,
                 const std::vector<std::string>& environment) {
    std::ofstream(root_ + "script.txt") << script;
    return testsupport::RunCommand(
        work_, prefix_ + VAULMOOR_INSTALLED_PROGRAM,
        {"--headless", "--script", root_ + "script.txt", "--until", std::to_string(untilMs)},
        environment, root_ + "game-");
  }

  // Nothing written into the working folder or the installed tree.
  void ExpectNothingWrittenOutsideHome() {
    EXPECT_EQ(installtest::FolderContents(work_), std::vector<std::string>{});
    EXPECT_EQ(installtest::Snapshot(prefix_), tree_);
  }

  std::string work_, home_;
  std::map<std::string, std::string> tree_;
};

TEST_F(InstalledGame, ClearsAStageSavesInTheDataFolderAndContinuesThere) {
  const installtest::Scripts scripts = installtest::MakeScripts();
  const RunResult first =
      Play(scripts.clearFirst, scripts.firstClearedMs, installtest::FreshHome(home_));
  EXPECT_EQ(first.exitStatus, 1) << first.err;
  EXPECT_EQ(first.err, "");
  const std::string data = home_ + ".local/share/vaulmoor/";
  EXPECT_EQ(ReadFile(data + "save.dat"), SaveText(1));
  EXPECT_EQ(ReadFile(data + "scr0000.bmp").size(), 77878u);
  const std::string cache = home_ + ".cache/vaulmoor/palfile.dat";
  EXPECT_EQ(ReadFile(cache).size(), 39552u);
  EXPECT_NE(ReadFile(home_ + ".local/state/vaulmoor/report.txt"), "");
  ExpectNothingWrittenOutsideHome();

  // CONTINUE finds the save and starts the second stage; the cache is read, not rebuilt.
  const auto cacheTime = fs::last_write_time(cache);
  const RunResult second =
      Play(scripts.continueSecond, scripts.secondClearedMs, installtest::FreshHome(home_));
  EXPECT_EQ(second.exitStatus, 1) << second.err;
  EXPECT_EQ(ReadFile(data + "save.dat"), SaveText(2));
  EXPECT_EQ(fs::last_write_time(cache), cacheTime);
  ExpectNothingWrittenOutsideHome();
}

TEST_F(InstalledGame, XdgVariablesDecideWhereFilesGo) {
  const installtest::Scripts scripts = installtest::MakeScripts();
  std::ofstream(root_ + "plain-file") << "not a folder";
  const struct {
    const char* name;
    std::vector<std::string>
        environment;   // after the XDG variables are unset; {root} = the test's folder
    const char* save;  // where each file is, under {root}; "" for nowhere
    const char* cache;
    const char* log;
  } cases[] = {
      {"defaults under HOME",
       {"HOME={root}home"},
       "home/.local/share/vaulmoor/save.dat",
       "home/.cache/vaulmoor/palfile.dat",
       "home/.local/state/vaulmoor/report.txt"},
      {"set, relative (ignored) and empty",
       {"HOME={root}home", "XDG_DATA_HOME={root}data-home", "XDG_CACHE_HOME=relative/cache",
        "XDG_STATE_HOME="},
       "data-home/vaulmoor/save.dat",
       "home/.cache/vaulmoor/palfile.dat",
       "home/.local/state/vaulmoor/report.txt"},
      {"HOME unset, two variables set",
       {"-u", "HOME", "XDG_DATA_HOME={root}data-home/", "XDG_CACHE_HOME={root}cache-home"},
       "data-home/vaulmoor/save.dat",
       "cache-home/vaulmoor/palfile.dat",
       ""},
      {"HOME unset", {"-u", "HOME"}, "", "", ""},
      {"a data folder that cannot be made",
       {"HOME={root}home", "XDG_DATA_HOME={root}plain-file/data"},
       "",
       "home/.cache/vaulmoor/palfile.dat",
       "home/.local/state/vaulmoor/report.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const char* folder : {"home", "data-home", "cache-home"}) fs::remove_all(root_ + folder);
    fs::create_directories(home_);
    std::vector<std::string> environment = installtest::UNSET_XDG;
    for (std::string setting : c.environment) {
      if (const size_t at = setting.find("{root}"); at != std::string::npos)
        setting.replace(at, 6, root_);
      environment.push_back(setting);
    }
    const RunResult run = Play(scripts.clearFirst, scripts.firstClearedMs, environment);
    EXPECT_EQ(run.exitStatus, 1) << run.err;
    // Each missing folder is reported once, in one line, and play goes on.
    std::string expectedErr;
    if (*c.log == '\0') expectedErr += "vaulmoor: no folder for the display-memory log: ";
    if (*c.cache == '\0') expectedErr += "vaulmoor: no folder for the colour-table cache: ";
    if (*c.save == '\0') expectedErr += "vaulmoor: no folder for the save file and screenshots: ";
    std::string reported;
    std::istringstream lines(run.err);
    for (std::string line; std::getline(lines, line);)
      reported += line.substr(0, line.find(": ", 10) + 2);
    EXPECT_EQ(reported, expectedErr) << run.err;
    if (*c.save != '\0') {
      EXPECT_EQ(ReadFile(root_ + c.save), SaveText(1));
    }
    if (*c.cache != '\0') {
      EXPECT_EQ(ReadFile(root_ + c.cache).size(), 39552u);
    }
    if (*c.log != '\0') {
      EXPECT_NE(ReadFile(root_ + c.log), "");
    }
    ExpectNothingWrittenOutsideHome();
  }
}

}  // namespace
