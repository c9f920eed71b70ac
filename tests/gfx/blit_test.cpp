// Tests of the clipped rectangle copies.
#include "gfx/blit.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "gfx/surfaces.h"
#include "gfx_test_support.h"

namespace {

constexpr uint8_t UNTOUCHED = 0xEE;

uint8_t Pattern(int x, int y) {
  return static_cast<uint8_t>(1 + (x + 7 * y) % 200);
}

void Fill(gfx::Surface* s, uint8_t value) {
  std::memset(s->pixels.get(), value, static_cast<size_t>(s->pitch * s->height));
}

void Paint(gfx::Surface* s) {
  for (int y = 0; y < s->height; ++y)
    for (int x = 0; x < s->width; ++x) s->pixels[y * s->pitch + x] = Pattern(x, y);
}

struct Expected {
  bool drawn;
  int x, y;          // where the copy lands
  gfx::Rect source;  // which part of the source it shows
};

// Checks that dst shows src's rectangle at (x, y) and nothing else changed.
void ExpectCopy(const gfx::Surface* dst, const Expected& e, const std::string& what) {
  for (int y = 0; y < dst->height; ++y)
    for (int x = 0; x < dst->width; ++x) {
      const int sx = e.source.left + (x - e.x), sy = e.source.top + (y - e.y);
      const bool inside = e.drawn && sx >= e.source.left && sx < e.source.right &&
                          sy >= e.source.top && sy < e.source.bottom;
      ASSERT_EQ(dst->pixels[y * dst->pitch + x], inside ? Pattern(sx, sy) : UNTOUCHED)
          << what << " at " << x << "," << y;
    }
}

class Blits : public gfxtest::DisplayTest {
 protected:
  void SetUp() override {
    gfxtest::DisplayTest::SetUp();
    gfx::CreateSlotSurface(1, 400, 240);
    Paint(gfx::SlotSurface(1));
  }
};

TEST_F(Blits, ClippingAgainstTheScreen) {
  const struct {
    int x, y;
    gfx::Rect rect;
    Expected expected;
  } cases[] = {
      {-10, 0, {0, 0, 32, 32}, {true, 0, 0, {10, 0, 32, 32}}},
      {300, 230, {0, 0, 32, 32}, {true, 300, 230, {0, 0, 20, 10}}},
      {288, 208, {0, 0, 32, 32}, {true, 288, 208, {0, 0, 32, 32}}},  // ends exactly at the edge
      {320, 0, {0, 0, 32, 32}, {false}},                             // width becomes 0
      {321, 0, {0, 0, 32, 32}, {false}},                             // inside out
      {0, 240, {0, 0, 32, 32}, {false}},
      {-40, 0, {0, 0, 32, 32}, {false}},
      {-50, 0, {0, 0, 400, 32}, {true, 0, 0, {50, 0, 370, 32}}},  // trimmed on both sides
      {7, -5, {2, 3, 10, 20}, {true, 7, 0, {2, 8, 10, 20}}},
      {5, 5, {3, 3, 3, 9}, {false}},      // empty rectangle
      {5, 5, {10, 0, 2, 5}, {false}},     // inverted rectangle
      {5, 5, {390, 0, 410, 8}, {false}},  // beyond the source image: refused whole
      {5, 5, {-4, 0, 8, 8}, {false}},     // starts left of the source image
      {INT_MAX, 0, {0, 0, 32, 32}, {false}},
      {INT_MIN, INT_MIN, {0, 0, 32, 32}, {false}},
      {0, 0, {INT_MIN, 0, INT_MAX, 8}, {false}},
  };
  for (int op = 0; op < 4; ++op) {
    for (const auto& c : cases) {
      gfx::Surface* dst = op < 2 ? gfx::BackSurface : gfx::SlotSurface(gfx::BufferSlot);
      Fill(dst, UNTOUCHED);
      const auto& r = c.rect;
      switch (op) {
        case 0:
          gfx::BlitKeyed(c.x, c.y, 1, r.left, r.top, r.right, r.bottom);
          break;
        case 1:
          gfx::BlitOpaque(c.x, c.y, 1, r.left, r.top, r.right, r.bottom);
          break;
        case 2:
          gfx::BlitKeyedToSlot(gfx::BufferSlot, c.x, c.y, 1, r.left, r.top, r.right, r.bottom);
          break;
        default:
          gfx::BlitOpaqueToSlot(gfx::BufferSlot, c.x, c.y, 1, r.left, r.top, r.right, r.bottom);
          break;
      }
      ExpectCopy(dst, c.expected,
                 "operation " + std::to_string(op) + " at " + std::to_string(c.x) + "," +
                     std::to_string(c.y));
    }
  }
}

TEST_F(Blits, KeyedCopiesSkipTheSlotKeyAndOpaqueOnesDoNot) {
  gfx::CreateSlotSurface(2, 3, 1);
  gfx::Surface* s = gfx::SlotSurface(2);
  s->pixels[0] = 0;
  s->pixels[1] = 4;
  s->pixels[2] = 5;
  Fill(gfx::BackSurface, UNTOUCHED);
  gfx::BlitKeyed(0, 0, 2, 0, 0, 3, 1);
  EXPECT_EQ(gfx::BackSurface->pixels[0], UNTOUCHED);
  EXPECT_EQ(gfx::BackSurface->pixels[1], 4);
  gfx::SetSlotColourKey(2, 4);
  gfx::BlitKeyed(0, 1, 2, 0, 0, 3, 1);
  const uint8_t* row1 = gfx::BackSurface->pixels.get() + gfx::BackSurface->pitch;
  EXPECT_EQ(row1[0], 0);
  EXPECT_EQ(row1[1], UNTOUCHED);
  EXPECT_EQ(row1[2], 5);
  gfx::BlitOpaque(0, 0, 2, 0, 0, 3, 1);
  EXPECT_EQ(gfx::BackSurface->pixels[0], 0);
  EXPECT_EQ(gfx::BackSurface->pixels[1], 4);
}

TEST_F(Blits, CopiesIntoASmallerSlotMustFitIt) {
  gfx::CreateSlotSurface(3, 16, 16);
  gfx::Surface* small = gfx::SlotSurface(3);
  Fill(small, UNTOUCHED);
  gfx::BlitOpaqueToSlot(3, 10, 10, 1, 0, 0, 8, 8);  // would end at 18: refused whole
  ExpectCopy(small, {false}, "overhanging");
  gfx::BlitOpaqueToSlot(3, 8, 8, 1, 0, 0, 8, 8);
  ExpectCopy(small, {true, 8, 8, {0, 0, 8, 8}}, "fitting");
}

TEST_F(Blits, EmptySlotsTakeAndGiveNothing) {
  Fill(gfx::BackSurface, UNTOUCHED);
  gfx::BlitKeyed(0, 0, 5, 0, 0, 4, 4);
  gfx::BlitOpaque(0, 0, 5, 0, 0, 4, 4);
  gfx::BlitOpaque(0, 0, 42, 0, 0, 4, 4);
  ExpectCopy(gfx::BackSurface, {false}, "from an empty slot");
  gfx::BlitOpaqueToSlot(5, 0, 0, 1, 0, 0, 4, 4);  // into an empty slot: no crash, no slot
  gfx::GrabOpaque(0, 0, 5, 0, 0, 4, 4);
  EXPECT_EQ(gfx::SlotSurface(5), nullptr);
}

TEST_F(Blits, GrabsCopyFromTheBackBuffer) {
  Paint(gfx::BackSurface);
  gfx::BackSurface->pixels[1] = 0;  // (1, 0)
  gfx::CreateSlotSurface(4, 20, 20);
  gfx::Surface* slot = gfx::SlotSurface(4);
  Fill(slot, UNTOUCHED);
  gfx::GrabOpaque(-2, 0, 4, 0, 0, 6, 3);
  EXPECT_EQ(slot->pixels[0], Pattern(2, 0));
  EXPECT_EQ(slot->pixels[4], UNTOUCHED);
  Fill(slot, UNTOUCHED);
  gfx::GrabKeyed(0, 0, 4, 0, 0, 3, 1);  // the back buffer's key is index 0
  EXPECT_EQ(slot->pixels[0], Pattern(0, 0));
  EXPECT_EQ(slot->pixels[1], UNTOUCHED);
  EXPECT_EQ(slot->pixels[2], Pattern(2, 0));
}

}  // namespace
