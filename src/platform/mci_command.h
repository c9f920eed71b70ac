// The command strings the MIDI sequencer understands, read into what they ask for.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

enum class MciVerb { Open, Seek, Play, Stop, Status, Close, Unknown };

struct MciCommand {
  MciVerb verb = MciVerb::Unknown;
  std::string path;  // the file an open names
};

// Clears the reply, logs the command (RememberMciCommand) and reads it; a null
// command, a command for another device or a path with a quote reads Unknown.
MciCommand TakeMciCommand(const char* command, char* returnString, uint32_t returnLength);

}  // namespace platform
