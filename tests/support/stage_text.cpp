// Stage file text for tests, drawn from cellar pictures.
#include "support/stage_text.h"

namespace game_test {

namespace {

int CellValue(char c) {
  switch (c) {
    case '#':
      return 1;
    case 'o':
      return 3;
    case 'A':
      return 4;
    case 'L':
      return 5;
    default:
      return c >= '0' && c <= '9' ? 7 + (c - '0') : 0;
  }
}

}  // namespace

std::string StageBlock(const CellarPicture& picture) {
  int startX = 1, startY = 1;
  std::string cells;
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 9; ++x) {
      char c = picture.rows[y][x];
      if (c == '@') startX = x + 1, startY = y + 1;
      cells += std::to_string(CellValue(c)) + (x == 8 ? "\n" : " ");
    }
  }
  std::string block = std::to_string(startX) + " " + std::to_string(startY) + "\n" +
                      std::to_string(picture.toDeliver) + "\n" +
                      std::to_string(picture.cheeses.size()) + "\n";
  for (auto [index, week] : picture.cheeses)
    block += std::to_string(index) + " " + std::to_string(week) + "\n";
  return block + cells;
}

std::string PlainStageBlock() {
  return StageBlock({{"@........", ".........", ".........", ".........", ".........", ".........",
                      ".........", ".........", "........."}});
}

std::string StageFile(const std::vector<std::string>& blocks) {
  std::string text;
  for (size_t s = 0; s < 32; ++s) text += s < blocks.size() ? blocks[s] : PlainStageBlock();
  return text;
}

}  // namespace game_test
