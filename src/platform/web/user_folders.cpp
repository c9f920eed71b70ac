// The folders for written files in a web page: /save/ is kept in the browser's
// IndexedDB by the page's script (storage.js), so it alone counts as a place to
// write; screenshots go to /downloads/, which the script offers as downloads.
#include "platform/user_folders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace platform {

namespace {

constexpr const char* KEPT_FOLDER = "/save/";
constexpr const char* DOWNLOAD_FOLDER = "/downloads/";

// The folder, made when missing; "" with a line on standard error when it cannot be.
std::string Made(const char* folder) {
  if (mkdir(folder, 0700) == 0 || errno == EEXIST) return folder;
  std::fprintf(stderr, "vaulmoor: cannot create %s: %s\n", folder, std::strerror(errno));
  return "";
}

}  // namespace

// Anything written outside the kept folder is gone with the page.
bool CanWriteIn(const std::string& folder) {
  return folder == KEPT_FOLDER;
}

const std::string& UserFolder(UserFile kind) {
  static const std::string kept = Made(KEPT_FOLDER);
  static const std::string downloads = Made(DOWNLOAD_FOLDER);
  const bool picture = kind == UserFile::Screenshot || kind == UserFile::ScreenshotName;
  return picture ? downloads : kept;
}

}  // namespace platform
