// A headless display with a known palette and colour tables for the drawing tests.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <set>
#include <utility>

#include "gfx/ddraw.h"

namespace drawtest {

using Pixel = std::pair<int32_t, int32_t>;
using PixelSet = std::set<Pixel>;
using Box = std::array<int32_t, 4>;  // left, top, right, bottom (exclusive)

// Palette: index i is the grey (i, i, i) except the pure colours below, so that
// 0x000000 is index 0 and 0xFFFFFF index 255.
constexpr uint8_t RED = 1;
constexpr uint8_t GREEN = 2;
constexpr uint8_t BLUE = 3;
// Back buffer fill that no operation under test produces by itself.
constexpr uint8_t BACKGROUND = 100;

// MixTable[a][b] = 3a + b and RemapTables[k][c] = c + k + 1 (mod 256): neither
// leaves a pixel unchanged, so a pixel mixed twice shows.
uint8_t Mixed(uint8_t a, uint8_t b);
uint8_t Remapped(int32_t level, uint8_t c);

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 public:
  static uint8_t& Back(int32_t x, int32_t y);
  static uint8_t& At(gfx::Surface* surface, int32_t x, int32_t y);
  static void Fill(gfx::Surface* surface, uint8_t colour);
  // A slot of width x height whose pixel (x, y) is (x + 16 y) mod 256.
  static gfx::Surface* PatternSlot(int32_t slot, int32_t width, int32_t height);
  static uint8_t Pattern(int32_t x, int32_t y) { return static_cast<uint8_t>(x + 16 * y); }
  // Every pixel of the surface that differs from `colour`.
  static PixelSet PixelsNot(gfx::Surface* surface, uint8_t colour);
  static PixelSet PixelsOf(gfx::Surface* surface, uint8_t colour);
  // Bounding box (left, top, right, bottom; exclusive) of a set; all -1 when empty.
  static Box Bounds(const PixelSet& pixels);
  // Fails when a surface is still locked or holds a device context.
  static void ExpectReleased(gfx::Surface* surface);

 protected:
  bool displayUp_ = false;
};

}  // namespace drawtest
