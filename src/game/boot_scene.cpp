// The boot scene: the stage file is read and checked with the records made on it, then the
// logo plays before the title, or before the first cellar of a replay.
#include <string>

#include "game/logo.h"
#include "game/records.h"
#include "game/replay.h"
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
  LoadRecords();
  LoadShortestClears();
  PlayLogoSequence();
  MenuCursor = 0;
  std::string problem;
  if (Replaying(LiveReplay) && !StartReplay(&problem)) platform::FailStartup(problem.c_str());
}

}  // namespace game
