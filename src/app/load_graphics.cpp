// Loads the nine start-up bitmaps into their slots, in the selected language.
#include <string>

#include "app/shell.h"
#include "app/startup_bitmaps.h"
#include "gfx/surfaces.h"
#include "lang/language.h"
#include "platform/files.h"

namespace app {
namespace {

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
