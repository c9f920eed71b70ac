// Reading one of the game's files whole: a regular file no larger than its
// reader allows, and nothing else, without blocking on a pipe or reading a
// device without end.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

enum class WholeFile {
  Read,     // *bytes holds the whole file
  Missing,  // nothing is there (or a folder on the way is a file)
  Refused,  // something is there that is not read: *problem says what
};

// Reads the regular file at path into *bytes when it holds at most maxBytes.
// Otherwise *bytes is empty and *problem says what the path is, in words that
// follow its name: "does not exist", "is a folder", "is a device", "is a pipe",
// "is a socket", "is not a regular file", "is larger than 1 MiB", "cannot be
// opened: REASON", "cannot be read: REASON". A folder, device, pipe or socket
// is refused without being opened.
WholeFile ReadWholeFile(const std::string& path, size_t maxBytes, std::string* bytes,
                        std::string* problem);

// "" when path names a regular file, else what it is in the same words: for the
// libraries that open a file by its name themselves (fonts, music).
std::string NotARegularFile(const std::string& path);

}  // namespace platform
