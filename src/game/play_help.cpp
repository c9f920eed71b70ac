// The player's help in play: presses of undo, redo and hint kept until play is idle, held
// undo and redo repeating, the hint and the rewind worked out by the solver, and the note.
#include "game/play_help.h"

#include <deque>

#include "app/scene_trace.h"
#include "app/shell_state.h"
#include "game/board_drawing.h"
#include "game/catalogue.h"
#include "game/data_model.h"
#include "game/hint.h"
#include "game/move_history.h"
#include "game/solver.h"
#include "gfx/text.h"
#include "input/input.h"
#include "lang/language.h"
#include "platform/platform.h"

namespace game {

namespace {

constexpr double HOLD_REPEAT_SECONDS = 0.25;  // a held arrow walks a cell about this often
constexpr size_t MAX_WAITING = 16;            // presses kept at most; later ones are dropped

// The note stands on the bottom of the board, its lines 20 pixels apart.
constexpr int32_t NOTE_BOTTOM = 228;
constexpr int32_t NOTE_LINE_HEIGHT = 20;
constexpr int32_t NOTE_LINES = 3;

enum class Help { Undo, Redo, Hint };

std::deque<Help> Waiting;        // presses not yet acted on, oldest first
bool DiscardPresses = false;     // the next play frame drops what was pressed until then
bool Repeating = false;          // an undo or redo acted on is held down
Help RepeatedHelp = Help::Undo;  // which one
double HeldFor = 0.0;            // seconds since it last acted

// A hint or rewind asked for at a position, followed until it is answered or left.
enum class Request { None, Hint, Rewind };
Request Wanted = Request::None;
PositionKey WantedAt{};
bool RewindOffered = false;  // the note offers the rewind from the live position
bool HintHelped = false;     // a hint moved or rewound since the stage began

// The rewind's search, in moves back from the live position: LostBack is known to be lost
// (0, the live position, to begin with), WonBack is the nearest that may still be cleared,
// known to be once WonKnown.
int32_t LostBack = 0;
int32_t WonBack = 0;
bool WonKnown = false;

struct Note {
  const char* lines[NOTE_LINES];  // untranslated; null past the last line
  int32_t number;                 // for a line with %d
};
bool NoteShows = false;
bool NoteArmed = false;  // every key has been up since the note appeared
Note Shown{};

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

// The record of a run names each note shown: the reason of a lost stage (in the order of
// LostNotes), or LOST_REASON_COUNT for no hint.
void ShowNote(const Note& note, int32_t traced) {
  app::TraceScene("note", traced);
  Shown = note;
  NoteShows = true;
  NoteArmed = false;
}

// The note goes at the next key pressed after it appeared; that key still does its work.
void FollowNote() {
  if (!NoteShows) return;
  bool held = AnyPlayKeyHeld();
  if (NoteArmed && held) NoteShows = false;
  NoteArmed = NoteArmed || !held;
}

void ShowLostNote(const char* lastLine) {
  LostExplanation why = ExplainLost(LivePosition);
  const char* const* reason = LostNotes[static_cast<int32_t>(why.reason)];
  Note note{{reason[0], reason[1], nullptr}, why.cheese + 1};
  note.lines[reason[1] != nullptr ? 2 : 1] = lastLine;
  ShowNote(note, static_cast<int32_t>(why.reason));
}

// What was asked for at the live position no longer holds once it is left.
void PositionChanged() {
  Wanted = Request::None;
  RewindOffered = false;
}

void Queue(Help help, int32_t presses) {
  for (int32_t n = 0; n < presses && Waiting.size() < MAX_WAITING; ++n) Waiting.push_back(help);
}

void TakePresses() {
  Queue(Help::Undo,
        input::TakePresses(KEY_UNDO, BUTTON_UNDO) + input::TakePresses(platform::VK_BACK, 0));
  Queue(Help::Redo, input::TakePresses(KEY_REDO, BUTTON_REDO));
  Queue(Help::Hint, input::TakePresses(KEY_HINT, BUTTON_HINT));
  if (DiscardPresses) Waiting.clear();
  DiscardPresses = false;
}

// One step back or forward in the history, as instant as the rules are: no walk, no sound.
bool Step(Help help) {
  bool stepped = help == Help::Undo ? UndoStep(LivePosition) : RedoStep(LivePosition);
  if (!stepped) return false;
  PositionChanged();
  DrawSidePanel();
  PrepareHint();
  return true;
}

void Ask() {
  Wanted = RewindOffered ? Request::Rewind : Request::Hint;
  WantedAt = EncodePosition(LivePosition);
  LostBack = 0;
  WonBack = MovesSinceRestart();
  WonKnown = false;
}

void Act(Help help) {
  if (help == Help::Hint) {
    Ask();
    return;
  }
  Repeating = Step(help);
  RepeatedHelp = help;
  HeldFor = 0.0;
}

// A held undo or redo acts again as often as a held arrow walks.
void FollowHeldHelp() {
  if (!Repeating) return;
  Repeating = HelpHeld(RepeatedHelp);
  HeldFor += app::FrameStep;
  if (!Repeating || HeldFor < HOLD_REPEAT_SECONDS) return;
  HeldFor -= HOLD_REPEAT_SECONDS;
  Repeating = Step(RepeatedHelp);
}

// The hint plays its move as the arrow key would; with none to play, the note says why.
void FollowHint() {
  int32_t hint = AskHint(LivePosition);
  if (hint == HINT_WORKING) return;
  Wanted = Request::None;
  if (hint >= 0) {
    Facing = hint;
    HintHelped = true;
    MoveResult = MOVE_STEP;
  } else if (hint == HINT_LOST) {
    RewindOffered = MovesSinceRestart() > 0;
    ShowLostNote(RewindOffered ? RewindNoteLine : GiveUpNoteLine);
  } else {
    ShowNote(Note{{NoHintNote[0], NoHintNote[1], nullptr}, 0}, LOST_REASON_COUNT);
  }
}

// Moves back until the stage can be cleared again. A position from which the stage cannot
// be cleared leads only to such positions, so along the moves kept the lost ones follow the
// last one that can be cleared, and halving the moves in between finds it. False while an
// answer is still being worked out; then WonBack is the moves to take back, 0 for none.
bool SearchRewind() {
  while (!WonKnown || WonBack - LostBack > 1) {
    if (WonBack <= LostBack) {
      WonBack = 0;
      return true;
    }
    int32_t back = WonBack - LostBack > 1 ? (LostBack + WonBack) / 2 : WonBack;
    int32_t answer = AskHint(PositionMovesBack(LivePosition, back));
    if (answer == HINT_WORKING) return false;
    if (answer >= 0) {
      WonBack = back;
      WonKnown = true;
    } else if (back == WonBack) {
      WonBack = 0;  // not even the farthest is known to be clearable
      return true;
    } else {
      LostBack = back;
    }
  }
  return true;
}

void FollowRewind() {
  if (!SearchRewind()) return;
  Wanted = Request::None;
  if (WonBack == 0) {
    ShowLostNote(GiveUpNoteLine);
    return;
  }
  for (int32_t n = 0; n < WonBack; ++n) UndoStep(LivePosition);
  HintHelped = true;
  PositionChanged();
  DrawSidePanel();
  PrepareHint();
}

}  // namespace

void TakeHelpKeys(bool idle) {
  TakePresses();
  FollowNote();
  if (!idle) return;
  if (Waiting.empty()) {
    FollowHeldHelp();
    return;
  }
  Help help = Waiting.front();
  Waiting.pop_front();
  Act(help);
}

void FollowHelpRequests() {
  if (Wanted == Request::None) return;
  if (!(EncodePosition(LivePosition) == WantedAt)) {
    Wanted = Request::None;
    return;
  }
  if (Wanted == Request::Hint) {
    FollowHint();
  } else {
    FollowRewind();
  }
}

void MoveStarts() {
  PositionChanged();
  Repeating = false;
}

void DropHelp() {
  PositionChanged();
  Repeating = false;
  Waiting.clear();
  DiscardPresses = true;
  NoteShows = false;
}

bool HintsUsed() {
  return HintHelped;
}

void ForgetHintsUsed() {
  HintHelped = false;
}

void DrawHelpNote() {
  if (!NoteShows) return;
  int32_t count = 0;
  while (count < NOTE_LINES && Shown.lines[count] != nullptr) ++count;
  for (int32_t line = 0; line < count; ++line) {
    gfx::PrintText(NOTE_LEFT, NOTE_BOTTOM - NOTE_LINE_HEIGHT * (count - line),
                   lang::Translate(Shown.lines[line]), Shown.number);
  }
}

}  // namespace game
