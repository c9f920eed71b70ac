// The readable cellar source: parsing, validation and writing of the stage file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

struct SourceCheese {
  int32_t catalogueIndex;
  int32_t startWeek;
};

// One cellar as written in the source. cells[x][y] holds the stage file's value of
// playfield cell (x + 1, y + 1): 0 floor, 1 wall, 3 hole, 4 area snowman, 5 line
// snowman, 7 + k cheese k.
struct SourceStage {
  int32_t number = 0;  // 1..32 as the player sees it
  std::string title;   // a reminder of the stage's idea; not written to the stage file
  int32_t startX = 0;
  int32_t startY = 0;
  int32_t toDeliver = -1;
  std::vector<SourceCheese> cheeses;
  int32_t cells[9][9] = {};
};

// Reads the whole source. On the first fault returns false and sets error to
// "line N: stage S: what is wrong"; out then holds the stages read so far.
bool ParseCellars(const std::string& text, std::vector<SourceStage>& out, std::string& error);

// The stage file for a complete, valid set: per stage one line with the start cell,
// the deliveries, the cheese count and the cheese pairs, then nine rows of nine
// cells, and a blank line between stages.
std::string FormatStageFile(const std::vector<SourceStage>& stages);

}  // namespace tools
