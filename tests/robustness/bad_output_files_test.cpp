// Files the program writes: the colour-table cache (read back on later starts),
// the display-memory log and screenshots. Damaged or unwritable, they are
// skipped or rebuilt, never trusted half written.
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "gfx/palette.h"
#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

namespace fs = std::filesystem;
using robustness::PutFile;
using testsupport::ReadFile;

constexpr const char* CACHE = "palfile.dat";

// The cache the program computes from the fixture palette when it finds none.
// Test programs run side by side, so each computes it in a folder of its own.
const std::string& ComputedCache() {
  static const std::string cache = [] {
    const std::string folder = robustness::MakeOpenFloorFolder(
        std::string("cache_computed_") +
        testing::UnitTest::GetInstance()->current_test_info()->name());
    const testsupport::RunResult run =
        testsupport::RunHeadless(folder, robustness::SCRIPT_BOOT_AND_CLOSE);
    EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
    return ReadFile(folder + CACHE);
  }();
  return cache;
}

TEST(ColourCache, ComputedCacheHasItsSize) {
  EXPECT_EQ(ComputedCache().size(), static_cast<size_t>(gfx::PALETTE_CACHE_SIZE));
}

struct CacheCase {
  const char* name;
  std::string (*contents)();  // made when the test runs, from the computed cache
};

// Test names and messages show a row by its name.
void PrintTo(const CacheCase& row, std::ostream* out) {
  *out << row.name;
}

class CacheOfTheWrongSize : public testing::TestWithParam<CacheCase> {};

TEST_P(CacheOfTheWrongSize, IsNotUsedAndIsRebuilt) {
  const CacheCase& row = GetParam();
  const std::string folder = robustness::MakeOpenFloorFolder(std::string("cache_") + row.name);
  PutFile(folder + CACHE, row.contents());
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_BOOT_AND_CLOSE);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_NE(run.err.find(CACHE), std::string::npos) << run.err;
  EXPECT_TRUE(ReadFile(folder + CACHE) == ComputedCache()) << "the cache was not rebuilt";
}

INSTANTIATE_TEST_SUITE_P(
    ColourCache, CacheOfTheWrongSize,
    testing::Values(
        CacheCase{"Empty", [] { return std::string(); }},
        CacheCase{"Short", [] { return ComputedCache().substr(0, 1000); }},
        CacheCase{"OneByteShort",
                  [] { return ComputedCache().substr(0, gfx::PALETTE_CACHE_SIZE - 1); }},
        CacheCase{"OneByteLong", [] { return ComputedCache() + "x"; }},
        CacheCase{"Huge", [] { return robustness::GarbageBytes(4 * gfx::PALETTE_CACHE_SIZE, 9); }}),
    robustness::RowName());

// A cache of the right size cannot be told from a sound one: it is used as it
// stands. Every byte is a valid colour index, so nothing goes out of bounds.
TEST(ColourCache, GarbageOfTheRightSizeIsUsedAsItStands) {
  const std::string folder = robustness::MakeOpenFloorFolder("cache_garbage");
  const std::string garbage = robustness::GarbageBytes(gfx::PALETTE_CACHE_SIZE, 10);
  PutFile(folder + CACHE, garbage);
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + CACHE), garbage);
}

// A directory in the cache's place: the tables are computed, the cache cannot
// be written, and both are said.
TEST(ColourCache, DirectoryIsReportedAndTheGameRuns) {
  const std::string folder = robustness::MakeOpenFloorFolder("cache_directory");
  robustness::PutDirectory(folder + CACHE);
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_NE(run.err.find(CACHE), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), "1 20");
}

// A full disk: the cache cannot be written, which is said; the game runs on the
// computed tables. (Reading /dev/full gives endless zero bytes, so a later start
// sees a cache of the wrong size and computes the tables again.)
TEST(ColourCache, FullDiskIsReportedAndTheGameRuns) {
  const std::string folder = robustness::MakeOpenFloorFolder("cache_disk_full");
  fs::create_symlink("/dev/full", folder + CACHE);
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_NE(run.err.find(std::string(CACHE) + ": write error"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), "1 20");
}

TEST(Log, UnwritableLogIsSkippedWithAMessage) {
  const std::string folder = robustness::MakeOpenFloorFolder("log_directory");
  robustness::PutDirectory(folder + "report.txt");
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_NE(run.err.find("report.txt"), std::string::npos) << run.err;
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), "1 20");
}

// The first free screenshot name leads into a folder that does not exist.
TEST(Screenshot, UnwritableScreenshotIsSkippedWithAMessage) {
  const std::string folder = robustness::MakeOpenFloorFolder("screenshot_unwritable");
  fs::create_symlink("no-such-folder/picture.bmp", folder + "scr0000.bmp");
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, "4000 down f9\n4100 up f9\n5000 close\n");
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_NE(run.err.find("scr0000.bmp"), std::string::npos) << run.err;
  EXPECT_FALSE(testsupport::FileExists(folder + "scr0001.bmp"));
}

}  // namespace
