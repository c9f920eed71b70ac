// The hint search's calendar merging: once every cheese is ripe, earlier is never worse.
//
// When no cheese in play is unripe any more, the same moves played from the same board on
// an earlier day do everything they did later: rot depends on the board alone, and every
// delivery comes in an earlier week, still ripe and further from over-ripe. So the search
// knows such a board once, with the calendar left out, reached by the fewest moves; the
// cheeses' weeks and the day follow from the search's start and those moves. While a cheese
// still ripens, waiting may be needed, and the key keeps its calendar.
#pragma once

#include <cstdint>

#include "game/data_model.h"
#include "game/solver/position_key.h"

namespace game {

class Calendar {
 public:
  // For a search from start, a position of the stage whose cheese records stage holds
  // (kept by reference).
  Calendar(const PositionKey& start, const Position& stage);

  // The key under which the search knows key: without its calendar once no cheese ripens.
  PositionKey Merged(PositionKey key) const;

  // The real key of a merged key reached after the given moves from the start.
  PositionKey Real(PositionKey key, uint16_t moves) const;

 private:
  const CheeseInfo& Info(int32_t k) const { return *stage_.cheeseSlots[k].info; }

  PositionKey start_;
  const Position& stage_;
};

}  // namespace game
