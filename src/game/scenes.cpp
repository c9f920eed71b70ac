// The scene dispatcher: one call of the current scene's function per frame.
#include "game/scenes.h"

#include "game/editor_scene.h"
#include "game/editor_trial.h"
#include "game/scene_functions.h"
#include "shared/scene_trace.h"

namespace game {

namespace {
int32_t DispatchedState = -1;  // the scene of the last frame, for the scene record
}  // namespace

void DispatchScene() {
  FollowTrial();
  if (GameState != DispatchedState) {
    DispatchedState = GameState;
    shared::TraceScene("scene", GameState);
  }
  switch (GameState) {
    case SCENE_BOOT:
      BootScene();
      break;
    case SCENE_PLAY:
      PlayScene();
      break;
    case SCENE_TITLE:
      TitleScene();
      break;
    case SCENE_DROP:
      DropScene();
      break;
    case SCENE_MOVE:
      MoveScene();
      break;
    case SCENE_VERDICT:
      VerdictScene();
      break;
    case SCENE_COLLAPSE:
      CollapseScene();
      break;
    case SCENE_BROWSE:
      BrowseScene();
      break;
    case SCENE_ENDING:
      EndingScene();
      break;
    case SCENE_EDITOR:
      EditorScene();
      break;
    default:  // SCENE_NONE and unknown states have no scene
      break;
  }
}

}  // namespace game
