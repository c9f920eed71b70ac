// The player's help in play: presses of undo, redo and hint kept until play is idle, held
// undo and redo repeating, the hint and the rewind worked out by the solver, and the note.
#include "game/play_help.h"

#include "game/board_drawing.h"
#include "game/catalogue.h"
#include "game/data_model.h"
#include "game/hint.h"
#include "game/move_history.h"
#include "game/scene_functions.h"
#include "input/input.h"
#include "platform/platform.h"
#include "shared/scene_trace.h"
#include "shared/shell_state.h"

namespace game {

HelpKeys LiveHelpKeys;
HintRequest LiveHintRequest;
RewindSearch LiveRewind;
HelpNote LiveNote;

namespace {

bool KeyHeld(int32_t vk) {
  return (platform::GetKeyState(vk) & 0x8000) != 0;
}

bool HelpHeld(Help help) {
  if (help == Help::Undo) {
    return KeyHeld(KEY_UNDO) || KeyHeld(platform::VK_BACK) || input::JoyButton[BUTTON_UNDO] == 1;
  }
  return KeyHeld(KEY_REDO) || input::JoyButton[BUTTON_REDO] == 1;
}

// Any key or button that does something in play.
bool AnyPlayKeyHeld() {
  for (int32_t code = input::DIR_RIGHT; code <= input::DIR_DOWN; ++code) {
    if (input::IsDirectionHeld(code)) return true;
  }
  for (int32_t vk : {KEY_HINT, int32_t{'Q'}, platform::VK_SPACE}) {
    if (KeyHeld(vk)) return true;
  }
  for (int32_t button : {1, 2, BUTTON_HINT}) {
    if (input::JoyButton[button] == 1) return true;
  }
  return HelpHeld(Help::Undo) || HelpHeld(Help::Redo);
}

// The record of a run names each note shown.
void Say(const Note& note) {
  shared::TraceScene("note", note.traced);
  ShowNote(LiveNote, note);
}

// The live position is another one now: what was asked for at it no longer holds.
void PositionChanged() {
  LeavePosition(LiveHintRequest);
  DrawSidePanel();
  PrepareHint();
}

// One step back or forward in the history, as instant as the rules are: no walk, no sound.
bool Step(Help help) {
  bool stepped = help == Help::Undo ? UndoStep(LiveHistory, LivePosition)
                                    : RedoStep(LiveHistory, LivePosition);
  if (stepped) PositionChanged();
  return stepped;
}

void Act(Help help) {
  if (help == Help::Hint) {
    AskForHelp(LiveHintRequest, LivePosition);
    LiveRewind = BeginRewind(MovesSinceRestart(LiveHistory));
    return;
  }
  StartRepeat(LiveHelpKeys, help, Step(help));
}

// The hint plays its move as the arrow key would; with none to play, the note says why.
void FollowHint() {
  int32_t hint = AskHint(LivePosition);
  if (hint == HINT_WORKING) return;
  HintAnswered(LiveHintRequest, hint, MovesSinceRestart(LiveHistory));
  if (hint >= 0) {
    PressMove(hint);
  } else if (hint == HINT_LOST) {
    Say(LostNote(LivePosition, LiveHintRequest.rewindOffered ? RewindNoteLine : GiveUpNoteLine));
  } else {
    Say(NoHintFoundNote());
  }
}

// False while an answer is still being worked out.
bool SearchRewind() {
  for (int32_t back; (back = NextRewindProbe(LiveRewind)) != 0;) {
    int32_t answer = AskHint(PositionMovesBack(LiveHistory, LivePosition, back));
    if (answer == HINT_WORKING) return false;
    LearnRewindAnswer(LiveRewind, back, answer >= 0);
  }
  return true;
}

void FollowRewind() {
  if (!SearchRewind()) return;
  const int32_t back = LiveRewind.wonBack;
  RewindAnswered(LiveHintRequest, back > 0);
  if (back == 0) {
    Say(LostNote(LivePosition, GiveUpNoteLine));
    return;
  }
  for (int32_t n = 0; n < back; ++n) UndoStep(LiveHistory, LivePosition);
  PositionChanged();
}

}  // namespace

void TakeHelpKeys(bool idle) {
  QueuePresses(LiveHelpKeys,
               input::TakePresses(KEY_UNDO, BUTTON_UNDO) + input::TakePresses(platform::VK_BACK, 0),
               input::TakePresses(KEY_REDO, BUTTON_REDO),
               input::TakePresses(KEY_HINT, BUTTON_HINT));
  if (LiveNote.shows) FollowNote(LiveNote, AnyPlayKeyHeld());
  if (!idle) return;
  if (std::optional<Help> help = TakeWaitingPress(LiveHelpKeys)) {
    Act(*help);
  } else if (RepeatDue(LiveHelpKeys, HelpHeld(LiveHelpKeys.repeated), shared::FrameStep)) {
    RepeatActed(LiveHelpKeys, Step(LiveHelpKeys.repeated));
  }
}

void FollowHelpRequests() {
  switch (WantedAt(LiveHintRequest, LivePosition)) {
    case HelpRequest::Hint:
      FollowHint();
      break;
    case HelpRequest::Rewind:
      FollowRewind();
      break;
    case HelpRequest::None:
      break;
  }
}

void MoveStarts() {
  LeavePosition(LiveHintRequest);
  StopRepeat(LiveHelpKeys);
}

void DropHelp() {
  MoveStarts();
  DropPresses(LiveHelpKeys);
  HideNote(LiveNote);
}

}  // namespace game
