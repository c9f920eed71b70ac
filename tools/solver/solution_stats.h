// Measures of a stage and its solution: pushes, waiting moves and shared layout.
#pragma once

#include <cstdint>
#include <string>

#include "game/data_model.h"

namespace tools {

struct SolutionStats {
  int32_t moves = 0;
  int32_t pushes = 0;   // moves that push a snowman or a cheese
  int32_t waiting = 0;  // moves that bring back a position already seen in the solution
};

// Plays moves from the start of stage with the game's rules and counts them. A
// position is the pieces on the board and the player's cell; the calendar and the
// cheeses' weeks are not part of it, so a waiting move only passes time.
SolutionStats MeasureSolution(const game::StageRecord& stage, const std::string& moves);

// How much of their layout two stages share: the playfield cells that are a wall in
// both or a hole in both, over the cells that are a wall or a hole in either (0..1).
double SharedWallsAndHoles(const game::StageRecord& a, const game::StageRecord& b);

}  // namespace tools
