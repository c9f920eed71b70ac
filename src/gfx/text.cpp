// Japanese text in a Gothic face on the draw target: the text bracket and printf-style text.
#include "gfx/text.h"

#include <algorithm>
#include <cassert>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "gfx/ddraw.h"
#include "gfx/palette.h"
#include "gfx/surfaces.h"
#include "platform/font.h"

namespace gfx {

namespace {

// The logical-font record: the layout of the platform's LOGFONTA, 60 bytes.
struct LogicalFont {
  int32_t height;
  int32_t width;
  int32_t escapement;
  int32_t orientation;
  int32_t weight;
  uint8_t italic;
  uint8_t underline;
  uint8_t strikeOut;
  uint8_t charSet;
  uint8_t outPrecision;
  uint8_t clipPrecision;
  uint8_t quality;
  uint8_t pitchAndFamily;
  char faceName[32];
};
static_assert(sizeof(LogicalFont) == 60);

constexpr int32_t FONT_WEIGHT_NORMAL = 400;
constexpr uint8_t SHIFTJIS_CHARSET = 128;
constexpr const char* STANDARD_GOTHIC = "標準ゴシック";
constexpr uint32_t COLOUR_WHITE = 0xFFFFFF;
constexpr uint32_t COLOUR_BLACK = 0;
constexpr int32_t PRINT_TEXT_SIZE = 16;
constexpr int32_t SMALL_TEXT_SIZE = 12;
constexpr size_t PRINT_BUFFER_SIZE = 256;

LogicalFont* FontRecord = nullptr;

// What BeginText sets up until EndText: the surface whose device context is
// held, the cell size and the context's colours and background mode. A fresh
// context draws black text on an opaque white background.
struct TextState {
  Surface* surface = nullptr;
  int32_t size = 0;
  uint8_t textIndex = 0;
  uint8_t backIndex = 0;
  bool transparent = false;
};

TextState Text;

// A clipping box, right and bottom exclusive.
struct Clip {
  int32_t left, top, right, bottom;
};

Clip SurfaceClip(const Surface* surface) {
  return {0, 0, surface->width, surface->height};
}

void FillCells(const Clip& clip, int64_t left, int64_t top, int64_t right, int64_t bottom) {
  for (int64_t y = std::max<int64_t>(top, clip.top); y < std::min<int64_t>(bottom, clip.bottom);
       ++y) {
    for (int64_t x = std::max<int64_t>(left, clip.left); x < std::min<int64_t>(right, clip.right);
         ++x) {
      Text.surface->pixels[y * Text.surface->pitch + x] = Text.backIndex;
    }
  }
}

void DrawGlyph(const platform::GlyphBitmap& glyph, const Clip& clip, int64_t penX, int64_t top) {
  for (int32_t row = 0; row < glyph.height; ++row) {
    const int64_t y = top + glyph.top + row;
    if (y < clip.top || y >= clip.bottom) continue;
    for (int32_t column = 0; column < glyph.width; ++column) {
      const int64_t x = penX + glyph.left + column;
      if (x >= clip.left && x < clip.right && glyph.ink[row * glyph.width + column] != 0) {
        Text.surface->pixels[y * Text.surface->pitch + x] = Text.textIndex;
      }
    }
  }
}

int32_t RunWidth(int32_t size, const char* begin, const char* end) {
  int32_t width = 0;
  for (const char* p = begin; p < end && *p != 0;) {
    width += platform::FontGlyph(size, platform::NextCodePoint(p)).advance;
  }
  return width;
}

// Draws the characters of [begin, end) from (x, top). Unless the background is
// transparent the cells of the whole run are painted first, so that no glyph
// reaching into a neighbouring cell is painted over.
void DrawRun(const char* begin, const char* end, int64_t x, int64_t top, const Clip& clip) {
  if (!Text.transparent)
    FillCells(clip, x, top, x + RunWidth(Text.size, begin, end), top + Text.size);
  for (const char* p = begin; p < end && *p != 0;) {
    const platform::GlyphBitmap& glyph = platform::FontGlyph(Text.size, platform::NextCodePoint(p));
    DrawGlyph(glyph, clip, x, top);
    x += glyph.advance;
  }
}

bool IsLineBreak(char c) {
  return c == '\n' || c == '\r';
}

// The end of the unit starting at p that a line is never broken inside: a run of
// ASCII letters, digits and signs (a word), or one character of any other script,
// since Japanese has no spaces and breaks between any two characters.
const char* UnitEnd(const char* p) {
  if (static_cast<uint8_t>(*p) >= 0x80) {
    platform::NextCodePoint(p);
    return p;
  }
  while (*p != 0 && *p != ' ' && !IsLineBreak(*p) && static_cast<uint8_t>(*p) < 0x80) ++p;
  return p;
}

// One line of wrapped text: the bytes drawn, its width, and where the next line starts.
struct Line {
  const char* end;
  const char* next;
  int32_t width;
};

// Fills a line greedily: spaces and unit boundaries are break points, a unit that
// would pass maxWidth starts the next line (the spaces before it are dropped), a
// line break character ends the line, and a unit wider than a whole line stands alone.
Line MeasureLine(int32_t size, const char* start, int64_t maxWidth) {
  Line line{start, start, 0};
  int32_t pendingSpaces = 0;
  const char* p = start;
  while (*p != 0 && !IsLineBreak(*p)) {
    if (*p == ' ') {
      pendingSpaces += RunWidth(size, p, p + 1);
      ++p;
      continue;
    }
    const char* unitEnd = UnitEnd(p);
    const int32_t unitWidth = RunWidth(size, p, unitEnd);
    if (line.end != start && int64_t{line.width} + pendingSpaces + unitWidth > maxWidth) {
      line.next = p;
      return line;
    }
    line.width += pendingSpaces + unitWidth;
    pendingSpaces = 0;
    line.end = p = unitEnd;
  }
  if (*p == '\r' && p[1] == '\n') ++p;
  line.next = *p != 0 ? p + 1 : p;
  return line;
}

// Sizes are cell heights in pixels; a negative size asks for the same height, 0
// for the default, the everyday 16, and no cell is taller than the screen.
int32_t CellHeight(int32_t size) {
  return size == 0
             ? PRINT_TEXT_SIZE
             : static_cast<int32_t>(std::min<int64_t>(std::abs(int64_t{size}), SCREEN_HEIGHT));
}

}  // namespace

bool InitFonts() {
  return platform::LoadFonts();
}

void ShutdownFonts() {
  platform::UnloadFonts();
}

void AllocateFontRecord() {
  if (FontRecord == nullptr) FontRecord = new LogicalFont{};
}

void FreeFontRecord() {
  delete FontRecord;
  FontRecord = nullptr;
}

void BeginText(int32_t size) {
  assert(Text.surface == nullptr && "BeginText without EndText");
  EndText();  // a bracket left open would keep its surface unlockable for good
  if (FontRecord == nullptr || !platform::FontsLoaded()) return;
  *FontRecord = LogicalFont{};
  FontRecord->height = size;
  FontRecord->weight = FONT_WEIGHT_NORMAL;
  FontRecord->charSet = SHIFTJIS_CHARSET;
  std::strncpy(FontRecord->faceName, STANDARD_GOTHIC, sizeof FontRecord->faceName - 1);
  Surface* surface = DrawTargetSurface();
  if (surface == nullptr) return;
  assert(surface->lockCount == 0 && "text drawn on a locked surface");
  if (GetDC(surface) != DD_OK) return;
  Text.surface = surface;
  Text.size = CellHeight(size);
  Text.textIndex = NearestPaletteIndex(COLOUR_BLACK);
  Text.backIndex = NearestPaletteIndex(COLOUR_WHITE);
  Text.transparent = false;
}

void SetTextColours(uint32_t textColour, uint32_t backgroundColour, int32_t transparent) {
  if (Text.surface == nullptr) return;
  Text.textIndex = NearestPaletteIndex(textColour);
  Text.backIndex = NearestPaletteIndex(backgroundColour);
  if (transparent != 0) Text.transparent = true;
}

void DrawTextAt(int32_t x, int32_t y, const char* text) {
  if (Text.surface == nullptr || text == nullptr) return;
  DrawRun(text, text + std::strlen(text), x, y, SurfaceClip(Text.surface));
}

// Lines run down from the top of the rectangle and are clipped to it; each line is
// placed by the alignment on its own width (trailing spaces left out).
void DrawTextInRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                    int32_t alignment) {
  if (Text.surface == nullptr || text == nullptr) return;
  const Clip surface = SurfaceClip(Text.surface);
  const Clip clip{std::max(left, surface.left), std::max(top, surface.top),
                  std::min(right, surface.right), std::min(bottom, surface.bottom)};
  const int64_t width = int64_t{right} - left;
  int64_t lineTop = top;
  for (const char* p = text; *p != 0 && lineTop < bottom; lineTop += Text.size) {
    const Line line = MeasureLine(Text.size, p, width);
    int64_t x = left + (width - line.width) / 2;
    if (alignment == TEXT_ALIGN_LEFT) x = left;
    if (alignment == TEXT_ALIGN_RIGHT) x = int64_t{right} - line.width;
    DrawRun(p, line.end, x, lineTop, clip);
    p = line.next;
  }
}

int32_t TextWidth(int32_t size, const char* text) {
  if (!platform::FontsLoaded() || text == nullptr) return 0;
  return RunWidth(CellHeight(size), text, text + std::strlen(text));
}

int32_t WrappedLineCount(int32_t size, const char* text, int32_t width) {
  if (!platform::FontsLoaded() || text == nullptr) return 0;
  int32_t lines = 0;
  for (const char* p = text; *p != 0; ++lines) p = MeasureLine(CellHeight(size), p, width).next;
  return lines;
}

void EndText() {
  if (Text.surface == nullptr) return;
  ReleaseDC(Text.surface);
  Text = TextState{};
}

namespace {

void PrintSized(int32_t size, int32_t x, int32_t y, const char* format, va_list arguments) {
  char buffer[PRINT_BUFFER_SIZE];
  std::vsnprintf(buffer, sizeof buffer, format, arguments);  // longer texts are cut short
  BeginText(size);
  SetTextColours(COLOUR_WHITE, COLOUR_BLACK, 0);
  DrawTextAt(x, y, buffer);
  EndText();
}

}  // namespace

void PrintText(int32_t x, int32_t y, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  PrintSized(PRINT_TEXT_SIZE, x, y, format, arguments);
  va_end(arguments);
}

void PrintSmallText(int32_t x, int32_t y, const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  PrintSized(SMALL_TEXT_SIZE, x, y, format, arguments);
  va_end(arguments);
}

}  // namespace gfx
