// vaulmoor-sfx: synthesises the six sound effects and writes them as 16-bit mono
// PCM WAVE files into a folder (the game's data/ folder by default).
#include <cstdio>
#include <string>

#include "audio/wave_file.h"
#include "effects.h"
#include "synth.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: vaulmoor-sfx [output-folder]\n");
    return 2;
  }
  const std::string folder = argc == 2 ? argv[1] : "data";
  for (const tools::SoundEffect& effect : tools::SoundEffects()) {
    const std::vector<int16_t> samples = effect.render();
    const std::string path = folder + "/" + effect.file;
    // WAVE data is little-endian, as the samples are in memory on this platform.
    if (audio::WriteWaveFile(path.c_str(), 1, tools::SFX_SAMPLE_RATE, 16, samples.data(),
                             static_cast<uint32_t>(samples.size() * sizeof(int16_t))) != 1) {
      std::fprintf(stderr, "vaulmoor-sfx: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
