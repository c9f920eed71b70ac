// The readable cellar source (tools/stages/cellars.txt): its reader, which vaulmoor-stagec
// compiles from, and its writer, which the game exports a stage file's cellars with.
#pragma once

#include <string>

#include "game/cellar_file.h"

namespace game {

// What a source is compiled into.
enum class SourceKind {
  GameCellars,  // the game's own data/stage.dat: 32 stages, titles from the game's texts
  PlayerSet,    // a stage file of a player's own: 1 to 32 stages, each with its shown title
};

// Reads the whole source into file. On the first fault returns false with error set to
// "line N: stage S: what is wrong"; file then holds the stages read so far.
bool ParseCellarSource(const std::string& text, SourceKind kind, CellarFile* file,
                       std::string* error);

// The source that ParseCellarSource reads back, as a PlayerSet, to the same cellars and
// titles. Only for a file without a fault (CellarFileFault).
std::string FormatCellarSource(const CellarFile& file);

}  // namespace game
