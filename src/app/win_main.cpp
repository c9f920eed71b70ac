// Program start-up in its fixed order, the frame loop, and the exit status.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "app/frame_loop.h"
#include "app/shell.h"
#include "audio/music.h"
#include "audio/sound.h"
#include "game/background_search.h"
#include "game/editor_scene.h"
#include "game/played_set.h"
#include "game/records_listing.h"
#include "game/replay.h"
#include "game/scenes.h"
#include "game/stage_file.h"
#include "gfx/palette.h"
#include "gfx/present.h"
#include "gfx/surfaces.h"
#include "gfx/text.h"
#include "input/input.h"
#include "lang/language.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "shared/scene_trace.h"
#include "shared/shell_state.h"

namespace app {

CommandLine StartOptions;

namespace {

using platform::EXIT_STARTUP_FAILED;

// The platform's failure path, for the messages put together here.
[[noreturn]] void FailStartup(const std::string& text) {
  platform::FailStartup(text.c_str());
}

// Without a place for the log (the platform layer has said why) the game runs without it.
void OpenReport() {
  const std::string path = platform::UserFilePath(platform::UserFile::Log, "./report.txt");
  if (path.empty()) return;
  shared::ReportFile = std::fopen(path.c_str(), "w");
  if (!shared::ReportFile)
    std::fprintf(stderr, "vaulmoor: cannot create %s; the display-memory log is skipped\n",
                 path.c_str());
}

void EmptyLatchesAndSlots() {
  std::fill(std::begin(input::KeyLatch), std::end(input::KeyLatch), 1);
  std::fill(std::begin(gfx::SpriteSlots), std::end(gfx::SpriteSlots), nullptr);
  std::fill(std::begin(gfx::SlotCreated), std::end(gfx::SlotCreated), 0);
}

// Headless runs search at once so that every run repeats; real-time runs beside the frames,
// on threads unless told not to or the platform has none.
void ChooseSearchPace() {
  if (StartOptions.platform.headless) {
    game::SetSearchPace(game::SearchPace::AtOnce);
  } else if (StartOptions.noThreads || !platform::HasThreads()) {
    game::SetSearchPace(game::SearchPace::InSlices);
    platform::SetIdleWork(game::SearchInSlices);
  } else {
    game::SetSearchPace(game::SearchPace::OnThread);
  }
}

// Writes text on standard error with the program's name before each line, as
// every line there has it.
void SayEveryLine(const std::string& text) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);)
    std::fprintf(stderr, "vaulmoor: %s\n", line.c_str());
}

int ListRecords() {
  std::string listing, why;
  if (!game::ListRecords(&listing, &why)) {
    std::fprintf(stderr, "vaulmoor: %s\n", why.c_str());
    return EXIT_STARTUP_FAILED;
  }
  std::fputs(listing.c_str(), stdout);
  return 0;
}

}  // namespace

int WinMain(int argc, char** argv) {
  std::string problem = ParseCommandLine(argc, argv, &StartOptions);
  if (!problem.empty()) {
    SayEveryLine(problem + "\n" + UsageText() + "Try 'vaulmoor --help' for more.\n");
    return EXIT_STARTUP_FAILED;
  }
  lang::SelectLanguage(StartOptions.language ? StartOptions.language : lang::LocaleLanguage());
  if (StartOptions.help || StartOptions.version) {
    std::fputs((StartOptions.help ? HelpText() : VersionText()).c_str(), stdout);
    return 0;
  }
  // A set of one's own is read before anything else needs it: a damaged file stops here.
  if (StartOptions.stages) {
    if (std::string why; !game::ChooseOwnStageSet(StartOptions.stages, &why)) {
      std::fprintf(stderr, "vaulmoor: %s\n", why.c_str());
      return EXIT_STARTUP_FAILED;
    }
  }
  // The file to edit is read before the window opens: a damaged one stops here.
  if (StartOptions.edit) {
    if (std::string why; !game::OpenEditor(StartOptions.edit, true, &why)) {
      std::fprintf(stderr, "vaulmoor: %s\n", why.c_str());
      return EXIT_STARTUP_FAILED;
    }
  }
  if (StartOptions.records) return ListRecords();
  if (StartOptions.replay) {
    if (std::string why;
        !game::PlanReplay(game::LiveReplay, StartOptions.replay, game::StageCount, &why)) {
      std::fprintf(stderr, "vaulmoor: %s\n", why.c_str());
      return EXIT_STARTUP_FAILED;
    }
  }
  if (StartOptions.trace && !shared::OpenSceneTrace(StartOptions.trace)) {
    std::fprintf(stderr, "vaulmoor: %s: cannot create the scene record\n", StartOptions.trace);
    return EXIT_STARTUP_FAILED;
  }
  if (!platform::Init(StartOptions.platform)) return EXIT_STARTUP_FAILED;
  ChooseSearchPace();
  OpenReport();
  EmptyLatchesAndSlots();
  shared::FillSineTable();
  if (!platform::CreateMainWindow(WINDOW_TITLE, WindowProc) ||
      gfx::InitDisplay(gfx::SCREEN_WIDTH, gfx::SCREEN_HEIGHT) != 1)
    FailStartup("Can't create DirectDraw Object");
  platform::SetScriptedShotListener(gfx::TakeShownScreenshot);
  if (!gfx::BuildColourTables(
          platform::GameFilePath("pal.bmp").c_str(),
          platform::UserFilePath(platform::UserFile::Cache, "palfile.dat").c_str()))
    FailStartup("Can't load pal.bmp");
  gfx::AllocateFontRecord();
  gfx::InitFonts();
  platform::HidePointer();
  if (std::string missing = LoadGraphics(); !missing.empty()) FailStartup("Can't load " + missing);
  audio::InitSound();
  audio::InitMusic();
  input::InitJoystick();
  LoadSounds();
  if (StartOptions.music) audio::PlayMusic(StartOptions.music);
  int result = RunFrameLoop<game::DispatchScene>();  // 1: a normal close
  game::StopBackgroundSearches();
  platform::Shutdown();
  return result;
}

}  // namespace app
