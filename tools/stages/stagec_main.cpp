// vaulmoor-stagec: compiles the readable cellar source into the stage file, or checks
// that a stage file is exactly what the source compiles to.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/stage_file.h"
#include "stages/stage_source.h"

namespace {

bool ReadWhole(const char* path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return true;
}

int Usage() {
  std::fprintf(stderr,
               "usage: vaulmoor-stagec SOURCE OUTPUT      compile SOURCE into OUTPUT\n"
               "       vaulmoor-stagec --check SOURCE FILE  exit 1 unless FILE equals the compiled "
               "SOURCE\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool check = argc == 4 && std::strcmp(argv[1], "--check") == 0;
  if (argc != 3 && !check) return Usage();
  const char* sourcePath = argv[check ? 2 : 1];
  const char* targetPath = argv[check ? 3 : 2];

  std::string source;
  if (!ReadWhole(sourcePath, source)) {
    std::fprintf(stderr, "%s: cannot read\n", sourcePath);
    return 2;
  }
  std::vector<tools::SourceStage> stages;
  std::string error;
  if (!tools::ParseCellars(source, stages, error)) {
    std::fprintf(stderr, "%s: %s\n", sourcePath, error.c_str());
    return 2;
  }
  std::string compiled = tools::FormatStageFile(stages);
  // The game's own loader has the last word on what it will accept.
  static game::StageRecord loaded[game::STAGE_COUNT];
  game::StageFileError loadError;
  if (!game::ParseStageText(compiled, targetPath, loaded, &loadError)) {
    std::fprintf(stderr, "%s: the game refuses the result: %s\n", sourcePath, loadError.text);
    return 2;
  }

  if (check) {
    std::string existing;
    if (!ReadWhole(targetPath, existing) || existing != compiled) {
      std::fprintf(stderr, "%s differs from the compiled %s\n", targetPath, sourcePath);
      return 1;
    }
    return 0;
  }
  // Written beside the target and renamed over it, so a failed write keeps the old file.
  std::string temporary = std::string(targetPath) + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << compiled;
    if (!out.flush()) {
      std::fprintf(stderr, "%s: cannot write\n", temporary.c_str());
      return 2;
    }
  }
  if (std::rename(temporary.c_str(), targetPath) != 0) {
    std::fprintf(stderr, "%s: cannot replace\n", targetPath);
    return 2;
  }
  return 0;
}
