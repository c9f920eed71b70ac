// Reading and checking the stage file: numbers in block order, the wall passes, the value limits.
#include "game/stage_file.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/whole_file.h"

namespace game {

StageRecord StageSet[STAGE_COUNT];

namespace {

// Where a number stands in the file: its place among the numbers and its line.
struct NumberPlace {
  int32_t ordinal;
  int32_t line;
};

// A cursor over the file's numbers that remembers where each one stood.
struct NumberReader {
  std::string_view text;
  const char* fileName;
  StageFileError* error;
  size_t at = 0;
  int32_t line = 1;
  int32_t ordinal = 0;
  int32_t stage = 0;  // 1-based stage being read
  NumberPlace last{0, 0};
};

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool Fail(NumberReader& reader, NumberPlace where, const char* fault) {
  StageFileError& e = *reader.error;
  e.stage = reader.stage;
  e.ordinal = where.ordinal;
  e.line = where.line;
  std::snprintf(e.text, sizeof e.text, "%s: stage %d, number %d (line %d): %s", reader.fileName,
                e.stage, e.ordinal, e.line, fault);
  return false;
}

template <typename... Args>
bool Failf(NumberReader& reader, NumberPlace where, const char* format, Args... args) {
  char fault[200];
  std::snprintf(fault, sizeof fault, format, args...);
  return Fail(reader, where, fault);
}

// Reads the next whitespace-separated token as a signed decimal int32; `what`
// names the field for the message when the file ends or the token is no number.
bool ReadNumber(NumberReader& reader, const char* what, int32_t* value) {
  while (reader.at < reader.text.size() && IsBlank(reader.text[reader.at])) {
    if (reader.text[reader.at] == '\n') ++reader.line;
    ++reader.at;
  }
  reader.last = {++reader.ordinal, reader.line};
  if (reader.at == reader.text.size()) {
    return Failf(reader, reader.last, "the file ends where %s is due", what);
  }
  size_t start = reader.at;
  while (reader.at < reader.text.size() && !IsBlank(reader.text[reader.at])) ++reader.at;
  std::string token(reader.text.substr(start, reader.at - start));
  size_t digits = (token[0] == '+' || token[0] == '-') ? 1 : 0;
  bool numeric = token.size() > digits && token.size() - digits <= 10 &&
                 token.find_first_not_of("0123456789", digits) == std::string::npos;
  long long parsed = numeric ? std::stoll(token) : 0;
  if (!numeric || parsed < INT32_MIN || parsed > INT32_MAX) {
    return Failf(reader, reader.last, "\"%.40s\" is not a number (%s is due)", token.c_str(), what);
  }
  *value = static_cast<int32_t>(parsed);
  return true;
}

// A wall keeps value 1 only where the cell below is not a wall; the top border
// above a playfield wall is 2, above anything else 1.
void ApplyWallPasses(StageRecord& stage) {
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
    for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
      int32_t below = stage.grid[x][y + 1];
      if (stage.grid[x][y] == CELL_WALL_FRONT &&
          (below == CELL_WALL_FRONT || below == CELL_WALL_TOP))
        stage.grid[x][y] = CELL_WALL_TOP;
    }
  }
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
    int32_t first = stage.grid[x][1];
    stage.grid[x][0] =
        (first == CELL_WALL_FRONT || first == CELL_WALL_TOP) ? CELL_WALL_TOP : CELL_WALL_FRONT;
  }
}

bool ReadStage(NumberReader& reader, StageRecord& stage) {
  if (!ReadNumber(reader, "the start column", &stage.startX)) return false;
  if (stage.startX < PLAYFIELD_FIRST || stage.startX > PLAYFIELD_LAST)
    return Failf(reader, reader.last, "start column %d is outside 1..9", stage.startX);
  if (!ReadNumber(reader, "the start row", &stage.startY)) return false;
  if (stage.startY < PLAYFIELD_FIRST || stage.startY > PLAYFIELD_LAST)
    return Failf(reader, reader.last, "start row %d is outside 1..9", stage.startY);
  if (!ReadNumber(reader, "the number of deliveries", &stage.toDeliver)) return false;
  if (!ReadNumber(reader, "the cheese count", &stage.cheeseCount)) return false;
  if (stage.cheeseCount < 0 || stage.cheeseCount > MAX_CHEESES)
    return Failf(reader, reader.last, "cheese count %d is outside 0..10", stage.cheeseCount);

  NumberPlace weekAt[MAX_CHEESES];
  for (int32_t k = 0; k < stage.cheeseCount; ++k) {
    StageCheese& cheese = stage.cheeses[k];
    if (!ReadNumber(reader, "a catalogue index", &cheese.catalogueIndex)) return false;
    if (cheese.catalogueIndex < 0 || cheese.catalogueIndex >= CATALOGUE_SIZE)
      return Failf(reader, reader.last, "catalogue index %d of cheese %d is outside 0..13",
                   cheese.catalogueIndex, k);
    if (!ReadNumber(reader, "a start week", &cheese.startWeek)) return false;
    if (cheese.startWeek < WEEK_ROTTEN)
      return Failf(reader, reader.last, "start week %d of cheese %d is below -1", cheese.startWeek,
                   k);
    weekAt[k] = reader.last;
  }

  for (auto& column : stage.grid) {
    for (int32_t& cell : column) cell = CELL_WALL_TOP;
  }
  int32_t lastValue = CELL_CHEESE_FIRST + stage.cheeseCount - 1;
  bool placed[MAX_CHEESES] = {};
  NumberPlace startCellAt{0, 0};
  for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
    for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
      int32_t& cell = stage.grid[x][y];
      if (!ReadNumber(reader, "a playfield cell", &cell)) return false;
      if (cell < CELL_FLOOR || cell == CELL_CHEESE_FLOOR || cell > lastValue)
        return Failf(reader, reader.last,
                     "cell (%d, %d) holds %d; cells hold 0..5 or a cheese of this stage (7..%d)", x,
                     y, cell, lastValue);
      if (cell >= CELL_CHEESE_FIRST) {
        if (placed[cell - CELL_CHEESE_FIRST])
          return Failf(reader, reader.last, "cheese value %d is placed twice (cell (%d, %d))", cell,
                       x, y);
        placed[cell - CELL_CHEESE_FIRST] = true;
      }
      if (x == stage.startX && y == stage.startY) startCellAt = reader.last;
    }
  }
  if (stage.grid[stage.startX][stage.startY] != CELL_FLOOR)
    return Failf(reader, startCellAt, "the start cell (%d, %d) holds %d, not floor", stage.startX,
                 stage.startY, stage.grid[stage.startX][stage.startY]);
  for (int32_t k = 0; k < stage.cheeseCount; ++k) {
    if (stage.cheeses[k].startWeek != WEEK_NONE && !placed[k])
      return Failf(reader, weekAt[k],
                   "cheese %d (value %d) starts in week %d but is not on the board", k,
                   CELL_CHEESE_FIRST + k, stage.cheeses[k].startWeek);
  }
  ApplyWallPasses(stage);
  return true;
}

}  // namespace

int32_t ParseStageText(std::string_view text, const char* fileName, StageRecord* stages,
                       StageFileError* error) {
  NumberReader reader{text, fileName, error};
  for (int32_t s = 0; s < STAGE_COUNT; ++s) {
    reader.stage = s + 1;
    if (!ReadStage(reader, stages[s])) return 0;
  }
  return 1;
}

int32_t LoadStageFile(const char* path, StageRecord* stages, StageFileError* error) {
  // 32 stages of at most 105 numbers take a few kilobytes; anything past this
  // limit is not a stage file.
  constexpr size_t MAX_STAGE_FILE_BYTES = 1 << 20;
  std::string text, problem;
  if (platform::ReadWholeFile(path, MAX_STAGE_FILE_BYTES, &text, &problem) !=
      platform::WholeFile::Read) {
    *error = StageFileError{0, 0, 0, {}};
    std::snprintf(error->text, sizeof error->text, "%s: the stage file %s", path, problem.c_str());
    return 0;
  }
  return ParseStageText(text, path, stages, error);
}

}  // namespace game
