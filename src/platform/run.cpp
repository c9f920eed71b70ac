// Starting and ending the platform for one run: real devices or the headless stand-ins.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "platform/core_internal.h"

namespace platform {
namespace {

Options CurrentOptions;

// SDL's own messages, on standard error as the program's other lines are.
void SaySdlMessage(void*, int, SDL_LogPriority, const char* message) {
  std::fprintf(stderr, "vaulmoor: SDL: %s\n", message);
}

}  // namespace

namespace core {
const Options& RunOptions() {
  return CurrentOptions;
}
}  // namespace core

bool Init(const Options& options) {
  CurrentOptions = options;
  SDL_LogSetOutputFunction(SaySdlMessage, nullptr);
  core::ResetMessages();
  core::ResetKeys();
  core::ResetPointer();
  core::CloseJoysticks();
  core::StartClock();
  if (!options.headless) {
    // Joysticks are optional: without the subsystem the keyboard alone plays.
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
      std::fprintf(stderr, "vaulmoor: no joystick support: %s\n", SDL_GetError());
    core::OpenJoysticks();
  }
  return core::StartScript(options);
}

bool IsHeadless() {
  return CurrentOptions.headless;
}

bool HasThreads() {
#ifdef VAULMOOR_NO_THREADS
  return false;
#else
  return true;
#endif
}

void Shutdown() {
  DestroyMainWindow();
  core::CloseJoysticks();
  if (!CurrentOptions.headless) SDL_Quit();
}

void FailStartup(const char* text) {
  MessageBoxA(text, "error");
  Shutdown();
  std::exit(EXIT_STARTUP_FAILED);
}

}  // namespace platform
