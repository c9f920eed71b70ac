// The software mixer: linear-interpolating resampler per voice, decibel gain,
// short fades for interrupted plays and gliding volume changes, float summing and
// a saturating conversion at the end.
#include "platform/mixer.h"

#include <cmath>
#include <cstring>

namespace platform {

namespace {

constexpr float kGlidePerFrame = 1.0f / MIX_RAMP_FRAMES;

// One channel of one frame as a float in [-1, 1).
float SampleAt(const MixSource& source, uint32_t frame, uint16_t channel) {
  uint32_t bytesPerSample = source.bitsPerSample / 8u;
  const uint8_t* p =
      source.data + (static_cast<size_t>(frame) * source.channels + channel) * bytesPerSample;
  if (source.formatTag == MIX_FORMAT_FLOAT) {
    float value;
    std::memcpy(&value, p, sizeof value);
    return std::isfinite(value) ? value : 0.0f;
  }
  switch (source.bitsPerSample) {
    case 8:
      return (static_cast<int>(p[0]) - 128) / 128.0f;
    case 16:
      return static_cast<int16_t>(p[0] | p[1] << 8) / 32768.0f;
    case 24:
      return static_cast<int32_t>(static_cast<uint32_t>(p[0]) << 8 |
                                  static_cast<uint32_t>(p[1]) << 16 |
                                  static_cast<uint32_t>(p[2]) << 24) /
             2147483648.0f;
    default:
      return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                  static_cast<uint32_t>(p[2]) << 16 |
                                  static_cast<uint32_t>(p[3]) << 24) /
             2147483648.0f;
  }
}

// The sample a play reads after the given frame: the start again when looping,
// silence after the end otherwise, so a sound that stops ends at zero.
float NextSample(const MixSource& source, uint32_t frame, uint16_t channel, bool looping) {
  if (frame + 1 < source.frames) return SampleAt(source, frame + 1, channel);
  return looping ? SampleAt(source, 0, channel) : 0.0f;
}

// Interpolated left and right of the head's position, or false when it has ended.
bool ReadHead(const MixSource& source, MixHead* head, float* left, float* right) {
  uint64_t end = static_cast<uint64_t>(source.frames) << 32;
  if (head->position >= end) {
    if (!head->looping || end == 0) {
      head->active = false;
      return false;
    }
    head->position %= end;
  }
  uint32_t frame = static_cast<uint32_t>(head->position >> 32);
  float fraction = static_cast<float>(static_cast<uint32_t>(head->position)) / 4294967296.0f;
  uint16_t rightChannel = source.channels > 1 ? 1 : 0;
  float l0 = SampleAt(source, frame, 0);
  float r0 = SampleAt(source, frame, rightChannel);
  *left = l0 + (NextSample(source, frame, 0, head->looping) - l0) * fraction;
  *right = r0 + (NextSample(source, frame, rightChannel, head->looping) - r0) * fraction;
  return true;
}

// Lets the current play fade out from where it is instead of cutting it off.
void FadeOutHead(MixVoice* voice) {
  if (!voice->head.active) return;
  voice->tail = voice->head;
  voice->tailGain = voice->gain;
  voice->tailFramesLeft = MIX_RAMP_FRAMES;
}

float GlideToward(float current, float target) {
  if (std::fabs(target - current) <= kGlidePerFrame) return target;
  return current + (target > current ? kGlidePerFrame : -kGlidePerFrame);
}

}  // namespace

float GainFromVolume(int32_t hundredthsDb) {
  if (hundredthsDb <= -10000) return 0.0f;
  if (hundredthsDb >= 0) return 1.0f;
  return static_cast<float>(std::pow(10.0, hundredthsDb / 2000.0));
}

void PlayVoice(MixVoice* voice, bool looping) {
  voice->head.looping = looping;
  if (voice->head.active) return;
  voice->head.active = true;
  voice->gain = GainFromVolume(voice->volume);
}

void StopVoice(MixVoice* voice) {
  FadeOutHead(voice);
  voice->head.active = false;
}

void SeekVoice(MixVoice* voice, uint32_t frame) {
  FadeOutHead(voice);
  voice->head.position = static_cast<uint64_t>(frame) << 32;
}

void SetVoiceVolume(MixVoice* voice, int32_t hundredthsDb) {
  voice->volume = hundredthsDb;
  if (!voice->head.active) voice->gain = GainFromVolume(hundredthsDb);
}

void MixVoiceInto(MixVoice* voice, float* accumulator, uint32_t frames, uint32_t deviceRate) {
  if (deviceRate == 0 || voice->source.frames == 0) return;
  uint64_t step = (static_cast<uint64_t>(voice->frequency) << 32) / deviceRate;
  float target = GainFromVolume(voice->volume);
  float left, right;
  for (uint32_t i = 0; i < frames && voice->tailFramesLeft > 0; ++i) {
    if (!ReadHead(voice->source, &voice->tail, &left, &right)) {
      voice->tailFramesLeft = 0;
      break;
    }
    float gain = voice->tailGain * voice->tailFramesLeft / MIX_RAMP_FRAMES;
    accumulator[2 * i] += left * gain;
    accumulator[2 * i + 1] += right * gain;
    voice->tail.position += step;
    --voice->tailFramesLeft;
  }
  for (uint32_t i = 0; i < frames && voice->head.active; ++i) {
    if (!ReadHead(voice->source, &voice->head, &left, &right)) break;
    voice->gain = GlideToward(voice->gain, target);
    accumulator[2 * i] += left * voice->gain;
    accumulator[2 * i + 1] += right * voice->gain;
    voice->head.position += step;
  }
}

void SaturateToS16(const float* accumulator, int16_t* out, uint32_t samples) {
  for (uint32_t i = 0; i < samples; ++i) {
    float scaled = std::nearbyint(accumulator[i] * 32768.0f);
    if (std::isnan(scaled)) scaled = 0.0f;
    if (scaled > 32767.0f) scaled = 32767.0f;
    if (scaled < -32768.0f) scaled = -32768.0f;
    out[i] = static_cast<int16_t>(scaled);
  }
}

}  // namespace platform
