// What a position still needs: a lower bound on the moves that can clear the stage from it,
// and the checks that find a position lost.
#pragma once

#include <cstdint>

#include "game/data_model.h"
#include "game/solver.h"
#include "game/solver/position_key.h"

namespace game {

constexpr uint16_t NO_WAY = 0xFFFF;  // the stage can no longer be cleared

// True when enough cheeses in p are neither rotten nor past their window.
bool CanStillClear(const Position& p);

// A set of playfield cells by CellIndex.
struct CellSet {
  uint64_t bits[2];
  bool Has(int32_t i) const { return (bits[i >> 6] >> (i & 63)) & 1; }
  void Add(int32_t i) { bits[i >> 6] |= uint64_t{1} << (i & 63); }
  void Unite(const CellSet& other) {
    bits[0] |= other.bits[0];
    bits[1] |= other.bits[1];
  }
  bool operator==(const CellSet& other) const = default;
};

// A needed cheese has to be walked to, pushed along the fewest pushes that bring it to a
// hole, and delivered inside its ripe window. The pushes are counted on the bare board (the
// other pieces ignored), through cells that some snowman there could ever chill, since the
// cheese rots on any other. The deliveries are distinct moves, as are the pushes of distinct
// cheeses. Positions where too few cheeses can still meet these conditions are lost.
class LowerBound {
 public:
  // For the positions of the stage whose walls, holes and cheese records bare holds
  // (kept by reference).
  explicit LowerBound(const Position& bare);

  // Fewest moves that can still clear the stage from key, or NO_WAY when it is lost.
  uint16_t Estimate(const PositionKey& key);

  // Why key is lost, as far as its cheeses tell.
  LostExplanation Explain(const PositionKey& key);

 private:
  // What stands between cheese k of key and a delivery inside its window; when nothing
  // does, its window of delivery moves and its pushes.
  struct Outlook {
    LostReason fate;  // LostReason::None when the cheese can still be delivered
    int32_t earliest, latest, pushes, walk;
  };
  Outlook CheeseOutlook(const PositionKey& key, const uint8_t* pushes, int32_t k) const;

  // Each deliverable cheese's window of delivery moves, counted from a position.
  struct Windows {
    int32_t earliest[MAX_CHEESES], latest[MAX_CHEESES], pushes[MAX_CHEESES];
    int32_t count = 0;
    int32_t walkFirst;  // steps to the nearest of them
  };

  // Fewest pushes from each cell into a hole through the cells of a set of cold cells.
  struct Pushes {
    CellSet cold;
    uint8_t count[PLAYFIELD_CELLS];
  };

  void AskTheRules(const Position& bare);
  void ComputeSteps(int32_t from);
  void ComputeEverCold(int32_t from);
  CellSet ColdEverReached(const PositionKey& key) const;
  const uint8_t* PushesThrough(const CellSet& cold);
  int32_t WalkToPush(int32_t player, int32_t c) const;
  Windows DeliveryWindows(const PositionKey& key, const uint8_t* pushes) const;
  static int32_t DistinctDeliveries(const Windows& windows);
  static uint16_t LastDeliveryBound(Windows windows, int32_t due);

  // What the rules allow on the bare board, with the walls and holes alone.
  int8_t stepTo_[PLAYFIELD_CELLS][4];  // where the player on a cell steps, or NO_CELL
  int8_t pushTo_[PLAYFIELD_CELLS][4];  // where a piece on a cell is pushed, INTO_HOLE or NO_CELL
  CellSet chill_[2][PLAYFIELD_CELLS];  // what an area / line snowman on a cell chills

  uint8_t steps_[PLAYFIELD_CELLS][PLAYFIELD_CELLS];  // fewest steps between two cells
  CellSet everCold_[2][PLAYFIELD_CELLS];  // what an area / line snowman on a cell could chill

  const Position& bare_;

  // The last few sets of cold cells asked for (a search meets only a handful).
  Pushes remembered_[8];
  int32_t rememberedCount_ = 0, replaced_ = 0;
};

}  // namespace game
