// The font file on Windows: IPAGothic travels with the game in data/fonts/
// beside the program, as the Shinonome bitmap fonts do on every system; Windows'
// own code page 932 converter gives the JIS codes.
#include "platform/font_files.h"

#include <windows.h>

#include "platform/files.h"

namespace platform {

namespace {

constexpr const char* FONT_FOLDER = "data/fonts/";
constexpr UINT CP932 = 932;

// Found nowhere, the path in the program's folder, where opening it then fails.
FontFile GameFont(const char* name) {
  const std::string file = std::string(FONT_FOLDER) + name;
  return {ProgramFilePath(file), "it belongs in " + file + " beside the program"};
}

}  // namespace

FontFile GothicFontFile() {
  return GameFont("ipag.ttf");
}

bool OpenCp932Converter() {
  return IsValidCodePage(CP932) != 0;
}

// The system's converter is there for the asking: nothing to close.
void CloseCp932Converter() {}

int32_t ToCp932(uint32_t codePoint, uint8_t out[2]) {
  if (codePoint >= 0x10000) return 0;  // CP932 has nothing beyond the basic plane
  const wchar_t character = static_cast<wchar_t>(codePoint);
  char bytes[2];
  BOOL unmapped = FALSE;
  // No best fit: a character CP932 lacks is missing, not a look-alike.
  const int count =
      WideCharToMultiByte(CP932, WC_NO_BEST_FIT_CHARS, &character, 1, bytes, 2, nullptr, &unmapped);
  if (count < 1 || unmapped) return 0;
  for (int i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(bytes[i]);
  return count;
}

}  // namespace platform
