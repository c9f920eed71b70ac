// Sound effects: up to 70 effects of up to 10 buffers each, played by handle.
#pragma once

#include <cstdint>

namespace audio {

constexpr int32_t SOUND_EFFECT_COUNT = 70;
constexpr int32_t SOUND_MAX_COPIES = 10;

extern int32_t SoundAvailable;

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
