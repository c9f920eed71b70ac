// Measures of a stage and its solution: pushes, waiting moves and shared layout.
#include "solver/solution_stats.h"

#include <set>

#include "game/rules.h"
#include "game/solver.h"

namespace tools {

namespace {

// The pieces on the playfield and the player's cell, one byte each.
std::string Layout(const game::Position& p) {
  std::string layout;
  for (int32_t x = game::PLAYFIELD_FIRST; x <= game::PLAYFIELD_LAST; ++x) {
    for (int32_t y = game::PLAYFIELD_FIRST; y <= game::PLAYFIELD_LAST; ++y) {
      layout += static_cast<char>(p.board[x][y]);
    }
  }
  layout += static_cast<char>(p.playerX);
  layout += static_cast<char>(p.playerY);
  return layout;
}

// 1 for a wall, 2 for a hole, 0 for anything else.
int32_t FixedKind(int32_t value) {
  if (value == game::CELL_WALL_FRONT || value == game::CELL_WALL_TOP) return 1;
  return value == game::CELL_HOLE ? 2 : 0;
}

}  // namespace

SolutionStats MeasureSolution(const game::StageRecord& stage, const std::string& moves) {
  SolutionStats stats;
  game::Position p = game::StageStart(stage);
  std::set<std::string> seen = {Layout(p)};
  for (char move : moves) {
    int32_t d = game::MoveDirection(move);
    if (d < 0) break;
    if (game::TryMove(p, d) == game::MOVE_PUSH) ++stats.pushes;
    game::PlayMove(p, d);
    ++stats.moves;
    if (!seen.insert(Layout(p)).second) ++stats.waiting;
  }
  return stats;
}

double SharedWallsAndHoles(const game::StageRecord& a, const game::StageRecord& b) {
  int32_t shared = 0;
  int32_t either = 0;
  for (int32_t x = game::PLAYFIELD_FIRST; x <= game::PLAYFIELD_LAST; ++x) {
    for (int32_t y = game::PLAYFIELD_FIRST; y <= game::PLAYFIELD_LAST; ++y) {
      int32_t kindA = FixedKind(a.grid[x][y]);
      int32_t kindB = FixedKind(b.grid[x][y]);
      if (kindA != 0 && kindA == kindB) ++shared;
      if (kindA != 0 || kindB != 0) ++either;
    }
  }
  return either == 0 ? 1.0 : static_cast<double>(shared) / either;
}

}  // namespace tools
