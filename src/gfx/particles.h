// A screen-sized picture turned into single-pixel particles that fly apart or assemble.
#pragma once

#include <cstdint>

namespace gfx {

struct Particle {
  int32_t active;   // 1 = the particle exists
  uint32_t colour;  // palette index taken from the picture
  double x;         // current column, pixels
  double vx;        // pixels per second
  double vy;        // pixels per second
  double y;         // current row, pixels
};

constexpr int32_t PARTICLE_CAPACITY = 320 * 240;

extern Particle ParticleTable[PARTICLE_CAPACITY];
extern int32_t ParticleCount;

// Builds one particle per pixel of the slot's picture that is not the key (a
// negative key keeps all), columns 1..318 and rows 1..238, with random velocities
// of spreadX and spreadY pixels per second. Mode 0 places each particle t seconds
// back along its path so that the picture assembles after t seconds; any other
// mode starts every particle on its own pixel.
void MakeParticles(int32_t slot, int32_t key, double t, int32_t spreadX, int32_t spreadY,
                   int32_t mode);
// Moves every particle by one FrameStep and plots the set into the draw target.
void DrawParticles();

}  // namespace gfx
