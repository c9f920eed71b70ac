// Japanese text in a Gothic face on the draw target: the text bracket and printf-style text.
#pragma once

#include <cstdint>

namespace gfx {

// Alignment codes of DrawTextInRect.
constexpr int32_t TEXT_ALIGN_RIGHT = 20;
constexpr int32_t TEXT_ALIGN_LEFT = 21;

// Loads the faces once (false with a message on standard error when missing).
bool InitFonts();
void ShutdownFonts();
// The logical-font record kept from start-up to shutdown.
void AllocateFontRecord();
void FreeFontRecord();

void BeginText(int32_t size);
void SetTextColours(uint32_t textColour, uint32_t backgroundColour, int32_t transparent);
void DrawTextAt(int32_t x, int32_t y, const char* text);
void DrawTextInRect(int32_t left, int32_t top, int32_t right, int32_t bottom, const char* text,
                    int32_t alignment);
void EndText();
// What the text calls make of a text at a size, measured without drawing: its width
// on one line, and the lines DrawTextInRect wraps it into in a rectangle of a width.
// 0 when the fonts are not loaded.
int32_t TextWidth(int32_t size, const char* text);
int32_t WrappedLineCount(int32_t size, const char* text, int32_t width);
void PrintText(int32_t x, int32_t y, const char* format, ...) __attribute__((format(printf, 3, 4)));
void PrintSmallText(int32_t x, int32_t y, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

}  // namespace gfx
