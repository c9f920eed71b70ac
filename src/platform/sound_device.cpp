// The sound device: an SDL audio output (or a silent sink driven by the virtual
// clock in headless runs) that plays static buffers through the software mixer.
#include "platform/sound_device.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "platform/mixer.h"
#include "platform/platform.h"

namespace platform {

struct SoundBuffer {
  SoundFormat format;
  std::vector<uint8_t> data;
  MixVoice voice;
};

namespace {

constexpr uint32_t kRenderChunkFrames = 512;

bool DeviceOpen = false;
SDL_AudioDeviceID AudioDevice = 0;  // 0 in headless runs: the silent sink
std::vector<SoundBuffer*> LiveBuffers;
SoundRenderHook RenderHook = nullptr;
std::vector<SoundCloseListener> CloseListeners;
// The silent sink's progress: frames rendered since the clock stood at SinkStartMs.
uint32_t SinkStartMs = 0;
uint64_t SinkFramesRendered = 0;
uint32_t SinkLastMs = 0;
bool SinkListenerAdded = false;

void AudioCallback(void*, Uint8* stream, int length) {
  RenderSound(reinterpret_cast<int16_t*>(stream),
              static_cast<uint32_t>(length) / (2 * sizeof(int16_t)));
}

// Renders and discards the frames the virtual clock has reached.
void SinkFollowClock(uint32_t nowMs) {
  if (!DeviceOpen || AudioDevice != 0) return;
  // A clock started again from 0 (a new run in the same process) restarts the count.
  if (nowMs < SinkLastMs) {
    SinkStartMs = 0;
    SinkFramesRendered = 0;
  }
  SinkLastMs = nowMs;
  uint64_t due = static_cast<uint64_t>(nowMs - SinkStartMs) * SOUND_DEVICE_RATE / 1000;
  static int16_t discard[2 * kRenderChunkFrames];
  while (SinkFramesRendered < due) {
    uint32_t frames =
        static_cast<uint32_t>(std::min<uint64_t>(kRenderChunkFrames, due - SinkFramesRendered));
    RenderSound(discard, frames);
    SinkFramesRendered += frames;
  }
}

bool SupportedFormat(const SoundFormat& f) {
  bool integer = f.formatTag == MIX_FORMAT_PCM && (f.bitsPerSample == 8 || f.bitsPerSample == 16 ||
                                                   f.bitsPerSample == 24 || f.bitsPerSample == 32);
  bool floating = f.formatTag == MIX_FORMAT_FLOAT && f.bitsPerSample == 32;
  return (integer || floating) && (f.channels == 1 || f.channels == 2) &&
         f.blockAlign == f.channels * f.bitsPerSample / 8 &&
         f.samplesPerSec >= SOUND_FREQUENCY_MIN && f.samplesPerSec <= SOUND_FREQUENCY_MAX;
}

bool Sounding(const SoundBuffer* buffer) {
  return buffer->voice.head.active || buffer->voice.tailFramesLeft > 0;
}

// Holds the device lock for the scope of a buffer operation.
struct DeviceGuard {
  DeviceGuard() { LockSoundDevice(); }
  ~DeviceGuard() { UnlockSoundDevice(); }
  DeviceGuard(const DeviceGuard&) = delete;
  DeviceGuard& operator=(const DeviceGuard&) = delete;
};

}  // namespace

bool SoundDeviceOpen() {
  if (DeviceOpen) return true;
  if (IsHeadless()) {
    if (!SinkListenerAdded) AddClockListener(SinkFollowClock);
    SinkListenerAdded = true;
    SinkStartMs = SinkLastMs = timeGetTime();
    SinkFramesRendered = 0;
    DeviceOpen = true;
    return true;
  }
  if (SDL_WasInit(SDL_INIT_AUDIO) == 0 && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    std::fprintf(stderr, "vaulmoor: no sound (%s); playing silently\n", SDL_GetError());
    return false;
  }
  SDL_AudioSpec want{};
  want.freq = SOUND_DEVICE_RATE;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = 1024;
  want.callback = AudioCallback;
  SDL_AudioSpec have{};
  AudioDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (AudioDevice == 0) {
    // The audio subsystem stays up until the program ends: stopping it now would
    // wait for SDL's device-watching thread (up to a tenth of a second) before
    // the first picture.
    std::fprintf(stderr, "vaulmoor: no sound device (%s); playing silently\n", SDL_GetError());
    return false;
  }
  DeviceOpen = true;
  SDL_PauseAudioDevice(AudioDevice, 0);
  return true;
}

void SoundDeviceClose() {
  if (!DeviceOpen) return;
  if (AudioDevice != 0) {
    SDL_CloseAudioDevice(AudioDevice);
    AudioDevice = 0;
  }
  DeviceOpen = false;
  RenderHook = nullptr;
  for (SoundCloseListener listener : CloseListeners) listener();
}

bool SoundDeviceIsOpen() {
  return DeviceOpen;
}

SoundBuffer* CreateSoundBuffer(const SoundFormat& format, uint32_t bytes) {
  if (!DeviceOpen || !SupportedFormat(format) || bytes == 0 || bytes % format.blockAlign != 0) {
    return nullptr;
  }
  auto* buffer = new SoundBuffer;
  buffer->format = format;
  buffer->data.assign(bytes, format.formatTag == MIX_FORMAT_PCM && format.bitsPerSample == 8
                                 ? uint8_t{0x80}
                                 : uint8_t{0});
  MixSource& source = buffer->voice.source;
  source.data = buffer->data.data();
  source.frames = bytes / format.blockAlign;
  source.formatTag = format.formatTag;
  source.channels = format.channels;
  source.bitsPerSample = format.bitsPerSample;
  buffer->voice.frequency = format.samplesPerSec;
  DeviceGuard guard;
  LiveBuffers.push_back(buffer);
  return buffer;
}

bool LockSoundBuffer(SoundBuffer* buffer, uint32_t offset, uint32_t bytes, void** data,
                     uint32_t* lockedBytes) {
  if (offset >= buffer->data.size()) return false;
  *data = buffer->data.data() + offset;
  *lockedBytes = std::min<uint32_t>(bytes, static_cast<uint32_t>(buffer->data.size()) - offset);
  return true;
}

// The data stays in place while locked, so there is nothing to hand back.
void UnlockSoundBuffer(SoundBuffer*) {}

void PlaySoundBuffer(SoundBuffer* buffer, uint32_t flags) {
  DeviceGuard guard;
  PlayVoice(&buffer->voice, (flags & SOUND_PLAY_LOOPING) != 0);
}

void StopSoundBuffer(SoundBuffer* buffer) {
  DeviceGuard guard;
  StopVoice(&buffer->voice);
}

void SetSoundBufferPosition(SoundBuffer* buffer, uint32_t byteOffset) {
  DeviceGuard guard;
  SeekVoice(&buffer->voice,
            std::min(byteOffset / buffer->format.blockAlign, buffer->voice.source.frames));
}

uint32_t GetSoundBufferPosition(SoundBuffer* buffer) {
  DeviceGuard guard;
  return static_cast<uint32_t>(buffer->voice.head.position >> 32) * buffer->format.blockAlign;
}

bool IsSoundBufferPlaying(SoundBuffer* buffer) {
  DeviceGuard guard;
  return buffer->voice.head.active;
}

uint32_t GetSoundBufferFrequency(SoundBuffer* buffer) {
  return buffer->voice.frequency;
}

void SetSoundBufferFrequency(SoundBuffer* buffer, uint32_t hz) {
  DeviceGuard guard;
  buffer->voice.frequency = std::clamp(hz, SOUND_FREQUENCY_MIN, SOUND_FREQUENCY_MAX);
}

int32_t GetSoundBufferVolume(SoundBuffer* buffer) {
  return buffer->voice.volume;
}

void SetSoundBufferVolume(SoundBuffer* buffer, int32_t hundredthsDb) {
  DeviceGuard guard;
  SetVoiceVolume(&buffer->voice, std::clamp(hundredthsDb, -10000, 0));
}

void ReleaseSoundBuffer(SoundBuffer* buffer) {
  if (buffer == nullptr) return;
  {
    DeviceGuard guard;
    LiveBuffers.erase(std::remove(LiveBuffers.begin(), LiveBuffers.end(), buffer),
                      LiveBuffers.end());
  }
  delete buffer;
}

void SetSoundRenderHook(SoundRenderHook hook) {
  DeviceGuard guard;
  RenderHook = hook;
}

void AddSoundCloseListener(SoundCloseListener listener) {
  CloseListeners.push_back(listener);
}

void LockSoundDevice() {
  if (AudioDevice != 0) SDL_LockAudioDevice(AudioDevice);
}

void UnlockSoundDevice() {
  if (AudioDevice != 0) SDL_UnlockAudioDevice(AudioDevice);
}

void RenderSound(int16_t* out, uint32_t frames) {
  static float accumulator[2 * kRenderChunkFrames];
  if (RenderHook == nullptr && std::none_of(LiveBuffers.begin(), LiveBuffers.end(), Sounding)) {
    std::fill(out, out + 2 * static_cast<size_t>(frames), int16_t{0});
    return;
  }
  while (frames > 0) {
    uint32_t chunk = std::min(frames, kRenderChunkFrames);
    std::fill(accumulator, accumulator + 2 * chunk, 0.0f);
    for (SoundBuffer* buffer : LiveBuffers) {
      MixVoiceInto(&buffer->voice, accumulator, chunk, SOUND_DEVICE_RATE);
    }
    if (RenderHook != nullptr) RenderHook(accumulator, chunk);
    SaturateToS16(accumulator, out, 2 * chunk);
    out += 2 * chunk;
    frames -= chunk;
  }
}

}  // namespace platform
