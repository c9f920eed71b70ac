// An 8-bit indexed picture in memory and the drawing operations the art is made with.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tools {

// Palette index 0: black, and the see-through colour of keyed copies.
constexpr uint8_t INK_CLEAR = 0;

struct Canvas {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // row y at y * width
};

Canvas MakeCanvas(int32_t width, int32_t height, uint8_t fill = INK_CLEAR);

// Reads a pixel; outside the canvas the answer is INK_CLEAR.
uint8_t PixelAt(const Canvas& canvas, int32_t x, int32_t y);
// Every drawing operation clips to the canvas.
void Plot(Canvas& canvas, int32_t x, int32_t y, uint8_t ink);
void FillRect(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ink);
void FrameRect(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ink);
void DrawLine(Canvas& canvas, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t ink);
// Pixels whose centre lies inside the polygon (even-odd rule); points as x, y pairs.
void FillPolygon(Canvas& canvas, const std::vector<double>& points, uint8_t ink);
// Pixels whose centre lies inside the ellipse centred on (cx, cy).
void FillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, uint8_t ink);

// A light level 0..1 turned into one of the shades lo..hi of a palette ramp,
// with ordered dithering so that smooth light shows as a fine pattern.
uint8_t DitheredShade(int32_t ramp, int32_t lo, int32_t hi, double light, int32_t x, int32_t y);
// A ball lit from the upper left, in shades lo..hi of a ramp.
void ShadedEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, int32_t ramp,
                   int32_t lo, int32_t hi);
// A rectangle whose light runs from top to bottom (lightTop to lightBottom).
void ShadedRect(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t ramp,
                int32_t lo, int32_t hi, double lightTop, double lightBottom);

// An upright cylinder (a wheel, a drum) seen a little from above: its top is an
// ellipse of radii rx, ry centred on (cx, top), its side h pixels deep.
void ShadedCylinder(Canvas& canvas, double cx, double top, double rx, double ry, double h,
                    int32_t sideRamp, int32_t sideLo, int32_t sideHi, int32_t topRamp,
                    int32_t topLo, int32_t topHi);
// Scatters ink over the pixels of a region drawn in the ramp 'overRamp', about
// one pixel in every 'sparseness' (seeded, so the pattern repeats).
void Speckle(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t overRamp,
             uint8_t ink, int32_t sparseness, uint32_t seed);

// Rings the opaque pixels of a region with ink: every clear pixel of the region
// that touches an opaque one side-on becomes ink, so sprites read on any floor.
void OutlineRegion(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ink);

// A pixel grid in text: one string per row, one character per pixel. Each
// character is looked up in the legend, whose keys[i] stands for inks[i];
// characters not in the legend ('.' by convention) leave the canvas untouched.
struct Legend {
  std::string keys;
  std::vector<uint8_t> inks;
};
void StampGrid(Canvas& canvas, int32_t x, int32_t y, const std::vector<std::string>& rows,
               const Legend& legend, bool mirrored = false);

// Copies a region of one canvas onto another; clear pixels are skipped when keyed.
void CopyRegion(Canvas& target, int32_t tx, int32_t ty, const Canvas& source, int32_t sx,
                int32_t sy, int32_t w, int32_t h, bool keyed);

// A repeatable pseudo-random value 0..65535 for a pixel position and a seed; the
// art's textures use it so that every run draws the same picture.
uint32_t NoiseAt(int32_t x, int32_t y, uint32_t seed);

}  // namespace tools
