// The lower bound of the hint search and the checks that find a position lost.
#include "game/solver/lower_bound.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "game/rules.h"

namespace game {

namespace {

constexpr uint8_t FAR = 0xFF;
constexpr int8_t NO_CELL = -1;
constexpr int8_t INTO_HOLE = -2;

// Breadth-first from a cell along the moves of a table; visit(c, next) says whether
// next is new.
template <typename Visit>
void Spread(int32_t from, const int8_t (*moves)[4], Visit visit) {
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

void SortAscending(int32_t* values, int32_t count) {
  for (int32_t i = 1; i < count; ++i) {
    for (int32_t j = i; j > 0 && values[j - 1] > values[j]; --j)
      std::swap(values[j - 1], values[j]);
  }
}

}  // namespace

bool CanStillClear(const Position& p) {
  int32_t deliverable = 0;
  for (int32_t k = 0; k < p.cheeseCount; ++k) {
    const CheeseSlot& slot = p.cheeseSlots[k];
    if (slot.week > 0 && slot.week <= slot.info->ripeTo) ++deliverable;
  }
  return deliverable >= p.cheesesToDeliver;
}

LowerBound::LowerBound(const Position& bare) : bare_(bare) {
  AskTheRules(bare);
  std::memset(steps_, FAR, sizeof steps_);
  for (int32_t from = 0; from < PLAYFIELD_CELLS; ++from) {
    ComputeSteps(from);
    ComputeEverCold(from);
  }
}

// Steps, pushes and chill on the bare board, each asked of the rules with the player or
// one snowman on a cell.
void LowerBound::AskTheRules(const Position& bare) {
  Position trial = bare;
  for (int32_t c = 0; c < PLAYFIELD_CELLS; ++c) {
    int32_t x = CellX(c), y = CellY(c);
    bool floor = bare.board[x][y] == CELL_FLOOR;
    for (int32_t d = 0; d < 4; ++d) {
      int32_t ax = x + StepDX[d], ay = y + StepDY[d];
      trial.playerX = x;
      trial.playerY = y;
      stepTo_[c][d] = floor && TryMove(trial, d) == MOVE_STEP
                          ? static_cast<int8_t>(CellIndex(ax, ay))
                          : NO_CELL;
      trial.board[x][y] = CELL_SNOWMAN_AREA;
      trial.playerX = x - StepDX[d];
      trial.playerY = y - StepDY[d];
      bool pushed = floor && bare.board[trial.playerX][trial.playerY] == CELL_FLOOR &&
                    TryMove(trial, d) == MOVE_PUSH;
      trial.board[x][y] = bare.board[x][y];
      pushTo_[c][d] = !pushed                           ? NO_CELL
                      : bare.board[ax][ay] == CELL_HOLE ? INTO_HOLE
                                                        : static_cast<int8_t>(CellIndex(ax, ay));
    }
    for (int32_t kind = 0; kind < 2; ++kind) {
      chill_[kind][c] = CellSet{};
      if (!floor) continue;
      trial.board[x][y] = kind == 0 ? CELL_SNOWMAN_AREA : CELL_SNOWMAN_LINE;
      ComputeColdMap(trial);
      trial.board[x][y] = bare.board[x][y];
      for (int32_t i = 0; i < PLAYFIELD_CELLS; ++i) {
        if (trial.coldMap[CellX(i)][CellY(i)]) chill_[kind][c].Add(i);
      }
    }
  }
}

void LowerBound::ComputeSteps(int32_t from) {
  steps_[from][from] = 0;
  Spread(from, stepTo_, [&](int32_t c, int32_t next) {
    if (steps_[from][next] != FAR) return false;
    steps_[from][next] = static_cast<uint8_t>(steps_[from][c] + 1);
    return true;
  });
}

// Every cell a snowman on from could be pushed to, and what it would chill there.
void LowerBound::ComputeEverCold(int32_t from) {
  everCold_[0][from] = everCold_[1][from] = CellSet{};
  CellSet seen{};
  seen.Add(from);
  Spread(from, pushTo_, [&](int32_t, int32_t next) {
    if (seen.Has(next)) return false;
    seen.Add(next);
    return true;
  });
  for (int32_t c = 0; c < PLAYFIELD_CELLS; ++c) {
    if (!seen.Has(c)) continue;
    everCold_[0][from].Unite(chill_[0][c]);
    everCold_[1][from].Unite(chill_[1][c]);
  }
}

// Every cell that the snowmen of key could ever chill.
CellSet LowerBound::ColdEverReached(const PositionKey& key) const {
  CellSet cold{};
  for (int32_t kind = 0; kind < 2; ++kind) {
    const uint64_t* snowmen = kind == 0 ? key.area : key.line;
    for (int32_t word = 0; word < 2; ++word) {
      for (uint64_t bits = snowmen[word]; bits != 0; bits &= bits - 1) {
        cold.Unite(everCold_[kind][word * 64 + std::countr_zero(bits)]);
      }
    }
  }
  return cold;
}

// Backwards from the holes: the fewest pushes that bring a piece from each cell into a
// hole, every cell on the way one that cold could ever reach.
const uint8_t* LowerBound::PushesThrough(const CellSet& cold) {
  for (int32_t i = 0; i < rememberedCount_; ++i) {
    if (remembered_[i].cold == cold) return remembered_[i].count;
  }
  Pushes& entry = remembered_[rememberedCount_ < 8 ? rememberedCount_++ : replaced_++ % 8];
  entry.cold = cold;
  std::memset(entry.count, FAR, sizeof entry.count);
  for (int32_t round = 1, found = 1; found != 0; ++round) {
    found = 0;
    for (int32_t c = 0; c < PLAYFIELD_CELLS; ++c) {
      if (entry.count[c] != FAR || !cold.Has(c)) continue;
      for (int32_t d = 0; d < 4; ++d) {
        int32_t to = pushTo_[c][d];
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
int32_t LowerBound::WalkToPush(int32_t player, int32_t c) const {
  int32_t best = FAR;
  for (int32_t d = 0; d < 4; ++d) {
    if (pushTo_[c][d] == NO_CELL) continue;
    best = std::min<int32_t>(best,
                             steps_[player][CellIndex(CellX(c) - StepDX[d], CellY(c) - StepDY[d])]);
  }
  return best;
}

// A delivery on move m is judged on the week after that move's day: week + (day + m) / 7.
LowerBound::Outlook LowerBound::CheeseOutlook(const PositionKey& key, const uint8_t* pushes,
                                              int32_t k) const {
  int32_t week = key.week[k], cell = key.cheeseCell[k], day = key.dayOfWeek;
  const CheeseInfo& info = *bare_.cheeseSlots[k].info;
  if (cell == CELL_GONE || week == WEEK_NONE) return {LostReason::Delivered};
  if (week == WEEK_ROTTEN) return {LostReason::Rotten};
  if (week > info.ripeTo) return {LostReason::OverRipe};
  int32_t walk = WalkToPush(key.player, cell);
  if (pushes[cell] == FAR || walk == FAR) return {LostReason::NoColdWay};
  int32_t ripening = week >= info.ripeFrom ? 0 : 7 * (info.ripeFrom - week) - day;
  int32_t first = std::max(walk + pushes[cell], ripening);
  int32_t last = 7 * (info.ripeTo - week) + 6 - day;
  if (first > last) return {LostReason::TooLate};
  return {LostReason::None, first, last, pushes[cell], walk};
}

LowerBound::Windows LowerBound::DeliveryWindows(const PositionKey& key,
                                                const uint8_t* pushes) const {
  Windows w;
  w.walkFirst = FAR;
  for (int32_t k = 0; k < bare_.cheeseCount; ++k) {
    Outlook outlook = CheeseOutlook(key, pushes, k);
    if (outlook.fate != LostReason::None) continue;
    w.earliest[w.count] = outlook.earliest;
    w.latest[w.count] = outlook.latest;
    w.pushes[w.count++] = outlook.pushes;
    w.walkFirst = std::min(w.walkFirst, outlook.walk);
  }
  return w;
}

// Deliveries on distinct moves, each inside its window: by latest move, each cheese takes
// the earliest free move it can (optimal for windows of single moves).
int32_t LowerBound::DistinctDeliveries(const Windows& w) {
  int32_t order[MAX_CHEESES], taken[MAX_CHEESES], scheduled = 0;
  for (int32_t i = 0; i < w.count; ++i) order[i] = w.latest[i] * MAX_CHEESES + i;
  SortAscending(order, w.count);
  for (int32_t i = 0; i < w.count; ++i) {
    int32_t k = order[i] % MAX_CHEESES, move = w.earliest[k];
    for (int32_t j = 0; j < scheduled; ++j) {
      if (taken[j] == move) {
        ++move;
        j = -1;
      }
    }
    if (move <= w.latest[k]) taken[scheduled++] = move;
  }
  return scheduled;
}

// The last delivery comes no earlier than the due-th of distinct earliest moves, nor
// before the walk to the first needed cheese and the pushes of the due cheapest ones.
uint16_t LowerBound::LastDeliveryBound(Windows w, int32_t due) {
  SortAscending(w.earliest, w.count);
  SortAscending(w.pushes, w.count);
  int32_t lastDelivery = 0, pushSum = 0;
  for (int32_t i = 0; i < due; ++i) {
    lastDelivery = std::max(w.earliest[i], lastDelivery + 1);
    pushSum += w.pushes[i];
  }
  return static_cast<uint16_t>(std::max(lastDelivery, w.walkFirst + pushSum));
}

uint16_t LowerBound::Estimate(const PositionKey& key) {
  int32_t due = key.toDeliver;
  if (due <= 0) return 1;  // any move clears
  Windows windows = DeliveryWindows(key, PushesThrough(ColdEverReached(key)));
  if (windows.count < due || DistinctDeliveries(windows) < due) return NO_WAY;
  return LastDeliveryBound(windows, due);
}

// The most evident cause first: rot and over-ripeness show on the side panel, a deadline
// and a way to a hole have to be worked out. Only when the cheeses left cannot make up
// the deliveries due does one of them explain the loss.
LostExplanation LowerBound::Explain(const PositionKey& key) {
  const uint8_t* pushes = PushesThrough(ColdEverReached(key));
  LostExplanation found{LostReason::Other, -1};
  int32_t deliverable = 0;
  for (int32_t k = 0; k < bare_.cheeseCount; ++k) {
    LostReason fate = CheeseOutlook(key, pushes, k).fate;
    if (fate == LostReason::None) ++deliverable;
    if (fate < found.reason) found = LostExplanation{fate, k};
  }
  return deliverable < key.toDeliver ? found : LostExplanation{LostReason::Other, -1};
}

LostExplanation ExplainLost(const Position& p) {
  KeyDecoder decoder(p);
  LowerBound bound(decoder.Bare());
  return bound.Explain(EncodePosition(p));
}

}  // namespace game
