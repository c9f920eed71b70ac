// Showing the 8-bit picture: converted through the palette into a texture and
// drawn at the largest whole scale that fits, centred on black; and the
// accounting of the notional display memory the log reports.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/core_internal.h"

namespace platform {
namespace {

// The notional display memory: 8 MiB, a typical card of the original's day.
constexpr uint32_t DISPLAY_MEMORY_TOTAL = 8u * 1024 * 1024;

SDL_Renderer* Renderer = nullptr;
SDL_Texture* Picture = nullptr;
int PictureWidth = 0;
int PictureHeight = 0;
uint32_t Palette[256];  // 0xAARRGGBB
uint32_t MemoryInUse = 0;
// The 8-bit picture last converted into the texture, row after row, and whether
// the texture still shows it through the current palette.
std::vector<uint8_t> Shown;
bool ShownIsCurrent = false;
core::PresentListener Presented = nullptr;

uint64_t Word(const uint8_t* bytes) {
  uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  return word;
}

// The first column before limit where two rows differ; limit when none does.
int FirstDifference(const uint8_t* a, const uint8_t* b, int limit) {
  int x = 0;
  while (x + 8 <= limit && Word(a + x) == Word(b + x)) x += 8;
  while (x < limit && a[x] == b[x]) ++x;
  return x;
}

// One past the last column at or after limit where two rows of the given width
// differ; limit when none does.
int LastDifference(const uint8_t* a, const uint8_t* b, int limit, int width) {
  int x = width;
  while (x - 8 >= limit && Word(a + x - 8) == Word(b + x - 8)) x -= 8;
  while (x > limit && a[x - 1] == b[x - 1]) --x;
  return x;
}

// A rectangle of the picture, right and bottom exclusive.
struct Area {
  int left, top, right, bottom;
  bool Empty() const { return left >= right; }
};

// The smallest area that holds every difference from the picture the window
// shows: the whole picture after a palette change or a new display, an empty
// area when the picture is the same.
Area ChangedArea(const uint8_t* pixels, int pitch) {
  if (!ShownIsCurrent) return {0, 0, PictureWidth, PictureHeight};
  Area area{PictureWidth, PictureHeight, 0, 0};
  for (int y = 0; y < PictureHeight; ++y) {
    const uint8_t* now = pixels + y * pitch;
    const uint8_t* was = &Shown[size_t(y) * PictureWidth];
    if (std::memcmp(now, was, PictureWidth) == 0) continue;
    // Only columns outside the area found so far can widen it.
    area.left = FirstDifference(now, was, area.left);
    area.right = LastDifference(now, was, area.right, PictureWidth);
    area.top = std::min(area.top, y);
    area.bottom = y + 1;
  }
  return area;
}

// Where the picture lands in the window: the largest whole scale that fits, centred.
// The renderer's output size is the window's as SDL has it, which KeepFullScreen
// keeps the same as the window system's.
SDL_Rect PictureTarget() {
  int outWidth = 0, outHeight = 0;
  SDL_GetRendererOutputSize(Renderer, &outWidth, &outHeight);
  const core::PictureFit fit = core::FitPicture(outWidth, outHeight, PictureWidth, PictureHeight);
  return {fit.left, fit.top, PictureWidth * fit.scale, PictureHeight * fit.scale};
}

// a / b rounded down, also for a point left of or above the picture.
int FloorDivide(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

void RenderPicture() {
  SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);
  SDL_RenderClear(Renderer);
  const SDL_Rect target = PictureTarget();
  SDL_RenderCopy(Renderer, Picture, nullptr, &target);
  SDL_RenderPresent(Renderer);
}

}  // namespace

namespace core {
PictureFit FitPicture(int outWidth, int outHeight, int pictureWidth, int pictureHeight) {
  const int scale = std::max(1, std::min(outWidth / pictureWidth, outHeight / pictureHeight));
  return {(outWidth - pictureWidth * scale) / 2, (outHeight - pictureHeight * scale) / 2, scale};
}

void WindowPointToPicture(int windowX, int windowY, int windowWidth, int windowHeight, int outWidth,
                          int outHeight, int pictureWidth, int pictureHeight, int* pictureX,
                          int* pictureY) {
  const PictureFit fit = FitPicture(outWidth, outHeight, pictureWidth, pictureHeight);
  // The output's pixels per window point, taken as a fraction so that nothing is lost.
  const int64_t outX = windowWidth > 0 ? int64_t(windowX) * outWidth / windowWidth : windowX;
  const int64_t outY = windowHeight > 0 ? int64_t(windowY) * outHeight / windowHeight : windowY;
  *pictureX = FloorDivide(static_cast<int>(outX) - fit.left, fit.scale);
  *pictureY = FloorDivide(static_cast<int>(outY) - fit.top, fit.scale);
}

bool PointOfPicture(int windowX, int windowY, int* pictureX, int* pictureY) {
  if (!Picture || !Window()) return false;
  int windowWidth = 0, windowHeight = 0, outWidth = 0, outHeight = 0;
  SDL_GetWindowSize(Window(), &windowWidth, &windowHeight);
  SDL_GetRendererOutputSize(Renderer, &outWidth, &outHeight);
  WindowPointToPicture(windowX, windowY, windowWidth, windowHeight, outWidth, outHeight,
                       PictureWidth, PictureHeight, pictureX, pictureY);
  return true;
}

void RefreshDisplay() {
  if (Picture) RenderPicture();
}

std::vector<uint32_t> ReadShownPicture() {
  if (!Picture) return {};
  const SDL_Rect target = PictureTarget();
  std::vector<uint32_t> window(size_t(target.w) * target.h);
  if (SDL_RenderReadPixels(Renderer, &target, SDL_PIXELFORMAT_ARGB8888, window.data(),
                           target.w * 4) != 0)
    return {};
  const int scale = target.w / PictureWidth;
  std::vector<uint32_t> picture;
  for (int y = 0; y < PictureHeight; ++y)
    for (int x = 0; x < PictureWidth; ++x)
      picture.push_back(window[size_t(y) * scale * target.w + size_t(x) * scale] & 0xFFFFFFu);
  return picture;
}
void SetPresentListener(PresentListener listener) {
  Presented = listener;
}
}  // namespace core

bool DisplayOpen(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  PictureWidth = width;
  PictureHeight = height;
  Shown.assign(size_t(width) * height, 0);
  ShownIsCurrent = false;
  if (IsHeadless()) return true;
  if (!core::Window()) return false;
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  Renderer = SDL_CreateRenderer(core::Window(), -1, 0);
  if (Renderer)
    Picture = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                width, height);
  // The picture is opaque: copying it needs no blending (SDL blends a texture
  // with an alpha channel by default, which software renderers pay for per pixel).
  if (Picture) SDL_SetTextureBlendMode(Picture, SDL_BLENDMODE_NONE);
  if (!Picture) {
    std::fprintf(stderr, "vaulmoor: no renderer: %s\n", SDL_GetError());
    DisplayClose();
    return false;
  }
  core::KeepFullScreen();
  return true;
}

void DisplaySetPalette(int first, int count, const uint8_t (*rgb)[3]) {
  for (int i = 0; i < count; ++i) {
    int index = first + i;
    if (index < 0 || index > 255) continue;
    Palette[index] = 0xFF000000u | uint32_t(rgb[i][0]) << 16 | uint32_t(rgb[i][1]) << 8 | rgb[i][2];
  }
  ShownIsCurrent = false;
}

void DisplayShow(const uint8_t* pixels, int pitch) {
  if (!Picture) return;
  if (Presented != nullptr) Presented();
  // Idle scenes show the same picture frame after frame and moving ones change
  // a small part of it, so only the changed area is converted and sent to the
  // texture; an unchanged picture is not drawn again at all (exposures and
  // resizes draw it through RefreshDisplay).
  const Area area = ChangedArea(pixels, pitch);
  if (area.Empty()) return;
  const SDL_Rect changed{area.left, area.top, area.right - area.left, area.bottom - area.top};
  void* texels = nullptr;
  int texturePitch = 0;
  if (SDL_LockTexture(Picture, &changed, &texels, &texturePitch) != 0) return;
  for (int y = area.top; y < area.bottom; ++y) {
    const uint8_t* from = pixels + y * pitch;
    auto* to =
        reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(texels) + (y - area.top) * texturePitch);
    for (int x = area.left; x < area.right; ++x) to[x - area.left] = Palette[from[x]];
    std::memcpy(&Shown[size_t(y) * PictureWidth + area.left], from + area.left,
                area.right - area.left);
  }
  SDL_UnlockTexture(Picture);
  ShownIsCurrent = true;
  RenderPicture();
}

void DisplayClose() {
  if (Picture) SDL_DestroyTexture(Picture);
  if (Renderer) SDL_DestroyRenderer(Renderer);
  Picture = nullptr;
  Renderer = nullptr;
  ShownIsCurrent = false;
}

uint32_t DisplayMemoryTotal() {
  return DISPLAY_MEMORY_TOTAL;
}

uint32_t DisplayMemoryFree() {
  return DISPLAY_MEMORY_TOTAL - std::min(MemoryInUse, DISPLAY_MEMORY_TOTAL);
}

void DisplayMemoryAllocate(uint32_t bytes) {
  MemoryInUse = bytes > UINT32_MAX - MemoryInUse ? UINT32_MAX : MemoryInUse + bytes;
}

void DisplayMemoryRelease(uint32_t bytes) {
  MemoryInUse -= std::min(bytes, MemoryInUse);
}

}  // namespace platform
