// Reading the sequencer's command strings and handing them to the platform's sequencer.
#include "platform/mci_command.h"

#include <string_view>

#include "platform/mci.h"

namespace platform {

namespace {

enum class MciVerb { Open, Seek, Play, Stop, Status, Close, Unknown };

struct MciCommand {
  MciVerb verb = MciVerb::Unknown;
  std::string path;  // the file an open names
};

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

uint32_t RunMciCommand(const MciSequencer& sequencer, const char* command, char* returnString,
                       uint32_t returnLength, bool notifyWindow) {
  if (returnString != nullptr && returnLength > 0) returnString[0] = '\0';
  if (command == nullptr) return MCIERR_UNRECOGNIZED_COMMAND;
  RememberMciCommand(command);
  const MciCommand asked = ReadMciCommand(command);
  if (asked.verb == MciVerb::Unknown) return MCIERR_UNRECOGNIZED_COMMAND;
  if (asked.verb == MciVerb::Open) return sequencer.open(asked.path);
  if (!sequencer.isOpen()) return MCIERR_INVALID_DEVICE_NAME;
  switch (asked.verb) {
    case MciVerb::Seek:
      return sequencer.rewind();
    case MciVerb::Play:
      return sequencer.play(notifyWindow);
    case MciVerb::Stop:
      return sequencer.stop();
    case MciVerb::Status:
      return sequencer.status(returnString, returnLength);
    default:
      return sequencer.close();
  }
}

}  // namespace platform
