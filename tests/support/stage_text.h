// Builds stage file text for tests from small cellar pictures.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace game_test {

// A cellar drawn as nine rows of nine characters: '.' floor, '#' wall (value 1),
// 'o' hole, 'A' area snowman, 'L' line snowman, '0'..'9' cheese of that slot,
// '@' the start cell (floor).
struct CellarPicture {
  std::vector<std::string> rows;
  int toDeliver = 0;
  std::vector<std::pair<int, int>> cheeses;  // (catalogue index, start week) per slot
};

// One stage block: start cell, deliveries, cheese count and pairs, 81 cells.
std::string StageBlock(const CellarPicture& picture);

// A plain playable cellar: start at (1, 1), nothing to deliver, no cheeses.
std::string PlainStageBlock();

// A whole file: the given blocks first, plain blocks after them up to 32 stages.
std::string StageFile(const std::vector<std::string>& blocks);

}  // namespace game_test
