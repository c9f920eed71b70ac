// The program the integration tests run: the Windows program, with the fonts it
// opens beside it, under Wine in the test run's own Wine prefix.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/tested_program.h"

namespace testsupport {

const TestedProgram& Tested() {
  static const TestedProgram program{VAULMOOR_WINDOWS_RUN_DIR "/vaulmoor.exe",
                                     "vaulmoor.exe",
                                     {"data/fonts"},
                                     "wine",
                                     // No debugging output of Wine's own on standard error.
                                     {"WINEPREFIX=" VAULMOOR_WINE_PREFIX, "WINEDEBUG=-all"}};
  static const bool found = std::system("command -v wine >/dev/null") == 0;
  if (!found)
    ADD_FAILURE() << "wine is not installed: install the Debian package wine "
                     "(scripts/deps.sh test installs it)";
  return program;
}

}  // namespace testsupport
