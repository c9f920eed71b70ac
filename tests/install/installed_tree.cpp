// An installed copy of the build, moved and made read-only.
#include "install/installed_tree.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "solver/playthrough.h"
#include "support/run_folder.h"
#include "support/script_text.h"

namespace installtest {

namespace fs = std::filesystem;

namespace {

void SetWritable(const std::string& folder, bool writable) {
  std::error_code ignored;
  if (!fs::exists(folder, ignored)) return;
  const auto change = writable ? fs::perm_options::add : fs::perm_options::remove;
  const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
  // Folders are opened for writing before their contents and closed after them.
  if (writable) fs::permissions(folder, write, change, ignored);
  for (const auto& entry : fs::recursive_directory_iterator(folder, ignored))
    if (!entry.is_symlink()) fs::permissions(entry.path(), write, change, ignored);
  if (!writable) fs::permissions(folder, write, change, ignored);
}

// Installs the build into folder + "staged", moves the tree to folder + "moved"
// and makes it read-only. Returns the moved prefix with a trailing '/'; "" after
// a failed test assertion.
std::string InstallMovedReadOnly(const std::string& folder) {
  const testsupport::RunResult install = testsupport::RunCommand(
      folder, VAULMOOR_CMAKE, {"--install", VAULMOOR_BUILD_DIR, "--prefix", folder + "staged"}, {},
      folder + "install-");
  EXPECT_EQ(install.exitStatus, 0) << install.out << install.err;
  if (install.exitStatus != 0) return "";
  fs::rename(folder + "staged", folder + "moved");
  MakeReadOnly(folder + "moved");
  return folder + "moved/";
}

}  // namespace

std::string FreshTestFolder() {
  std::string folder = testing::TempDir() + "vaulmoor-XXXXXX";
  EXPECT_NE(mkdtemp(folder.data()), nullptr) << folder;
  return folder + "/";
}

void MakeReadOnly(const std::string& folder) {
  SetWritable(folder, false);
}

void RemoveTree(const std::string& folder) {
  SetWritable(folder, true);
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    std::string state = entry.is_directory() ? "folder" : std::to_string(entry.file_size());
    state += " " + std::to_string(entry.last_write_time().time_since_epoch().count());
    files[entry.path().string()] = state;
  }
  return files;
}

std::vector<std::string> FolderContents(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored))
    names.push_back(entry.path().filename().string());
  return names;
}

std::string WithKeyTap(const std::string& script, uint32_t atMs, const std::string& key) {
  const std::string tap = testsupport::Tap(atMs, key, 40);
  std::istringstream lines(script);
  std::string result;
  bool tapped = false;
  for (std::string line; std::getline(lines, line);) {
    if (!tapped && std::stoul(line) > atMs) {
      result += tap;
      tapped = true;
    }
    result += line + "\n";
  }
  return tapped ? result : result + tap;
}

Scripts MakeScripts() {
  Scripts scripts;
  std::vector<std::string> moves;
  std::string why;
  EXPECT_TRUE(tools::LoadStagesAndSolutions(VAULMOOR_SOURCE_DIR, &moves, &why)) << why;
  std::vector<uint32_t> cleared;
  moves.resize(2);
  scripts.continueSecond = tools::PlaythroughScript(moves, &cleared, 1);
  scripts.secondClearedMs = cleared.at(0);
  moves.resize(1);
  scripts.clearFirst = WithKeyTap(tools::PlaythroughScript(moves, &cleared), 5800, "f9");
  scripts.firstClearedMs = cleared.at(0);
  return scripts;
}

std::vector<std::string> FreshHome(const std::string& home) {
  std::vector<std::string> environment = UNSET_XDG;
  environment.push_back("HOME=" + home);
  return environment;
}

void InstalledTree::SetUp() {
  root_ = FreshTestFolder();
  prefix_ = InstallMovedReadOnly(root_);
  ASSERT_FALSE(prefix_.empty());
}

void InstalledTree::TearDown() {
  RemoveTree(root_);
}

}  // namespace installtest
