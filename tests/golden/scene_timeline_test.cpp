// Scene timelines: when each scene begins in the scene runs, against the times that the
// frame pacing and the scene timings give.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "golden_runs.h"
#include "lang/language.h"

namespace {

// What a move does, as the model needs to know it.
enum class Move { Step, SnowmanIntoHole, GoodCheese, WrongCheese, RottenCheese };

// The paced frame loop on the virtual clock, where only waits take time: a frame
// begins when the previous one ends, and no earlier than 20 ms after the frame
// before it began; the step a scene reads is the length of the previous frame, at
// most 0.1 s.
struct FrameClock {
  uint32_t start = 0;     // when this frame began
  uint32_t previous = 0;  // when the frame before it began
  uint32_t blocked = 0;   // how long this frame's scene has waited so far
  double step = 0.0;      // the frame step this frame reads

  uint32_t Now() const { return start + blocked; }
  void Wait(double seconds) { blocked += static_cast<uint32_t>(seconds * 1000.0); }
  void Next() {
    uint32_t end = std::max(start + blocked, previous + 20);
    step = std::min((start - previous) / 1000.0, 0.1);
    previous = start;
    start = end;
    blocked = 0;
  }
};

// The scene timings written out as the scenes keep them, producing the record the
// program writes with --trace.
struct Model {
  FrameClock clock;
  std::vector<std::string> trace;
  int32_t scene = -1;
  int32_t stage = 1;
  bool introShown = false;
  int32_t toDeliver = 1;

  void Mark(const char* event, int32_t number) {
    trace.push_back(std::to_string(clock.Now()) + " " + event + " " + std::to_string(number));
  }
  // Marks the scene of the frame that is beginning when it differs from the last.
  void Frame(int32_t s) {
    if (s != scene) Mark("scene", scene = s);
  }

  // The logo: eight fade-in steps of 50 ms, a second of logo, eight fade-out steps
  // and half a second of black, all in the first frame.
  void Boot() {
    Frame(0);
    clock.Wait(8 * 0.05 + 1.0 + 8 * 0.05 + 0.5);
    clock.Next();
  }

  void StartStage(int32_t n) {
    stage = n;
    toDeliver = 1;
    Mark("stage", n);
    if (!introShown) {
      Mark("intro", n);
      clock.Wait(2.0);
    }
    introShown = true;
  }

  // Title frames until the press of Space at ms, which starts stage n; a press of
  // down on the way moves the cursor and waits 0.2 s.
  void Title(uint32_t downMs, uint32_t spaceMs, int32_t n) {
    for (bool moved = false;; clock.Next()) {
      Frame(2);
      if (downMs != 0 && !moved && clock.start >= downMs) {
        moved = true;
        clock.Wait(0.2);
        continue;
      }
      if (clock.start >= spaceMs) break;
    }
    StartStage(n);
    clock.Next();
  }

  // Play frames until one sees the key pressed at ms. The first play frame after a
  // move or a delivery runs the end-of-move step: a clear when nothing is due.
  void PlayUntil(uint32_t ms) {
    for (;; clock.Next()) {
      Frame(1);
      if (toDeliver == 0) Clear();
      if (clock.start >= ms) return;
    }
  }

  void Clear() {
    Mark("clear", stage);
    clock.Wait(0.5);
    if (stage == 32) {
      clock.Next();
      Frame(9);
      return;
    }
    introShown = false;
    StartStage(stage + 1);
  }

  // The walk advances its timer by four steps a frame and commits one advance early.
  void Walk() {
    clock.Next();
    for (double t = 0.0;; clock.Next()) {
      Frame(4);
      t += 4 * clock.step;
      if (t + 4 * clock.step >= 1.0) break;
    }
    clock.Next();
  }

  // The piece sinks while 5t² < 11/12; a cheese then falls while 60t² < 45, reaches
  // the customer and waits 0.3 s and 0.5 s. Returns the verdict's starting timer.
  double Drop(bool cheese) {
    for (double t = 0.0;; t += clock.step, clock.Next()) {
      Frame(3);
      if (5 * t * t < 11.0 / 12.0 || (cheese && 60 * t * t < 45)) continue;
      if (cheese) clock.Wait(0.3 + 0.5);
      double next = clock.step;  // the timer restarts, then advances at the frame's end
      clock.Next();
      return next;
    }
  }

  // The good verdict shows 1 s; a wrong one 1 s, a rotten one 2 s and a 1 s pause,
  // and both then collapse the cellar. Returns the collapse's starting timer.
  double Verdict(Move move, double t) {
    double limit = move == Move::RottenCheese ? 2.0 : 1.0;
    for (;; t += clock.step, clock.Next()) {
      Frame(5);
      if (t <= limit) continue;
      if (move == Move::RottenCheese) clock.Wait(1.0);
      double next = clock.step;
      --toDeliver;
      clock.Next();
      return next;
    }
  }

  // The collapse's clock runs at double speed to 8; then the stage starts again.
  void Collapse(double t) {
    for (;; clock.Next()) {
      Frame(6);
      t += 2 * clock.step;
      if (t > 8.0) break;
    }
    StartStage(stage);
    clock.Next();
  }

  void Play(uint32_t ms, Move move) {
    PlayUntil(ms);
    Walk();
    if (move == Move::Step) return;
    double t = Drop(move != Move::SnowmanIntoHole);
    if (move == Move::SnowmanIntoHole) return;
    t = Verdict(move, t);
    if (move != Move::GoodCheese) Collapse(t);
  }

  // The first play frame after the last key.
  void Settle() {
    Frame(1);
    if (toDeliver == 0) Clear();
  }

  void GiveUp(uint32_t ms) {
    PlayUntil(ms);
    clock.Next();
    Collapse(0.0);
  }
};

// The times of the "down KEY" events of a script, in order.
std::vector<std::pair<uint32_t, std::string>> Presses(const std::string& script) {
  std::vector<std::pair<uint32_t, std::string>> presses;
  std::istringstream lines(script);
  uint32_t ms;
  std::string event, key;
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line);
    if (words >> ms >> event >> key && event == "down") presses.push_back({ms, key});
  }
  return presses;
}

struct Timeline {
  const char* run;
  std::vector<Move> moves;  // what each direction key of the run does
};

// Plays the model through the run's key presses.
std::vector<std::string> Expected(const Timeline& timeline) {
  Model model;
  model.Boot();
  auto presses = Presses(golden::FindRun(timeline.run).script);
  size_t next = 0, move = 0;
  uint32_t down = 0;
  if (presses[next].second == "down") down = presses[next++].first;
  model.Title(down, presses[next++].first, down != 0 ? 32 : 1);
  for (; next < presses.size(); ++next) {
    if (presses[next].second == "q")
      model.GiveUp(presses[next].first);
    else
      model.Play(presses[next].first, timeline.moves[move++]);
  }
  model.Settle();
  return model.trace;
}

void PrintTo(const Timeline& timeline, std::ostream* out) {
  *out << timeline.run;
}

class SceneTimeline : public testing::TestWithParam<Timeline> {};

TEST_P(SceneTimeline, ScenesBeginWhenTheirTimingsSay) {
  const Timeline& timeline = GetParam();
  golden::RunOutcome outcome = golden::Play(golden::FindRun(timeline.run), lang::SOURCE_LANGUAGE);
  ASSERT_EQ(outcome.exitStatus, 1) << outcome.errors;
  std::vector<std::string> expected = Expected(timeline);
  std::vector<std::string> actual = outcome.trace;
  actual.resize(std::min(actual.size(), expected.size()));
  EXPECT_EQ(actual, expected);
}

const Move S = Move::Step;

INSTANTIATE_TEST_SUITE_P(
    Deliveries, SceneTimeline,
    testing::Values(Timeline{"good", {Move::GoodCheese}},
                    Timeline{"overripe", {S, S, S, S, Move::WrongCheese}},
                    Timeline{"rotten", {S, S, S, S, S, S, Move::RottenCheese}},
                    Timeline{"sink", {S, S, S, S, S, S, S, S, Move::SnowmanIntoHole}},
                    Timeline{"ending", {Move::GoodCheese}}),
    [](const testing::TestParamInfo<Timeline>& row) { return std::string(row.param.run); });

}  // namespace
