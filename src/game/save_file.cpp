// Writing and reading the save file, with its check value against casual edits.
#include "game/save_file.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "game/data_model.h"
#include "platform/files.h"
#include "platform/whole_file.h"

namespace game {

std::string SaveFileName = SAVE_FILE_PATH;

int32_t SaveCheck(int32_t s) {
  // The product wraps like the 32-bit integer it is.
  int32_t product = static_cast<int32_t>((static_cast<uint32_t>(s) - 1u) * 69u);
  return static_cast<int32_t>(20.0 * std::sin(static_cast<double>(product)) + 20.0);
}

int32_t WriteSaveFile(const char* path, int32_t stage) {
  char text[32];
  std::snprintf(text, sizeof text, "%d %d", stage, SaveCheck(stage));
  std::string problem;
  if (platform::ReplaceFile(path, text, &problem)) return 1;
  std::fprintf(stderr, "vaulmoor: %s: the save file cannot be written: %s\n", path,
               problem.c_str());
  return 0;
}

std::string SaveFilePath() {
  return platform::UserFilePath(platform::UserFile::Save, SaveFileName);
}

int32_t SaveProgress(int32_t stage) {
  // Without a place for it (the platform layer has said why) the game goes on unsaved.
  const std::string path = SaveFilePath();
  return path.empty() ? 0 : WriteSaveFile(path.c_str(), stage);
}

int32_t ReadSaveFile(const char* path, int32_t stageCount) {
  // Two numbers take a few bytes; a file past this limit is no save file.
  constexpr size_t MAX_SAVE_FILE_BYTES = 64 << 10;
  std::string text, problem;
  if (platform::ReadWholeFile(path, MAX_SAVE_FILE_BYTES, &text, &problem) !=
      platform::WholeFile::Read)
    return 0;
  int32_t stage = 0;
  int32_t check = 0;
  int read = std::sscanf(text.c_str(), "%d%d", &stage, &check);
  if (read != 2 || check != SaveCheck(stage) || stage < 0 || stage >= stageCount) return 0;
  return stage;
}

}  // namespace game
