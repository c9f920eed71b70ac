// vaulmoor-solve: finds the shortest solution of one stage or of all stages of a stage file.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "game/stage_file.h"
#include "solver/solver.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: vaulmoor-solve [--stage N] [--limit STATES] [--write SOLUTIONS] [FILE]\n"
               "  FILE       the stage file (data/stage.dat by default)\n"
               "  --stage N  only stage N (1..32)\n"
               "  --limit    give up on a stage after this many states (default 20000000)\n"
               "  --write    keep the solutions found in SOLUTIONS, one line per stage\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = game::STAGE_FILE_PATH;
  const char* solutionsPath = nullptr;
  int32_t only = 0;
  int64_t limit = 20000000;
  for (int i = 1; i < argc; ++i) {
    bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--stage") == 0 && hasValue) {
      only = std::atoi(argv[++i]);
      if (only < 1 || only > game::STAGE_COUNT) return Usage();
    } else if (std::strcmp(argv[i], "--limit") == 0 && hasValue) {
      limit = std::atoll(argv[++i]);
      if (limit < 1) return Usage();
    } else if (std::strcmp(argv[i], "--write") == 0 && hasValue) {
      solutionsPath = argv[++i];
    } else if (argv[i][0] == '-') {
      return Usage();
    } else {
      path = argv[i];
    }
  }

  game::StageFileError error;
  if (!game::LoadStageFile(path, game::StageSet, &error)) {
    std::fprintf(stderr, "%s\n", error.text);
    return 2;
  }
  std::string kept = "; Shortest solutions: stage, number of moves, moves (U R D L).\n";
  bool allSolved = true;
  for (int32_t s = 1; s <= game::STAGE_COUNT; ++s) {
    if (only != 0 && s != only) continue;
    tools::SolveResult result = tools::SolveStage(s - 1, limit);
    if (result.solved) {
      std::printf("stage %d: solvable in %zu moves, %lld states explored: %s\n", s,
                  result.moves.size(), static_cast<long long>(result.statesExplored),
                  result.moves.c_str());
      kept +=
          std::to_string(s) + " " + std::to_string(result.moves.size()) + " " + result.moves + "\n";
    } else {
      std::printf("stage %d: %s, %lld states explored\n", s,
                  result.exhausted ? "undecided at the state limit" : "not solvable",
                  static_cast<long long>(result.statesExplored));
      allSolved = false;
    }
    std::fflush(stdout);
  }
  if (solutionsPath != nullptr) {
    std::ofstream out(solutionsPath, std::ios::binary | std::ios::trunc);
    out << kept;
    if (!out.flush()) {
      std::fprintf(stderr, "%s: cannot write\n", solutionsPath);
      return 2;
    }
  }
  return allSolved ? 0 : 1;
}
