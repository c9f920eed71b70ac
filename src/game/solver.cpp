// Shortest solutions of the cellars by breadth-first search over the game's own rules.
#include "game/solver.h"

#include <bit>
#include <cstring>
#include <vector>

#include "game/catalogue.h"
#include "game/data_model.h"
#include "game/rules.h"
#include "game/stage_file.h"

namespace game {

namespace {

constexpr uint8_t CELL_GONE = 0xFF;  // the cheese has left the board
constexpr char MOVE_LETTERS[4] = {'U', 'R', 'D', 'L'};

// Everything about a position that the rules can still tell apart. Snowmen of one kind
// are interchangeable, so they are sets of cells; a week past the ripe window is kept
// as the first over-ripe week, since the class can no longer change.
struct Key {
  uint64_t area[2];
  uint64_t line[2];
  uint8_t cheeseCell[MAX_CHEESES];
  int8_t week[MAX_CHEESES];
  uint8_t player;
  uint8_t dayOfWeek;
  uint8_t toDeliver;
  uint8_t unused;
};

struct Node {
  Key key;
  uint32_t parent;
  uint8_t move;
};

int32_t CellIndex(int32_t x, int32_t y) {
  return (x - 1) * 9 + (y - 1);
}

void SetBit(uint64_t* bits, int32_t i) {
  bits[i >> 6] |= uint64_t{1} << (i & 63);
}

uint64_t HashKey(const Key& key) {
  uint64_t words[sizeof(Key) / 8];
  std::memcpy(words, &key, sizeof(Key));
  uint64_t h = 0x9E3779B97F4A7C15ull;
  for (uint64_t w : words) {
    h ^= w;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 32;
  }
  return h;
}

// The live stage state of one search, with the fixed walls and holes kept apart.
struct Search {
  int32_t fixedBoard[BOARD_SIZE][BOARD_SIZE];
  std::vector<Node> nodes;
  // Node index + 1 (0 when empty) with the upper half of the key's hash, so that most
  // probes are settled without touching the node itself.
  struct Entry {
    uint32_t index;
    uint32_t tag;
  };
  std::vector<Entry> table;
  uint64_t mask = 0;

  static void PlaceSet(const uint64_t* cells, int32_t value) {
    for (int32_t word = 0; word < 2; ++word) {
      for (uint64_t bits = cells[word]; bits != 0; bits &= bits - 1) {
        int32_t i = word * 64 + std::countr_zero(bits);
        Board[i / 9 + 1][i % 9 + 1] = value;
      }
    }
  }

  void Decode(const Key& key) {
    std::memcpy(Board, fixedBoard, sizeof(fixedBoard));
    PlaceSet(key.area, CELL_SNOWMAN_AREA);
    PlaceSet(key.line, CELL_SNOWMAN_LINE);
    for (int32_t k = 0; k < CheeseCount; ++k) {
      CheeseSlots[k].week = key.week[k];
      if (key.cheeseCell[k] != CELL_GONE) {
        Board[key.cheeseCell[k] / 9 + 1][key.cheeseCell[k] % 9 + 1] = CELL_CHEESE_FIRST + k;
      }
    }
    PlayerX = key.player / 9 + 1;
    PlayerY = key.player % 9 + 1;
    DayOfWeek = key.dayOfWeek;
    CheesesToDeliver = key.toDeliver;
  }

  static Key Encode() {
    Key key;
    std::memset(&key, 0, sizeof(key));
    std::memset(key.cheeseCell, CELL_GONE, sizeof(key.cheeseCell));
    for (int32_t x = 1; x <= 9; ++x) {
      for (int32_t y = 1; y <= 9; ++y) {
        int32_t v = Board[x][y];
        if (v == CELL_SNOWMAN_AREA) SetBit(key.area, CellIndex(x, y));
        if (v == CELL_SNOWMAN_LINE) SetBit(key.line, CellIndex(x, y));
        if (v >= CELL_CHEESE_FIRST) {
          key.cheeseCell[v - CELL_CHEESE_FIRST] = static_cast<uint8_t>(CellIndex(x, y));
        }
      }
    }
    for (int32_t k = 0; k < CheeseCount; ++k) {
      int32_t week = CheeseSlots[k].week;
      int32_t lastGood = CheeseSlots[k].info->ripeTo;
      key.week[k] = static_cast<int8_t>(week > lastGood ? lastGood + 1 : week);
    }
    key.player = static_cast<uint8_t>(CellIndex(PlayerX, PlayerY));
    key.dayOfWeek = static_cast<uint8_t>(DayOfWeek);
    key.toDeliver = static_cast<uint8_t>(CheesesToDeliver);
    return key;
  }

  // True when enough cheeses on the board are not rotten and not past their window.
  static bool CanStillClear() {
    int32_t deliverable = 0;
    for (int32_t k = 0; k < CheeseCount; ++k) {
      const CheeseSlot& slot = CheeseSlots[k];
      if (slot.week > 0 && slot.week <= slot.info->ripeTo) ++deliverable;
    }
    return deliverable >= CheesesToDeliver;
  }

  void Grow() {
    std::vector<Entry> old(table.size() * 2, Entry{0, 0});
    old.swap(table);
    mask = table.size() - 1;
    for (const Entry& entry : old) {
      if (entry.index != 0) Place(entry);
    }
  }

  void Place(const Entry& entry) {
    uint64_t slot = HashKey(nodes[entry.index - 1].key) & mask;
    while (table[slot].index != 0) slot = (slot + 1) & mask;
    table[slot] = entry;
  }

  // Adds the node last pushed onto nodes unless its key is known; false when known.
  bool Insert() {
    const Key& key = nodes.back().key;
    uint64_t hash = HashKey(key);
    uint32_t tag = static_cast<uint32_t>(hash >> 32);
    uint64_t slot = hash & mask;
    while (table[slot].index != 0) {
      if (table[slot].tag == tag &&
          std::memcmp(&nodes[table[slot].index - 1].key, &key, sizeof(Key)) == 0) {
        nodes.pop_back();
        return false;
      }
      slot = (slot + 1) & mask;
    }
    table[slot] = Entry{static_cast<uint32_t>(nodes.size()), tag};
    if (nodes.size() * 2 > table.size()) Grow();
    return true;
  }

  std::string PathTo(uint32_t index, uint8_t lastMove) const {
    std::string moves(1, MOVE_LETTERS[lastMove]);
    for (uint32_t i = index; i != 0; i = nodes[i].parent) moves += MOVE_LETTERS[nodes[i].move];
    return std::string(moves.rbegin(), moves.rend());
  }
};

}  // namespace

MoveOutcome PlayMove(int32_t d) {
  Facing = d;
  if (StartMove() == MOVE_NONE) return MoveOutcome::Blocked;
  if (!CommitMove()) return MoveOutcome::Moved;
  if (!PushedPieceIsCheese()) return MoveOutcome::SnowmanDropped;
  return DeliverCheese() == RIPENESS_GOOD ? MoveOutcome::Delivered : MoveOutcome::WrongDelivery;
}

int32_t MoveDirection(char letter) {
  for (int32_t d = 0; d < 4; ++d) {
    if (MOVE_LETTERS[d] == letter) return d;
  }
  return -1;
}

SolveResult SolveStage(int32_t n, int64_t stateLimit) {
  SolveResult result;
  SetUpStage(n);
  Search search;
  std::memcpy(search.fixedBoard, Board, sizeof(Board));
  for (int32_t x = 1; x <= 9; ++x) {
    for (int32_t y = 1; y <= 9; ++y) {
      int32_t v = search.fixedBoard[x][y];
      if (v == CELL_SNOWMAN_AREA || v == CELL_SNOWMAN_LINE || v >= CELL_CHEESE_FIRST) {
        search.fixedBoard[x][y] = CELL_FLOOR;
      }
    }
  }
  search.table.assign(1 << 16, Search::Entry{0, 0});
  search.mask = search.table.size() - 1;
  search.nodes.reserve(1 << 15);
  search.nodes.push_back(Node{Search::Encode(), 0, 0});
  search.Insert();

  for (size_t next = 0; next < search.nodes.size(); ++next) {
    if (static_cast<int64_t>(search.nodes.size()) >= stateLimit) {
      result.exhausted = true;
      break;
    }
    const Key key = search.nodes[next].key;
    bool dirty = true;
    for (int32_t d = 0; d < 4; ++d) {
      if (dirty) search.Decode(key);
      dirty = false;
      if (TryMove(d) == MOVE_NONE) continue;
      dirty = true;
      if (PlayMove(d) == MoveOutcome::WrongDelivery) continue;
      if (CheesesToDeliver <= 0) {
        result.solved = true;
        result.moves = search.PathTo(static_cast<uint32_t>(next), static_cast<uint8_t>(d));
        result.statesExplored = static_cast<int64_t>(next) + 1;
        return result;
      }
      if (!Search::CanStillClear()) continue;
      search.nodes.push_back(
          Node{Search::Encode(), static_cast<uint32_t>(next), static_cast<uint8_t>(d)});
      search.Insert();
    }
  }
  result.statesExplored = static_cast<int64_t>(search.nodes.size());
  return result;
}

int32_t ReplaySolution(int32_t n, const std::string& moves, std::string* why) {
  SetUpStage(n);
  for (size_t i = 0; i < moves.size(); ++i) {
    std::string where = "move " + std::to_string(i + 1) + " (" + moves[i] + ")";
    int32_t d = MoveDirection(moves[i]);
    if (d < 0) {
      *why = where + " is not one of U, R, D, L";
      return 0;
    }
    MoveOutcome outcome = PlayMove(d);
    if (outcome == MoveOutcome::Blocked) {
      *why = where + " is blocked";
      return 0;
    }
    if (outcome == MoveOutcome::WrongDelivery) {
      *why = where + " delivers a cheese that is not good";
      return 0;
    }
    if (CheesesToDeliver <= 0 && i + 1 < moves.size()) {
      *why = where + " already clears the stage";
      return 0;
    }
  }
  if (CheesesToDeliver > 0) {
    *why = "the moves end with " + std::to_string(CheesesToDeliver) + " deliveries due";
    return 0;
  }
  return 1;
}

}  // namespace game
