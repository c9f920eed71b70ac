// The player's help in play: undo and redo (also held), the hint, the rewind to the last
// position that can still be cleared, and the note that says why there is no hint, over the
// live instances of their parts.
#pragma once

#include <cstdint>

#include "game/help_keys.h"
#include "game/help_note.h"
#include "game/hint_request.h"
#include "game/rewind_search.h"

namespace game {

// Keys of the player's help, with their joystick buttons.
constexpr int32_t KEY_UNDO = 'Z';
constexpr int32_t KEY_REDO = 'Y';
constexpr int32_t KEY_HINT = 'H';
constexpr int32_t BUTTON_UNDO = 3;
constexpr int32_t BUTTON_HINT = 4;
constexpr int32_t BUTTON_REDO = 5;

// The help of the stage on screen.
extern HelpKeys LiveHelpKeys;
extern HintRequest LiveHintRequest;
extern RewindSearch LiveRewind;
extern HelpNote LiveNote;

// In every play frame, before the directions are read: takes the presses of the help
// keys, made since the last play frame (also during a move or a delivery), and in idle
// play acts on the first one waiting or on a held undo or redo key.
void TakeHelpKeys(bool idle);

// In an idle play frame in which no direction starts a move: follows the hint or rewind
// asked for, which may press the move to play or show the note.
void FollowHelpRequests();

// A move starts: the position any request was made for is left.
void MoveStarts();

// Forgets the presses and requests waiting, for a scene that changes what they would act
// on: a stage's start or restart, giving up, the browser.
void DropHelp();

}  // namespace game
