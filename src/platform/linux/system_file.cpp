// Opening and reading a whole file on Linux: stat() says what the path is
// before anything is opened, and the file opened is looked at again, since the
// path may name something else by then.
#include "platform/system_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

namespace {

FileKind KindOf(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::Regular;
  if (S_ISDIR(mode)) return FileKind::Folder;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::Device;
  if (S_ISFIFO(mode)) return FileKind::Pipe;
  if (S_ISSOCK(mode)) return FileKind::Socket;
  return FileKind::Other;
}

// A path that is not there, or runs through a file as if it were a folder.
FileKind Failed(int error, std::string* reason) {
  if (error == ENOENT || error == ENOTDIR) return FileKind::Missing;
  *reason = std::strerror(error);
  return FileKind::Unopened;
}

}  // namespace

FileKind OpenForReading(const std::string& path, SystemFile* file, std::string* reason) {
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return Failed(errno, reason);
  const FileKind kind = KindOf(status.st_mode);
  if (kind != FileKind::Regular) return kind;
  // Non-blocking and never a controlling terminal, in case the path has become a
  // pipe or a device since it was looked at.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Failed(errno, reason);
  const FileKind opened = fstat(fd, &status) == 0 ? KindOf(status.st_mode) : FileKind::Other;
  if (opened != FileKind::Regular) {
    close(fd);
    return opened;
  }
  file->handle = fd;
  return FileKind::Regular;
}

int64_t ReadSome(SystemFile file, char* buffer, size_t size, std::string* reason) {
  for (;;) {
    const ssize_t got = read(static_cast<int>(file.handle), buffer, size);
    if (got >= 0) return got;
    if (errno != EINTR) {
      *reason = std::strerror(errno);
      return -1;
    }
  }
}

void CloseFile(SystemFile file) {
  close(static_cast<int>(file.handle));
}

}  // namespace platform
