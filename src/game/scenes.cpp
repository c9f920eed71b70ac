// The scene dispatcher: one call of the current scene's function per frame.
#include "game/scenes.h"

#include "shared/scene_trace.h"
#include "game/scene_functions.h"

namespace game {

namespace {
int32_t DispatchedState = -1;  // the scene of the last frame, for the scene record
}  // namespace

void DispatchScene() {
  if (GameState != DispatchedState) {
    DispatchedState = GameState;
    shared::TraceScene("scene", GameState);
  }
  switch (GameState) {
    case 0:
      BootScene();
      break;
    case 1:
      PlayScene();
      break;
    case 2:
      TitleScene();
      break;
    case 3:
      DropScene();
      break;
    case 4:
      MoveScene();
      break;
    case 5:
      VerdictScene();
      break;
    case 6:
      CollapseScene();
      break;
    case 7:
      BrowseScene();
      break;
    case 9:
      EndingScene();
      break;
    default:  // 8 and unknown states have no scene
      break;
  }
}

}  // namespace game
