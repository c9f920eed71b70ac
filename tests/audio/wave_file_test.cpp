// Tests of the RIFF WAVE reader and writer: good files, other formats and broken ones.
#include "audio/wave_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_temp.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes* b, uint32_t v) {
  b->push_back(static_cast<uint8_t>(v));
  b->push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes* b, uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void PutId(Bytes* b, const char* id) {
  for (int i = 0; i < 4; ++i) b->push_back(static_cast<uint8_t>(id[i]));
}

// A chunk with its header, contents and pad byte; size overrides the declared size.
Bytes Chunk(const char* id, const Bytes& contents, int64_t size = -1) {
  Bytes b;
  PutId(&b, id);
  Put32(&b, size < 0 ? static_cast<uint32_t>(contents.size()) : static_cast<uint32_t>(size));
  b.insert(b.end(), contents.begin(), contents.end());
  if (contents.size() % 2 == 1) b.push_back(0);
  return b;
}

Bytes Riff(const std::vector<Bytes>& chunks, const char* form = "WAVE") {
  Bytes body;
  PutId(&body, form);
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  Bytes b;
  PutId(&b, "RIFF");
  Put32(&b, static_cast<uint32_t>(body.size()));
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

// The 16 fixed bytes of a format chunk.
Bytes Format(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  Bytes b;
  uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  Put16(&b, tag);
  Put16(&b, channels);
  Put32(&b, rate);
  Put32(&b, rate * align);
  Put16(&b, align);
  Put16(&b, bits);
  return b;
}

const Bytes kSamples = {1, 2, 3, 4, 5, 6, 7, 8};

class WaveFileTest : public ::testing::Test {
 protected:
  std::string Write(const Bytes& bytes) {
    std::string path = testsupport::TestTempPath("in.wav");
    std::FILE* f = std::fopen(path.c_str(), "wb");
    EXPECT_NE(f, nullptr) << path;
    if (f == nullptr) return path;
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
  }
  int32_t Read(const std::string& path) {
    return audio::ReadWaveFile(path.c_str(), &size, &format, &data, &problem);
  }
  uint32_t size = 99;
  audio::WaveFormat format;
  Bytes data;
  std::string problem;
};

TEST_F(WaveFileTest, WrittenPcmFileReadsBack) {
  std::string path = testsupport::TestTempPath("out.wav");
  const int16_t samples[3] = {-32768, 0, 32767};
  ASSERT_EQ(audio::WriteWaveFile(path.c_str(), 1, 22050, 16, samples, sizeof samples), 1);
  ASSERT_EQ(Read(path), 0) << problem;
  EXPECT_EQ(size, 6u);
  EXPECT_EQ(format.formatTag, audio::WAVE_FORMAT_PCM);
  EXPECT_EQ(format.channels, 1);
  EXPECT_EQ(format.samplesPerSec, 22050u);
  EXPECT_EQ(format.avgBytesPerSec, 44100u);
  EXPECT_EQ(format.blockAlign, 2);
  EXPECT_EQ(format.bitsPerSample, 16);
  EXPECT_EQ(format.extraSize, 0);
  EXPECT_EQ(data, (Bytes{0x00, 0x80, 0x00, 0x00, 0xFF, 0x7F}));
  EXPECT_EQ(std::filesystem::file_size(path), 44u + 6u);
}

TEST_F(WaveFileTest, OddDataIsPaddedAndStillReadsWhole) {
  std::string path = testsupport::TestTempPath("odd.wav");
  const uint8_t samples[3] = {0x80, 0x90, 0xA0};
  ASSERT_EQ(audio::WriteWaveFile(path.c_str(), 1, 8000, 8, samples, 3), 1);
  EXPECT_EQ(std::filesystem::file_size(path), 44u + 4u);
  ASSERT_EQ(Read(path), 0) << problem;
  EXPECT_EQ(data, (Bytes{0x80, 0x90, 0xA0}));
}

TEST_F(WaveFileTest, WriterRefusesInvalidFormats) {
  std::string path = testsupport::TestTempPath("bad.wav");
  const uint8_t samples[2] = {};
  EXPECT_EQ(audio::WriteWaveFile(path.c_str(), 0, 8000, 8, samples, 2), 0);
  EXPECT_EQ(audio::WriteWaveFile(path.c_str(), 1, 0, 8, samples, 2), 0);
  EXPECT_EQ(audio::WriteWaveFile(path.c_str(), 1, 8000, 12, samples, 2), 0);
}

TEST_F(WaveFileTest, NonPcmFormatKeepsItsExtraBytes) {
  Bytes fmt = Format(0x11, 1, 22050, 4);  // IMA ADPCM with 2 extra bytes
  Put16(&fmt, 2);
  Put16(&fmt, 0x01F9);
  ASSERT_EQ(Read(Write(Riff({Chunk("fmt ", fmt), Chunk("data", kSamples)}))), 0) << problem;
  EXPECT_EQ(format.formatTag, 0x11);
  EXPECT_EQ(format.extraSize, 2);
  EXPECT_EQ(format.extra, (Bytes{0xF9, 0x01}));
  EXPECT_EQ(data, kSamples);
}

TEST_F(WaveFileTest, ChunksAreFoundByIdPastUnknownAndOddSizedOnes) {
  Bytes fmt = Format(1, 2, 44100, 16);
  fmt.insert(fmt.end(), {0, 0});  // a PCM format chunk with a zero extra size
  Bytes file = Riff({Chunk("LIST", {'a', 'b', 'c'}), Chunk("fmt ", fmt),
                     Chunk("fact", {1, 0, 0, 0}), Chunk("data", kSamples), Chunk("junk", {9})});
  ASSERT_EQ(Read(Write(file)), 0) << problem;
  EXPECT_EQ(format.channels, 2);
  EXPECT_EQ(format.extraSize, 0);
  EXPECT_EQ(size, kSamples.size());
  EXPECT_EQ(data, kSamples);
}

TEST_F(WaveFileTest, OtherFormatWithSixteenByteChunkHasNoExtraBytes) {
  Bytes file = Riff({Chunk("fmt ", Format(3, 1, 8000, 32)), Chunk("data", kSamples)});
  ASSERT_EQ(Read(Write(file)), 0) << problem;
  EXPECT_EQ(format.formatTag, 3);
  EXPECT_EQ(format.extraSize, 0);
  EXPECT_EQ(data, kSamples);
}

TEST_F(WaveFileTest, OverstatedRiffSizeIsToleratedWhenChunksFit) {
  Bytes file = Riff({Chunk("fmt ", Format(1, 1, 8000, 8)), Chunk("data", kSamples)});
  file[4] = 0xFF;
  file[5] = 0xFF;
  ASSERT_EQ(Read(Write(file)), 0) << problem;
  EXPECT_EQ(data, kSamples);
}

struct BrokenCase {
  const char* name;
  Bytes file;
};

Bytes WithExtraSize(uint16_t extraSize) {
  Bytes fmt = Format(2, 1, 8000, 4);
  Put16(&fmt, extraSize);
  return fmt;
}

class BrokenWaveTest : public WaveFileTest, public ::testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenWaveTest, IsRefusedWithEverythingEmptied) {
  ASSERT_EQ(Read(Write(GetParam().file)), 1);
  EXPECT_EQ(size, 0u);
  EXPECT_TRUE(data.empty());
  EXPECT_EQ(format.formatTag, 0);
  EXPECT_TRUE(format.extra.empty());
  EXPECT_FALSE(problem.empty());
}

const Bytes kFmt = Format(1, 1, 8000, 8);

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenWaveTest,
    ::testing::Values(
        BrokenCase{"Empty", {}}, BrokenCase{"NoRiff", Chunk("LIST", Format(1, 1, 8000, 8))},
        BrokenCase{"NotWave", Riff({Chunk("fmt ", kFmt), Chunk("data", kSamples)}, "AVI ")},
        BrokenCase{"NoFmt", Riff({Chunk("data", kSamples)})},
        BrokenCase{"ShortFmt", Riff({Chunk("fmt ", Bytes(kFmt.begin(), kFmt.begin() + 14)),
                                     Chunk("data", kSamples)})},
        BrokenCase{"FmtPastEnd", Riff({Chunk("fmt ", Bytes(kFmt.begin(), kFmt.begin() + 10), 16)})},
        BrokenCase{"ExtraPastChunk",
                   Riff({Chunk("fmt ", WithExtraSize(40)), Chunk("data", kSamples)})},
        BrokenCase{"NoData", Riff({Chunk("fmt ", kFmt), Chunk("LIST", kSamples)})},
        BrokenCase{"DataPastEnd", Riff({Chunk("fmt ", kFmt), Chunk("data", kSamples, 9)})},
        BrokenCase{"HugeData", Riff({Chunk("fmt ", kFmt), Chunk("data", kSamples, 0xFFFFFFF0)})},
        BrokenCase{"ChunkSizeSkipsPastEnd", Riff({Chunk("LIST", kSamples, 0xFFFFFFFF),
                                                  Chunk("fmt ", kFmt), Chunk("data", kSamples)})}),
    [](const ::testing::TestParamInfo<BrokenCase>& param) { return param.param.name; });

TEST_F(WaveFileTest, MissingFileIsRefused) {
  EXPECT_EQ(Read(testsupport::TestTempPath("absent.wav")), 1);
  EXPECT_EQ(size, 0u);
}

}  // namespace
