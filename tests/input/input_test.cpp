// Keyboard and joystick polling over a headless platform whose script moves the
// stick and buttons and whose key messages the tests hand over one by one.
#include "input/input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "support/test_temp.h"

namespace {

class Input : public testing::Test {
 protected:
  void Start(const std::string& script = "") {
    path_ = testsupport::TestTempPath("script.txt");
    std::ofstream(path_) << script;
    platform::Options options;
    options.headless = true;
    options.scriptPath = path_.c_str();
    options.hasUntil = true;
    options.untilMs = 1000000;
    ASSERT_TRUE(platform::Init(options));
    std::fill(std::begin(input::KeyLatch), std::end(input::KeyLatch), 1);
    std::fill(std::begin(input::JoyButton), std::end(input::JoyButton), 0);
    input::JoyDirX = input::JoyDirY = 0;
    input::InitJoystick();
  }
  void TearDown() override { platform::Shutdown(); }

  // A key message taken from the queue, as the frame loop's pump takes it.
  static void Key(int vk, bool down) {
    platform::PostMessageA(down ? platform::WM_KEYDOWN : platform::WM_KEYUP, vk, 0);
    platform::MSG message;
    platform::GetMessageA(&message);
  }
  // The clock moves to ms; then the frame's joystick poll.
  static void Frame(uint32_t ms) {
    platform::WaitUntil(ms);
    input::PollJoystick();
  }

  std::string path_;
};

TEST_F(Input, PollButtonSequenceOfAKeyPress) {
  Start();
  std::vector<int32_t> results;
  const bool spaceDown[] = {false, false, false, true, true, true, false, false};
  for (bool down : spaceDown) {
    if (down != ((platform::GetKeyState(platform::VK_SPACE) & 0x8000) != 0))
      Key(platform::VK_SPACE, down);
    results.push_back(input::PollButton(platform::VK_SPACE, 2));
  }
  EXPECT_EQ(results, (std::vector<int32_t>{20, 0, 0, 11, 1, 1, 20, 0}));
}

TEST_F(Input, JoystickButtonPressesLikeItsKey) {
  Start("0 joy 32767 32767\n30 button 2 down\n90 button 2 up\n");
  std::vector<int32_t> results;
  for (uint32_t ms = 0; ms <= 120; ms += 20) {
    Frame(ms);
    results.push_back(input::PollButton(platform::VK_SPACE, 2));
  }
  // Frames at 0, 20 up; 40, 60, 80 down; 100, 120 up.
  EXPECT_EQ(results, (std::vector<int32_t>{20, 0, 11, 1, 1, 20, 0}));
}

TEST_F(Input, KeyHeldSinceStartUpNeverGivesAFreshPressUntilReleased) {
  Start();
  Key('Q', true);
  EXPECT_EQ(input::PollButton('Q', 0), 1);
  EXPECT_EQ(input::PollButton('Q', 0), 1);
  Key('Q', false);
  EXPECT_EQ(input::PollButton('Q', 0), 20);
  Key('Q', true);
  EXPECT_EQ(input::PollButton('Q', 0), 11);
}

TEST_F(Input, KeyAndStickDirectionShareTheKeysLatch) {
  Start("0 joy 32767 32767\n10 joy 0 32767\n30 joy 32767 32767\n");
  EXPECT_EQ(input::PollButton(platform::VK_LEFT, input::DIR_LEFT), 20);
  Frame(10);
  EXPECT_EQ(input::PollButton(platform::VK_LEFT, input::DIR_LEFT), 11);
  Key(platform::VK_LEFT, true);
  Frame(30);  // the stick is back in the middle but the key holds
  EXPECT_EQ(input::PollButton(platform::VK_LEFT, input::DIR_LEFT), 1);
  // The arrow key is not the partner of the right direction.
  EXPECT_EQ(input::PollButton(platform::VK_RIGHT, input::DIR_LEFT), 20);
}

TEST_F(Input, OutOfRangeButtonsAndKeysAreNeverDown) {
  Start("0 button 1 down\n");
  input::PollJoystick();
  ASSERT_EQ(input::JoyButton[1], 1);
  EXPECT_EQ(input::PollButton('A', 1), 1);
  const int32_t noPartner[] = {7, 19, 24, -1, 1000};
  for (int32_t button : noPartner) {
    input::KeyLatch['B'] = 1;
    EXPECT_EQ(input::PollButton('B', button), 20) << button;
  }
  EXPECT_EQ(input::PollButton(256, 1), 0);
  EXPECT_EQ(input::PollButton(-1, 1), 0);
}

TEST_F(Input, DirectionCodesMergeArrowKeysAndStick) {
  Start();
  const struct {
    int vk;
    int32_t code;
  } arrows[] = {{platform::VK_RIGHT, 20},
                {platform::VK_LEFT, 21},
                {platform::VK_UP, 22},
                {platform::VK_DOWN, 23}};
  for (const auto& a : arrows) {
    Key(a.vk, true);
    for (int32_t code = 19; code <= 24; ++code)
      EXPECT_EQ(input::IsDirectionHeld(code), code == a.code ? 1 : 0) << a.vk << " " << code;
    Key(a.vk, false);
  }
  const struct {
    int32_t dirX, dirY, code;
  } sticks[] = {{1, 0, 20}, {-1, 0, 21}, {0, -1, 22}, {0, 1, 23}};
  for (const auto& s : sticks) {
    input::JoyDirX = s.dirX;
    input::JoyDirY = s.dirY;
    for (int32_t code = 19; code <= 24; ++code)
      EXPECT_EQ(input::IsDirectionHeld(code), code == s.code ? 1 : 0) << s.code << " " << code;
  }
}

TEST_F(Input, StickThresholdsAroundTheCentre) {
  // Centre 32767: half is 16383, so <= 16383 is left/up and >= 49150 right/down.
  Start(
      "0 joy 32767 32767\n"
      "10 joy 16383 16384\n"
      "20 joy 49150 49149\n"
      "30 joy 65535 0\n");
  EXPECT_EQ(input::JoyCentreX[0], 32767);
  EXPECT_EQ(input::JoyCentreY[0], 32767);
  const struct {
    uint32_t ms;
    int32_t x, y;
  } cases[] = {{0, 0, 0}, {10, -1, 0}, {20, 1, 0}, {30, 1, -1}};
  for (const auto& c : cases) {
    Frame(c.ms);
    EXPECT_EQ(input::JoyDirX, c.x) << c.ms;
    EXPECT_EQ(input::JoyDirY, c.y) << c.ms;
  }
}

TEST_F(Input, StickAttachedByAButtonRestsAtItsCentre) {
  // Only buttons in the script: calibrated at rest, the stick points nowhere
  // until a joy line moves it.
  Start("0 button 2 down\n40 joy 0 32768\n");
  EXPECT_EQ(input::JoyCentreX[0], 32768);
  EXPECT_EQ(input::JoyCentreY[0], 32768);
  Frame(20);
  EXPECT_EQ(input::JoyButton[2], 1);
  for (int32_t code = input::DIR_RIGHT; code <= input::DIR_DOWN; ++code)
    EXPECT_EQ(input::IsDirectionHeld(code), 0) << code;
  Frame(40);
  EXPECT_EQ(input::IsDirectionHeld(input::DIR_LEFT), 1);
}

TEST_F(Input, JoystickAttachedAfterCalibrationCountsAsAlwaysPushed) {
  Start("10 joy 0 0\n20 joy 1 32767\n");
  EXPECT_EQ(input::JoyCentreX[0], 0);
  Frame(0);
  EXPECT_EQ(input::JoyDirX, 0);  // no joystick yet
  Frame(10);
  EXPECT_EQ(input::JoyDirX, -1);
  EXPECT_EQ(input::JoyDirY, -1);
  Frame(20);
  EXPECT_EQ(input::JoyDirX, 1);
  EXPECT_EQ(input::JoyDirY, 1);
}

TEST_F(Input, ButtonsOneToSixArePolledAndReadsAnyOfThirtyTwo) {
  Start("0 button 6 down\n0 button 7 down\n0 button 32 down\n");
  input::PollJoystick();
  EXPECT_EQ(input::JoyButton[0], 0);
  EXPECT_EQ(input::JoyButton[5], 0);
  EXPECT_EQ(input::JoyButton[6], 1);
  EXPECT_EQ(input::ReadJoystickButton(0, 7), 1);
  EXPECT_EQ(input::ReadJoystickButton(0, 32), 1);
  EXPECT_EQ(input::ReadJoystickButton(0, 31), 0);
  EXPECT_EQ(input::ReadJoystickButton(0, 33), 0);
  EXPECT_EQ(input::ReadJoystickButton(1, 6), 0);  // joystick 2 is absent
}

TEST_F(Input, FailedReadKeepsTheLastDirection) {
  Start();
  int32_t horizontal = 1, vertical = -1;
  input::ReadJoystickDirection(0, &horizontal, &vertical);
  EXPECT_EQ(horizontal, 1);
  EXPECT_EQ(vertical, -1);
  EXPECT_EQ(input::JoyCentreX[1], 0);
}

}  // namespace
