// Reading lines of moves per cellar, and the fingerprint that ties such files to their stages.
#include "game/solution_file.h"

#include <cinttypes>
#include <cstdio>
#include <sstream>

namespace game {

namespace {

constexpr const char* STAGE_SET_NOTE = "; stage set ";

// Reads the next word of line from *column (1-based, moved past it); "" at the end.
std::string NextWord(const std::string& line, size_t* column) {
  size_t start = line.find_first_not_of(" \t\r", *column - 1);
  if (start == std::string::npos) return "";
  size_t end = line.find_first_of(" \t\r", start);
  if (end == std::string::npos) end = line.size();
  *column = start + 1;
  std::string word = line.substr(start, end - start);
  return word;
}

bool IsNumber(const std::string& word) {
  return !word.empty() && word.size() <= 6 &&
         word.find_first_not_of("0123456789") == std::string::npos;
}

// One line's fields, or the column of the first fault with what it is.
bool ParseLine(const std::string& line, bool counted, CellarMoves* cellar, size_t* column,
               std::string* fault) {
  *column = 1;
  std::string number = NextWord(line, column);
  if (!IsNumber(number) || std::stoi(number) < 1 || std::stoi(number) > STAGE_COUNT) {
    *fault = "expected a cellar number from 1 to " + std::to_string(STAGE_COUNT);
    return false;
  }
  cellar->stage = std::stoi(number) - 1;
  *column += number.size();
  std::string count;
  if (counted) {
    count = NextWord(line, column);
    if (!IsNumber(count)) {
      *fault = "expected the number of moves";
      return false;
    }
    *column += count.size();
  }
  std::string moves = NextWord(line, column);
  if (moves.empty()) {
    *fault = "expected moves (U, R, D, L)";
    return false;
  }
  if (size_t bad = moves.find_first_not_of("URDL"); bad != std::string::npos) {
    *column += bad;
    *fault = "expected a move (U, R, D or L)";
    return false;
  }
  if (counted && std::stoul(count) != moves.size()) {
    *fault = "the count says " + count + " moves, the line has " + std::to_string(moves.size());
    return false;
  }
  *column += moves.size();
  if (!NextWord(line, column).empty()) {
    *fault = "unexpected text after the moves";
    return false;
  }
  cellar->moves = moves;
  return true;
}

}  // namespace

bool ParseMoveLines(const std::string& text, bool counted, std::vector<CellarMoves>* cellars,
                    std::string* error) {
  std::istringstream lines(text);
  std::string line;
  for (int32_t number = 1; std::getline(lines, line); ++number) {
    if (line.find_first_not_of(" \t\r") == std::string::npos || line[0] == ';') continue;
    CellarMoves cellar;
    size_t column = 1;
    std::string fault;
    if (!ParseLine(line, counted, &cellar, &column, &fault)) {
      *error = std::to_string(number) + ":" + std::to_string(column) + ": " + fault;
      return false;
    }
    cellars->push_back(cellar);
  }
  return true;
}

uint64_t StageSetId(const StageRecord* stages, int32_t count) {
  // FNV-1a over every number of every stage, in the order of the stage file.
  uint64_t hash = 0xcbf29ce484222325ull;
  auto add = [&hash](int32_t value) {
    for (int32_t shift = 0; shift < 32; shift += 8) {
      hash ^= (static_cast<uint32_t>(value) >> shift) & 0xFF;
      hash *= 0x100000001b3ull;
    }
  };
  for (int32_t s = 0; s < count; ++s) {
    const StageRecord& stage = stages[s];
    for (int32_t value : {stage.startX, stage.startY, stage.toDeliver, stage.cheeseCount})
      add(value);
    for (int32_t k = 0; k < stage.cheeseCount; ++k) {
      add(stage.cheeses[k].catalogueIndex);
      add(stage.cheeses[k].startWeek);
    }
    for (const auto& column : stage.grid) {
      for (int32_t cell : column) add(cell);
    }
  }
  return hash;
}

uint64_t NotedStageSetId(const std::string& text) {
  size_t at = text.find(STAGE_SET_NOTE);
  if (at == std::string::npos) return 0;
  uint64_t id = 0;
  return std::sscanf(text.c_str() + at + std::string(STAGE_SET_NOTE).size(), "%16" SCNx64, &id) == 1
             ? id
             : 0;
}

}  // namespace game
