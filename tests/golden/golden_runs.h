// The headless runs that show every scene of the game, shared by the golden-picture and timeline
// tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace golden {

// Script times, in virtual milliseconds.
constexpr uint32_t KEY_HOLD_MS = 50;
constexpr uint32_t MOVE_GAP_MS = 350;  // between two taps that each make one move

// One scripted run of the game with its own pictures and the showcase cellar.
struct SceneRun {
  const char* name;
  std::string script;              // the input script
  const char* save;                // data/save.dat before the run, or nullptr
  std::vector<const char*> shots;  // the golden picture of each `shot`, in order
  // The shots that show words (texts or pictures with words): each language has its own.
  std::vector<const char*> worded;
};

// The runs, each ending with a close request.
const std::vector<SceneRun>& SceneRuns();
const SceneRun& FindRun(const std::string& name);

// The stage file of every run: the showcase cellar as stages 1 and 32, plain
// cellars between them.
std::string ShowcaseStageFile();

// Runs the program headless in a language (--lang) in a fresh folder of the test's
// own with the game's own pictures and sounds, recording the scenes. Returns the
// folder ('/' at the end).
struct RunOutcome {
  std::string folder;
  int exitStatus = -1;
  std::string errors;
  std::vector<std::string> trace;  // "<ms> <event> <number>" lines
};
RunOutcome Play(const SceneRun& run, const std::string& language);

}  // namespace golden
