// vaulmoor-solve: finds the shortest solution of one stage or of all stages of a stage file.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "game/data_model.h"
#include "game/rules.h"
#include "game/solution_file.h"
#include "game/solver.h"
#include "game/stage_file.h"
#include "solver/solution_stats.h"

namespace {

// The start of stage n as the rules set it up: '*' marks chilled floor, a cheese that
// starts rotten is shown as its slot digit.
void ShowStage(int32_t n) {
  const game::Position start = game::StageStart(game::StageSet[n]);
  for (int32_t y = 1; y <= 9; ++y) {
    std::string row;
    for (int32_t x = 1; x <= 9; ++x) {
      int32_t v = start.board[x][y];
      char c = ".##OAL"[v <= game::CELL_SNOWMAN_LINE ? v : 0];
      if (v == game::CELL_FLOOR && start.coldMap[x][y]) c = '*';
      if (x == start.playerX && y == start.playerY) c = '@';
      if (v >= game::CELL_CHEESE_FIRST) {
        int32_t k = v - game::CELL_CHEESE_FIRST;
        c = static_cast<char>((start.cheeseSlots[k].week == game::WEEK_ROTTEN ? '0' : 'a') + k);
      }
      row += c;
    }
    std::printf("  %s\n", row.c_str());
  }
}

// The other stage whose walls and holes stage n shares most, and how much (0..1).
int32_t MostAlike(int32_t n, double* shared) {
  int32_t alike = 0;
  *shared = -1.0;
  for (int32_t s = 0; s < game::STAGE_COUNT; ++s) {
    if (s == n) continue;
    double share = tools::SharedWallsAndHoles(game::StageSet[n], game::StageSet[s]);
    if (share > *shared) {
      *shared = share;
      alike = s;
    }
  }
  return alike;
}

// The row of stage n in the table of figures. Its states are breadth-first search's, which
// knows every position fewer moves from the start than the solution: the cellar's size.
void PrintStats(int32_t n, const game::SolveResult& result, int64_t limit) {
  tools::SolutionStats stats = tools::MeasureSolution(game::StageSet[n], result.moves);
  game::SolveResult plain = game::SolveBreadthFirst(game::StageStart(game::StageSet[n]), limit);
  double shared = 0.0;
  int32_t alike = MostAlike(n, &shared);
  std::printf("%5d %6d %6d %7d %9lld %10lld   %2d (%3.0f%%)\n", n + 1, stats.moves, stats.pushes,
              stats.waiting, static_cast<long long>(plain.statesExplored),
              static_cast<long long>(result.statesExplored), alike + 1, 100.0 * shared);
}

int Usage() {
  std::fprintf(
      stderr,
      "usage: vaulmoor-solve [--stage N] [--limit STATES] [--write SOLUTIONS] [--show] [--stats]\n"
      "                      [FILE]\n"
      "  FILE       the stage file (data/stage.dat by default)\n"
      "  --stage N  only stage N (1..32)\n"
      "  --limit    give up on a stage after this many states (default 20000000)\n"
      "  --write    keep the solutions found in SOLUTIONS, one line per stage\n"
      "  --show     also print each stage's start with its chilled cells (*)\n"
      "  --stats    print a table of each solution's moves, pushes and waiting moves\n"
      "             (moves that bring back a position already seen), the states\n"
      "             breadth-first search explores (the cellar's size, slower to\n"
      "             find), the states explored and the stage whose walls and holes\n"
      "             it shares most\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = game::STAGE_FILE_PATH;
  const char* solutionsPath = nullptr;
  int32_t only = 0;
  int64_t limit = 20000000;
  bool show = false;
  bool stats = false;
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
    } else if (std::strcmp(argv[i], "--show") == 0) {
      show = true;
    } else if (std::strcmp(argv[i], "--stats") == 0) {
      stats = true;
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
  char id[32];
  std::snprintf(id, sizeof id, "%016" PRIx64, game::StageSetId(game::StageSet));
  std::string kept =
      "; Shortest solutions: stage, number of moves, moves (U R D L).\n"
      "; stage set " +
      std::string(id) + "\n";
  bool allSolved = true;
  game::BestFirstSearch search;  // its memory serves one stage after another
  if (stats) std::printf("stage  moves pushes waiting    states best-first   most alike\n");
  for (int32_t s = 1; s <= game::STAGE_COUNT; ++s) {
    if (only != 0 && s != only) continue;
    if (show) ShowStage(s - 1);
    game::SolveResult result =
        game::AsSolution(search.Solve(game::StageStart(game::StageSet[s - 1]), limit));
    if (result.solved) {
      if (stats) {
        PrintStats(s - 1, result, limit);
      } else {
        std::printf("stage %d: solvable in %zu moves, %lld states explored: %s\n", s,
                    result.moves.size(), static_cast<long long>(result.statesExplored),
                    result.moves.c_str());
      }
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
