// Real windows for tests: a virtual X screen of the test's own, programs started on it in
// the background, and waiting for what they show or write instead of for a fixed time.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "support/run_folder.h"

namespace testsupport {

// Asks condition again and again (every 50 ms) until it holds or seconds have passed;
// true when it held.
bool WaitFor(const std::function<bool()>& condition, double seconds);

// A program running in the background, started as RunCommand starts one (in folder, its
// output in outputs + "stdout.txt" and "stderr.txt"). Ended when it goes out of scope.
class BackgroundProgram {
 public:
  BackgroundProgram(const std::string& folder, const std::string& program,
                    const std::vector<std::string>& args,
                    const std::vector<std::string>& environment, const std::string& outputs);
  ~BackgroundProgram();
  BackgroundProgram(const BackgroundProgram&) = delete;
  BackgroundProgram& operator=(const BackgroundProgram&) = delete;

  bool Running();
  // Waits up to seconds for the program to end by itself. Its exit status, or -1 when it
  // is still running or was ended by a signal.
  int Wait(double seconds);

 private:
  pid_t pid_ = -1;
  bool ended_ = false;
  int status_ = -1;
};

// An X server of its own (Xvfb) with one screen of the given size, for as long as the
// object lives; every test gets a free display, so tests run side by side.
class VirtualScreen {
 public:
  VirtualScreen(int width, int height);
  ~VirtualScreen();
  VirtualScreen(const VirtualScreen&) = delete;
  VirtualScreen& operator=(const VirtualScreen&) = delete;

  // False when the server could not be started (problem() says why).
  bool ok() const { return !display_.empty(); }
  const std::string& problem() const { return problem_; }
  // "DISPLAY=:N", for the environment of a program that is to use the screen.
  std::string DisplaySetting() const { return "DISPLAY=" + display_; }

  // Runs a program on the screen to its end (xdotool, import, xwininfo...).
  RunResult Run(const std::string& folder, const std::string& program,
                const std::vector<std::string>& args, const std::string& outputs) const;

 private:
  pid_t server_ = -1;
  std::string display_;
  std::string problem_;
};

// The first of the programs that is not installed (looked up in PATH); "" when all are.
std::string MissingProgram(const std::vector<std::string>& programs);

}  // namespace testsupport
