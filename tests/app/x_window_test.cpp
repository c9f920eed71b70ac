// The program in a real X window on a virtual screen: it shows a picture that is
// not all black, and Esc (pressed by its script) closes it with status 1.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/run_folder.h"

namespace {

// Run inside xvfb-run: starts the program, samples the screen's brightest value
// every half second while it runs, and prints "max <value>" and "status <n>".
constexpr const char* SESSION_SCRIPT = R"(
# A program that does not close by itself is ended after 40 s (status 124).
timeout 40 ./vaulmoor --script script.txt &
pid=$!
best=0
for i in $(seq 1 40); do
  sleep 0.5
  kill -0 $pid 2>/dev/null || break
  value=$(import -window root -colorspace Gray -format '%[fx:maxima*255]' info: 2>/dev/null || echo 0)
  value=${value%.*}
  [ "${value:-0}" -gt "$best" ] && best=$value
done
wait $pid
echo "status $?"
echo "max $best"
)";

int ValueAfter(const std::string& text, const std::string& key) {
  size_t at = text.find(key + " ");
  return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + key.size() + 1);
}

TEST(XWindow, ShowsAPictureAndClosesOnEsc) {
  ASSERT_EQ(std::system("command -v xvfb-run >/dev/null && command -v import >/dev/null"), 0)
      << "xvfb-run (xvfb) and import (imagemagick) are needed";
  std::string folder = testsupport::MakeRunFolder("x_window");
  // The boot sequence shows the brand logo first; Esc comes well after it.
  std::ofstream(folder + "script.txt") << "7000 down esc\n7100 up esc\n";
  std::ofstream(folder + "session.sh") << SESSION_SCRIPT;
  std::string command = "cd '" + folder +
                        "' && SDL_AUDIODRIVER=dummy xvfb-run -a -s '-screen 0 640x480x24' "
                        "sh session.sh >session.txt 2>&1";
  const int sessionStatus = std::system(command.c_str());
  std::string session = testsupport::ReadFile(folder + "session.txt");
  EXPECT_EQ(sessionStatus, 0) << session;
  EXPECT_EQ(ValueAfter(session, "status"), 1)
      << session << testsupport::ReadFile(folder + "stderr.txt");
  EXPECT_GT(ValueAfter(session, "max"), 0) << session;
}

}  // namespace
