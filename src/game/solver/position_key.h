// The solver's key of a position: what the rules can still tell apart, packed for its tables,
// with the way from a position to its key and back.
#pragma once

#include <cstdint>
#include <type_traits>

#include "game/data_model.h"

namespace game {

// Everything about a position of one stage that the rules can still tell apart. Snowmen
// of one kind are interchangeable, so they are sets of cells; a week past the ripe window
// is kept as the first over-ripe week, since the class can no longer change; deliveries
// due beyond the cheeses there are count as one more than there can be.
struct PositionKey {
  uint64_t area[2];                 // bit CellIndex(x, y) set where an area snowman stands
  uint64_t line[2];                 // the same for line snowmen
  uint8_t cheeseCell[MAX_CHEESES];  // CellIndex of each slot's cheese, or CELL_GONE
  int8_t week[MAX_CHEESES];
  uint8_t player;
  uint8_t dayOfWeek;
  uint8_t toDeliver;
  uint8_t phase;  // 0 for a position; the hint search's own marks in its table
};
// Keys are compared and hashed as whole words of bytes: no byte may lie outside a field.
static_assert(std::has_unique_object_representations_v<PositionKey>);
static_assert(sizeof(PositionKey) % sizeof(uint64_t) == 0);

bool operator==(const PositionKey& a, const PositionKey& b);
uint64_t HashKey(const PositionKey& key);

constexpr uint8_t CELL_GONE = 0xFF;  // the cheese has left the board
constexpr int32_t PLAYFIELD_CELLS = 81;

// The playfield's cells numbered 0..80, column by column.
constexpr int32_t CellIndex(int32_t x, int32_t y) {
  return (x - PLAYFIELD_FIRST) * 9 + (y - PLAYFIELD_FIRST);
}
constexpr int32_t CellX(int32_t i) {
  return i / 9 + PLAYFIELD_FIRST;
}
constexpr int32_t CellY(int32_t i) {
  return i % 9 + PLAYFIELD_FIRST;
}

// The key of p.
PositionKey EncodePosition(const Position& p);

// Turns the keys of one stage back into positions.
class KeyDecoder {
 public:
  // From any position of the stage: its walls, holes and cheese records stay, its
  // pieces are the keys' to place.
  explicit KeyDecoder(const Position& any);

  // The position of key, as the rules would have left it: with its cold map, which the
  // rules keep through a step.
  Position Decode(const PositionKey& key) const;

  // The stage's walls and holes alone, with its cheese records.
  const Position& Bare() const { return bare_; }

 private:
  Position bare_;
};

}  // namespace game
