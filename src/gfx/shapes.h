// Shapes and scaled copies on the draw target, in 24-bit colours drawn as the nearest palette entry.
#pragma once

#include <cstdint>

namespace gfx {

struct Point {
  int32_t x, y;
};

void StretchBlitKeyed(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, int32_t width, int32_t height);
void StretchBlitOpaque(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top,
                       int32_t right, int32_t bottom, int32_t width, int32_t height);
void SetPixelColour(int32_t x, int32_t y, uint32_t colour);
void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, uint32_t colour, int32_t penWidth);
void DrawRectangle(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t fillColour,
                   uint32_t penColour, int32_t penWidth);
void DrawPolygon(const Point* points, int32_t count, uint32_t fillColour, uint32_t penColour,
                 int32_t penWidth);
void DrawBezier(const Point* points, int32_t count, uint32_t penColour, int32_t penWidth);

}  // namespace gfx
