// A player's stage set as a value: the titles its intro cards show and the names of the files
// kept for it.
#include "game/played_set.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <regex>
#include <string>

#include "game/catalogue.h"
#include "game/solution_file.h"
#include "lang/language.h"
#include "support/stage_text.h"
#include "support/test_temp.h"

namespace game {
namespace {

using game_test::CellarPicture;
using game_test::StageBlock;

// A plain cellar: the start at (1, 1), nothing to deliver, no cheese.
std::string Plain() {
  return game_test::PlainStageBlock();
}

// Large values, outside the stack.
OwnStageSet Set;
StageRecord GameStages[STAGE_COUNT];

// The game's own cellars for the test: plain ones, the third one a cellar of its own.
const CellarPicture THIRD{{"@.0.o....", "AAAAAAAAA", ".........", ".........", ".........",
                           ".........", ".........", ".........", "........."},
                          1,
                          {{4, 6}}};

void ReadSet(const std::string& text, const StageRecord* gameStages) {
  const std::string path = testsupport::TestTempPath("mine.dat");
  std::ofstream(path, std::ios::binary) << text;
  std::string why;
  ASSERT_TRUE(ReadOwnStageSet(Set, path.c_str(), gameStages, &why)) << why;
}

class OwnSetTitles : public ::testing::Test {
 protected:
  void SetUp() override {
    StageFileError error{};
    ASSERT_EQ(ParseStageText(game_test::StageFile({Plain(), Plain(), StageBlock(THIRD)}), "game",
                             GameStages, &error),
              1)
        << error.text;
  }
};

TEST_F(OwnSetTitles, TheFilesOwnThenTheDesignedOneOfTheGamesCellarThenNone) {
  CellarPicture other = THIRD;
  other.cheeses[0].second = 7;  // another start week: not the game's cellar
  CellarPicture fewer = THIRD;
  fewer.toDeliver = 0;  // other deliveries: not the game's cellar either
  ReadSet(StageBlock(THIRD) + StageBlock(THIRD) + StageBlock(other) + StageBlock(fewer) +
              "\ntitle 2 Mine\n",
          GameStages);
  ASSERT_TRUE(Set.chosen);
  ASSERT_EQ(Set.file.count, 4);
  struct Case {
    int32_t stage;
    const char* title;  // nullptr: none shown
  };
  const Case cases[] = {
      {0, lang::Translate(StageTitles[2])},  // the game's third cellar, untitled in the file
      {1, "Mine"},                           // the same cellar with a title of the file's
      {2, nullptr},
      {3, nullptr},
  };
  for (const Case& c : cases) {
    const char* shown = ShownTitle(Set, c.stage);
    if (c.title == nullptr) {
      EXPECT_EQ(shown, nullptr) << c.stage;
    } else {
      ASSERT_NE(shown, nullptr) << c.stage;
      EXPECT_STREQ(shown, c.title) << c.stage;
    }
  }

  // Without the game's own cellars to compare with, only the file's titles show.
  ReadSet(StageBlock(THIRD) + "\ntitle 1 Mine\n", nullptr);
  EXPECT_STREQ(ShownTitle(Set, 0), "Mine");
  ReadSet(StageBlock(THIRD), nullptr);
  EXPECT_EQ(ShownTitle(Set, 0), nullptr);
}

TEST_F(OwnSetTitles, TheGamesOwnCellarsShowTheirDesignedTitles) {
  const OwnStageSet none;
  for (int32_t s = 0; s < STAGE_COUNT; ++s)
    EXPECT_STREQ(ShownTitle(none, s), lang::Translate(StageTitles[s])) << s;
}

TEST(OwnSetFiles, AreNamedByTheSetsIdBesideTheGamesOwn) {
  const OwnStageSet none;
  EXPECT_EQ(SetFileName(none, "data/save.dat"), "data/save.dat");
  ReadSet(StageBlock(THIRD) + Plain(), nullptr);
  const std::string save = SetFileName(Set, "data/save.dat");
  EXPECT_TRUE(std::regex_match(save, std::regex("data/save-[0-9a-f]{16}\\.dat"))) << save;
  char id[17];
  std::snprintf(id, sizeof id, "%016llx",
                static_cast<unsigned long long>(StageSetId(Set.file.stages, 2)));
  EXPECT_EQ(save, std::string("data/save-") + id + ".dat");
  EXPECT_EQ(SetFileName(Set, "data/records.dat"), std::string("data/records-") + id + ".dat");

  // Titles are not the cellars: a set retitled keeps its files; a cellar changed does not.
  ReadSet(StageBlock(THIRD) + Plain() + "\ntitle 2 Two\n", nullptr);
  EXPECT_EQ(SetFileName(Set, "data/save.dat"), save);
  ReadSet(StageBlock(THIRD), nullptr);
  EXPECT_NE(SetFileName(Set, "data/save.dat"), save);
}

TEST(OwnSetFiles, ADamagedFileIsRefusedWithTheLoadersMessage) {
  const std::string path = testsupport::TestTempPath("damaged.dat");
  std::ofstream(path) << "1 1 0";
  std::string why;
  OwnStageSet damaged;
  EXPECT_FALSE(ReadOwnStageSet(damaged, path.c_str(), nullptr, &why));
  EXPECT_FALSE(damaged.chosen);
  EXPECT_EQ(why,
            path + ": stage 1, number 4 (line 1): the file ends where the cheese count is due");
}

}  // namespace
}  // namespace game
