// Reading and writing a stage file of a player's own: the blocks as the game's stage file has
// them, then the title lines.
#include "game/cellar_file.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace game {

namespace {

constexpr std::string_view TITLE_WORD = "title";

int32_t FailLine(StageFileError* error, const char* fileName, int32_t stage, int32_t line,
                 const std::string& fault) {
  *error = StageFileError{stage, 0, line, {}};
  std::snprintf(error->text, sizeof error->text, "%s: line %d: %s", fileName, line, fault.c_str());
  return 0;
}

// "title N TEXT": N a cellar of the file without a title yet, TEXT a title as TitleFault
// allows. Returns the fault, "" when the line gave cellar *stage (0-based) its title.
std::string ReadTitleLine(const std::string& line, CellarFile* file, int32_t* stage) {
  const std::string expected = "expected a line 'title N TEXT', not '" + line.substr(0, 40) + "'";
  const size_t word = line.find_first_not_of(" \t");
  const size_t after = word + TITLE_WORD.size();
  if (line.compare(word, TITLE_WORD.size(), TITLE_WORD) != 0) return expected;
  const size_t at = line.find_first_not_of(" \t", after);
  if (at == after || at == std::string::npos) return expected;
  const size_t digits = line.find_first_not_of("0123456789", at);
  if (digits == at || digits - at > 6 || digits == std::string::npos || line[digits] != ' ')
    return expected;
  const int32_t number = std::stoi(line.substr(at, digits - at));
  if (number < 1 || number > file->count)
    return "a title for cellar " + std::to_string(number) + ", but the file holds " +
           std::to_string(file->count);
  *stage = number - 1;
  const std::string text = line.substr(digits + 1);
  if (text.empty()) return "the title of cellar " + std::to_string(number) + " is empty";
  if (!file->titles[*stage].empty()) return "a second title for cellar " + std::to_string(number);
  if (std::string fault = TitleFault(text); !fault.empty())
    return "cellar " + std::to_string(number) + ": " + fault;
  file->titles[*stage] = text;
  return "";
}

// The lines after the last block: blank, or title lines, each on a line of its own.
int32_t ReadTitles(std::string_view rest, int32_t firstLine, const char* fileName, CellarFile* file,
                   StageFileError* error) {
  std::istringstream lines{std::string(rest)};
  int32_t number = firstLine;
  for (std::string line; std::getline(lines, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos) continue;
    int32_t stage = -1;
    // The rest of the last block's own line holds no title.
    const std::string fault = number == firstLine
                                  ? "expected the end of the line after the last cell"
                                  : ReadTitleLine(line, file, &stage);
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
  return ReadTitles(text.substr(end.offset), end.line, fileName, file, error);
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
  bool heading = true;
  for (int32_t s = 0; s < file.count; ++s) {
    if (file.titles[s].empty()) continue;
    if (heading) out << '\n';
    heading = false;
    out << TITLE_WORD << ' ' << s + 1 << ' ' << file.titles[s] << '\n';
  }
  return out.str();
}

}  // namespace game
