// The directory the program file lives in, as Windows names the running module.
#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/windows/wide_text.h"

namespace platform {

namespace {

// The module's full path, however long: the buffer grows until the name fits.
std::wstring ModulePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L"";
    if (length < path.size()) return path.substr(0, length);
    path.resize(path.size() * 2);
  }
}

}  // namespace

const char* ProgramDirectory() {
  static std::string directory;
  if (directory.empty()) {
    // '/' between folders, as the game writes its own names after this one.
    std::string path = Utf8Of(ModulePath());
    for (char& c : path)
      if (c == '\\') c = '/';
    const size_t slash = path.rfind('/');
    directory = slash == std::string::npos ? "./" : path.substr(0, slash + 1);
  }
  return directory.c_str();
}

}  // namespace platform
