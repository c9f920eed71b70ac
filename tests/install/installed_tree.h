// An installed copy of the build: `cmake --install` into a prefix in the running
// test's own folder, then moved and made read-only, as a player's unpacked or
// moved tree would be.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace installtest {

// A new empty folder of the running test's own, with a trailing '/'. Its path is
// short: fontconfig loses memory (which the sanitizer build reports) when the
// paths it builds from HOME run long, and the tests put HOME in this folder.
std::string FreshTestFolder();

// Makes the folder and everything under it read-only.
void MakeReadOnly(const std::string& folder);

// Makes everything under folder writable again and removes it.
void RemoveTree(const std::string& folder);

// Every file under folder with its size and modification time, to show that a
// run changed nothing there.
std::map<std::string, std::string> Snapshot(const std::string& folder);

// The names in a folder (empty when it holds nothing or does not exist).
std::vector<std::string> FolderContents(const std::string& folder);

// The script with a tap of key (pressed for 40 ms) at atMs, among its events in
// time order.
std::string WithKeyTap(const std::string& script, uint32_t atMs, const std::string& key);

// Scripts that play the game's own stages by their kept solutions.
struct Scripts {
  std::string clearFirst;  // START, a screenshot before the first move, the first stage cleared
  uint32_t firstClearedMs = 0;
  std::string continueSecond;  // CONTINUE, then the second stage
  uint32_t secondClearedMs = 0;
};
Scripts MakeScripts();

// The arguments of env(1) that unset the XDG base directory variables the game reads.
inline const std::vector<std::string> UNSET_XDG = {"-u", "XDG_DATA_HOME", "-u", "XDG_CACHE_HOME",
                                                   "-u", "XDG_STATE_HOME"};

// The environment of a player whose HOME is home and who has none of the XDG
// base directory variables set.
std::vector<std::string> FreshHome(const std::string& home);

// A test with the build installed into a fresh folder of its own, root_: the tree
// is moved to root_ + "moved/" (prefix_) and made read-only. The whole folder is
// removed after the test.
class InstalledTree : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::string root_, prefix_;
};

}  // namespace installtest
