// The program the integration tests run: the Linux program itself, or the
// Windows program under Wine, chosen by the test support library a test links.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

struct TestedProgram {
  std::string path;                      // the built program
  std::string fileName;                  // its name in a run folder
  std::vector<std::string> companions;   // files beside it that go with it, relative to it
  std::string launcher;                  // the program that runs it, or "" to run it directly
  std::vector<std::string> environment;  // NAME=VALUE settings every run of it gets
};

// The program of this test support library. A test that cannot run it (no Wine
// to run the Windows program) fails, saying what to install.
const TestedProgram& Tested();

}  // namespace testsupport
