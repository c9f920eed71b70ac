// Tests of a stage file of a player's own: reading blocks, titles and facings, the faults that keep
// a cellar or a title out, and the one writer with its round trips through both formats.
#include "game/cellar_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/cellar_source.h"
#include "support/stage_record.h"
#include "support/stage_text.h"

namespace game {
namespace {

using game_test::CellarPicture;
using game_test::PlainStageBlock;
using game_test::StageBlock;
using game_test::StageRecordOf;

// Large values: one of each at a time, outside the stack.
CellarFile Read;
CellarFile Again;

std::string GameStageFile() {
  std::ifstream in(VAULMOOR_SOURCE_DIR "/data/stage.dat", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void ExpectSameCellars(const CellarFile& a, const CellarFile& b) {
  ASSERT_EQ(a.count, b.count);
  for (int32_t s = 0; s < a.count; ++s) {
    EXPECT_EQ(std::memcmp(&a.stages[s], &b.stages[s], sizeof a.stages[s]), 0) << "cellar " << s + 1;
    EXPECT_EQ(a.titles[s], b.titles[s]) << "cellar " << s + 1;
    EXPECT_EQ(a.facings[s], b.facings[s]) << "cellar " << s + 1;
  }
}

// Two small cellars: a cheese to push into a hole, then a cellar of two cheeses.
const CellarPicture FIRST{{"@.0.o....", "AAAAAAAAA", "#########", ".........", ".........",
                           ".........", ".........", ".........", "........."},
                          1,
                          {{4, 6}}};
const CellarPicture SECOND{{"@.0.o...L", ".#.......", ".1.......", "..A......", ".........",
                            ".........", ".........", ".........", "........#"},
                           2,
                           {{2, 1}, {13, -1}}};

std::string TwoCellars() {
  return StageBlock(FIRST) + "\n" + StageBlock(SECOND);
}

TEST(CellarFile, TheGameStageFileWritesBackByteForByteAndThroughTheSource) {
  const std::string bytes = GameStageFile();
  StageFileError error{};
  ASSERT_EQ(ParseCellarText(bytes, "data/stage.dat", &Read, &error), 1) << error.text;
  EXPECT_EQ(Read.count, STAGE_COUNT);
  EXPECT_EQ(FormatStageFile(Read), bytes);

  // The same cellars as the game's own loader reads them.
  static StageRecord loaded[STAGE_COUNT];
  ASSERT_EQ(ParseStageText(bytes, "data/stage.dat", loaded, &error), 1) << error.text;
  EXPECT_EQ(std::memcmp(loaded, Read.stages, sizeof loaded), 0);

  std::string why;
  ASSERT_TRUE(ParseCellarSource(FormatCellarSource(Read), SourceKind::PlayerSet, &Again, &why))
      << why;
  ExpectSameCellars(Again, Read);
  // The game's own cellars read as the game's source too.
  ASSERT_TRUE(ParseCellarSource(FormatCellarSource(Read), SourceKind::GameCellars, &Again, &why))
      << why;
  ExpectSameCellars(Again, Read);
}

TEST(CellarFile, TitlesAndFacingsFollowTheBlocksAndSurviveBothFormats) {
  const std::string text = TwoCellars() +
                           "\ntitle 2 熟成庫の　最後：ブリー\n"
                           "facing 2 L\n"
                           "title 1 Push it in, then wait\r\n";
  StageFileError error{};
  ASSERT_EQ(ParseCellarText(text, "mine.dat", &Read, &error), 1) << error.text;
  ASSERT_EQ(Read.count, 2);
  EXPECT_EQ(Read.titles[0], "Push it in, then wait");
  EXPECT_EQ(Read.titles[1], "熟成庫の　最後：ブリー");
  EXPECT_EQ(Read.facings[0], FACING_UP);
  EXPECT_EQ(Read.facings[1], FACING_LEFT);
  const StageRecord second = StageRecordOf(SECOND);
  EXPECT_EQ(std::memcmp(&Read.stages[1], &second, sizeof second), 0);

  // The writer puts the titles in cellar order after the blocks and one blank line, then the
  // facings other than up.
  const std::string written = FormatStageFile(Read);
  Again = Read;
  Again.titles[0] = Again.titles[1] = "";
  Again.facings[1] = FACING_UP;
  const std::string plain = FormatStageFile(Again);
  EXPECT_EQ(written, plain +
                         "\ntitle 1 Push it in, then wait\ntitle 2 熟成庫の　最後：ブリー\n"
                         "facing 2 L\n");
  Again.facings[0] = FACING_DOWN;
  EXPECT_EQ(FormatStageFile(Again), plain + "\nfacing 1 D\n");
  ASSERT_EQ(ParseCellarText(written, "again.dat", &Again, &error), 1) << error.text;
  ExpectSameCellars(Again, Read);
  EXPECT_EQ(FormatStageFile(Again), written);

  std::string why;
  ASSERT_TRUE(ParseCellarSource(FormatCellarSource(Read), SourceKind::PlayerSet, &Again, &why))
      << why;
  ExpectSameCellars(Again, Read);
  // The game's own source shows no titles of its own.
  EXPECT_FALSE(ParseCellarSource(FormatCellarSource(Read), SourceKind::GameCellars, &Again, &why));
  EXPECT_NE(why.find("'shown'"), std::string::npos) << why;
}

TEST(CellarFile, TheGameLoaderReadsThirtyTwoBlocksAndNothingAfterThem) {
  const std::string bytes = GameStageFile() + "\ntitle 1 never read\nnor this\n";
  static StageRecord loaded[STAGE_COUNT];
  StageFileError error{};
  EXPECT_EQ(ParseStageText(bytes, "data/stage.dat", loaded, &error), 1) << error.text;
}

struct Damaged {
  const char* what;
  std::string text;
  const char* fault;
  int32_t line;  // the line the message names
};

TEST(CellarFile, DamagedFilesAreRefusedWithWhereAndWhat) {
  const std::string two = TwoCellars();
  // The line of the second block's last row; the text ends after it.
  const auto last = static_cast<int32_t>(std::count(two.begin(), two.end(), '\n'));
  std::string thirtyThree;
  for (int s = 0; s < STAGE_COUNT + 1; ++s) thirtyThree += PlainStageBlock();
  const CellarPicture nine{{"@.2......", ".........", ".........", ".........", ".........",
                            ".........", ".........", ".........", "........."}};
  const std::string longTitle(MAX_TITLE_BYTES + 1, 'x');
  const Damaged cases[] = {
      {"empty", "", "the file ends where the start column is due", 1},
      {"blank", " \n\n", "the file ends where the start column is due", 3},
      {"cut short", two.substr(0, two.size() - 6), "the file ends where a playfield cell", last},
      {"a bad value", StageBlock(FIRST) + StageBlock(nine), "cell (3, 1) holds 9", 17},
      {"a cellar that is not there", two + "\ntitle 3 three\n", "the file holds 2", last + 2},
      {"a 33rd cellar", thirtyThree, "a 33rd cellar", 32 * 12 + 1},
      {"a title twice", two + "\ntitle 1 a\ntitle 1 b\n", "a second title for cellar 1", last + 3},
      {"an empty title", two + "\ntitle 1 \n", "is empty", last + 2},
      {"a title too long", two + "\ntitle 1 " + longTitle + "\n", "more than 120", last + 2},
      {"a control character", two + "\ntitle 2 a\tb\n", "control character", last + 2},
      {"not UTF-8", two + "\ntitle 2 \xe7\x86\n", "not UTF-8", last + 2},
      {"a blank at the end", two + "\ntitle 2 ab \n", "ends with a space", last + 2},
      {"a facing that is no move", two + "\nfacing 1 N\n", "one of U, R, D, L, not 'N'", last + 2},
      {"a facing twice", two + "\nfacing 2 R\nfacing 2 R\n", "a second facing for cellar 2",
       last + 3},
      {"a facing for a cellar not there", two + "\nfacing 3 R\n", "the file holds 2", last + 2},
      {"not a title line", two + "\nshown 1 x\n", "expected a line 'title N TEXT'", last + 2},
      {"no text", two + "\ntitle 1\n", "expected a line 'title N TEXT'", last + 2},
      {"words after the cells", two.substr(0, two.size() - 1) + " title 1 x\n",
       "expected the end of the line", last},
  };
  for (const Damaged& c : cases) {
    StageFileError error{};
    EXPECT_EQ(ParseCellarText(c.text, "mine.dat", &Read, &error), 0) << c.what;
    EXPECT_NE(std::strstr(error.text, c.fault), nullptr) << c.what << ": " << error.text;
    EXPECT_EQ(std::string(error.text).rfind("mine.dat: ", 0), 0u) << c.what << ": " << error.text;
    EXPECT_EQ(error.line, c.line) << c.what << ": " << error.text;
  }
}

struct FaultCase {
  const char* what;
  void (*change)(StageRecord&);
  CellarFaultKind kind;
  const char* fault;
};

TEST(CellarFault, NamesWhatKeepsTheGameFromStartingACellar) {
  const FaultCase cases[] = {
      {"no start", [](StageRecord& s) { s.startX = 0, s.startY = 0; },
       CellarFaultKind::StartOutside, "start column 0"},
      {"start row 10", [](StageRecord& s) { s.startY = 10; }, CellarFaultKind::StartOutside,
       "start row 10"},
      {"deliveries below 0", [](StageRecord& s) { s.toDeliver = -1; },
       CellarFaultKind::DeliveriesBelow, "deliveries due -1"},
      {"eleven cheeses", [](StageRecord& s) { s.cheeseCount = 11; }, CellarFaultKind::CountOutside,
       "cheese count 11"},
      {"catalogue 14", [](StageRecord& s) { s.cheeses[0].catalogueIndex = 14; },
       CellarFaultKind::CatalogueIndex, "catalogue index 14"},
      {"week -2", [](StageRecord& s) { s.cheeses[0].startWeek = -2; }, CellarFaultKind::StartWeek,
       "start week -2"},
      {"a cheese without its pair", [](StageRecord& s) { s.grid[5][5] = 8; },
       CellarFaultKind::CellValue, "cell (5, 5) holds 8"},
      {"the tile under a cheese", [](StageRecord& s) { s.grid[5][5] = CELL_CHEESE_FLOOR; },
       CellarFaultKind::CellValue, "cell (5, 5) holds 6"},
      {"a cheese twice", [](StageRecord& s) { s.grid[5][5] = 7; }, CellarFaultKind::CheeseTwice,
       "placed twice"},
      {"the start on a wall", [](StageRecord& s) { s.grid[1][1] = CELL_WALL_TOP; },
       CellarFaultKind::StartNotFloor, "the start cell (1, 1) holds 2"},
      {"the start on a cheese", [](StageRecord& s) { std::swap(s.grid[1][1], s.grid[3][1]); },
       CellarFaultKind::StartNotFloor, "not floor"},
      {"a cheese off the board", [](StageRecord& s) { s.grid[3][1] = CELL_FLOOR; },
       CellarFaultKind::CheeseMissing, "not on the board"},
      {"a border of floor", [](StageRecord& s) { s.grid[10][4] = CELL_FLOOR; },
       CellarFaultKind::Border, "border cell (10, 4)"},
  };
  const StageRecord sound = StageRecordOf(FIRST);
  EXPECT_EQ(CellarFault(sound), "");
  for (const FaultCase& c : cases) {
    StageRecord stage = sound;
    c.change(stage);
    const CellarProblem problem = FindCellarProblem(stage);
    EXPECT_EQ(problem.kind, c.kind) << c.what;
    EXPECT_NE(problem.what.find(c.fault), std::string::npos) << c.what << ": " << problem.what;
    EXPECT_EQ(CellarFault(stage), problem.what) << c.what;

    // Such a cellar is not written.
    Read = CellarFile{};
    Read.count = 1;
    Read.stages[0] = stage;
    EXPECT_EQ(FormatStageFile(Read), "") << c.what;
    EXPECT_EQ(CellarFileFault(Read), "cellar 1: " + problem.what) << c.what;
  }
}

TEST(CellarFault, TitlesAUserCanTypeAndTheOnesAFileCannotHold) {
  const std::vector<std::string> good = {"",
                                         "a",
                                         "熟成庫　１",
                                         "Brie, then Feta!",
                                         std::string(MAX_TITLE_BYTES, 'y'),
                                         "\xf0\x9f\xa7\x80"};
  for (const std::string& title : good) EXPECT_EQ(TitleFault(title), "") << title;
  const std::vector<std::pair<std::string, const char*>> bad = {
      {std::string(MAX_TITLE_BYTES + 1, 'y'), "more than 120"},
      {"a\nb", "control"},
      {"a\x7f", "control"},
      {"a\xc2\x85", "control"},       // U+0085, a C1 control
      {"\xc0\xaf", "not UTF-8"},      // an overlong '/'
      {"\xed\xa0\x80", "not UTF-8"},  // a surrogate
      {"\xe7\x86", "not UTF-8"},      // cut short
      {" a", "space"},
  };
  for (const auto& [title, fault] : bad) {
    EXPECT_NE(TitleFault(title).find(fault), std::string::npos)
        << title << ": " << TitleFault(title);
  }
  // A file with such a title is not written either.
  Read = CellarFile{};
  Read.count = 1;
  Read.stages[0] = StageRecordOf(FIRST);
  Read.titles[0] = "a\nb";
  EXPECT_EQ(FormatStageFile(Read), "");
  Read.titles[0] = "";
  Read.count = 0;
  EXPECT_EQ(FormatStageFile(Read), "");
}

TEST(CellarSource, APlayersSetHoldsOneToThirtyTwoStagesWithTheirTitles) {
  const std::string stage =
      "deliver 3\ncheese a 0 3\ncheese b 2 0\ngrid\n#########\n#@.a.O..#\n#...A...#\n"
      "#########\n#########\n#########\n#########\n#########\n#########\n";
  std::string why;
  // More deliveries than cheeses: a cellar that cannot be cleared is still a player's to make.
  ASSERT_TRUE(ParseCellarSource("stage 1\nshown  Mine \xe2\x80\x94 all\n" + stage,
                                SourceKind::PlayerSet, &Read, &why))
      << why;
  EXPECT_EQ(Read.count, 1);
  EXPECT_EQ(Read.titles[0], "Mine \xe2\x80\x94 all");
  EXPECT_FALSE(ParseCellarSource("stage 1\n" + stage, SourceKind::GameCellars, &Read, &why));
  EXPECT_NE(why.find("more deliveries than cheeses"), std::string::npos) << why;

  std::string many;
  for (int s = 1; s <= STAGE_COUNT + 1; ++s) many += "stage " + std::to_string(s) + "\n" + stage;
  EXPECT_FALSE(ParseCellarSource(many, SourceKind::PlayerSet, &Read, &why));
  EXPECT_NE(why.find("at most 32"), std::string::npos) << why;
  EXPECT_FALSE(ParseCellarSource("; nothing\n", SourceKind::PlayerSet, &Read, &why));
  EXPECT_NE(why.find("no stage"), std::string::npos) << why;
  EXPECT_FALSE(
      ParseCellarSource("stage 1\nshown a\nshown b\n" + stage, SourceKind::PlayerSet, &Read, &why));
  EXPECT_NE(why.find("second 'shown'"), std::string::npos) << why;
  EXPECT_FALSE(
      ParseCellarSource("stage 1\nshown a\x01\n" + stage, SourceKind::PlayerSet, &Read, &why));
  EXPECT_NE(why.find("line 2: stage 1: the title holds a control"), std::string::npos) << why;
}

}  // namespace
}  // namespace game
