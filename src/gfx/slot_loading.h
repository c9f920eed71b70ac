// Reading the pictures that fill sprite slots from bitmap files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/bitmap_reader.h"

namespace gfx {

// Decodes bitmap file bytes for a colour-matched slot load: the headers are
// checked against the data's size first (ReadBitmapHeader), then the system's
// reader decodes the pixels, whatever their depth and compression. "" on
// success, else the fault (the picture is then empty).
std::string DecodeSlotPicture(const uint8_t* data, size_t size, platform::BitmapPicture* picture);

}  // namespace gfx
