// Checks the committed sound effects: the format the game's mixer plays, a
// length that fits the moment, no clicks, and the character of each effect.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "audio/wave_file.h"

namespace {

std::vector<int16_t> LoadSamples(const std::string& name) {
  const std::string path = std::string(VAULMOOR_DATA_DIR) + "/" + name;
  uint32_t size = 0;
  audio::WaveFormat format;
  std::vector<uint8_t> data;
  EXPECT_EQ(audio::ReadWaveFile(path.c_str(), &size, &format, &data), 0) << name;
  EXPECT_EQ(format.formatTag, audio::WAVE_FORMAT_PCM);
  EXPECT_EQ(format.channels, 1);
  EXPECT_EQ(format.bitsPerSample, 16);
  EXPECT_EQ(format.samplesPerSec, 22050u);
  std::vector<int16_t> samples(data.size() / 2);
  for (size_t n = 0; n < samples.size(); ++n) {
    samples[n] = static_cast<int16_t>(data[2 * n] | data[2 * n + 1] << 8);
  }
  return samples;
}

// Sign changes per second over a stretch: a rough measure of pitch.
double CrossingsPerSecond(const std::vector<int16_t>& s, size_t from, size_t to) {
  int32_t crossings = 0;
  for (size_t n = from + 1; n < to; ++n) crossings += (s[n - 1] < 0) != (s[n] < 0);
  return crossings * 22050.0 / static_cast<double>(to - from);
}

TEST(Sounds, EveryEffectIsShortAudibleUnclippedAndStartsAndEndsQuietly) {
  for (int32_t k = 1; k <= 6; ++k) {
    const std::string name = "snd0" + std::to_string(k) + ".wav";
    SCOPED_TRACE(name);
    const std::vector<int16_t> s = LoadSamples(name);
    ASSERT_FALSE(s.empty());
    const double seconds = s.size() / 22050.0;
    EXPECT_GT(seconds, 0.2);
    EXPECT_LE(seconds, 2.0);
    int32_t peak = 0;
    for (int16_t v : s) peak = std::max(peak, std::abs(static_cast<int32_t>(v)));
    EXPECT_GT(peak, 12000);
    EXPECT_LT(peak, 32767);
    // A loud first or last sample would click when the effect starts or ends.
    EXPECT_LT(std::abs(static_cast<int32_t>(s.front())), 2000);
    EXPECT_LT(std::abs(static_cast<int32_t>(s.back())), 2000);
  }
}

TEST(Sounds, GroanAndWahWahFallWhileTheChimeIsBright) {
  for (const char* falling : {"snd03.wav", "snd06.wav"}) {
    const std::vector<int16_t> s = LoadSamples(falling);
    const size_t quarter = s.size() / 4;
    EXPECT_GT(CrossingsPerSecond(s, 0, quarter), CrossingsPerSecond(s, 2 * quarter, 3 * quarter))
        << falling;
  }
  const std::vector<int16_t> chime = LoadSamples("snd02.wav");
  const std::vector<int16_t> groan = LoadSamples("snd03.wav");
  EXPECT_GT(CrossingsPerSecond(chime, 0, chime.size() / 2), 2000.0);
  EXPECT_LT(CrossingsPerSecond(groan, 0, groan.size()), 800.0);
}

}  // namespace
