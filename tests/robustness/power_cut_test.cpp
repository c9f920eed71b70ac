// The save survives a power cut: watched through the system calls it makes, the
// game flushes the new save to the disk before renaming it over the old one,
// and flushes the folder after, so that the rename itself is kept.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

// Finds the steps in order, each on a later line of the trace than the one
// before; a step's "<fd>" stands for the descriptor the step before it returned.
testing::AssertionResult StepsInOrder(const std::string& trace,
                                      const std::vector<std::string>& steps) {
  std::istringstream lines(trace);
  std::string line, fd;
  for (const std::string& step : steps) {
    std::string pattern = step;
    if (const size_t at = pattern.find("<fd>"); at != std::string::npos) pattern.replace(at, 4, fd);
    const std::regex wanted(pattern);
    std::smatch match;
    bool found = false;
    while (!found && std::getline(lines, line)) found = std::regex_search(line, match, wanted);
    if (!found) return testing::AssertionFailure() << "no \"" << pattern << "\" in order";
    if (match.size() > 1) fd = match[1];
  }
  return testing::AssertionSuccess();
}

TEST(PowerCut, SaveIsFlushedBeforeTheRenameAndItsFolderAfter) {
  const std::string folder = robustness::MakeOpenFloorFolder("power_cut");
  std::ofstream(folder + "script.txt") << robustness::SCRIPT_START_AND_CLEAR;
  const testsupport::RunResult run =
      testsupport::RunCommand(folder, "strace",
                              {"-f", "-o", folder + "trace.txt", "-e",
                               "trace=openat,fsync,fdatasync,rename,renameat,renameat2",
                               "./vaulmoor", "--headless", "--script", "script.txt"},
                              {}, folder);
  ASSERT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(testsupport::ReadFile(folder + "data/save.dat"), "1 20");
  EXPECT_TRUE(StepsInOrder(
      testsupport::ReadFile(folder + "trace.txt"),
      {R"(openat\(AT_FDCWD, "data/save\.dat\.tmp", O_WRONLY.*\) = (\d+))",
       R"(f(?:data)?sync\(<fd>\) += 0)",
       R"(rename(?:at2?)?\(.*"data/save\.dat\.tmp", .*"data/save\.dat".*= 0)",
       R"(openat\(AT_FDCWD, "data", .*O_DIRECTORY.*\) = (\d+))", R"(fsync\(<fd>\) += 0)"}));
}

}  // namespace
