// Decoding bitmap files: the pixels of 16- and 32-bit files by their channel masks, SDL's
// reader for every other kind Windows reads.
#include "platform/bitmap_reader.h"

#include <SDL.h>

#include <bit>
#include <climits>
#include <cstring>
#include <memory>

namespace platform {
namespace {

constexpr size_t FILE_HEADER_BYTES = 14;
constexpr uint32_t INFO_HEADER_BYTES = 40;
constexpr uint32_t BI_RGB = 0;
constexpr uint32_t BI_BITFIELDS = 3;

uint32_t ReadU32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

// One colour channel of a pixel: where its bits lie and how many there are.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t largest = 0;  // the channel's value with all its bits set

  // The channel of a pixel scaled to 0..255, rounded to the nearest.
  uint8_t Of(uint32_t pixel) const {
    if (largest == 0) return 0;
    const uint64_t value = (pixel & mask) >> shift;
    return static_cast<uint8_t>((value * 255 + largest / 2) / largest);
  }
};

// A mask's channel; "" or why the mask cannot be one (its bits must be one run inside
// the pixel).
std::string MakeChannel(uint32_t mask, uint32_t bitsPerPixel, Channel* channel) {
  channel->mask = mask;
  if (mask == 0) return "";
  channel->shift = std::countr_zero(mask);
  const uint32_t run = mask >> channel->shift;
  if ((run & (run + 1)) != 0)
    return "channel mask " + std::to_string(mask) + " is not one run of bits";
  if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0)
    return "channel mask " + std::to_string(mask) + " lies outside the pixel";
  channel->largest = run;
  return "";
}

// The red, green and blue masks of a 16- or 32-bit file: the ones it states (after the
// 40-byte header, or as the next fields of a longer one), or for an uncompressed file
// 5-5-5 and 8-8-8. False for every other kind of file, which SDL reads.
bool ChannelMasks(const uint8_t* data, size_t size, uint32_t masks[3]) {
  if (size < FILE_HEADER_BYTES + INFO_HEADER_BYTES) return false;
  const uint8_t* info = data + FILE_HEADER_BYTES;
  const uint32_t bitsPerPixel = info[14] | uint32_t{info[15]} << 8;
  const uint32_t compression = ReadU32(info + 16);
  if (ReadU32(info) < INFO_HEADER_BYTES || (bitsPerPixel != 16 && bitsPerPixel != 32)) return false;
  if (compression == BI_RGB) {
    const uint32_t bitsPerChannel = bitsPerPixel == 16 ? 5 : 8;
    const uint32_t channel = (1u << bitsPerChannel) - 1;
    masks[0] = channel << 2 * bitsPerChannel;
    masks[1] = channel << bitsPerChannel;
    masks[2] = channel;
    return true;
  }
  if (compression != BI_BITFIELDS || size < FILE_HEADER_BYTES + INFO_HEADER_BYTES + 12)
    return false;
  for (int i = 0; i < 3; ++i) masks[i] = ReadU32(info + INFO_HEADER_BYTES + 4 * i);
  return true;
}

// A 16- or 32-bit file with channel masks: each pixel's channels read by the masks and
// scaled to 8 bits, whatever their order and width. An alpha channel is not kept.
std::string DecodeMaskedPixels(const uint8_t* data, size_t size, const uint32_t masks[3],
                               BitmapPicture* picture) {
  const uint8_t* info = data + FILE_HEADER_BYTES;
  const int64_t width = static_cast<int32_t>(ReadU32(info + 4));
  const int64_t rawHeight = static_cast<int32_t>(ReadU32(info + 8));
  const int64_t height = rawHeight < 0 ? -rawHeight : rawHeight;
  const uint32_t bitsPerPixel = info[14] | uint32_t{info[15]} << 8;
  const uint32_t bytesPerPixel = bitsPerPixel / 8;
  if (width <= 0 || height <= 0)
    return "image size " + std::to_string(width) + "x" + std::to_string(rawHeight) +
           " is not a picture";
  Channel channels[3];
  for (int i = 0; i < 3; ++i)
    if (std::string fault = MakeChannel(masks[i], bitsPerPixel, &channels[i]); !fault.empty())
      return fault;
  const uint64_t rowBytes = (static_cast<uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
  const uint64_t offset = ReadU32(data + 10);
  if (offset > size || rowBytes * static_cast<uint64_t>(height) > size - offset)
    return "pixel data runs past the end";
  picture->width = static_cast<int32_t>(width);
  picture->height = static_cast<int32_t>(height);
  picture->rgb.resize(static_cast<size_t>(width * height) * 3);
  uint8_t* out = picture->rgb.data();
  for (int64_t y = 0; y < height; ++y) {
    const int64_t stored = rawHeight < 0 ? y : height - 1 - y;
    const uint8_t* row = data + offset + static_cast<uint64_t>(stored) * rowBytes;
    for (int64_t x = 0; x < width; ++x) {
      const uint8_t* bytes = row + x * bytesPerPixel;
      const uint32_t pixel =
          bytesPerPixel == 2 ? bytes[0] | uint32_t{bytes[1]} << 8 : ReadU32(bytes);
      for (const Channel& channel : channels) *out++ = channel.Of(pixel);
    }
  }
  return "";
}

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

// 24-bit files (and 16- and 32-bit ones of the old core header): converted to red, green,
// blue bytes. Blending is turned off first, so that an alpha channel cannot darken the
// colours.
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
  // SDL makes a surface of the file's own pixel format, and has none for most masks; all
  // 16- and 32-bit pixels are read here, so that equal channels give equal colours.
  if (uint32_t masks[3]; ChannelMasks(data, size, masks)) {
    const std::string fault = DecodeMaskedPixels(data, size, masks, picture);
    if (!fault.empty()) *picture = BitmapPicture{};
    return fault;
  }
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
