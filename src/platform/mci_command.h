// The command strings the MIDI sequencer understands, carried out by a platform's sequencer.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// What a platform's sequencer does for each command. Every entry but open is
// asked only while a sequence is open.
struct MciSequencer {
  uint32_t (*open)(const std::string& path);
  uint32_t (*rewind)();
  uint32_t (*play)(bool notify);
  uint32_t (*stop)();
  uint32_t (*status)(char* returnString, uint32_t returnLength);
  uint32_t (*close)();
  bool (*isOpen)();
};

// mciSendStringA for a sequencer: clears the reply, logs the command
// (RememberMciCommand), reads it and has the sequencer carry it out. A null
// command, a command for another device or a path with a quote is not recognised.
uint32_t RunMciCommand(const MciSequencer& sequencer, const char* command, char* returnString,
                       uint32_t returnLength, bool notifyWindow);

}  // namespace platform
