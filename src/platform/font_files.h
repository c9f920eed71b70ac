// Where the text renderer's font files are on this system, and the system's
// converter to CP932 for the Shinonome fonts' JIS codes (not for callers outside
// the font code).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A font file: its path ("" when it cannot be found) and, for the message when
// it is missing, what the player can do about it.
struct FontFile {
  std::string path;
  std::string remedy;
};

// The IPAGothic face.
FontFile GothicFontFile();

// The converter from Unicode to CP932. False when the system has none.
bool OpenCp932Converter();
void CloseCp932Converter();
// The character's bytes in CP932 (one or two, into out), or 0 when it has none
// or the converter is not open.
int32_t ToCp932(uint32_t codePoint, uint8_t out[2]);

}  // namespace platform
