// Real windows for tests: an Xvfb server per test, background programs and waits.
#include "support/virtual_screen.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace testsupport {
namespace {

using Clock = std::chrono::steady_clock;

// Starts argv[0] (looked up in PATH) with the file actions; -1 when it cannot start.
pid_t Spawn(const std::vector<std::string>& argv, const posix_spawn_file_actions_t* actions) {
  std::vector<char*> pointers;
  for (const std::string& arg : argv) pointers.push_back(const_cast<char*>(arg.c_str()));
  pointers.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawnp(&pid, pointers[0], actions, nullptr, pointers.data(), environ) != 0) return -1;
  return pid;
}

// The status of a process that has ended, or -1 when it is still running. Exit statuses
// are 0..255; an end by a signal counts as -2.
int Reap(pid_t pid, bool block) {
  int status = 0;
  if (waitpid(pid, &status, block ? 0 : WNOHANG) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
}

// Ends a process: asked first, then forced when it has not ended within two seconds.
void End(pid_t pid) {
  kill(pid, SIGTERM);
  if (WaitFor([pid] { return Reap(pid, false) != -1; }, 2.0)) return;
  kill(pid, SIGKILL);
  Reap(pid, true);
}

}  // namespace

bool WaitFor(const std::function<bool()>& condition, double seconds) {
  const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                   std::chrono::duration<double>(seconds));
  for (;;) {
    if (condition()) return true;
    if (Clock::now() >= end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

BackgroundProgram::BackgroundProgram(const std::string& folder, const std::string& program,
                                     const std::vector<std::string>& args,
                                     const std::vector<std::string>& environment,
                                     const std::string& outputs) {
  pid_ = Spawn({"sh", "-c", CommandLine(folder, program, args, environment, outputs)}, nullptr);
  ended_ = pid_ == -1;
}

BackgroundProgram::~BackgroundProgram() {
  if (!ended_) End(pid_);
}

bool BackgroundProgram::Running() {
  if (ended_) return false;
  const int status = Reap(pid_, false);
  if (status == -1) return true;
  ended_ = true;
  status_ = status < 0 ? -1 : status;
  return false;
}

int BackgroundProgram::Wait(double seconds) {
  WaitFor([this] { return !Running(); }, seconds);
  return ended_ ? status_ : -1;
}

VirtualScreen::VirtualScreen(int width, int height) {
  // The server picks a free display and writes its number to the pipe once it accepts
  // clients.
  int pipe_ends[2];
  if (pipe(pipe_ends) != 0) {
    problem_ = "no pipe for Xvfb";
    return;
  }
  constexpr int DISPLAY_FD = 3;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // The read end goes first: it may itself be the descriptor the write end is put on.
  posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
  posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], DISPLAY_FD);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  server_ = Spawn({"Xvfb", "-displayfd", std::to_string(DISPLAY_FD), "-screen", "0", screen,
                   "-nolisten", "tcp"},
                  &actions);
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_ends[1]);
  std::string number;
  pollfd ready{pipe_ends[0], POLLIN, 0};
  char c = 0;
  // A busy machine may take a while to start a server.
  while (server_ != -1 && poll(&ready, 1, 60000) == 1 && read(pipe_ends[0], &c, 1) == 1 &&
         c != '\n')
    number += c;
  close(pipe_ends[0]);
  if (number.empty()) {
    problem_ = server_ == -1 ? "Xvfb could not be started" : "Xvfb did not report its display";
    return;
  }
  display_ = ":" + number;
}

VirtualScreen::~VirtualScreen() {
  if (server_ != -1) End(server_);
}

RunResult VirtualScreen::Run(const std::string& folder, const std::string& program,
                             const std::vector<std::string>& args,
                             const std::string& outputs) const {
  return RunCommand(folder, program, args, {DisplaySetting()}, outputs);
}

std::string MissingProgram(const std::vector<std::string>& programs) {
  for (const std::string& program : programs)
    if (std::system(("command -v '" + program + "' >/dev/null").c_str()) != 0) return program;
  return "";
}

}  // namespace testsupport
