// Reading and writing a stage file of a player's own: the blocks as the game's stage file has
// them, then the title and facing lines.
#include "game/cellar_file.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "game/rules.h"

namespace game {

namespace {

constexpr std::string_view TITLE_WORD = "title";
constexpr std::string_view FACING_WORD = "facing";

int32_t FailLine(StageFileError* error, const char* fileName, int32_t stage, int32_t line,
                 const std::string& fault) {
  *error = StageFileError{stage, 0, line, {}};
  std::snprintf(error->text, sizeof error->text, "%s: line %d: %s", fileName, line, fault.c_str());
  return 0;
}

// A line after the blocks, taken apart: "WORD N REST".
struct CellarLine {
  std::string_view word;  // TITLE_WORD or FACING_WORD
  int32_t number = 0;     // the cellar, from 1
  std::string rest;       // everything after N and one space
};

// Takes "title N TEXT" or "facing N L" apart; false when the line is neither.
bool SplitCellarLine(const std::string& line, CellarLine* parts) {
  const size_t word = line.find_first_not_of(" \t");
  for (const std::string_view known : {TITLE_WORD, FACING_WORD}) {
    if (line.compare(word, known.size(), known) == 0) parts->word = known;
  }
  if (parts->word.empty()) return false;
  const size_t after = word + parts->word.size();
  const size_t at = line.find_first_not_of(" \t", after);
  if (at == after || at == std::string::npos) return false;
  const size_t digits = line.find_first_not_of("0123456789", at);
  if (digits == at || digits - at > 6 || digits == std::string::npos || line[digits] != ' ')
    return false;
  parts->number = std::stoi(line.substr(at, digits - at));
  parts->rest = line.substr(digits + 1);
  return true;
}

// TEXT a title as TitleFault allows, for a cellar without one yet.
std::string ReadTitle(const CellarLine& parts, int32_t stage, CellarFile* file) {
  const std::string cellar = "cellar " + std::to_string(parts.number);
  if (parts.rest.empty()) return "the title of " + cellar + " is empty";
  if (!file->titles[stage].empty()) return "a second title for " + cellar;
  if (std::string fault = TitleFault(parts.rest); !fault.empty()) return cellar + ": " + fault;
  file->titles[stage] = parts.rest;
  return "";
}

// L one of the move letters U, R, D, L, for a cellar whose facing is not given yet.
std::string ReadFacing(const CellarLine& parts, int32_t stage, bool* given, CellarFile* file) {
  const std::string cellar = "cellar " + std::to_string(parts.number);
  if (given[stage]) return "a second facing for " + cellar;
  const int32_t facing = parts.rest.size() == 1 ? MoveDirection(parts.rest[0]) : -1;
  if (facing < 0) return cellar + ": the facing is one of U, R, D, L, not '" + parts.rest + "'";
  given[stage] = true;
  file->facings[stage] = facing;
  return "";
}

// "title N TEXT" or "facing N L", N a cellar of the file. Returns the fault, "" when the line
// gave cellar *stage (0-based) its title or facing.
std::string ReadCellarLine(const std::string& line, bool* facingGiven, CellarFile* file,
                           int32_t* stage) {
  CellarLine parts;
  if (!SplitCellarLine(line, &parts))
    return "expected a line 'title N TEXT' or 'facing N L', not '" + line.substr(0, 40) + "'";
  const std::string word(parts.word);
  if (parts.number < 1 || parts.number > file->count)
    return "a " + word + " for cellar " + std::to_string(parts.number) + ", but the file holds " +
           std::to_string(file->count);
  *stage = parts.number - 1;
  if (parts.word == TITLE_WORD) return ReadTitle(parts, *stage, file);
  return ReadFacing(parts, *stage, facingGiven, file);
}

// The lines after the last block: blank, or title and facing lines, each on a line of its own.
int32_t ReadCellarLines(std::string_view rest, int32_t firstLine, const char* fileName,
                        CellarFile* file, StageFileError* error) {
  std::istringstream lines{std::string(rest)};
  int32_t number = firstLine;
  bool facingGiven[STAGE_COUNT] = {};
  for (std::string line; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    int32_t stage = -1;
    // The rest of the last block's own line holds nothing more.
    const std::string fault = number == firstLine
                                  ? "expected the end of the line after the last cell"
                                  : ReadCellarLine(line, facingGiven, file, &stage);
    if (!fault.empty()) return FailLine(error, fileName, stage + 1, number, fault);
  }
  return 1;
}

void WriteBlock(std::ostringstream& out, const StageRecord& stage) {
  out << stage.startX << ' ' << stage.startY << ' ' << stage.toDeliver << ' ' << stage.cheeseCount;
  for (int32_t k = 0; k < stage.cheeseCount; ++k)
    out << "  " << stage.cheeses[k].catalogueIndex << ' ' << stage.cheeses[k].startWeek;
  out << '\n';
  for (int32_t y = PLAYFIELD_FIRST; y <= PLAYFIELD_LAST; ++y) {
    for (int32_t x = PLAYFIELD_FIRST; x <= PLAYFIELD_LAST; ++x) {
      const int32_t cell = stage.grid[x][y];
      out << (x > PLAYFIELD_FIRST ? " " : "") << (cell == CELL_WALL_TOP ? CELL_WALL_FRONT : cell);
    }
    out << '\n';
  }
}

}  // namespace

int32_t ParseCellarText(std::string_view text, const char* fileName, CellarFile* file,
                        StageFileError* error) {
  *file = CellarFile{};
  StageBlocksEnd end{};
  if (!ReadStageBlocks(text, fileName, 1, STAGE_COUNT, file->stages, &end, error)) return 0;
  if (end.more) {
    const std::string_view before =
        text.substr(0, text.find_first_not_of(" \t\r\n\v\f", end.offset));
    const auto line = static_cast<int32_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    return FailLine(error, fileName, 0, line, "a 33rd cellar; a stage file holds at most 32");
  }
  file->count = end.count;
  return ReadCellarLines(text.substr(end.offset), end.line, fileName, file, error);
}

int32_t LoadCellarFile(const char* path, CellarFile* file, StageFileError* error) {
  std::string text;
  return ReadStageFileText(path, &text, error) && ParseCellarText(text, path, file, error);
}

std::string CellarFileFault(const CellarFile& file) {
  if (file.count < 1 || file.count > STAGE_COUNT)
    return "the file holds " + std::to_string(file.count) + " cellars, not 1 to 32";
  for (int32_t s = 0; s < file.count; ++s) {
    const std::string cellar = "cellar " + std::to_string(s + 1) + ": ";
    if (std::string fault = CellarFault(file.stages[s]); !fault.empty()) return cellar + fault;
    if (std::string fault = TitleFault(file.titles[s]); !fault.empty()) return cellar + fault;
    if (file.facings[s] < FACING_UP || file.facings[s] > FACING_LEFT)
      return cellar + "the facing " + std::to_string(file.facings[s]) + " is not 0 to 3";
  }
  return "";
}

std::string FormatStageFile(const CellarFile& file) {
  if (!CellarFileFault(file).empty()) return "";
  std::ostringstream out;
  for (int32_t s = 0; s < file.count; ++s) {
    if (s > 0) out << '\n';
    WriteBlock(out, file.stages[s]);
  }
  // After a blank line, the titles given, then the facings other than up.
  std::ostringstream lines;
  for (int32_t s = 0; s < file.count; ++s) {
    if (!file.titles[s].empty())
      lines << TITLE_WORD << ' ' << s + 1 << ' ' << file.titles[s] << '\n';
  }
  for (int32_t s = 0; s < file.count; ++s) {
    if (file.facings[s] != FACING_UP)
      lines << FACING_WORD << ' ' << s + 1 << ' ' << MoveLetter(file.facings[s]) << '\n';
  }
  const std::string extra = lines.str();
  if (!extra.empty()) out << '\n' << extra;
  return out.str();
}

}  // namespace game
