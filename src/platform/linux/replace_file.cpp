// Replacing a file so that a crash or a power cut leaves either the old file or
// the new one: a temporary file flushed to the disk, renamed over the old one,
// and the folder flushed so that the rename itself is kept.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/files.h"

namespace platform {

namespace {

// Writes all of bytes to a new file at path and flushes it to the disk. Returns
// 0, or the error number of the first step that failed.
int WriteDurably(const std::string& path, const std::string& bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  int error = 0;
  for (size_t written = 0; written < bytes.size() && error == 0;) {
    const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n > 0)
      written += static_cast<size_t>(n);
    else if (n == 0 || errno != EINTR)
      error = n == 0 ? EIO : errno;
  }
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (close(fd) != 0 && error == 0) error = errno;
  return error;
}

// Flushes the folder's entries, so that a rename in it survives a power cut.
// Returns 0 or the error number.
int FlushFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int error = fsync(fd) == 0 ? 0 : errno;
  close(fd);
  return error;
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::string& bytes, std::string* problem) {
  const std::string temporary = path + ".tmp";
  int error = WriteDurably(temporary, bytes);
  if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    *problem = std::strerror(error);
    unlink(temporary.c_str());  // a file only: a folder of that name is not ours
    return false;
  }
  const std::string folder = std::filesystem::path(path).parent_path().string();
  error = FlushFolder(folder.empty() ? "." : folder);
  if (error != 0) {
    *problem = std::string("written, but not flushed to the disk: ") + std::strerror(error);
    return false;
  }
  return true;
}

}  // namespace platform
