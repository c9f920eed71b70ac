// The rewind's search by halving the moves between a lost position and a clearable one.
#include "game/rewind_search.h"

namespace game {

RewindSearch BeginRewind(int32_t movesKept) {
  return RewindSearch{0, movesKept, false};
}

int32_t NextRewindProbe(RewindSearch& search) {
  if (search.wonKnown && search.wonBack - search.lostBack <= 1) return 0;
  if (search.wonBack <= search.lostBack) {
    search.wonBack = 0;
    return 0;
  }
  // The farthest is asked about last: until then it may only be clearable.
  if (search.wonBack - search.lostBack > 1) return (search.lostBack + search.wonBack) / 2;
  return search.wonBack;
}

void LearnRewindAnswer(RewindSearch& search, int32_t back, bool clearable) {
  if (clearable) {
    search.wonBack = back;
    search.wonKnown = true;
  } else if (back == search.wonBack) {
    search.wonBack = 0;  // not even the farthest is known to be clearable
  } else {
    search.lostBack = back;
  }
}

}  // namespace game
