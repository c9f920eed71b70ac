// The boot scene: the stage file is read and checked, then the logo plays before the title.
#include "game/logo.h"
#include "game/scene_functions.h"
#include "game/scenes.h"
#include "game/stage_file.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace game {

// A stage file that does not hold 32 sound stages stops the program here, before
// anything is shown, naming the file, the stage and the offending number.
void BootScene() {
  GameState = SCENE_TITLE;
  StageFileError error{};
  if (!LoadStageFile(platform::GameFilePath(STAGE_FILE_PATH).c_str(), StageSet, &error)) {
    platform::FailStartup(error.text);
  }
  PlayLogoSequence();
  MenuCursor = 0;
}

}  // namespace game
