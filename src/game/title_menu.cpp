// The title menu: START or CONTINUE, confirmed by a fresh Space or joystick press, and E for
// the editor of the player's own cellars.
#include <cstdio>
#include <string>

#include "game/board_drawing.h"
#include "game/cellar_choice.h"
#include "game/data_model.h"
#include "game/editor_file.h"
#include "game/editor_scene.h"
#include "game/editor_texts.h"
#include "game/records.h"
#include "game/save_file.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "game/stage_file.h"
#include "game/waits.h"
#include "gfx/blit.h"
#include "gfx/present.h"
#include "gfx/text.h"
#include "input/input.h"
#include "lang/language.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "shared/shell_state.h"

namespace game {

namespace {

constexpr int32_t MENU_START = 0;
constexpr int32_t MENU_CONTINUE = 1;
constexpr int32_t KEY_EDIT = 'E';
constexpr double NOTE_SECONDS = 4.0;

// Why E did not open the player's own cellars, under the menu while it lasts.
std::string EditNote;
double EditNoteFor = 0.0;

void DrawEditNote() {
  if (EditNoteFor <= 0.0) return;
  EditNoteFor -= shared::FrameStep;
  gfx::PrintSmallText(2, 226, "%s", EditNote.c_str());
}

void DrawTitleMenu() {
  gfx::BlitOpaque(0, 0, 6, 0, 0, 320, 240);
  // TRANSLATORS: the title menu's first item, a new game from the first cellar: 77 pixels.
  gfx::PrintText(MENU_TEXT_LEFT, 140, "%s", lang::Translate("START"));
  // TRANSLATORS: the title menu's second item, on from the last cellar cleared: 77 pixels.
  gfx::PrintText(MENU_TEXT_LEFT, 170, "%s", lang::Translate("CONTINUE"));
  DrawChosenCellar(LiveCellarChoice);
  gfx::BlitKeyed(118, 137 + 30 * MenuCursor, 3, 80, 200, 110, 222);
  DrawEditNote();
  gfx::PresentFrame(1, 0);
}

// The player's own cellars, beside the save file, in the editor; a file that cannot be read
// is left as it is, and said so.
void EditOwnCellars() {
  const std::string path = platform::UserFilePath(platform::UserFile::Save, OWN_CELLARS_PATH);
  std::string why = "no folder to keep them in";
  if (!path.empty() && OpenEditor(path, false, &why)) {
    EnterEditor();
    return;
  }
  std::fprintf(stderr, "vaulmoor: %s\n", why.c_str());
  char note[256];
  const std::string name = OWN_CELLARS_PATH;
  std::snprintf(note, sizeof note, lang::Translate(OwnCellarsRefusedNote),
                name.substr(name.find_last_of('/') + 1).c_str());
  EditNote = note;
  EditNoteFor = NOTE_SECONDS;
}

void MoveCursor(int32_t step) {
  MenuCursor += step;
  if (MenuCursor > MENU_CONTINUE) MenuCursor = MENU_START;
  if (MenuCursor < MENU_START) MenuCursor = MENU_CONTINUE;
  DrawTitleMenu();
  WaitSeconds(0.2);
}

// The first step starts from the cellar of the save file.
void MoveChoice(int32_t step) {
  if (!LiveCellarChoice.chosen) {
    BeginChoice(LiveCellarChoice, ReadSaveFile(SaveFilePath().c_str(), StageCount), Records,
                StageCount);
  }
  StepChosenCellar(LiveCellarChoice, step);
  DrawTitleMenu();
  WaitSeconds(0.2);
}

// START begins a new game; CONTINUE the saved cellar, or the one chosen.
int32_t FirstCellar() {
  const bool continuing = MenuCursor == MENU_CONTINUE;
  return ConfirmCellar(LiveCellarChoice, continuing,
                       continuing ? ReadSaveFile(SaveFilePath().c_str(), StageCount) : 0);
}

}  // namespace

void TitleScene() {
  // Sampled before the cursor moves: the press confirms whatever the cursor shows
  // after this frame's steps.
  int32_t button = input::PollButton(platform::VK_SPACE, 2);
  if (input::PollButton(KEY_EDIT, 0) / 10 == 1) {
    EditOwnCellars();
    if (GameState != SCENE_TITLE) return;
  }
  if (input::IsDirectionHeld(input::DIR_DOWN)) MoveCursor(+1);
  if (input::IsDirectionHeld(input::DIR_UP)) MoveCursor(-1);
  if (MenuCursor == MENU_CONTINUE && input::IsDirectionHeld(input::DIR_LEFT)) MoveChoice(-1);
  if (MenuCursor == MENU_CONTINUE && input::IsDirectionHeld(input::DIR_RIGHT)) MoveChoice(+1);
  if (button / 10 == 1) {
    ChangeStage(FirstCellar());
    GameState = SCENE_PLAY;
  }
  if (GameState == SCENE_TITLE) DrawTitleMenu();
}

}  // namespace game
