// The nine start-up bitmaps and the slots they go to.
#include <string>

#include "app/shell.h"
#include "gfx/surfaces.h"
#include "lang/language.h"
#include "platform/files.h"

namespace app {
namespace {

struct StartupBitmap {
  int32_t slot;
  const char* file;
  int32_t width, height;
  bool worded;  // holds words: each language has its own, in data/<language>/
};

// Slot and file numbers part from slot 4 on: the brand logo sits between them.
constexpr StartupBitmap STARTUP_BITMAPS[] = {
    {1, "graphic1.bmp", 168, 123, false}, {2, "graphic2.bmp", 192, 192, false},
    {3, "graphic3.bmp", 278, 240, false}, {4, "kestrune.bmp", 200, 50, false},
    {5, "graphic4.bmp", 200, 200, true},  {6, "graphic5.bmp", 320, 240, false},
    {7, "graphic6.bmp", 200, 200, false}, {8, "graphic7.bmp", 200, 80, false},
    {9, "graphic8.bmp", 320, 80, true},
};

// The source language's pictures are the plain ones in data/.
std::string BitmapPath(const StartupBitmap& bitmap) {
  const std::string language = lang::SelectedLanguage();
  const bool own = bitmap.worded && language != lang::SOURCE_LANGUAGE;
  return std::string("data/") + (own ? language + "/" : "") + bitmap.file;
}

}  // namespace

std::string LoadGraphics() {
  std::string missing;
  for (const StartupBitmap& bitmap : STARTUP_BITMAPS) {
    const std::string path = BitmapPath(bitmap);
    int32_t loaded = gfx::LoadBitmapToSlot(bitmap.slot, platform::GameFilePath(path).c_str(),
                                           bitmap.width, bitmap.height);
    if (!loaded && missing.empty()) missing = path;
  }
  return missing;
}

}  // namespace app
