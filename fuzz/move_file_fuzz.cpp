// Fuzz target: files of moves per cellar, as --replay reads a player's file and
// the game its kept shortest solutions (with counts), and the stage set they name.
#include <cctype>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "game/data_model.h"
#include "game/solution_file.h"

namespace {

// The lines a file of accepted cellars is written as.
std::string LinesOf(const std::vector<game::CellarMoves>& cellars, bool counted) {
  std::string text;
  for (const game::CellarMoves& cellar : cellars) {
    text += std::to_string(cellar.stage + 1) + " ";
    if (counted) text += std::to_string(cellar.moves.size()) + " ";
    text += cellar.moves + "\n";
  }
  return text;
}

// "LINE:COLUMN: what", both numbers from 1.
bool NamesLineAndColumn(const std::string& error) {
  size_t at = 0;
  for (int field = 0; field < 2; ++field) {
    const size_t start = at;
    while (at < error.size() && std::isdigit(static_cast<unsigned char>(error[at]))) ++at;
    if (at == start || error[start] == '0' || at == error.size() || error[at] != ':') return false;
    ++at;
  }
  return error.compare(at, 1, " ") == 0 && error.size() > at + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::ScratchPath("moves.txt");
  std::string text;
  if (!fuzz::ReadBackWhole(path, data, size, game::MOVE_FILE_MAX_BYTES, &text)) return 0;
  game::NotedStageSetId(text);

  for (bool counted : {false, true}) {
    std::vector<game::CellarMoves> cellars;
    std::string error;
    if (!game::ParseMoveLines(text, counted, &cellars, &error)) {
      fuzz::Require(NamesLineAndColumn(error), "a refusal names the line and column");
      continue;
    }
    for (const game::CellarMoves& cellar : cellars) {
      fuzz::Require(cellar.stage >= 0 && cellar.stage < game::STAGE_COUNT, "cellars 1 to 32");
      fuzz::Require(
          !cellar.moves.empty() && cellar.moves.find_first_not_of("URDL") == std::string::npos,
          "moves are U, R, D and L");
    }
    // What is accepted is written back as it was read.
    std::vector<game::CellarMoves> again;
    fuzz::Require(game::ParseMoveLines(LinesOf(cellars, counted), counted, &again, &error),
                  "written lines read back");
    fuzz::Require(again.size() == cellars.size(), "as many cellars read back");
    for (size_t i = 0; i < again.size(); ++i) {
      fuzz::Require(again[i].stage == cellars[i].stage && again[i].moves == cellars[i].moves,
                    "the same cellars read back");
    }
  }
  return 0;
}
