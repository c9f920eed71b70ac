// Drawing a position that is not the one on screen: the board, the player and the side panel of
// any position, compared with the kept pictures of the scenes that show the same position live.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/shell.h"
#include "game/board_drawing.h"
#include "game/data_model.h"
#include "game/rules.h"
#include "game/scene_state.h"
#include "game/stage_file.h"
#include "gfx/bitmap_file.h"
#include "gfx/palette.h"
#include "gfx/surfaces.h"
#include "gfx/text.h"
#include "lang/language.h"
#include "platform/platform.h"
#include "shared/shell_state.h"
#include "showcase.h"
#include "support/test_temp.h"

namespace {

using game::Position;

// The game's own pictures, palette and fonts on a headless display, with the showcase
// stage file loaded, as a headless run of the game has them.
class PositionDrawing : public testing::Test {
 protected:
  void SetUp() override {
    platform::Options options;
    options.headless = true;
    ASSERT_TRUE(platform::Init(options));
    shared::ReportFile = nullptr;
    ASSERT_EQ(gfx::InitDisplay(gfx::SCREEN_WIDTH, gfx::SCREEN_HEIGHT), 1);
    displayUp_ = true;
    ASSERT_TRUE(
        gfx::BuildColourTables("pal.bmp", testsupport::TestTempPath("palfile.dat").c_str()));
    gfx::AllocateFontRecord();
    ASSERT_TRUE(gfx::InitFonts());
    lang::SelectLanguage(lang::SOURCE_LANGUAGE);
    ASSERT_EQ(app::LoadGraphics(), "");
    game::StageFileError error{};
    ASSERT_EQ(game::ParseStageText(golden::ShowcaseStageFile(), "showcase", game::StageSet, &error),
              1)
        << error.text;
  }

  void TearDown() override {
    if (displayUp_) gfx::ShutdownDisplay();
    platform::Shutdown();
  }

 private:
  bool displayUp_ = false;
};

// The back surface as the kept pictures hold it: 320 x 240 colours, top row first.
std::vector<uint8_t> BackPicture() {
  std::vector<uint8_t> rgb;
  const gfx::Surface& back = *gfx::BackSurface;
  for (int32_t y = 0; y < gfx::SCREEN_HEIGHT; ++y) {
    for (int32_t x = 0; x < gfx::SCREEN_WIDTH; ++x) {
      const auto& entry = gfx::PaletteEntries[back.pixels[y * back.pitch + x]];
      rgb.insert(rgb.end(), {entry.red, entry.green, entry.blue});
    }
  }
  return rgb;
}

// The kept picture's colours, top row first.
std::vector<uint8_t> KeptPicture(const std::string& name) {
  gfx::BitmapImage image;
  const std::string path = VAULMOOR_SOURCE_DIR "/tests/golden/pictures/" + name + ".bmp";
  EXPECT_EQ(gfx::ReadBitmapFile(path.c_str(), &image), "") << path;
  return image.rgb;
}

// How many pixels of the screen differ between two pictures.
int32_t PixelsApart(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  if (a.size() != b.size()) return gfx::SCREEN_WIDTH * gfx::SCREEN_HEIGHT;
  int32_t apart = 0;
  for (size_t i = 0; i < a.size(); i += 3) {
    if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2]) ++apart;
  }
  return apart;
}

// Everything a play frame after a stage's start shows of position p of stage: the column
// the start draws, the board, the player standing and the side panel.
void DrawPlayFrame(const Position& p, int32_t stage) {
  for (int32_t y = 0; y < game::BOARD_SIZE; ++y) game::DrawCell(game::BOARD_SIZE - 1, y, p);
  game::DrawBoard(p);
  game::DrawPlayer(p.playerX, p.playerY, 0.0, p, game::PlayerPose{0, false});
  game::DrawSidePanel(p, stage);
}

// The showcase cellar's start, drawn while a plain cellar is live (its player walking a
// push, turned another way, on another day), is the picture of the showcase's play
// scene; the live position stays as it was.
TEST_F(PositionDrawing, AStageStartIsDrawnWhileAnotherIsLive) {
  const Position showcase = game::StageStart(game::StageSet[0]);
  game::SetUpStage(game::StageSet[1], game::LivePosition);
  game::StageNumber = 1;
  game::Facing = game::FACING_LEFT;
  game::DayOfWeek = 4;
  game::MoveResult = game::MOVE_PUSH;
  game::WalkFrame = 1;
  game::GameState = game::SCENE_MOVE;
  const Position live = game::LivePosition;

  DrawPlayFrame(showcase, 0);
  EXPECT_EQ(PixelsApart(BackPicture(), KeptPicture("play_idle")), 0);
  EXPECT_TRUE(game::LivePosition == live);

  // The live position drawn the same way is another picture.
  DrawPlayFrame(game::LivePosition, game::StageNumber);
  EXPECT_GT(PixelsApart(BackPicture(), KeptPicture("play_idle")), 0);
}

}  // namespace
