// The paced frame loop on the virtual clock: paired frames, the capped step after a
// blocking scene, and key messages taken only by the loop's message pump.
#include "app/frame_loop.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/platform.h"
#include "shared/shell_state.h"
#include "support/test_temp.h"

namespace {

struct Frame {
  uint32_t start;
  double step;  // FrameStep as the scene sees it: the previous frame's length
  bool messageLeft, immediateLeft;
};
std::vector<Frame> Frames;
int QuitAfter = 0;
int BlockAtFrame = -1;

void RecordingScene() {
  Frames.push_back({app::FrameStart, shared::FrameStep,
                    (platform::GetKeyState(platform::VK_LEFT) & 0x8000) != 0,
                    (platform::GetAsyncKeyState(platform::VK_LEFT) & 0x8000) != 0});
  if (static_cast<int>(Frames.size()) == BlockAtFrame)
    platform::WaitUntil(platform::timeGetTime() + 2000);
  if (static_cast<int>(Frames.size()) == QuitAfter) platform::PostQuitMessage(0);
}

class FrameLoop : public testing::Test {
 protected:
  void Run(const char* scriptPath, int frames, int blockAt = -1) {
    platform::Options options;
    options.headless = true;
    options.scriptPath = scriptPath;
    options.hasUntil = true;
    options.untilMs = 1000000;
    ASSERT_TRUE(platform::Init(options));
    Frames.clear();
    QuitAfter = frames;
    BlockAtFrame = blockAt;
    shared::FrameStep = 0;
    EXPECT_EQ(app::RunFrameLoop<RecordingScene>(), 1);
    platform::Shutdown();
  }
};

TEST_F(FrameLoop, ShortFramesComeInPairsAndStepsAlternate) {
  Run(nullptr, 101);
  ASSERT_EQ(Frames.size(), 101u);
  const uint32_t starts[] = {0, 20, 20, 40, 40, 60, 60};
  const double steps[] = {0, 0, 0.02, 0, 0.02, 0, 0.02};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(Frames[i].start, starts[i]) << "frame " << i;
    EXPECT_DOUBLE_EQ(Frames[i].step, steps[i]) << "frame " << i;
  }
  // One hundred frames take one second.
  EXPECT_EQ(Frames[100].start, 1000u);
}

TEST_F(FrameLoop, StepAfterATwoSecondBlockIsCappedAtATenth) {
  Run(nullptr, 12, 5);
  ASSERT_EQ(Frames.size(), 12u);
  // Frame 5 (index 4, starting at 40) blocks until 2040.
  EXPECT_EQ(Frames[5].start, 2040u);
  EXPECT_DOUBLE_EQ(Frames[5].step, 0.0);  // frame 5 started 20 ms after frame 4
  EXPECT_DOUBLE_EQ(Frames[6].step, 0.1);  // frame 6 measured 2000 ms: capped
  EXPECT_EQ(Frames[6].start, 2040u);      // its wait had already passed
  EXPECT_DOUBLE_EQ(Frames[7].step, 0.0);
  EXPECT_DOUBLE_EQ(Frames[8].step, 0.02);
}

TEST_F(FrameLoop, KeyMessageStateChangesAtThePumpImmediateStateAtTheEvent) {
  std::string path = testsupport::TestTempPath("script.txt");
  FILE* file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("30 down left\n", file);
  std::fclose(file);
  Run(path.c_str(), 6);
  // Frames start at 0, 20, 20, 40, 40: the key goes down during the wait of frame 3.
  ASSERT_EQ(Frames.size(), 6u);
  EXPECT_FALSE(Frames[2].immediateLeft);
  EXPECT_TRUE(Frames[3].immediateLeft);
  EXPECT_TRUE(Frames[3].messageLeft);  // taken by the pump after frame 3
  EXPECT_FALSE(Frames[2].messageLeft);
}

}  // namespace
