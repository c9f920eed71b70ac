// Positions reached from a stage's start, by given moves or by random walks, for the solver's
// tests and benchmark.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "game/data_model.h"

namespace tools {

// The position after moves (letters U, R, D, L) from the start of stage, played with the
// game's rules.
game::Position AfterMoves(const game::StageRecord& stage, const std::string& moves);

struct Walk {
  game::Position end;
  std::string moves;  // the letters (U, R, D, L) of the moves kept that moved the player
};

// Plays steps random moves from the start of stage. A move that fails a delivery or
// clears the stage is taken back, since it would end the attempt.
Walk RandomWalk(const game::StageRecord& stage, size_t steps, std::mt19937* random);

}  // namespace tools
