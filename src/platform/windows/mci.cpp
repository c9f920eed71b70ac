// The MCI command-string service on Windows: the system's own MCI sequencer
// plays the MIDI file, and its end notification comes to the window procedure
// as MM_MCINOTIFY. Headless runs have no sound device and leave the system's
// sequencer alone: every command fails as it does on a machine without one.
#include "platform/mci.h"

#include "platform/platform.h"
#include "platform/windows/mci_device.h"

namespace platform {

namespace {

void PostNotification(uintptr_t status) {
  PostMessageA(MM_MCINOTIFY, status, 0);
}

}  // namespace

uint32_t mciSendStringA(const char* command, char* returnString, uint32_t returnLength,
                        bool notifyWindow) {
  if (returnString != nullptr && returnLength > 0) returnString[0] = '\0';
  if (command == nullptr) return MCIERR_UNRECOGNIZED_COMMAND;
  RememberMciCommand(command);
  if (IsHeadless()) return MCIERR_HARDWARE;
  return windows::SendMciCommand(command, returnString, returnLength,
                                 notifyWindow ? PostNotification : nullptr);
}

}  // namespace platform
