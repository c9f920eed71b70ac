// Tests of the display objects, the sprite slots, the draw target and the log.
#include "gfx/surfaces.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "gfx_test_support.h"
#include "platform/platform.h"
#include "shared/shell_state.h"

namespace {

constexpr uint32_t SCREEN_BYTES = 320 * 240;

// One log line as the display layer should write it, for `bytes` in use.
std::string Line(const char* format, uint32_t bytesInUse, int slot = -1) {
  char text[200];
  const double kb = (platform::DisplayMemoryTotal() - bytesInUse) / 1024.0;
  if (slot < 0)
    std::snprintf(text, sizeof text, format, kb);
  else
    std::snprintf(text, sizeof text, format, kb, slot);
  return text;
}

const char* const FREE = "VRAM空き容量   %9.2lf KB スプライト番号 %2d\n";
const char* const RELEASED = "VRAM空き容量   %9.2lf KB スプライト解放\n";
const char* const USER_RELEASED = "VRAM容量   %9.2lf KB スプライト解放(ユーザ指示)\n";

using Slots = gfxtest::DisplayTest;

TEST_F(Slots, ReportHasEveryLineInOrder) {
  gfx::CreateSlotSurface(3, 30, 10);  // rows of 32 bytes
  gfx::CreateSlotSurface(3, 64, 64);  // replaces it
  gfx::ReleaseSlotSurface(0);         // empty: the line is written all the same
  gfx::CreateSlotSurface(1, 8, 8);
  gfx::ShutdownDisplay();
  displayUp_ = false;
  const uint32_t display = 3 * SCREEN_BYTES;  // primary, back, buffer slot
  char total[100];
  std::snprintf(total, sizeof total, "総VRAM容量   %9.2lf KB\n",
                platform::DisplayMemoryTotal() / 1024.0);
  const std::string expected =
      std::string(total) + Line("VRAM空き容量 %9.2lf KB プライマリサーフェス\n", 2 * SCREEN_BYTES) +
      Line("VRAM空き容量 %9.2lf KB バックサーフェス\n", 2 * SCREEN_BYTES) +
      Line("VRAM空き容量 %9.2lf KB バッファスプライトサーフェス\n", display) +
      Line(FREE, display + 320, 3) + Line(FREE, display + 4096, 3) +
      Line(USER_RELEASED, display + 4096) + Line(FREE, display + 4096 + 64, 1) +
      Line(RELEASED, display + 4096) + Line(RELEASED, display) + Line(RELEASED, 2 * SCREEN_BYTES) +
      Line("全解放後VRAM空き容量   %9.2lf KB\n", 0);
  EXPECT_EQ(Report(), expected);
  EXPECT_EQ(platform::DisplayMemoryFree(), platform::DisplayMemoryTotal());
}

TEST_F(Slots, StartUpLeavesOnlyTheBufferSlot) {
  for (int slot = 0; slot < gfx::SLOT_COUNT; ++slot) {
    EXPECT_EQ(gfx::SlotCreated[slot], slot == gfx::BufferSlot ? 1 : 0) << slot;
    EXPECT_EQ(gfx::SlotSurface(slot) != nullptr, slot == gfx::BufferSlot) << slot;
  }
  const gfx::Surface* buffer = gfx::SlotSurface(gfx::BufferSlot);
  EXPECT_EQ(buffer->width, 320);
  EXPECT_EQ(buffer->height, 240);
  EXPECT_EQ(buffer->colourKey, 0);
  EXPECT_EQ(gfx::DrawTarget, -1);
  EXPECT_EQ(gfx::DrawTargetSurface(), gfx::BackSurface);
  EXPECT_EQ(gfx::SlotSurface(-1), nullptr);
  EXPECT_EQ(gfx::SlotSurface(11), nullptr);
}

TEST_F(Slots, NewSlotSurfaceIsClearedWithKeyZero) {
  gfx::CreateSlotSurface(2, 13, 5);
  gfx::Surface* surface = gfx::SlotSurface(2);
  ASSERT_NE(surface, nullptr);
  EXPECT_GE(surface->pitch, 13);
  std::memset(surface->pixels.get(), 7, static_cast<size_t>(surface->pitch * surface->height));
  gfx::SetSlotColourKey(2, 9);
  EXPECT_EQ(surface->colourKey, 9);
  gfx::SetSlotColourKey(2, 300);  // not a palette index: ignored
  EXPECT_EQ(surface->colourKey, 9);
  gfx::CreateSlotSurface(2, 13, 5);
  surface = gfx::SlotSurface(2);
  EXPECT_EQ(surface->colourKey, 0);
  for (int i = 0; i < surface->pitch * surface->height; ++i) ASSERT_EQ(surface->pixels[i], 0);
}

TEST_F(Slots, RefusedSurfaceLeavesTheSlotEmpty) {
  gfx::CreateSlotSurface(4, 8, 8);
  for (const auto& size : {std::pair{0, 8}, std::pair{8, -1}, std::pair{100000, 8}}) {
    gfx::CreateSlotSurface(4, size.first, size.second);
    EXPECT_EQ(gfx::SlotSurface(4), nullptr);
    EXPECT_EQ(gfx::SlotCreated[4], 0);
  }
  gfx::CreateSlotSurface(11, 8, 8);  // no such slot: nothing happens
  EXPECT_EQ(platform::DisplayMemoryFree(), platform::DisplayMemoryTotal() - 3 * SCREEN_BYTES);
}

TEST_F(Slots, NoReportFileMeansNoLines) {
  std::FILE* report = shared::ReportFile;
  shared::ReportFile = nullptr;
  gfx::CreateSlotSurface(5, 4, 4);
  gfx::ReleaseSlotSurface(5);
  gfx::ShutdownDisplay();
  displayUp_ = false;
  shared::ReportFile = report;
  EXPECT_EQ(Report().find("スプライト番号"), std::string::npos);
  EXPECT_EQ(Report().find("全解放後"), std::string::npos);
}

TEST_F(Slots, ShutdownReleasesEveryFilledSlotOnce) {
  for (int slot = 1; slot <= 9; ++slot) gfx::CreateSlotSurface(slot, 16, 16);
  gfx::ShutdownDisplay();
  displayUp_ = false;
  const std::string report = Report();
  size_t count = 0;
  for (size_t at = report.find("スプライト解放\n"); at != std::string::npos;
       at = report.find("スプライト解放\n", at + 1))
    ++count;
  EXPECT_EQ(count, 10u);
  for (int slot = 0; slot < gfx::SLOT_COUNT; ++slot) EXPECT_EQ(gfx::SlotCreated[slot], 0);
  EXPECT_EQ(gfx::BackSurface, nullptr);
  EXPECT_EQ(platform::DisplayMemoryFree(), platform::DisplayMemoryTotal());
}

TEST_F(Slots, DrawTargetChangesOnlyToExistingSlotNumbers) {
  const struct {
    int argument, expected;
  } cases[] = {{3, 3}, {-1, 3}, {-7, 3}, {11, 3}, {0, 0}, {10, 10}};
  for (const auto& c : cases) {
    gfx::SetDrawTarget(c.argument);
    EXPECT_EQ(gfx::DrawTarget, c.expected) << c.argument;
  }
  gfx::ResetDrawTarget();
  EXPECT_EQ(gfx::DrawTarget, -1);
}

TEST_F(Slots, LockOfTheDrawTarget) {
  ASSERT_EQ(gfx::LockDrawTarget(), 1);
  EXPECT_EQ(gfx::LockedPixels, gfx::BackSurface->pixels.get());
  EXPECT_EQ(gfx::LockedPitch, gfx::BackSurface->pitch);
  gfx::UnlockDrawTarget();
  EXPECT_EQ(gfx::BackSurface->lockCount, 0);

  gfx::CreateSlotSurface(6, 5, 3);
  gfx::SetDrawTarget(6);
  ASSERT_EQ(gfx::LockDrawTarget(), 1);
  EXPECT_EQ(gfx::LockedPixels, gfx::SlotSurface(6)->pixels.get());
  EXPECT_EQ(gfx::LockedPitch, gfx::SlotSurface(6)->pitch);
  gfx::UnlockDrawTarget();

  // An empty slot cannot be locked; the last lock's values stay.
  uint8_t* const before = gfx::LockedPixels;
  gfx::SetDrawTarget(7);
  EXPECT_EQ(gfx::LockDrawTarget(), 0);
  EXPECT_EQ(gfx::LockedPixels, before);
}

TEST_F(Slots, RestoreBringsBackLostSurfacesAndPresentsAClearedFrame) {
  gfx::CreateSlotSurface(2, 4, 4);
  gfx::SlotSurface(2)->pixels[0] = 9;
  gfx::BackSurface->pixels[0] = 5;
  gfx::SlotSurface(2)->lost = true;
  gfx::PrimarySurface->lost = true;
  gfx::RestoreSurfaces();
  EXPECT_FALSE(gfx::IsLost(gfx::SlotSurface(2)));
  EXPECT_FALSE(gfx::IsLost(gfx::PrimarySurface));
  EXPECT_EQ(gfx::SlotSurface(2)->pixels[0], 9);
  EXPECT_EQ(gfx::PrimarySurface->pixels[0], 5);
  for (uint32_t i = 0; i < SCREEN_BYTES; ++i) ASSERT_EQ(gfx::BackSurface->pixels[i], 0);
}

}  // namespace
