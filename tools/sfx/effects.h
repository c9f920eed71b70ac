// The six sound effects of the game, each a list of tones.
#pragma once

#include <cstdint>
#include <vector>

namespace tools {

struct SoundEffect {
  const char* file;
  std::vector<int16_t> (*render)();
};

// snd01..snd06 in the order the game loads them.
const std::vector<SoundEffect>& SoundEffects();

}  // namespace tools
