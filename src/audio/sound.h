// Sound effects: up to 70 effects of up to 10 buffers each, played by handle.
#pragma once

#include <cstdint>

namespace platform {
struct SoundBuffer;
}

namespace audio {

constexpr int32_t SOUND_EFFECT_COUNT = 70;
constexpr int32_t SOUND_MAX_COPIES = 10;
// What LoadSoundEffect returns when nothing was loaded; every operation ignores it.
constexpr int32_t SOUND_NO_EFFECT = -1;
constexpr int32_t SOUND_PITCH_MIN = 100;
constexpr int32_t SOUND_PITCH_MAX = 100000;
constexpr int32_t SOUND_VOLUME_MIN = -10000;
constexpr int32_t SOUND_VOLUME_MAX = 0;

// One loaded effect: identical copies of its sound in buffers 0..copies-1.
struct SoundEffect {
  int32_t inUse = 0;
  int32_t copies = 1;
  platform::SoundBuffer* buffers[SOUND_MAX_COPIES] = {};
  int32_t nextBuffer = 0;
  uint32_t baseFrequency = 0;
  int32_t frequency[SOUND_MAX_COPIES] = {};  // Hz, as last set
  int32_t volume[SOUND_MAX_COPIES] = {};     // hundredths of a decibel, as last set
};

extern int32_t SoundAvailable;
extern SoundEffect SoundEffects[SOUND_EFFECT_COUNT];

int32_t InitSound();
int32_t LoadSoundEffect(const char* fileName, int32_t copies);
void PlaySoundEffect(int32_t handle, int32_t buffer);
void LoopSoundEffect(int32_t handle, int32_t buffer);
void StopSoundEffect(int32_t handle, int32_t buffer);
void SetSoundPitch(int32_t handle, int32_t step, int32_t buffer);
void SetSoundVolume(int32_t handle, int32_t level, int32_t buffer);
void UnloadSoundEffect(int32_t handle);
void ShutdownSound();

}  // namespace audio
