// Particle sets built from a picture: counts, velocities from the shell's generator, motion and
// assembly.
#include "gfx/particles.h"

#include <algorithm>

#include "draw_fixture.h"
#include "gfx/surfaces.h"
#include "shared/shell_state.h"

namespace drawtest {
namespace {

constexpr int32_t KEY = 0;

class ParticlesTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    picture_ = gfx::SlotSurface(gfx::BufferSlot);
    Fill(picture_, KEY);
    shared::SeedRandom(1);
    shared::FrameStep = 0.0;
  }
  // A picture where every pixel but the key is (x + y) mod 250 + 1.
  void FillWholePicture() {
    for (int32_t y = 0; y < 240; ++y) {
      for (int32_t x = 0; x < 320; ++x)
        At(picture_, x, y) = static_cast<uint8_t>((x + y) % 250 + 1);
    }
  }
  gfx::Surface* picture_ = nullptr;
};

TEST_F(ParticlesTest, AllKeyPictureGivesNoParticles) {
  gfx::MakeParticles(gfx::BufferSlot, KEY, 1.0, 10, 10, 1);
  EXPECT_EQ(gfx::ParticleCount, 0);
  shared::FrameStep = 0.05;
  gfx::DrawParticles();
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
  ExpectReleased(picture_);
  ExpectReleased(gfx::BackSurface);
}

TEST_F(ParticlesTest, BorderPixelsNeverBecomeParticlesAndColumnsComeFirst) {
  At(picture_, 0, 0) = 9;
  At(picture_, 319, 5) = 9;
  At(picture_, 5, 239) = 9;
  At(picture_, 6, 3) = 11;
  At(picture_, 5, 7) = 12;
  At(picture_, 318, 238) = 13;
  gfx::MakeParticles(gfx::BufferSlot, KEY, 0.0, 0, 0, 1);
  ASSERT_EQ(gfx::ParticleCount, 3);
  EXPECT_EQ(gfx::ParticleTable[0].colour, 12u);  // column 5 before column 6
  EXPECT_EQ(gfx::ParticleTable[1].colour, 11u);
  EXPECT_EQ(gfx::ParticleTable[2].colour, 13u);
  EXPECT_EQ(gfx::ParticleTable[3].active, 0);
  EXPECT_EQ(gfx::ParticleTable[2].x, 318.0);
  EXPECT_EQ(gfx::ParticleTable[2].y, 238.0);
}

TEST_F(ParticlesTest, NegativeKeyKeepsEveryInnerPixel) {
  gfx::MakeParticles(gfx::BufferSlot, -1, 0.0, 0, 0, 1);
  EXPECT_EQ(gfx::ParticleCount, 318 * 238);
}

TEST_F(ParticlesTest, VelocitiesFollowTheShellGenerator) {
  // Seed 1 gives 41, 18467, 6334, ...: with spread 10 (modulo 11, less 5) the
  // first particle gets vx = 41 % 11 - 5 = 3 and vy = 18467 % 11 - 5 = 4.
  At(picture_, 10, 20) = 50;
  gfx::MakeParticles(gfx::BufferSlot, KEY, 2.0, 10, 10, 0);
  ASSERT_EQ(gfx::ParticleCount, 1);
  const gfx::Particle& p = gfx::ParticleTable[0];
  EXPECT_EQ(p.active, 1);
  EXPECT_EQ(p.vx, 3.0);
  EXPECT_EQ(p.vy, 4.0);
  EXPECT_EQ(p.x, 10.0 - 3.0 * 2.0);  // assembling: t seconds back along the path
  EXPECT_EQ(p.y, 20.0 - 4.0 * 2.0);
}

TEST_F(ParticlesTest, VelocityRangesBySpread) {
  struct Case {
    int32_t spreadX, spreadY, minX, maxX, minY, maxY;
  };
  const Case cases[] = {{10, 9, -5, 5, -5, 4}, {0, -7, 0, 0, 0, 0}, {1, 2, -1, 0, -1, 1}};
  FillWholePicture();
  for (const Case& c : cases) {
    gfx::MakeParticles(gfx::BufferSlot, KEY, 0.0, c.spreadX, c.spreadY, 1);
    ASSERT_EQ(gfx::ParticleCount, 318 * 238);
    double minX = 99, maxX = -99, minY = 99, maxY = -99;
    for (int32_t i = 0; i < gfx::ParticleCount; ++i) {
      minX = std::min(minX, gfx::ParticleTable[i].vx);
      maxX = std::max(maxX, gfx::ParticleTable[i].vx);
      minY = std::min(minY, gfx::ParticleTable[i].vy);
      maxY = std::max(maxY, gfx::ParticleTable[i].vy);
    }
    EXPECT_EQ(minX, c.minX) << c.spreadX;
    EXPECT_EQ(maxX, c.maxX) << c.spreadX;
    EXPECT_EQ(minY, c.minY) << c.spreadY;
    EXPECT_EQ(maxY, c.maxY) << c.spreadY;
  }
}

// The inner picture as the back buffer must show it once every particle is home.
void ExpectPictureRedrawn(gfx::Surface* picture) {
  for (int32_t y = 1; y < 239; ++y) {
    for (int32_t x = 1; x < 319; ++x) {
      ASSERT_EQ(DrawTest::Back(x, y), DrawTest::At(picture, x, y)) << x << "," << y;
    }
  }
}

TEST_F(ParticlesTest, StillParticlesRedrawThePictureWithoutItsBorder) {
  FillWholePicture();
  gfx::MakeParticles(gfx::BufferSlot, KEY, 3.0, 0, 0, 0);
  shared::FrameStep = 0.1;
  gfx::DrawParticles();
  ExpectPictureRedrawn(picture_);
  EXPECT_EQ(Back(0, 0), BACKGROUND);
  EXPECT_EQ(Back(319, 100), BACKGROUND);
}

TEST_F(ParticlesTest, AssemblyCompletesAfterTSeconds) {
  FillWholePicture();
  gfx::MakeParticles(gfx::BufferSlot, KEY, 2.0, 10, 10, 0);
  shared::FrameStep = 0.5;
  for (int32_t frame = 0; frame < 3; ++frame) gfx::DrawParticles();
  Fill(gfx::BackSurface, BACKGROUND);
  gfx::DrawParticles();  // 4 x 0.5 = 2 seconds
  ExpectPictureRedrawn(picture_);
}

TEST_F(ParticlesTest, BurstStartsHomeAndMovesByFrameStep) {
  At(picture_, 100, 100) = 77;
  gfx::MakeParticles(gfx::BufferSlot, KEY, 5.0, 10, 10, 1);  // vx 3, vy 4 (seed 1)
  ASSERT_EQ(gfx::ParticleCount, 1);
  EXPECT_EQ(gfx::ParticleTable[0].x, 100.0);
  shared::FrameStep = 1.0;
  gfx::DrawParticles();
  EXPECT_EQ(Back(103, 104), 77);
  EXPECT_EQ(PixelsNot(gfx::BackSurface, BACKGROUND).size(), 1u);
}

TEST_F(ParticlesTest, TruncationTowardZeroAtTheScreenEdge) {
  struct Case {
    double x, y;
    bool drawn;
    int32_t column, row;
  };
  const Case cases[] = {{-0.5, 3.0, true, 0, 3},    {-1.0, 3.0, false, 0, 0},
                        {319.9, 3.0, true, 319, 3}, {320.0, 3.0, false, 0, 0},
                        {5.0, -0.9, true, 5, 0},    {5.0, 240.0, false, 0, 0},
                        {1e300, 3.0, false, 0, 0}};
  for (const Case& c : cases) {
    Fill(gfx::BackSurface, BACKGROUND);
    gfx::ParticleCount = 1;
    gfx::ParticleTable[0] = gfx::Particle{1, 42, c.x, 0.0, 0.0, c.y};
    gfx::DrawParticles();
    PixelSet expected;
    if (c.drawn) expected.insert({c.column, c.row});
    EXPECT_EQ(PixelsOf(gfx::BackSurface, 42), expected) << c.x << "," << c.y;
  }
}

TEST_F(ParticlesTest, FailedLockStillMovesTheParticles) {
  At(picture_, 10, 10) = 60;
  gfx::MakeParticles(gfx::BufferSlot, KEY, 0.0, 10, 10, 1);
  gfx::SetDrawTarget(7);  // an empty slot cannot be locked
  shared::FrameStep = 1.0;
  gfx::DrawParticles();
  EXPECT_EQ(gfx::ParticleTable[0].x, 13.0);
  EXPECT_EQ(gfx::ParticleTable[0].y, 14.0);
  gfx::ResetDrawTarget();
  EXPECT_TRUE(PixelsNot(gfx::BackSurface, BACKGROUND).empty());
}

TEST_F(ParticlesTest, EmptySlotLeavesNoParticles) {
  gfx::ParticleCount = 5;
  gfx::MakeParticles(8, KEY, 0.0, 10, 10, 1);
  EXPECT_EQ(gfx::ParticleCount, 0);
  EXPECT_EQ(gfx::ParticleTable[0].active, 0);
}

}  // namespace
}  // namespace drawtest
