// The rules of a cellar the game can start, and of a title a stage file can hold.
#include "game/cellar_fault.h"

#include <cstdio>

namespace game {

namespace {

using enum CellarFaultKind;

constexpr int32_t FIRST_PAIR_NUMBER = 4;  // the block's numbers: start, deliveries, count, pairs

template <typename... Args>
std::string Format(const char* format, Args... args) {
  char text[200];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

CellarProblem Problem(CellarFaultKind kind, std::string what, int32_t number) {
  CellarProblem problem;
  problem.kind = kind;
  problem.what = std::move(what);
  problem.number = number;
  return problem;
}

CellarProblem CellProblem(CellarFaultKind kind, std::string what, int32_t number, int32_t x,
                          int32_t y, int32_t cheese) {
  CellarProblem problem = Problem(kind, std::move(what), number);
  problem.x = x;
  problem.y = y;
  problem.cheese = cheese;
  return problem;
}

bool IsWall(int32_t cell) {
  return cell == CELL_WALL_FRONT || cell == CELL_WALL_TOP;
}

bool InPlayfield(int32_t i) {
  return i >= PLAYFIELD_FIRST && i <= PLAYFIELD_LAST;
}

CellarProblem HeaderProblem(const StageRecord& stage) {
  if (!InPlayfield(stage.startX))
    return Problem(StartOutside, Format("start column %d is outside 1..9", stage.startX), 0);
  if (!InPlayfield(stage.startY))
    return Problem(StartOutside, Format("start row %d is outside 1..9", stage.startY), 1);
  if (stage.toDeliver < 0)
    return Problem(DeliveriesBelow, Format("deliveries due %d is below 0", stage.toDeliver), 2);
  if (stage.cheeseCount < 0 || stage.cheeseCount > MAX_CHEESES)
    return Problem(CountOutside, Format("cheese count %d is outside 0..10", stage.cheeseCount), 3);
  return {};
}

CellarProblem PairProblem(const StageRecord& stage) {
  for (int32_t k = 0; k < stage.cheeseCount; ++k) {
    const StageCheese& cheese = stage.cheeses[k];
    std::string fault = CheeseFault(cheese, k);
    if (fault.empty()) continue;
    const bool index = cheese.catalogueIndex < 0 || cheese.catalogueIndex >= CATALOGUE_SIZE;
    return CellProblem(index ? CatalogueIndex : StartWeek, fault,
                       FIRST_PAIR_NUMBER + 2 * k + (index ? 0 : 1), 0, 0, k);
  }
  return {};
}

// The cells in the stage file's order: rows from the top, each from the left.
CellarProblem CellsProblem(const StageRecord& stage) {
  const int32_t firstCell = FIRST_PAIR_NUMBER + 2 * stage.cheeseCount;
  const int32_t lastValue = CELL_CHEESE_FIRST + stage.cheeseCount - 1;
  bool placed[MAX_CHEESES] = {};
  for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
    for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
      const int32_t cell = stage.grid[x][y];
      const int32_t number = firstCell + (y - 1) * 9 + (x - 1);
      if (cell < CELL_FLOOR || cell == CELL_CHEESE_FLOOR || cell > lastValue)
        return CellProblem(
            CellValue,
            Format("cell (%d, %d) holds %d; cells hold 0..5 or a cheese of this stage (7..%d)", x,
                   y, cell, lastValue),
            number, x, y, -1);
      if (cell < CELL_CHEESE_FIRST) continue;
      const int32_t k = cell - CELL_CHEESE_FIRST;
      if (placed[k])
        return CellProblem(CheeseTwice,
                           Format("cheese value %d is placed twice (cell (%d, %d))", cell, x, y),
                           number, x, y, k);
      placed[k] = true;
    }
  }
  const int32_t start = stage.grid[stage.startX][stage.startY];
  if (start != CELL_FLOOR)
    return CellProblem(
        StartNotFloor,
        Format("the start cell (%d, %d) holds %d, not floor", stage.startX, stage.startY, start),
        firstCell + (stage.startY - 1) * 9 + (stage.startX - 1), stage.startX, stage.startY, -1);
  for (int32_t k = 0; k < stage.cheeseCount; ++k) {
    const StageCheese& cheese = stage.cheeses[k];
    if (cheese.startWeek != WEEK_NONE && !placed[k])
      return CellProblem(CheeseMissing,
                         Format("cheese %d (value %d) starts in week %d but is not on the board", k,
                                CELL_CHEESE_FIRST + k, cheese.startWeek),
                         FIRST_PAIR_NUMBER + 2 * k + 1, 0, 0, k);
  }
  return {};
}

// The stage file holds no border: the readers make it walls, so a cellar must have them.
CellarProblem BorderProblem(const StageRecord& stage) {
  for (int32_t i = 0; i < BOARD_SIZE; ++i) {
    const int32_t edges[4][2] = {{i, 0}, {i, BOARD_SIZE - 1}, {0, i}, {BOARD_SIZE - 1, i}};
    for (const auto& [x, y] : edges) {
      if (!IsWall(stage.grid[x][y]))
        return CellProblem(
            Border, Format("the border cell (%d, %d) holds %d, not a wall", x, y, stage.grid[x][y]),
            -1, x, y, -1);
    }
  }
  return {};
}

// The length of the UTF-8 sequence that starts at text[at] when it is one whole, shortest
// and not a surrogate; 0 otherwise.
size_t SequenceLength(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return 1;
  const size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                        : lead >= 0xE0 && lead <= 0xEF ? 3
                        : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                       : 0;
  if (length == 0 || at + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
  }
  const unsigned char second = byte(at + 1);
  if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
      (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
    return 0;
  return length;
}

// C0 controls, DEL and the C1 controls (U+0080..U+009F, two bytes in UTF-8).
bool IsControl(std::string_view text, size_t at, size_t length) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (length == 1) return lead < 0x20 || lead == 0x7F;
  return length == 2 && lead == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
}

}  // namespace

CellarProblem FindCellarProblem(const StageRecord& stage) {
  for (auto check : {HeaderProblem, PairProblem, CellsProblem, BorderProblem}) {
    CellarProblem problem = check(stage);
    if (problem.kind != None) return problem;
  }
  return {};
}

std::string CellarFault(const StageRecord& stage) {
  return FindCellarProblem(stage).what;
}

std::string CheeseFault(const StageCheese& cheese, int32_t k) {
  if (cheese.catalogueIndex < 0 || cheese.catalogueIndex >= CATALOGUE_SIZE)
    return Format("catalogue index %d of cheese %d is outside 0..13", cheese.catalogueIndex, k);
  if (cheese.startWeek < WEEK_ROTTEN)
    return Format("start week %d of cheese %d is below -1", cheese.startWeek, k);
  return "";
}

std::string TitleFault(std::string_view title) {
  if (title.size() > MAX_TITLE_BYTES)
    return Format("the title takes %zu bytes, more than %zu", title.size(), MAX_TITLE_BYTES);
  for (size_t at = 0; at < title.size();) {
    const size_t length = SequenceLength(title, at);
    if (length == 0) return Format("the title is not UTF-8 (byte %zu)", at + 1);
    if (IsControl(title, at, length))
      return Format("the title holds a control character (byte %zu)", at + 1);
    at += length;
  }
  if (!title.empty() && (title.front() == ' ' || title.back() == ' '))
    return "the title begins or ends with a space";
  return "";
}

}  // namespace game
