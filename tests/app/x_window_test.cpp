// The program in a real X window on a virtual screen: it shows a picture that is
// not all black, and Esc closes it with status 1; the cellar editor there takes the mouse,
// wherever the picture stands in the window, and typed text.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

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

// Full screen on 1600 x 850 the picture stands at scale 3 with black bars of 320 and 65 pixels:
// clicks at places of the picture reach the editor's palette and board, and typed text its
// title, and the file saved holds the cellar drawn.
TEST(XWindow, TheEditorTakesTheMouseAndTypedText) {
  const std::string missing = testsupport::MissingProgram({"Xvfb", "xdotool"});
  if (!missing.empty()) GTEST_SKIP() << missing << " is needed (scripts/deps.sh test installs it)";
  const std::string folder = testsupport::MakeRunFolder("x_editor");
  testsupport::VirtualScreen screen(1600, 850);
  ASSERT_TRUE(screen.ok()) << screen.problem();
  testsupport::BackgroundProgram game(folder, "./vaulmoor",
                                      {"--edit", "mine.dat", "--trace", "trace.txt"},
                                      {screen.DisplaySetting(), "SDL_AUDIODRIVER=dummy"}, folder);
  const auto traced = [&](const std::string& event) {
    for (const std::string& line : testsupport::ReadLines(folder + "trace.txt"))
      if (line.ends_with(event)) return true;
    return false;
  };
  ASSERT_TRUE(
      testsupport::WaitFor([&] { return !game.Running() || traced(" scene 10"); }, WAIT_SECONDS))
      << testsupport::ReadFile(folder + "stderr.txt");
  const auto xdotool = [&](const std::vector<std::string>& args) {
    screen.Run(folder, "xdotool", args, folder + "xdotool-");
  };
  // The middle of a picture pixel on the screen.
  const auto click = [&](int x, int y) {
    xdotool({"mousemove", std::to_string(320 + 3 * x + 1), std::to_string(65 + 3 * y + 1), "click",
             "1"});
  };
  // The palette's player, feta, hole and line snowman, each put on row 5 of the board.
  const struct {
    int pieceX, pieceY, cellX;
  } pieces[] = {{303, 70, 2}, {255, 94, 3}, {303, 46, 4}, {279, 70, 5}};
  for (const auto& piece : pieces) {
    click(piece.pieceX, piece.pieceY);
    click(24 * piece.cellX, 120);
  }
  xdotool({"key", "t"});
  xdotool({"type", "--delay", "50", "Cold"});
  xdotool({"key", "Return", "s"});
  const std::string expected =
      "2 5 1 1  0 1\n0 0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0\n"
      "0 0 0 0 0 0 0 0 0\n0 0 7 3 5 0 0 0 0\n0 0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0\n"
      "0 0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0 0\n\ntitle 1 Cold\n";
  EXPECT_TRUE(testsupport::WaitFor(
      [&] { return testsupport::ReadFile(folder + "mine.dat") == expected; }, WAIT_SECONDS))
      << testsupport::ReadFile(folder + "mine.dat");
  EXPECT_TRUE(traced(" verdict 1"));
  xdotool({"key", "Escape"});
  EXPECT_EQ(game.Wait(WAIT_SECONDS), 1) << testsupport::ReadFile(folder + "stderr.txt");
}

}  // namespace
