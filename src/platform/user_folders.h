// The system's side of where written files go (not for callers outside the
// platform's file code): whether a folder may be written to, and the user's own
// folder for each kind of written file.
#pragma once

#include <string>

#include "platform/files.h"

namespace platform {

// True when the program can create files in folder ("" for the working directory).
bool CanWriteIn(const std::string& folder);

// The folder of the user's own that keeps written files of this kind, made when
// missing, ending in '/'; "" when there is none, said once on standard error.
const std::string& UserFolder(UserFile kind);

}  // namespace platform
