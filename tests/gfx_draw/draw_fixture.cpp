// A headless display with a known palette and colour tables for the drawing tests.
#include "draw_fixture.h"

#include <algorithm>

#include "gfx/palette.h"
#include "gfx/surfaces.h"
#include "platform/platform.h"
#include "shared/shell_state.h"

namespace drawtest {

uint8_t Mixed(uint8_t a, uint8_t b) {
  return static_cast<uint8_t>(3 * a + b);
}
uint8_t Remapped(int32_t level, uint8_t c) {
  return static_cast<uint8_t>(c + level + 1);
}

void DrawTest::SetUp() {
  platform::Options options;
  options.headless = true;
  ASSERT_TRUE(platform::Init(options));
  shared::ReportFile = nullptr;
  shared::FillSineTable();
  gfx::ResetDrawTarget();
  for (int32_t i = 0; i < 256; ++i) {
    const auto grey = static_cast<uint8_t>(i);
    gfx::PaletteEntries[i] = {grey, grey, grey, 0};
  }
  gfx::PaletteEntries[RED] = {255, 0, 0, 0};
  gfx::PaletteEntries[GREEN] = {0, 255, 0, 0};
  gfx::PaletteEntries[BLUE] = {0, 0, 255, 0};
  for (int32_t a = 0; a < 256; ++a) {
    for (int32_t b = 0; b < 256; ++b) gfx::MixTable[a * 256 + b] = Mixed(a, b);
  }
  for (int32_t k = 0; k < 14; ++k) {
    for (int32_t c = 0; c < 256; ++c) gfx::RemapTables[k * 256 + c] = Remapped(k, c);
  }
  ASSERT_EQ(gfx::InitDisplay(gfx::SCREEN_WIDTH, gfx::SCREEN_HEIGHT), 1);
  displayUp_ = true;
  Fill(gfx::BackSurface, BACKGROUND);
}

void DrawTest::TearDown() {
  gfx::ResetDrawTarget();
  if (displayUp_) gfx::ShutdownDisplay();
  platform::Shutdown();
}

uint8_t& DrawTest::Back(int32_t x, int32_t y) {
  return At(gfx::BackSurface, x, y);
}

uint8_t& DrawTest::At(gfx::Surface* surface, int32_t x, int32_t y) {
  return surface->pixels[y * surface->pitch + x];
}

void DrawTest::Fill(gfx::Surface* surface, uint8_t colour) {
  for (int32_t y = 0; y < surface->height; ++y) {
    std::fill_n(&At(surface, 0, y), surface->width, colour);
  }
}

gfx::Surface* DrawTest::PatternSlot(int32_t slot, int32_t width, int32_t height) {
  gfx::CreateSlotSurface(slot, width, height);
  gfx::Surface* surface = gfx::SlotSurface(slot);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) At(surface, x, y) = Pattern(x, y);
  }
  return surface;
}

PixelSet DrawTest::PixelsNot(gfx::Surface* surface, uint8_t colour) {
  PixelSet pixels;
  for (int32_t y = 0; y < surface->height; ++y) {
    for (int32_t x = 0; x < surface->width; ++x) {
      if (At(surface, x, y) != colour) pixels.insert({x, y});
    }
  }
  return pixels;
}

PixelSet DrawTest::PixelsOf(gfx::Surface* surface, uint8_t colour) {
  PixelSet pixels;
  for (int32_t y = 0; y < surface->height; ++y) {
    for (int32_t x = 0; x < surface->width; ++x) {
      if (At(surface, x, y) == colour) pixels.insert({x, y});
    }
  }
  return pixels;
}

Box DrawTest::Bounds(const PixelSet& pixels) {
  if (pixels.empty()) return {-1, -1, -1, -1};
  Box box{pixels.begin()->first, pixels.begin()->second, pixels.begin()->first + 1,
          pixels.begin()->second + 1};
  for (const auto& [x, y] : pixels) {
    box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x + 1),
           std::max(box[3], y + 1)};
  }
  return box;
}

void DrawTest::ExpectReleased(gfx::Surface* surface) {
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->lockCount, 0);
  EXPECT_EQ(surface->dcCount, 0);
}

}  // namespace drawtest
