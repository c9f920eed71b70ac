// Real-time runs without a window: waits end no earlier than their target, and a
// script plays in real time (the demonstration mode).
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/platform.h"
#include "support/test_temp.h"

namespace {

class RealRun : public testing::Test {
 protected:
  void Start(const std::string& script) {
    path_ = testsupport::TestTempPath("script.txt");
    std::ofstream(path_) << script;
    platform::Options options;
    options.scriptPath = path_.c_str();
    ASSERT_TRUE(platform::Init(options));
  }
  void TearDown() override { platform::Shutdown(); }
  std::string path_;
};

TEST_F(RealRun, WaitsEndAtOrAfterTheirTarget) {
  Start("");
  for (uint32_t wait : {1u, 5u, 25u}) {
    uint32_t start = platform::timeGetTime();
    platform::WaitUntil(start + wait);
    EXPECT_GE(platform::timeGetTime() - start, wait);
  }
  uint32_t before = platform::timeGetTime();
  platform::IdlePoll();
  EXPECT_GE(platform::timeGetTime(), before);
}

TEST_F(RealRun, ScriptEventsHappenAsTheRealClockPassesThem) {
  Start("0 down f10\n30 down a\n30 joy 0 65535\n");
  EXPECT_TRUE(platform::GetKeyState(platform::VK_F10) & 0x8000);
  platform::WaitUntil(40);
  EXPECT_TRUE(platform::GetAsyncKeyState('A') & 0x8000);
  platform::JOYINFOEX info;
  ASSERT_EQ(platform::joyGetPosEx(0, &info), platform::JOYERR_NOERROR);
  EXPECT_EQ(info.dwXpos, 0u);
  EXPECT_EQ(info.dwYpos, 65535u);
  // Both key messages wait in the queue in the order of their events.
  for (uintptr_t vk : {uintptr_t{platform::VK_F10}, uintptr_t{'A'}}) {
    platform::MSG message;
    ASSERT_TRUE(platform::PeekMessageA(&message));
    ASSERT_EQ(platform::GetMessageA(&message), 1);
    EXPECT_EQ(message.message, platform::WM_KEYDOWN);
    EXPECT_EQ(message.wParam, vk);
  }
  EXPECT_TRUE(platform::GetKeyState('A') & 0x8000);
}

}  // namespace
