// Replacing a file through a temporary one: the new bytes or the old file, never
// a mixture, and no temporary file left behind.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/files.h"
#include "support/test_temp.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

class ReplaceFile : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = testsupport::TestTempPath("folder") + "/";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  std::string folder_;
};

TEST_F(ReplaceFile, WritesANewFileAndReplacesAnOldOne) {
  const std::string path = folder_ + "save.dat";
  std::string problem;
  ASSERT_TRUE(platform::ReplaceFile(path, "3 15", &problem)) << problem;
  EXPECT_EQ(Read(path), "3 15");
  ASSERT_TRUE(platform::ReplaceFile(path, "4 1", &problem)) << problem;
  EXPECT_EQ(Read(path), "4 1");  // shorter than before: nothing of the old bytes left
  EXPECT_FALSE(fs::exists(path + ".tmp"));
  ASSERT_TRUE(platform::ReplaceFile(path, "", &problem)) << problem;
  EXPECT_EQ(fs::file_size(path), 0u);
}

TEST_F(ReplaceFile, RelativePathInTheWorkingDirectory) {
  const fs::path before = fs::current_path();
  fs::current_path(folder_);
  std::string problem;
  EXPECT_TRUE(platform::ReplaceFile("here.dat", "1 20", &problem)) << problem;
  fs::current_path(before);
  EXPECT_EQ(Read(folder_ + "here.dat"), "1 20");
}

TEST_F(ReplaceFile, FailuresKeepTheOldFileAndLeaveNoTemporaryOne) {
  const struct {
    const char* name;
    const char* set_up;  // what stands in the way
    const char* reason;
  } cases[] = {
      {"missing-folder/save.dat", "", "No such file or directory"},
      {"blocked/save.dat", "tmp-is-a-folder", "Is a directory"},
      {"target-is-a-folder/save.dat", "target-is-a-folder", "Is a directory"},
  };
  for (const auto& c : cases) {
    const std::string path = folder_ + c.name;
    const std::string setUp = c.set_up;
    if (setUp == "tmp-is-a-folder") {
      fs::create_directories(path + ".tmp");
      std::ofstream(path) << "2 17";
    } else if (setUp == "target-is-a-folder") {
      fs::create_directories(path + "/inside");
    }
    std::string problem;
    EXPECT_FALSE(platform::ReplaceFile(path, "9 9", &problem)) << c.name;
    EXPECT_EQ(problem, c.reason) << c.name;
    if (setUp == "tmp-is-a-folder") {
      EXPECT_EQ(Read(path), "2 17") << c.name;
      EXPECT_TRUE(fs::is_directory(path + ".tmp")) << c.name;  // not ours to remove
    } else {
      EXPECT_FALSE(fs::exists(path + ".tmp")) << c.name;
    }
    if (setUp == "target-is-a-folder") {
      EXPECT_TRUE(fs::exists(path + "/inside")) << c.name;
    }
  }
}

}  // namespace
