// A stage file of a player's own: 1 to 32 cellars in the stage file's blocks, then the titles
// the game shows on their intro cards; its reader and its one writer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "game/cellar_fault.h"
#include "game/data_model.h"
#include "game/stage_file.h"

namespace game {

// A stage file of a player's own: its cellars in order, their titles and the player's facing.
struct CellarFile {
  int32_t count = 0;                     // 1..STAGE_COUNT once read
  StageRecord stages[STAGE_COUNT] = {};  // as the loader leaves them (wall passes done)
  std::string titles[STAGE_COUNT];       // UTF-8, "" when none
  int32_t facings[STAGE_COUNT] = {};     // the player's facing at the start; FACING_UP = 0
};

// Reads a player's stage file (1..32 blocks, then after a blank line one line
// "title N TEXT" per cellar that has a title and one line "facing N L" per cellar whose player
// starts facing L, a move letter, other than U); 0 with error filled as LoadStageFile does
// (FILE, cellar, number, line, what is wrong). The game's own data/stage.dat reads as a
// file of 32 cellars without titles.
int32_t ParseCellarText(std::string_view text, const char* fileName, CellarFile* file,
                        StageFileError* error);
int32_t LoadCellarFile(const char* path, CellarFile* file, StageFileError* error);

// What keeps file from being written as a stage file: a count outside 1..32, a cellar's
// fault or a title's ("cellar N: ..."); "" when it can be written.
std::string CellarFileFault(const CellarFile& file);

// The stage file's bytes for these cellars: exactly what vaulmoor-stagec writes for the
// same cellars (walls written as 1, one line of start, deliveries and cheeses, nine rows,
// a blank line between cellars), then, after a blank line, the title lines and the facing
// lines of the cellars not facing up. "" when
// CellarFileFault finds a fault.
std::string FormatStageFile(const CellarFile& file);

}  // namespace game
