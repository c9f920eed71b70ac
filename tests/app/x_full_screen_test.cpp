// The program full screen on a 1920x1080 virtual screen, with no window manager,
// with openbox and with a window manager that refuses every change: the screen
// (taken with import) shows the whole picture, pixel for pixel as the program's
// own screenshot has it, at the largest whole scale that the window's real area
// allows, centred on black; at start, after Alt+Enter to a window, after the
// window is resized by another client and after Alt+Enter back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/shell.h"
#include "support/run_folder.h"
#include "support/screen_picture.h"

namespace {

constexpr int SCREEN_WIDTH = 1920, SCREEN_HEIGHT = 1080;
// The size the window is given from the outside while it is a window.
constexpr int RESIZED_WIDTH = 1000, RESIZED_HEIGHT = 500;

using testsupport::Area;
using testsupport::DifferentPixels;
using testsupport::NonBlackArea;
using testsupport::PictureArea;

// Run inside xvfb-run with the size to resize the window to and the window's title
// as arguments; wm.sh, when there is one, starts a window manager that prints
// "ready" once it manages the screen. F9 from the script has the program write the
// title picture to scr0000.bmp; every step then takes the screen and prints the
// window's real area as "window <step> <x> <y> <width> <height>"; Esc ends the run
// and its status is printed as "status <n>".
constexpr const char* SESSION_SCRIPT = R"(
title=$3
if [ -f wm.sh ]; then
  sh wm.sh >wm.txt 2>&1 &
  wm=$!
  for i in $(seq 1 100); do grep -q ready wm.txt && break; sleep 0.1; done
fi
take() {
  import -window root "$1.png"
  xwininfo -name "$title" | awk -v step="$1" '/Absolute upper-left X/ {x = $4}
    /Absolute upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2}
    END {print "window", step, x, y, w, h}'
}
timeout 60 ./vaulmoor --script script.txt &
pid=$!
for i in $(seq 1 150); do [ -f scr0000.bmp ] && break; sleep 0.2; done
sleep 1
take full
xdotool key alt+Return; sleep 2; take window
xdotool search --name "^Vaulmoor" windowsize %@ "$1" "$2"; sleep 2; take resized
xdotool key alt+Return; sleep 2; take full_again
xdotool key Escape
wait $pid
echo "status $?"
[ -n "$wm" ] && kill $wm
)";

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

class XFullScreen : public testing::TestWithParam<WindowManager> {};

TEST_P(XFullScreen, ScreenShowsTheWholePicture) {
  const WindowManager& manager = GetParam();
  for (const char* tool : {"xvfb-run", "import", "convert", "compare", "xdotool", "xwininfo"})
    if (std::system(("command -v " + std::string(tool) + " >/dev/null").c_str()) != 0)
      GTEST_SKIP() << tool << " is needed (scripts/deps.sh test installs it)";
  const std::string program = manager.start.substr(0, manager.start.find(' '));
  if (!program.empty() && std::system(("command -v '" + program + "' >/dev/null").c_str()) != 0)
    GTEST_SKIP() << program << " is needed (scripts/deps.sh test installs it)";

  std::string folder = testsupport::MakeRunFolder(manager.name);
  // The title is up after 3 s.
  std::ofstream(folder + "script.txt") << "4000 down f9\n4100 up f9\n";
  std::ofstream(folder + "session.sh") << SESSION_SCRIPT;
  if (!manager.start.empty()) std::ofstream(folder + "wm.sh") << "exec " << manager.start << "\n";
  const std::string serverArgs =
      "-screen 0 " + std::to_string(SCREEN_WIDTH) + "x" + std::to_string(SCREEN_HEIGHT) + "x24";
  const testsupport::RunResult run = testsupport::RunCommand(
      folder, "xvfb-run",
      {"-a", "-s", serverArgs, "sh", "session.sh", std::to_string(RESIZED_WIDTH),
       std::to_string(RESIZED_HEIGHT), app::WINDOW_TITLE},
      {"SDL_AUDIODRIVER=dummy"}, folder + "session-");
  const std::string session = run.out + run.err;
  ASSERT_TRUE(testsupport::FileExists(folder + "scr0000.bmp")) << session;

  std::map<std::string, Area> windows;
  std::istringstream lines(session);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    std::string word, step;
    Area area;
    if (words >> word >> step >> area.x >> area.y >> area.width >> area.height && word == "window")
      windows[step] = area;
  }
  const Area screen{0, 0, SCREEN_WIDTH, SCREEN_HEIGHT};
  for (const char* step : {"full", "window", "resized", "full_again"}) {
    SCOPED_TRACE(step);
    ASSERT_TRUE(windows.count(step)) << session;
    const Area window = windows[step];
    const Area picture = PictureArea(window);
    EXPECT_EQ(NonBlackArea(folder, step, window), picture) << "window " << window;
    EXPECT_EQ(DifferentPixels(folder, step, picture), "0") << "window " << window;
  }
  if (manager.obeys) {
    // Full screen: the non-black area of the screen is the picture at 4x, centred.
    EXPECT_EQ(windows["full"], screen);
    EXPECT_EQ(windows["full_again"], screen);
    EXPECT_EQ(NonBlackArea(folder, "full", screen), (Area{320, 60, 1280, 960}));
    EXPECT_EQ(windows["window"].width, 960);
    EXPECT_EQ(windows["window"].height, 720);
    EXPECT_EQ(windows["resized"].width, RESIZED_WIDTH);
    EXPECT_EQ(windows["resized"].height, RESIZED_HEIGHT);
  } else {
    // The window keeps the area it was created with, and the picture fits it.
    EXPECT_EQ(windows["full"], (Area{480, 180, 960, 720}));
    EXPECT_EQ(windows["full_again"], windows["full"]);
  }
  EXPECT_NE(session.find("status 1"), std::string::npos) << session;
}

INSTANTIATE_TEST_SUITE_P(
    WindowManagers, XFullScreen,
    testing::Values(WindowManager{"NoWindowManager", "", true},
                    // Openbox runs the start-up command once it has started.
                    WindowManager{"Openbox", "openbox --sm-disable --startup 'echo ready'", true},
                    WindowManager{"RefusingWindowManager", REFUSING_WINDOW_MANAGER_PATH, false}),
    [](const testing::TestParamInfo<WindowManager>& param) { return param.param.name; });

}  // namespace
