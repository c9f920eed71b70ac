// The user's folder for written files on Windows: %APPDATA%\Vaulmoor, which
// takes the save file, the screenshots, the colour-table cache and the log when
// the game's own folder cannot be written to (under C:\Program Files, say).
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/user_folders.h"
#include "platform/utf8_path.h"
#include "platform/windows/wide_text.h"

namespace platform {

namespace {

constexpr const char* OWN_FOLDER = "Vaulmoor/";

// The folder made when missing, with its parents; "" or the reason it cannot be.
std::string MakeFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(PathOf(folder), error);
  if (error) return "cannot create " + folder + ": " + error.message();
  if (!CanWriteIn(folder)) return "cannot write to " + folder;
  return "";
}

std::string Decide() {
  const wchar_t* appData = _wgetenv(L"APPDATA");
  std::string problem = "APPDATA is not set to a folder";
  if (appData != nullptr && PathOf(Utf8Of(appData)).is_absolute()) {
    std::string base = TextOf(PathOf(Utf8Of(appData)));
    if (base.back() != '/') base += '/';
    problem = MakeFolder(base + OWN_FOLDER);
    if (problem.empty()) return base + OWN_FOLDER;
  }
  std::fprintf(stderr, "vaulmoor: no folder for the save file, screenshots, cache and log: %s\n",
               problem.c_str());
  return "";
}

}  // namespace

// Windows keeps who may write where in access lists that the file attributes
// do not show: only creating a file tells. The probe is deleted as it closes.
bool CanWriteIn(const std::string& folder) {
  const std::wstring probe = WideOf((folder.empty() ? "./" : folder) + "vaulmoor-write-probe.tmp");
  HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

const std::string& UserFolder(UserFile) {
  static const std::string folder = Decide();
  return folder;
}

}  // namespace platform
