// Software effect copies from slots and in-place effects on the draw target.
#pragma once

#include <cstdint>

namespace gfx {

int32_t BlitAveraged(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                     int32_t sy2, int32_t key);
int32_t BlitShifted(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                    int32_t sy2, int32_t key, int32_t offset);
int32_t BlitMosaic(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                   int32_t sy2, int32_t key, int32_t cellWidth, int32_t cellHeight);
int32_t BlitLogical(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                    int32_t sy2, int32_t mode);
int32_t BlitChecker(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                    int32_t sy2, int32_t cellWidth, int32_t cellHeight, int32_t phase);
int32_t BlitMixed(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                  int32_t sy2, int32_t key);
int32_t BlitRemapped(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                     int32_t sy2, int32_t level, int32_t key);
int32_t BlitStretched(int32_t x, int32_t y, int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2,
                      int32_t sy2, int32_t width, int32_t height, int32_t key);
int32_t BlitRotated(int32_t dx1, int32_t dy1, int32_t dx2, int32_t dy2, int32_t angle,
                    int32_t slot, int32_t sx1, int32_t sy1, int32_t sx2, int32_t sy2, int32_t key);

int32_t MosaicRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t cellWidth,
                   int32_t cellHeight);
int32_t CheckerRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t cellWidth,
                    int32_t cellHeight, int32_t phase, int32_t colour);
int32_t AverageRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour);
int32_t ShiftRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t offset);
int32_t LogicalRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t value, int32_t mode);
int32_t MixRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour);
int32_t SmearRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t direction);
int32_t RemapRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t level);
int32_t ColourFillRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t colour);

}  // namespace gfx
