// Fuzz target: the palette bitmap reader (the 256 colours behind the two headers).
#include "fuzz_support.h"
#include "gfx/palette.h"

namespace {
constexpr size_t COLOURS_AT = 54;
constexpr size_t PALETTE_FILE_BYTES = COLOURS_AT + 256 * 4;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = fuzz::ScratchPath("pal.bmp");
  fuzz::WriteScratchFile(path, data, size);
  const int32_t loaded = gfx::LoadPalette(path.c_str());
  fuzz::Require(loaded == (size >= PALETTE_FILE_BYTES ? 1 : 0),
                "a palette loads exactly when its colour entries are all there");
  if (!loaded) return 0;
  for (size_t i = 0; i < 256; ++i) {
    const uint8_t* entry = data + COLOURS_AT + 4 * i;
    const gfx::PaletteEntry& colour = gfx::PaletteEntries[i];
    fuzz::Require(colour.blue == entry[0] && colour.green == entry[1] && colour.red == entry[2] &&
                      colour.flags == entry[3],
                  "colour entries are taken blue, green, red, flags");
  }
  return 0;
}
