// The system's side of reading a whole file (not for callers outside the
// platform's file code): what a path names, and a regular file opened for
// reading without blocking.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

enum class FileKind { Missing, Regular, Folder, Device, Pipe, Socket, Other, Unopened };

// A file opened for reading: the system's handle.
struct SystemFile {
  intptr_t handle = -1;
};

// What path names, symbolic links followed. Only a regular file is opened, into
// *file; anything else is never opened, since opening a pipe or a device can
// block or act. Unopened with the system's reason in *reason when the path
// cannot be looked at or the file cannot be opened.
FileKind OpenForReading(const std::string& path, SystemFile* file, std::string* reason);

// Reads up to size bytes: the count, 0 at the end of the file, -1 with the
// system's reason in *reason.
int64_t ReadSome(SystemFile file, char* buffer, size_t size, std::string* reason);

void CloseFile(SystemFile file);

}  // namespace platform
