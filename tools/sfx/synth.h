// A small tone synthesiser for the sound effects: waveforms, glides, vibrato,
// envelopes, a sweeping low-pass filter and a seeded noise source.
#pragma once

#include <cstdint>
#include <vector>

namespace tools {

constexpr uint32_t SFX_SAMPLE_RATE = 22050;

enum class Wave { Sine, Triangle, Square, Saw, Noise };

// One sounding note. Times are in seconds, frequencies in hertz.
struct Tone {
  double start = 0.0;
  double length = 0.1;
  Wave wave = Wave::Sine;
  double freqFrom = 440.0;  // the pitch glides exponentially from freqFrom to freqTo
  double freqTo = 440.0;
  double volume = 0.5;
  double attack = 0.005;  // linear fade in
  double release = 0.02;  // linear fade out at the end of the note
  double decay = 0.0;     // exponential fall of the level per second (bells, plucks)
  double vibratoRate = 0.0;
  double vibratoDepth = 0.0;  // fraction of the pitch
  double cutoffFrom = 0.0;    // low-pass cutoff gliding from..to; 0 leaves the tone unfiltered
  double cutoffTo = 0.0;
  double wahRate = 0.0;  // cutoff opened and closed this many times per second
  uint32_t seed = 1;     // the noise generator's start for Wave::Noise
};

// Mixes the tones into a buffer of the given length, then scales the mix so its
// loudest sample reaches peak (0..1) and returns 16-bit samples.
std::vector<int16_t> RenderTones(const std::vector<Tone>& tones, double seconds, double peak);

}  // namespace tools
