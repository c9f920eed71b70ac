// Fuzz target: the stage file reader and its checks of every value against the data model.
#include <cstring>
#include <string_view>

#include "fuzz_support.h"
#include "game/data_model.h"
#include "game/stage_file.h"

namespace {

bool IsWall(int32_t cell) {
  return cell == game::CELL_WALL_FRONT || cell == game::CELL_WALL_TOP;
}

// What an accepted stage promises to the rules and the drawing code.
void CheckStage(const game::StageRecord& stage) {
  using namespace game;
  fuzz::Require(stage.startX >= PLAYFIELD_FIRST && stage.startX <= PLAYFIELD_LAST &&
                    stage.startY >= PLAYFIELD_FIRST && stage.startY <= PLAYFIELD_LAST,
                "the start cell lies on the playfield");
  fuzz::Require(stage.grid[stage.startX][stage.startY] == CELL_FLOOR, "the start cell is floor");
  fuzz::Require(stage.cheeseCount >= 0 && stage.cheeseCount <= MAX_CHEESES, "cheese count 0..10");
  bool onBoard[MAX_CHEESES] = {};
  for (int32_t x = 0; x < BOARD_SIZE; ++x) {
    for (int32_t y = 0; y < BOARD_SIZE; ++y) {
      const int32_t cell = stage.grid[x][y];
      const bool border = x == 0 || y == 0 || x == BOARD_SIZE - 1 || y == BOARD_SIZE - 1;
      if (border) {
        fuzz::Require(IsWall(cell), "the border ring is walls");
        continue;
      }
      fuzz::Require(cell >= CELL_FLOOR && cell != CELL_CHEESE_FLOOR &&
                        cell < CELL_CHEESE_FIRST + stage.cheeseCount,
                    "playfield cells hold board values of this stage");
      if (cell >= CELL_CHEESE_FIRST) {
        fuzz::Require(!onBoard[cell - CELL_CHEESE_FIRST], "each cheese stands once");
        onBoard[cell - CELL_CHEESE_FIRST] = true;
      }
      if (cell == CELL_WALL_FRONT) fuzz::Require(!IsWall(stage.grid[x][y + 1]), "wall pass done");
    }
  }
  for (int32_t k = 0; k < stage.cheeseCount; ++k) {
    const StageCheese& cheese = stage.cheeses[k];
    fuzz::Require(cheese.catalogueIndex >= 0 && cheese.catalogueIndex < CATALOGUE_SIZE,
                  "catalogue index 0..13");
    fuzz::Require(cheese.startWeek >= WEEK_ROTTEN, "start week -1 or more");
    fuzz::Require(cheese.startWeek == WEEK_NONE || onBoard[k], "a cheese in play is on the board");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static game::StageRecord parsed[game::STAGE_COUNT];
  static game::StageRecord loaded[game::STAGE_COUNT];
  static const std::string path = fuzz::ScratchPath("stage.dat");
  game::StageFileError parseError{};
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const int32_t accepted = game::ParseStageText(text, path.c_str(), parsed, &parseError);

  // Reading the same bytes from a file must come to the same verdict.
  fuzz::WriteScratchFile(path, data, size);
  game::StageFileError loadError{};
  fuzz::Require(game::LoadStageFile(path.c_str(), loaded, &loadError) == accepted,
                "file and memory readers agree");
  fuzz::Require(std::strcmp(parseError.text, loadError.text) == 0, "both give the same message");

  if (accepted) {
    for (const game::StageRecord& stage : parsed) CheckStage(stage);
  } else {
    fuzz::Require(std::strncmp(parseError.text, path.c_str(), path.size()) == 0,
                  "a refusal names the file");
    fuzz::Require(parseError.stage >= 1 && parseError.stage <= game::STAGE_COUNT,
                  "a refusal names the stage");
  }
  return 0;
}
