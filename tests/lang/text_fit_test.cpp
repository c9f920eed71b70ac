// Every text of every language fits where the game prints it: measured with the game's
// own font code at the size it is drawn, against the room its picture leaves it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "game/board_drawing.h"
#include "game/catalogue.h"
#include "game/editor_screen.h"
#include "game/editor_texts.h"
#include "gfx/bitmap_file.h"
#include "gfx/text.h"
#include "lang/language.h"

namespace {

constexpr int32_t TEXT_SIZE = 16;  // PrintText's size and the intro card's title size

// The room of each text, measured in the pictures it is drawn on (ends exclusive).
// Intro card (drawn at x 20): its title is centred in x 20..220 and must stay on the
// dark band, x 26..213; its heading sits between the two cheeses (board_drawing.h).
constexpr int32_t TITLE_RECT_LEFT = 20, TITLE_RECT_WIDTH = 200;
constexpr int32_t BAND_LEFT = 26, BAND_END = 214;
// Information panel (drawn at x 20): the lines begin at x 40 and end on the slate,
// x 30..209; the name line ends before the cheese in the slate's top right corner.
constexpr int32_t INFO_LINE_END = 210;
constexpr int32_t NAME_END = 190;
constexpr int32_t MENU_END = 227;  // title: inside the sign board's frame
constexpr int32_t NOTE_END = 228;  // hint note: on the board, clear of the side panel

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

bool IsSource(const char* language) {
  return std::string(language) == lang::SOURCE_LANGUAGE;
}

// Every title on one line and on the band, centred as DrawTextInRect centres it (the
// Japanese titles of 12 characters, as designed, reach 2 pixels past it on each side);
// every heading inside the room between the cheeses and, translated, in its middle.
TEST_P(TextFit, IntroCardTitleStaysOnTheBandAndHeadingBetweenTheCheeses) {
  for (const char* title : game::StageTitles) {
    const char* shown = Own(title);
    const int32_t width = gfx::TextWidth(TEXT_SIZE, shown);
    EXPECT_EQ(gfx::WrappedLineCount(TEXT_SIZE, shown, TITLE_RECT_WIDTH), 1) << shown;
    if (IsSource(GetParam())) continue;
    const int32_t left = TITLE_RECT_LEFT + (TITLE_RECT_WIDTH - width) / 2;
    EXPECT_GE(left, BAND_LEFT) << "'" << shown << "' is " << width << " pixels wide; the band has "
                               << BAND_END - BAND_LEFT;
    ExpectEndsBy(shown, left, BAND_END);
  }
  for (int32_t stage = 1; stage <= game::STAGE_COUNT; ++stage) {
    const std::string heading = Format(Own("熟成庫　%d"), stage);
    const int32_t left = game::IntroHeadingLeft(heading.c_str());
    const int32_t end = left + gfx::TextWidth(TEXT_SIZE, heading.c_str());
    EXPECT_GE(left, game::INTRO_HEADING_ROOM_LEFT) << heading;
    ExpectEndsBy(heading, left, game::INTRO_HEADING_ROOM_RIGHT);
    if (IsSource(GetParam())) {
      EXPECT_EQ(left, game::INTRO_HEADING_LEFT) << "the Japanese card keeps its design";
    } else {
      const int32_t before = left - game::INTRO_HEADING_ROOM_LEFT;
      const int32_t after = game::INTRO_HEADING_ROOM_RIGHT - end;
      EXPECT_LE(std::abs(before - after), 1)
          << heading << ": " << before << " and " << after << " pixels from the cheeses";
    }
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
  for (int32_t stage = 1; stage <= game::STAGE_COUNT; ++stage) {
    const std::string heading = Format(Own("CAVE  %2d"), stage);
    const int32_t width =
        gfx::TextWidth(game::SidePanelHeadingSize(heading.c_str()), heading.c_str());
    EXPECT_LE(width, game::CAVE_PLATE_WIDTH) << heading << " is too wide for the name plate";
  }
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

// The cellar editor's lines on the board's walls, in letters 12 pixels high: the verdict (a
// lost cellar's reason may take a second line) and the messages in its place, the line over
// the board; on the intro card, the question and its answers, and the keys under it.
TEST_P(TextFit, EditorTextsFitTheirLines) {
  constexpr int32_t SMALL = 12, VERDICT_WIDTH = 316, OVER_BOARD = 228, ANSWER = 200 / 3;
  auto expectFits = [](const std::string& text, int32_t size, int32_t room, int32_t lines) {
    EXPECT_LE(gfx::WrappedLineCount(size, text.c_str(), room), lines)
        << "'" << text << "' needs " << gfx::TextWidth(size, text.c_str()) << " pixels";
  };
  std::vector<std::string> verdicts;
  game::CellarVerdict verdict;
  verdict.kind = game::VerdictKind::Clears;
  verdict.moves = std::string(999, 'R');
  for (const char* text : {game::VerdictSearching, game::VerdictClears, game::VerdictUndecided,
                           game::VerdictFaultHeading, game::VerdictLostHeading})
    Own(text);
  verdicts.push_back(game::VerdictText(verdict, 0));
  verdict.kind = game::VerdictKind::Undecided;
  verdicts.push_back(game::VerdictText(verdict, 9999999));
  verdict.kind = game::VerdictKind::Searching;
  verdicts.push_back(game::VerdictText(verdict, 0));
  verdict.kind = game::VerdictKind::Fault;
  for (auto kind : {game::CellarFaultKind::StartOutside, game::CellarFaultKind::StartNotFloor,
                    game::CellarFaultKind::Border}) {
    verdict.fault.kind = kind;
    verdicts.push_back(game::VerdictText(verdict, 0));
  }
  for (const std::string& text : verdicts) expectFits(text, SMALL, VERDICT_WIDTH, 1);
  verdict.kind = game::VerdictKind::Lost;
  for (int32_t reason = 0; reason < game::LOST_REASON_COUNT; ++reason) {
    verdict.why = {static_cast<game::LostReason>(reason), game::MAX_CHEESES - 1};
    expectFits(game::VerdictText(verdict, 0), SMALL, VERDICT_WIDTH, 2);
  }
  for (const char* message : {game::TooManyCheesesMessage, game::TooManyCellarsMessage})
    expectFits(Own(message), SMALL, VERDICT_WIDTH, 1);
  expectFits(Format(Own(game::UnplayableCellarMessage), game::STAGE_COUNT) +
                 lang::Translate(game::FaultStartNotFloor),
             SMALL, VERDICT_WIDTH, 2);
  for (const char* message :
       {game::SavedMessage, game::ExportedMessage, game::OwnCellarsRefusedNote}) {
    char text[256];
    std::snprintf(text, sizeof text, Own(message), "cellars.dat");
    expectFits(text, SMALL, VERDICT_WIDTH, 1);
  }
  Own(game::NotWrittenMessage);
  for (const char* line : {game::CheeseRottenLine, game::CheeseKindLine, game::CheeseWeekLine})
    Own(line);
  for (int32_t kind = 0; kind < game::CATALOGUE_SIZE; ++kind) {
    for (int32_t week : {game::WEEK_ROTTEN, game::WEEK_NONE, game::EDITOR_LAST_WEEK})
      expectFits(game::CheeseLine(kind, week), SMALL, OVER_BOARD, 1);
  }
  expectFits(Own(game::TitlingKeysLine), SMALL, 200, 1);
  expectFits(Own(game::LeavingQuestion), TEXT_SIZE, 200, 1);
  for (const char* answer : game::LeavingAnswers) expectFits(Own(answer), SMALL, ANSWER, 1);
}

// The rooms above are the pictures' own: measured here in the art the game draws them on.
class TextRooms : public testing::Test {
 protected:
  static gfx::BitmapImage Picture(const char* file) {
    gfx::BitmapImage image;
    const std::string path = std::string(VAULMOOR_DATA_DIR) + "/" + file;
    EXPECT_EQ(gfx::ReadBitmapFile(path.c_str(), &image), "") << path;
    return image;
  }
  static uint8_t At(const gfx::BitmapImage& image, int32_t x, int32_t y) {
    return image.indices.at(static_cast<size_t>(y) * image.width + x);
  }
  // The first and last column of the run of one colour through (x, y).
  static std::pair<int32_t, int32_t> Run(const gfx::BitmapImage& image, int32_t x, int32_t y) {
    int32_t left = x, right = x;
    while (left > 0 && At(image, left - 1, y) == At(image, x, y)) --left;
    while (right + 1 < image.width && At(image, right + 1, y) == At(image, x, y)) ++right;
    return {left, right};
  }
};

TEST_F(TextRooms, AreThoseOfTheArt) {
  // The intro card, drawn at x 20: its dark band, and the outlines of its two cheeses
  // (the card's own outline colour) in the rows above the band.
  const gfx::BitmapImage card = Picture("graphic7.bmp");
  const auto [bandLeft, bandRight] = Run(card, 100, 40);
  EXPECT_EQ(20 + bandLeft, BAND_LEFT);
  EXPECT_EQ(20 + bandRight + 1, BAND_END);
  int32_t leftCheeseEnd = 0, rightCheeseStart = card.width;
  for (int32_t y = 3; y < 27; ++y) {
    for (int32_t x = 10; x < 190; ++x) {
      if (At(card, x, y) != At(card, 0, 0)) continue;
      if (x < 100) leftCheeseEnd = std::max(leftCheeseEnd, x + 1);
      if (x >= 100) rightCheeseStart = std::min(rightCheeseStart, x);
    }
  }
  EXPECT_EQ(20 + leftCheeseEnd, game::INTRO_HEADING_ROOM_LEFT);
  EXPECT_EQ(20 + rightCheeseStart, game::INTRO_HEADING_ROOM_RIGHT);
  // The information panel, drawn at x 20: the slate ends where its dark frame begins.
  const gfx::BitmapImage panel = Picture("graphic6.bmp");
  EXPECT_EQ(At(panel, INFO_LINE_END - 20, 100), At(panel, 0, 0));
  EXPECT_NE(At(panel, INFO_LINE_END - 21, 100), At(panel, 0, 0));
  // The side panel, drawn at x 240: the name plate's black face behind the heading.
  const gfx::BitmapImage side = Picture("graphic3.bmp");
  const auto [plateLeft, plateRight] = Run(side, 40, 17);
  EXPECT_LE(240 + plateLeft, game::CAVE_TEXT_LEFT);
  EXPECT_EQ(240 + plateRight + 1, game::CAVE_TEXT_LEFT + game::CAVE_PLATE_WIDTH);
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, testing::ValuesIn(lang::Languages()),
                         [](const testing::TestParamInfo<const char*>& row) {
                           return std::string(row.param);
                         });

}  // namespace
