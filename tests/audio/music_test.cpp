// Tests of the music service and its sequencer, run headless: the command
// strings in order, the notification handler, and the end of a played sequence
// looping (or closing) at a deterministic virtual time.
#include "audio/music.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/sound.h"
#include "platform/files.h"
#include "platform/mci.h"
#include "platform/platform.h"

namespace {

using Log = std::vector<std::string>;

// Format 0, 96 ticks a quarter at 120 beats a minute: middle C for half a second.
const uint8_t kHalfSecondTune[] = {'M', 'T',  'h',  'd', 0,    0,    0,    6,
                                   0,   0,    0,    1,   0,    96,              // header
                                   'M', 'T',  'r',  'k', 0,    0,    0,    22,  // one track
                                   0,   0xFF, 0x51, 3,   0x07, 0xA1, 0x20,      // tempo 500000 us
                                   0,   0xC0, 0,                                // piano
                                   0,   0x90, 60,   100,                        // note on
                                   96,  0x80, 60,   64,                         // off a beat later
                                   0,   0xFF, 0x2F, 0};                         // end of track

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Options options;
    options.headless = true;
    ASSERT_TRUE(platform::Init(options));
    ASSERT_EQ(audio::InitSound(), 1);
    audio::InitMusic();
    platform::ClearMciCommandLog();
  }
  void TearDown() override {
    audio::CloseMusicDevice();
    audio::ShutdownSound();
  }

  // Writes the half-second tune under the program directory, in the given
  // folder below audio_fixtures; returns its name.
  std::string WriteTune(const std::string& folder = "") {
    std::string name = "audio_fixtures/" + folder +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".mid";
    std::filesystem::create_directories(std::string(platform::ProgramDirectory()) +
                                        "audio_fixtures/" + folder);
    std::FILE* f = std::fopen((std::string(platform::ProgramDirectory()) + name).c_str(), "wb");
    std::fwrite(kHalfSecondTune, 1, sizeof kHalfSecondTune, f);
    std::fclose(f);
    return name;
  }

  // Advances the virtual clock in frames of frameMs to endMs (or until stopAfter
  // notifications), handing each end notification to the music service as the
  // window procedure does.
  void RunUntil(uint32_t endMs, size_t stopAfter = SIZE_MAX, uint32_t frameMs = 10) {
    while (platform::timeGetTime() < endMs && notified.size() < stopAfter) {
      platform::WaitUntil(platform::timeGetTime() + frameMs);
      platform::MSG message;
      while (platform::PeekMessageA(&message) && platform::GetMessageA(&message) != 0) {
        if (message.message != platform::MM_MCINOTIFY) continue;
        notified.push_back(platform::timeGetTime());
        audio::HandleMusicNotify(message.wParam);
      }
    }
  }

  static std::string OpenCommand(const std::string& name) {
    return "open \"" + std::string(platform::ProgramDirectory()) + name +
           "\" type sequencer alias midi";
  }

  std::vector<uint32_t> notified;
};

TEST_F(MusicTest, CommandStringsForPlayReplayStopAndClose) {
  audio::PlayMusic("first.mid");
  EXPECT_EQ(audio::MusicOpen, 1);
  audio::PlayMusic("second tune.mid");
  audio::RestartMusic();
  audio::StopMusic();
  EXPECT_EQ(audio::MusicOpen, 0);
  audio::StopMusic();  // nothing open: nothing sent
  audio::CloseMusicDevice();
  EXPECT_EQ(platform::MciCommandLog(),
            (Log{OpenCommand("first.mid"), "seek midi to start", "play midi notify", "stop midi",
                 "close midi", OpenCommand("second tune.mid"), "seek midi to start",
                 "play midi notify", "seek midi to start", "play midi notify", "stop midi",
                 "close midi", "stop midi", "close midi"}));
}

TEST_F(MusicTest, TuneBehindALongPathPlaysToItsEnd) {
  // Three folders of 120 characters: the open command is far over 256 bytes.
  const std::string folder =
      std::string(120, 'a') + "/" + std::string(120, 'b') + "/" + std::string(120, 'c') + "/";
  const std::string name = WriteTune(folder);
  ASSERT_GT(OpenCommand(name).size(), 400u);
  audio::PlayMusic(name.c_str());
  RunUntil(600, 1);
  EXPECT_EQ(notified.size(), 1u);
  const Log log = platform::MciCommandLog();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log[0], OpenCommand(name));
}

TEST_F(MusicTest, RestartWithRepeatOffStopsAndCloses) {
  audio::PlayMusic("first.mid");
  audio::DisableMusicRepeat();
  audio::RestartMusic();
  EXPECT_EQ(audio::MusicOpen, 0);
  EXPECT_EQ(platform::MciCommandLog(), (Log{OpenCommand("first.mid"), "seek midi to start",
                                            "play midi notify", "stop midi", "close midi"}));
}

TEST_F(MusicTest, NotificationIsIgnoredUnlessSuccessfulWhileOpen) {
  audio::HandleMusicNotify(platform::MCI_NOTIFY_SUCCESSFUL);  // nothing open
  audio::PlayMusic("missing.mid");                            // fails silently, still "open"
  platform::ClearMciCommandLog();
  audio::HandleMusicNotify(2);  // superseded
  audio::HandleMusicNotify(4);  // aborted
  EXPECT_TRUE(platform::MciCommandLog().empty());
  // The status query fails for a device that never opened, so nothing replays.
  audio::HandleMusicNotify(platform::MCI_NOTIFY_SUCCESSFUL);
  EXPECT_EQ(platform::MciCommandLog(), (Log{"status midi mode"}));
  EXPECT_STREQ(audio::MusicStatus, "");
}

TEST_F(MusicTest, SequencerAnswersItsCommandsAndRefusesOthers) {
  char reply[32] = "junk";
  EXPECT_EQ(platform::mciSendStringA("status midi mode", reply, sizeof reply, false),
            platform::MCIERR_INVALID_DEVICE_NAME);
  EXPECT_STREQ(reply, "");
  EXPECT_EQ(platform::mciSendStringA("play cdaudio", nullptr, 0, false),
            platform::MCIERR_UNRECOGNIZED_COMMAND);
  EXPECT_EQ(platform::mciSendStringA("open \"/nowhere.mid\" type sequencer alias midi", nullptr, 0,
                                     false),
            platform::MCIERR_FILE_NOT_FOUND);
  std::string open = OpenCommand(WriteTune());
  ASSERT_EQ(platform::mciSendStringA(open.c_str(), nullptr, 0, false), 0u);
  EXPECT_EQ(platform::mciSendStringA(open.c_str(), nullptr, 0, false),
            platform::MCIERR_DEVICE_OPEN);
  platform::mciSendStringA("status midi mode", reply, sizeof reply, false);
  EXPECT_STREQ(reply, "stopped");
  platform::mciSendStringA("play midi notify", nullptr, 0, false);
  platform::mciSendStringA("status midi mode", reply, 5, false);
  EXPECT_STREQ(reply, "play");  // cut to the reply buffer
  platform::mciSendStringA("stop midi", nullptr, 0, false);
  EXPECT_EQ(platform::mciSendStringA("close midi", nullptr, 0, false), 0u);
  EXPECT_EQ(platform::mciSendStringA("close midi", nullptr, 0, false),
            platform::MCIERR_INVALID_DEVICE_NAME);
}

TEST_F(MusicTest, EndOfSequenceNotifiesOnceAndTheMusicLoops) {
  std::string name = WriteTune();
  audio::PlayMusic(name.c_str());
  RunUntil(1750);
  ASSERT_EQ(notified.size(), 3u);
  EXPECT_GE(notified[0], 500u);
  EXPECT_LE(notified[0], 520u);
  for (size_t i = 1; i < notified.size(); ++i) {
    EXPECT_GE(notified[i] - notified[i - 1], 500u);
    EXPECT_LE(notified[i] - notified[i - 1], 520u);
  }
  EXPECT_STREQ(audio::MusicStatus, "stopped");
  Log expected = {OpenCommand(name), "seek midi to start", "play midi notify"};
  for (int i = 0; i < 3; ++i) {
    expected.insert(expected.end(), {"status midi mode", "seek midi to start", "play midi notify"});
  }
  EXPECT_EQ(platform::MciCommandLog(), expected);
  EXPECT_EQ(audio::MusicOpen, 1);
}

// One-millisecond frames render less than the synthesizer's own block at a
// time: a replay must still not be taken for an end before it has moved.
TEST_F(MusicTest, LoopingHoldsWithOneMillisecondFrames) {
  audio::PlayMusic(WriteTune().c_str());
  RunUntil(1100, SIZE_MAX, 1);
  ASSERT_EQ(notified.size(), 2u);
  EXPECT_NEAR(notified[0], 500, 3);
  EXPECT_NEAR(notified[1] - notified[0], 500, 3);
}

TEST_F(MusicTest, WithRepeatOffTheEndClosesTheSequence) {
  audio::PlayMusic(WriteTune().c_str());
  audio::DisableMusicRepeat();
  RunUntil(1500);
  ASSERT_EQ(notified.size(), 1u);
  EXPECT_EQ(audio::MusicOpen, 0);
  Log log = platform::MciCommandLog();
  EXPECT_EQ(Log(log.end() - 3, log.end()), (Log{"status midi mode", "stop midi", "close midi"}));
}

TEST_F(MusicTest, StoppedMusicSendsNoNotification) {
  audio::PlayMusic(WriteTune().c_str());
  RunUntil(200);
  audio::StopMusic();
  RunUntil(1200);
  EXPECT_TRUE(notified.empty());
}

TEST_F(MusicTest, ShippedTunePlaysToItsEnd) {
  std::string open = std::string("open \"") + VAULMOOR_TUNE_PATH + "\" type sequencer alias midi";
  ASSERT_EQ(platform::mciSendStringA(open.c_str(), nullptr, 0, false), 0u);
  platform::mciSendStringA("play midi notify", nullptr, 0, true);
  audio::MusicOpen = 0;  // the notification is only counted, not replayed
  RunUntil(60000, 1);
  ASSERT_EQ(notified.size(), 1u);
  // 16 bars of three beats at 126 a minute, seen at the next 10 ms frame.
  EXPECT_NEAR(notified[0], 16 * 3 * 60000.0 / 126, 15.0);
}

}  // namespace
