// The game's 256 colours: sixteen ramps of sixteen shades, dark to light.
#pragma once

#include <cstdint>

namespace tools {

// Ramp numbers; colour index = ramp * 16 + shade. Index 0 (grey shade 0) is pure
// black, the see-through colour, and grey shade 15 is pure white.
constexpr int32_t RAMP_GREY = 0;
constexpr int32_t RAMP_STONE = 1;   // cellar walls and floor
constexpr int32_t RAMP_FROST = 2;   // chilled floor, ice, snow shadows
constexpr int32_t RAMP_YELLOW = 3;  // cheese paste, wax
constexpr int32_t RAMP_ORANGE = 4;  // orange cheeses, washed rinds
constexpr int32_t RAMP_CREAM = 5;   // white rinds, fresh cheese, snow
constexpr int32_t RAMP_RED = 6;     // red wax, hats
constexpr int32_t RAMP_VEIN = 7;    // blue mould
constexpr int32_t RAMP_SKIN = 8;
constexpr int32_t RAMP_WOOD = 9;
constexpr int32_t RAMP_GREEN = 10;  // rot, sprouts
constexpr int32_t RAMP_PURPLE = 11;
constexpr int32_t RAMP_NAVY = 12;  // clothes, the line snowman's hat
constexpr int32_t RAMP_TEAL = 13;  // brine
constexpr int32_t RAMP_GOLD = 14;  // lamplight, titles
constexpr int32_t RAMP_ROSE = 15;  // cheeks, hearts

constexpr int32_t PALETTE_SHADES = 16;

// The colour index of a shade of a ramp; the shade is clamped to 1..15 so that
// a drawing never yields the see-through index by accident.
constexpr uint8_t Ink(int32_t ramp, int32_t shade) {
  const int32_t s = shade < 1 ? 1 : (shade > 15 ? 15 : shade);
  return static_cast<uint8_t>(ramp * PALETTE_SHADES + s);
}

constexpr uint8_t INK_INK = Ink(RAMP_GREY, 1);  // near-black outline colour, opaque

// Fills rgb with the 256 colours as red, green, blue.
void BuildPalette(uint8_t (*rgb)[3]);

}  // namespace tools
