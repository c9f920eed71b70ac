// Writing an 8-bit indexed picture as a PNG file, for the desktop icons.
#pragma once

#include <cstdint>
#include <string>

#include "canvas.h"

namespace tools {

// Writes the canvas as an indexed-colour PNG with the 256 colours of palette;
// index 0 (INK_CLEAR) is fully transparent, every other index opaque. Returns ""
// on success, otherwise what went wrong.
std::string WritePng8(const std::string& path, const Canvas& canvas, const uint8_t (*palette)[3]);

}  // namespace tools
