// Fuzz target: the records file, read whole and checked against the game's own
// stages (every record must clear its cellar).
#include <string>

#include "fuzz_support.h"
#include "game/data_model.h"
#include "game/records.h"
#include "game/solution_file.h"
#include "game/solver.h"
#include "game/stage_file.h"

namespace {

// The game's stages, which the seeds' records belong to.
const game::StageRecord* GameStages() {
  static game::StageRecord stages[game::STAGE_COUNT];
  static const bool loaded = [] {
    game::StageFileError error{};
    return game::LoadStageFile(VAULMOOR_SOURCE_DIR "/data/stage.dat", stages, &error) == 1;
  }();
  fuzz::Require(loaded, "the game's stage file loads");
  return stages;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const game::StageRecord* stages = GameStages();
  static const std::string path = fuzz::ScratchPath("records.dat");
  std::string text;
  if (!fuzz::ReadBackWhole(path, data, size, game::RECORDS_MAX_BYTES, &text)) return 0;

  game::CellarRecord records[game::STAGE_COUNT];
  std::string why;
  if (!game::ParseRecords(text, stages, game::STAGE_COUNT, records, &why)) {
    fuzz::Require(!why.empty(), "a refusal says why");
    return 0;
  }
  for (int32_t s = 0; s < game::STAGE_COUNT; ++s) {
    if (!records[s].Exists()) continue;
    std::string fault;
    fuzz::Require(game::ReplaySolution(stages[s], records[s].moves, &fault) == 1,
                  "an accepted record clears its cellar");
  }
  // What is accepted is written back as it was read.
  game::CellarRecord again[game::STAGE_COUNT];
  fuzz::Require(game::ParseRecords(game::RecordsText(game::StageSetId(stages), records), stages,
                                   game::STAGE_COUNT, again, &why),
                "written records read back");
  for (int32_t s = 0; s < game::STAGE_COUNT; ++s) {
    fuzz::Require(again[s].moves == records[s].moves && again[s].hintsUsed == records[s].hintsUsed,
                  "written records read back the same");
  }
  return 0;
}
