// The help keys' queue of presses and the repeat of a held undo or redo.
#include "game/help_keys.h"

namespace game {

void QueuePresses(HelpKeys& keys, int32_t undo, int32_t redo, int32_t hint) {
  for (auto [help, presses] :
       {std::pair{Help::Undo, undo}, {Help::Redo, redo}, {Help::Hint, hint}}) {
    for (int32_t n = 0; n < presses && keys.waiting.size() < MAX_WAITING_PRESSES; ++n)
      keys.waiting.push_back(help);
  }
  if (keys.discardPresses) keys.waiting.clear();
  keys.discardPresses = false;
}

std::optional<Help> TakeWaitingPress(HelpKeys& keys) {
  if (keys.waiting.empty()) return std::nullopt;
  Help help = keys.waiting.front();
  keys.waiting.pop_front();
  return help;
}

void StartRepeat(HelpKeys& keys, Help help, bool stepped) {
  keys.repeating = stepped;
  keys.repeated = help;
  keys.heldFor = 0.0;
}

bool RepeatDue(HelpKeys& keys, bool held, double frameStep) {
  if (!keys.repeating) return false;
  keys.repeating = held;
  keys.heldFor += frameStep;
  if (!keys.repeating || keys.heldFor < HELP_REPEAT_SECONDS) return false;
  keys.heldFor -= HELP_REPEAT_SECONDS;
  return true;
}

void RepeatActed(HelpKeys& keys, bool stepped) {
  keys.repeating = stepped;
}

void StopRepeat(HelpKeys& keys) {
  keys.repeating = false;
}

void DropPresses(HelpKeys& keys) {
  StopRepeat(keys);
  keys.waiting.clear();
  keys.discardPresses = true;
}

}  // namespace game
