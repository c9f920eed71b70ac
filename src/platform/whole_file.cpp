// Reading one of the game's files whole, the same way for every reader: what
// the path is first, then the bytes up to the reader's limit.
#include "platform/whole_file.h"

#include "platform/system_file.h"

namespace platform {

namespace {

constexpr size_t CHUNK_BYTES = 64 << 10;

std::string KindWords(FileKind kind) {
  switch (kind) {
    case FileKind::Missing:
      return "does not exist";
    case FileKind::Folder:
      return "is a folder";
    case FileKind::Device:
      return "is a device";
    case FileKind::Pipe:
      return "is a pipe";
    case FileKind::Socket:
      return "is a socket";
    default:
      return "is not a regular file";
  }
}

// The limit as people say sizes: "1 MiB", "64 KiB", "39552 bytes".
std::string SizeWords(size_t bytes) {
  if (bytes >= (1 << 20) && bytes % (1 << 20) == 0) return std::to_string(bytes >> 20) + " MiB";
  if (bytes >= (1 << 10) && bytes % (1 << 10) == 0) return std::to_string(bytes >> 10) + " KiB";
  return std::to_string(bytes) + " bytes";
}

// Reads the open file to its end; false with *problem once it holds more than
// maxBytes or cannot be read.
bool ReadToEnd(SystemFile file, size_t maxBytes, std::string* bytes, std::string* problem) {
  std::string reason;
  for (;;) {
    const size_t had = bytes->size();
    bytes->resize(had + CHUNK_BYTES);
    const int64_t got = ReadSome(file, bytes->data() + had, CHUNK_BYTES, &reason);
    bytes->resize(had + static_cast<size_t>(got > 0 ? got : 0));
    if (got < 0) {
      *problem = "cannot be read: " + reason;
      return false;
    }
    if (bytes->size() > maxBytes) {
      *problem = "is larger than " + SizeWords(maxBytes);
      return false;
    }
    if (got == 0) return true;
  }
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path, size_t maxBytes, std::string* bytes,
                        std::string* problem) {
  bytes->clear();
  SystemFile file;
  std::string reason;
  const FileKind kind = OpenForReading(path, &file, &reason);
  if (kind != FileKind::Regular) {
    *problem = kind == FileKind::Unopened ? "cannot be opened: " + reason : KindWords(kind);
    return kind == FileKind::Missing ? WholeFile::Missing : WholeFile::Refused;
  }
  const bool read = ReadToEnd(file, maxBytes, bytes, problem);
  CloseFile(file);
  if (read) return WholeFile::Read;
  bytes->clear();
  bytes->shrink_to_fit();
  return WholeFile::Refused;
}

std::string NotARegularFile(const std::string& path) {
  SystemFile file;
  std::string reason;
  const FileKind kind = OpenForReading(path, &file, &reason);
  if (kind == FileKind::Regular) CloseFile(file);
  if (kind == FileKind::Unopened) return "cannot be opened: " + reason;
  return kind == FileKind::Regular ? "" : KindWords(kind);
}

}  // namespace platform
