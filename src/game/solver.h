// Shortest solutions of the cellars over the game's own rules: best-first (A*) from any position
// for the stage tools, the records and the player's hint, and breadth-first as the plain
// reference the tests hold it to. Both work on positions of their own and touch nothing else,
// so any thread may search.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/data_model.h"
#include "game/rules.h"
#include "game/solver/position_key.h"

namespace game {

struct SolveResult {
  bool solved = false;
  bool exhausted = false;  // the search stopped at its state limit
  int64_t statesExplored = 0;
  std::string moves;  // one letter per move: U, R, D, L
};

// Finds a shortest sequence of moves that clears the stage from its start: every delivery
// on the way is judged good and the deliveries due reach 0. A wrong or rotten delivery is
// a dead end. By the best-first search (SolvePosition); exhausted once stateLimit positions
// are known.
SolveResult SolveStage(const StageRecord& stage, int64_t stateLimit);

// The same from any position by breadth-first search: every position in order of its moves
// from the start, with no estimate to trust. Exhausted once stateLimit positions are known.
SolveResult SolveBreadthFirst(const Position& from, int64_t stateLimit);

// Plays moves from the start of stage with the game's rules. Returns 1 when the last move
// clears the stage and no move before it did, every move moves, and every delivery is
// good; otherwise 0, with why naming the first fault.
int32_t ReplaySolution(const StageRecord& stage, const std::string& moves, std::string* why);

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
  std::vector<HintStep> path;  // from the search's start to the move that clears the stage
};

// The letters (U, R, D, L) of the moves of a path.
std::string PathLetters(const std::vector<HintStep>& path);

// A best-first search's answer as a solution: solved with the letters of its way, exhausted
// when it was undecided.
SolveResult AsSolution(const HintResult& found);

// What keeps a cheese from being delivered inside its ripe window, most evident first.
enum class LostReason {
  Rotten,     // it has rotted
  OverRipe,   // it is past its window
  TooLate,    // it would be over-ripe before it could reach a hole
  NoColdWay,  // no way to a hole keeps it cold
  Other,      // each cheese could still be delivered, but not enough of them together
  Delivered,  // (a cheese that has been delivered)
  None,       // (a cheese that can still be delivered)
};

struct LostExplanation {
  LostReason reason;
  int32_t cheese;  // its slot; -1 for LostReason::Other
};

// Why a position the hint's search finds lost can no longer be cleared: the cheese that
// most evidently can no longer be delivered, when the cheeses left are too few for the
// deliveries due; otherwise LostReason::Other.
LostExplanation ExplainLost(const Position& p);

// Finds a shortest way to clear the stage from a position by A* over the game's rules,
// with a lower bound on the moves still needed that also recognises positions already
// lost. Stops as undecided once stateLimit positions are known or when cancel (may be
// null) becomes true.
HintResult SolvePosition(const Position& from, int64_t stateLimit,
                         const std::atomic<bool>* cancel = nullptr);

// The search of SolvePosition, a budget of positions at a time, so that a caller without
// threads can spread it over frames. It keeps its memory from one search to the next.
class BestFirstSearch {
 public:
  BestFirstSearch();
  ~BestFirstSearch();

  // Starts a search from a position (copied), forgetting the one before.
  void Start(const Position& from, int64_t stateLimit);

  // Expands at most budget more positions; true once the search has settled.
  bool Advance(int64_t budget);

  // The answer of a settled search (once).
  HintResult TakeResult();

  // Starts a search and runs it to its end.
  HintResult Solve(const Position& from, int64_t stateLimit);

 private:
  class State;
  std::unique_ptr<State> state_;
};

}  // namespace game
