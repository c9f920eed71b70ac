// Shortest solutions of the cellars by breadth-first search over the game's own rules.
#pragma once

#include <cstdint>
#include <string>

namespace game {

struct SolveResult {
  bool solved = false;
  bool exhausted = false;  // the search stopped at its state limit
  int64_t statesExplored = 0;
  std::string moves;  // one letter per move: U, R, D, L
};

// What one move did to the live stage state.
enum class MoveOutcome {
  Blocked,         // nothing moved and no day passed; the player only turned
  Moved,           // a step or a push onto the floor
  SnowmanDropped,  // a snowman was pushed into a hole
  Delivered,       // a cheese fell to the customer and was good
  WrongDelivery,   // a cheese fell to the customer unripe, over-ripe or rotten
};

// Plays one move in direction d (a Facing value) with the game's rules on the live
// stage state, including the customer's verdict on a dropped cheese.
MoveOutcome PlayMove(int32_t d);

// The direction of a move letter U, R, D or L; -1 for any other character.
int32_t MoveDirection(char letter);

// Finds a shortest sequence of moves that clears stage n (0-based) of StageSet:
// every delivery on the way is judged good and the deliveries due reach 0. A wrong or
// rotten delivery is a dead end. Uses and leaves changed the game's live stage state.
SolveResult SolveStage(int32_t n, int64_t stateLimit);

// Plays moves from the start of stage n with the game's rules. Returns 1 when the last
// move clears the stage and no move before it did, every move moves, and every delivery
// is good; otherwise 0, with why naming the first fault.
int32_t ReplaySolution(int32_t n, const std::string& moves, std::string* why);

}  // namespace game
