// Fuzz target: the stage file reader in both forms (the game's 32 blocks, a player's 1 to 32
// with titles), its checks of every value against the data model, and the round trips of a
// player's file through the one writer and the readable source.
#include <cstring>
#include <string_view>

#include "fuzz_support.h"
#include "game/cellar_file.h"
#include "game/cellar_source.h"
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
      if (IsWall(cell))
        fuzz::Require((cell == CELL_WALL_TOP) == IsWall(stage.grid[x][y + 1]), "wall pass done");
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

bool SameCellars(const game::CellarFile& a, const game::CellarFile& b) {
  if (a.count != b.count) return false;
  for (int32_t s = 0; s < a.count; ++s) {
    if (std::memcmp(&a.stages[s], &b.stages[s], sizeof a.stages[s]) != 0 ||
        a.titles[s] != b.titles[s])
      return false;
  }
  return true;
}

// A player's file: what is accepted is sound, agrees with the game's reader on 32 cellars,
// and reads back the same from the bytes and the source written for it.
void CheckPlayersFile(std::string_view text, const std::string& path,
                      const game::StageRecord* gameParsed, int32_t gameAccepted) {
  static game::CellarFile file;
  static game::CellarFile again;
  game::StageFileError error{};
  if (!game::ParseCellarText(text, path.c_str(), &file, &error)) {
    fuzz::Require(std::strncmp(error.text, path.c_str(), path.size()) == 0,
                  "a refusal of a player's file names the file");
    return;
  }
  fuzz::Require(file.count >= 1 && file.count <= game::STAGE_COUNT, "1 to 32 cellars");
  fuzz::Require(game::CellarFileFault(file).empty(), "what is read can be written");
  for (int32_t s = 0; s < file.count; ++s) CheckStage(file.stages[s]);
  if (file.count == game::STAGE_COUNT) {
    fuzz::Require(
        gameAccepted == 1 && std::memcmp(gameParsed, file.stages, sizeof file.stages) == 0,
        "32 cellars read as the game reads them");
  }
  const std::string written = game::FormatStageFile(file);
  fuzz::Require(game::ParseCellarText(written, path.c_str(), &again, &error) == 1 &&
                    SameCellars(file, again) && game::FormatStageFile(again) == written,
                "the written file reads back the same");
  std::string why;
  fuzz::Require(game::ParseCellarSource(game::FormatCellarSource(file), game::SourceKind::PlayerSet,
                                        &again, &why) &&
                    SameCellars(file, again),
                "the written source reads back the same");
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
  CheckPlayersFile(text, path, parsed, accepted);
  return 0;
}
