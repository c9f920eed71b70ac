// RIFF WAVE reading and writing: chunks found by id inside the RIFF form, every
// size checked against the file before anything is read or allocated.
#include "audio/wave_file.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "platform/whole_file.h"

namespace audio {

namespace {

// Six minutes of CD-quality stereo; the sound effects last seconds.
constexpr size_t WAVE_MAX_FILE_BYTES = 64 << 20;

struct ChunkSpan {
  uint64_t offset = 0;  // first byte of the chunk's contents
  uint32_t size = 0;    // the size its header declares
};

uint16_t Read16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}

uint32_t Read32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void Put16(std::vector<uint8_t>* out, uint32_t v) {
  out->push_back(static_cast<uint8_t>(v));
  out->push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>* out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

void PutId(std::vector<uint8_t>* out, const char* id) {
  out->insert(out->end(), id, id + 4);
}

// Copies bytes of the file from offset, when they are all inside it.
bool ReadAt(std::string_view file, uint64_t offset, void* out, size_t bytes) {
  if (offset > file.size() || bytes > file.size() - offset) return false;
  if (bytes > 0) std::memcpy(out, file.data() + offset, bytes);
  return true;
}

// Walks the sub-chunks of the RIFF form from its first one to formEnd and finds
// the first chunk named id. Odd-sized chunks are followed by one pad byte.
bool FindChunk(std::string_view file, uint64_t formEnd, const char* id, ChunkSpan* found) {
  uint64_t offset = 12;
  while (offset + 8 <= formEnd) {
    uint8_t header[8];
    if (!ReadAt(file, offset, header, 8)) return false;
    uint32_t size = Read32(header + 4);
    if (std::memcmp(header, id, 4) == 0) {
      *found = {offset + 8, size};
      return true;
    }
    offset += 8 + static_cast<uint64_t>(size) + (size & 1);
  }
  return false;
}

// Fills the format record from the "fmt " chunk; returns the problem or null.
const char* ReadFormat(std::string_view file, uint64_t fileSize, const ChunkSpan& chunk,
                       WaveFormat* format) {
  if (chunk.size < 16) return "format chunk shorter than 16 bytes";
  if (chunk.offset + chunk.size > fileSize) return "format chunk runs past the end of the file";
  uint8_t fixed[18];
  if (!ReadAt(file, chunk.offset, fixed, 16)) return "format chunk unreadable";
  format->formatTag = Read16(fixed);
  format->channels = Read16(fixed + 2);
  format->samplesPerSec = Read32(fixed + 4);
  format->avgBytesPerSec = Read32(fixed + 8);
  format->blockAlign = Read16(fixed + 12);
  format->bitsPerSample = Read16(fixed + 14);
  format->extraSize = 0;
  // PCM has no extra bytes; other formats give their count behind the fixed part,
  // and a 16-byte chunk of another format simply has none.
  if (format->formatTag == WAVE_FORMAT_PCM || chunk.size < 18) return nullptr;
  if (!ReadAt(file, chunk.offset + 16, fixed + 16, 2)) return "format chunk unreadable";
  format->extraSize = Read16(fixed + 16);
  if (18u + format->extraSize > chunk.size) return "format extra bytes run past the chunk";
  format->extra.resize(format->extraSize);
  if (format->extraSize > 0 &&
      !ReadAt(file, chunk.offset + 18, format->extra.data(), format->extraSize)) {
    return "format chunk unreadable";
  }
  return nullptr;
}

const char* ReadWaveParts(std::string_view file, uint32_t* dataSize, WaveFormat* format,
                          std::vector<uint8_t>* data) {
  const uint64_t fileSize = file.size();
  uint8_t header[12];
  if (fileSize < 12 || !ReadAt(file, 0, header, 12) || std::memcmp(header, "RIFF", 4) != 0 ||
      std::memcmp(header + 8, "WAVE", 4) != 0) {
    return "not a RIFF WAVE file";
  }
  // A RIFF size larger than the file is common in damaged files; the chunks
  // themselves are checked against the real end.
  uint64_t formEnd = 8 + static_cast<uint64_t>(Read32(header + 4));
  if (formEnd > fileSize) formEnd = fileSize;

  ChunkSpan chunk;
  if (!FindChunk(file, formEnd, "fmt ", &chunk)) return "no format chunk";
  if (const char* problem = ReadFormat(file, fileSize, chunk, format)) return problem;
  if (!FindChunk(file, formEnd, "data", &chunk)) return "no data chunk";
  if (chunk.offset + chunk.size > fileSize) return "data chunk runs past the end of the file";
  data->resize(chunk.size);
  if (chunk.size > 0 && !ReadAt(file, chunk.offset, data->data(), chunk.size)) {
    return "data chunk unreadable";
  }
  *dataSize = chunk.size;
  return nullptr;
}

}  // namespace

int32_t ReadWaveFile(const char* path, uint32_t* dataSize, WaveFormat* format,
                     std::vector<uint8_t>* data, std::string* problem) {
  *dataSize = 0;
  *format = WaveFormat{};
  data->clear();
  std::string bytes, failure;
  if (platform::ReadWholeFile(path, WAVE_MAX_FILE_BYTES, &bytes, &failure) !=
      platform::WholeFile::Read) {
    failure = "the file " + failure;
  } else if (const char* fault = ReadWaveParts(bytes, dataSize, format, data)) {
    failure = fault;
  }
  if (problem != nullptr) *problem = failure;
  if (failure.empty()) return 0;
  *dataSize = 0;
  *format = WaveFormat{};
  data->clear();
  data->shrink_to_fit();
  return 1;
}

int32_t WriteWaveFile(const char* path, uint16_t channels, uint32_t sampleRate,
                      uint16_t bitsPerSample, const void* data, uint32_t bytes) {
  if (channels == 0 || sampleRate == 0 || bitsPerSample == 0 || bitsPerSample % 8 != 0) return 0;
  uint32_t blockAlign = channels * (bitsPerSample / 8u);
  uint32_t pad = bytes & 1;
  if (bytes > 0xFFFFFFFFu - 36 - pad) return 0;
  std::vector<uint8_t> out;
  PutId(&out, "RIFF");
  Put32(&out, 36 + bytes + pad);
  PutId(&out, "WAVE");
  PutId(&out, "fmt ");
  Put32(&out, 16);
  Put16(&out, WAVE_FORMAT_PCM);
  Put16(&out, channels);
  Put32(&out, sampleRate);
  Put32(&out, sampleRate * blockAlign);
  Put16(&out, blockAlign);
  Put16(&out, bitsPerSample);
  PutId(&out, "data");
  Put32(&out, bytes);
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return 0;
  static const uint8_t kPadByte = 0;
  bool ok = std::fwrite(out.data(), 1, out.size(), file) == out.size() &&
            (bytes == 0 || std::fwrite(data, 1, bytes, file) == bytes) &&
            (pad == 0 || std::fwrite(&kPadByte, 1, 1, file) == 1);
  ok = std::fclose(file) == 0 && ok;
  return ok ? 1 : 0;
}

}  // namespace audio
