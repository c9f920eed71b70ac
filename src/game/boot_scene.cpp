// The boot scene: the stage set in play is read and checked with the records made on it,
// then the logo plays before the title, or before the first cellar of a replay.
#include <string>

#include "game/editor_scene.h"
#include "game/logo.h"
#include "game/played_set.h"
#include "game/records.h"
#include "game/replay.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "platform/platform.h"

namespace game {

// A stage file that does not hold 32 sound stages stops the program here, before
// anything is shown, naming the file, the stage and the offending number. (A set of one's
// own was read and checked before the window opened.)
void BootScene() {
  GameState = SCENE_TITLE;
  if (std::string why; !LoadStageSetInPlay(&why)) platform::FailStartup(why.c_str());
  LoadRecords();
  LoadShortestClears();
  // An editor opened from the command line takes the place of the logo and the title.
  if (LiveEditing.closesGame) {
    EnterEditor();
    return;
  }
  PlayLogoSequence();
  MenuCursor = 0;
  std::string problem;
  if (Replaying(LiveReplay) && !StartReplay(&problem)) platform::FailStartup(problem.c_str());
}

}  // namespace game
