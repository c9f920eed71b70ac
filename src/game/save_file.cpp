// Writing and reading the save file, with its check value against casual edits.
#include "game/save_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "game/data_model.h"
#include "game/scenes.h"

namespace game {

int32_t SaveCheck(int32_t s) {
  // The product wraps like the 32-bit integer it is.
  int32_t product = static_cast<int32_t>((static_cast<uint32_t>(s) - 1u) * 69u);
  return static_cast<int32_t>(20.0 * std::sin(static_cast<double>(product)) + 20.0);
}

int32_t WriteSaveFile(const char* path, int32_t stage) {
  char temporary[512];
  std::snprintf(temporary, sizeof temporary, "%s.tmp", path);
  std::FILE* file = std::fopen(temporary, "w");
  bool written = file != nullptr && std::fprintf(file, "%d %d", stage, SaveCheck(stage)) > 0;
  if (file != nullptr) written = std::fclose(file) == 0 && written;
  if (written && std::rename(temporary, path) == 0) return 1;
  std::fprintf(stderr, "%s: the save file cannot be written: %s\n", path, std::strerror(errno));
  std::remove(temporary);
  return 0;
}

int32_t SaveProgress() {
  return WriteSaveFile(SAVE_FILE_PATH, StageNumber);
}

int32_t ReadSaveFile(const char* path) {
  std::FILE* file = std::fopen(path, "r");
  if (file == nullptr) return 0;
  int32_t stage = 0;
  int32_t check = 0;
  int read = std::fscanf(file, "%d%d", &stage, &check);
  std::fclose(file);
  if (read != 2 || check != SaveCheck(stage) || stage < 0 || stage >= STAGE_COUNT) return 0;
  return stage;
}

}  // namespace game
