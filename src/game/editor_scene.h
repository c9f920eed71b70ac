// The cellar editor as a scene of the game: opened on a file, drawn on with the mouse and the
// keyboard, judged as it changes, tried, saved, and left for the title or the desktop.
#pragma once

#include <cstdint>
#include <string>

#include "game/cellar_editor.h"
#include "game/editor_screen.h"
#include "game/scene_state.h"

namespace game {

// The editor's scene, beside the designed ones.
constexpr int32_t SCENE_EDITOR = 10;

// How the keys, the mouse and the time of the editor on screen stand between frames.
struct EditorInput {
  uintptr_t strokeButton = 0;        // MK_LBUTTON or MK_RBUTTON while it paints, else 0
  int32_t strokeX = 0, strokeY = 0;  // the cell it painted last
  int32_t repeatedKey = 0;           // a held key that acts again and again, or 0
  double repeatIn = 0.0;             // seconds until it does
};

// The editor on screen: its file, its work, what the screen shows and how input stands.
struct EditorSession {
  std::string path;         // the stage file edited
  bool closesGame = false;  // opened with --edit: leaving it closes the game
  CellarEditor editor;
  EditorView view;
  EditorInput input;
};

extern EditorSession LiveEditing;

// Reads the stage file at path into the live editor (a file that is not there yet is a
// new one, with one empty cellar). False with why (the file, and what is wrong) when it
// cannot be read.
bool OpenEditor(const std::string& path, bool closesGame, std::string* why);

// Puts the live editor on screen (GameState SCENE_EDITOR) and judges its cellar.
void EnterEditor();

// Back from a trial: the editor on screen as it was left.
void ReturnToEditor();

void EditorScene();  // SCENE_EDITOR

// Esc pressed: true when the editor or a trial takes it (a trial is then left), false when
// it closes the game as designed.
bool TakeEscape();

}  // namespace game
