// Fuzz target: the save file reader that picks the stage CONTINUE starts at.
#include "fuzz_support.h"
#include "game/data_model.h"
#include "game/save_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::ScratchPath("save.dat");
  static const std::string rewritten = fuzz::ScratchPath("save-rewritten.dat");
  fuzz::WriteScratchFile(path, data, size);
  const int32_t stage = game::ReadSaveFile(path.c_str());
  fuzz::Require(stage >= 0 && stage < game::STAGE_COUNT, "CONTINUE starts at an existing stage");

  // Whatever was read, saving it again and reading that back gives the same stage.
  fuzz::Require(game::WriteSaveFile(rewritten.c_str(), stage) == 1, "the save file is written");
  fuzz::Require(game::ReadSaveFile(rewritten.c_str()) == stage, "a written save reads back");
  return 0;
}
