// The step both searches take from a node: the positions one move away, as the rules play them.
#pragma once

#include <cstdint>

#include "game/rules.h"
#include "game/solver/position_key.h"

namespace game {

// Plays each move from the position of key and calls reached(d, after) with the position
// after every move that moves and delivers no bad cheese. Stops, returning false, as soon
// as reached returns false.
template <typename Reached>
bool ForEachMove(const KeyDecoder& decoder, const PositionKey& key, Reached reached) {
  const Position from = decoder.Decode(key);
  for (int32_t d = 0; d < 4; ++d) {
    if (TryMove(from, d) == MOVE_NONE) continue;
    Position after = from;
    if (PlayMove(after, d) == MoveOutcome::WrongDelivery) continue;
    if (!reached(d, after)) return false;
  }
  return true;
}

}  // namespace game
