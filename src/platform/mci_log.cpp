// The log of the MCI commands the program has sent, for checking what it asked for.
#include <deque>

#include "platform/mci.h"

namespace platform {

namespace {

constexpr size_t LOG_LIMIT = 1000;

std::deque<std::string> CommandLog;

}  // namespace

void RememberMciCommand(std::string_view command) {
  CommandLog.emplace_back(command);
  if (CommandLog.size() > LOG_LIMIT) CommandLog.pop_front();
}

std::vector<std::string> MciCommandLog() {
  return {CommandLog.begin(), CommandLog.end()};
}

void ClearMciCommandLog() {
  CommandLog.clear();
}

}  // namespace platform
