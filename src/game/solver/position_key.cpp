// Position keys: encoding a position, decoding a key of the same stage, comparing and hashing.
#include "game/solver/position_key.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "game/rules.h"

namespace game {

namespace {

void SetBit(uint64_t* bits, int32_t i) {
  bits[i >> 6] |= uint64_t{1} << (i & 63);
}

// Snowmen and cheeses: every cell value from CELL_SNOWMAN_AREA up but the cheese floor tile,
// which never stands on the board.
bool IsPiece(int32_t v) {
  return v >= CELL_SNOWMAN_AREA && v != CELL_CHEESE_FLOOR;
}

void PlaceSet(Position& p, const uint64_t* cells, int32_t value) {
  for (int32_t word = 0; word < 2; ++word) {
    for (uint64_t bits = cells[word]; bits != 0; bits &= bits - 1) {
      int32_t i = word * 64 + std::countr_zero(bits);
      p.board[CellX(i)][CellY(i)] = value;
    }
  }
}

}  // namespace

bool operator==(const PositionKey& a, const PositionKey& b) {
  return std::memcmp(&a, &b, sizeof(PositionKey)) == 0;
}

uint64_t HashKey(const PositionKey& key) {
  uint64_t words[sizeof(PositionKey) / sizeof(uint64_t)];
  std::memcpy(words, &key, sizeof(PositionKey));
  uint64_t h = 0x9E3779B97F4A7C15ull;
  for (uint64_t w : words) {
    h ^= w;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  return h;
}

PositionKey EncodePosition(const Position& p) {
  PositionKey key;
  std::memset(&key, 0, sizeof(key));
  std::memset(key.cheeseCell, CELL_GONE, sizeof(key.cheeseCell));
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
    for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
      int32_t v = p.board[x][y];
      if (!IsPiece(v)) continue;
      if (v == CELL_SNOWMAN_AREA) {
        SetBit(key.area, CellIndex(x, y));
      } else if (v == CELL_SNOWMAN_LINE) {
        SetBit(key.line, CellIndex(x, y));
      } else {
        key.cheeseCell[v - CELL_CHEESE_FIRST] = static_cast<uint8_t>(CellIndex(x, y));
      }
    }
  }
  for (int32_t k = 0; k < p.cheeseCount; ++k) {
    int32_t week = p.cheeseSlots[k].week;
    int32_t lastGood = p.cheeseSlots[k].info->ripeTo;
    key.week[k] = static_cast<int8_t>(week > lastGood ? lastGood + 1 : week);
  }
  key.player = static_cast<uint8_t>(CellIndex(p.playerX, p.playerY));
  key.dayOfWeek = static_cast<uint8_t>(p.dayOfWeek);
  key.toDeliver = static_cast<uint8_t>(std::clamp(p.cheesesToDeliver, 0, MAX_CHEESES + 1));
  return key;
}

KeyDecoder::KeyDecoder(const Position& any) : bare_(any) {
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
    for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
      if (IsPiece(bare_.board[x][y])) bare_.board[x][y] = CELL_FLOOR;
    }
  }
  ComputeColdMap(bare_);
}

Position KeyDecoder::Decode(const PositionKey& key) const {
  Position p = bare_;
  PlaceSet(p, key.area, CELL_SNOWMAN_AREA);
  PlaceSet(p, key.line, CELL_SNOWMAN_LINE);
  for (int32_t k = 0; k < p.cheeseCount; ++k) {
    p.cheeseSlots[k].week = key.week[k];
    if (key.cheeseCell[k] != CELL_GONE) {
      p.board[CellX(key.cheeseCell[k])][CellY(key.cheeseCell[k])] = CELL_CHEESE_FIRST + k;
    }
  }
  p.playerX = CellX(key.player);
  p.playerY = CellY(key.player);
  p.dayOfWeek = key.dayOfWeek;
  p.cheesesToDeliver = key.toDeliver;
  ComputeColdMap(p);
  return p;
}

}  // namespace game
