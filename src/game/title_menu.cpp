// The title menu: START or CONTINUE, confirmed by a fresh Space or joystick press.
#include "game/board_drawing.h"
#include "game/cellar_choice.h"
#include "game/data_model.h"
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
#include "platform/platform.h"

namespace game {

namespace {

constexpr int32_t MENU_START = 0;
constexpr int32_t MENU_CONTINUE = 1;

void DrawTitleMenu() {
  gfx::BlitOpaque(0, 0, 6, 0, 0, 320, 240);
  // TRANSLATORS: the title menu's first item, a new game from the first cellar: 77 pixels.
  gfx::PrintText(MENU_TEXT_LEFT, 140, "%s", lang::Translate("START"));
  // TRANSLATORS: the title menu's second item, on from the last cellar cleared: 77 pixels.
  gfx::PrintText(MENU_TEXT_LEFT, 170, "%s", lang::Translate("CONTINUE"));
  DrawChosenCellar(LiveCellarChoice);
  gfx::BlitKeyed(118, 137 + 30 * MenuCursor, 3, 80, 200, 110, 222);
  gfx::PresentFrame(1, 0);
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
