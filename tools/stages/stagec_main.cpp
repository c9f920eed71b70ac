// vaulmoor-stagec: compiles the readable cellar source into the stage file (the game's own,
// or with --set a stage set of a player's own), or checks that a stage file is exactly what
// the source compiles to.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "game/cellar_file.h"
#include "game/cellar_source.h"
#include "game/stage_file.h"

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
               "usage: vaulmoor-stagec [--set] SOURCE OUTPUT          compile SOURCE into OUTPUT\n"
               "       vaulmoor-stagec --check [--set] SOURCE FILE    exit 1 unless FILE equals "
               "the compiled SOURCE\n"
               "--set: SOURCE is a stage set of one's own, 1 to 32 stages with the titles they "
               "show;\n"
               "       without it, the game's own 32 cellars (data/stage.dat)\n");
  return 2;
}

// The game's own reader has the last word on what it will accept: the set of one's own must
// read back to the very cellars and titles compiled, the game's cellars as its 32 stages.
std::string RefusedByTheGame(const std::string& compiled, const game::CellarFile& file,
                             game::SourceKind kind, const char* targetPath) {
  static game::CellarFile loaded;
  game::StageFileError error{};
  const bool read = kind == game::SourceKind::PlayerSet
                        ? game::ParseCellarText(compiled, targetPath, &loaded, &error) == 1
                        : game::ParseStageText(compiled, targetPath, loaded.stages, &error) == 1;
  if (!read) return error.text;
  for (int32_t s = 0; s < file.count; ++s) {
    const bool titleKept =
        kind == game::SourceKind::GameCellars || loaded.titles[s] == file.titles[s];
    if (std::memcmp(&loaded.stages[s], &file.stages[s], sizeof file.stages[s]) != 0 || !titleKept)
      return "stage " + std::to_string(s + 1) + " reads back otherwise";
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  int at = 1;
  const bool check = at < argc && std::strcmp(argv[at], "--check") == 0;
  at += check;
  const bool set = at < argc && std::strcmp(argv[at], "--set") == 0;
  at += set;
  if (argc - at != 2) return Usage();
  const char* sourcePath = argv[at];
  const char* targetPath = argv[at + 1];
  const game::SourceKind kind = set ? game::SourceKind::PlayerSet : game::SourceKind::GameCellars;

  std::string source;
  if (!ReadWhole(sourcePath, source)) {
    std::fprintf(stderr, "%s: cannot read\n", sourcePath);
    return 2;
  }
  static game::CellarFile file;
  std::string error;
  if (!game::ParseCellarSource(source, kind, &file, &error)) {
    std::fprintf(stderr, "%s: %s\n", sourcePath, error.c_str());
    return 2;
  }
  const std::string compiled = game::FormatStageFile(file);
  if (std::string refused = RefusedByTheGame(compiled, file, kind, targetPath); !refused.empty()) {
    std::fprintf(stderr, "%s: the game refuses the result: %s\n", sourcePath, refused.c_str());
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
