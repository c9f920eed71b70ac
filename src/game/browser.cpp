// The cheese browser: a pointer over the side panel's list and the information panel on Space.
#include "game/board_drawing.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "game/waits.h"
#include "gfx/blit.h"
#include "gfx/present.h"
#include "input/input.h"
#include "shared/shell_state.h"

namespace game {

namespace {

// Steps the selection by step (+1 or -1), wrapping, until it names a listed cheese.
// The play scene opens the browser only when some slot is listed.
void StepSelection(int32_t step) {
  do {
    SelectedSlot = (SelectedSlot + step + CheeseCount) % CheeseCount;
  } while (CheeseSlots[SelectedSlot].week == WEEK_NONE);
}

void ShowCheeseInfo() {
  const CheeseSlot& slot = CheeseSlots[SelectedSlot];
  DrawCheeseInfo(slot.week, *slot.info);
  DrawSidePanel();
  gfx::PresentFrame(0, 0);
  SceneTimer = 0.0;
  // Released, pressed and released again: one more press closes the panel.
  WaitWhileSpaceDown();
  WaitUntilSpaceDown();
  WaitWhileSpaceDown();
  GameState = SCENE_PLAY;
  // Play always comes back idle, and the browser opens on the first listed slot again.
  MovePhase = MOVE_PHASE_IDLE;
  SelectedSlot = 0;
}

}  // namespace

void BrowseScene() {
  if (CheeseSlots[SelectedSlot].week == WEEK_NONE) StepSelection(+1);
  if (input::IsDirectionHeld(input::DIR_DOWN) && SceneTimer <= 0) {
    StepSelection(+1);
    SceneTimer = 0.2;
  }
  if (input::IsDirectionHeld(input::DIR_UP) && SceneTimer <= 0) {
    StepSelection(-1);
    SceneTimer = 0.2;
  }
  if (IsSpaceDown()) {
    ShowCheeseInfo();
    return;
  }
  DrawSidePanel();
  gfx::BlitKeyed(242, 89 + 28 * SelectedSlot, 3, 112, 200, 138, 226);
  gfx::PresentFrame(0, 0);
  if (SceneTimer > 0) SceneTimer -= shared::FrameStep;
}

}  // namespace game
