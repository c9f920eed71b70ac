// Renders tones sample by sample: oscillator, pitch glide and vibrato, envelope,
// then an optional one-pole low-pass whose cutoff glides or wobbles.
#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools {
namespace {

double Oscillate(Wave wave, double phase, uint32_t& noise) {
  const double p = phase - std::floor(phase);
  switch (wave) {
    case Wave::Sine:
      return std::sin(2.0 * std::numbers::pi * p);
    case Wave::Triangle:
      return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
    case Wave::Square:
      return p < 0.5 ? 1.0 : -1.0;
    case Wave::Saw:
      return 2.0 * p - 1.0;
    case Wave::Noise:
      // xorshift32: the same seed always gives the same hiss.
      noise ^= noise << 13;
      noise ^= noise >> 17;
      noise ^= noise << 5;
      return static_cast<double>(noise) / 2147483648.0 - 1.0;
  }
  return 0.0;
}

double Envelope(const Tone& tone, double t) {
  double level = 1.0;
  if (tone.attack > 0.0 && t < tone.attack) level = t / tone.attack;
  const double left = tone.length - t;
  if (tone.release > 0.0 && left < tone.release) level = std::min(level, left / tone.release);
  if (tone.decay > 0.0) level *= std::exp(-tone.decay * t);
  return level;
}

void AddTone(std::vector<double>& mix, const Tone& tone) {
  const double rate = SFX_SAMPLE_RATE;
  const auto first = static_cast<size_t>(std::lround(tone.start * rate));
  const auto count = static_cast<size_t>(std::lround(tone.length * rate));
  double phase = 0.0, filtered = 0.0;
  uint32_t noise = tone.seed == 0 ? 1 : tone.seed;
  for (size_t n = 0; n < count && first + n < mix.size(); ++n) {
    const double t = n / rate, along = tone.length > 0 ? t / tone.length : 0.0;
    double freq = tone.freqFrom * std::pow(tone.freqTo / tone.freqFrom, along);
    freq *= 1.0 + tone.vibratoDepth * std::sin(2.0 * std::numbers::pi * tone.vibratoRate * t);
    phase += freq / rate;
    double sample = Oscillate(tone.wave, phase, noise);
    if (tone.cutoffFrom > 0.0) {
      double cutoff = tone.cutoffFrom * std::pow(tone.cutoffTo / tone.cutoffFrom, along);
      if (tone.wahRate > 0.0) {
        // Opens and closes like a hand over a trumpet's bell.
        cutoff *= 0.35 + 0.65 * (0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * tone.wahRate * t));
      }
      const double k = 1.0 - std::exp(-2.0 * std::numbers::pi * cutoff / rate);
      filtered += k * (sample - filtered);
      sample = filtered;
    }
    mix[first + n] += tone.volume * Envelope(tone, t) * sample;
  }
}

}  // namespace

std::vector<int16_t> RenderTones(const std::vector<Tone>& tones, double seconds, double peak) {
  std::vector<double> mix(static_cast<size_t>(std::lround(seconds * SFX_SAMPLE_RATE)), 0.0);
  for (const Tone& tone : tones) AddTone(mix, tone);
  double loudest = 0.0;
  for (double s : mix) loudest = std::max(loudest, std::abs(s));
  const double gain = loudest > 0.0 ? peak / loudest : 0.0;
  std::vector<int16_t> samples(mix.size());
  for (size_t n = 0; n < mix.size(); ++n) {
    samples[n] = static_cast<int16_t>(std::lround(std::clamp(mix[n] * gain, -1.0, 1.0) * 32767.0));
  }
  return samples;
}

}  // namespace tools
