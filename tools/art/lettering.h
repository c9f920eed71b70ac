// Hand-drawn letters for the words painted into the pictures: katakana, the Latin
// capitals (with the common accents) and a few signs, a few small letters and small
// digits, each a pixel grid.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "canvas.h"

namespace tools {

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
