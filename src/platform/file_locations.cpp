// Where the game's files are read from and where the files it writes go: a run
// folder keeps everything beside the game's files, an installed tree is left
// alone and the user's XDG folders take what the game writes.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// The file that tells where the game's files are: the first one the game reads.
constexpr const char* GAME_FILES_MARKER = "pal.bmp";

// The XDG folders and what the game keeps in each.
enum XdgKind { XDG_DATA, XDG_CACHE, XDG_STATE, XDG_KINDS };
struct XdgFolderRule {
  const char* variable;
  const char* fallback;  // under HOME
  const char* holds;     // for the message when there is no folder
};
constexpr XdgFolderRule XDG_RULES[XDG_KINDS] = {
    {"XDG_DATA_HOME", ".local/share", "the save file and screenshots"},
    {"XDG_CACHE_HOME", ".cache", "the colour-table cache"},
    {"XDG_STATE_HOME", ".local/state", "the display-memory log"},
};

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// The installed share folder: the install's layout, relative to the program's
// folder, is the only thing the program knows of where it was installed.
const std::string& ShareDirectory() {
  static const std::string directory = WithSlash(
      (fs::path(ProgramDirectory()) / VAULMOOR_SHARE_FROM_PROGRAM).lexically_normal().string());
  return directory;
}

std::string LookUp(const std::string& name, DesignedFolder designed) {
  if (IsAbsolute(name.c_str())) return name;
  const std::vector<std::string> folders =
      SearchOrder(designed, ProgramDirectory(), ShareDirectory());
  const int found = FindInFolders(name, folders);
  return folders[found < 0 ? 0 : found] + name;
}

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return fs::equivalent(a.empty() ? "." : a, b.empty() ? "." : b, ignored);
}

// Where the written files go, decided once from where the game's files are.
struct WritePlace {
  bool besideGameFiles = true;  // false: in the user's XDG folders
  std::string gameFolder;       // "" for the working directory, else ending in '/'
};

const WritePlace& Place() {
  static const WritePlace place = [] {
    const std::vector<std::string> folders =
        SearchOrder(DesignedFolder::Working, ProgramDirectory(), ShareDirectory());
    const int found = FindInFolders(GAME_FILES_MARKER, folders);
    // Nowhere: the working directory, as designed (start-up stops soon after).
    if (found < 0) return WritePlace{};
    const std::string& folder = folders[found];
    const bool installed = SameFolder(folder, ShareDirectory());
    const bool writable = access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
    return WritePlace{!installed && writable, folder};
  }();
  return place;
}

// The game's folder in one of the XDG folders, made on first use; "" when there
// is none, said once on standard error.
const std::string& UserFolder(XdgKind kind) {
  static std::string folders[XDG_KINDS];
  static bool decided[XDG_KINDS] = {};
  if (!decided[kind]) {
    decided[kind] = true;
    const XdgFolderRule& rule = XDG_RULES[kind];
    std::string problem;
    const std::string base = XdgBaseFolder(rule.variable, std::getenv(rule.variable),
                                           std::getenv("HOME"), rule.fallback, &problem);
    if (!base.empty() && MakeWritableFolder(base + "vaulmoor/", &problem))
      folders[kind] = base + "vaulmoor/";
    else
      std::fprintf(stderr, "vaulmoor: no folder for %s: %s\n", rule.holds, problem.c_str());
  }
  return folders[kind];
}

XdgKind XdgKindOf(UserFile kind) {
  switch (kind) {
    case UserFile::Cache:
      return XDG_CACHE;
    case UserFile::Log:
      return XDG_STATE;
    default:
      return XDG_DATA;
  }
}

}  // namespace

std::string GameFilePath(const std::string& name) {
  return LookUp(name, DesignedFolder::Working);
}

std::string ProgramFilePath(const std::string& name) {
  return LookUp(name, DesignedFolder::Program);
}

std::string UserFilePath(UserFile kind, const std::string& name) {
  const WritePlace& place = Place();
  if (place.besideGameFiles) {
    if (kind == UserFile::Screenshot) return ProgramDirectory() + name;
    if (place.gameFolder.empty()) return name;
    return place.gameFolder + fs::path(name).lexically_normal().string();
  }
  const std::string& folder = UserFolder(XdgKindOf(kind));
  return folder.empty() ? "" : folder + fs::path(name).filename().string();
}

int FindInFolders(const std::string& name, const std::vector<std::string>& folders) {
  for (size_t i = 0; i < folders.size(); ++i) {
    std::error_code ignored;
    if (fs::exists(folders[i] + name, ignored)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<std::string> SearchOrder(DesignedFolder designed, const std::string& programDirectory,
                                     const std::string& shareDirectory) {
  if (designed == DesignedFolder::Program) return {programDirectory, "", shareDirectory};
  return {"", programDirectory, shareDirectory};
}

std::string XdgBaseFolder(const char* variable, const char* value, const char* home,
                          const char* fallback, std::string* problem) {
  if (IsAbsolute(value)) return WithSlash(value);
  if (IsAbsolute(home)) return WithSlash(home) + WithSlash(fallback);
  *problem = std::string("neither ") + variable + " nor HOME is set to an absolute path";
  return "";
}

bool MakeWritableFolder(const std::string& folder, std::string* problem) {
  // Each missing folder on the way is made in turn, so that new parents get
  // the user-only mode too.
  std::string partial;
  for (const fs::path& part : fs::path(folder)) {
    partial = (fs::path(partial) / part).string();
    if (part == "/" || part.empty()) continue;
    if (mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
      *problem = "cannot create " + partial + ": " + std::strerror(errno);
      return false;
    }
  }
  struct stat info {};
  if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
    *problem = "cannot create " + folder + ": " + std::strerror(ENOTDIR);
    return false;
  }
  if (access(folder.c_str(), W_OK) != 0) {
    *problem = "cannot write to " + folder + ": " + std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace platform
