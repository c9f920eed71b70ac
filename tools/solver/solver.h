// Shortest solutions of the cellars by breadth-first search over the game's own rules.
#pragma once

#include <cstdint>
#include <string>

namespace tools {

struct SolveResult {
  bool solved = false;
  bool exhausted = false;  // the search stopped at its state limit
  int64_t statesExplored = 0;
  std::string moves;  // one letter per move: U, R, D, L
};

// Finds a shortest sequence of moves that clears stage n (0-based) of game::StageSet:
// every delivery on the way is judged good and the deliveries due reach 0. A wrong or
// rotten delivery is a dead end. Uses and leaves changed the game's live stage state.
SolveResult SolveStage(int32_t n, int64_t stateLimit);

// Plays moves from the start of stage n with the game's rules. Returns 1 when the last
// move clears the stage and no move before it did, every move moves, and every delivery
// is good; otherwise 0, with why naming the first fault.
int32_t ReplaySolution(int32_t n, const std::string& moves, std::string* why);

}  // namespace tools
