// The stage file: 32 cellar blocks of decimal numbers, read and checked into StageSet.
#pragma once

#include <cstdint>
#include <string_view>

#include "game/data_model.h"

namespace game {

constexpr const char* STAGE_FILE_PATH = "data/stage.dat";

// The stages as loaded at boot; play only copies from them.
extern StageRecord StageSet[STAGE_COUNT];

// Where and why a stage file was refused.
struct StageFileError {
  int32_t stage;    // 1..32 as the player counts, 0 when the file as a whole is at fault
  int32_t ordinal;  // 1-based position of the offending number in the file, 0 when none
  int32_t line;     // 1-based line of that number, 0 when none
  char text[320];   // one line naming the file, the stage, the position and the fault
};

// Reads all 32 stages from the file at path into stages (an array of STAGE_COUNT).
// Returns 1 when the file opened, held 32 complete blocks and every value fits the
// data model; otherwise 0 with error filled in (stages then hold partial data).
int32_t LoadStageFile(const char* path, StageRecord* stages, StageFileError* error);

// The same for text already in memory; fileName only names it in the message.
int32_t ParseStageText(std::string_view text, const char* fileName, StageRecord* stages,
                       StageFileError* error);

}  // namespace game
