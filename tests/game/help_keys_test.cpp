// The help keys' queue of presses and the repeat of a held undo or redo, as values.
#include "game/help_keys.h"

#include <gtest/gtest.h>

#include <vector>

namespace game {
namespace {

std::vector<Help> Drain(HelpKeys& keys) {
  std::vector<Help> taken;
  while (std::optional<Help> help = TakeWaitingPress(keys)) taken.push_back(*help);
  return taken;
}

std::vector<Help> Then(std::vector<Help> queue, Help last) {
  queue.push_back(last);
  return queue;
}

TEST(HelpKeys, PressesWaitInOrderUpToTheLimit) {
  constexpr Help U = Help::Undo, R = Help::Redo, H = Help::Hint;
  struct Case {
    std::vector<std::vector<int32_t>> takes;  // undo, redo and hint presses of each take
    std::vector<Help> waiting;
  };
  const Case cases[] = {
      {{}, {}},
      {{{1, 1, 1}}, {U, R, H}},
      {{{0, 2, 0}, {1, 0, 0}}, {R, R, U}},
      {{{20, 0, 3}}, std::vector<Help>(MAX_WAITING_PRESSES, U)},
      {{{15, 0, 0}, {0, 0, 2}}, Then(std::vector<Help>(15, U), H)},
  };
  for (const Case& c : cases) {
    HelpKeys keys;
    for (const std::vector<int32_t>& take : c.takes) QueuePresses(keys, take[0], take[1], take[2]);
    EXPECT_EQ(Drain(keys), c.waiting) << c.takes.size() << " takes";
  }
}

// Dropping forgets what waits and what is pressed until the next take, not after it.
TEST(HelpKeys, DroppedPressesIncludeThoseOfTheNextTake) {
  HelpKeys keys;
  QueuePresses(keys, 2, 0, 0);
  DropPresses(keys);
  QueuePresses(keys, 1, 1, 1);
  EXPECT_TRUE(Drain(keys).empty());
  QueuePresses(keys, 0, 0, 1);
  EXPECT_EQ(Drain(keys), std::vector<Help>{Help::Hint});
}

// A held undo or redo acts again every HELP_REPEAT_SECONDS of frames, carrying what is
// left over, until it is released, stops stepping or is stopped.
TEST(HelpKeys, AHeldUndoOrRedoRepeatsAtTheWalkingPace) {
  struct Frame {
    bool held;
    double step;
  };
  struct Case {
    const char* what;
    bool stepped;  // the press that started it did something
    std::vector<Frame> frames;
    std::vector<int> due;    // the frames, from 0, in which it acts again
    int stopsStepping = -1;  // from this due frame on, acting does nothing
  };
  const std::vector<Frame> held8(8, Frame{true, 0.125});
  std::vector<Frame> releasedThenHeld(3, Frame{true, 0.125});
  releasedThenHeld.push_back({false, 0.125});
  releasedThenHeld.insert(releasedThenHeld.end(), 4, Frame{true, 0.125});
  const Case cases[] = {
      {"held", true, held8, {1, 3, 5, 7}},
      {"long frames carry over", true, std::vector<Frame>(6, Frame{true, 0.1875}), {1, 2, 3, 5}},
      {"short frames", true, std::vector<Frame>(6, Frame{true, 0.0625}), {3}},
      {"released", true, releasedThenHeld, {1}},
      {"a press that did nothing", false, held8, {}},
      {"stops at the end of the history", true, held8, {1, 3}, 3},
  };
  for (const Case& c : cases) {
    HelpKeys keys;
    StartRepeat(keys, Help::Redo, c.stepped);
    std::vector<int> due;
    for (int frame = 0; frame < static_cast<int>(c.frames.size()); ++frame) {
      if (!RepeatDue(keys, c.frames[frame].held, c.frames[frame].step)) continue;
      due.push_back(frame);
      RepeatActed(keys, c.stopsStepping < 0 || frame < c.stopsStepping);
    }
    EXPECT_EQ(due, c.due) << c.what;
    EXPECT_EQ(keys.repeated, Help::Redo) << c.what;
  }
}

TEST(HelpKeys, StoppingEndsTheRepeat) {
  HelpKeys keys;
  StartRepeat(keys, Help::Undo, true);
  StopRepeat(keys);
  for (int frame = 0; frame < 8; ++frame) EXPECT_FALSE(RepeatDue(keys, true, 0.125));
}

}  // namespace
}  // namespace game
