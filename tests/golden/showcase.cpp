// The showcase cellar, and the stage file that holds it.
#include "showcase.h"

#include <vector>

#include "support/stage_text.h"

namespace golden {

namespace {

// The showcase cellar: a cheese of each state on a chilled row, each with a hole
// to its right, and an area snowman beside a hole on the bottom row. The player
// starts left of the good cheese; one cheese is due.
//   slot 0 camembert, week 6 of 5..8: good
//   slot 1 gorgonzola, week 2 of 8..24: unripe
//   slot 2 mozzarella, week 5 of 1..2: over-ripe
//   slot 3 brie, rotten
std::string ShowcaseBlock() {
  game_test::CellarPicture picture{{"@0o.....L", ".........", ".1o.....L", ".........", ".2o.....L",
                                    ".........", ".3o.....L", ".........", ".Ao......"},
                                   1,
                                   {{4, 6}, {3, 2}, {2, 5}, {13, -1}}};
  return game_test::StageBlock(picture);
}

}  // namespace

std::string ShowcaseStageFile() {
  std::vector<std::string> blocks(32, game_test::PlainStageBlock());
  blocks.front() = blocks.back() = ShowcaseBlock();
  return game_test::StageFile(blocks);
}

}  // namespace golden
