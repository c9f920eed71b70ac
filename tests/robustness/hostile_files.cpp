// Shared pieces of the bad-input tests: damaged file contents, the scripts that
// drive the program through a stage, and the outcome every start-up failure has.
#include "robustness/hostile_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace robustness {

namespace fs = std::filesystem;

const char* const SCRIPT_START_AND_CLEAR =
    "3000 down space\n3050 up space\n6000 down right\n6100 up right\n12000 close\n";
const char* const SCRIPT_CONTINUE_AND_CLEAR =
    "3000 down down\n3050 up down\n3500 down space\n3550 up space\n"
    "6000 down right\n6100 up right\n12000 close\n";
const char* const SCRIPT_BOOT_AND_CLOSE = "4000 close\n";

std::string OpenFloorStages() {
  std::string text;
  for (int stage = 0; stage < 32; ++stage) {
    text += "1 1 0 0\n";
    for (int row = 0; row < 9; ++row) text += "0 0 0 0 0 0 0 0 0\n";
  }
  return text;
}

std::string MakeOpenFloorFolder(const std::string& name) {
  testsupport::Fixtures fixtures;
  fixtures.stageText = OpenFloorStages();
  return testsupport::MakeRunFolder(name, fixtures);
}

std::string GarbageBytes(size_t count, uint32_t seed) {
  std::mt19937 random(seed);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
  return bytes;
}

void PutFile(const std::string& path, const std::string& bytes) {
  fs::remove_all(path);
  std::ofstream(path, std::ios::binary) << bytes;
  ASSERT_EQ(fs::file_size(path), bytes.size()) << path;
}

void PutDirectory(const std::string& path) {
  fs::remove_all(path);
  ASSERT_TRUE(fs::create_directory(path)) << path;
}

testsupport::RunResult RunWithMemoryCap(const std::string& folder,
                                        const std::vector<std::string>& args) {
#ifdef ROBUSTNESS_SANITIZED
  // The sanitizer runtime reserves far more address space than any limit would
  // allow; it watches the resident size itself.
  const char* options = std::getenv("ASAN_OPTIONS");
  return testsupport::RunProgram(
      folder, args,
      {std::string("ASAN_OPTIONS=") + (options ? options : "") + ":hard_rss_limit_mb=1024"});
#else
  // The runner starts the program through env(1), whose arguments may end in a
  // command: here a shell that sets the limit and then becomes the program.
  return testsupport::RunProgram(
      folder, args, {"LC_ALL=C", "sh", "-c", "ulimit -v 2097152 && exec \"$0\" \"$@\""});
#endif
}

testsupport::RunResult RunHeadlessWithMemoryCap(const std::string& folder,
                                                const std::string& script,
                                                const std::vector<std::string>& extraArgs) {
  std::ofstream(folder + "script.txt") << script;
  std::vector<std::string> args = {"--headless", "--script", "script.txt"};
  args.insert(args.end(), extraArgs.begin(), extraArgs.end());
  return RunWithMemoryCap(folder, args);
}

void ExpectStartupFailure(const testsupport::RunResult& run, const std::string& file,
                          const std::string& fault) {
  EXPECT_EQ(run.exitStatus, EXIT_STARTUP_FAILED) << run.err;
  EXPECT_NE(run.err.find("error: "), std::string::npos) << "no message box\n" << run.err;
  // Some line names both the file and what is wrong with it.
  bool named = false;
  for (size_t start = 0; start < run.err.size() && !named;) {
    size_t end = run.err.find('\n', start);
    if (end == std::string::npos) end = run.err.size();
    const std::string line = run.err.substr(start, end - start);
    named = line.find(file) != std::string::npos && line.find(fault) != std::string::npos;
    start = end + 1;
  }
  EXPECT_TRUE(named) << "no line names " << file << " and \"" << fault << "\"\n" << run.err;
}

}  // namespace robustness
