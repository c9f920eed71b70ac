// Reading the sequencer's command strings, the same for every platform's sequencer.
#include "platform/mci_command.h"

#include <string_view>

#include "platform/mci.h"

namespace platform {

namespace {

constexpr std::string_view OPEN_START = "open \"";
constexpr std::string_view OPEN_END = "\" type sequencer alias midi";

struct Phrase {
  std::string_view text;
  MciVerb verb;
};
constexpr Phrase PHRASES[] = {
    {"seek midi to start", MciVerb::Seek}, {"play midi notify", MciVerb::Play},
    {"stop midi", MciVerb::Stop},          {"close midi", MciVerb::Close},
    {"status midi mode", MciVerb::Status},
};

MciCommand ReadMciCommand(std::string_view text) {
  if (text.size() > OPEN_START.size() + OPEN_END.size() && text.starts_with(OPEN_START) &&
      text.ends_with(OPEN_END)) {
    std::string_view path =
        text.substr(OPEN_START.size(), text.size() - OPEN_START.size() - OPEN_END.size());
    if (path.find('"') != std::string_view::npos) return {};
    return {MciVerb::Open, std::string(path)};
  }
  for (const Phrase& phrase : PHRASES)
    if (text == phrase.text) return {phrase.verb, {}};
  return {};
}

}  // namespace

MciCommand TakeMciCommand(const char* command, char* returnString, uint32_t returnLength) {
  if (returnString != nullptr && returnLength > 0) returnString[0] = '\0';
  if (command == nullptr) return {};
  RememberMciCommand(command);
  return ReadMciCommand(command);
}

}  // namespace platform
