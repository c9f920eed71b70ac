// The save file: the stage to continue at and its check value.
#pragma once

#include <cstdint>
#include <string>

#include "game/data_model.h"

namespace game {

constexpr const char* SAVE_FILE_PATH = "data/save.dat";

// The save file of the stage set in play, named as the game names its files:
// SAVE_FILE_PATH for the game's own cellars, another name for a set of one's own.
extern std::string SaveFileName;

// trunc(20 * sin((s - 1) * 69) + 20), the product taken as a 32-bit integer: 0..40.
int32_t SaveCheck(int32_t s);

// Writes "<stage> <check>" to path through a temporary file beside it, flushed
// to the disk, that then replaces the old one, so the file is never left half
// written, not even by a power cut. Returns 1 on success; on failure reports on
// standard error and returns 0.
int32_t WriteSaveFile(const char* path, int32_t stage);

// Where SaveFileName is on this system; "" when there is no place for it.
std::string SaveFilePath();

// Records stage, the one to continue at after a cleared stage, in the save file.
int32_t SaveProgress(int32_t stage);

// The stage index CONTINUE starts at: the stored index when the file reads as two
// numbers, the check value matches and the index names one of stageCount stages; else 0.
int32_t ReadSaveFile(const char* path, int32_t stageCount = STAGE_COUNT);

}  // namespace game
