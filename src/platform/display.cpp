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

// True when pixels are the picture the window already shows.
bool SameAsShown(const uint8_t* pixels, int pitch) {
  if (!ShownIsCurrent) return false;
  for (int y = 0; y < PictureHeight; ++y)
    if (std::memcmp(pixels + y * pitch, &Shown[size_t(y) * PictureWidth], PictureWidth) != 0)
      return false;
  return true;
}

void RenderPicture() {
  SDL_SetRenderDrawColor(Renderer, 0, 0, 0, 255);
  SDL_RenderClear(Renderer);
  int outWidth = 0, outHeight = 0;
  SDL_GetRendererOutputSize(Renderer, &outWidth, &outHeight);
  int scale = std::max(1, std::min(outWidth / PictureWidth, outHeight / PictureHeight));
  SDL_Rect target{(outWidth - PictureWidth * scale) / 2, (outHeight - PictureHeight * scale) / 2,
                  PictureWidth * scale, PictureHeight * scale};
  SDL_RenderCopy(Renderer, Picture, nullptr, &target);
  SDL_RenderPresent(Renderer);
}

}  // namespace

namespace core {
void RefreshDisplay() {
  if (Picture) RenderPicture();
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
    Picture = SDL_CreateTexture(Renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                width, height);
  if (!Picture) {
    std::fprintf(stderr, "vaulmoor: no renderer: %s\n", SDL_GetError());
    DisplayClose();
    return false;
  }
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
  // Idle scenes show the same picture frame after frame; the window keeps it
  // (exposures and resizes draw it again through RefreshDisplay), so it is
  // neither converted nor drawn again.
  if (SameAsShown(pixels, pitch)) return;
  void* texels = nullptr;
  int texturePitch = 0;
  if (SDL_LockTexture(Picture, nullptr, &texels, &texturePitch) != 0) return;
  for (int y = 0; y < PictureHeight; ++y) {
    const uint8_t* from = pixels + y * pitch;
    auto* to = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(texels) + y * texturePitch);
    for (int x = 0; x < PictureWidth; ++x) to[x] = Palette[from[x]];
    std::memcpy(&Shown[size_t(y) * PictureWidth], from, PictureWidth);
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
