// Sound effect and music files, missing or damaged: the game runs on without
// them. A failed effect costs one line on standard error naming it.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

using robustness::PutFile;
using testsupport::ReadFile;

// snd01.wav is the stage-clear sound, which the scripted run plays.
constexpr const char* EFFECT = "data/snd01.wav";

std::string Le32(uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
  return bytes;
}

// A RIFF WAVE file with the given format chunk body and data chunk size, and
// `present` sample bytes actually behind the data header.
std::string Wave(const std::string& format, uint32_t dataSize, size_t present) {
  std::string chunks = "fmt " + Le32(static_cast<uint32_t>(format.size())) + format;
  chunks += "data" + Le32(dataSize) + std::string(present, '\x80');
  return "RIFF" + Le32(static_cast<uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

// The 16 fixed bytes of a format chunk.
std::string Format(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits) {
  const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  std::string bytes;
  bytes += std::string{static_cast<char>(tag), static_cast<char>(tag >> 8)};
  bytes += std::string{static_cast<char>(channels), static_cast<char>(channels >> 8)};
  bytes += Le32(rate) + Le32(rate * align);
  bytes += std::string{static_cast<char>(align), static_cast<char>(align >> 8)};
  bytes += std::string{static_cast<char>(bits), static_cast<char>(bits >> 8)};
  return bytes;
}

struct SoundCase {
  const char* name;
  std::function<void(const std::string& path)> damage;
  const char* fault;
};

// Test names and messages show a row by its name.
void PrintTo(const SoundCase& row, std::ostream* out) {
  *out << row.name;
}

class SoundEffectDamage : public testing::TestWithParam<SoundCase> {};

TEST_P(SoundEffectDamage, OneLineNamesItAndTheGameRunsOn) {
  const SoundCase& row = GetParam();
  const std::string folder = robustness::MakeOpenFloorFolder(std::string("wave_") + row.name);
  row.damage(folder + EFFECT);
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), "1 20") << "the stage was not played";
  int lines = 0;
  bool named = false;
  for (size_t at = run.err.find(EFFECT); at != std::string::npos;
       at = run.err.find(EFFECT, at + 1)) {
    ++lines;
    const size_t end = run.err.find('\n', at);
    named = run.err.substr(at, end - at).find(row.fault) != std::string::npos;
  }
  EXPECT_EQ(lines, 1) << run.err;
  EXPECT_TRUE(named) << "the line does not say \"" << row.fault << "\"\n" << run.err;
}

std::function<void(const std::string&)> Replace(const std::string& bytes) {
  return [bytes](const std::string& path) { PutFile(path, bytes); };
}

INSTANTIATE_TEST_SUITE_P(
    SoundEffect, SoundEffectDamage,
    testing::Values(
        SoundCase{"Missing", [](const std::string& path) { std::remove(path.c_str()); },
                  "the file does not exist"},
        SoundCase{"Empty", Replace(""), "not a RIFF WAVE file"},
        SoundCase{"Truncated",
                  [](const std::string& path) { PutFile(path, ReadFile(path).substr(0, 30)); },
                  "format chunk"},
        SoundCase{"Garbage", Replace(robustness::GarbageBytes(2000, 5)), "not a RIFF WAVE file"},
        SoundCase{"AbsurdDataSize", Replace(Wave(Format(1, 1, 11025, 8), 0xFFFFFF00u, 100)),
                  "data chunk runs past the end"},
        SoundCase{"AbsurdFormatSize",
                  Replace("RIFF" + Le32(40) + "WAVE" + "fmt " + Le32(0x7FFFFFF0u) +
                          Format(1, 1, 11025, 8)),
                  "format chunk runs past the end"},
        SoundCase{"NoChannels", Replace(Wave(Format(1, 0, 11025, 8), 100, 100)),
                  "unsupported sample format"},
        SoundCase{"ZeroRate", Replace(Wave(Format(1, 1, 0, 16), 100, 100)),
                  "unsupported sample format"},
        SoundCase{"TwelveBits", Replace(Wave(Format(1, 1, 11025, 12), 100, 100)),
                  "unsupported sample format"},
        SoundCase{"CompressedFormat", Replace(Wave(Format(85, 1, 11025, 0) + "\0\0", 100, 100)),
                  "unsupported sample format"},
        SoundCase{"NoSamples", Replace(Wave(Format(1, 1, 11025, 8), 0, 0)),
                  "unsupported sample format"},
        SoundCase{"Directory", robustness::PutDirectory, "the file is a folder"}),
    robustness::RowName());

// The music service reports nothing about its file (its commands' results are
// ignored), but no file may stop or break the game.
struct MusicCase {
  const char* name;
  std::function<void(const std::string& folder)> arrange;
};

// Test names and messages show a row by its name.
void PrintTo(const MusicCase& row, std::ostream* out) {
  *out << row.name;
}

class MusicFileDamage : public testing::TestWithParam<MusicCase> {};

TEST_P(MusicFileDamage, TheGameRunsOn) {
  const MusicCase& row = GetParam();
  const std::string folder = robustness::MakeOpenFloorFolder(std::string("music_") + row.name);
  row.arrange(folder);
  const testsupport::RunResult run = testsupport::RunHeadless(
      folder, robustness::SCRIPT_START_AND_CLEAR, {"--music", "data/tune.mid"});
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), "1 20") << "the stage was not played";
}

// A minimal MIDI header with one track chunk of the given body.
std::string Midi(const std::string& trackBody, uint32_t declaredTrackSize) {
  return std::string("MThd\0\0\0\x06\0\0\0\x01\0\x60", 14) + "MTrk" +
         std::string{
             static_cast<char>(declaredTrackSize >> 24), static_cast<char>(declaredTrackSize >> 16),
             static_cast<char>(declaredTrackSize >> 8), static_cast<char>(declaredTrackSize)} +
         trackBody;
}

// A track that plays one note and ends properly.
const std::string NOTE_TRACK("\x00\x90\x3C\x40\x60\x80\x3C\x40\x00\xFF\x2F\x00", 12);

std::function<void(const std::string&)> Music(const std::string& bytes) {
  return [bytes](const std::string& folder) { PutFile(folder + "data/tune.mid", bytes); };
}

INSTANTIATE_TEST_SUITE_P(
    Music, MusicFileDamage,
    testing::Values(
        MusicCase{"Missing", [](const std::string&) {}},
        MusicCase{"Sound", Music(Midi(NOTE_TRACK, static_cast<uint32_t>(NOTE_TRACK.size())))},
        MusicCase{"Empty", Music("")},
        MusicCase{"Garbage", Music(robustness::GarbageBytes(3000, 6))},
        MusicCase{"HeaderThenGarbage", Music(Midi(robustness::GarbageBytes(500, 7), 500))},
        MusicCase{"AbsurdTrackSize", Music(Midi(NOTE_TRACK, 0x7FFFFFF0u))},
        MusicCase{"TruncatedTrack", Music(Midi(NOTE_TRACK.substr(0, 5), 12))},
        MusicCase{
            "Directory",
            [](const std::string& folder) { robustness::PutDirectory(folder + "data/tune.mid"); }}),
    robustness::RowName());

}  // namespace
