// The XDG base folder rules the Linux build keeps written files by, and the
// making of the game's own folder in them.
#include "platform/linux/xdg_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/test_temp.h"

namespace {

namespace fs = std::filesystem;

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
