// Fuzz target: the colour-table cache reader of the table builder (palfile.dat).
#include <cstdio>
#include <cstring>

#include "fuzz_support.h"
#include "gfx/palette.h"

namespace {

constexpr size_t MIX_BYTES = 256 * 255 / 2;

// A palette bitmap with a spread of colours, written once for every input.
std::string WritePaletteFile() {
  uint8_t bytes[54 + 256 * 4] = {'B', 'M'};
  for (int i = 0; i < 256; ++i) {
    bytes[54 + 4 * i + 0] = static_cast<uint8_t>(i * 37);
    bytes[54 + 4 * i + 1] = static_cast<uint8_t>(i * 11);
    bytes[54 + 4 * i + 2] = static_cast<uint8_t>(255 - i);
  }
  const std::string path = fuzz::ScratchPath("pal.bmp");
  fuzz::WriteScratchFile(path, bytes, sizeof bytes);
  return path;
}

struct Tables {
  uint8_t mix[256 * 256];
  uint8_t remap[14 * 256];
  uint8_t ramp[14 * 256];
};

void TakeTables(Tables* tables) {
  std::memcpy(tables->mix, gfx::MixTable, sizeof tables->mix);
  std::memcpy(tables->remap, gfx::RemapTables, sizeof tables->remap);
  std::memcpy(tables->ramp, gfx::RampTables, sizeof tables->ramp);
}

long FileSize(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return -1;
  std::fseek(file, 0, SEEK_END);
  const long size = std::ftell(file);
  std::fclose(file);
  return size;
}

}  // namespace

#ifdef VAULMOOR_LIBFUZZER
extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

// Most inputs keep the cache's own size: only those reach the decoding of the
// tables, and each one of another size costs a whole computation of them.
extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize,
                                          unsigned int seed) {
  size = LLVMFuzzerMutate(data, size, maxSize);
  const size_t cacheSize = gfx::PALETTE_CACHE_SIZE;
  if (seed % 16 == 0 || maxSize < cacheSize) return size;
  if (size < cacheSize) std::memset(data + size, 0, cacheSize - size);
  return cacheSize;
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string palette = WritePaletteFile();
  static const std::string cache = fuzz::ScratchPath("palfile.dat");
  // The tables computed from the palette, which any refused cache must give.
  static Tables* computed = [] {
    std::remove(cache.c_str());
    fuzz::Require(gfx::BuildColourTables(palette.c_str(), cache.c_str()) == 1, "tables built");
    auto* tables = new Tables;
    TakeTables(tables);
    return tables;
  }();

  fuzz::WriteScratchFile(cache, data, size);
  fuzz::Require(gfx::BuildColourTables(palette.c_str(), cache.c_str()) == 1, "tables built");
  for (int a = 0; a < 256; ++a) {
    fuzz::Require(gfx::MixTable[a * 256 + a] == a, "the mix table's diagonal is the colour");
    for (int b = 0; b < a; ++b)
      fuzz::Require(gfx::MixTable[a * 256 + b] == gfx::MixTable[b * 256 + a],
                    "the mix table is symmetric");
  }
  if (size == gfx::PALETTE_CACHE_SIZE) {
    fuzz::Require(
        gfx::MixTable[1] == data[0] && gfx::MixTable[254 * 256 + 255] == data[MIX_BYTES - 1],
        "a whole cache is taken as it stands");
    fuzz::Require(std::memcmp(gfx::RemapTables, data + MIX_BYTES, sizeof gfx::RemapTables) == 0,
                  "remap rows come from the cache");
    return 0;
  }
  Tables now;
  TakeTables(&now);
  fuzz::Require(std::memcmp(&now, computed, sizeof now) == 0,
                "a cache of the wrong size is not used: the tables are computed");
  fuzz::Require(FileSize(cache) == gfx::PALETTE_CACHE_SIZE, "and the cache is written again");
  return 0;
}
