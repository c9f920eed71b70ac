// Tests of the effect player, run headless: handles, restarts, rotation,
// looping, pitch and volume limits, unloading, failed loads and the output.
#include "audio/sound.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/wave_file.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/sound_device.h"

namespace {

using audio::SoundEffects;

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Options options;
    options.headless = true;
    ASSERT_TRUE(platform::Init(options));
    std::filesystem::create_directories(std::string(platform::ProgramDirectory()) +
                                        "audio_fixtures");
    ASSERT_EQ(audio::InitSound(), 1);
  }
  void TearDown() override { audio::ShutdownSound(); }

  // Writes a 16-bit mono file under the program directory and returns its name
  // relative to it, as the loader takes it.
  std::string Fixture(const char* name, uint32_t rate, const std::vector<int16_t>& samples) {
    std::string file = std::string("audio_fixtures/") +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                       name + ".wav";
    std::string path = std::string(platform::ProgramDirectory()) + file;
    EXPECT_EQ(audio::WriteWaveFile(path.c_str(), 1, rate, 16, samples.data(),
                                   static_cast<uint32_t>(samples.size() * 2)),
              1);
    return file;
  }
  // A quarter second of a steady level at 22050 Hz.
  int32_t LoadTone(int32_t copies, const char* name = "tone") {
    return audio::LoadSoundEffect(
        Fixture(name, 22050, std::vector<int16_t>(22050 / 4, 8000)).c_str(), copies);
  }
  static void Advance(uint32_t ms) { platform::WaitUntil(platform::timeGetTime() + ms); }
  static platform::SoundBuffer* Buffer(int32_t handle, int32_t j) {
    return SoundEffects[handle].buffers[j];
  }
};

TEST_F(SoundTest, SixEffectsGetHandlesZeroToFiveInLoadingOrder) {
  for (int32_t i = 0; i < 6; ++i) {
    std::string name = "snd0" + std::to_string(i + 1);
    std::string file = Fixture(name.c_str(), 11025 * (i + 1), std::vector<int16_t>(64, 100));
    EXPECT_EQ(audio::LoadSoundEffect(file.c_str(), 1), i);
  }
  for (int32_t i = 0; i < 6; ++i) {
    EXPECT_EQ(SoundEffects[i].inUse, 1);
    EXPECT_EQ(SoundEffects[i].baseFrequency, 11025u * (i + 1));
    EXPECT_EQ(SoundEffects[i].frequency[0], 11025 * (i + 1));
    EXPECT_NE(SoundEffects[i].buffers[0], nullptr);
    EXPECT_EQ(SoundEffects[i].buffers[1], nullptr);
  }
}

TEST_F(SoundTest, LongFileNameStillGivesItsHandle) {
  std::string name = "a_file_name_well_over_thirty_characters";
  EXPECT_EQ(audio::LoadSoundEffect(Fixture(name.c_str(), 8000, {1, 2}).c_str(), 1), 0);
  EXPECT_EQ(audio::LoadSoundEffect(Fixture("b", 8000, {1, 2}).c_str(), 1), 1);
}

TEST_F(SoundTest, FailedLoadNamesTheFileAndLeavesTheEntryFree) {
  std::string broken = std::string(platform::ProgramDirectory()) + "audio_fixtures/broken.wav";
  std::FILE* f = std::fopen(broken.c_str(), "wb");
  std::fwrite("RIFF\x04\0\0\0WAVE", 1, 12, f);  // a WAVE form with no chunks
  std::fclose(f);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(audio::LoadSoundEffect("audio_fixtures/broken.wav", 1), audio::SOUND_NO_EFFECT);
  EXPECT_EQ(audio::LoadSoundEffect("audio_fixtures/missing.wav", 1), audio::SOUND_NO_EFFECT);
  std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find(broken + " not loaded: no format chunk\n"), std::string::npos) << errors;
  EXPECT_NE(errors.find("missing.wav not loaded: the file does not exist\n"), std::string::npos);
  EXPECT_EQ(SoundEffects[0].inUse, 0);
  EXPECT_EQ(SoundEffects[0].buffers[0], nullptr);
  EXPECT_EQ(LoadTone(1), 0);
  // The failure value is ignored by every operation.
  audio::PlaySoundEffect(audio::SOUND_NO_EFFECT, -1);
  audio::SetSoundVolume(audio::SOUND_NO_EFFECT, -5, -1);
  audio::UnloadSoundEffect(audio::SOUND_NO_EFFECT);
}

TEST_F(SoundTest, UnsupportedSampleFormatIsNotLoaded) {
  std::string file = "audio_fixtures/twelve_channels.wav";
  std::string path = std::string(platform::ProgramDirectory()) + file;
  std::vector<int16_t> samples(24, 0);
  ASSERT_EQ(audio::WriteWaveFile(path.c_str(), 12, 8000, 16, samples.data(), 48), 1);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(audio::LoadSoundEffect(file.c_str(), 3), audio::SOUND_NO_EFFECT);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("twelve_channels.wav not loaded"),
            std::string::npos);
  EXPECT_EQ(SoundEffects[0].inUse, 0);
  EXPECT_EQ(LoadTone(1), 0);
}

TEST_F(SoundTest, RepeatedPlayRestartsFromTheBeginning) {
  int32_t h = LoadTone(1);
  audio::PlaySoundEffect(h, -1);
  Advance(50);
  uint32_t moved = platform::GetSoundBufferPosition(Buffer(h, 0));
  EXPECT_NEAR(moved, 22050u * 2 / 20, 4u);  // 50 ms of 2-byte frames at 22050 Hz
  audio::PlaySoundEffect(h, -1);
  EXPECT_EQ(platform::GetSoundBufferPosition(Buffer(h, 0)), 0u);
  EXPECT_TRUE(platform::IsSoundBufferPlaying(Buffer(h, 0)));
  Advance(300);  // past the quarter second: a single play ends by itself
  EXPECT_FALSE(platform::IsSoundBufferPlaying(Buffer(h, 0)));
}

TEST_F(SoundTest, OutputFollowsAClockStartedAgain) {
  int32_t h = LoadTone(1);
  Advance(2000);
  platform::Options options;
  options.headless = true;
  ASSERT_TRUE(platform::Init(options));  // the virtual clock is back at 0
  audio::PlaySoundEffect(h, -1);
  Advance(50);
  EXPECT_NEAR(platform::GetSoundBufferPosition(Buffer(h, 0)), 22050u * 2 / 20, 4u);
}

TEST_F(SoundTest, RotatingPlaysWalkTheBuffersAndWrap) {
  int32_t h = LoadTone(3);
  for (int32_t j = 0; j < 3; ++j) {
    EXPECT_EQ(SoundEffects[h].nextBuffer, j);
    audio::PlaySoundEffect(h, -1);
    EXPECT_TRUE(platform::IsSoundBufferPlaying(Buffer(h, j)));
    Advance(10);
  }
  EXPECT_EQ(SoundEffects[h].nextBuffer, 0);
  audio::PlaySoundEffect(h, -1);  // restarts buffer 0; the others sound on
  EXPECT_EQ(platform::GetSoundBufferPosition(Buffer(h, 0)), 0u);
  EXPECT_GT(platform::GetSoundBufferPosition(Buffer(h, 1)), 0u);
  EXPECT_GT(platform::GetSoundBufferPosition(Buffer(h, 2)), 0u);
  EXPECT_EQ(SoundEffects[h].nextBuffer, 1);
}

TEST_F(SoundTest, ExplicitBufferLeavesTheRotationAloneAndBadOnesAreIgnored) {
  int32_t h = LoadTone(2);
  audio::PlaySoundEffect(h, 1);
  EXPECT_TRUE(platform::IsSoundBufferPlaying(Buffer(h, 1)));
  EXPECT_FALSE(platform::IsSoundBufferPlaying(Buffer(h, 0)));
  EXPECT_EQ(SoundEffects[h].nextBuffer, 0);
  audio::PlaySoundEffect(h, 2);
  audio::PlaySoundEffect(h + 1, -1);
  audio::PlaySoundEffect(audio::SOUND_EFFECT_COUNT, -1);
  EXPECT_FALSE(platform::IsSoundBufferPlaying(Buffer(h, 0)));
}

TEST_F(SoundTest, LoopingPlaysUntilStoppedAndStopRewinds) {
  int32_t h = LoadTone(2);
  audio::LoopSoundEffect(h, -1);
  audio::PlaySoundEffect(h, -1);
  Advance(600);  // more than twice the sound's length
  EXPECT_TRUE(platform::IsSoundBufferPlaying(Buffer(h, 0)));
  EXPECT_FALSE(platform::IsSoundBufferPlaying(Buffer(h, 1)));
  audio::StopSoundEffect(h, -1);
  for (int32_t j = 0; j < 2; ++j) {
    EXPECT_FALSE(platform::IsSoundBufferPlaying(Buffer(h, j)));
    EXPECT_EQ(platform::GetSoundBufferPosition(Buffer(h, j)), 0u);
  }
}

TEST_F(SoundTest, PitchStepsAreClamped) {
  int32_t h = LoadTone(2);  // base 22050 Hz
  struct Case {
    int32_t step;
    int32_t hz;
  } cases[] = {{0, 22050},     {10, 23050},       {-219, 150},   {-220, 100},
               {-221, 100},    {-1000, 100},      {779, 99950},  {780, 100000},
               {5000, 100000}, {INT_MAX, 100000}, {INT_MIN, 100}};
  for (const Case& c : cases) {
    audio::SetSoundPitch(h, c.step, -1);
    for (int32_t j = 0; j < 2; ++j) {
      EXPECT_EQ(SoundEffects[h].frequency[j], c.hz) << c.step;
      EXPECT_EQ(platform::GetSoundBufferFrequency(Buffer(h, j)), static_cast<uint32_t>(c.hz));
    }
  }
  audio::SetSoundPitch(h, 1, 1);
  EXPECT_EQ(SoundEffects[h].frequency[0], 100);
  EXPECT_EQ(SoundEffects[h].frequency[1], 22150);
}

TEST_F(SoundTest, VolumeLevelsAreClamped) {
  int32_t h = LoadTone(2);
  struct Case {
    int32_t level;
    int32_t volume;
  } cases[] = {{0, 0},         {5, 0},         {-1, -100},   {-30, -3000},
               {-100, -10000}, {-150, -10000}, {INT_MAX, 0}, {INT_MIN, -10000}};
  for (const Case& c : cases) {
    audio::SetSoundVolume(h, c.level, -1);
    for (int32_t j = 0; j < 2; ++j) {
      EXPECT_EQ(SoundEffects[h].volume[j], c.volume) << c.level;
      EXPECT_EQ(platform::GetSoundBufferVolume(Buffer(h, j)), c.volume);
    }
  }
}

TEST_F(SoundTest, UnloadFreesTheHandleForTheNextLoad) {
  for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(LoadTone(2, ("t" + std::to_string(i)).c_str()), i);
  audio::SetSoundPitch(2, 5, -1);
  audio::UnloadSoundEffect(2);
  EXPECT_EQ(SoundEffects[2].inUse, 0);
  EXPECT_EQ(SoundEffects[2].copies, 1);
  EXPECT_EQ(SoundEffects[2].baseFrequency, 0u);
  EXPECT_EQ(SoundEffects[2].buffers[0], nullptr);
  EXPECT_EQ(SoundEffects[2].frequency[0], 0);
  audio::PlaySoundEffect(2, -1);  // a freed handle is ignored
  EXPECT_EQ(LoadTone(1, "again"), 2);
  EXPECT_EQ(LoadTone(1, "more"), 4);
}

TEST_F(SoundTest, CopiesAreLimitedToTen) {
  EXPECT_EQ(LoadTone(25, "many"), 0);
  EXPECT_EQ(SoundEffects[0].copies, audio::SOUND_MAX_COPIES);
  EXPECT_NE(SoundEffects[0].buffers[9], nullptr);
  EXPECT_EQ(LoadTone(0, "none"), 1);
  EXPECT_EQ(SoundEffects[1].copies, 1);
}

TEST_F(SoundTest, TableFullGivesNoEffect) {
  std::string file = Fixture("small", 8000, {1, 2, 3, 4});
  for (int32_t i = 0; i < audio::SOUND_EFFECT_COUNT; ++i) {
    ASSERT_EQ(audio::LoadSoundEffect(file.c_str(), 1), i);
  }
  EXPECT_EQ(audio::LoadSoundEffect(file.c_str(), 1), audio::SOUND_NO_EFFECT);
}

TEST_F(SoundTest, PlayedEffectReachesTheOutputAtItsVolume) {
  int32_t h = audio::LoadSoundEffect(
      Fixture("known", platform::SOUND_DEVICE_RATE, {1000, -2000, 3000, 32767}).c_str(), 1);
  audio::SetSoundVolume(h, -6, -1);
  audio::PlaySoundEffect(h, -1);
  int16_t out[10];
  platform::RenderSound(out, 5);
  EXPECT_EQ(std::vector<int16_t>(out, out + 10),
            (std::vector<int16_t>{501, 501, -1002, -1002, 1504, 1504, 16422, 16422, 0, 0}));
}

TEST_F(SoundTest, NothingWorksBeforeStartUpOrAfterShutdown) {
  int32_t h = LoadTone(1);
  audio::ShutdownSound();
  EXPECT_EQ(audio::SoundAvailable, 0);
  EXPECT_EQ(SoundEffects[h].inUse, 0);
  EXPECT_EQ(LoadTone(1, "late"), audio::SOUND_NO_EFFECT);
  audio::PlaySoundEffect(h, -1);
  audio::StopSoundEffect(h, -1);
  EXPECT_EQ(audio::InitSound(), 1);
  EXPECT_EQ(LoadTone(1, "again"), 0);
}

}  // namespace
