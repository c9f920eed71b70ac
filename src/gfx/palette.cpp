// The 256 palette colours and the colour lookup tables built from them.
#include "gfx/palette.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "gfx/surfaces.h"
#include "platform/platform.h"
#include "platform/whole_file.h"

namespace gfx {

PaletteEntry PaletteEntries[256] = {};
uint8_t SavedPalette[256][3] = {};
uint8_t MixTable[256 * 256] = {};
uint8_t RemapTables[14 * 256] = {};
uint8_t RampTables[14 * 256] = {};

namespace {

// The palette file's colour entries start after its two headers.
constexpr long PALETTE_FILE_HEADER_BYTES = 54;
constexpr size_t PALETTE_FILE_BYTES = PALETTE_FILE_HEADER_BYTES + 256 * 4;
// Farthest possible distance: no colour replaces the start unless it is nearer.
constexpr int32_t FARTHEST = 3 * 255 * 255;
constexpr int32_t RAMP_COUNT = 14;  // row 0 is the negative, rows 1..13 ramps

constexpr size_t MIX_CACHE_BYTES = 256 * 255 / 2;
constexpr size_t REMAP_CACHE_OFFSET = MIX_CACHE_BYTES;
constexpr size_t RAMP_CACHE_OFFSET = REMAP_CACHE_OFFSET + RAMP_COUNT * 256;
static_assert(RAMP_CACHE_OFFSET + (RAMP_COUNT - 1) * 256 == PALETTE_CACHE_SIZE);

struct Colour {
  int32_t red, green, blue;
};

int32_t Distance(const Colour& a, const Colour& b) {
  const int32_t dr = a.red - b.red, dg = a.green - b.green, db = a.blue - b.blue;
  return dr * dr + dg * dg + db * db;
}

// Scans the 256 colours in index order and keeps the strictly nearest, so the
// lowest index wins among equals; nothing nearer than the farthest distance
// gives 255. Distance 0 cannot be beaten, so the scan may stop there.
uint8_t Nearest(const Colour (&colours)[256], const Colour& target) {
  int32_t best = FARTHEST;
  int32_t index = -1;
  for (int32_t i = 0; i < 256 && best > 0; ++i) {
    const int32_t distance = Distance(colours[i], target);
    if (distance < best) {
      best = distance;
      index = i;
    }
  }
  return index < 0 ? 255 : static_cast<uint8_t>(index);
}

void CopyColours(Colour (&colours)[256]) {
  for (int32_t i = 0; i < 256; ++i)
    colours[i] = {PaletteEntries[i].red, PaletteEntries[i].green, PaletteEntries[i].blue};
}

// Step i (0..255) of ramp k (1..13). Ramps 1..6 run black, hue, white with the
// break at 128; 7 is grey; 8..13 pass through two hues with breaks at 85, 170.
Colour RampColour(int32_t k, int32_t i) {
  if (k == 7) return {i, i, i};
  if (k < 7) {
    // Which channels carry the hue: red, green, blue, yellow, magenta, cyan.
    static constexpr bool HUE[7][3] = {{},
                                       {true, false, false},
                                       {false, true, false},
                                       {false, false, true},
                                       {true, true, false},
                                       {true, false, true},
                                       {false, true, true}};
    const int32_t rising = i < 128 ? 2 * i : 255;
    const int32_t other = i < 128 ? 0 : 2 * i - 256;
    return {HUE[k][0] ? rising : other, HUE[k][1] ? rising : other, HUE[k][2] ? rising : other};
  }
  const int32_t first = i < 85 ? 3 * i : 255;
  const int32_t second = i < 85 ? 0 : i < 170 ? 3 * (i - 85) : 255;
  const int32_t third = i < 170 ? 0 : 3 * (i - 170);
  // Channel (0 red, 1 green, 2 blue) that comes first, second and third.
  static constexpr int32_t ORDER[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2},
                                          {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
  int32_t channel[3];
  channel[ORDER[k - 8][0]] = first;
  channel[ORDER[k - 8][1]] = second;
  channel[ORDER[k - 8][2]] = third;
  return {channel[0], channel[1], channel[2]};
}

void MirrorMixTable() {
  for (int32_t a = 0; a < 256; ++a) {
    MixTable[a * 256 + a] = static_cast<uint8_t>(a);
    for (int32_t b = 0; b < a; ++b) MixTable[a * 256 + b] = MixTable[b * 256 + a];
  }
}

void ComputeMixTable(const Colour (&colours)[256]) {
  for (int32_t a = 0; a < 256; ++a)
    for (int32_t b = a + 1; b < 256; ++b)
      MixTable[a * 256 + b] = Nearest(colours, {(colours[a].red + colours[b].red) / 2,
                                                (colours[a].green + colours[b].green) / 2,
                                                (colours[a].blue + colours[b].blue) / 2});
  MirrorMixTable();
}

void ComputeRampTables(const Colour (&colours)[256]) {
  for (int32_t c = 0; c < 256; ++c) {
    const Colour& colour = colours[c];
    RemapTables[c] = Nearest(colours, {255 - colour.red, 255 - colour.green, 255 - colour.blue});
    for (int32_t k = 1; k < RAMP_COUNT; ++k)
      RampTables[k * 256 + c] = Nearest(colours, RampColour(k, c));
  }
}

// Remap row k takes, for each colour, the nearest of ramp k's entries in step
// order. Repeated entries cannot win over their first appearance, so only the
// distinct ones are scanned.
void ComputeRemapTables(const Colour (&colours)[256]) {
  for (int32_t k = 1; k < RAMP_COUNT; ++k) {
    const uint8_t* ramp = &RampTables[k * 256];
    uint8_t candidates[256];
    int32_t count = 0;
    bool listed[256] = {};
    for (int32_t j = 0; j < 256; ++j) {
      if (listed[ramp[j]]) continue;
      listed[ramp[j]] = true;
      candidates[count++] = ramp[j];
    }
    for (int32_t c = 0; c < 256; ++c) {
      int32_t best = FARTHEST;
      int32_t index = -1;
      for (int32_t j = 0; j < count && best > 0; ++j) {
        const int32_t distance = Distance(colours[candidates[j]], colours[c]);
        if (distance < best) {
          best = distance;
          index = candidates[j];
        }
      }
      RemapTables[k * 256 + c] = index < 0 ? 255 : static_cast<uint8_t>(index);
    }
  }
}

void EncodeCache(uint8_t* out) {
  for (int32_t a = 0; a < 256; ++a)
    for (int32_t b = a + 1; b < 256; ++b) *out++ = MixTable[a * 256 + b];
  std::memcpy(out, RemapTables, RAMP_COUNT * 256);
  std::memcpy(out + RAMP_COUNT * 256, RampTables + 256, (RAMP_COUNT - 1) * 256);
}

void DecodeCache(const uint8_t* in) {
  for (int32_t a = 0; a < 256; ++a)
    for (int32_t b = a + 1; b < 256; ++b) MixTable[a * 256 + b] = *in++;
  MirrorMixTable();
  std::memcpy(RemapTables, in, RAMP_COUNT * 256);
  std::memcpy(RampTables + 256, in + RAMP_COUNT * 256, (RAMP_COUNT - 1) * 256);
}

// Reads the cache when it exists and has exactly the cache's size; anything
// else (cut short, too long, unreadable, not a file) is not trusted and the
// tables are built.
bool ReadCache(const char* cacheFile) {
  std::string bytes, problem;
  const platform::WholeFile read =
      platform::ReadWholeFile(cacheFile, PALETTE_CACHE_SIZE, &bytes, &problem);
  if (read == platform::WholeFile::Missing) return false;
  if (read == platform::WholeFile::Refused || bytes.size() != PALETTE_CACHE_SIZE) {
    std::fprintf(stderr, "vaulmoor: %s: not a %d-byte colour-table cache, tables rebuilt\n",
                 cacheFile, PALETTE_CACHE_SIZE);
    return false;
  }
  DecodeCache(reinterpret_cast<const uint8_t*>(bytes.data()));
  return true;
}

void WriteCache(const char* cacheFile) {
  static uint8_t bytes[PALETTE_CACHE_SIZE];
  EncodeCache(bytes);
  std::FILE* file = std::fopen(cacheFile, "wb");
  if (!file) {
    std::fprintf(stderr, "vaulmoor: %s: cannot create: %s\n", cacheFile, std::strerror(errno));
    return;
  }
  const bool written = std::fwrite(bytes, 1, sizeof bytes, file) == sizeof bytes;
  if (std::fclose(file) != 0 || !written)
    std::fprintf(stderr, "vaulmoor: %s: write error\n", cacheFile);
}

}  // namespace

int32_t LoadPalette(const char* fileName) {
  std::FILE* file = std::fopen(fileName, "rb");
  if (!file) {
    std::fprintf(stderr, "vaulmoor: %s: cannot open: %s\n", fileName, std::strerror(errno));
    return 0;
  }
  uint8_t bytes[PALETTE_FILE_BYTES];
  const size_t got = std::fread(bytes, 1, sizeof bytes, file);
  const int readError = std::ferror(file) ? errno : 0;
  std::fclose(file);
  if (readError != 0) {
    std::fprintf(stderr, "vaulmoor: %s: cannot read: %s\n", fileName, std::strerror(readError));
    return 0;
  }
  if (got != sizeof bytes) {
    std::fprintf(stderr, "vaulmoor: %s: shorter than %zu bytes\n", fileName, sizeof bytes);
    return 0;
  }
  const uint8_t* entry = bytes + PALETTE_FILE_HEADER_BYTES;
  for (PaletteEntry& colour : PaletteEntries) {
    colour = {entry[2], entry[1], entry[0], entry[3]};
    entry += 4;
  }
  ApplyPalette(0, 256);
  return 1;
}

int32_t BuildColourTables(const char* paletteFile, const char* cacheFile) {
  if (!LoadPalette(paletteFile)) return 0;
  if (ReadCache(cacheFile)) return 1;
  // The searches use the colours as they are now, whatever happens meanwhile.
  Colour colours[256];
  CopyColours(colours);
  ComputeMixTable(colours);
  ComputeRampTables(colours);
  ComputeRemapTables(colours);
  if (cacheFile[0] != '\0') WriteCache(cacheFile);
  return 1;
}

void ApplyPalette(int32_t first, int32_t count) {
  if (count < 1 || count > 256 || first < 0 || first > 255 || first + count > 256) return;
  for (int32_t i = first; i < first + count; ++i) {
    DisplayPalette[i][0] = PaletteEntries[i].red;
    DisplayPalette[i][1] = PaletteEntries[i].green;
    DisplayPalette[i][2] = PaletteEntries[i].blue;
  }
  platform::DisplaySetPalette(first, count, &DisplayPalette[first]);
}

void SavePalette() {
  for (int32_t i = 0; i < 256; ++i) {
    SavedPalette[i][0] = PaletteEntries[i].red;
    SavedPalette[i][1] = PaletteEntries[i].green;
    SavedPalette[i][2] = PaletteEntries[i].blue;
  }
}

void RestorePalette() {
  for (int32_t i = 0; i < 256; ++i) {
    PaletteEntries[i].red = SavedPalette[i][0];
    PaletteEntries[i].green = SavedPalette[i][1];
    PaletteEntries[i].blue = SavedPalette[i][2];
  }
}

uint8_t NearestPaletteIndex(int32_t r, int32_t g, int32_t b) {
  struct Answer {
    bool known;
    int32_t r, g, b;
    uint8_t index;
  };
  static PaletteEntry answeredFor[256];
  static Answer answers[16];
  if (std::memcmp(answeredFor, PaletteEntries, sizeof PaletteEntries) != 0) {
    std::memcpy(answeredFor, PaletteEntries, sizeof PaletteEntries);
    for (Answer& answer : answers) answer.known = false;
  }
  Answer& answer = answers[static_cast<uint32_t>(r * 5 + g * 3 + b) % 16];
  if (answer.known && answer.r == r && answer.g == g && answer.b == b) return answer.index;
  Colour colours[256];
  CopyColours(colours);
  answer = {true, r, g, b, Nearest(colours, {r, g, b})};
  return answer.index;
}

uint8_t NearestPaletteIndex(uint32_t colour) {
  return NearestPaletteIndex(int32_t(colour & 0xFF), int32_t((colour >> 8) & 0xFF),
                             int32_t((colour >> 16) & 0xFF));
}

}  // namespace gfx
