// A screen-sized picture turned into single-pixel particles that fly apart or assemble.
#include "gfx/particles.h"

#include <algorithm>

#include "gfx/ddraw.h"
#include "gfx/pixels.h"
#include "gfx/surfaces.h"
#include "shared/shell_state.h"

namespace gfx {

Particle ParticleTable[PARTICLE_CAPACITY];
int32_t ParticleCount = 0;

namespace {

// A random velocity in -spread/2 .. spread - 1 - spread/2 (halves rounded down).
double RandomVelocity(int32_t spread) {
  return static_cast<double>(shared::NextRandom() % spread - spread / 2);
}

}  // namespace

void MakeParticles(int32_t slot, int32_t key, double t, int32_t spreadX, int32_t spreadY,
                   int32_t mode) {
  std::fill(std::begin(ParticleTable), std::end(ParticleTable), Particle{});
  const int32_t sx = std::max(spreadX + 1, 1);
  const int32_t sy = std::max(spreadY + 1, 1);
  ParticleCount = 0;
  Surface* surface = SlotSurface(slot);
  uint8_t* pixels = nullptr;
  int32_t pitch = 0;
  if (surface == nullptr || Lock(surface, &pixels, &pitch) != DD_OK) return;
  // The picture's outermost columns and rows never become particles; a slot
  // smaller than the screen gives only the pixels it has.
  const int32_t lastColumn = std::min(SCREEN_WIDTH - 2, surface->width - 1);
  const int32_t lastRow = std::min(SCREEN_HEIGHT - 2, surface->height - 1);
  for (int32_t px = 1; px <= lastColumn; ++px) {
    for (int32_t py = 1; py <= lastRow; ++py) {
      const uint8_t p = pixels[py * pitch + px];
      if (key >= 0 && p == key) continue;
      const double vx = RandomVelocity(sx);
      const double vy = RandomVelocity(sy);
      const bool assemble = mode == 0;
      ParticleTable[ParticleCount++] =
          Particle{1, p, assemble ? px - vx * t : px, vx, vy, assemble ? py - vy * t : py};
    }
  }
  Unlock(surface);
}

void DrawParticles() {
  const bool locked = LockDrawTarget() == 1;
  for (int32_t i = 0; i < ParticleCount; ++i) {
    Particle& particle = ParticleTable[i];
    if (particle.active != 1) continue;
    particle.x = particle.x + shared::FrameStep * particle.vx;
    particle.y = particle.y + shared::FrameStep * particle.vy;
    // Truncation toward zero: -0.5 still lands in column 0, -1.0 is off the
    // screen. Far-off positions are not converted to integers at all.
    if (locked && particle.x > -1.0 && particle.x < SCREEN_WIDTH && particle.y > -1.0 &&
        particle.y < SCREEN_HEIGHT) {
      PutPixel(static_cast<int32_t>(particle.x), static_cast<int32_t>(particle.y),
               static_cast<int32_t>(particle.colour));
    }
  }
  if (locked) UnlockDrawTarget();
}

}  // namespace gfx
