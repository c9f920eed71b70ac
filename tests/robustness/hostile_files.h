// Shared pieces of the bad-input tests: damaged file contents, the scripts that
// drive the program through a stage, and the outcome every start-up failure has.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/run_folder.h"

namespace robustness {

// 32 stages of open floor with nothing to deliver: the first move clears a stage,
// so a run that starts a stage and moves once writes the save file.
std::string OpenFloorStages();

// A run folder with the fixture files and the open-floor stages.
std::string MakeOpenFloorFolder(const std::string& name);

// Reproducible bytes of every value (a fixed seed per call site).
std::string GarbageBytes(size_t count, uint32_t seed);

// Replaces whatever is at path with these bytes.
void PutFile(const std::string& path, const std::string& bytes);
// Replaces whatever is at path with an empty directory.
void PutDirectory(const std::string& path);

// START on the title, one move to the right (which clears an open-floor stage
// and saves), then a close request.
extern const char* const SCRIPT_START_AND_CLEAR;
// The same through CONTINUE.
extern const char* const SCRIPT_CONTINUE_AND_CLEAR;
// Waits past the boot logo and closes.
extern const char* const SCRIPT_BOOT_AND_CLOSE;

// Runs the program with its memory held to a gigabyte or two, for inputs
// that could otherwise make it take all the machine has.
testsupport::RunResult RunWithMemoryCap(const std::string& folder,
                                        const std::vector<std::string>& args);
// The same for a headless run of the script (written to script.txt first).
testsupport::RunResult RunHeadlessWithMemoryCap(const std::string& folder,
                                                const std::string& script,
                                                const std::vector<std::string>& extraArgs = {});

// Exit statuses of the program.
constexpr int EXIT_CLOSED = 1;
constexpr int EXIT_STARTUP_FAILED = 2;

// A file the game cannot run without was refused: the message box (its caption
// "error" and a text naming the file), a line naming the file and the fault on
// standard error, and exit status 2.
void ExpectStartupFailure(const testsupport::RunResult& run, const std::string& file,
                          const std::string& fault);

// Names a parameterised test after its table row's name field.
struct RowName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& row) const {
    return row.param.name;
  }
};

}  // namespace robustness
