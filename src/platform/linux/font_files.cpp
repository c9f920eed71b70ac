// The font file on Linux: IPAGothic found through fontconfig; and iconv's CP932.
#include "platform/font_files.h"

#include <fontconfig/fontconfig.h>
#include <iconv.h>

#include <cstring>

namespace platform {

namespace {

constexpr const char* GOTHIC_FAMILY = "IPAGothic";

const iconv_t NO_CONVERTER = reinterpret_cast<iconv_t>(-1);
iconv_t ToCp932Converter = NO_CONVERTER;

// The file of the IPAGothic face, or an empty string when fontconfig has no such family
// (fontconfig always answers with its best match, so the family is checked).
std::string FindGothicFile() {
  std::string file;
  if (!FcInit()) return file;
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(GOTHIC_FAMILY));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  if (match != nullptr) {
    bool isGothic = false;
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
      if (std::strcmp(reinterpret_cast<const char*>(family), GOTHIC_FAMILY) == 0) isGothic = true;
    }
    FcChar8* path = nullptr;
    if (isGothic && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
      file = reinterpret_cast<const char*>(path);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  FcFini();  // the path is all that is needed; fontconfig's caches go now
  return file;
}

}  // namespace

FontFile GothicFontFile() {
  return {FindGothicFile(), "install the Debian package fonts-ipafont-gothic"};
}

bool OpenCp932Converter() {
  ToCp932Converter = iconv_open("CP932", "UTF-8");
  return ToCp932Converter != NO_CONVERTER;
}

void CloseCp932Converter() {
  if (ToCp932Converter != NO_CONVERTER) iconv_close(ToCp932Converter);
  ToCp932Converter = NO_CONVERTER;
}

int32_t ToCp932(uint32_t codePoint, uint8_t out[2]) {
  char utf8[4];
  size_t length = 0;
  if (codePoint < 0x800) {
    utf8[0] = static_cast<char>(0xC0 | codePoint >> 6);
    utf8[1] = static_cast<char>(0x80 | (codePoint & 0x3F));
    length = 2;
  } else if (codePoint < 0x10000) {
    utf8[0] = static_cast<char>(0xE0 | codePoint >> 12);
    utf8[1] = static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    utf8[2] = static_cast<char>(0x80 | (codePoint & 0x3F));
    length = 3;
  } else {
    return 0;  // CP932 has nothing beyond the basic plane
  }
  if (ToCp932Converter == NO_CONVERTER) return 0;
  char* in = utf8;
  char buffer[4];
  char* outPointer = buffer;
  size_t outLeft = sizeof buffer;
  iconv(ToCp932Converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(ToCp932Converter, &in, &length, &outPointer, &outLeft) == static_cast<size_t>(-1)) {
    return 0;
  }
  int32_t count = static_cast<int32_t>(sizeof buffer - outLeft);
  if (count < 1 || count > 2) return 0;
  std::memcpy(out, buffer, static_cast<size_t>(count));
  return count;
}

}  // namespace platform
