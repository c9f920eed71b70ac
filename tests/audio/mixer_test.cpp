// Tests of the software mixer: sample values after resampling and gain,
// saturation, looping, and the fades that keep stops and level changes click-free.
#include "platform/mixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using platform::MixVoice;

constexpr uint32_t kRate = 44100;

MixVoice VoiceOf(const std::vector<int16_t>& samples, uint16_t channels, uint32_t frequency) {
  MixVoice voice;
  voice.source.data = reinterpret_cast<const uint8_t*>(samples.data());
  voice.source.frames = static_cast<uint32_t>(samples.size() / channels);
  voice.source.channels = channels;
  voice.source.bitsPerSample = 16;
  voice.frequency = frequency;
  return voice;
}

// Renders frames of the voices and returns the 16-bit stereo result.
std::vector<int16_t> Render(std::vector<MixVoice*> voices, uint32_t frames) {
  std::vector<float> accumulator(2 * frames, 0.0f);
  for (MixVoice* v : voices) platform::MixVoiceInto(v, accumulator.data(), frames, kRate);
  std::vector<int16_t> out(2 * frames);
  platform::SaturateToS16(accumulator.data(), out.data(), 2 * frames);
  return out;
}

TEST(MixerTest, GainFollowsDecibels) {
  struct Case {
    int32_t volume;
    float gain;
  } cases[] = {{0, 1.0f},       {500, 1.0f},    {-600, 0.501187f}, {-2000, 0.1f},
               {-6000, 0.001f}, {-10000, 0.0f}, {-20000, 0.0f}};
  for (const Case& c : cases) {
    EXPECT_NEAR(platform::GainFromVolume(c.volume), c.gain, 1e-6f) << c.volume;
  }
}

TEST(MixerTest, MonoBufferAtDeviceRateAndMinusSixDecibels) {
  std::vector<int16_t> samples = {1000, -2000, 3000, 32767};
  MixVoice voice = VoiceOf(samples, 1, kRate);
  platform::SetVoiceVolume(&voice, -600);
  platform::PlayVoice(&voice, false);
  std::vector<int16_t> out = Render({&voice}, 6);
  // round(s * 0.501187), the same on both sides, then silence after the end.
  EXPECT_EQ(out,
            (std::vector<int16_t>{501, 501, -1002, -1002, 1504, 1504, 16422, 16422, 0, 0, 0, 0}));
  EXPECT_FALSE(voice.head.active);
}

TEST(MixerTest, HalfRateStereoInterpolatesBetweenFrames) {
  std::vector<int16_t> samples = {0, 1000, 2000, -1000, 4000, 0};
  MixVoice voice = VoiceOf(samples, 2, kRate / 2);
  platform::PlayVoice(&voice, false);
  std::vector<int16_t> out = Render({&voice}, 6);
  EXPECT_EQ(out,
            (std::vector<int16_t>{0, 1000, 1000, 0, 2000, -1000, 3000, -500, 4000, 0, 2000, 0}));
}

TEST(MixerTest, EightBitSamplesAreCentredOn128) {
  std::vector<uint8_t> samples = {128, 255, 0, 192};
  MixVoice voice;
  voice.source.data = samples.data();
  voice.source.frames = 4;
  voice.source.bitsPerSample = 8;
  voice.frequency = kRate;
  platform::PlayVoice(&voice, false);
  std::vector<int16_t> out = Render({&voice}, 4);
  EXPECT_EQ(out, (std::vector<int16_t>{0, 0, 32512, 32512, -32768, -32768, 16384, 16384}));
}

TEST(MixerTest, WiderSampleFormatsKeepTheirValues) {
  float half = 0.5f, quarterDown = -0.25f;
  uint8_t floats[8];
  std::memcpy(floats, &half, 4);
  std::memcpy(floats + 4, &quarterDown, 4);
  struct Case {
    uint16_t formatTag, bits;
    std::vector<uint8_t> bytes;  // +0.5, then -0.25
  } cases[] = {
      {platform::MIX_FORMAT_PCM, 24, {0x00, 0x00, 0x40, 0x00, 0x00, 0xE0}},
      {platform::MIX_FORMAT_PCM, 32, {0x00, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00, 0xE0}},
      {platform::MIX_FORMAT_FLOAT, 32, std::vector<uint8_t>(floats, floats + 8)},
  };
  for (const Case& c : cases) {
    MixVoice voice;
    voice.source.data = c.bytes.data();
    voice.source.frames = 2;
    voice.source.formatTag = c.formatTag;
    voice.source.bitsPerSample = c.bits;
    voice.frequency = kRate;
    platform::PlayVoice(&voice, false);
    EXPECT_EQ(Render({&voice}, 2), (std::vector<int16_t>{16384, 16384, -8192, -8192}))
        << c.formatTag << "/" << c.bits;
  }
}

TEST(MixerTest, LoudVoicesSaturateInsteadOfWrapping) {
  std::vector<int16_t> high = {30000, -30000, 20000};
  MixVoice a = VoiceOf(high, 1, kRate), b = VoiceOf(high, 1, kRate);
  platform::PlayVoice(&a, false);
  platform::PlayVoice(&b, false);
  std::vector<int16_t> out = Render({&a, &b}, 3);
  EXPECT_EQ(out, (std::vector<int16_t>{32767, 32767, -32768, -32768, 32767, 32767}));
}

TEST(MixerTest, LoopingWrapsToTheStartUntilStopped) {
  std::vector<int16_t> samples = {100, 200, 300};
  MixVoice voice = VoiceOf(samples, 1, kRate);
  platform::PlayVoice(&voice, true);
  std::vector<int16_t> out = Render({&voice}, 7);
  std::vector<int16_t> left;
  for (size_t i = 0; i < out.size(); i += 2) left.push_back(out[i]);
  EXPECT_EQ(left, (std::vector<int16_t>{100, 200, 300, 100, 200, 300, 100}));
  EXPECT_TRUE(voice.head.active);
}

// Largest step between neighbouring left samples of a rendering.
int MaxStep(const std::vector<int16_t>& out, int16_t before) {
  int step = std::abs(out[0] - before);
  for (size_t i = 2; i < out.size(); i += 2) step = std::max(step, std::abs(out[i] - out[i - 2]));
  return step;
}

TEST(MixerTest, StopFadesOutInsteadOfCutting) {
  std::vector<int16_t> level(4000, 16000);
  MixVoice voice = VoiceOf(level, 1, kRate);
  platform::PlayVoice(&voice, false);
  Render({&voice}, 100);
  platform::StopVoice(&voice);
  std::vector<int16_t> out = Render({&voice}, platform::MIX_RAMP_FRAMES + 10);
  EXPECT_EQ(out[0], 16000);
  EXPECT_LE(MaxStep(out, 16000), 16000 / static_cast<int>(platform::MIX_RAMP_FRAMES) + 1);
  EXPECT_EQ(out[2 * platform::MIX_RAMP_FRAMES], 0);
  EXPECT_EQ(voice.head.position >> 32, 100u);  // the position stays where it stopped
}

TEST(MixerTest, RestartFadesTheOldPlayUnderTheNewOne) {
  std::vector<int16_t> ramp(1000);
  for (size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<int16_t>(10 * i);
  MixVoice voice = VoiceOf(ramp, 1, kRate);
  platform::PlayVoice(&voice, false);
  Render({&voice}, 500);
  platform::StopVoice(&voice);
  platform::SeekVoice(&voice, 0);
  platform::PlayVoice(&voice, false);
  std::vector<int16_t> out = Render({&voice}, 2);
  EXPECT_EQ(out[0], 5000);  // the old play at full gain over the new one's first sample, 0
  EXPECT_NEAR(out[2], 5010 * 127.0 / 128.0 + 10, 1.0);  // old fading, new rising
}

TEST(MixerTest, VolumeChangeGlides) {
  std::vector<int16_t> level(4000, 20000);
  MixVoice voice = VoiceOf(level, 1, kRate);
  platform::PlayVoice(&voice, false);
  Render({&voice}, 10);
  platform::SetVoiceVolume(&voice, -10000);
  std::vector<int16_t> out = Render({&voice}, 2 * platform::MIX_RAMP_FRAMES);
  EXPECT_GT(out[0], 19000);
  EXPECT_LE(MaxStep(out, 20000), 20000 / static_cast<int>(platform::MIX_RAMP_FRAMES) + 1);
  EXPECT_EQ(out[2 * (platform::MIX_RAMP_FRAMES + 1)], 0);
}

}  // namespace
