// Trying a cellar of the editor with the whole game (its intro, scenes, undo, hints and clear),
// or watching its shortest clear played, and coming back to the editor as it was.
#pragma once

#include <string>

#include "game/cellar_editor.h"

namespace game {

// Puts the editor's cellars in play in place of the set in play (which comes back after)
// and starts the chosen one with its intro card; with moves, plays them as a replay. Its
// clear, the replay's end or Esc comes back to the editor. Nothing is saved or recorded.
void StartTrial(const CellarEditor& editor, const std::string* moves);

// Whether a cellar of the editor is being tried.
bool Trying();

// Asks to come back to the editor, which happens as the next frame begins.
void LeaveTrial();

// As each frame begins: comes back to the editor when that was asked, with the set in play,
// its records and shortest clears as they were before the trial.
void FollowTrial();

}  // namespace game
