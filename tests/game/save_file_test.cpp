// Tests of the save file: check values, the exact bytes, the safe replacement and reading back.
#include "game/save_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace game {
namespace {

namespace fs = std::filesystem;

class SaveFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(GAME_TEST_SCRATCH) /
           ("vaulmoor_save_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    path_ = (dir_ / "save.dat").string();
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Contents() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  void Store(const std::string& text) const { std::ofstream(path_, std::ios::binary) << text; }
  fs::path dir_;
  std::string path_;
};

TEST(SaveCheck, KnownValues) {
  const int cases[][2] = {{1, 20}, {2, 17}, {3, 15}, {5, 11}, {12, 0}, {27, 16}, {31, 26}};
  for (auto [stage, check] : cases) EXPECT_EQ(SaveCheck(stage), check) << stage;
  for (int s = -5; s < 40; ++s) {
    EXPECT_GE(SaveCheck(s), 0) << s;
    EXPECT_LE(SaveCheck(s), 40) << s;
  }
}

TEST_F(SaveFileTest, WritesExactlyTheTwoNumbersAndLeavesNoTemporaryFile) {
  Store("30 12345678\n");
  ASSERT_EQ(WriteSaveFile(path_.c_str(), 3), 1);
  EXPECT_EQ(Contents(), "3 15");
  ASSERT_EQ(WriteSaveFile(path_.c_str(), 31), 1);
  EXPECT_EQ(Contents(), "31 26");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(SaveFileTest, AFailedWriteIsReportedAndKeepsTheOldSave) {
  Store("5 11");
  fs::create_directories(dir_ / "save.dat.tmp");  // the temporary file cannot be made
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(WriteSaveFile(path_.c_str(), 7), 0);
  std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find(path_), std::string::npos) << said;
  EXPECT_EQ(Contents(), "5 11");
}

TEST_F(SaveFileTest, ContinueReadsAStageOnlyWhenItsCheckMatches) {
  struct Case {
    std::string text;
    int stage;
  };
  const Case cases[] = {
      {"5 11", 5},
      {"5 12", 0},
      {"5\n11\n", 5},
      {"  5      11", 5},
      {"31 26", 31},
      {"5", 0},
      {"", 0},
      {"five 11", 0},
      {"32 " + std::to_string(SaveCheck(32)), 0},
      {"-1 " + std::to_string(SaveCheck(-1)), 0},
      {"1000 " + std::to_string(SaveCheck(1000)), 0},
  };
  for (const Case& c : cases) {
    Store(c.text);
    EXPECT_EQ(ReadSaveFile(path_.c_str()), c.stage) << '"' << c.text << '"';
  }
  fs::remove(path_);
  EXPECT_EQ(ReadSaveFile(path_.c_str()), 0);
}

}  // namespace
}  // namespace game
