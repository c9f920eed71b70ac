// The save survives a power cut: watched through the system calls it makes, the
// game flushes the new save to the disk before renaming it over the old one,
// and flushes the folder after, so that the rename itself is kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

// One line of strace's output: "PID name(arguments) = result".
struct SystemCall {
  std::string name, arguments, result;
};

std::vector<SystemCall> ReadTrace(const std::string& trace) {
  std::vector<SystemCall> calls;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    // The process number is padded with spaces to a fixed width.
    const size_t name = line.find_first_not_of(' ', line.find(' '));
    const size_t open = line.find('(', name);
    const size_t equals = line.rfind(" = ");
    if (name == std::string::npos || open == std::string::npos || equals == std::string::npos ||
        equals < open)
      continue;
    const size_t close = line.rfind(')', equals);
    calls.push_back({line.substr(name, open - name), line.substr(open + 1, close - open - 1),
                     line.substr(line.find_first_not_of(' ', equals + 3))});
  }
  return calls;
}

bool Mentions(const SystemCall& call, const std::vector<std::string>& parts) {
  return std::all_of(parts.begin(), parts.end(), [&](const std::string& part) {
    return call.arguments.find(part) != std::string::npos;
  });
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
  // The steps, each a later call than the one before.
  const std::vector<SystemCall> calls = ReadTrace(testsupport::ReadFile(folder + "trace.txt"));
  auto next = [&](size_t from, auto matches) {
    return std::find_if(calls.begin() + static_cast<ptrdiff_t>(std::min(from, calls.size())),
                        calls.end(), matches) -
           calls.begin();
  };
  const auto flushes = [](const std::string& fd) {
    return [fd](const SystemCall& c) {
      return (c.name == "fsync" || c.name == "fdatasync") && c.arguments == fd && c.result == "0";
    };
  };
  const size_t created = next(0, [](const SystemCall& c) {
    return c.name == "openat" && Mentions(c, {"\"data/save.dat.tmp\"", "O_WRONLY"});
  });
  ASSERT_LT(created, calls.size()) << "the temporary file was not created";
  const size_t flushed = next(created + 1, flushes(calls[created].result));
  ASSERT_LT(flushed, calls.size()) << "the temporary file was not flushed";
  const size_t renamed = next(flushed + 1, [](const SystemCall& c) {
    return c.name.starts_with("rename") &&
           Mentions(c, {"\"data/save.dat.tmp\"", "\"data/save.dat\""}) && c.result == "0";
  });
  ASSERT_LT(renamed, calls.size()) << "no rename after the flush";
  const size_t opened = next(renamed + 1, [](const SystemCall& c) {
    return c.name == "openat" && Mentions(c, {"\"data\"", "O_DIRECTORY"});
  });
  ASSERT_LT(opened, calls.size()) << "the folder was not opened after the rename";
  EXPECT_LT(next(opened + 1, flushes(calls[opened].result)), calls.size())
      << "the folder was not flushed";
}

}  // namespace
