// Tests of frame presentation, the F9 screenshot key and the screenshot file.
#include "gfx/present.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "gfx/palette.h"
#include "gfx/surfaces.h"
#include "gfx_test_support.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "shared/shell_state.h"

namespace {

namespace fs = std::filesystem;

uint8_t& At(gfx::Surface* s, int x, int y) {
  return s->pixels[y * s->pitch + x];
}

// F9 goes down or up as the message loop takes its key message.
void TakeF9(bool down) {
  platform::PostMessageA(down ? platform::WM_KEYDOWN : platform::WM_KEYUP, platform::VK_F9, 0);
  platform::MSG message;
  ASSERT_EQ(platform::GetMessageA(&message), 1);
}

using Presentation = gfxtest::DisplayTest;

TEST_F(Presentation, CopyModeShowsTheFrameAndKeepsTheBackBuffer) {
  At(gfx::BackSurface, 3, 4) = 8;
  gfx::PresentFrame(0, 0);
  EXPECT_EQ(At(gfx::PrimarySurface, 3, 4), 8);
  EXPECT_EQ(At(gfx::BackSurface, 3, 4), 8);
  gfx::PresentFrame(2, 6);  // only 1 clears
  EXPECT_EQ(At(gfx::BackSurface, 3, 4), 8);
  gfx::PresentFrame(1, 6);
  EXPECT_EQ(At(gfx::PrimarySurface, 3, 4), 8);
  for (int y = 0; y < 240; ++y)
    for (int x = 0; x < 320; ++x) ASSERT_EQ(At(gfx::BackSurface, x, y), 6);
}

TEST_F(Presentation, FlipModeLeavesTheFrameShownBeforeInTheBackBuffer) {
  shared::PageFlipMode = 1;
  At(gfx::BackSurface, 0, 0) = 1;
  gfx::PresentFrame(0, 0);
  At(gfx::BackSurface, 0, 0) = 2;
  gfx::PresentFrame(0, 0);
  EXPECT_EQ(At(gfx::PrimarySurface, 0, 0), 2);
  EXPECT_EQ(At(gfx::BackSurface, 0, 0), 1);
  gfx::PresentFrame(1, 9);
  EXPECT_EQ(At(gfx::PrimarySurface, 0, 0), 1);
  EXPECT_EQ(At(gfx::BackSurface, 0, 0), 9);
  shared::PageFlipMode = 0;
}

TEST_F(Presentation, ScreenshotFileHoldsTheDrawTargetAndPalette) {
  for (int i = 0; i < 256; ++i)
    gfx::PaletteEntries[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i / 2),
                              static_cast<uint8_t>(255 - i), 1};
  At(gfx::BackSurface, 0, 0) = 5;
  At(gfx::BackSurface, 319, 239) = 6;
  const std::string path = std::string(platform::ProgramDirectory()) + "gfx-core-layout-test.bmp";
  ASSERT_EQ(gfx::WriteScreenshot("gfx-core-layout-test.bmp"), 1);
  const std::vector<uint8_t> file = gfxtest::ReadAll(path);
  fs::remove(path);
  ASSERT_EQ(file.size(), 77878u);
  EXPECT_EQ(file[77558], 5);
  EXPECT_EQ(file[1078 + 319], 6);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(file[54 + 4 * i], 255 - i);
    EXPECT_EQ(file[54 + 4 * i + 1], i / 2);
    EXPECT_EQ(file[54 + 4 * i + 2], i);
    EXPECT_EQ(file[54 + 4 * i + 3], 0);
  }
}

TEST_F(Presentation, ScreenshotOfASmallSlotFillsTheRestWithZero) {
  gfx::CreateSlotSurface(2, 3, 2);
  At(gfx::SlotSurface(2), 2, 1) = 7;
  At(gfx::SlotSurface(2), 0, 0) = 4;
  gfx::SetDrawTarget(2);
  const std::string path = std::string(platform::ProgramDirectory()) + "gfx-core-small-test.bmp";
  ASSERT_EQ(gfx::WriteScreenshot("gfx-core-small-test.bmp"), 1);
  const std::vector<uint8_t> file = gfxtest::ReadAll(path);
  fs::remove(path);
  ASSERT_EQ(file.size(), 77878u);
  for (int row = 0; row < 240; ++row)
    for (int x = 0; x < 320; ++x) {
      const int y = 239 - row;
      const int expected = (x == 2 && y == 1) ? 7 : (x == 0 && y == 0) ? 4 : 0;
      ASSERT_EQ(file[1078 + row * 320 + x], expected) << x << "," << y;
    }
}

TEST_F(Presentation, ScreenshotIsRefusedWhileThePictureCannotBeLocked) {
  ASSERT_EQ(gfx::GetDC(gfx::BackSurface), gfx::DD_OK);
  const std::string path = std::string(platform::ProgramDirectory()) + "gfx-core-busy-test.bmp";
#ifdef NDEBUG
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(gfx::WriteScreenshot("gfx-core-busy-test.bmp"), 0);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("gfx-core-busy-test.bmp"),
            std::string::npos);
#else
  // Checked builds stop at the broken rule itself.
  EXPECT_DEATH(gfx::WriteScreenshot("gfx-core-busy-test.bmp"), "device context");
#endif
  EXPECT_FALSE(fs::exists(path));
  gfx::ReleaseDC(gfx::BackSurface);
}

// One test, because it uses fixed file names in the program's directory.
TEST_F(Presentation, F9TakesOneScreenshotPerPressUnderTheFirstFreeName) {
  const fs::path programDir = platform::ProgramDirectory();
  const fs::path before = fs::current_path();
  auto shot = [&](int n) {
    char name[32];
    std::snprintf(name, sizeof name, "scr%04d.bmp", n);
    return programDir / name;
  };
  for (int n = 0; n < 5; ++n) fs::remove(shot(n));

  // The search looks in the working directory, the file goes to the program's.
  fs::current_path(dir_.path());
  gfxtest::WriteAll(dir_.File("scr0000.bmp"), {1});
  At(gfx::BackSurface, 0, 0) = 5;
  TakeF9(true);
  gfx::PresentFrame(0, 0);
  EXPECT_TRUE(fs::exists(shot(1)));
  EXPECT_FALSE(fs::exists(shot(0)));
  EXPECT_FALSE(fs::exists(dir_.File("scr0001.bmp")));
  TakeF9(false);
  gfx::PresentFrame(0, 0);
  fs::remove(shot(1));

  // With both the same: scr0000 and scr0001 exist, so scr0002 is next.
  fs::current_path(programDir);
  gfxtest::WriteAll(shot(0).string(), {1});
  gfxtest::WriteAll(shot(1).string(), {1});
  TakeF9(true);
  for (int frame = 0; frame < 5; ++frame) gfx::PresentFrame(0, 0);
  EXPECT_EQ(gfx::ScreenshotKeyLatch, 1);
  const std::vector<uint8_t> file = gfxtest::ReadAll(shot(2).string());
  EXPECT_FALSE(fs::exists(shot(3)));
  TakeF9(false);
  gfx::PresentFrame(0, 0);
  EXPECT_EQ(gfx::ScreenshotKeyLatch, 0);
  TakeF9(true);
  gfx::PresentFrame(0, 0);
  EXPECT_TRUE(fs::exists(shot(3)));
  EXPECT_FALSE(fs::exists(shot(4)));
  TakeF9(false);
  gfx::PresentFrame(0, 0);
  for (int n = 0; n < 5; ++n) fs::remove(shot(n));
  fs::current_path(before);

  ASSERT_EQ(file.size(), 77878u);
  EXPECT_EQ(file[77558], 5);
}

}  // namespace
