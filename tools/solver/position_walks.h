// Searches and random walks from the live position, for the solver's tests and benchmark.
#pragma once

#include <atomic>
#include <cstdint>
#include <random>
#include <string>

#include "game/solver.h"

namespace tools {

// The hint search from the live position, which it leaves as it was.
game::HintResult SearchHere(int64_t limit, const std::atomic<bool>* cancel = nullptr);

// Sets up stage n and plays steps random moves on it. A move that fails a delivery or
// clears the stage is taken back, since it would end the attempt. Returns the letters
// (U, R, D, L) of the moves kept that moved the player.
std::string RandomWalk(int32_t n, size_t steps, std::mt19937* random);

}  // namespace tools
