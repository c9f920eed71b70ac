// Reading and checking the stage file: numbers in block order, the wall passes, the value limits.
#include "game/stage_file.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "game/cellar_fault.h"
#include "platform/whole_file.h"

namespace game {

StageRecord StageSet[STAGE_COUNT];
int32_t StageCount = STAGE_COUNT;

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

// The numbers of one block: the header, ten cheese pairs at the most, the 81 cells.
constexpr int32_t MAX_BLOCK_NUMBERS = 4 + 2 * MAX_CHEESES + 81;

// Reads one block's numbers, remembering where each stood, then checks the cellar they
// make; a fault names the number that shows it.
bool ReadStage(NumberReader& reader, StageRecord& stage) {
  NumberPlace places[MAX_BLOCK_NUMBERS];
  int32_t count = 0;
  auto next = [&](const char* what, int32_t* value) {
    if (!ReadNumber(reader, what, value)) return false;
    places[count++] = reader.last;
    return true;
  };
  auto refuse = [&](const CellarProblem& problem) {
    return Fail(reader, problem.number >= 0 ? places[problem.number] : NumberPlace{0, 0},
                problem.what.c_str());
  };
  stage = StageRecord{};  // a record is its block alone, whatever it held before
  if (!next("the start column", &stage.startX) || !next("the start row", &stage.startY) ||
      !next("the number of deliveries", &stage.toDeliver) ||
      !next("the cheese count", &stage.cheeseCount))
    return false;
  // The count says how many pairs follow: past the limit there is no reading on.
  if (stage.cheeseCount < 0 || stage.cheeseCount > MAX_CHEESES)
    return refuse(FindCellarProblem(stage));
  for (int32_t k = 0; k < stage.cheeseCount; ++k) {
    StageCheese& cheese = stage.cheeses[k];
    if (!next("a catalogue index", &cheese.catalogueIndex) ||
        !next("a start week", &cheese.startWeek))
      return false;
  }
  for (auto& column : stage.grid) {
    for (int32_t& cell : column) cell = CELL_WALL_TOP;
  }
  for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
    for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
      if (!next("a playfield cell", &stage.grid[x][y])) return false;
    }
  }
  if (CellarProblem problem = FindCellarProblem(stage); problem.kind != CellarFaultKind::None)
    return refuse(problem);
  ApplyWallPasses(stage);
  return true;
}

// True when the next word, if any, begins like a number: another block follows.
bool BlockFollows(const NumberReader& reader) {
  size_t at = reader.at;
  while (at < reader.text.size() && IsBlank(reader.text[at])) ++at;
  if (at == reader.text.size()) return false;
  const char c = reader.text[at];
  return c == '+' || c == '-' || (c >= '0' && c <= '9');
}

}  // namespace

void ApplyWallPasses(StageRecord& stage) {
  const auto isWall = [](int32_t cell) { return cell == CELL_WALL_FRONT || cell == CELL_WALL_TOP; };
  // The test is on walls, not tiles, so the order of the cells does not matter.
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
    for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
      if (isWall(stage.grid[x][y]))
        stage.grid[x][y] = isWall(stage.grid[x][y + 1]) ? CELL_WALL_TOP : CELL_WALL_FRONT;
    }
  }
  for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x)
    stage.grid[x][0] = isWall(stage.grid[x][1]) ? CELL_WALL_TOP : CELL_WALL_FRONT;
}

int32_t ReadStageBlocks(std::string_view text, const char* fileName, int32_t least, int32_t most,
                        StageRecord* stages, StageBlocksEnd* end, StageFileError* error) {
  NumberReader reader{text, fileName, error};
  int32_t s = 0;
  for (; s < most && (s < least || BlockFollows(reader)); ++s) {
    reader.stage = s + 1;
    if (!ReadStage(reader, stages[s])) return 0;
  }
  *end = StageBlocksEnd{s, reader.at, reader.line, BlockFollows(reader)};
  return 1;
}

int32_t ParseStageText(std::string_view text, const char* fileName, StageRecord* stages,
                       StageFileError* error) {
  StageBlocksEnd end{};
  return ReadStageBlocks(text, fileName, STAGE_COUNT, STAGE_COUNT, stages, &end, error);
}

int32_t ReadStageFileText(const char* path, std::string* text, StageFileError* error) {
  // 32 stages of at most 105 numbers (and a player's 32 titles) take a few kilobytes;
  // anything past this limit is not a stage file.
  constexpr size_t MAX_STAGE_FILE_BYTES = 1 << 20;
  std::string problem;
  if (platform::ReadWholeFile(path, MAX_STAGE_FILE_BYTES, text, &problem) ==
      platform::WholeFile::Read)
    return 1;
  *error = StageFileError{0, 0, 0, {}};
  std::snprintf(error->text, sizeof error->text, "%s: the stage file %s", path, problem.c_str());
  return 0;
}

int32_t LoadStageFile(const char* path, StageRecord* stages, StageFileError* error) {
  std::string text;
  return ReadStageFileText(path, &text, error) && ParseStageText(text, path, stages, error);
}

}  // namespace game
