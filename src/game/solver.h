// Shortest solutions of the cellars over the game's own rules: breadth-first from a stage's start
// for the stage tools, and A* from any live position for the player's hint.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "game/data_model.h"

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

// The same from the calling thread's live position.
SolveResult SolveBreadthFirst(int64_t stateLimit);

// Plays moves from the start of stage n with the game's rules. Returns 1 when the last
// move clears the stage and no move before it did, every move moves, and every delivery
// is good; otherwise 0, with why naming the first fault.
int32_t ReplaySolution(int32_t n, const std::string& moves, std::string* why);

// Everything about a position of one stage that the rules can still tell apart. Snowmen
// of one kind are interchangeable, so they are sets of cells; a week past the ripe window
// is kept as the first over-ripe week, since the class can no longer change; deliveries
// due beyond the cheeses there are count as one more than there can be.
struct PositionKey {
  uint64_t area[2];
  uint64_t line[2];
  uint8_t cheeseCell[MAX_CHEESES];
  int8_t week[MAX_CHEESES];
  uint8_t player;
  uint8_t dayOfWeek;
  uint8_t toDeliver;
  uint8_t phase;  // 0 for a position; the hint search's own marks in its table
};
bool operator==(const PositionKey& a, const PositionKey& b);

// The key of the calling thread's live stage.
PositionKey EncodePosition();

enum class HintStatus {
  Found,      // path holds a shortest way to clear the stage
  Lost,       // the stage can no longer be cleared from here
  Undecided,  // the search reached its state limit or was cancelled
};

struct HintStep {
  PositionKey position;
  int32_t move;  // the direction (a Facing value) played from position
};

struct HintResult {
  HintStatus status = HintStatus::Lost;
  int64_t statesExplored = 0;
  std::vector<HintStep> path;  // from the live position to the move that clears the stage
};

// Finds a shortest way to clear the stage from the calling thread's live position by A*
// over the game's rules, with a lower bound on the moves still needed that also recognises
// positions already lost. Stops as undecided once stateLimit positions are known or when
// cancel (may be null) becomes true. Leaves the live stage state changed.
HintResult SolvePosition(int64_t stateLimit, const std::atomic<bool>* cancel);

}  // namespace game
