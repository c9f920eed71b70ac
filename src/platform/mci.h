// The MCI command-string service in place of winmm's mciSendStringA: a MIDI
// sequencer under the alias midi, played by FluidSynth into the sound output
// (on Windows, the system's own MCI sequencer).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

constexpr uint32_t MCIERR_UNRECOGNIZED_COMMAND = 261;
constexpr uint32_t MCIERR_HARDWARE = 262;
constexpr uint32_t MCIERR_INVALID_DEVICE_NAME = 263;
constexpr uint32_t MCIERR_CANNOT_LOAD_DRIVER = 266;
constexpr uint32_t MCIERR_FILE_NOT_FOUND = 275;
constexpr uint32_t MCIERR_DEVICE_OPEN = 288;

// Carries out one command and returns 0 or an MCIERR code. Understood, for the
// alias midi only:
//   open "PATH" type sequencer alias midi   seek midi to start   play midi notify
//   stop midi   close midi   status midi mode (reply "stopped" or "playing")
// The reply, when asked for, goes into returnString (at most returnLength bytes
// with the terminating zero). With notifyWindow, the end of the sequence posts
// MM_MCINOTIFY with MCI_NOTIFY_SUCCESSFUL once, the sequencer then stopped.
uint32_t mciSendStringA(const char* command, char* returnString, uint32_t returnLength,
                        bool notifyWindow);

// The commands received so far, oldest first (the most recent 1000).
std::vector<std::string> MciCommandLog();
void ClearMciCommandLog();
// Adds a command to the log (the sequencer does, for every command it is given).
void RememberMciCommand(std::string_view command);

}  // namespace platform
