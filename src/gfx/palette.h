// The 256 palette colours and the colour lookup tables built from them.
#pragma once

#include <cstdint>

namespace gfx {

struct PaletteEntry {
  uint8_t red, green, blue, flags;
};

extern PaletteEntry PaletteEntries[256];
extern uint8_t SavedPalette[256][3];
extern uint8_t MixTable[256 * 256];    // [a][b] at a * 256 + b
extern uint8_t RemapTables[14 * 256];  // [k][c] at k * 256 + c
extern uint8_t RampTables[14 * 256];   // rows 1..13 used

constexpr int32_t PALETTE_CACHE_SIZE = 39552;

int32_t LoadPalette(const char* fileName);
// An empty cacheFile: no cache, the tables are computed and not kept.
int32_t BuildColourTables(const char* paletteFile, const char* cacheFile);
void ApplyPalette(int32_t first, int32_t count);
void SavePalette();
void RestorePalette();

// The index nearest to (r, g, b) among the current PaletteEntries (lowest index
// among equals), as the table builder searches.
// Answers are remembered until PaletteEntries change: text and shapes ask for
// the same few colours frame after frame.
uint8_t NearestPaletteIndex(int32_t r, int32_t g, int32_t b);
// The same for a colour value 0x00BBGGRR, as text and shape calls take them.
uint8_t NearestPaletteIndex(uint32_t colour);

}  // namespace gfx
