// The program full screen on a 1920x1080 virtual screen, with no window manager,
// with openbox and with a window manager that refuses every change: the screen
// (taken with import) shows the whole picture, pixel for pixel as the program's
// own screenshot has it, at the largest whole scale that the window's real area
// allows, centred on black; at start, after Alt+Enter to a window, after the
// window is resized by another client and after Alt+Enter back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/shell.h"
#include "support/run_folder.h"
#include "support/screen_picture.h"
#include "support/virtual_screen.h"

namespace {

constexpr int SCREEN_WIDTH = 1920, SCREEN_HEIGHT = 1080;
// The size the window is given from the outside while it is a window.
constexpr int RESIZED_WIDTH = 1000, RESIZED_HEIGHT = 500;
// The size of the program's own screenshot file: a 320x240 8-bit bitmap.
constexpr size_t SCREENSHOT_BYTES = 77878;
// How long a step may take to show, on a slow and busy machine.
constexpr double STEP_SECONDS = 60;

using testsupport::Area;
using testsupport::DifferentPixels;
using testsupport::NonBlackArea;
using testsupport::PictureArea;

struct WindowManager {
  const char* name;
  // The command that runs it and prints "ready" once it manages the screen;
  // empty for none.
  std::string start;
  bool obeys;  // carries out full screen, moves and resizes
};

void PrintTo(const WindowManager& manager, std::ostream* out) {
  *out << manager.name;
}

class XFullScreen : public testing::TestWithParam<WindowManager> {
 protected:
  // The program's window as the X server has it, from xwininfo; false while there is none.
  bool WindowArea(Area* area) const {
    const std::string info =
        screen_->Run(folder_, "xwininfo", {"-name", app::WINDOW_TITLE}, folder_ + "xwininfo-").out;
    std::istringstream lines(info);
    int found = 0;
    for (std::string line; std::getline(lines, line);) {
      const std::string value = line.substr(line.find(':') + 1);
      if (line.find("Absolute upper-left X:") != std::string::npos) found += Read(value, &area->x);
      if (line.find("Absolute upper-left Y:") != std::string::npos) found += Read(value, &area->y);
      if (line.find("  Width:") != std::string::npos) found += Read(value, &area->width);
      if (line.find("  Height:") != std::string::npos) found += Read(value, &area->height);
    }
    return found == 4;
  }
  static int Read(const std::string& text, int* value) {
    return static_cast<bool>(std::istringstream(text) >> *value);
  }

  // Whether the screen, taken into <step>.png, shows the whole picture in the window's area:
  // nothing but black outside the picture area, and the picture pixel for pixel.
  bool ShowsThePicture(const std::string& step, const Area& window) const {
    screen_->Run(folder_, "import", {"-window", "root", step + ".png"}, folder_ + "import-");
    const Area picture = PictureArea(window);
    return NonBlackArea(folder_, step, window) == picture &&
           DifferentPixels(folder_, step, picture) == "0";
  }

  // Takes the window's area and the screen until the window has the area expected and the
  // screen shows the picture in it; the window's area last seen.
  Area Settle(const std::string& step, const std::function<bool(const Area&)>& expected) const {
    Area window;
    testsupport::WaitFor(
        [&] { return WindowArea(&window) && expected(window) && ShowsThePicture(step, window); },
        STEP_SECONDS);
    return window;
  }

  // Holds F9 until the program has written screenshot n. The program has then handled every
  // key and window event sent before, and drawn frames after them.
  bool Screenshot(size_t n) const {
    Key("keydown", "F9");
    const std::string path = testsupport::ScreenshotPath(folder_, n);
    const bool written = testsupport::WaitFor(
        [&] { return testsupport::ReadFile(path).size() == SCREENSHOT_BYTES; }, STEP_SECONDS);
    Key("keyup", "F9");
    return written;
  }

  void Key(const std::string& action, const std::string& key) const {
    screen_->Run(folder_, "xdotool", {action, key}, folder_ + "xdotool-");
  }

  bool TraceHas(const std::string& event) const {
    for (const std::string& line : testsupport::ReadLines(folder_ + "trace.txt"))
      if (line.ends_with(" " + event)) return true;
    return false;
  }

  std::string folder_;
  std::unique_ptr<testsupport::VirtualScreen> screen_;
};

TEST_P(XFullScreen, ScreenShowsTheWholePicture) {
  const WindowManager& manager = GetParam();
  const std::string program = manager.start.substr(0, manager.start.find(' '));
  std::vector<std::string> tools = {"Xvfb", "import", "convert", "compare", "xdotool", "xwininfo"};
  if (!program.empty()) tools.push_back(program);
  const std::string missing = testsupport::MissingProgram(tools);
  if (!missing.empty()) GTEST_SKIP() << missing << " is needed (scripts/deps.sh test installs it)";

  folder_ = testsupport::MakeRunFolder(manager.name);
  screen_ = std::make_unique<testsupport::VirtualScreen>(SCREEN_WIDTH, SCREEN_HEIGHT);
  ASSERT_TRUE(screen_->ok()) << screen_->problem();
  std::unique_ptr<testsupport::BackgroundProgram> windowManager;
  if (!manager.start.empty()) {
    windowManager = std::make_unique<testsupport::BackgroundProgram>(
        folder_, "sh", std::vector<std::string>{"-c", "exec " + manager.start},
        std::vector<std::string>{screen_->DisplaySetting()}, folder_ + "wm-");
    ASSERT_TRUE(testsupport::WaitFor(
        [&] {
          return testsupport::ReadFile(folder_ + "wm-stdout.txt").find("ready\n") !=
                 std::string::npos;
        },
        STEP_SECONDS))
        << manager.name << " did not start";
  }
  testsupport::BackgroundProgram game(folder_, "./vaulmoor", {"--trace", "trace.txt"},
                                      {screen_->DisplaySetting(), "SDL_AUDIODRIVER=dummy"},
                                      folder_ + "game-");
  const auto errors = [&] { return testsupport::ReadFile(folder_ + "game-stderr.txt"); };
  // The title stands still: the program's own screenshot of it is what the screen must show.
  ASSERT_TRUE(testsupport::WaitFor([&] { return TraceHas("scene 2"); }, STEP_SECONDS)) << errors();
  ASSERT_TRUE(Screenshot(0)) << errors();

  const Area screen{0, 0, SCREEN_WIDTH, SCREEN_HEIGHT};
  // Where a window manager that refuses every change leaves the window: where it was created.
  const Area created{480, 180, 960, 720};
  const auto fullScreen = [&](const Area& window) {
    return window == (manager.obeys ? screen : created);
  };
  const auto sized = [&](int width, int height) {
    return [&, width, height](const Area& window) {
      return manager.obeys ? window.width == width && window.height == height : window == created;
    };
  };
  struct Step {
    const char* name;
    std::function<void()> action;  // what is done to the window before the step is taken
    std::function<bool(const Area&)> expected;
  };
  const std::vector<Step> steps = {
      {"full", [] {}, fullScreen},
      {"window", [&] { Key("key", "alt+Return"); }, sized(960, 720)},
      {"resized",
       [&] {
         screen_->Run(folder_, "xdotool",
                      {"search", "--name", "^Vaulmoor", "windowsize", "%@",
                       std::to_string(RESIZED_WIDTH), std::to_string(RESIZED_HEIGHT)},
                      folder_ + "xdotool-");
       },
       sized(RESIZED_WIDTH, RESIZED_HEIGHT)},
      {"full_again", [&] { Key("key", "alt+Return"); }, fullScreen},
  };
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    SCOPED_TRACE(step.name);
    step.action();
    ASSERT_TRUE(Screenshot(i + 1)) << errors();
    const Area window = Settle(step.name, step.expected);
    const Area picture = PictureArea(window);
    EXPECT_TRUE(step.expected(window)) << "window " << window;
    EXPECT_EQ(NonBlackArea(folder_, step.name, window), picture) << "window " << window;
    EXPECT_EQ(DifferentPixels(folder_, step.name, picture), "0") << "window " << window;
  }
  // Full screen: the non-black area of the screen is the picture at 4x, centred.
  if (manager.obeys) {
    EXPECT_EQ(NonBlackArea(folder_, "full", screen), (Area{320, 60, 1280, 960}));
  }

  Key("key", "Escape");
  EXPECT_EQ(game.Wait(STEP_SECONDS), 1) << errors();
}

INSTANTIATE_TEST_SUITE_P(
    WindowManagers, XFullScreen,
    testing::Values(WindowManager{"NoWindowManager", "", true},
                    // Openbox runs the start-up command once it has started.
                    WindowManager{"Openbox", "openbox --sm-disable --startup 'echo ready'", true},
                    WindowManager{"RefusingWindowManager", REFUSING_WINDOW_MANAGER_PATH, false}),
    [](const testing::TestParamInfo<WindowManager>& param) { return param.param.name; });

}  // namespace
