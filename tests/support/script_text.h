// Lines of the program's input scripts, for tests that write them.
#pragma once

#include <cstdint>
#include <string>

namespace testsupport {

// Script lines pressing key at ms and letting it go holdMs later.
std::string Tap(uint32_t ms, const std::string& key, uint32_t holdMs = 50);
// The script line asking the program to close at ms.
std::string Close(uint32_t ms);

}  // namespace testsupport
