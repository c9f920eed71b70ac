// The stage file: cellar blocks of decimal numbers, read and checked into StageSet.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/data_model.h"

namespace game {

constexpr const char* STAGE_FILE_PATH = "data/stage.dat";

// The stages as loaded at boot; play only copies from them.
extern StageRecord StageSet[STAGE_COUNT];
// How many of them the set in play holds: STAGE_COUNT for the game's own cellars, 1 to
// STAGE_COUNT for a stage file of a player's own.
extern int32_t StageCount;

// Where and why a stage file was refused.
struct StageFileError {
  int32_t stage;    // 1..32 as the player counts, 0 when the file as a whole is at fault
  int32_t ordinal;  // 1-based position of the offending number in the file, 0 when none
  int32_t line;     // 1-based line of that number (or title line), 0 when none
  char text[320];   // one line naming the file, the stage, the position and the fault
};

// Reads all 32 stages from the file at path into stages (an array of STAGE_COUNT).
// Returns 1 when the file opened, held 32 complete blocks and every value fits the
// data model; otherwise 0 with error filled in (stages then hold partial data).
int32_t LoadStageFile(const char* path, StageRecord* stages, StageFileError* error);

// The same for text already in memory; fileName only names it in the message.
int32_t ParseStageText(std::string_view text, const char* fileName, StageRecord* stages,
                       StageFileError* error);

// Reads the stage file at path whole (at most 1 MiB). Returns 1, or 0 with error filled,
// naming the file and why it cannot be read.
int32_t ReadStageFileText(const char* path, std::string* text, StageFileError* error);

// Where stage blocks read from text ended: how many were read, the offset and line just
// after the last one's last number, and whether another block follows there.
struct StageBlocksEnd {
  int32_t count;
  size_t offset;
  int32_t line;
  bool more;
};

// Reads stage blocks from the start of text into stages: least of them at the least, then
// more while the next word begins like a number, up to most; what follows is not read.
// Each block is checked as the loader checks it. Returns 1 with *end filled, or 0 with
// error filled.
int32_t ReadStageBlocks(std::string_view text, const char* fileName, int32_t least, int32_t most,
                        StageRecord* stages, StageBlocksEnd* end, StageFileError* error);

// The wall tiles the loader gives a stage: a playfield wall is 2 where the cell below is a
// wall and 1 where it is not, whichever value the file gave it; the top border is 2 above a
// playfield wall, 1 above anything else.
void ApplyWallPasses(StageRecord& stage);

}  // namespace game
