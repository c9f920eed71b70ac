// The scene runs: scripts that walk the showcase cellar through every scene, and running them.
#include "golden_runs.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <utility>

#include "game/solution_file.h"
#include "game/stage_file.h"
#include "showcase.h"
#include "support/run_folder.h"
#include "support/script_text.h"

namespace golden {

namespace {

// Script times, in virtual milliseconds.
constexpr uint32_t KEY_HOLD_MS = 50;
constexpr uint32_t MOVE_GAP_MS = 350;  // between two taps that each make one move

// Builds a script line by line.
struct Script {
  std::ostringstream text;
  void Event(uint32_t ms, const std::string& event) { text << ms << ' ' << event << '\n'; }
  void Tap(uint32_t ms, const char* key) { text << testsupport::Tap(ms, key, KEY_HOLD_MS); }
  // n moves in one direction, MOVE_GAP_MS apart from ms on; returns the time after them.
  uint32_t Walk(uint32_t ms, const char* key, int n) {
    for (int i = 0; i < n; ++i, ms += MOVE_GAP_MS) Tap(ms, key);
    return ms;
  }
  void Shot(uint32_t ms) { Event(ms, "shot"); }
  // Space tapped and a shot of the information panel it opens.
  void ShowInfo(uint32_t ms) {
    Tap(ms, "space");
    Shot(ms + 100);
  }
  std::string Close(uint32_t ms) {
    text << testsupport::Close(ms);
    return text.str();
  }
};

// The logo fades in at 50 ms a step; the title shows from 2.3 s.
SceneRun TitleRun() {
  Script s;
  s.Shot(160);
  s.Shot(2500);
  s.Tap(2600, "down");
  s.Shot(3200);
  return {"title", s.Close(3500), nullptr, {"logo_fade_in", "title_start", "title_continue"}, {}};
}

// START at 3 s: the intro card stands until 5 s. The browser lists slots 0..3 on
// rows 0..3; each information panel is opened from the pointer's row.
SceneRun BrowseRun() {
  Script s;
  s.Tap(3000, "space");
  s.Shot(4000);
  s.Shot(5300);
  s.Tap(5500, "space");
  s.Shot(5900);
  s.Tap(6000, "down");
  s.Shot(6400);
  s.Tap(6500, "down");
  s.Shot(6900);
  s.ShowInfo(7000);  // row 2: over-ripe
  s.Tap(7300, "space");
  s.Tap(7600, "space");
  s.ShowInfo(8000);  // row 0: good
  s.Tap(8300, "space");
  s.Tap(8600, "space");
  s.Tap(8900, "down");
  s.ShowInfo(9300);  // row 1: unripe
  s.Tap(9600, "space");
  s.Tap(9900, "space");
  s.Tap(10200, "up");
  s.ShowInfo(10600);  // up from row 0 wraps to row 3: rotten
  s.Tap(10900, "space");
  return {"browse",
          s.Close(11500),
          nullptr,
          {"intro_card", "play_idle", "browser_row0", "browser_row1", "browser_row2",
           "info_overripe", "info_good", "info_unripe", "info_rotten"},
          {"intro_card", "play_idle", "browser_row0", "browser_row1", "browser_row2",
           "info_overripe", "info_good", "info_unripe", "info_rotten"}};
}

// START, down `rows` cells from the start cell, then the piece there pushed right
// into its hole, with a shot at each time after that push. Every shot shows the side
// panel, whose heading is worded.
SceneRun PushRun(const char* name, int rows, const std::vector<uint32_t>& shotsAfter,
                 std::vector<const char*> pictures, uint32_t closeAfter) {
  Script s;
  s.Tap(3000, "space");
  uint32_t at = s.Walk(5500, "down", rows);
  s.Tap(at, "right");
  for (uint32_t after : shotsAfter) s.Shot(at + after);
  return {name, s.Close(at + closeAfter), nullptr, pictures, pictures};
}

// The snowman of the bottom row pushed into its hole: the walk, then the sinking.
SceneRun SinkRun() {
  return PushRun("sink", 8, {150, 500}, {"push_animation", "snowman_sinking"}, 1500);
}

// The over-ripe mozzarella served: it falls to the customer, who refuses it, and
// the cellar collapses.
SceneRun OverripeRun() {
  return PushRun("overripe", 4, {900, 2400, 4100},
                 {"drop_falling", "verdict_wrong", "collapse_wrong"}, 8000);
}

// The rotten brie served: the customer turns away and the cellar collapses.
SceneRun RottenRun() {
  return PushRun("rotten", 6, {2400, 3600, 6000},
                 {"verdict_rotten", "verdict_rotten_turning", "collapse_rotten"}, 10000);
}

// The good camembert served: the stage is cleared and the second one starts,
// where Q gives up.
SceneRun GoodRun() {
  Script s;
  s.Tap(3000, "space");
  s.Tap(5500, "right");
  s.Shot(7900);
  s.Shot(8700);
  s.Shot(9500);
  s.Tap(11500, "q");
  s.Shot(12500);
  return {"good",
          s.Close(17000),
          nullptr,
          {"verdict_good", "clear_banner", "next_intro_card", "give_up"},
          {"verdict_good", "clear_banner", "next_intro_card", "give_up"}};
}

// CONTINUE at the 32nd stage (the showcase again): the good cheese leads to the ending.
SceneRun EndingRun() {
  Script s;
  s.Tap(3000, "down");
  s.Tap(3500, "space");
  s.Tap(6000, "right");
  s.Shot(10500);
  return {"ending", s.Close(11000), "31 26", {"ending_parade"}, {"ending_parade"}};
}

// CONTINUE with the save at stage 3 and stage 1 cleared before with a hint's help: Left
// chooses stage 2, then stage 1, whose card shows its record; one move clears it again,
// without hints, and the clear shows how it compares.
SceneRun RecordsRun() {
  Script s;
  s.Tap(3000, "down");
  s.Tap(3500, "left");
  s.Shot(3900);
  s.Tap(4000, "left");
  s.Tap(4500, "space");
  s.Shot(5500);
  s.Tap(7000, "right");
  s.Shot(10000);
  return {"records",
          s.Close(10500),
          "2 17",
          {"title_chosen", "record_card", "record_clear"},
          {"title_chosen", "record_card", "record_clear"},
          "1 1 R\n"};
}

// The cellar editor on the showcase cellar: as it opens (it clears in one move); its line
// snowman of the first row taken away with the right button, so that the camembert rots and
// the unripe gorgonzola is left to wait for (too long to decide), with the pointer over a
// cheese of the palette; two deliveries due, which no cheese left can make; a title typed on
// the intro card; and the question on leaving with the changes not saved.
SceneRun EditorRun() {
  Script s;
  s.Shot(300);
  s.Event(400, "press 216 24 right");
  s.Event(450, "release 216 24 right");
  s.Event(500, "mouse 255 150");
  s.Shot(700);
  s.Tap(800, "period");
  s.Shot(900);
  s.Tap(1000, "t");
  s.Event(1100, "text 冷たい部屋");
  s.Shot(1200);
  s.Tap(1300, "esc");
  s.Tap(1400, "esc");
  s.Shot(1500);
  s.Tap(1600, "n");
  const std::vector<const char*> shots = {"editor_cellar", "editor_undecided", "editor_lost",
                                          "editor_title", "editor_leaving"};
  return {"editor", s.Close(3000), nullptr, shots, shots, nullptr, {"--edit", "data/stage.dat"}};
}

// Every scene run.
const std::vector<SceneRun>& SceneRuns() {
  static const std::vector<SceneRun> runs = {TitleRun(),    BrowseRun(),  SinkRun(),
                                             OverripeRun(), RottenRun(),  GoodRun(),
                                             EndingRun(),   RecordsRun(), EditorRun()};
  return runs;
}

}  // namespace

const SceneRun& FindRun(const std::string& name) {
  for (const SceneRun& run : SceneRuns())
    if (name == run.name) return run;
  ADD_FAILURE() << "no scene run named " << name;
  return SceneRuns().front();
}

RunOutcome Play(const SceneRun& run, const std::string& language) {
  RunOutcome outcome;
  outcome.folder = testsupport::MakeGameFolder(std::string("golden_") + run.name + "_" + language,
                                               ShowcaseStageFile());
  if (run.save != nullptr) std::ofstream(outcome.folder + "data/save.dat") << run.save;
  if (run.records != nullptr) {
    game::StageRecord stages[game::STAGE_COUNT];
    game::StageFileError error{};
    game::ParseStageText(ShowcaseStageFile(), "showcase", stages, &error);
    char id[32];
    std::snprintf(id, sizeof id, "%016" PRIx64, game::StageSetId(stages));
    std::ofstream(outcome.folder + "data/records.dat")
        << "vaulmoor records 1\nstage set " << id << "\n"
        << run.records;
  }
  std::vector<std::string> arguments = {"--trace", "trace.txt", "--lang", language};
  arguments.insert(arguments.end(), run.arguments.begin(), run.arguments.end());
  testsupport::RunResult result = testsupport::RunHeadless(outcome.folder, run.script, arguments);
  outcome.exitStatus = result.exitStatus;
  outcome.errors = result.err;
  outcome.trace = testsupport::ReadLines(outcome.folder + "trace.txt");
  return outcome;
}

}  // namespace golden
