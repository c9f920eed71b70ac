// Breadth-first search, the tests' reference: every position in order of its moves from the start.
#include "game/rules.h"
#include "game/solver.h"
#include "game/solver/lower_bound.h"
#include "game/solver/node_store.h"
#include "game/solver/successors.h"

namespace game {

namespace {

// The letters of the moves to index and then of lastMove.
std::string PathTo(const NodeStore& nodes, uint32_t index, int32_t lastMove) {
  std::string moves;
  for (uint32_t i : nodes.Lineage(index)) {
    if (i != 0) moves += MoveLetter(nodes[i].move);
  }
  return moves + MoveLetter(lastMove);
}

}  // namespace

SolveResult SolveBreadthFirst(const Position& from, int64_t stateLimit) {
  SolveResult result;
  KeyDecoder decoder(from);
  NodeStore nodes;
  nodes.Restart(Node{EncodePosition(from), 0, 0, false, 0});
  for (uint32_t next = 0; next < nodes.Size(); ++next) {
    if (nodes.Size() >= stateLimit) {
      result.exhausted = true;
      break;
    }
    // The positions a node reaches are keyed first and added after, so that their table
    // slots are fetched from memory together.
    Node children[4];
    uint32_t tags[4];
    int32_t count = 0;
    bool goOn = ForEachMove(decoder, nodes[next].key, [&](int32_t d, const Position& after) {
      if (after.cheesesToDeliver <= 0) {
        result.solved = true;
        result.moves = PathTo(nodes, next, d);
        result.statesExplored = next + 1;
        return false;
      }
      if (CanStillClear(after)) {
        children[count] = Node{EncodePosition(after), next, static_cast<uint8_t>(d), false, 0};
        tags[count] = nodes.Prepare(children[count].key);
        ++count;
      }
      return true;
    });
    if (!goOn) return result;
    for (int32_t i = 0; i < count; ++i) nodes.Insert(children[i], tags[i]);
  }
  result.statesExplored = nodes.Size();
  return result;
}

}  // namespace game
