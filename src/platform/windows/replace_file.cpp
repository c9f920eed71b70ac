// Replacing a file so that a crash or a power cut leaves either the old file or
// the new one: a temporary file flushed to the disk, then moved over the old one
// with the move itself written through to the disk before the call returns.
#include <windows.h>

#include <algorithm>
#include <string>
#include <system_error>

#include "platform/files.h"
#include "platform/windows/wide_text.h"

// The system names its own call ReplaceFile too.
#undef ReplaceFile

namespace platform {

namespace {

// Writes all of bytes to a new file at path and flushes it to the disk. Returns
// 0, or the error number of the first step that failed.
DWORD WriteDurably(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  DWORD error = 0;
  for (size_t written = 0; written < bytes.size() && error == 0;) {
    DWORD n = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - written, 1 << 20));
    if (!WriteFile(file, bytes.data() + written, chunk, &n, nullptr))
      error = GetLastError();
    else
      written += n;
  }
  if (error == 0 && !FlushFileBuffers(file)) error = GetLastError();
  if (!CloseHandle(file) && error == 0) error = GetLastError();
  return error;
}

}  // namespace

bool ReplaceFile(const std::string& path, const std::string& bytes, std::string* problem) {
  const std::wstring target = WideOf(path);
  const std::wstring temporary = WideOf(path + ".tmp");
  DWORD error = WriteDurably(temporary, bytes);
  if (error == 0 && !MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = GetLastError();
  if (error != 0) {
    *problem = std::system_category().message(static_cast<int>(error));
    DeleteFileW(temporary.c_str());  // a file only: a folder of that name is not ours
    return false;
  }
  return true;
}

}  // namespace platform
