// The window procedure on a headless platform: window creation (seed and
// presentation mode), Esc, swallowed keys, activation without a display, destroy.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "app/shell.h"
#include "platform/platform.h"
#include "shared/shell_state.h"
#include "support/test_temp.h"

namespace {

class WindowProcedure : public testing::Test {
 protected:
  void Start(const std::string& script, bool pageFlipOption = false) {
    path_ = testsupport::TestTempPath("script.txt");
    std::ofstream(path_) << script;
    app::StartOptions = app::CommandLine{};
    app::StartOptions.platform.headless = true;
    app::StartOptions.platform.scriptPath = path_.c_str();
    app::StartOptions.platform.pageFlip = pageFlipOption;
    shared::PageFlipMode = 0;
    ASSERT_TRUE(platform::Init(app::StartOptions.platform));
    shared::SeedRandom(12345);
    ASSERT_TRUE(platform::CreateMainWindow(app::WINDOW_TITLE, app::WindowProc));
  }
  void TearDown() override { platform::Shutdown(); }

  // The messages waiting now, taken in order.
  static std::vector<uint32_t> Waiting() {
    std::vector<uint32_t> messages;
    platform::MSG message;
    while (platform::PeekMessageA(&message) && platform::GetMessageA(&message) != 0)
      messages.push_back(message.message);
    return messages;
  }

  std::string path_;
};

TEST_F(WindowProcedure, CreationSeedsTheGeneratorWithZeroInHeadlessRuns) {
  Start("");
  EXPECT_EQ(shared::NextRandom(), 38);  // the first value after a seed of 0
  EXPECT_EQ(shared::PageFlipMode, 0);
}

TEST_F(WindowProcedure, FlipPresentationFromF10HeldAtCreationOrTheOption) {
  const struct {
    const char* script;
    bool option;
    int32_t flip;
  } cases[] = {
      {"0 down f10\n", false, 1},
      {"", true, 1},
      {"1 down f10\n", false, 0},  // pressed after the window exists
      {"0 down f10\n0 up f10\n", false, 0},
  };
  for (const auto& c : cases) {
    Start(c.script, c.option);
    EXPECT_EQ(shared::PageFlipMode, c.flip) << c.script << c.option;
    platform::Shutdown();
  }
}

TEST_F(WindowProcedure, EscPostsACloseRequestOtherKeysAreSwallowed) {
  Start("");
  Waiting();
  EXPECT_EQ(app::WindowProc(platform::WM_KEYDOWN, 'A', 0), 1);
  EXPECT_EQ(app::WindowProc(platform::WM_KEYUP, platform::VK_ESCAPE, 0), 1);
  EXPECT_TRUE(Waiting().empty());
  EXPECT_EQ(app::WindowProc(platform::WM_KEYDOWN, platform::VK_ESCAPE, 0), 1);
  EXPECT_EQ(Waiting(), (std::vector<uint32_t>{platform::WM_CLOSE}));
}

TEST_F(WindowProcedure, ActivationWithoutADisplayDoesNothing) {
  Start("");
  EXPECT_EQ(app::WindowProc(platform::WM_ACTIVATEAPP, 1, 0), 0);
  EXPECT_EQ(app::WindowProc(platform::WM_ACTIVATEAPP, 0, 0), 0);
}

TEST_F(WindowProcedure, DestroyPostsTheQuitMessage) {
  Start("");
  EXPECT_EQ(app::WindowProc(platform::WM_DESTROY, 0, 0), 1);
  platform::MSG message;
  ASSERT_TRUE(platform::PeekMessageA(&message));
  EXPECT_EQ(platform::GetMessageA(&message), 0);
}

}  // namespace
