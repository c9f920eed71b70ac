// Showing the finished frame, the F9 screenshot key and the screenshot writer.
#include "gfx/present.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gfx/bitmap_file.h"
#include "gfx/ddraw.h"
#include "gfx/palette.h"
#include "gfx/surfaces.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "shared/shell_state.h"

namespace gfx {

int32_t ScreenshotKeyLatch = 0;
int32_t ScreenshotNumber = 0;

namespace {

constexpr Rect SCREEN_RECT = {0, 0, SCREEN_WIDTH, SCREEN_HEIGHT};
constexpr int32_t SCREENSHOT_NAMES = 10000;

bool FileExists(const std::string& name) {
  std::FILE* file = std::fopen(name.c_str(), "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

// The surface's 320 x 240 picture; a smaller surface gives index 0 where it has
// no pixels. False when the surface cannot be locked.
bool CapturePicture(Surface* surface, std::vector<uint8_t>& picture) {
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  if (Lock(surface, &pixels, &pitch) != DD_OK) return false;
  picture.assign(SCREEN_WIDTH * SCREEN_HEIGHT, 0);
  const int32_t columns = std::min(SCREEN_WIDTH, surface->width);
  const int32_t rows = std::min(SCREEN_HEIGHT, surface->height);
  for (int32_t y = 0; y < rows; ++y)
    std::memcpy(&picture[static_cast<size_t>(y) * SCREEN_WIDTH],
                pixels + static_cast<ptrdiff_t>(y) * pitch, static_cast<size_t>(columns));
  Unlock(surface);
  return true;
}

int32_t WriteSurfacePicture(const char* fileName, Surface* surface) {
  const std::string path = platform::UserFilePath(platform::UserFile::Screenshot, fileName);
  if (path.empty()) return 0;  // no place for screenshots: the platform layer has said so
  std::vector<uint8_t> picture;
  if (!CapturePicture(surface, picture)) {
    std::fprintf(stderr, "vaulmoor: %s: screenshot not taken: the picture cannot be locked\n",
                 path.c_str());
    return 0;
  }
  uint8_t palette[256][3];
  for (int32_t i = 0; i < 256; ++i) {
    palette[i][0] = PaletteEntries[i].red;
    palette[i][1] = PaletteEntries[i].green;
    palette[i][2] = PaletteEntries[i].blue;
  }
  const std::string fault = WriteBitmap8(path.c_str(), SCREEN_WIDTH, SCREEN_HEIGHT, picture.data(),
                                         SCREEN_WIDTH, palette);
  if (!fault.empty()) {
    std::fprintf(stderr, "vaulmoor: %s: screenshot not written: %s\n", path.c_str(), fault.c_str());
    return 0;
  }
  return 1;
}

// Writes the surface's picture as the first free "scrNNNN.bmp" (free as seen
// beside the game's files: the working directory of a run folder).
void TakeScreenshot(Surface* surface) {
  for (ScreenshotNumber = 0; ScreenshotNumber < SCREENSHOT_NAMES; ++ScreenshotNumber) {
    char name[24];
    std::snprintf(name, sizeof name, "scr%04d.bmp", static_cast<int>(ScreenshotNumber));
    const std::string seen = platform::UserFilePath(platform::UserFile::ScreenshotName, name);
    if (seen.empty()) return;
    if (!FileExists(seen)) {
      WriteSurfacePicture(name, surface);
      return;
    }
  }
}

// One screenshot per press of F9, however long it is held.
void WatchScreenshotKey() {
  const bool down = (platform::GetKeyState(platform::VK_F9) & 0x8000) != 0;
  if (ScreenshotKeyLatch == 0 && down) {
    ScreenshotKeyLatch = 1;
    TakeScreenshot(DrawTargetSurface());
  } else if (ScreenshotKeyLatch == 1 && !down) {
    ScreenshotKeyLatch = 0;
  }
}

}  // namespace

void PresentFrame(int32_t clear, int32_t colour) {
  WatchScreenshotKey();
  if (!PrimarySurface || !BackSurface) return;
  if (shared::PageFlipMode == 0)
    BltFast(PrimarySurface, 0, 0, BackSurface, SCREEN_RECT, false);
  else
    Flip(PrimarySurface, BackSurface);
  platform::DisplayShow(PrimarySurface->pixels.get(), PrimarySurface->pitch);
  if (clear == 1) BltColourFill(BackSurface, SCREEN_RECT, static_cast<uint8_t>(colour));
}

int32_t WriteScreenshot(const char* fileName) {
  return WriteSurfacePicture(fileName, DrawTargetSurface());
}

void TakeShownScreenshot() {
  if (PrimarySurface) TakeScreenshot(PrimarySurface);
}

}  // namespace gfx
