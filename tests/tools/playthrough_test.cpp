// The whole game played headless from the title to the ending: with the kept solutions, and
// with nothing but the hint key.
#include "solver/playthrough.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/cellar_file.h"
#include "game/data_model.h"
#include "game/stage_file.h"
#include "support/run_folder.h"

namespace {

struct Playthrough {
  std::string script;
  std::vector<uint32_t> clearTimes;
};

// Loads our stage file into game::StageSet and returns the kept solutions.
std::vector<std::string> KeptMoves() {
  std::vector<std::string> moves;
  std::string why;
  EXPECT_TRUE(tools::LoadStagesAndSolutions(VAULMOOR_SOURCE_DIR, &moves, &why)) << why;
  return moves;
}

Playthrough MakePlaythrough() {
  Playthrough play;
  play.script = tools::PlaythroughScript(KeptMoves(), &play.clearTimes);
  return play;
}

// A run folder with the game's own pictures and sounds, and the stages of our stage file
// or of the given text.
std::string RealGameFolder(const std::string& name, const std::string& stageText = "") {
  return testsupport::MakeGameFolder(
      name,
      stageText.empty() ? testsupport::ReadFile(VAULMOOR_SOURCE_DIR "/data/stage.dat") : stageText);
}

TEST(Playthrough, EveryStageToTheEnding) {
  Playthrough play = MakePlaythrough();
  ASSERT_EQ(play.clearTimes.size(), 32u);
  std::string folder = RealGameFolder("tools_playthrough");
  testsupport::RunResult run = testsupport::RunHeadless(folder, play.script);
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  // The last save is written when stage 31 is cleared; clearing stage 32 writes none.
  EXPECT_EQ(testsupport::ReadFile(folder + "data/save.dat"), testsupport::SaveText(31));
}

TEST(Playthrough, SavesAfterEachClearedStage) {
  Playthrough play = MakePlaythrough();
  ASSERT_EQ(play.clearTimes.size(), 32u);
  // Stopped just after a clear, the save names the next stage.
  for (int cleared : {1, 8, 16, 24, 31}) {
    std::string folder = RealGameFolder("tools_playthrough_" + std::to_string(cleared));
    testsupport::RunResult run = testsupport::RunHeadless(
        folder, play.script, {"--until", std::to_string(play.clearTimes[cleared - 1])});
    EXPECT_EQ(testsupport::ReadFile(folder + "data/save.dat"), testsupport::SaveText(cleared))
        << "after stage " << cleared << ": " << run.err;
  }
}

// Our stages turned about the diagonal, rows for columns: a stage file that is not ours,
// with the same rules and the same shortest solutions.
std::string TransposedStages() {
  static game::CellarFile turned;
  turned.count = game::STAGE_COUNT;
  for (int s = 0; s < game::STAGE_COUNT; ++s) {
    const game::StageRecord& stage = game::StageSet[s];
    game::StageRecord& out = turned.stages[s];
    out = stage;
    out.startX = stage.startY;
    out.startY = stage.startX;
    for (int x = 0; x < game::BOARD_SIZE; ++x) {
      for (int y = 0; y < game::BOARD_SIZE; ++y) out.grid[x][y] = stage.grid[y][x];
    }
  }
  return game::FormatStageFile(turned);
}

// Pressing H every 3 s plays every stage to the ending, where the cheeses parade under
// the title strip: in our stage file and in one that is not ours. Each move takes one
// press; a delivery lets the next press fall in its verdict, a clear in its intro card.
class HintsAlone : public ::testing::TestWithParam<bool> {};

TEST_P(HintsAlone, ReachTheEnding) {
  bool transposed = GetParam();
  std::vector<std::string> moves = KeptMoves();
  uint32_t presses = 0;
  for (int s = 0; s < game::STAGE_COUNT; ++s) {
    presses += static_cast<uint32_t>(moves[s].size() + 2 * game::StageSet[s].toDeliver + 2);
  }
  const uint32_t end = 6000 + 3000 * (presses + presses / 8);
  std::ostringstream script;
  script << "3000 down space\n3050 up space\n";
  for (uint32_t at = 6000; at < end; at += 3000)
    script << at << " down h\n" << at + 50 << " up h\n";
  script << end << " down f9\n" << end + 50 << " up f9\n";
  script << end + 500 << " down f9\n" << end + 550 << " up f9\n";
  std::string folder = RealGameFolder(transposed ? "tools_hints_transposed" : "tools_hints",
                                      transposed ? TransposedStages() : "");
  testsupport::RunResult run =
      testsupport::RunHeadless(folder, script.str(), {"--until", std::to_string(end + 1000)});
  EXPECT_EQ(run.exitStatus, 1) << run.err;
  EXPECT_EQ(testsupport::ReadFile(folder + "data/save.dat"), testsupport::SaveText(31));
  std::string first = testsupport::ReadFile(folder + "scr0000.bmp");
  std::string second = testsupport::ReadFile(folder + "scr0001.bmp");
  ASSERT_EQ(first.size(), 1078u + 320 * 240);
  ASSERT_EQ(second.size(), first.size());
  size_t strip = 1078 + 160 * 320;  // rows are stored bottom up: the top 80 rows come last
  EXPECT_EQ(first.compare(strip, std::string::npos, second, strip, std::string::npos), 0)
      << "the title strip stands";
  EXPECT_NE(first.compare(1078, 160 * 320, second, 1078, 160 * 320), 0) << "the cheeses parade";
}

INSTANTIATE_TEST_SUITE_P(OursAndTransposed, HintsAlone, ::testing::Bool());

}  // namespace
