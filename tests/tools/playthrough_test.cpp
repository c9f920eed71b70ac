// The whole game played headless from the title to the ending with the kept solutions.
#include "solver/playthrough.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/save_file.h"
#include "support/run_folder.h"

namespace {

struct Playthrough {
  std::string script;
  std::vector<uint32_t> clearTimes;
};

Playthrough MakePlaythrough() {
  Playthrough play;
  std::vector<std::string> moves;
  std::string why;
  EXPECT_TRUE(tools::LoadStagesAndSolutions(VAULMOOR_SOURCE_DIR, &moves, &why)) << why;
  play.script = tools::PlaythroughScript(moves, &play.clearTimes);
  return play;
}

// A run folder with the game's own pictures, sounds and stages.
std::string RealGameFolder(const std::string& name) {
  return testsupport::MakeGameFolder(name,
                                     testsupport::ReadFile(VAULMOOR_SOURCE_DIR "/data/stage.dat"));
}

std::string SaveText(int stage) {
  return std::to_string(stage) + " " + std::to_string(game::SaveCheck(stage));
}

TEST(Playthrough, EveryStageToTheEnding) {
  Playthrough play = MakePlaythrough();
  ASSERT_EQ(play.clearTimes.size(), 32u);
  std::string folder = RealGameFolder("tools_playthrough");
  testsupport::RunResult run = testsupport::RunHeadless(folder, play.script);
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  // The last save is written when stage 31 is cleared; clearing stage 32 writes none.
  EXPECT_EQ(testsupport::ReadFile(folder + "data/save.dat"), SaveText(31));
}

TEST(Playthrough, SavesAfterEachClearedStage) {
  Playthrough play = MakePlaythrough();
  ASSERT_EQ(play.clearTimes.size(), 32u);
  // Stopped just after a clear, the save names the next stage.
  for (int cleared : {1, 8, 16, 24, 31}) {
    std::string folder = RealGameFolder("tools_playthrough_" + std::to_string(cleared));
    testsupport::RunResult run = testsupport::RunHeadless(
        folder, play.script, {"--until", std::to_string(play.clearTimes[cleared - 1])});
    EXPECT_EQ(testsupport::ReadFile(folder + "data/save.dat"), SaveText(cleared))
        << "after stage " << cleared << ": " << run.err;
  }
}

}  // namespace
