// A bitmap that fails to load again when the program regains the screen keeps the
// picture its slot already holds, with one line on standard error.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "gfx/bitmap_file.h"
#include "gfx/ddraw.h"
#include "gfx/surfaces.h"
#include "robustness/hostile_files.h"
#include "support/test_temp.h"

namespace {

constexpr int32_t SLOT = 3;
constexpr int32_t WIDTH = 20, HEIGHT = 10;

std::vector<uint8_t> SlotPixels() {
  const gfx::Surface* surface = gfx::SlotSurface(SLOT);
  std::vector<uint8_t> pixels;
  for (int32_t y = 0; y < surface->height; ++y)
    for (int32_t x = 0; x < surface->width; ++x)
      pixels.push_back(surface->pixels[static_cast<size_t>(y) * surface->pitch + x]);
  return pixels;
}

class BitmapReload : public testing::Test {
 protected:
  void SetUp() override {
    uint8_t palette[256][3] = {};
    std::vector<uint8_t> pixels(WIDTH * HEIGHT);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<uint8_t>(1 + i % 200);
    ASSERT_EQ(gfx::WriteBitmap8(path_.c_str(), WIDTH, HEIGHT, pixels.data(), WIDTH, palette), "");
    ASSERT_EQ(gfx::LoadBitmapToSlot(SLOT, path_.c_str(), WIDTH, HEIGHT), 1);
    loaded_ = SlotPixels();
    ASSERT_NE(loaded_, std::vector<uint8_t>(loaded_.size(), 0)) << "the picture is blank";
  }
  void TearDown() override { gfx::ReleaseSlotSurface(SLOT); }

  // Reloads after damage; expects the old picture and one line naming the file.
  void ExpectReloadKeepsPicture(const char* fault) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(gfx::LoadBitmapToSlot(SLOT, path_.c_str(), WIDTH, HEIGHT), 0);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(SlotPixels(), loaded_);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find(path_), std::string::npos) << err;
    EXPECT_NE(err.find(fault), std::string::npos) << err;
  }

  const std::string path_ = testsupport::TestTempPath("reload.bmp");
  std::vector<uint8_t> loaded_;
};

TEST_F(BitmapReload, MissingFileKeepsThePicture) {
  std::remove(path_.c_str());
  ExpectReloadKeepsPicture("does not exist");
}

TEST_F(BitmapReload, DamagedFileKeepsThePicture) {
  robustness::PutFile(path_, robustness::GarbageBytes(500, 11));
  ExpectReloadKeepsPicture("not a bitmap");
}

}  // namespace
