// The effect player: loads WAV files into static buffers and starts, loops,
// stops, re-pitches and re-levels them by handle.
#include "audio/sound.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "audio/wave_file.h"
#include "platform/files.h"
#include "platform/sound_device.h"

namespace audio {

int32_t SoundAvailable = 0;
SoundEffect SoundEffects[SOUND_EFFECT_COUNT];

namespace {

// The loaded effect a handle names, or null for anything else.
SoundEffect* EffectOf(int32_t handle) {
  if (SoundAvailable == 0 || handle < 0 || handle >= SOUND_EFFECT_COUNT) return nullptr;
  SoundEffect* effect = &SoundEffects[handle];
  return effect->inUse != 0 ? effect : nullptr;
}

// Calls action(effect, j) for buffer j, or for every buffer when j < 0; a buffer
// number beyond the effect's copies is ignored.
template <typename Action>
void ForBuffers(int32_t handle, int32_t buffer, Action action) {
  SoundEffect* effect = EffectOf(handle);
  if (effect == nullptr) return;
  if (buffer >= 0) {
    if (buffer < effect->copies) action(effect, buffer);
    return;
  }
  for (int32_t j = 0; j < effect->copies; ++j) action(effect, j);
}

// Restarts one buffer from its beginning; buffer < 0 takes the next in rotation.
void StartEffect(int32_t handle, int32_t buffer, uint32_t flags) {
  SoundEffect* effect = EffectOf(handle);
  if (effect == nullptr || buffer >= effect->copies) return;
  if (buffer < 0) {
    buffer = effect->nextBuffer;
    effect->nextBuffer = (effect->nextBuffer + 1) % effect->copies;
  }
  platform::SoundBuffer* b = effect->buffers[buffer];
  platform::StopSoundBuffer(b);
  platform::SetSoundBufferPosition(b, 0);
  platform::PlaySoundBuffer(b, flags);
}

void ReleaseBuffers(SoundEffect* effect) {
  for (platform::SoundBuffer*& b : effect->buffers) {
    if (b == nullptr) continue;
    platform::StopSoundBuffer(b);
    platform::ReleaseSoundBuffer(b);
    b = nullptr;
  }
}

// Makes the effect's buffers from the file's data; false (with none kept) when
// a buffer cannot be made.
bool FillBuffers(SoundEffect* effect, const WaveFormat& format, const std::vector<uint8_t>& data) {
  platform::SoundFormat soundFormat;
  soundFormat.formatTag = format.formatTag;
  soundFormat.channels = format.channels;
  soundFormat.samplesPerSec = format.samplesPerSec;
  soundFormat.blockAlign = format.blockAlign;
  soundFormat.bitsPerSample = format.bitsPerSample;
  for (int32_t j = 0; j < effect->copies; ++j) {
    platform::SoundBuffer* b =
        platform::CreateSoundBuffer(soundFormat, static_cast<uint32_t>(data.size()));
    if (b == nullptr) {
      ReleaseBuffers(effect);
      return false;
    }
    effect->buffers[j] = b;
    void* target = nullptr;
    uint32_t lockedBytes = 0;
    if (platform::LockSoundBuffer(b, 0, static_cast<uint32_t>(data.size()), &target,
                                  &lockedBytes)) {
      std::copy_n(data.begin(), lockedBytes, static_cast<uint8_t*>(target));
      platform::UnlockSoundBuffer(b);
    }
    effect->baseFrequency = platform::GetSoundBufferFrequency(b);
    effect->frequency[j] = static_cast<int32_t>(effect->baseFrequency);
    effect->volume[j] = 0;
  }
  return true;
}

}  // namespace

int32_t InitSound() {
  if (SoundAvailable != 0) return 1;
  if (!platform::SoundDeviceOpen()) {
    SoundAvailable = 0;
    return 0;
  }
  for (SoundEffect& effect : SoundEffects) effect = SoundEffect{};
  SoundAvailable = 1;
  return 1;
}

int32_t LoadSoundEffect(const char* fileName, int32_t copies) {
  if (SoundAvailable == 0) return SOUND_NO_EFFECT;
  auto free = std::find_if(std::begin(SoundEffects), std::end(SoundEffects),
                           [](const SoundEffect& e) { return e.inUse == 0; });
  if (free == std::end(SoundEffects)) return SOUND_NO_EFFECT;
  const std::string path = platform::ProgramFilePath(fileName);
  uint32_t dataSize = 0;
  WaveFormat format;
  std::vector<uint8_t> data;
  std::string problem;
  if (ReadWaveFile(path.c_str(), &dataSize, &format, &data, &problem) != 0) {
    std::fprintf(stderr, "vaulmoor: sound effect %s not loaded: %s\n", path.c_str(),
                 problem.c_str());
    return SOUND_NO_EFFECT;
  }
  free->copies = std::clamp(copies, 1, SOUND_MAX_COPIES);
  free->nextBuffer = 0;
  if (!FillBuffers(free, format, data)) {
    std::fprintf(stderr, "vaulmoor: sound effect %s not loaded: unsupported sample format\n",
                 path.c_str());
    *free = SoundEffect{};
    return SOUND_NO_EFFECT;
  }
  free->inUse = 1;
  return static_cast<int32_t>(free - std::begin(SoundEffects));
}

void PlaySoundEffect(int32_t handle, int32_t buffer) {
  StartEffect(handle, buffer, 0);
}

void LoopSoundEffect(int32_t handle, int32_t buffer) {
  StartEffect(handle, buffer, platform::SOUND_PLAY_LOOPING);
}

void StopSoundEffect(int32_t handle, int32_t buffer) {
  ForBuffers(handle, buffer, [](SoundEffect* effect, int32_t j) {
    platform::StopSoundBuffer(effect->buffers[j]);
    platform::SetSoundBufferPosition(effect->buffers[j], 0);
  });
}

void SetSoundPitch(int32_t handle, int32_t step, int32_t buffer) {
  ForBuffers(handle, buffer, [step](SoundEffect* effect, int32_t j) {
    // Worked in 64 bits so that no step can wrap around into range.
    int64_t hz = static_cast<int64_t>(effect->baseFrequency) + 100 * static_cast<int64_t>(step);
    effect->frequency[j] =
        static_cast<int32_t>(std::clamp<int64_t>(hz, SOUND_PITCH_MIN, SOUND_PITCH_MAX));
    platform::SetSoundBufferFrequency(effect->buffers[j],
                                      static_cast<uint32_t>(effect->frequency[j]));
  });
}

void SetSoundVolume(int32_t handle, int32_t level, int32_t buffer) {
  ForBuffers(handle, buffer, [level](SoundEffect* effect, int32_t j) {
    effect->volume[j] = static_cast<int32_t>(
        std::clamp<int64_t>(100 * static_cast<int64_t>(level), SOUND_VOLUME_MIN, SOUND_VOLUME_MAX));
    platform::SetSoundBufferVolume(effect->buffers[j], effect->volume[j]);
  });
}

void UnloadSoundEffect(int32_t handle) {
  SoundEffect* effect = EffectOf(handle);
  if (effect == nullptr) return;
  ReleaseBuffers(effect);
  *effect = SoundEffect{};
}

void ShutdownSound() {
  if (SoundAvailable == 0) return;
  // Afterwards every handle is stale, so the player becomes unavailable rather
  // than reach for released buffers.
  for (SoundEffect& effect : SoundEffects) {
    ReleaseBuffers(&effect);
    effect = SoundEffect{};
  }
  platform::SoundDeviceClose();
  SoundAvailable = 0;
}

}  // namespace audio
