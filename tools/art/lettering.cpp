// Reading the letter set of letters.txt, and painting words with its grids.
#include "lettering.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "art_palette.h"

namespace tools {
namespace {

// A character's code points from UTF-8 text.
std::vector<char32_t> DecodeUtf8(const std::string& text) {
  std::vector<char32_t> codes;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int32_t extra = lead < 0x80 ? 0 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : 3;
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int32_t k = 1; k <= extra && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    codes.push_back(code);
    i += 1 + extra;
  }
  return codes;
}

// The letter set, read once from letters.txt; a fault in it stops the tool.
const LetterSet& Letters() {
  static const LetterSet letters = [] {
    LetterSet set;
    std::ifstream file(VAULMOOR_LETTERS_FILE, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const std::string fault =
        file.is_open() ? ParseLetters(text, &set) : std::string("cannot be read");
    if (!fault.empty()) {
      std::fprintf(stderr, "vaulmoor-art: %s: %s\n", VAULMOOR_LETTERS_FILE, fault.c_str());
      std::exit(1);
    }
    return set;
  }();
  return letters;
}

bool HasGrid(char32_t code) {
  return Letters().contains(code);
}

// A character without a grid takes the room of a space.
std::vector<std::string> GlyphRows(char32_t code) {
  const auto found = Letters().find(code);
  return found != Letters().end() ? found->second : std::vector<std::string>{"...."};
}

int32_t GridWidth(const std::vector<std::string>& rows) {
  return static_cast<int32_t>(rows.front().size());
}

// A character as faults name it: U+ and its code in hex.
std::string CodeName(char32_t code) {
  char name[16];
  std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(code));
  return name;
}

}  // namespace

// "letter X" opens a letter and its rows follow; a blank line closes it. Between letters,
// lines that begin with '#' are comments.
std::string ParseLetters(const std::string& text, LetterSet* letters) {
  letters->clear();
  std::istringstream lines(text);
  std::vector<std::string>* grid = nullptr;
  std::string name;
  int32_t number = 0;
  const auto fault = [&](const std::string& what) {
    letters->clear();
    return "line " + std::to_string(number) + ": " + what;
  };
  for (std::string line; std::getline(lines, line);) {
    ++number;
    if (grid != nullptr && grid->empty() && (line.empty() || line.starts_with("letter ")))
      return fault("'" + name + "' has no rows");
    if (line.starts_with("letter ")) {
      name = line.substr(7);
      const std::vector<char32_t> codes =
          name == "space" ? std::vector<char32_t>{U' '} : DecodeUtf8(name);
      if (codes.size() != 1) return fault("'" + name + "' is not one character");
      if (letters->contains(codes[0])) return fault("'" + name + "' is drawn twice");
      grid = &(*letters)[codes[0]];
    } else if (line.empty()) {
      grid = nullptr;
    } else if (grid == nullptr) {
      if (!line.starts_with('#')) return fault("a row outside a letter");
    } else if (line.find_first_not_of("#.") != std::string::npos) {
      return fault("'" + name + "' has a row of other signs than # and .");
    } else if (!grid->empty() && line.size() != grid->front().size()) {
      return fault("'" + name + "' has rows of different widths");
    } else {
      grid->push_back(line);
    }
  }
  if (grid != nullptr && grid->empty()) return fault("'" + name + "' has no rows");
  return "";
}

int32_t LetteringWidth(const std::string& text, int32_t scale) {
  int32_t width = 0;
  for (char32_t code : DecodeUtf8(text)) width += (GridWidth(GlyphRows(code)) + 1) * scale;
  return width > 0 ? width - scale : 0;
}

int32_t LetteringHeight(const std::string& text, int32_t scale) {
  size_t rows = 0;
  for (char32_t code : DecodeUtf8(text)) rows = std::max(rows, GlyphRows(code).size());
  return static_cast<int32_t>(rows) * scale;
}

void DrawLettering(Canvas& canvas, int32_t x, int32_t y, const std::string& text,
                   const LetteringStyle& style) {
  const int32_t height = LetteringHeight(text, style.scale);
  // Letters go onto a scratch canvas first so that the outline rings the words
  // as a whole and the shadow falls behind every letter.
  Canvas ink = MakeCanvas(LetteringWidth(text, style.scale) + 2, height + 2);
  int32_t pen = 1;
  for (char32_t code : DecodeUtf8(text)) {
    const std::vector<std::string> rows = GlyphRows(code);
    // Shorter grids (lower-case letters, small digits) stand on the same baseline.
    const int32_t top = 1 + height - static_cast<int32_t>(rows.size()) * style.scale;
    for (size_t j = 0; j < rows.size(); ++j) {
      for (size_t i = 0; i < rows[j].size(); ++i) {
        if (rows[j][i] != '#') continue;
        for (int32_t dy = 0; dy < style.scale; ++dy) {
          for (int32_t dx = 0; dx < style.scale; ++dx) {
            const int32_t px = pen + static_cast<int32_t>(i) * style.scale + dx;
            const int32_t py = top + static_cast<int32_t>(j) * style.scale + dy;
            const double light = 1.0 - static_cast<double>(py - 1) / std::max(1, height - 1);
            Plot(ink, px, py, DitheredShade(style.ramp, style.lo, style.hi, light, px, py));
          }
        }
      }
    }
    pen += (GridWidth(rows) + 1) * style.scale;
  }
  if (style.outline != INK_CLEAR) OutlineRegion(ink, 0, 0, ink.width, ink.height, style.outline);
  if (style.shadow != INK_CLEAR) {
    const int32_t drop = std::max(1, style.scale / 2);
    for (int32_t j = 0; j < ink.height; ++j) {
      for (int32_t i = 0; i < ink.width; ++i) {
        if (PixelAt(ink, i, j) != INK_CLEAR)
          Plot(canvas, x - 1 + i + drop, y - 1 + j + drop, style.shadow);
      }
    }
  }
  CopyRegion(canvas, x - 1, y - 1, ink, 0, 0, ink.width, ink.height, true);
}

void DrawLetteringCentred(Canvas& canvas, int32_t cx, int32_t y, const std::string& text,
                          const LetteringStyle& style) {
  DrawLettering(canvas, cx - LetteringWidth(text, style.scale) / 2, y, text, style);
}

std::vector<std::string> LetteringFaults;

// Scales from the largest down; the smallest is still legible from across the screen.
constexpr int32_t WORD_SCALES[] = {3, 2};

void DrawWordInBox(Canvas& canvas, const std::string& word, const WordBox& box,
                   LetteringStyle style) {
  for (char32_t code : DecodeUtf8(word)) {
    if (!HasGrid(code))
      LetteringFaults.push_back("'" + word + "' has a letter without a grid: " + CodeName(code));
  }
  style.scale = 0;
  for (int32_t scale : WORD_SCALES) {
    if (LetteringHeight(word, scale) <= box.height && LetteringWidth(word, scale) <= box.width) {
      style.scale = scale;
      break;
    }
  }
  if (style.scale == 0) {
    style.scale = WORD_SCALES[std::size(WORD_SCALES) - 1];
    LetteringFaults.push_back(
        "'" + word + "' is " + std::to_string(LetteringWidth(word, style.scale)) +
        " pixels wide at the smallest scale; its place is " + std::to_string(box.width));
  }
  const int32_t top = box.top + (box.height - LetteringHeight(word, style.scale)) / 2;
  DrawLetteringCentred(canvas, box.cx, top, word, style);
}

}  // namespace tools
