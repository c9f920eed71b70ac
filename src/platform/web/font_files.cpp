// The font file in a web page: IPAGothic, cut down to the characters the game's
// texts use, is among the game's files in data/fonts/. CP932 from the C
// library's Shift_JIS converter and the few characters where the two differ.
#include "platform/font_files.h"

#include <iconv.h>

#include <cstring>

#include "platform/files.h"

namespace platform {

namespace {

const iconv_t NO_CONVERTER = reinterpret_cast<iconv_t>(-1);
iconv_t ToShiftJis = NO_CONVERTER;

// The yen sign and overline, which CP932 codes as the single bytes of the
// backslash and tilde, and Microsoft's forms of characters of the JIS rows, which
// CP932 codes where Shift_JIS codes other forms. (The rows CP932 adds, NEC's and
// IBM's, have no glyphs in the game's JIS fonts and are left without a code.)
struct Cp932Only {
  uint32_t codePoint;
  int32_t count;
  uint8_t bytes[2];
};
constexpr Cp932Only CP932_ONLY[] = {
    {0x00A5, 1, {0x5C}},       {0x203E, 1, {0x7E}},       {0x2014, 2, {0x81, 0x5C}},
    {0x2225, 2, {0x81, 0x61}}, {0xFF0D, 2, {0x81, 0x7C}}, {0xFF3C, 2, {0x81, 0x5F}},
    {0xFF5E, 2, {0x81, 0x60}}, {0xFFE0, 2, {0x81, 0x91}}, {0xFFE1, 2, {0x81, 0x92}},
    {0xFFE2, 2, {0x81, 0xCA}},
};

}  // namespace

FontFile GothicFontFile() {
  return {ProgramFilePath("data/fonts/ipag.ttf"), "it belongs in data/fonts/ipag.ttf of the page"};
}

bool OpenCp932Converter() {
  ToShiftJis = iconv_open("SHIFT_JIS", "UTF-32LE");
  return ToShiftJis != NO_CONVERTER;
}

void CloseCp932Converter() {
  if (ToShiftJis != NO_CONVERTER) iconv_close(ToShiftJis);
  ToShiftJis = NO_CONVERTER;
}

int32_t ToCp932(uint32_t codePoint, uint8_t out[2]) {
  for (const Cp932Only& own : CP932_ONLY) {
    if (own.codePoint != codePoint) continue;
    std::memcpy(out, own.bytes, static_cast<size_t>(own.count));
    return own.count;
  }
  if (ToShiftJis == NO_CONVERTER || codePoint >= 0x10000) return 0;
  const uint8_t utf32[4] = {uint8_t(codePoint), uint8_t(codePoint >> 8), 0, 0};
  char* in = reinterpret_cast<char*>(const_cast<uint8_t*>(utf32));
  size_t inLeft = sizeof utf32;
  char buffer[4];
  char* outPointer = buffer;
  size_t outLeft = sizeof buffer;
  iconv(ToShiftJis, nullptr, nullptr, nullptr, nullptr);
  // This iconv writes '*' for a character it has no code for, and counts it.
  if (iconv(ToShiftJis, &in, &inLeft, &outPointer, &outLeft) != 0) return 0;
  const int32_t count = static_cast<int32_t>(sizeof buffer - outLeft);
  if (count < 1 || count > 2) return 0;
  std::memcpy(out, buffer, static_cast<size_t>(count));
  return count;
}

}  // namespace platform
