// The game's 256 colours, each ramp blended through a dark, a middle and a light colour.
#include "art_palette.h"

namespace tools {
namespace {

struct RampAnchors {
  uint8_t dark[3], middle[3], light[3];
};

// Shade 0 takes the dark colour, shade 8 the middle one and shade 15 the light one.
constexpr RampAnchors RAMPS[PALETTE_SHADES] = {
    {{0, 0, 0}, {120, 120, 124}, {255, 255, 255}},     // grey
    {{22, 18, 17}, {98, 86, 76}, {206, 194, 176}},     // stone
    {{10, 18, 44}, {66, 120, 190}, {236, 248, 255}},   // frost
    {{52, 32, 6}, {222, 172, 44}, {255, 250, 206}},    // yellow
    {{48, 16, 2}, {230, 112, 22}, {255, 224, 164}},    // orange
    {{62, 56, 42}, {214, 204, 176}, {255, 255, 246}},  // cream
    {{42, 4, 6}, {204, 32, 30}, {255, 196, 186}},      // red
    {{14, 26, 42}, {72, 112, 144}, {194, 218, 228}},   // blue vein
    {{54, 26, 16}, {222, 160, 120}, {255, 234, 214}},  // skin
    {{28, 14, 6}, {134, 82, 40}, {234, 194, 142}},     // wood
    {{8, 26, 8}, {82, 160, 52}, {222, 255, 192}},      // green
    {{26, 8, 32}, {132, 52, 152}, {242, 204, 255}},    // purple
    {{10, 12, 36}, {52, 72, 164}, {204, 214, 255}},    // navy
    {{6, 30, 36}, {42, 142, 152}, {204, 252, 252}},    // teal
    {{42, 22, 0}, {255, 182, 42}, {255, 255, 224}},    // gold
    {{42, 10, 22}, {222, 92, 132}, {255, 222, 236}},   // rose
};

uint8_t Blend(uint8_t from, uint8_t to, int32_t step, int32_t steps) {
  return static_cast<uint8_t>(from + ((to - from) * step + steps / 2) / steps);
}

}  // namespace

void BuildPalette(uint8_t (*rgb)[3]) {
  for (int32_t ramp = 0; ramp < PALETTE_SHADES; ++ramp) {
    const RampAnchors& a = RAMPS[ramp];
    for (int32_t shade = 0; shade < PALETTE_SHADES; ++shade) {
      uint8_t* out = rgb[ramp * PALETTE_SHADES + shade];
      for (int32_t c = 0; c < 3; ++c) {
        out[c] = shade <= 8 ? Blend(a.dark[c], a.middle[c], shade, 8)
                            : Blend(a.middle[c], a.light[c], shade - 8, 7);
      }
    }
  }
}

}  // namespace tools
