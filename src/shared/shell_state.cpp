// The shell's globals that the rest of the program reads, and their helpers.
#include "shared/shell_state.h"

#include <cmath>
#include <numbers>

namespace shared {

std::FILE* ReportFile = nullptr;
double FrameStep = 0.0;
int32_t SineTable[450];
int32_t PageFlipMode = 0;

int SoundStageClear = 0;
int SoundGoodDelivery = 0;
int SoundRottenFailure = 0;
int SoundWrongRipeness = 0;
int SoundRottenDrop = 0;
int SoundFailure = 0;

namespace {
uint32_t RandomState = 1;
}  // namespace

void FillSineTable() {
  for (int i = 0; i < 450; ++i) {
    // The product first, as the table has always been computed: entry 30 is 179.
    double angle = (i * 2.0 * std::numbers::pi) / 360.0;
    SineTable[i] = static_cast<int32_t>(std::sin(angle) * 360.0);
  }
}

void SeedRandom(uint32_t seed) {
  RandomState = seed;
}

int32_t NextRandom() {
  RandomState = RandomState * 214013u + 2531011u;
  return static_cast<int32_t>((RandomState >> 16) & 0x7FFF);
}

}  // namespace shared
