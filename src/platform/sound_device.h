// The sound device in place of DirectSound: one output, static buffers holding
// PCM data in their own format, played through the software mixer.
#pragma once

#include <cstdint>

namespace platform {

constexpr uint32_t SOUND_DEVICE_RATE = 44100;  // output frames per second, stereo
constexpr uint32_t SOUND_PLAY_LOOPING = 1;     // Play flag: repeat until stopped
constexpr uint32_t SOUND_FREQUENCY_MIN = 100;
constexpr uint32_t SOUND_FREQUENCY_MAX = 200000;

// The format of a buffer's data (the PCM fields of a WAVEFORMATEX).
struct SoundFormat {
  uint16_t formatTag = 1;  // 1 integer PCM, 3 float
  uint16_t channels = 1;
  uint32_t samplesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
};

struct SoundBuffer;

// Opens the output: an SDL audio device, or in headless runs a silent sink
// rendered in step with the virtual clock. False, after one line on standard
// error, when no device can be opened.
bool SoundDeviceOpen();
// Closes the output (nothing sounds any more) and calls the close listeners.
// Buffers stay with their owners, who release them.
void SoundDeviceClose();
bool SoundDeviceIsOpen();

// Creates a static buffer of bytes in the given format, silent and stopped, at
// the format's rate and full volume. Null for an unsupported format, a size that
// is zero or not whole frames, or a closed device.
SoundBuffer* CreateSoundBuffer(const SoundFormat& format, uint32_t bytes);
// Gives write access to bytes from offset (clipped to the buffer); false when
// the range is outside the buffer. Unlock ends the access.
bool LockSoundBuffer(SoundBuffer* buffer, uint32_t offset, uint32_t bytes, void** data,
                     uint32_t* lockedBytes);
void UnlockSoundBuffer(SoundBuffer* buffer);
// Plays from the current position, once or (SOUND_PLAY_LOOPING) repeating.
void PlaySoundBuffer(SoundBuffer* buffer, uint32_t flags);
void StopSoundBuffer(SoundBuffer* buffer);
// Moves the play position to a byte offset (rounded down to a whole frame).
void SetSoundBufferPosition(SoundBuffer* buffer, uint32_t byteOffset);
uint32_t GetSoundBufferPosition(SoundBuffer* buffer);
bool IsSoundBufferPlaying(SoundBuffer* buffer);
uint32_t GetSoundBufferFrequency(SoundBuffer* buffer);
// Sets the playback rate, limited to SOUND_FREQUENCY_MIN..SOUND_FREQUENCY_MAX.
void SetSoundBufferFrequency(SoundBuffer* buffer, uint32_t hz);
int32_t GetSoundBufferVolume(SoundBuffer* buffer);
// Sets the level in hundredths of a decibel, limited to -10000..0.
void SetSoundBufferVolume(SoundBuffer* buffer, int32_t hundredthsDb);
void ReleaseSoundBuffer(SoundBuffer* buffer);

// A source mixed into the output after the buffers (the MIDI synthesizer): adds
// frames of interleaved stereo at SOUND_DEVICE_RATE into accumulator. Called on
// the audio thread in real runs, with the device lock held.
using SoundRenderHook = void (*)(float* accumulator, uint32_t frames);
void SetSoundRenderHook(SoundRenderHook hook);
// Called after the output has closed, so a hooked source can release itself.
using SoundCloseListener = void (*)();
void AddSoundCloseListener(SoundCloseListener listener);
// Keeps the audio thread out while the caller changes what it reads.
void LockSoundDevice();
void UnlockSoundDevice();

// Renders frames of the mix as 16-bit stereo: what the output plays next.
void RenderSound(int16_t* out, uint32_t frames);

}  // namespace platform
