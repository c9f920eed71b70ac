// The headless runs that show every scene of the game, shared by the golden-picture and timeline
// tests.
#pragma once

#include <string>
#include <vector>

namespace golden {

// One scripted run of the game with its own pictures and the showcase cellar.
struct SceneRun {
  const char* name;
  std::string script;              // the input script, ending with a close request
  const char* save;                // data/save.dat before the run, or nullptr
  std::vector<const char*> shots;  // the golden picture of each `shot`, in order
  // The shots that show words (texts or pictures with words): each language has its own.
  std::vector<const char*> worded;
  const char* records = nullptr;  // data/records.dat's record lines before the run, or nullptr
  std::vector<std::string> arguments = {};  // given to the program besides the run's own
};

// The run of that name.
const SceneRun& FindRun(const std::string& name);

// What a run left: its folder ('/' at the end), how the program ended and its trace.
struct RunOutcome {
  std::string folder;
  int exitStatus = -1;
  std::string errors;
  std::vector<std::string> trace;  // "<ms> <event> <number>" lines
};
// Runs the program headless in a language (--lang) in a fresh folder of the test's
// own with the game's own pictures and sounds, recording the scenes.
RunOutcome Play(const SceneRun& run, const std::string& language);

}  // namespace golden
