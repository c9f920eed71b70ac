// Where files are looked for and kept: the program's directory, the order of the
// folders a game file is looked for in, the XDG base folder rules and the
// making of the game's own folder in them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/xdg_folders.h"
#include "support/test_temp.h"

namespace {

namespace fs = std::filesystem;

TEST(ProgramDirectory, IsTheTestProgramsOwnFolderWithTrailingSlash) {
  std::string directory = platform::ProgramDirectory();
  ASSERT_FALSE(directory.empty());
  EXPECT_EQ(directory.back(), '/');
  EXPECT_EQ(directory.front(), '/');
  std::ifstream self(directory + "platform_files_tests");
  EXPECT_TRUE(self.good()) << directory;
}

// Three folders standing for the working directory (made current for the
// test), the program's directory and the share folder.
class GameFileLookup : public testing::Test {
 protected:
  void SetUp() override {
    root_ = testsupport::TestTempPath("lookup");
    fs::remove_all(root_);
    for (const char* folder : {"work", "program", "share"})
      fs::create_directories(root_ + "/" + folder + "/data");
    before_ = fs::current_path();
    fs::current_path(root_ + "/work");
  }
  void TearDown() override {
    fs::current_path(before_);
    fs::remove_all(root_);
  }
  std::string Folder(const char* name) { return root_ + "/" + name + "/"; }
  void Put(const char* folder, const std::string& name) {
    std::ofstream(Folder(folder) + name) << folder;
  }

  std::string root_;
  fs::path before_;
};

TEST_F(GameFileLookup, FirstFolderHoldingTheFileInTheDesignedOrder) {
  using platform::DesignedFolder;
  const struct {
    DesignedFolder designed;
    std::vector<const char*> holding;
    int found;  // index in the search order, -1 for none
    const char* expected;
  } cases[] = {
      // The game's pictures, palette and stages: the working directory first.
      {DesignedFolder::Working, {"work", "program", "share"}, 0, "work"},
      {DesignedFolder::Working, {"program", "share"}, 1, "program"},
      {DesignedFolder::Working, {"work", "share"}, 0, "work"},
      {DesignedFolder::Working, {"share"}, 2, "share"},
      {DesignedFolder::Working, {}, -1, nullptr},
      // The sounds and music: the program's directory first.
      {DesignedFolder::Program, {"work", "program", "share"}, 0, "program"},
      {DesignedFolder::Program, {"work", "share"}, 1, "work"},
      {DesignedFolder::Program, {"share"}, 2, "share"},
      {DesignedFolder::Program, {}, -1, nullptr},
  };
  const std::string name = "data/graphic1.bmp";
  for (const auto& c : cases) {
    for (const char* folder : {"work", "program", "share"}) fs::remove(Folder(folder) + name);
    for (const char* folder : c.holding) Put(folder, name);
    const std::vector<std::string> order =
        platform::SearchOrder(c.designed, Folder("program"), Folder("share"));
    const int found = platform::FindInFolders(name, order);
    const std::string label =
        std::string(c.designed == DesignedFolder::Working ? "working" : "program") + " first, " +
        std::to_string(c.holding.size()) + " holding";
    ASSERT_EQ(found, c.found) << label;
    if (found < 0) continue;
    std::ifstream file(order[found] + name);
    std::string holder;
    file >> holder;
    EXPECT_EQ(holder, c.expected) << label;
  }
}

TEST_F(GameFileLookup, TheWorkingDirectoryIsSearchedAsItStands) {
  const std::vector<std::string> order =
      platform::SearchOrder(platform::DesignedFolder::Working, Folder("program"), Folder("share"));
  ASSERT_EQ(order.size(), 3u);
  EXPECT_EQ(order[0], "");  // relative names, as the game always opened them
  EXPECT_EQ(order[1], Folder("program"));
  EXPECT_EQ(order[2], Folder("share"));
  Put("work", "pal.bmp");
  EXPECT_EQ(platform::FindInFolders("pal.bmp", order), 0);
  fs::current_path(Folder("program"));
  EXPECT_EQ(platform::FindInFolders("pal.bmp", order), -1);
}

TEST(XdgBaseFolder, VariableSetUnsetEmptyOrRelative) {
  const struct {
    const char* value;  // XDG_DATA_HOME
    const char* home;
    const char* expected;
  } cases[] = {
      {"/srv/data", "/home/a", "/srv/data/"},
      {"/srv/data/", "/home/a", "/srv/data/"},
      {"/srv/data", nullptr, "/srv/data/"},  // HOME is not needed then
      {nullptr, "/home/a", "/home/a/.local/share/"},
      {"", "/home/a", "/home/a/.local/share/"},
      {"data", "/home/a", "/home/a/.local/share/"},  // relative: ignored
      {"./data", "/home/a/", "/home/a/.local/share/"},
      {nullptr, nullptr, ""},
      {"", "", ""},
      {"data", "home/a", ""},
      {nullptr, "~", ""},
  };
  for (const auto& c : cases) {
    std::string problem;
    const std::string folder =
        platform::XdgBaseFolder("XDG_DATA_HOME", c.value, c.home, ".local/share", &problem);
    const std::string label = std::string("value ") + (c.value ? c.value : "(unset)") + ", HOME " +
                              (c.home ? c.home : "(unset)");
    EXPECT_EQ(folder, c.expected) << label;
    if (folder.empty()) {
      EXPECT_EQ(problem, "neither XDG_DATA_HOME nor HOME is set to an absolute path") << label;
    }
  }
}

TEST(MakeWritableFolder, MakesMissingFoldersForTheUserOnly) {
  const std::string root = testsupport::TestTempPath("folders");
  fs::remove_all(root);
  fs::create_directories(root);
  std::ofstream(root + "/plain-file") << "x";
  fs::create_directories(root + "/existing");
  fs::permissions(root + "/existing", fs::perms::owner_all | fs::perms::group_read |
                                          fs::perms::group_exec | fs::perms::others_read |
                                          fs::perms::others_exec);
  const struct {
    const char* folder;  // under root
    bool made;
    const char* failed;  // when not made: the path under root that could not be a folder
  } cases[] = {
      {"/cache/vaulmoor/", true, nullptr},
      {"/a/b/c/vaulmoor", true, nullptr},
      {"/existing/", true, nullptr},
      {"/plain-file/", false, "/plain-file/"},
      {"/plain-file/vaulmoor/", false, "/plain-file/vaulmoor"},
  };
  for (const auto& c : cases) {
    std::string problem;
    const std::string folder = root + c.folder;
    EXPECT_EQ(platform::MakeWritableFolder(folder, &problem), c.made) << c.folder;
    // A folder made leaves no problem; one that cannot be made names where and why.
    const std::string expected =
        c.made ? "" : "cannot create " + root + c.failed + ": Not a directory";
    EXPECT_EQ(problem, expected) << c.folder;
  }
  // New folders, parents included, are the user's alone; an existing one keeps its mode.
  for (const char* made : {"/cache", "/cache/vaulmoor", "/a", "/a/b", "/a/b/c/vaulmoor"})
    EXPECT_EQ(fs::status(root + made).permissions() & fs::perms::all, fs::perms::owner_all) << made;
  EXPECT_EQ(fs::status(root + "/existing").permissions() & fs::perms::others_read,
            fs::perms::others_read);
  fs::remove_all(root);
}

}  // namespace
