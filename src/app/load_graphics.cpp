// The nine start-up bitmaps and the slots they go to.
#include "app/shell.h"
#include "gfx/surfaces.h"

namespace app {
namespace {

struct StartupBitmap {
  int32_t slot;
  const char* file;
  int32_t width, height;
};

// Slot and file numbers part from slot 4 on: the brand logo sits between them.
constexpr StartupBitmap STARTUP_BITMAPS[] = {
    {1, "data/graphic1.bmp", 168, 123}, {2, "data/graphic2.bmp", 192, 192},
    {3, "data/graphic3.bmp", 278, 240}, {4, "data/kestrune.bmp", 200, 50},
    {5, "data/graphic4.bmp", 200, 200}, {6, "data/graphic5.bmp", 320, 240},
    {7, "data/graphic6.bmp", 200, 200}, {8, "data/graphic7.bmp", 200, 80},
    {9, "data/graphic8.bmp", 320, 80},
};

}  // namespace

const char* LoadGraphics() {
  const char* missing = nullptr;
  for (const StartupBitmap& bitmap : STARTUP_BITMAPS) {
    int32_t loaded = gfx::LoadBitmapToSlot(bitmap.slot, bitmap.file, bitmap.width, bitmap.height);
    if (!loaded && !missing) missing = bitmap.file;
  }
  return missing;
}

}  // namespace app
