// Shortest solutions of the cellars over the game's own rules: breadth-first and A*.
#include "game/solver.h"

#include <algorithm>
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
constexpr int32_t PLAYFIELD_CELLS = 81;

struct Node {
  PositionKey key;
  uint32_t parent;
  uint8_t move;
  bool replaced;  // a later node reached the same key by fewer moves (A* only)
  uint16_t cost;  // moves from the search's start (A* only)
};

int32_t CellIndex(int32_t x, int32_t y) {
  return (x - 1) * 9 + (y - 1);
}
int32_t CellX(int32_t i) {
  return i / 9 + 1;
}
int32_t CellY(int32_t i) {
  return i % 9 + 1;
}

void SetBit(uint64_t* bits, int32_t i) {
  bits[i >> 6] |= uint64_t{1} << (i & 63);
}

uint64_t HashKey(const PositionKey& key) {
  uint64_t words[sizeof(PositionKey) / 8];
  std::memcpy(words, &key, sizeof(PositionKey));
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

  // Starts from root, a position of the live stage: its walls and holes stay, its
  // pieces move.
  void Begin(const PositionKey& root) {
    std::memcpy(fixedBoard, Board, sizeof(Board));
    for (int32_t x = 1; x <= 9; ++x) {
      for (int32_t y = 1; y <= 9; ++y) {
        int32_t v = fixedBoard[x][y];
        if (v == CELL_SNOWMAN_AREA || v == CELL_SNOWMAN_LINE || v >= CELL_CHEESE_FIRST) {
          fixedBoard[x][y] = CELL_FLOOR;
        }
      }
    }
    table.assign(1 << 16, Entry{0, 0});
    mask = table.size() - 1;
    nodes.reserve(1 << 15);
    nodes.push_back(Node{root, 0, 0, false, 0});
    Insert();
  }

  static void PlaceSet(const uint64_t* cells, int32_t value) {
    for (int32_t word = 0; word < 2; ++word) {
      for (uint64_t bits = cells[word]; bits != 0; bits &= bits - 1) {
        int32_t i = word * 64 + std::countr_zero(bits);
        Board[CellX(i)][CellY(i)] = value;
      }
    }
  }

  void Decode(const PositionKey& key) {
    std::memcpy(Board, fixedBoard, sizeof(fixedBoard));
    PlaceSet(key.area, CELL_SNOWMAN_AREA);
    PlaceSet(key.line, CELL_SNOWMAN_LINE);
    for (int32_t k = 0; k < CheeseCount; ++k) {
      CheeseSlots[k].week = key.week[k];
      if (key.cheeseCell[k] != CELL_GONE) {
        Board[CellX(key.cheeseCell[k])][CellY(key.cheeseCell[k])] = CELL_CHEESE_FIRST + k;
      }
    }
    PlayerX = CellX(key.player);
    PlayerY = CellY(key.player);
    DayOfWeek = key.dayOfWeek;
    CheesesToDeliver = key.toDeliver;
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

  // The slot of key in the table: the one that holds it, or the empty one where it goes.
  uint64_t SlotOf(const PositionKey& key, uint32_t tag, uint64_t hash) const {
    uint64_t slot = hash & mask;
    while (table[slot].index != 0 &&
           (table[slot].tag != tag || !(nodes[table[slot].index - 1].key == key))) {
      slot = (slot + 1) & mask;
    }
    return slot;
  }

  // The index of the node with key, or NOT_FOUND.
  static constexpr uint32_t NOT_FOUND = 0xFFFFFFFF;
  uint32_t Find(const PositionKey& key) const {
    uint64_t hash = HashKey(key);
    return table[SlotOf(key, static_cast<uint32_t>(hash >> 32), hash)].index - 1;
  }

  // Adds the node last pushed onto nodes unless its key is known. Returns the index of
  // the node with that key; a known key drops the pushed node again.
  uint32_t Insert() {
    const PositionKey& key = nodes.back().key;
    uint64_t hash = HashKey(key);
    uint32_t tag = static_cast<uint32_t>(hash >> 32);
    uint64_t slot = SlotOf(key, tag, hash);
    if (table[slot].index != 0) {
      nodes.pop_back();
      return table[slot].index - 1;
    }
    table[slot] = Entry{static_cast<uint32_t>(nodes.size()), tag};
    if (nodes.size() * 2 > table.size()) Grow();
    return static_cast<uint32_t>(nodes.size() - 1);
  }

  // Adds node as the one that the table knows for its key, in place of any earlier one.
  uint32_t Put(const Node& node) {
    nodes.push_back(node);
    uint64_t hash = HashKey(node.key);
    uint32_t tag = static_cast<uint32_t>(hash >> 32);
    uint64_t slot = SlotOf(node.key, tag, hash);
    bool grows = table[slot].index == 0;
    table[slot] = Entry{static_cast<uint32_t>(nodes.size()), tag};
    if (grows && nodes.size() * 2 > table.size()) Grow();
    return static_cast<uint32_t>(nodes.size() - 1);
  }

  // The nodes from the search's start to index, start first.
  std::vector<uint32_t> Lineage(uint32_t index) const {
    std::vector<uint32_t> line;
    for (uint32_t i = index; i != 0; i = nodes[i].parent) line.push_back(i);
    line.push_back(0);
    return std::vector<uint32_t>(line.rbegin(), line.rend());
  }

  std::string PathTo(uint32_t index, uint8_t lastMove) const {
    std::string moves;
    for (uint32_t i : Lineage(index)) {
      if (i != 0) moves += MOVE_LETTERS[nodes[i].move];
    }
    return moves + MOVE_LETTERS[lastMove];
  }
};

// ---- A lower bound on the moves still needed ---------------------------------------------
//
// A needed cheese has to be walked to, pushed along the fewest pushes that bring it to a
// hole, and delivered inside its ripe window. The pushes are counted on the bare board (the
// other pieces ignored), through cells that some snowman there could ever chill, since the
// cheese rots on any other. The deliveries are distinct moves, as are the pushes of distinct
// cheeses. Positions where too few cheeses can still meet these conditions are lost.

constexpr uint16_t NO_WAY = 0xFFFF;
constexpr uint8_t FAR = 0xFF;

struct CellSet {
  uint64_t bits[2];
  bool Has(int32_t i) const { return (bits[i >> 6] >> (i & 63)) & 1; }
  void Add(int32_t i) { SetBit(bits, i); }
  void Unite(const CellSet& other) {
    bits[0] |= other.bits[0];
    bits[1] |= other.bits[1];
  }
  bool operator==(const CellSet& other) const {
    return bits[0] == other.bits[0] && bits[1] == other.bits[1];
  }
};

using Grid = int32_t[BOARD_SIZE][BOARD_SIZE];

constexpr int8_t NO_CELL = -1;
constexpr int8_t INTO_HOLE = -2;

// What the rules allow on the bare board, with the walls and holes alone, asked of TryMove
// and ComputeColdMap on the searching thread's live stage.
struct BareBoard {
  int8_t stepTo[PLAYFIELD_CELLS][4];  // where the player on a cell steps, or NO_CELL
  int8_t pushTo[PLAYFIELD_CELLS][4];  // where a piece on a cell is pushed, INTO_HOLE or NO_CELL
  CellSet chill[2][PLAYFIELD_CELLS];  // what an area / line snowman on a cell chills

  explicit BareBoard(const Grid& fixed) {
    for (int32_t c = 0; c < PLAYFIELD_CELLS; ++c) {
      int32_t x = CellX(c), y = CellY(c);
      bool floor = fixed[x][y] == CELL_FLOOR;
      for (int32_t d = 0; d < 4; ++d) {
        int32_t ax = x + StepDX[d], ay = y + StepDY[d];
        std::memcpy(Board, fixed, sizeof(Board));
        PlayerX = x;
        PlayerY = y;
        stepTo[c][d] =
            floor && TryMove(d) == MOVE_STEP ? static_cast<int8_t>(CellIndex(ax, ay)) : NO_CELL;
        Board[x][y] = CELL_SNOWMAN_AREA;
        PlayerX = x - StepDX[d];
        PlayerY = y - StepDY[d];
        bool pushed = floor && fixed[PlayerX][PlayerY] == CELL_FLOOR && TryMove(d) == MOVE_PUSH;
        pushTo[c][d] = !pushed                      ? NO_CELL
                       : fixed[ax][ay] == CELL_HOLE ? INTO_HOLE
                                                    : static_cast<int8_t>(CellIndex(ax, ay));
      }
      for (int32_t kind = 0; kind < 2; ++kind) {
        chill[kind][c] = CellSet{};
        if (!floor) continue;
        std::memcpy(Board, fixed, sizeof(Board));
        Board[x][y] = kind == 0 ? CELL_SNOWMAN_AREA : CELL_SNOWMAN_LINE;
        ComputeColdMap();
        for (int32_t i = 0; i < PLAYFIELD_CELLS; ++i) {
          if (ColdMap[CellX(i)][CellY(i)]) chill[kind][c].Add(i);
        }
      }
    }
  }
};

struct LowerBound {
  BareBoard bare;
  uint8_t steps[PLAYFIELD_CELLS][PLAYFIELD_CELLS];  // fewest steps between two cells
  CellSet everCold[2][PLAYFIELD_CELLS];  // what an area / line snowman on a cell could chill
  // Fewest pushes from each cell into a hole through the cells of one set, for the last
  // few sets asked (a search meets only a handful).
  struct Pushes {
    CellSet cold;
    uint8_t count[PLAYFIELD_CELLS];
  };
  Pushes remembered[8];
  int32_t rememberedCount = 0, replaced = 0;

  explicit LowerBound(const Grid& fixed) : bare(fixed) {
    std::memset(steps, FAR, sizeof steps);
    for (int32_t from = 0; from < PLAYFIELD_CELLS; ++from) {
      steps[from][from] = 0;
      Spread(from, bare.stepTo, [&](int32_t c, int32_t next) {
        if (steps[from][next] != FAR) return false;
        steps[from][next] = static_cast<uint8_t>(steps[from][c] + 1);
        return true;
      });
      // Every cell a snowman could be pushed to, and what it would chill there.
      everCold[0][from] = everCold[1][from] = CellSet{};
      CellSet seen{};
      seen.Add(from);
      Spread(from, bare.pushTo, [&](int32_t, int32_t next) {
        if (seen.Has(next)) return false;
        seen.Add(next);
        return true;
      });
      for (int32_t c = 0; c < PLAYFIELD_CELLS; ++c) {
        if (!seen.Has(c)) continue;
        everCold[0][from].Unite(bare.chill[0][c]);
        everCold[1][from].Unite(bare.chill[1][c]);
      }
    }
  }

  // Breadth-first from a cell along the moves of a table; visit(c, next) says whether
  // next is new.
  template <typename Visit>
  static void Spread(int32_t from, const int8_t (*moves)[4], Visit visit) {
    int32_t queue[PLAYFIELD_CELLS], head = 0, tail = 0;
    queue[tail++] = from;
    while (head < tail) {
      int32_t c = queue[head++];
      for (int32_t d = 0; d < 4; ++d) {
        int32_t next = moves[c][d];
        if (next >= 0 && visit(c, next)) queue[tail++] = next;
      }
    }
  }

  // Backwards from the holes: the fewest pushes that bring a piece from each cell into a
  // hole, every cell on the way one that cold could ever reach.
  const uint8_t* PushesThrough(const CellSet& cold) {
    for (int32_t i = 0; i < rememberedCount; ++i) {
      if (remembered[i].cold == cold) return remembered[i].count;
    }
    Pushes& entry = remembered[rememberedCount < 8 ? rememberedCount++ : replaced++ % 8];
    entry.cold = cold;
    std::memset(entry.count, FAR, sizeof entry.count);
    for (int32_t round = 1, found = 1; found != 0; ++round) {
      found = 0;
      for (int32_t c = 0; c < PLAYFIELD_CELLS; ++c) {
        if (entry.count[c] != FAR || !cold.Has(c)) continue;
        for (int32_t d = 0; d < 4; ++d) {
          int32_t to = bare.pushTo[c][d];
          if (to == INTO_HOLE || (to >= 0 && entry.count[to] == round - 1)) {
            entry.count[c] = static_cast<uint8_t>(round);
            ++found;
            break;
          }
        }
      }
    }
    return entry.count;
  }

  // Fewest steps from the player to a cell from which the cheese on c can be pushed.
  int32_t WalkToPush(int32_t player, int32_t c) const {
    int32_t best = FAR;
    for (int32_t d = 0; d < 4; ++d) {
      if (bare.pushTo[c][d] == NO_CELL) continue;
      best = std::min<int32_t>(
          best, steps[player][CellIndex(CellX(c) - StepDX[d], CellY(c) - StepDY[d])]);
    }
    return best;
  }

  // Fewest moves that can still clear the stage from key, or NO_WAY when it is lost.
  uint16_t Estimate(const PositionKey& key);
};

void SortAscending(int32_t* values, int32_t count) {
  for (int32_t i = 1; i < count; ++i) {
    for (int32_t j = i; j > 0 && values[j - 1] > values[j]; --j)
      std::swap(values[j - 1], values[j]);
  }
}

uint16_t LowerBound::Estimate(const PositionKey& key) {
  int32_t due = key.toDeliver;
  if (due <= 0) return 1;  // any move clears
  CellSet cold{};
  for (int32_t kind = 0; kind < 2; ++kind) {
    const uint64_t* snowmen = kind == 0 ? key.area : key.line;
    for (int32_t word = 0; word < 2; ++word) {
      for (uint64_t bits = snowmen[word]; bits != 0; bits &= bits - 1) {
        cold.Unite(everCold[kind][word * 64 + std::countr_zero(bits)]);
      }
    }
  }
  const uint8_t* pushes = PushesThrough(cold);

  // Each deliverable cheese's window of delivery moves, counted from now; a delivery on
  // move m is judged on the week after that move's day: week + (day + m) / 7.
  int32_t earliest[MAX_CHEESES], latest[MAX_CHEESES], pushCount[MAX_CHEESES];
  int32_t count = 0, walkFirst = FAR;
  int32_t day = key.dayOfWeek;
  for (int32_t k = 0; k < CheeseCount; ++k) {
    int32_t week = key.week[k], cell = key.cheeseCell[k];
    const CheeseInfo& info = *CheeseSlots[k].info;
    if (cell == CELL_GONE || week <= 0 || week > info.ripeTo || pushes[cell] == FAR) continue;
    int32_t reach = WalkToPush(key.player, cell);
    int32_t ripening = week >= info.ripeFrom ? 0 : 7 * (info.ripeFrom - week) - day;
    int32_t first = std::max(reach + pushes[cell], ripening);
    int32_t last = 7 * (info.ripeTo - week) + 6 - day;
    if (reach == FAR || first > last) continue;
    earliest[count] = first;
    latest[count] = last;
    pushCount[count++] = pushes[cell];
    walkFirst = std::min(walkFirst, reach);
  }
  if (count < due) return NO_WAY;

  // Deliveries on distinct moves, each inside its window: by latest move, each cheese
  // takes the earliest free move it can (optimal for windows of single moves).
  int32_t order[MAX_CHEESES], taken[MAX_CHEESES], scheduled = 0;
  for (int32_t i = 0; i < count; ++i) order[i] = latest[i] * MAX_CHEESES + i;
  SortAscending(order, count);
  for (int32_t i = 0; i < count; ++i) {
    int32_t k = order[i] % MAX_CHEESES, move = earliest[k];
    for (int32_t j = 0; j < scheduled; ++j) {
      if (taken[j] == move) {
        ++move;
        j = -1;
      }
    }
    if (move <= latest[k]) taken[scheduled++] = move;
  }
  if (scheduled < due) return NO_WAY;

  // The last delivery comes no earlier than the due-th of distinct earliest moves, nor
  // before the walk to the first needed cheese and the pushes of the due cheapest ones.
  SortAscending(earliest, count);
  SortAscending(pushCount, count);
  int32_t lastDelivery = 0, pushSum = 0;
  for (int32_t i = 0; i < due; ++i) {
    lastDelivery = std::max(earliest[i], lastDelivery + 1);
    pushSum += pushCount[i];
  }
  return static_cast<uint16_t>(std::max(lastDelivery, walkFirst + pushSum));
}

// ---- Once every cheese is ripe, earlier is never worse -------------------------------------
//
// When no cheese in play is unripe any more, the same moves played from the same board on
// an earlier day do everything they did later: rot depends on the board alone, and every
// delivery comes in an earlier week, still ripe and further from over-ripe. So the search
// knows such a board once, with the calendar left out, reached by the fewest moves; the
// cheeses' weeks and the day follow from the search's start and those moves. While a cheese
// still ripens, waiting may be needed, and the key keeps its calendar.

constexpr uint8_t PHASE_TIMELESS = 1;

struct Calendar {
  PositionKey start;

  PositionKey Merged(PositionKey key) const {
    for (int32_t k = 0; k < CheeseCount; ++k) {
      if (key.week[k] > 0 && key.week[k] < CheeseSlots[k].info->ripeFrom) return key;
    }
    key.dayOfWeek = 0;
    for (int32_t k = 0; k < CheeseCount; ++k) {
      if (key.week[k] > 0) key.week[k] = 1;
    }
    key.phase = PHASE_TIMELESS;
    return key;
  }

  // The position of a merged key reached after the given moves from the start.
  PositionKey Real(PositionKey key, uint16_t moves) const {
    if (key.phase != PHASE_TIMELESS) return key;
    int32_t elapsed = start.dayOfWeek + moves;
    key.dayOfWeek = static_cast<uint8_t>(elapsed % 7);
    for (int32_t k = 0; k < CheeseCount; ++k) {
      if (key.week[k] <= 0) continue;
      int32_t week = start.week[k] + elapsed / 7;
      key.week[k] = static_cast<int8_t>(std::min(week, CheeseSlots[k].info->ripeTo + 1));
    }
    key.phase = 0;
    return key;
  }
};

// Plays each move from key in turn with the rules, the live stage set back to key before
// each, and calls reached(d) with the live stage after every move that moves and delivers
// no bad cheese. Stops, returning false, as soon as reached returns false. The key is a
// copy: reached may add nodes, which moves the one it came from.
template <typename Reached>
bool ForEachMove(Search& search, const PositionKey key, Reached reached) {
  bool dirty = true;
  for (int32_t d = 0; d < 4; ++d) {
    if (dirty) search.Decode(key);
    dirty = false;
    if (TryMove(d) == MOVE_NONE) continue;
    dirty = true;
    if (PlayMove(d) == MoveOutcome::WrongDelivery) continue;
    if (!reached(d)) return false;
  }
  return true;
}

// Open positions by estimated total moves; within one estimate the latest pushed is taken
// first, which prefers the deepest and reaches the goal sooner.
struct OpenList {
  std::vector<std::vector<uint32_t>> byTotal;
  size_t lowest = 0;

  void Push(uint32_t total, uint32_t index) {
    if (total >= byTotal.size()) byTotal.resize(total + 1);
    byTotal[total].push_back(index);
    lowest = std::min<size_t>(lowest, total);
  }

  bool Pop(uint32_t* total, uint32_t* index) {
    while (lowest < byTotal.size() && byTotal[lowest].empty()) ++lowest;
    if (lowest == byTotal.size()) return false;
    *total = static_cast<uint32_t>(lowest);
    *index = byTotal[lowest].back();
    byTotal[lowest].pop_back();
    return true;
  }
};

}  // namespace

bool operator==(const PositionKey& a, const PositionKey& b) {
  return std::memcmp(&a, &b, sizeof(PositionKey)) == 0;
}

PositionKey EncodePosition() {
  PositionKey key;
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
  key.toDeliver = static_cast<uint8_t>(std::clamp(CheesesToDeliver, 0, MAX_CHEESES + 1));
  return key;
}

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
  SetUpStage(n);
  return SolveBreadthFirst(stateLimit);
}

SolveResult SolveBreadthFirst(int64_t stateLimit) {
  SolveResult result;
  Search search;
  search.Begin(EncodePosition());

  for (size_t next = 0; next < search.nodes.size(); ++next) {
    if (static_cast<int64_t>(search.nodes.size()) >= stateLimit) {
      result.exhausted = true;
      break;
    }
    bool goOn = ForEachMove(search, search.nodes[next].key, [&](int32_t d) {
      if (CheesesToDeliver <= 0) {
        result.solved = true;
        result.moves = search.PathTo(static_cast<uint32_t>(next), static_cast<uint8_t>(d));
        result.statesExplored = static_cast<int64_t>(next) + 1;
        return false;
      }
      if (!Search::CanStillClear()) return true;
      search.nodes.push_back(
          Node{EncodePosition(), static_cast<uint32_t>(next), static_cast<uint8_t>(d), false, 0});
      search.Insert();
      return true;
    });
    if (!goOn) return result;
  }
  result.statesExplored = static_cast<int64_t>(search.nodes.size());
  return result;
}

HintResult SolvePosition(int64_t stateLimit, const std::atomic<bool>* cancel) {
  HintResult result;
  Calendar calendar{EncodePosition()};
  Search search;
  search.Begin(calendar.Merged(calendar.start));
  LowerBound bound(search.fixedBoard);
  uint16_t atStart = bound.Estimate(calendar.start);
  OpenList open;
  if (atStart != NO_WAY) open.Push(atStart, 0);

  uint32_t total = 0, index = 0;
  for (int64_t popped = 0; open.Pop(&total, &index); ++popped) {
    if ((popped & 1023) == 0 && cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
      result.status = HintStatus::Undecided;
      break;
    }
    if (search.nodes[index].replaced) continue;
    uint16_t cost = search.nodes[index].cost;
    bool goOn = ForEachMove(search, calendar.Real(search.nodes[index].key, cost), [&](int32_t d) {
      if (CheesesToDeliver <= 0) {
        // The estimate is at least 1 and never above the moves really needed, so this
        // move ends a way of exactly the lowest estimate still open: a shortest one.
        result.status = HintStatus::Found;
        for (uint32_t i : search.Lineage(index)) {
          if (i != 0) result.path.back().move = search.nodes[i].move;
          result.path.push_back(
              HintStep{calendar.Real(search.nodes[i].key, search.nodes[i].cost), -1});
        }
        result.path.back().move = d;
        return false;
      }
      PositionKey reached = EncodePosition();
      uint16_t childCost = static_cast<uint16_t>(cost + 1);
      Node child{calendar.Merged(reached), index, static_cast<uint8_t>(d), false, childCost};
      uint32_t known = search.Find(child.key);
      if (known != Search::NOT_FOUND && search.nodes[known].cost <= childCost) return true;
      uint16_t h = bound.Estimate(reached);
      if (h == NO_WAY) return true;
      // A key reached again by fewer moves gets a new node, so that the ways already
      // found through the old one keep their own days.
      if (known != Search::NOT_FOUND) search.nodes[known].replaced = true;
      open.Push(childCost + h, search.Put(child));
      return true;
    });
    if (!goOn) break;
    if (static_cast<int64_t>(search.nodes.size()) >= stateLimit) {
      result.status = HintStatus::Undecided;
      break;
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
