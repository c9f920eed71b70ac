// Lines of the program's input scripts, for tests that write them.
#include "support/script_text.h"

namespace testsupport {

std::string Tap(uint32_t ms, const std::string& key, uint32_t holdMs) {
  return std::to_string(ms) + " down " + key + "\n" + std::to_string(ms + holdMs) + " up " + key +
         "\n";
}

std::string Close(uint32_t ms) {
  return std::to_string(ms) + " close\n";
}

}  // namespace testsupport
