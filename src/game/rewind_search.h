// The rewind's search along the moves kept: the nearest position back from the live one
// from which the stage can still be cleared.
#pragma once

#include <cstdint>

namespace game {

// A position from which the stage cannot be cleared leads only to such positions, so
// along the moves kept the lost ones follow the last one that can be cleared, and halving
// the moves in between finds it. Distances are in moves back from the live position:
// lostBack is known to be lost (0, the live position, to begin with), wonBack is the
// nearest that may still be cleared, known to be once wonKnown.
struct RewindSearch {
  int32_t lostBack = 0;
  int32_t wonBack = 0;
  bool wonKnown = false;
};

// A search back over movesKept moves (those since the stage last started or restarted).
RewindSearch BeginRewind(int32_t movesKept);

// The position to ask about next, in moves back; 0 once the search is done, and then
// wonBack is the moves to take back, 0 when none leads back to a position that is known
// to be clearable.
int32_t NextRewindProbe(RewindSearch& search);

// The answer for the position back moves back: whether the stage can be cleared from it.
void LearnRewindAnswer(RewindSearch& search, int32_t back, bool clearable);

}  // namespace game
