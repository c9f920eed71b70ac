// The software mixer: resamples each playing buffer to the device rate, applies
// its volume and sums everything into saturated 16-bit stereo, without clicks.
#pragma once

#include <cstdint>

namespace platform {

// PCM layouts a buffer may hold.
constexpr uint16_t MIX_FORMAT_PCM = 1;    // 8-bit unsigned, 16/24/32-bit signed
constexpr uint16_t MIX_FORMAT_FLOAT = 3;  // 32-bit IEEE float

// Device frames over which a volume change glides and an interrupted sound fades.
constexpr uint32_t MIX_RAMP_FRAMES = 128;

// The samples of one buffer, in the buffer's own format.
struct MixSource {
  const uint8_t* data = nullptr;
  uint32_t frames = 0;
  uint16_t formatTag = MIX_FORMAT_PCM;
  uint16_t channels = 1;  // 1 or 2
  uint16_t bitsPerSample = 16;
};

// A read position that walks through the source in 32.32 fixed-point frames.
struct MixHead {
  uint64_t position = 0;
  bool active = false;
  bool looping = false;
};

// One buffer's playing state as the mixer sees it.
struct MixVoice {
  MixSource source;
  uint32_t frequency = 0;  // playback rate in Hz
  int32_t volume = 0;      // hundredths of a decibel, -10000..0
  MixHead head;            // the current play
  float gain = 1.0f;       // gain applied now; glides toward the volume's gain
  MixHead tail;            // an interrupted play fading out
  float tailGain = 0.0f;
  uint32_t tailFramesLeft = 0;
};

// Linear gain of a level in hundredths of a decibel; -10000 and below are silence.
float GainFromVolume(int32_t hundredthsDb);

// Plays from the current read position; a voice already playing only takes the
// new looping choice.
void PlayVoice(MixVoice* voice, bool looping);
// Ends the current play (fading it out) and leaves the read position where it was.
void StopVoice(MixVoice* voice);
// Moves the read position to a frame; a sounding play fades out and resumes there.
void SeekVoice(MixVoice* voice, uint32_t frame);
// Sets the level; a sounding play glides to it over MIX_RAMP_FRAMES.
void SetVoiceVolume(MixVoice* voice, int32_t hundredthsDb);

// Adds frames of the voice at deviceRate into accumulator (interleaved stereo).
void MixVoiceInto(MixVoice* voice, float* accumulator, uint32_t frames, uint32_t deviceRate);
// Converts the accumulator (full scale 1.0) to 16-bit stereo, saturating.
void SaturateToS16(const float* accumulator, int16_t* out, uint32_t samples);

}  // namespace platform
