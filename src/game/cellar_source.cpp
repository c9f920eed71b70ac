// The readable cellar source: reading it into cellars, and writing cellars back as source.
#include "game/cellar_source.h"

#include <charconv>
#include <sstream>

#include "game/rules.h"

namespace game {

namespace {

// The cells as the source draws them; a cheese is the letter of its slot.
constexpr char SYMBOL_FLOOR = '.';
constexpr char SYMBOL_START = '@';
constexpr char SYMBOL_WALL = '#';
constexpr char SYMBOL_HOLE = 'O';
constexpr char SYMBOL_AREA = 'A';
constexpr char SYMBOL_LINE = 'L';

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

// One stage as its lines are read.
struct SourceStage {
  StageRecord& record;
  std::string& shown;
  int32_t& facing;
  bool faced = false;    // a facing line was read
  int32_t declared = 0;  // cheese lines so far
  bool delivers = false;
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

// A whole-token signed decimal integer, with an optional plus or minus sign.
bool ReadInt(std::istringstream& words, int32_t& value) {
  std::string token;
  if (!(words >> token)) return false;
  const char* first = token.data();
  const char* last = first + token.size();
  if (token.size() > 1 && token[0] == '+' && token[1] != '-') ++first;
  int32_t parsed = 0;
  const auto [end, error] = std::from_chars(first, last, parsed);
  if (error != std::errc() || end != last) return false;
  value = parsed;
  return true;
}

char Letter(int32_t slot) {
  return static_cast<char>('a' + slot);
}

bool ReadCheese(Reader& reader, std::istringstream& words, SourceStage& stage) {
  std::string letter;
  StageCheese cheese{};
  if (!(words >> letter) || !ReadInt(words, cheese.catalogueIndex) ||
      !ReadInt(words, cheese.startWeek)) {
    return reader.Fail("a cheese line is: cheese <letter> <catalogue index> <start week>");
  }
  const int32_t slot = stage.declared;
  if (slot >= MAX_CHEESES) return reader.Fail("more than 10 cheeses");
  if (letter.size() != 1 || letter[0] != Letter(slot)) {
    return reader.Fail("cheese " + letter + " out of order: the next cheese is " +
                       std::string(1, Letter(slot)));
  }
  if (std::string fault = CheeseFault(cheese, slot); !fault.empty()) return reader.Fail(fault);
  stage.record.cheeses[slot] = cheese;
  stage.record.cheeseCount = ++stage.declared;
  return true;
}

bool ReadShown(Reader& reader, std::istringstream& words, SourceKind kind, SourceStage& stage) {
  if (kind == SourceKind::GameCellars) {
    return reader.Fail(
        "the game's own cellars show the game's titles; 'shown' is for a "
        "stage set of one's own");
  }
  if (!stage.shown.empty()) return reader.Fail("a second 'shown' line");
  std::getline(words >> std::ws, stage.shown);
  if (stage.shown.empty()) return reader.Fail("shown needs the title to show");
  if (std::string fault = TitleFault(stage.shown); !fault.empty()) return reader.Fail(fault);
  return true;
}

// "facing L": the player starts facing L, a move letter (U when the line is missing).
bool ReadFacing(Reader& reader, std::istringstream& words, SourceKind kind, SourceStage& stage) {
  if (kind == SourceKind::GameCellars)
    return reader.Fail("the game's own cellars start as the game leaves the player facing");
  if (stage.faced) return reader.Fail("a second 'facing' line");
  std::string letter, more;
  words >> letter >> more;
  const int32_t facing = letter.size() == 1 && more.empty() ? MoveDirection(letter[0]) : -1;
  if (facing < 0) return reader.Fail("a facing line is: facing U, R, D or L");
  stage.facing = facing;
  stage.faced = true;
  return true;
}

bool CellValue(char symbol, int32_t& value) {
  switch (symbol) {
    case SYMBOL_FLOOR:
    case SYMBOL_START:
      value = CELL_FLOOR;
      return true;
    case SYMBOL_WALL:
      value = CELL_WALL_FRONT;
      return true;
    case SYMBOL_HOLE:
      value = CELL_HOLE;
      return true;
    case SYMBOL_AREA:
      value = CELL_SNOWMAN_AREA;
      return true;
    case SYMBOL_LINE:
      value = CELL_SNOWMAN_LINE;
      return true;
    default:
      if (symbol >= 'a' && symbol < Letter(MAX_CHEESES)) {
        value = CELL_CHEESE_FIRST + (symbol - 'a');
        return true;
      }
      return false;
  }
}

char CellSymbol(int32_t cell) {
  switch (cell) {
    case CELL_WALL_FRONT:
    case CELL_WALL_TOP:
      return SYMBOL_WALL;
    case CELL_HOLE:
      return SYMBOL_HOLE;
    case CELL_SNOWMAN_AREA:
      return SYMBOL_AREA;
    case CELL_SNOWMAN_LINE:
      return SYMBOL_LINE;
    default:
      return cell >= CELL_CHEESE_FIRST ? Letter(cell - CELL_CHEESE_FIRST) : SYMBOL_FLOOR;
  }
}

// Nine rows of nine cells; the cheese letters must already be declared.
bool ReadGrid(Reader& reader, SourceKind kind, SourceStage& stage) {
  StageRecord& record = stage.record;
  int32_t starts = 0;
  bool placed[MAX_CHEESES] = {};
  for (auto& column : record.grid) {
    for (int32_t& cell : column) cell = CELL_WALL_TOP;
  }
  for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
    std::string row;
    if (!NextLine(reader, row))
      return reader.Fail("the grid ends after " + std::to_string(y - 1) + " rows");
    if (row.size() != 9)
      return reader.Fail("a grid row has nine cells, not " + std::to_string(row.size()));
    for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
      const char symbol = row[x - PLAYFIELD_FIRST];
      int32_t value = 0;
      if (!CellValue(symbol, value)) {
        return reader.Fail(std::string("unknown cell '") + symbol + "'");
      }
      if (value >= CELL_CHEESE_FIRST) {
        const int32_t slot = value - CELL_CHEESE_FIRST;
        if (slot >= stage.declared) {
          return reader.Fail(std::string("cheese ") + symbol + " is not declared");
        }
        if (placed[slot]) return reader.Fail(std::string("cheese ") + symbol + " placed twice");
        // The game's own cellars keep every cheese on the board in play.
        if (kind == SourceKind::GameCellars && record.cheeses[slot].startWeek == WEEK_NONE) {
          return reader.Fail(std::string("cheese ") + symbol +
                             " has start week 0 but is on the board");
        }
        placed[slot] = true;
      }
      if (symbol == SYMBOL_START) {
        ++starts;
        record.startX = x;
        record.startY = y;
      }
      record.grid[x][y] = value;
    }
  }
  if (starts != 1) return reader.Fail("the grid needs exactly one start cell '@'");
  for (int32_t slot = 0; slot < stage.declared; ++slot) {
    if (record.cheeses[slot].startWeek != WEEK_NONE && !placed[slot]) {
      return reader.Fail(std::string("cheese ") + Letter(slot) +
                         " is in play but not on the board");
    }
  }
  ApplyWallPasses(record);
  return true;
}

// Reads the lines of one stage after its "stage" line, up to and including its grid.
bool ReadStage(Reader& reader, SourceKind kind, SourceStage& stage) {
  std::string line;
  while (NextLine(reader, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "title") {
      continue;  // the designer's note on the stage's idea: not for the stage file
    } else if (key == "shown") {
      if (!ReadShown(reader, words, kind, stage)) return false;
    } else if (key == "facing") {
      if (!ReadFacing(reader, words, kind, stage)) return false;
    } else if (key == "deliver") {
      if (!ReadInt(words, stage.record.toDeliver) || stage.record.toDeliver < 0) {
        return reader.Fail("deliver needs a count of 0 or more");
      }
      stage.delivers = true;
    } else if (key == "cheese") {
      if (!ReadCheese(reader, words, stage)) return false;
    } else if (key == "grid") {
      if (!stage.delivers) return reader.Fail("deliver must come before the grid");
      // The game's own cellars can all be cleared; a player's set may hold one that cannot.
      if (kind == SourceKind::GameCellars && stage.record.toDeliver > stage.declared) {
        return reader.Fail("more deliveries than cheeses");
      }
      return ReadGrid(reader, kind, stage);
    } else {
      return reader.Fail("unknown line '" + line + "'");
    }
  }
  return reader.Fail("the stage has no grid");
}

// The number of stages the source must hold.
std::string CountFault(SourceKind kind, int32_t count) {
  if (kind == SourceKind::GameCellars && count != STAGE_COUNT)
    return "the source holds " + std::to_string(count) + " stages, not 32";
  if (count == 0) return "the source holds no stage";
  return "";
}

}  // namespace

bool ParseCellarSource(const std::string& text, SourceKind kind, CellarFile* file,
                       std::string* error) {
  Reader reader;
  reader.in.str(text);
  *file = CellarFile{};
  std::string line;
  while (NextLine(reader, line)) {
    std::istringstream words(line);
    std::string key;
    int32_t number = 0;
    words >> key;
    if (key != "stage" || !ReadInt(words, number)) {
      reader.Fail("expected 'stage <number>', found '" + line + "'");
      *error = reader.error;
      return false;
    }
    if (number != file->count + 1) {
      reader.Fail("stage " + std::to_string(number) + " out of order: expected stage " +
                  std::to_string(file->count + 1));
      *error = reader.error;
      return false;
    }
    if (number > STAGE_COUNT) {
      reader.Fail("a stage set holds at most 32 stages");
      *error = reader.error;
      return false;
    }
    reader.stage = number;
    SourceStage stage{file->stages[file->count], file->titles[file->count],
                      file->facings[file->count]};
    if (!ReadStage(reader, kind, stage)) {
      *error = reader.error;
      return false;
    }
    ++file->count;
  }
  if (std::string fault = CountFault(kind, file->count); !fault.empty()) {
    reader.stage = 0;
    reader.Fail(fault);
    *error = reader.error;
    return false;
  }
  return true;
}

std::string FormatCellarSource(const CellarFile& file) {
  std::ostringstream out;
  out << "; Cellars of Vaulmoor: vaulmoor-stagec --set compiles them into a stage file.\n"
         "; Cells: . floor  # wall  O hole  A area snowman  L line snowman  @ start\n"
         ";        a..j the cheese of that letter (cheese <letter> <catalogue index> <week>)\n";
  for (int32_t s = 0; s < file.count; ++s) {
    const StageRecord& stage = file.stages[s];
    out << "\nstage " << s + 1 << '\n';
    if (!file.titles[s].empty()) out << "shown " << file.titles[s] << '\n';
    if (file.facings[s] != FACING_UP) out << "facing " << MoveLetter(file.facings[s]) << '\n';
    out << "deliver " << stage.toDeliver << '\n';
    for (int32_t k = 0; k < stage.cheeseCount; ++k) {
      out << "cheese " << Letter(k) << ' ' << stage.cheeses[k].catalogueIndex << ' '
          << stage.cheeses[k].startWeek << '\n';
    }
    out << "grid\n";
    for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
      for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
        const bool start = x == stage.startX && y == stage.startY;
        out << (start ? SYMBOL_START : CellSymbol(stage.grid[x][y]));
      }
      out << '\n';
    }
  }
  return out.str();
}

}  // namespace game
