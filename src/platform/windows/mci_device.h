// The system's MCI service, behind names of the program's own: the Windows
// headers' names for MCI and window messages are the platform interface's too.
#pragma once

#include <cstdint>

namespace platform::windows {

// Called on the frame loop's thread, in the event pump, when a sequence that was
// started with notification ends; status is the notification's wParam.
using MciNotifyHandler = void (*)(uintptr_t status);

// Hands one command (UTF-8) to the system's mciSendString and returns its result.
// The reply, as UTF-8, goes into reply (at most replyLength bytes with the
// terminating zero). With onNotify, the system's notification for the command
// goes to it.
uint32_t SendMciCommand(const char* command, char* reply, uint32_t replyLength,
                        MciNotifyHandler onNotify);

}  // namespace platform::windows
