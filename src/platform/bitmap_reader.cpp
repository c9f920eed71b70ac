// Decoding bitmap files with SDL's reader, which reads every kind Windows does.
#include "platform/bitmap_reader.h"

#include <SDL.h>

#include <climits>
#include <cstring>
#include <memory>

namespace platform {
namespace {

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

// Copies `bytesPerRow` bytes of every row of a surface into `out`, top row first.
void CopyRows(const SDL_Surface* surface, size_t bytesPerRow, std::vector<uint8_t>* out) {
  out->resize(bytesPerRow * static_cast<size_t>(surface->h));
  const auto* pixels = static_cast<const uint8_t*>(surface->pixels);
  for (int y = 0; y < surface->h; ++y)
    std::memcpy(out->data() + bytesPerRow * static_cast<size_t>(y),
                pixels + static_cast<ptrdiff_t>(y) * surface->pitch, bytesPerRow);
}

// 1-, 4- and 8-bit files: SDL widens every index to a byte.
std::string TakeIndexed(const SDL_Surface* surface, BitmapPicture* picture) {
  const SDL_Palette* palette = surface->format->palette;
  if (surface->format->BytesPerPixel != 1 || palette->ncolors < 1 || palette->ncolors > 256)
    return "unexpected indexed pixel format";
  for (int i = 0; i < palette->ncolors; ++i) {
    const SDL_Color& colour = palette->colors[i];
    picture->colourTable.insert(picture->colourTable.end(), {colour.r, colour.g, colour.b});
  }
  CopyRows(surface, static_cast<size_t>(surface->w), &picture->indices);
  // Run-length codes are not checked against the table by SDL.
  for (const uint8_t index : picture->indices)
    if (index >= palette->ncolors)
      return "pixel index " + std::to_string(index) + " outside colour table";
  return "";
}

// 16-, 24- and 32-bit files: converted to red, green, blue bytes. Blending is
// turned off first, so that an alpha channel cannot darken the colours.
std::string TakeTrueColour(SDL_Surface* surface, BitmapPicture* picture) {
  SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_NONE);
  SurfacePtr rgb(SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGB24, 0), SDL_FreeSurface);
  if (!rgb) return std::string("cannot convert the colours: ") + SDL_GetError();
  CopyRows(rgb.get(), static_cast<size_t>(rgb->w) * 3, &picture->rgb);
  return "";
}

}  // namespace

std::string DecodeBitmapPicture(const uint8_t* data, size_t size, BitmapPicture* picture) {
  *picture = BitmapPicture{};
  if (size > INT_MAX) return "file too large";
  SDL_RWops* source = SDL_RWFromConstMem(data, static_cast<int>(size));
  if (source == nullptr) return std::string("cannot read: ") + SDL_GetError();
  SurfacePtr surface(SDL_LoadBMP_RW(source, 1), SDL_FreeSurface);
  if (!surface) return std::string("cannot decode: ") + SDL_GetError();
  picture->width = surface->w;
  picture->height = surface->h;
  const std::string fault = surface->format->palette ? TakeIndexed(surface.get(), picture)
                                                     : TakeTrueColour(surface.get(), picture);
  if (!fault.empty()) *picture = BitmapPicture{};
  return fault;
}

}  // namespace platform
