// Drawing operations on an 8-bit indexed picture: rectangles, lines, ellipses,
// dithered shading, outlines and text pixel grids.
#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "art_palette.h"

namespace tools {

Canvas MakeCanvas(int32_t width, int32_t height, uint8_t fill) {
  Canvas canvas;
  canvas.width = width;
  canvas.height = height;
  canvas.pixels.assign(static_cast<size_t>(width) * height, fill);
  return canvas;
}

uint8_t PixelAt(const Canvas& canvas, int32_t x, int32_t y) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return INK_CLEAR;
  return canvas.pixels[static_cast<size_t>(y) * canvas.width + x];
}

void Plot(Canvas& canvas, int32_t x, int32_t y, uint8_t ink) {
  if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return;
  canvas.pixels[static_cast<size_t>(y) * canvas.width + x] = ink;
}

void FillRect(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ink) {
  for (int32_t j = y; j < y + h; ++j) {
    for (int32_t i = x; i < x + w; ++i) Plot(canvas, i, j, ink);
  }
}

void FrameRect(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ink) {
  FillRect(canvas, x, y, w, 1, ink);
  FillRect(canvas, x, y + h - 1, w, 1, ink);
  FillRect(canvas, x, y, 1, h, ink);
  FillRect(canvas, x + w - 1, y, 1, h, ink);
}

void DrawLine(Canvas& canvas, int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t ink) {
  // Bresenham's walk, so lines of any slope are one pixel wide and gap-free.
  const int32_t dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int32_t dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int32_t err = dx + dy;
  for (;;) {
    Plot(canvas, x0, y0, ink);
    if (x0 == x1 && y0 == y1) return;
    const int32_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

namespace {

// Calls visit(x, y, nx, ny) for each pixel centre inside the ellipse, with
// (nx, ny) the position scaled so that the rim lies at distance 1.
template <typename Visit>
void ForEachInEllipse(const Canvas& canvas, double cx, double cy, double rx, double ry,
                      Visit visit) {
  const int32_t top = std::max(0, static_cast<int32_t>(std::floor(cy - ry)));
  const int32_t bottom = std::min(canvas.height - 1, static_cast<int32_t>(std::ceil(cy + ry)));
  const int32_t left = std::max(0, static_cast<int32_t>(std::floor(cx - rx)));
  const int32_t right = std::min(canvas.width - 1, static_cast<int32_t>(std::ceil(cx + rx)));
  for (int32_t y = top; y <= bottom; ++y) {
    for (int32_t x = left; x <= right; ++x) {
      const double nx = (x + 0.5 - cx) / rx, ny = (y + 0.5 - cy) / ry;
      if (nx * nx + ny * ny <= 1.0) visit(x, y, nx, ny);
    }
  }
}

constexpr int32_t BAYER4[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

}  // namespace

void FillEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, uint8_t ink) {
  ForEachInEllipse(canvas, cx, cy, rx, ry,
                   [&](int32_t x, int32_t y, double, double) { Plot(canvas, x, y, ink); });
}

uint8_t DitheredShade(int32_t ramp, int32_t lo, int32_t hi, double light, int32_t x, int32_t y) {
  const double level = lo + std::clamp(light, 0.0, 1.0) * (hi - lo);
  const int32_t base = static_cast<int32_t>(std::floor(level));
  const double fraction = level - base;
  const double threshold = (BAYER4[y & 3][x & 3] + 0.5) / 16.0;
  return Ink(ramp, fraction > threshold ? base + 1 : base);
}

void ShadedEllipse(Canvas& canvas, double cx, double cy, double rx, double ry, int32_t ramp,
                   int32_t lo, int32_t hi) {
  ForEachInEllipse(canvas, cx, cy, rx, ry, [&](int32_t x, int32_t y, double nx, double ny) {
    // A sphere's normal against a light from the upper left and the viewer.
    const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
    const double light = 0.15 + 0.85 * std::max(0.0, -0.45 * nx - 0.55 * ny + 0.7 * nz);
    Plot(canvas, x, y, DitheredShade(ramp, lo, hi, light, x, y));
  });
}

void ShadedRect(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t ramp,
                int32_t lo, int32_t hi, double lightTop, double lightBottom) {
  for (int32_t j = 0; j < h; ++j) {
    const double t = h > 1 ? static_cast<double>(j) / (h - 1) : 0.0;
    const double light = lightTop + (lightBottom - lightTop) * t;
    for (int32_t i = 0; i < w; ++i) {
      Plot(canvas, x + i, y + j, DitheredShade(ramp, lo, hi, light, x + i, y + j));
    }
  }
}

void FillPolygon(Canvas& canvas, const std::vector<double>& points, uint8_t ink) {
  const size_t n = points.size() / 2;
  for (int32_t y = 0; y < canvas.height; ++y) {
    for (int32_t x = 0; x < canvas.width; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      bool inside = false;
      for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = points[2 * i], yi = points[2 * i + 1];
        const double xj = points[2 * j], yj = points[2 * j + 1];
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi) {
          inside = !inside;
        }
      }
      if (inside) Plot(canvas, x, y, ink);
    }
  }
}

void ShadedCylinder(Canvas& canvas, double cx, double top, double rx, double ry, double h,
                    int32_t sideRamp, int32_t sideLo, int32_t sideHi, int32_t topRamp,
                    int32_t topLo, int32_t topHi) {
  // The side: everything between the top ellipse and the same ellipse h lower,
  // lit from the left like a round surface.
  auto side = [&](int32_t x, int32_t y, double nx, double) {
    const double light =
        0.15 +
        0.85 * std::clamp(0.75 * std::sqrt(std::max(0.0, 1 - nx * nx)) - 0.45 * nx, 0.0, 1.0);
    Plot(canvas, x, y, DitheredShade(sideRamp, sideLo, sideHi, light, x, y));
  };
  ForEachInEllipse(canvas, cx, top + h, rx, ry, side);
  for (int32_t y = static_cast<int32_t>(std::floor(top)); y < top + h; ++y) {
    for (int32_t x = static_cast<int32_t>(std::floor(cx - rx)); x <= cx + rx; ++x) {
      const double nx = (x + 0.5 - cx) / rx;
      if (std::abs(nx) <= 1.0) side(x, y, nx, 0.0);
    }
  }
  ForEachInEllipse(canvas, cx, top, rx, ry, [&](int32_t x, int32_t y, double nx, double ny) {
    const double light = 0.55 + 0.45 * std::clamp(-0.6 * nx - 0.6 * ny, -1.0, 1.0);
    Plot(canvas, x, y, DitheredShade(topRamp, topLo, topHi, light, x, y));
  });
}

void Speckle(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, int32_t overRamp,
             uint8_t ink, int32_t sparseness, uint32_t seed) {
  for (int32_t j = y; j < y + h; ++j) {
    for (int32_t i = x; i < x + w; ++i) {
      const uint8_t under = PixelAt(canvas, i, j);
      if (under != INK_CLEAR && under / PALETTE_SHADES == overRamp &&
          NoiseAt(i, j, seed) % sparseness == 0) {
        Plot(canvas, i, j, ink);
      }
    }
  }
}

void OutlineRegion(Canvas& canvas, int32_t x, int32_t y, int32_t w, int32_t h, uint8_t ink) {
  const Canvas before = canvas;
  auto opaque = [&](int32_t i, int32_t j) {
    if (i < x || j < y || i >= x + w || j >= y + h) return false;
    return PixelAt(before, i, j) != INK_CLEAR;
  };
  for (int32_t j = y; j < y + h; ++j) {
    for (int32_t i = x; i < x + w; ++i) {
      if (opaque(i, j)) continue;
      if (opaque(i - 1, j) || opaque(i + 1, j) || opaque(i, j - 1) || opaque(i, j + 1)) {
        Plot(canvas, i, j, ink);
      }
    }
  }
}

void StampGrid(Canvas& canvas, int32_t x, int32_t y, const std::vector<std::string>& rows,
               const Legend& legend, bool mirrored) {
  for (size_t j = 0; j < rows.size(); ++j) {
    const std::string& row = rows[j];
    for (size_t i = 0; i < row.size(); ++i) {
      const size_t at = legend.keys.find(row[i]);
      if (at == std::string::npos) continue;
      const int32_t column =
          mirrored ? static_cast<int32_t>(row.size() - 1 - i) : static_cast<int32_t>(i);
      Plot(canvas, x + column, y + static_cast<int32_t>(j), legend.inks[at]);
    }
  }
}

void CopyRegion(Canvas& target, int32_t tx, int32_t ty, const Canvas& source, int32_t sx,
                int32_t sy, int32_t w, int32_t h, bool keyed) {
  for (int32_t j = 0; j < h; ++j) {
    for (int32_t i = 0; i < w; ++i) {
      const uint8_t ink = PixelAt(source, sx + i, sy + j);
      if (keyed && ink == INK_CLEAR) continue;
      Plot(target, tx + i, ty + j, ink);
    }
  }
}

uint32_t NoiseAt(int32_t x, int32_t y, uint32_t seed) {
  // An integer hash (xorshift-multiply rounds) of the position and seed.
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  h ^= h >> 16;
  return h & 0xFFFFu;
}

}  // namespace tools
