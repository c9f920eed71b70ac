// The file the cellar editor works on: opening it (or a new one), saving it and exporting its
// readable source beside it.
#pragma once

#include <cstdint>
#include <string>

#include "game/cellar_editor.h"
#include "game/cellar_fault.h"

namespace game {

// The file the title's E edits: the player's own cellars, beside the save file.
constexpr const char* OWN_CELLARS_PATH = "data/cellars.dat";

enum class OpenedFile {
  Read,     // the file's cellars
  New,      // nothing is there yet: one empty cellar
  Refused,  // why says the file and what is wrong
};

// Reads the stage file at path for editing.
OpenedFile OpenEditedFile(const std::string& path, CellarFile* file, std::string* why);

// The first cellar the game could not start, with its problem; -1 when every one can be.
int32_t FirstFaultyCellar(const CellarEditor& editor, CellarProblem* problem);

// Writes the editor's cellars to path as a stage file, replacing it whole, and marks them
// saved. False with why when it cannot be written; the cellars must all be sound
// (FirstFaultyCellar).
bool SaveEditedFile(CellarEditor& editor, const std::string& path, std::string* why);

// Where the readable source of the stage file at path goes: beside it, with the extension
// .txt in place of its own (and added when it has that one already).
std::string SourcePathOf(const std::string& path);

// Writes the readable source of the editor's cellars beside path. False with why.
bool ExportSource(const CellarEditor& editor, const std::string& path, std::string* why);

}  // namespace game
