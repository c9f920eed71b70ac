// Effect copies from slots and in-place effects: rules, keys, cells, clipping, refusals.
#include "gfx/effects.h"

#include <functional>
#include <string>

#include "draw_fixture.h"
#include "gfx/surfaces.h"
#include "shared/shell_state.h"

namespace drawtest {
namespace {

constexpr int32_t SOURCE = 1;
constexpr int32_t NO_KEY = -1;

class EffectsTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    source_ = PatternSlot(SOURCE, 16, 16);
  }
  void TearDown() override {
    ExpectReleased(gfx::BackSurface);
    ExpectReleased(source_);
    DrawTest::TearDown();
  }
  gfx::Surface* source_ = nullptr;
};

// Source rectangle (2, 0)-(8, 2) of the pattern drawn at (10, 10); pixel 5 of the
// pattern lies inside it, so key 5 has something to skip.
struct RuleCase {
  std::string name;
  std::function<int32_t()> blit;
  int32_t key;
  std::function<uint8_t(uint8_t d, uint8_t s)> rule;
};

TEST_F(EffectsTest, SlotCopiesApplyTheirPixelRule) {
  const RuleCase cases[] = {
      {"averaged", [] { return gfx::BlitAveraged(10, 10, SOURCE, 2, 0, 8, 2, 5); }, 5,
       [](uint8_t d, uint8_t s) { return uint8_t((d + s) / 2); }},
      {"shifted 300", [] { return gfx::BlitShifted(10, 10, SOURCE, 2, 0, 8, 2, 5, 300); }, 5,
       [](uint8_t, uint8_t s) { return uint8_t(s + 44); }},
      {"shifted -1", [] { return gfx::BlitShifted(10, 10, SOURCE, 2, 0, 8, 2, NO_KEY, -1); },
       NO_KEY, [](uint8_t, uint8_t s) { return uint8_t(s + 255); }},
      {"mixed", [] { return gfx::BlitMixed(10, 10, SOURCE, 2, 0, 8, 2, 5); }, 5,
       [](uint8_t d, uint8_t s) { return Mixed(d, s); }},
      {"remapped", [] { return gfx::BlitRemapped(10, 10, SOURCE, 2, 0, 8, 2, 3, 5); }, 5,
       [](uint8_t, uint8_t s) { return Remapped(3, s); }},
      {"and", [] { return gfx::BlitLogical(10, 10, SOURCE, 2, 0, 8, 2, 0); }, NO_KEY,
       [](uint8_t d, uint8_t s) { return uint8_t(d & s); }},
      {"or", [] { return gfx::BlitLogical(10, 10, SOURCE, 2, 0, 8, 2, 1); }, NO_KEY,
       [](uint8_t d, uint8_t s) { return uint8_t(d | s); }},
      {"mode 5 is xor", [] { return gfx::BlitLogical(10, 10, SOURCE, 2, 0, 8, 2, 5); }, NO_KEY,
       [](uint8_t d, uint8_t s) { return uint8_t(d ^ s); }},
  };
  for (const RuleCase& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    EXPECT_EQ(c.blit(), 1) << c.name;
    for (int32_t y = 0; y < 16; ++y) {
      for (int32_t x = 0; x < 24; ++x) {
        const bool inside = x >= 10 && x < 16 && y >= 10 && y < 12;
        uint8_t expected = BACKGROUND;
        if (inside) {
          const uint8_t s = Pattern(x - 10 + 2, y - 10);
          if (c.key < 0 || s != c.key) expected = c.rule(BACKGROUND, s);
        }
        ASSERT_EQ(Back(x, y), expected) << c.name << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(EffectsTest, ColourKeys) {
  struct Case {
    int32_t key;
    bool drawsZero;
  };
  for (const Case& c : {Case{-1, true}, Case{0, false}, Case{256, true}, Case{-300, true}}) {
    Fill(gfx::BackSurface, BACKGROUND);
    ASSERT_EQ(gfx::BlitShifted(0, 0, SOURCE, 0, 0, 4, 1, c.key, 0), 1);
    EXPECT_EQ(Back(0, 0), c.drawsZero ? 0 : BACKGROUND) << "key " << c.key;
    EXPECT_EQ(Back(1, 0), 1) << "key " << c.key;
  }
}

TEST_F(EffectsTest, ScreenClippingOfSlotCopies) {
  gfx::CreateSlotSurface(2, 40, 4);
  for (int32_t x = 0; x < 40; ++x) At(gfx::SlotSurface(2), x, 0) = static_cast<uint8_t>(x + 1);
  // At x = -10 the first ten source columns are skipped.
  ASSERT_EQ(gfx::BlitMixed(-10, 0, 2, 0, 0, 40, 1, NO_KEY), 1);
  EXPECT_EQ(Back(0, 0), Mixed(BACKGROUND, 11));
  EXPECT_EQ(Back(29, 0), Mixed(BACKGROUND, 40));
  EXPECT_EQ(Back(30, 0), BACKGROUND);
  // Past column 319 the copy is cut.
  Fill(gfx::BackSurface, BACKGROUND);
  ASSERT_EQ(gfx::BlitShifted(300, 238, 2, 0, 0, 40, 4, NO_KEY, 0), 1);
  EXPECT_EQ(Back(319, 238), 20);
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{300, 238, 320, 240}));
  // At x = 320 nothing is left but the call runs; at 321 the rectangle turns over.
  Fill(gfx::BackSurface, BACKGROUND);
  EXPECT_EQ(gfx::BlitShifted(320, 0, 2, 0, 0, 40, 1, NO_KEY, 0), 1);
  EXPECT_EQ(gfx::BlitShifted(321, 0, 2, 0, 0, 40, 1, NO_KEY, 0), 0);
  EXPECT_EQ(gfx::BlitShifted(0, -5, 2, 0, 0, 40, 4, NO_KEY, 0), 0);
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
  ExpectReleased(gfx::SlotSurface(2));
}

TEST_F(EffectsTest, SlotThatIsTheDrawTargetIsRefused) {
  gfx::SetDrawTarget(SOURCE);
  const std::function<int32_t()> calls[] = {
      [] { return gfx::BlitAveraged(0, 0, SOURCE, 0, 0, 4, 4, NO_KEY); },
      [] { return gfx::BlitMosaic(0, 0, SOURCE, 0, 0, 4, 4, NO_KEY, 2, 2); },
      [] { return gfx::BlitChecker(0, 0, SOURCE, 0, 0, 4, 4, 2, 2, 0); },
      [] { return gfx::BlitRotated(0, 0, 4, 4, 0, SOURCE, 0, 0, 4, 4, NO_KEY); },
  };
  for (const auto& call : calls) EXPECT_EQ(call(), 0);
  gfx::ResetDrawTarget();
  PixelSet changed;
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 0; x < 16; ++x) {
      if (At(source_, x, y) != Pattern(x, y)) changed.insert({x, y});
    }
  }
  EXPECT_TRUE(changed.empty());
}

TEST_F(EffectsTest, EmptySlotOrTargetIsRefused) {
  EXPECT_EQ(gfx::BlitAveraged(0, 0, 6, 0, 0, 4, 4, NO_KEY), 0);
  gfx::SetDrawTarget(6);
  EXPECT_EQ(gfx::BlitAveraged(0, 0, SOURCE, 0, 0, 4, 4, NO_KEY), 0);
  EXPECT_EQ(gfx::MixRect(0, 0, 4, 4, 0), 0);
  EXPECT_EQ(gfx::ColourFillRect(0, 0, 4, 4, 9), 1);
}

TEST_F(EffectsTest, MosaicCellsTakeTheirTopLeftSample) {
  // A 10 x 10 rectangle with 3 x 3 cells: 9 cells over 9 x 9 pixels.
  ASSERT_EQ(gfx::BlitMosaic(20, 30, SOURCE, 1, 2, 11, 12, NO_KEY, 3, 3), 1);
  for (int32_t v = 0; v < 10; ++v) {
    for (int32_t u = 0; u < 10; ++u) {
      const uint8_t expected = u < 9 && v < 9 ? Pattern(1 + u / 3 * 3, 2 + v / 3 * 3) : BACKGROUND;
      ASSERT_EQ(Back(20 + u, 30 + v), expected) << u << "," << v;
    }
  }
  // A keyed sample leaves its whole cell alone; cells below 1 count as 1.
  Fill(gfx::BackSurface, BACKGROUND);
  ASSERT_EQ(gfx::BlitMosaic(0, 0, SOURCE, 0, 0, 4, 2, Pattern(2, 0), 2, 0), 1);
  EXPECT_EQ(Back(0, 1), Pattern(0, 1));
  EXPECT_EQ(Back(1, 1), Pattern(0, 1));
  EXPECT_EQ(Back(2, 0), BACKGROUND);
  EXPECT_EQ(Back(3, 1), Pattern(2, 1));
}

TEST_F(EffectsTest, CheckerCopiesAlternateCells) {
  for (int32_t phase : {0, 1, 7}) {
    Fill(gfx::BackSurface, BACKGROUND);
    ASSERT_EQ(gfx::BlitChecker(0, 0, SOURCE, 0, 0, 9, 9, 2, 2, phase), 1);
    for (int32_t y = 0; y < 9; ++y) {
      for (int32_t x = 0; x < 9; ++x) {
        const int32_t i = x / 2, j = y / 2;
        const bool whole = x < 8 && y < 8;
        const bool copied = whole && ((i + j) % 2 == 0) == (phase == 0);
        ASSERT_EQ(Back(x, y), copied ? Pattern(x, y) : BACKGROUND)
            << "phase " << phase << " at " << x << "," << y;
      }
    }
  }
}

class StretchedTest : public EffectsTest {
 protected:
  int32_t Stretch(int32_t x, int32_t y, int32_t sx1, int32_t sy1, int32_t sx2, int32_t sy2,
                  int32_t width, int32_t height, int32_t key) {
    EXPECT_EQ(gfx::LockDrawTarget(), 1);
    const int32_t result = gfx::BlitStretched(x, y, SOURCE, sx1, sy1, sx2, sy2, width, height, key);
    gfx::UnlockDrawTarget();
    return result;
  }
};

TEST_F(StretchedTest, HalvingTakesEverySecondColumnFromTheFirst) {
  ASSERT_EQ(Stretch(5, 5, 2, 1, 10, 5, 4, 2, NO_KEY), 1);
  for (int32_t j = 0; j < 2; ++j) {
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(Back(5 + i, 5 + j), Pattern(2 + 2 * i, 1 + 2 * j));
  }
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{5, 5, 9, 7}));
}

TEST_F(StretchedTest, EnlargingRepeatsPixelsInSinglePrecisionSteps) {
  // Three source columns over seven: the step 3/7 rounded to single precision.
  ASSERT_EQ(Stretch(0, 0, 4, 0, 7, 1, 7, 1, NO_KEY), 1);
  const int32_t columns[] = {4, 4, 4, 5, 5, 6, 6};
  for (int32_t i = 0; i < 7; ++i) EXPECT_EQ(Back(i, 0), Pattern(columns[i], 0)) << i;
}

TEST_F(StretchedTest, RefusalsAndEmptySizes) {
  EXPECT_EQ(Stretch(0, 0, 0, 0, 4, 4, 0, 8, NO_KEY), 1);
  EXPECT_EQ(Stretch(0, 0, 0, 0, 4, 4, 8, 0, NO_KEY), 1);
  EXPECT_EQ(Stretch(313, 0, 0, 0, 4, 4, 8, 4, NO_KEY), 0);  // 313 + 8 = 321
  EXPECT_EQ(Stretch(0, 237, 0, 0, 4, 4, 4, 4, NO_KEY), 0);
  EXPECT_EQ(Stretch(-1, 0, 0, 0, 4, 4, 4, 4, NO_KEY), 0);
  EXPECT_EQ(Stretch(0, 0, 5, 0, 4, 4, 4, 4, NO_KEY), 0);
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
  EXPECT_EQ(Stretch(312, 236, 0, 0, 4, 4, 8, 4, 0), 1);  // 312 + 8 = 320 is allowed
  EXPECT_EQ(Back(312, 236), BACKGROUND);                 // pattern 0 is the key
  EXPECT_EQ(Back(319, 239), Pattern(3, 3));
}

// A 4 x 4 picture with distinct pixels 1..16.
class RotatedTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    gfx::CreateSlotSurface(3, 4, 4);
    for (int32_t y = 0; y < 4; ++y) {
      for (int32_t x = 0; x < 4; ++x) At(gfx::SlotSurface(3), x, y) = Picture(x, y);
    }
  }
  static uint8_t Picture(int32_t x, int32_t y) { return static_cast<uint8_t>(1 + x + 4 * y); }
};

TEST_F(RotatedTest, AngleZeroIsAPlainCopy) {
  for (int32_t angle : {0, 360}) {
    Fill(gfx::BackSurface, BACKGROUND);
    ASSERT_EQ(gfx::BlitRotated(50, 60, 54, 64, angle, 3, 0, 0, 4, 4, NO_KEY), 1);
    for (int32_t j = 0; j < 4; ++j) {
      for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(Back(50 + i, 60 + j), Picture(i, j));
    }
    EXPECT_EQ(PixelsNot(gfx::BackSurface, BACKGROUND).size(), 16u);
  }
}

TEST_F(RotatedTest, QuarterTurnSamplesTheTurnedSource) {
  // sin 90 = 360 and cos 90 = 0: destination (i, j) takes source (4 - j, i); row 0
  // falls outside the source and keeps its old pixels.
  ASSERT_EQ(gfx::BlitRotated(50, 60, 54, 64, 90, 3, 0, 0, 4, 4, NO_KEY), 1);
  for (int32_t j = 0; j < 4; ++j) {
    for (int32_t i = 0; i < 4; ++i) {
      EXPECT_EQ(Back(50 + i, 60 + j), j == 0 ? BACKGROUND : Picture(4 - j, i)) << i << "," << j;
    }
  }
  Fill(gfx::BackSurface, BACKGROUND);
  ASSERT_EQ(gfx::BlitRotated(50, 60, 54, 64, -270, 3, 0, 0, 4, 4, NO_KEY), 1);
  EXPECT_EQ(Back(50, 61), Picture(3, 0));
}

TEST_F(RotatedTest, LargerDestinationCentresTheSourceAndKeyedPixelsStay) {
  // An 8 x 8 destination: the 4 x 4 copy sits at offset (2, 2).
  ASSERT_EQ(gfx::BlitRotated(10, 10, 18, 18, 0, 3, 0, 0, 4, 4, Picture(1, 1)), 1);
  EXPECT_EQ(Back(12, 12), Picture(0, 0));
  EXPECT_EQ(Back(13, 13), BACKGROUND);  // keyed
  EXPECT_EQ(Back(15, 15), Picture(3, 3));
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{12, 12, 16, 16}));
}

TEST_F(RotatedTest, ClipsAtTheScreenEdges) {
  ASSERT_EQ(gfx::BlitRotated(318, -2, 322, 2, 0, 3, 0, 0, 4, 4, NO_KEY), 1);
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{318, 0, 320, 2}));
  EXPECT_EQ(Back(318, 0), Picture(0, 2));
  EXPECT_EQ(Back(319, 1), Picture(1, 3));
  EXPECT_EQ(gfx::BlitRotated(330, 0, 334, 4, 0, 3, 0, 0, 4, 4, NO_KEY), 1);  // nothing visible
}

TEST_F(RotatedTest, HugeDestinationVisitsOnlyTheScreen) {
  // Centred in a 200000-pixel square around the origin, the copy lands at (-2, -2).
  ASSERT_EQ(gfx::BlitRotated(-100000, -100000, 100000, 100000, 0, 3, 0, 0, 4, 4, NO_KEY), 1);
  EXPECT_EQ(Bounds(PixelsNot(gfx::BackSurface, BACKGROUND)), (Box{0, 0, 2, 2}));
  EXPECT_EQ(Back(0, 0), Picture(2, 2));
  EXPECT_EQ(Back(1, 1), Picture(3, 3));
}

// In-place effects over a 6 x 4 area of the pattern copied to (10, 20).
class RectEffectsTest : public EffectsTest {
 protected:
  void SetUp() override {
    EffectsTest::SetUp();
    PaintPattern();
  }
  static void PaintPattern() {
    for (int32_t y = 0; y < 240; ++y) {
      for (int32_t x = 0; x < 320; ++x) Back(x, y) = Pattern(x, y);
    }
  }
};

TEST_F(RectEffectsTest, PixelRulesOverOrderedCorners) {
  struct Case {
    std::string name;
    std::function<int32_t()> effect;
    std::function<uint8_t(uint8_t)> rule;
  };
  const Case cases[] = {
      {"average", [] { return gfx::AverageRect(16, 24, 10, 20, 9); },
       [](uint8_t d) { return uint8_t((d + 9) / 2); }},
      {"shift", [] { return gfx::ShiftRect(10, 20, 16, 24, -3); },
       [](uint8_t d) { return uint8_t(d + 253); }},
      {"and", [] { return gfx::LogicalRect(10, 24, 16, 20, 0x0F, 0); },
       [](uint8_t d) { return uint8_t(d & 0x0F); }},
      {"or", [] { return gfx::LogicalRect(10, 20, 16, 24, 0x1F0, 1); },
       [](uint8_t d) { return uint8_t(d | 0xF0); }},
      {"xor", [] { return gfx::LogicalRect(10, 20, 16, 24, 0x55, 9); },
       [](uint8_t d) { return uint8_t(d ^ 0x55); }},
      {"mix", [] { return gfx::MixRect(16, 20, 10, 24, 4); },
       [](uint8_t d) { return Mixed(d, 4); }},
      // The colour is taken whole: row d + 156 for pixels below 100, past the
      // table's end (left alone) for the others.
      {"mix past 255", [] { return gfx::MixRect(10, 20, 16, 24, 39936); },
       [](uint8_t d) { return d < 100 ? Mixed(uint8_t(d + 156), 0) : d; }},
      {"remap", [] { return gfx::RemapRect(10, 20, 16, 24, 13); },
       [](uint8_t d) { return Remapped(13, d); }},
  };
  for (const Case& c : cases) {
    PaintPattern();
    EXPECT_EQ(c.effect(), 1) << c.name;
    for (int32_t y = 18; y < 26; ++y) {
      for (int32_t x = 8; x < 18; ++x) {
        const bool inside = x >= 10 && x < 16 && y >= 20 && y < 24;
        ASSERT_EQ(Back(x, y), inside ? c.rule(Pattern(x, y)) : Pattern(x, y))
            << c.name << " at " << x << "," << y;
      }
    }
    ExpectReleased(gfx::BackSurface);
  }
}

TEST_F(RectEffectsTest, EmptyAndOffScreenRectangles) {
  EXPECT_EQ(gfx::MixRect(5, 0, 5, 10, 1), 0);
  EXPECT_EQ(gfx::ShiftRect(0, 7, 10, 7, 1), 0);
  EXPECT_EQ(gfx::ShiftRect(400, 0, 320, 240, 1), 1);
  EXPECT_EQ(gfx::RemapRect(0, 0, 10, 10, 14), 0);
  for (int32_t y = 0; y < 240; ++y) {
    for (int32_t x = 0; x < 320; ++x) ASSERT_EQ(Back(x, y), Pattern(x, y));
  }
  // A corner beyond the screen is clamped to it.
  EXPECT_EQ(gfx::ShiftRect(310, 230, 400, 300, 1), 1);
  EXPECT_EQ(Back(319, 239), uint8_t(Pattern(319, 239) + 1));
  EXPECT_EQ(Back(309, 239), Pattern(309, 239));
}

TEST_F(RectEffectsTest, MosaicAndCheckerCellsFromTheTopLeftCorner) {
  ASSERT_EQ(gfx::MosaicRect(10, 20, 17, 25, 3, 2), 1);  // 2 x 2 cells, strips left alone
  for (int32_t y = 20; y < 25; ++y) {
    for (int32_t x = 10; x < 17; ++x) {
      const bool cell = x < 16 && y < 24;
      const uint8_t sample = Pattern(10 + (x - 10) / 3 * 3, 20 + (y - 20) / 2 * 2);
      ASSERT_EQ(Back(x, y), cell ? sample : Pattern(x, y)) << x << "," << y;
    }
  }
  ASSERT_EQ(gfx::CheckerRect(40, 40, 44, 44, 2, 2, 1, 0x1F9), 1);  // odd cells, colour 0xF9
  EXPECT_EQ(Back(40, 40), Pattern(40, 40));
  EXPECT_EQ(Back(42, 40), 0xF9);
  EXPECT_EQ(Back(41, 43), 0xF9);
  EXPECT_EQ(Back(43, 43), Pattern(43, 43));
}

TEST_F(RectEffectsTest, SmearBlendsWithTheOldNeighbour) {
  struct Case {
    int32_t direction, ex, ey;
  };
  for (const Case& c : {Case{0, 1, 0}, Case{1, 0, 1}, Case{2, 1, 1}}) {
    PaintPattern();
    ASSERT_EQ(gfx::SmearRect(10, 20, 14, 23, c.direction), 1);
    for (int32_t y = 20; y < 23; ++y) {
      for (int32_t x = 10; x < 14; ++x) {
        const bool changes = x < 13 && y < 22;
        const uint8_t expected =
            changes ? Mixed(Pattern(x + c.ex, y + c.ey), Pattern(x, y)) : Pattern(x, y);
        ASSERT_EQ(Back(x, y), expected) << c.direction << " at " << x << "," << y;
      }
    }
  }
  PaintPattern();
  ASSERT_EQ(gfx::SmearRect(10, 20, 11, 30, 1), 1);  // one pixel wide: nothing changes
  for (int32_t y = 20; y < 30; ++y) EXPECT_EQ(Back(10, y), Pattern(10, y));
}

TEST_F(RectEffectsTest, ColourFillUsesTheLowByte) {
  EXPECT_EQ(gfx::ColourFillRect(2, 3, 5, 6, 300), 1);
  EXPECT_EQ(Back(2, 3), 44);
  EXPECT_EQ(Back(4, 5), 44);
  EXPECT_EQ(Back(5, 5), Pattern(5, 5));
  EXPECT_EQ(Back(4, 6), Pattern(4, 6));
}

TEST_F(RectEffectsTest, SmallSlotTargetIsClampedToItsSize) {
  gfx::CreateSlotSurface(5, 6, 6);
  Fill(gfx::SlotSurface(5), 10);
  gfx::SetDrawTarget(5);
  ASSERT_EQ(gfx::ShiftRect(0, 0, 320, 240, 1), 1);
  ASSERT_EQ(gfx::BlitShifted(2, 2, SOURCE, 0, 0, 16, 16, NO_KEY, 0), 1);
  gfx::ResetDrawTarget();
  EXPECT_EQ(At(gfx::SlotSurface(5), 0, 0), 11);
  EXPECT_EQ(At(gfx::SlotSurface(5), 5, 5), Pattern(3, 3));
  ExpectReleased(gfx::SlotSurface(5));
}

}  // namespace
}  // namespace drawtest
