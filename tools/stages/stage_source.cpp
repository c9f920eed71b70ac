// The readable cellar source: parsing, validation and writing of the stage file.
#include "stages/stage_source.h"

#include <sstream>

#include "game/data_model.h"

namespace tools {

namespace {

using game::CATALOGUE_SIZE;
using game::CELL_CHEESE_FIRST;
using game::CELL_FLOOR;
using game::CELL_HOLE;
using game::CELL_SNOWMAN_AREA;
using game::CELL_SNOWMAN_LINE;
using game::CELL_WALL_FRONT;
using game::MAX_CHEESES;
using game::STAGE_COUNT;

struct Reader {
  std::istringstream in;
  int32_t lineNumber = 0;
  std::string error;
  int32_t stage = 0;  // the stage being read, for messages

  bool Fail(const std::string& what) {
    std::ostringstream message;
    message << "line " << lineNumber << ": ";
    if (stage > 0) message << "stage " << stage << ": ";
    message << what;
    error = message.str();
    return false;
  }
};

// Next line that is neither blank nor a comment (';' first); false at the end.
bool NextLine(Reader& reader, std::string& line) {
  while (std::getline(reader.in, line)) {
    ++reader.lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == ';') continue;
    line = line.substr(first);
    return true;
  }
  return false;
}

// A whole-token signed decimal integer.
bool ReadInt(std::istringstream& words, int32_t& value) {
  std::string token;
  if (!(words >> token)) return false;
  size_t used = 0;
  try {
    long parsed = std::stol(token, &used);
    if (used != token.size() || parsed < INT32_MIN || parsed > INT32_MAX) return false;
    value = static_cast<int32_t>(parsed);
  } catch (...) {
    return false;
  }
  return true;
}

bool ReadCheese(Reader& reader, std::istringstream& words, SourceStage& stage) {
  std::string letter;
  SourceCheese cheese{};
  if (!(words >> letter) || !ReadInt(words, cheese.catalogueIndex) ||
      !ReadInt(words, cheese.startWeek)) {
    return reader.Fail("a cheese line is: cheese <letter> <catalogue index> <start week>");
  }
  int32_t slot = static_cast<int32_t>(stage.cheeses.size());
  if (slot >= MAX_CHEESES) return reader.Fail("more than 10 cheeses");
  if (letter.size() != 1 || letter[0] != 'a' + slot) {
    return reader.Fail("cheese " + letter + " out of order: the next cheese is " +
                       std::string(1, static_cast<char>('a' + slot)));
  }
  if (cheese.catalogueIndex < 0 || cheese.catalogueIndex >= CATALOGUE_SIZE) {
    return reader.Fail("catalogue index " + std::to_string(cheese.catalogueIndex) +
                       " outside 0..13");
  }
  if (cheese.startWeek < -1) {
    return reader.Fail("start week " + std::to_string(cheese.startWeek) + " below -1");
  }
  stage.cheeses.push_back(cheese);
  return true;
}

bool CellValue(char symbol, int32_t& value) {
  switch (symbol) {
    case '.':
    case '@':
      value = CELL_FLOOR;
      return true;
    case '#':
      value = CELL_WALL_FRONT;
      return true;
    case 'O':
      value = CELL_HOLE;
      return true;
    case 'A':
      value = CELL_SNOWMAN_AREA;
      return true;
    case 'L':
      value = CELL_SNOWMAN_LINE;
      return true;
    default:
      if (symbol >= 'a' && symbol < 'a' + MAX_CHEESES) {
        value = CELL_CHEESE_FIRST + (symbol - 'a');
        return true;
      }
      return false;
  }
}

// Nine rows of nine cells; the cheese letters must already be declared.
bool ReadGrid(Reader& reader, SourceStage& stage) {
  int32_t starts = 0;
  bool placed[MAX_CHEESES] = {};
  for (int32_t y = 0; y < 9; ++y) {
    std::string row;
    if (!NextLine(reader, row))
      return reader.Fail("the grid ends after " + std::to_string(y) + " rows");
    if (row.size() != 9)
      return reader.Fail("a grid row has nine cells, not " + std::to_string(row.size()));
    for (int32_t x = 0; x < 9; ++x) {
      int32_t value = 0;
      if (!CellValue(row[x], value)) {
        return reader.Fail(std::string("unknown cell '") + row[x] + "'");
      }
      if (value >= CELL_CHEESE_FIRST) {
        int32_t slot = value - CELL_CHEESE_FIRST;
        if (slot >= static_cast<int32_t>(stage.cheeses.size())) {
          return reader.Fail(std::string("cheese ") + row[x] + " is not declared");
        }
        if (placed[slot]) return reader.Fail(std::string("cheese ") + row[x] + " placed twice");
        if (stage.cheeses[slot].startWeek == 0) {
          return reader.Fail(std::string("cheese ") + row[x] +
                             " has start week 0 but is on the board");
        }
        placed[slot] = true;
      }
      if (row[x] == '@') {
        ++starts;
        stage.startX = x + 1;
        stage.startY = y + 1;
      }
      stage.cells[x][y] = value;
    }
  }
  if (starts != 1) return reader.Fail("the grid needs exactly one start cell '@'");
  for (size_t slot = 0; slot < stage.cheeses.size(); ++slot) {
    if (stage.cheeses[slot].startWeek != 0 && !placed[slot]) {
      return reader.Fail(std::string("cheese ") + static_cast<char>('a' + slot) +
                         " is in play but not on the board");
    }
  }
  return true;
}

// Reads the lines of one stage after its "stage" line, up to and including its grid.
bool ReadStage(Reader& reader, SourceStage& stage) {
  std::string line;
  while (NextLine(reader, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "title") {
      std::getline(words >> std::ws, stage.title);
    } else if (key == "deliver") {
      if (!ReadInt(words, stage.toDeliver) || stage.toDeliver < 0) {
        return reader.Fail("deliver needs a count of 0 or more");
      }
    } else if (key == "cheese") {
      if (!ReadCheese(reader, words, stage)) return false;
    } else if (key == "grid") {
      if (stage.toDeliver < 0) return reader.Fail("deliver must come before the grid");
      if (stage.toDeliver > static_cast<int32_t>(stage.cheeses.size())) {
        return reader.Fail("more deliveries than cheeses");
      }
      return ReadGrid(reader, stage);
    } else {
      return reader.Fail("unknown line '" + line + "'");
    }
  }
  return reader.Fail("the stage has no grid");
}

}  // namespace

bool ParseCellars(const std::string& text, std::vector<SourceStage>& out, std::string& error) {
  Reader reader;
  reader.in.str(text);
  out.clear();
  std::string line;
  while (NextLine(reader, line)) {
    std::istringstream words(line);
    std::string key;
    int32_t number = 0;
    words >> key;
    if (key != "stage" || !ReadInt(words, number)) {
      reader.Fail("expected 'stage <number>', found '" + line + "'");
      error = reader.error;
      return false;
    }
    if (number != static_cast<int32_t>(out.size()) + 1) {
      reader.Fail("stage " + std::to_string(number) + " out of order: expected stage " +
                  std::to_string(out.size() + 1));
      error = reader.error;
      return false;
    }
    reader.stage = number;
    SourceStage stage;
    stage.number = number;
    if (!ReadStage(reader, stage)) {
      error = reader.error;
      return false;
    }
    out.push_back(stage);
  }
  if (static_cast<int32_t>(out.size()) != STAGE_COUNT) {
    reader.stage = 0;
    reader.Fail("the source holds " + std::to_string(out.size()) + " stages, not 32");
    error = reader.error;
    return false;
  }
  return true;
}

std::string FormatStageFile(const std::vector<SourceStage>& stages) {
  std::ostringstream out;
  for (size_t s = 0; s < stages.size(); ++s) {
    const SourceStage& stage = stages[s];
    if (s > 0) out << '\n';
    out << stage.startX << ' ' << stage.startY << ' ' << stage.toDeliver << ' '
        << stage.cheeses.size();
    for (const SourceCheese& cheese : stage.cheeses) {
      out << "  " << cheese.catalogueIndex << ' ' << cheese.startWeek;
    }
    out << '\n';
    for (int32_t y = 0; y < 9; ++y) {
      for (int32_t x = 0; x < 9; ++x) out << (x > 0 ? " " : "") << stage.cells[x][y];
      out << '\n';
    }
  }
  return out.str();
}

}  // namespace tools
