// Kept solutions and the input script that plays them through the whole game.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

// Reads the kept solutions ("stage count moves" lines, ';' comments) into one move
// string per stage, stage 1 first. Returns false when the file cannot be read, a
// line is malformed, a count disagrees with its moves, or a stage is missing.
bool ReadSolutions(const std::string& path, std::vector<std::string>* moves, std::string* error);

// Loads the game's own stages (data/stage.dat under the source folder) into
// game::StageSet and reads their kept solutions (tools/stages/solutions.txt).
// Returns false with the reason when either cannot be read.
bool LoadStagesAndSolutions(const std::string& sourceFolder, std::vector<std::string>* moves,
                            std::string* error);

// A headless input script that starts a new game on the title and plays every stage
// with its moves (moves[s] for stage index s), leaving generous time for each move,
// delivery and stage clear, then presses Space in the ending. With a first stage
// above 0 it chooses CONTINUE instead, for a save that names that stage, and plays
// from there. clearTimes receives, per stage played, a time (ms) by which that stage
// has been cleared and the next one started. Uses the game's rules on game::StageSet
// to know which moves drop a piece.
std::string PlaythroughScript(const std::vector<std::string>& moves,
                              std::vector<uint32_t>* clearTimes, size_t firstStage = 0);

}  // namespace tools
