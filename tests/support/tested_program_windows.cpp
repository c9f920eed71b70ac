// The program the integration tests run: the Windows program, with the IPAGothic
// font it opens beside it, under Wine in the test run's own Wine prefix.
#include <gtest/gtest.h>

#include <cstdlib>

#include "support/tested_program.h"

namespace testsupport {

const TestedProgram& Tested() {
  static const TestedProgram program{
      VAULMOOR_WINDOWS_RUN_DIR "/vaulmoor.exe",
      "vaulmoor.exe",
      {"data/fonts/ipag.ttf"},
      "wine",
      // No debugging output of Wine's own on standard error. Wine names Unix
      // files in the character set of LC_CTYPE, which must be UTF-8 for a folder
      // named in Japanese; the tests' LANG=ja_JP.UTF-8 chooses the game's
      // language but need not be a locale this machine has.
      {"WINEPREFIX=" VAULMOOR_WINE_PREFIX, "WINEDEBUG=-all", "LC_CTYPE=C.UTF-8"}};
  static const bool found = std::system("command -v wine >/dev/null") == 0;
  if (!found)
    ADD_FAILURE() << "wine is not installed: install the Debian package wine "
                     "(scripts/deps.sh test installs it)";
  return program;
}

}  // namespace testsupport
