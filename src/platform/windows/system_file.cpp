// Opening and reading a whole file on Windows: the attributes say whether the
// path is there and a folder; the file opened says whether it is on a disk or is
// a device (NUL, CON, COM1) or a pipe.
#include "platform/system_file.h"

#include <windows.h>

#include <algorithm>
#include <system_error>

#include "platform/windows/wide_text.h"

namespace platform {

namespace {

std::string SystemReason(DWORD error) {
  return std::system_category().message(static_cast<int>(error));
}

FileKind Failed(DWORD error, std::string* reason) {
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return FileKind::Missing;
  *reason = SystemReason(error);
  return FileKind::Unopened;
}

FileKind KindOf(HANDLE file) {
  switch (GetFileType(file)) {
    case FILE_TYPE_DISK:
      return FileKind::Regular;
    case FILE_TYPE_CHAR:
      return FileKind::Device;
    case FILE_TYPE_PIPE:
      return FileKind::Pipe;
    default:
      return FileKind::Other;
  }
}

}  // namespace

FileKind OpenForReading(const std::string& path, SystemFile* file, std::string* reason) {
  const std::wstring name = WideOf(path);
  const DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return FileKind::Folder;
  // Opening a named pipe never waits for its server: it connects or fails.
  HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return Failed(GetLastError(), reason);
  const FileKind kind = KindOf(handle);
  if (kind != FileKind::Regular) {
    CloseHandle(handle);
    return kind;
  }
  file->handle = reinterpret_cast<intptr_t>(handle);
  return FileKind::Regular;
}

int64_t ReadSome(SystemFile file, char* buffer, size_t size, std::string* reason) {
  DWORD got = 0;
  const DWORD asked = static_cast<DWORD>(std::min<size_t>(size, 1 << 30));
  if (!ReadFile(reinterpret_cast<HANDLE>(file.handle), buffer, asked, &got, nullptr)) {
    *reason = SystemReason(GetLastError());
    return -1;
  }
  return got;
}

void CloseFile(SystemFile file) {
  CloseHandle(reinterpret_cast<HANDLE>(file.handle));
}

}  // namespace platform
