// Tests of the plain-memory surfaces: copies, fills, flips, locks and contexts.
#include "gfx/ddraw.h"

#include <gtest/gtest.h>

#include <cstring>

#include "gfx_test_support.h"

namespace {

// A surface whose pixel (x, y) holds 1 + x + 10 * y.
class Surfaces : public gfxtest::DisplayTest {
 protected:
  void SetUp() override {
    gfxtest::DisplayTest::SetUp();
    src_ = gfx::CreateSurface(8, 6);
    dst_ = gfx::CreateSurface(10, 10);
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < 8; ++x)
        src_->pixels[y * src_->pitch + x] = static_cast<uint8_t>(1 + x + 10 * y);
  }
  void TearDown() override {
    gfx::ReleaseSurface(src_);
    gfx::ReleaseSurface(dst_);
    gfxtest::DisplayTest::TearDown();
  }
  int Pixel(int x, int y) const { return dst_->pixels[y * dst_->pitch + x]; }
  bool DestinationUntouched() const {
    for (int i = 0; i < dst_->pitch * dst_->height; ++i)
      if (dst_->pixels[i] != 0) return false;
    return true;
  }
  gfx::Surface* src_ = nullptr;
  gfx::Surface* dst_ = nullptr;
};

TEST_F(Surfaces, CreateRefusesUnusableSizes) {
  for (const auto& size :
       {std::pair{0, 1}, std::pair{1, 0}, std::pair{-5, 5}, std::pair{1 << 20, 1}}) {
    EXPECT_EQ(gfx::CreateSurface(size.first, size.second), nullptr)
        << size.first << "x" << size.second;
  }
}

TEST_F(Surfaces, BltFastRefusesRectanglesNotInsideBothSurfaces) {
  const struct {
    int x, y;
    gfx::Rect rect;
  } refused[] = {{0, 0, {-1, 0, 3, 3}}, {0, 0, {0, 0, 9, 3}},         {0, 0, {0, 4, 3, 7}},
                 {0, 0, {5, 0, 3, 3}},  {-1, 0, {0, 0, 3, 3}},        {8, 0, {0, 0, 3, 3}},
                 {0, 8, {0, 0, 3, 3}},  {0x7FFFFFFF, 0, {0, 0, 3, 3}}};
  for (const auto& c : refused) {
    EXPECT_EQ(gfx::BltFast(dst_, c.x, c.y, src_, c.rect, false), gfx::DDERR_INVALIDRECT)
        << c.x << "," << c.y << " " << c.rect.left << "," << c.rect.top << "," << c.rect.right
        << "," << c.rect.bottom;
    EXPECT_TRUE(DestinationUntouched());
  }
  EXPECT_EQ(gfx::BltFast(dst_, 7, 7, src_, {5, 3, 8, 6}, false), gfx::DD_OK);  // exactly fits
  EXPECT_EQ(Pixel(7, 7), 1 + 5 + 30);
  EXPECT_EQ(Pixel(9, 9), 1 + 7 + 50);
}

TEST_F(Surfaces, KeyedCopySkipsTheSourceKey) {
  src_->colourKey = 1 + 2 + 10;  // pixel (2, 1)
  std::memset(dst_->pixels.get(), 99, static_cast<size_t>(dst_->pitch * dst_->height));
  ASSERT_EQ(gfx::BltFast(dst_, 0, 0, src_, {0, 0, 4, 2}, true), gfx::DD_OK);
  EXPECT_EQ(Pixel(2, 1), 99);
  EXPECT_EQ(Pixel(1, 1), 1 + 1 + 10);
  EXPECT_EQ(Pixel(3, 0), 1 + 3);
  EXPECT_EQ(Pixel(4, 0), 99);
}

TEST_F(Surfaces, ColourFillIsClippedToTheSurface) {
  ASSERT_EQ(gfx::BltColourFill(dst_, {-5, 8, 3, 20}, 4), gfx::DD_OK);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(Pixel(x, y), (x < 3 && y >= 8) ? 4 : 0) << x << "," << y;
}

TEST_F(Surfaces, FlipExchangesThePictures) {
  gfx::Surface* front = gfx::CreateSurface(10, 10);
  front->pixels[0] = 1;
  dst_->pixels[0] = 2;
  ASSERT_EQ(gfx::Flip(front, dst_), gfx::DD_OK);
  EXPECT_EQ(front->pixels[0], 2);
  EXPECT_EQ(dst_->pixels[0], 1);
  EXPECT_NE(gfx::Flip(front, src_), gfx::DD_OK);  // sizes differ
  gfx::ReleaseSurface(front);
}

TEST_F(Surfaces, LockAndDeviceContextExcludeEachOther) {
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  ASSERT_EQ(gfx::GetDC(dst_), gfx::DD_OK);
#ifdef NDEBUG
  EXPECT_EQ(gfx::Lock(dst_, &pixels, &pitch), gfx::DDERR_SURFACEBUSY);
  EXPECT_EQ(pixels, nullptr);
#else
  // Checked builds stop at the broken rule itself.
  EXPECT_DEATH(gfx::Lock(dst_, &pixels, &pitch), "device context");
#endif
  gfx::ReleaseDC(dst_);

  ASSERT_EQ(gfx::Lock(dst_, &pixels, &pitch), gfx::DD_OK);
  EXPECT_EQ(pixels, dst_->pixels.get());
  EXPECT_EQ(pitch, dst_->pitch);
#ifdef NDEBUG
  EXPECT_EQ(gfx::GetDC(dst_), gfx::DDERR_SURFACEBUSY);
#else
  EXPECT_DEATH(gfx::GetDC(dst_), "locked");
#endif
  // A busy surface takes no copies either.
  EXPECT_EQ(gfx::BltFast(dst_, 0, 0, src_, {0, 0, 2, 2}, false), gfx::DDERR_SURFACEBUSY);
  EXPECT_EQ(gfx::BltColourFill(dst_, {0, 0, 2, 2}, 3), gfx::DDERR_SURFACEBUSY);
  EXPECT_TRUE(DestinationUntouched());
  gfx::Unlock(dst_);
  EXPECT_EQ(gfx::GetDC(dst_), gfx::DD_OK);
  gfx::ReleaseDC(dst_);
  EXPECT_EQ(gfx::BltFast(dst_, 0, 0, src_, {0, 0, 2, 2}, false), gfx::DD_OK);
}

}  // namespace
