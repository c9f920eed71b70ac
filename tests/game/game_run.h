// Headless runs of the whole game for the game's tests: a run folder with a stage file and
// a save, a script, and the screenshots and save it leaves.
#pragma once

#include <string>
#include <vector>

#include "support/run_folder.h"

namespace game_run {

// The boot logo ends before 2.4 s; a stage's intro card stands for 2 s after START.
constexpr int TITLE_MS = 3000;
constexpr int PLAY_MS = 5500;

// Script lines: joystick 1 at rest from the start, so that its centre is known.
constexpr const char* JOYSTICK_AT_REST = "0 joy 32767 32767\n";

// The n-th screenshot (from 0) the run left.
std::string Screenshot(const std::string& folder, size_t n);

// True when the screen rectangle [left, right) x [top, bottom) matches in two shots.
bool SameRegion(const std::string& a, const std::string& b, int left, int top, int right,
                int bottom);
bool SamePicture(const std::string& a, const std::string& b);

struct Played {
  std::string folder;
  testsupport::RunResult result;
  std::string save() const { return testsupport::ReadFile(folder + "data/save.dat"); }
  bool saved() const { return testsupport::FileExists(folder + "data/save.dat"); }
  // The run's record of scenes and notes: "<ms> <event> <number>" lines.
  std::vector<std::string> trace() const { return testsupport::ReadLines(folder + "trace.txt"); }
};

// Plays script headless in a new run folder with the given stage file and save file text
// (nullptr: none), for at most 60 s, recording its scenes.
Played RunGame(const std::string& name, const std::string& stageText, const std::string& script,
               const char* save = nullptr);

// Stage 1: two cheeses beside holes in rows chilled by line snowmen; the player
// starts between them at (1, 2). Slot 0 has the given week, slot 1 is good.
std::string TwoDeliveriesStage(int firstWeek);

// Delivers slot 0 from the start cell: up, right, then a push into the hole.
std::string DeliverFirst(int at);
// Delivers slot 1 from the start cell: down, right, then a push into the hole.
std::string DeliverSecond(int at);

// Script lines pressing joystick 1's button n at ms.
std::string Button(int ms, int n);

// Script lines in the order of their times (lines of one time keep their order).
std::string InTimeOrder(const std::string& lines);

// Script lines: F9 at ms, so that the next screenshot shows the frame of that moment.
std::string Shot(int ms);

}  // namespace game_run
