// Words painted into the pictures with hand-drawn letters, pixel grids kept in
// tools/art/letters.txt: katakana, the Latin capitals (with the common accents) and a few
// signs, a few small letters and small digits.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "canvas.h"

namespace tools {

// The letter set: each character's grid, rows of '#' (ink) and '.' of one width.
using LetterSet = std::map<char32_t, std::vector<std::string>>;
// Reads a letter set written as tools/art/letters.txt is (which the painting routines
// below use): "" when it holds, else what is wrong and on which line; *letters then
// holds nothing.
std::string ParseLetters(const std::string& text, LetterSet* letters);

struct LetteringStyle {
  int32_t scale = 2;  // each grid pixel becomes scale x scale pixels
  int32_t ramp = 0;   // fill ramp; the light runs from hi at the top to lo at the bottom
  int32_t lo = 8;
  int32_t hi = 15;
  uint8_t outline = 0;  // ring around the letters (INK_CLEAR for none)
  uint8_t shadow = 0;   // drop shadow one scaled pixel down and right (INK_CLEAR for none)
};

// Width in pixels of a UTF-8 text in the given scale; characters without a grid
// count as a space.
int32_t LetteringWidth(const std::string& text, int32_t scale);
// Height in pixels of the tallest grid of the text at the given scale.
int32_t LetteringHeight(const std::string& text, int32_t scale);
// Paints the text with its top-left corner at (x, y).
void DrawLettering(Canvas& canvas, int32_t x, int32_t y, const std::string& text,
                   const LetteringStyle& style);
// Paints the text centred on column cx.
void DrawLetteringCentred(Canvas& canvas, int32_t cx, int32_t y, const std::string& text,
                          const LetteringStyle& style);

// The place of a word in a picture that has one per language: centred on column cx
// in a box of width x height pixels from row top.
struct WordBox {
  int32_t cx, top, width, height;
};
// Paints a word centred in its box, in the largest scale (3 or 2) at which it fits
// the box. A word that is too wide even at scale 2, or has a letter without a grid,
// is painted as well as it can be and noted in LetteringFaults.
void DrawWordInBox(Canvas& canvas, const std::string& word, const WordBox& box,
                   LetteringStyle style);
// What DrawWordInBox could not paint properly, one line each, since the list was emptied.
extern std::vector<std::string> LetteringFaults;

}  // namespace tools
