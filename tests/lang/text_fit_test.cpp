// Every text of every language fits where the game prints it: measured with the game's
// own font code at the size it is drawn, against the room its picture leaves it.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "game/board_drawing.h"
#include "game/catalogue.h"
#include "gfx/text.h"
#include "lang/language.h"

namespace {

constexpr int32_t TEXT_SIZE = 16;  // PrintText's size and the intro card's title size

// Where the room of each text ends (exclusive); the game says where the texts begin.
constexpr int32_t HEADING_END = 190;    // intro card: up to the cheese on its right
constexpr int32_t TITLE_WIDTH = 200;    // intro card: one line of 20..220
constexpr int32_t NAME_END = 190;       // information panel: up to its cheese
constexpr int32_t INFO_LINE_END = 210;  // information panel: the slate's edge
constexpr int32_t CAVE_END = 314;       // side panel: the name plate
constexpr int32_t MENU_END = 227;       // title: the sign board
constexpr int32_t NOTE_END = 228;       // hint note: the board, not the panel

class TextFit : public testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(gfx::InitFonts()); }
  static void TearDownTestSuite() { gfx::ShutdownFonts(); }
  void SetUp() override { lang::SelectLanguage(GetParam()); }
  void TearDown() override { lang::SelectLanguage(lang::SOURCE_LANGUAGE); }

  // The text printed at x must end by the given edge.
  static void ExpectEndsBy(const std::string& text, int32_t x, int32_t end) {
    const int32_t width = gfx::TextWidth(TEXT_SIZE, text.c_str());
    EXPECT_GT(width, 0) << text;
    EXPECT_LE(x + width, end) << "'" << text << "' is " << width << " pixels wide from x " << x
                              << "; its room ends at " << end;
  }
  // The language's own text: a text the catalogue lacks would be measured in Japanese.
  const char* Own(const char* original) {
    EXPECT_TRUE(lang::HasTranslation(GetParam(), original)) << original;
    return lang::Translate(original);
  }
};

std::string Format(const char* format, int32_t number) {
  char text[256];
  std::snprintf(text, sizeof text, format, number);
  return text;
}

TEST_P(TextFit, IntroCardHeadingAndTitleFitTheCard) {
  for (int32_t stage = 1; stage <= game::STAGE_COUNT; ++stage)
    ExpectEndsBy(Format(Own("熟成庫　%d"), stage), game::INTRO_HEADING_LEFT, HEADING_END);
  for (const char* title : game::StageTitles) {
    const char* shown = Own(title);
    EXPECT_EQ(gfx::WrappedLineCount(TEXT_SIZE, shown, TITLE_WIDTH), 1)
        << "'" << shown << "' is " << gfx::TextWidth(TEXT_SIZE, shown)
        << " pixels wide; the title has one line of " << TITLE_WIDTH;
  }
}

// Every cheese in each state, with the widest week numbers the game can reach.
TEST_P(TextFit, InformationPanelLinesEndBeforeItsEdge) {
  for (int32_t i = 0; i < game::CATALOGUE_SIZE; ++i) {
    const game::CheeseInfo& info = game::CheeseCatalogue[i];
    for (const char* text : {info.name, info.country, info.milk, info.category}) Own(text);
    for (int32_t week : {game::WEEK_ROTTEN, 1, info.ripeFrom, info.ripeTo + 1, 999}) {
      game::InfoLine lines[game::INFO_LINE_COUNT];
      const int32_t count = game::FormatCheeseInfo(week, info, lines);
      ASSERT_GE(count, 7);
      ExpectEndsBy(lines[0].text, game::INFO_TEXT_LEFT, NAME_END);
      for (int32_t n = 1; n < count; ++n)
        ExpectEndsBy(lines[n].text, game::INFO_TEXT_LEFT, INFO_LINE_END);
    }
  }
  for (const char* state : {"状態　　：腐敗", "状態　　：未熟", "状態　　：良好", "状態　　：過熟"})
    Own(state);
}

TEST_P(TextFit, SidePanelAndMenuTextsFitTheirBoards) {
  for (int32_t stage = 1; stage <= game::STAGE_COUNT; ++stage)
    ExpectEndsBy(Format(Own("CAVE  %2d"), stage), game::CAVE_TEXT_LEFT, CAVE_END);
  ExpectEndsBy(Own("START"), game::MENU_TEXT_LEFT, MENU_END);
  ExpectEndsBy(Own("CONTINUE"), game::MENU_TEXT_LEFT, MENU_END);
}

// Each line of every note, with the widest cheese number.
TEST_P(TextFit, HintNotesFitTheBoard) {
  std::vector<const char*> lines = {
      game::RewindNoteLine, game::GiveUpNoteLine,  game::NoHintNote[0], game::NoHintNote[1],
      game::ClearMovesLine, game::RecordAloneLine, game::HintsUsedLine};
  for (const auto& reason : game::LostNotes) {
    for (const char* line : reason) {
      if (line != nullptr) lines.push_back(line);
    }
  }
  for (const char* line : lines) {
    ExpectEndsBy(Format(Own(line), game::MAX_CHEESES), game::NOTE_LEFT, NOTE_END);
  }
  // Records of up to 999 moves.
  char record[200];
  std::snprintf(record, sizeof record, Own(game::RecordLine), 999, 999);
  ExpectEndsBy(record, game::NOTE_LEFT, NOTE_END);
  for (const char* line : {game::ClearMovesLine, game::RecordAloneLine}) {
    ExpectEndsBy(Format(Own(line), 999), game::NOTE_LEFT, NOTE_END);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, testing::ValuesIn(lang::Languages()),
                         [](const testing::TestParamInfo<const char*>& row) {
                           return std::string(row.param);
                         });

}  // namespace
