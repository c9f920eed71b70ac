// Files of moves per cellar: the kept shortest solutions and the clears players share.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "game/data_model.h"

namespace game {

// The moves of one cellar: its index 0..31 and one letter per move (U, R, D, L).
struct CellarMoves {
  int32_t stage;
  std::string moves;
};

// Reads lines of "N MOVES" (cellar N as the player counts it, 1..32, and its moves) or,
// with counted, "N COUNT MOVES" with COUNT the number of moves; empty lines and lines
// starting with ';' are skipped. On a malformed line returns false with *error naming the
// line and column ("LINE:COLUMN: what is wrong").
bool ParseMoveLines(const std::string& text, bool counted, std::vector<CellarMoves>* cellars,
                    std::string* error);

// The largest file of moves read (a replay, the kept shortest solutions): the 32
// cellars' clears take a few kilobytes, a player's longest some tens.
constexpr size_t MOVE_FILE_MAX_BYTES = 1 << 20;

// A fingerprint of the contents of the first count stages, for files that belong to one
// stage file.
uint64_t StageSetId(const StageRecord* stages, int32_t count = STAGE_COUNT);

// The id written in a kept solutions file: its line "; stage set ID" (16 hex digits);
// 0 when there is none.
uint64_t NotedStageSetId(const std::string& text);

}  // namespace game
