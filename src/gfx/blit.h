// Clipped rectangle copies between sprite slots and the back buffer.
#pragma once

#include <cstdint>

namespace gfx {

void BlitKeyed(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
               int32_t bottom);
void BlitOpaque(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
                int32_t bottom);
void BlitKeyedToSlot(int32_t destSlot, int32_t x, int32_t y, int32_t sourceSlot, int32_t left,
                     int32_t top, int32_t right, int32_t bottom);
void BlitOpaqueToSlot(int32_t destSlot, int32_t x, int32_t y, int32_t sourceSlot, int32_t left,
                      int32_t top, int32_t right, int32_t bottom);
void GrabKeyed(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
               int32_t bottom);
void GrabOpaque(int32_t x, int32_t y, int32_t slot, int32_t left, int32_t top, int32_t right,
                int32_t bottom);

}  // namespace gfx
