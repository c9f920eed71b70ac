// Where the game's files are read from and where the files it writes go: a run
// folder keeps everything beside the game's files, an installed tree is left
// alone and the user's own folders take what the game writes.
#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/user_folders.h"
#include "platform/utf8_path.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

// The file that tells where the game's files are: the first one the game reads.
constexpr const char* GAME_FILES_MARKER = "pal.bmp";

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// The installed share folder: the install's layout, relative to the program's
// folder, is the only thing the program knows of where it was installed.
const std::string& ShareDirectory() {
  static const std::string directory = WithSlash(
      TextOf((PathOf(ProgramDirectory()) / VAULMOOR_SHARE_FROM_PROGRAM).lexically_normal()));
  return directory;
}

std::string LookUp(const std::string& name, DesignedFolder designed) {
  if (PathOf(name).is_absolute()) return name;
  const std::vector<std::string> folders =
      SearchOrder(designed, ProgramDirectory(), ShareDirectory());
  const int found = FindInFolders(name, folders);
  return folders[found < 0 ? 0 : found] + name;
}

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ignored;
  return fs::equivalent(PathOf(a.empty() ? "." : a), PathOf(b.empty() ? "." : b), ignored);
}

// Where the written files go, decided once from where the game's files are.
struct WritePlace {
  bool besideGameFiles = true;  // false: in the user's own folders
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
    return WritePlace{!installed && CanWriteIn(folder), folder};
  }();
  return place;
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
    return place.gameFolder + TextOf(PathOf(name).lexically_normal());
  }
  const std::string& folder = UserFolder(kind);
  return folder.empty() ? "" : folder + TextOf(PathOf(name).filename());
}

int FindInFolders(const std::string& name, const std::vector<std::string>& folders) {
  for (size_t i = 0; i < folders.size(); ++i) {
    std::error_code ignored;
    if (fs::exists(PathOf(folders[i] + name), ignored)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<std::string> SearchOrder(DesignedFolder designed, const std::string& programDirectory,
                                     const std::string& shareDirectory) {
  if (designed == DesignedFolder::Program) return {programDirectory, "", shareDirectory};
  return {"", programDirectory, shareDirectory};
}

}  // namespace platform
