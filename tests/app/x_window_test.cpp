// The program in a real X window on a virtual screen: it shows a picture that is
// not all black, and Esc closes it with status 1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/run_folder.h"
#include "support/virtual_screen.h"

namespace {

// How long the program may take to show something, or to close, on a slow and busy machine.
constexpr double WAIT_SECONDS = 60;

TEST(XWindow, ShowsAPictureAndClosesOnEsc) {
  const std::string missing = testsupport::MissingProgram({"Xvfb", "import", "xdotool"});
  if (!missing.empty()) GTEST_SKIP() << missing << " is needed (scripts/deps.sh test installs it)";
  const std::string folder = testsupport::MakeRunFolder("x_window");
  testsupport::VirtualScreen screen(640, 480);
  ASSERT_TRUE(screen.ok()) << screen.problem();
  testsupport::BackgroundProgram game(folder, "./vaulmoor", {},
                                      {screen.DisplaySetting(), "SDL_AUDIODRIVER=dummy"}, folder);
  // The brightest value on the screen, 0 (all black) to 255.
  const auto brightest = [&] {
    const std::string value =
        screen
            .Run(folder, "import",
                 {"-window", "root", "-colorspace", "Gray", "-format", "%[fx:maxima*255]", "info:"},
                 folder + "import-")
            .out;
    return std::atoi(value.c_str());
  };
  EXPECT_TRUE(
      testsupport::WaitFor([&] { return !game.Running() || brightest() > 0; }, WAIT_SECONDS))
      << "the screen stays black";
  screen.Run(folder, "xdotool", {"key", "Escape"}, folder + "xdotool-");
  EXPECT_EQ(game.Wait(WAIT_SECONDS), 1) << testsupport::ReadFile(folder + "stderr.txt");
}

}  // namespace
