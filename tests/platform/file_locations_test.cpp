// Where files are looked for: the program's directory and the order of the
// folders a game file is looked for in.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/files.h"
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

}  // namespace
