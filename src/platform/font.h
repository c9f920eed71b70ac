// Monochrome glyph bitmaps of the Japanese Gothic faces, loaded once and cached per size and
// character.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// One rendered character. Ink pixels are 1, the rest 0, row by row.
struct GlyphBitmap {
  int32_t width = 0;
  int32_t height = 0;
  int32_t left = 0;      // columns from the pen position to the bitmap's first column
  int32_t top = 0;       // rows from the top of the text cell to the bitmap's first row
  int32_t advance = 0;   // columns the pen moves on
  bool missing = false;  // no face has the character: this is IPAGothic's missing-character box
  std::vector<uint8_t> ink;
};

// Opens IPAGothic (found through fontconfig) and the Shinonome 12-pixel fonts
// (data/fonts/ among the game's files, found as GameFilePath finds them). A
// missing bitmap font is reported and its characters drawn with IPAGothic.
// Loads once; later calls only report the first result. On failure prints which
// face is missing on standard error and returns false.
bool LoadFonts();
void UnloadFonts();
bool FontsLoaded();

// Rows of a text cell above the baseline at a pixel size; the cell is size rows tall.
int32_t FontAscent(int32_t size);

// The glyph of a Unicode character at a pixel size (positive). Size 12 uses the
// Shinonome bitmap fonts where they have the character, every other size and
// character IPAGothic. Rendered on first use and kept until UnloadFonts; the
// reference stays valid until then. Requires LoadFonts to have succeeded.
const GlyphBitmap& FontGlyph(int32_t size, uint32_t codePoint);

// Reads one character of UTF-8 text and advances past it; a malformed byte reads
// as U+FFFD and is skipped alone. Never moves past the terminating zero.
uint32_t NextCodePoint(const char*& text);

}  // namespace platform
