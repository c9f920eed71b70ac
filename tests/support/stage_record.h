// A stage record drawn as a cellar picture, read through stage file text as the game reads it.
#pragma once

#include <gtest/gtest.h>

#include "game/stage_file.h"
#include "support/stage_text.h"

namespace game_test {

// The picture as stage 1 of a stage file, parsed; a picture the reader refuses fails the test.
inline game::StageRecord StageRecordOf(const CellarPicture& picture) {
  game::StageRecord stages[game::STAGE_COUNT] = {};
  game::StageFileError error{};
  EXPECT_EQ(game::ParseStageText(StageFile({StageBlock(picture)}), "test", stages, &error), 1)
      << error.text;
  return stages[0];
}

}  // namespace game_test
