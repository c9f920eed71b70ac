// The help keys' presses in play: kept in order until play is idle, and a held undo or redo
// repeating at the pace of a held arrow.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace game {

enum class Help { Undo, Redo, Hint };

constexpr size_t MAX_WAITING_PRESSES = 16;    // presses kept at most; later ones are dropped
constexpr double HELP_REPEAT_SECONDS = 0.25;  // a held arrow walks a cell about this often

struct HelpKeys {
  std::deque<Help> waiting;     // presses not yet acted on, oldest first
  bool discardPresses = false;  // the next take drops what was pressed until then
  bool repeating = false;       // an undo or redo acted on is held down
  Help repeated = Help::Undo;   // which one
  double heldFor = 0.0;         // seconds since it last acted
};

// The presses of the help keys made since the last take, queued in this order, or all
// dropped when DropPresses asked for it since.
void QueuePresses(HelpKeys& keys, int32_t undo, int32_t redo, int32_t hint);

// The press waiting longest, taken from the queue; none when the queue is empty.
std::optional<Help> TakeWaitingPress(HelpKeys& keys);

// An undo or redo has acted on its press: when it stepped, it repeats while held.
void StartRepeat(HelpKeys& keys, Help help, bool stepped);

// One frame of frameStep seconds, with the repeated undo or redo still held or not: true
// when it is due to act again, which RepeatActed then reports.
bool RepeatDue(HelpKeys& keys, bool held, double frameStep);
void RepeatActed(HelpKeys& keys, bool stepped);

// No held help repeats until its key is pressed again.
void StopRepeat(HelpKeys& keys);

// Forgets the presses waiting and those made until the next take, and stops the repeat.
void DropPresses(HelpKeys& keys);

}  // namespace game
