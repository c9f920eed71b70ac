// The user's folders for written files on Linux: the XDG base directories, each
// with a vaulmoor folder of the user's alone.
#include "platform/linux/xdg_folders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/user_folders.h"

namespace platform {

namespace {

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

bool CanWriteIn(const std::string& folder) {
  return access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

const std::string& UserFolder(UserFile file) {
  static std::string folders[XDG_KINDS];
  static bool decided[XDG_KINDS] = {};
  const XdgKind kind = XdgKindOf(file);
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
  for (const std::filesystem::path& part : std::filesystem::path(folder)) {
    partial = (std::filesystem::path(partial) / part).string();
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
