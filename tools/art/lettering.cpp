// The letter grids ('#' is ink) and the routine that paints words with them.
#include "lettering.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <vector>

#include "art_palette.h"

namespace tools {
namespace {

struct Glyph {
  char32_t code;
  std::vector<std::string> rows;
};

// Katakana on a 12 x 12 grid with strokes two pixels wide, Latin letters on 5 x 7,
// small digits on 3 x 5.
const std::vector<Glyph>& Glyphs() {
  static const std::vector<Glyph> glyphs = {
      {U'ア',
       {"############", "############", ".........##.", "....##..##..", "....##.##...",
        "....##......", "....##......", "...##.......", "...##.......", "..##........",
        ".##.........", "##.........."}},
      {U'イ',
       {".........##.", "........##..", ".......##...", "......###...", "....####....",
        "..##..##....", "##....##....", "......##....", "......##....", "......##....",
        "......##....", "......##...."}},
      {U'ウ',
       {".....##.....", ".....##.....", "############", "##........##", "##........##",
        "##.......##.", ".........##.", "........##..", ".......##...", "......##....",
        "....###.....", "..###......."}},
      {U'オ',
       {".......##...", ".......##...", "############", "############", "......###...",
        ".....####...", "....##.##...", "...##..##...", "..##...##...", ".##....##...",
        ".......##...", ".....####..."}},
      {U'キ',
       {".....##.....", ".....##.....", ".##########.", ".##########.", ".....##.....",
        "############", "############", "......##....", "......##....", ".......##...",
        ".......##...", ".......##..."}},
      {U'ク',
       {"....##......", "....##......", "...#########", "...#########", "..##.....##.",
        ".##.....##..", "##......##..", ".......##...", "......##....", ".....##.....",
        "...###......", ".###........"}},
      {U'ス',
       {".##########.", ".##########.", ".........##.", "........##..", ".......##...",
        "......##....", ".....####...", "....##..##..", "...##....##.", "..##......##",
        ".##.......##", "##.........."}},
      {U'ッ',
       {"............", "............", "............", "..#...#..##.", "..##..##.##.",
        "...##..####.", "........##..", ".......##...", "......##....", "....###.....",
        "..###.......", "............"}},
      {U'テ',
       {"..########..", "..########..", "............", "############", "############",
        "......##....", "......##....", "......##....", ".....##.....", ".....##.....",
        "....##......", "..###......."}},
      {U'ト',
       {"....##......", "....##......", "....##......", "....####....", "....##.###..",
        "....##...##.", "....##......", "....##......", "....##......", "....##......",
        "....##......", "....##......"}},
      {U'ハ',
       {"............", "....##..##..", "...##....##.", "...##....##.", "..##......##",
        "..##......##", ".##.......##", ".##........#", "##.........#", "##..........",
        "............", "............"}},
      {U'フ',
       {"############", "############", ".........##.", ".........##.", "........##..",
        "........##..", ".......##...", "......##....", ".....##.....", "....##......",
        "..###.......", "###........."}},
      {U'メ',
       {".........##.", ".........##.", "........##..", "..##...##...", "...##.##....",
        "....###.....", "....###.....", "...##.##....", "..##...##...", ".##.....##..",
        "##..........", "............"}},
      {U'リ',
       {".##......##.", ".##......##.", ".##......##.", ".##......##.", ".##......##.",
        ".##......##.", ".........##.", "........##..", "........##..", ".......##...",
        ".....###....", "...###......"}},
      {U'レ',
       {"..##........", "..##........", "..##........", "..##........", "..##........",
        "..##......##", "..##.....##.", "..##....##..", "..##...##...", "..##.##.....",
        "..####......", "..##........"}},
      {U'！',
       {"..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "..##..", "......", "......",
        "..##..", "..##..", "......"}},
      {U'？',
       {".######.", "##....##", "......##", ".....##.", "....##..", "...##...", "...##...",
        "........", "........", "...##...", "...##...", "........"}},
      {U'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
      {U'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
      {U'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
      {U'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
      {U'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
      {U'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
      {U'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".###."}},
      {U'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
      {U'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
      {U'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
      {U'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
      {U'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
      {U'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
      {U'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
      {U'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
      {U'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
      {U'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
      {U'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
      {U'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
      {U'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
      {U'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
      {U'V', {"#...#", "#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
      {U'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"}},
      {U'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
      {U'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
      {U'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
      // Signs for the Latin words, on the letters' 7 rows (shorter grids sit on the baseline).
      {U' ', {"...."}},
      {U'!', {"#", "#", "#", "#", "#", ".", "#"}},
      {U'?', {".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."}},
      {U'\'', {"#", "#", ".", ".", ".", ".", "."}},
      {U'-', {"...", "...", "...", "###", "...", "...", "..."}},
      {U'.', {"#"}},
      {U',', {".#", "#."}},
      {U'¡', {"#", ".", "#", "#", "#", "#", "#"}},
      {U'¿', {"..#..", ".....", "..#..", ".#...", "#....", "#...#", ".###."}},
      {U'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
      {U'l', {"##.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
      {U'm', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"}},
      {U'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
      {U'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
      {U'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"}},
      {U'1', {".#.", "##.", ".#.", ".#.", "###"}},
      {U'2', {"##.", "..#", ".#.", "#..", "###"}},
      {U'3', {"##.", "..#", ".#.", "..#", "##."}},
      {U'4', {"#.#", "#.#", "###", "..#", "..#"}},
      {U'5', {"###", "#..", "##.", "..#", "##."}},
      {U'6', {".##", "#..", "###", "#.#", "###"}},
      {U'7', {"###", "..#", ".#.", ".#.", ".#."}},
  };
  return glyphs;
}

// Voiced katakana: a base grid with two ticks (dakuten) or a ring (handakuten)
// added at its upper right, which widens the grid by two columns.
struct Voiced {
  char32_t code, base;
  bool ring;
};
constexpr Voiced VOICED[] = {{U'ギ', U'キ', false},
                             {U'ブ', U'フ', false},
                             {U'プ', U'フ', true},
                             {U'ズ', U'ス', false},
                             {U'デ', U'テ', false}};

// Accented capitals: a base letter under a mark of two rows, with one empty row
// between them. The marks are five columns wide, centred over narrower letters.
enum Mark { ACUTE, GRAVE, CIRCUMFLEX, DIAERESIS, TILDE };
const std::vector<std::string> MARKS[] = {{"...#.", "..#.."},
                                          {".#...", "..#.."},
                                          {"..#..", ".#.#."},
                                          {".#.#.", "....."},
                                          {".##.#", "#.##."}};
struct Accented {
  char32_t code, base;
  Mark mark;
};
constexpr Accented ACCENTED[] = {
    {U'À', U'A', GRAVE},      {U'Á', U'A', ACUTE},      {U'Â', U'A', CIRCUMFLEX},
    {U'Ä', U'A', DIAERESIS},  {U'Ã', U'A', TILDE},      {U'È', U'E', GRAVE},
    {U'É', U'E', ACUTE},      {U'Ê', U'E', CIRCUMFLEX}, {U'Ë', U'E', DIAERESIS},
    {U'Ì', U'I', GRAVE},      {U'Í', U'I', ACUTE},      {U'Î', U'I', CIRCUMFLEX},
    {U'Ï', U'I', DIAERESIS},  {U'Ñ', U'N', TILDE},      {U'Ò', U'O', GRAVE},
    {U'Ó', U'O', ACUTE},      {U'Ô', U'O', CIRCUMFLEX}, {U'Ö', U'O', DIAERESIS},
    {U'Õ', U'O', TILDE},      {U'Ù', U'U', GRAVE},      {U'Ú', U'U', ACUTE},
    {U'Û', U'U', CIRCUMFLEX}, {U'Ü', U'U', DIAERESIS}};

const std::vector<std::string>* FindRows(char32_t code) {
  for (const Glyph& g : Glyphs()) {
    if (g.code == code) return &g.rows;
  }
  return nullptr;
}

std::vector<std::string> VoicedRows(const Voiced& v) {
  std::vector<std::string> rows = *FindRows(v.base);
  const std::vector<std::string> mark =
      v.ring ? std::vector<std::string>{".##.", "#..#", "#..#", ".##."}
             : std::vector<std::string>{"#.#.", ".#.#", "#.#.", ".#.#"};
  for (size_t j = 0; j < rows.size(); ++j) {
    rows[j] += "..";
    for (size_t i = 0; j < mark.size() && i < 4; ++i) {
      if (mark[j][i] == '#') rows[j][rows[j].size() - 4 + i] = '#';
    }
  }
  return rows;
}

std::vector<std::string> AccentedRows(const Accented& a) {
  const std::vector<std::string>& base = *FindRows(a.base);
  const size_t width = base.front().size();
  std::vector<std::string> rows;
  for (const std::string& mark : MARKS[a.mark]) rows.push_back(mark.substr((5 - width) / 2, width));
  rows.push_back(std::string(width, '.'));
  rows.insert(rows.end(), base.begin(), base.end());
  return rows;
}

// The grid of a character; nothing when it has none.
std::optional<std::vector<std::string>> Grid(char32_t code) {
  for (const Voiced& v : VOICED) {
    if (v.code == code) return VoicedRows(v);
  }
  for (const Accented& a : ACCENTED) {
    if (a.code == code) return AccentedRows(a);
  }
  if (const std::vector<std::string>* rows = FindRows(code)) return *rows;
  return std::nullopt;
}

bool HasGrid(char32_t code) {
  return Grid(code).has_value();
}

// A character without a grid takes the room of a space.
std::vector<std::string> GlyphRows(char32_t code) {
  return Grid(code).value_or(std::vector<std::string>{"...."});
}

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
