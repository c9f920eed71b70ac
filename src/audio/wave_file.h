// Reading and writing RIFF WAVE files: the format record and the sample data.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace audio {

constexpr uint16_t WAVE_FORMAT_PCM = 1;

// The format chunk as a WAVEFORMATEX record: the 16 fixed bytes, the extra size
// and the extra bytes behind it (none for PCM).
struct WaveFormat {
  uint16_t formatTag = 0;
  uint16_t channels = 0;
  uint32_t samplesPerSec = 0;
  uint32_t avgBytesPerSec = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;
  std::vector<uint8_t> extra;
};

// Reads the "fmt " and "data" chunks of the RIFF WAVE file at path. Returns 0 on
// success with the data size, format and sample data filled in; returns 1 for a
// missing, malformed, truncated or oversized file (or anything that is not a
// file), with the size 0, the format and data emptied and, when problem is
// given, a short description stored there ("" on success).
int32_t ReadWaveFile(const char* path, uint32_t* dataSize, WaveFormat* format,
                     std::vector<uint8_t>* data, std::string* problem = nullptr);

// Writes a plain PCM RIFF WAVE file ("fmt " of 16 bytes, then "data").
// Returns 1 on success, 0 when the file cannot be written or the format is invalid.
int32_t WriteWaveFile(const char* path, uint16_t channels, uint32_t sampleRate,
                      uint16_t bitsPerSample, const void* data, uint32_t bytes);

}  // namespace audio
