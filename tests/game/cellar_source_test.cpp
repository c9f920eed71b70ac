// The readable cellar source: its refusals, the stage file compiled from it and the committed
// stage file.
#include "game/cellar_source.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Large: one at a time, outside the stack.
game::CellarFile Parsed;

const char* const kPlainGrid =
    "grid\n#########\n#@.a.O..#\n#...A...#\n#########\n#########\n#########\n"
    "#########\n#########\n#########\n";

// A source of 32 stages: the first is given, the other 31 are plain.
std::string Source(const std::string& first) {
  std::string text = "stage 1\n" + first;
  for (int s = 2; s <= 32; ++s) {
    text += "\nstage " + std::to_string(s) + "\ndeliver 1\ncheese a 0 3\n" + kPlainGrid;
  }
  return text;
}

struct BadSource {
  const char* what;
  std::string firstStage;
  const char* message;
};

TEST(StageSource, RefusesWhatTheGameCannotPlay) {
  const std::string cheese = "deliver 1\ncheese a 0 3\n";
  std::vector<BadSource> cases = {
      {"no start", cheese + "grid\n#########\n#..a.O..#\n" + std::string(kPlainGrid + 25),
       "exactly one start cell"},
      {"two starts", cheese + "grid\n#########\n#@.a.O.@#\n" + std::string(kPlainGrid + 25),
       "exactly one start cell"},
      {"catalogue 14", "deliver 1\ncheese a 14 3\n" + std::string(kPlainGrid),
       "catalogue index 14"},
      {"week -2", "deliver 1\ncheese a 0 -2\n" + std::string(kPlainGrid), "start week -2"},
      {"letter out of order", "deliver 1\ncheese b 0 3\n" + std::string(kPlainGrid),
       "out of order"},
      {"undeclared cheese",
       "deliver 1\ncheese a 0 3\ngrid\n#########\n#@.a.Ob.#\n" + std::string(kPlainGrid + 25),
       "cheese b is not declared"},
      {"cheese twice", cheese + "grid\n#########\n#@.a.Oa.#\n" + std::string(kPlainGrid + 25),
       "placed twice"},
      {"cheese off the board", "deliver 1\ncheese a 0 3\ncheese b 0 4\n" + std::string(kPlainGrid),
       "cheese b is in play but not on the board"},
      {"absent cheese on the board", "deliver 0\ncheese a 0 0\n" + std::string(kPlainGrid),
       "start week 0 but is on the board"},
      {"unknown cell", cheese + "grid\n#########\n#@.a.O.x#\n" + std::string(kPlainGrid + 25),
       "unknown cell 'x'"},
      {"short row", cheese + "grid\n#########\n#@.a.O.#\n" + std::string(kPlainGrid + 25),
       "nine cells, not 8"},
      {"too many deliveries", "deliver 2\ncheese a 0 3\n" + std::string(kPlainGrid),
       "more deliveries than cheeses"},
      {"no deliver line", "cheese a 0 3\n" + std::string(kPlainGrid), "deliver must come before"},
      {"unknown key", "colour blue\n" + cheese + kPlainGrid, "unknown line 'colour blue'"},
      {"a facing", "facing R\n" + cheese + kPlainGrid, "as the game leaves the player facing"},
  };
  for (const BadSource& bad : cases) {
    std::string error;
    EXPECT_FALSE(game::ParseCellarSource(Source(bad.firstStage), game::SourceKind::GameCellars,
                                         &Parsed, &error))
        << bad.what;
    EXPECT_NE(error.find("stage 1: "), std::string::npos) << bad.what << ": " << error;
    EXPECT_NE(error.find(bad.message), std::string::npos) << bad.what << ": " << error;
  }
}

TEST(StageSource, APlayersStageStartsFacingOneMoveLetter) {
  const std::string grid = std::string("deliver 1\ncheese a 0 3\n") + kPlainGrid;
  const struct {
    std::string facings;
    const char* message;  // nullptr when the stage is read
  } cases[] = {
      {"facing D\n", nullptr},
      {"facing X\n", "facing U, R, D or L"},
      {"facing R L\n", "facing U, R, D or L"},
      {"facing\n", "facing U, R, D or L"},
      {"facing R\nfacing R\n", "a second 'facing' line"},
  };
  for (const auto& c : cases) {
    std::string error;
    const bool read = game::ParseCellarSource("stage 1\n" + c.facings + grid,
                                              game::SourceKind::PlayerSet, &Parsed, &error);
    EXPECT_EQ(read, c.message == nullptr) << c.facings << error;
    if (read) {
      EXPECT_EQ(Parsed.facings[0], game::FACING_DOWN);
    } else {
      EXPECT_NE(error.find(c.message), std::string::npos) << c.facings << error;
    }
  }
}

TEST(StageSource, RefusesAWrongNumberOfStages) {
  std::string error;
  std::string source = Source("deliver 1\ncheese a 0 3\n" + std::string(kPlainGrid));
  std::string shorter = source.substr(0, source.find("\nstage 32"));
  EXPECT_FALSE(game::ParseCellarSource(shorter, game::SourceKind::GameCellars, &Parsed, &error));
  EXPECT_NE(error.find("31 stages, not 32"), std::string::npos) << error;

  std::string skipped = source;
  skipped.replace(skipped.find("stage 5\n"), 7, "stage 6");
  EXPECT_FALSE(game::ParseCellarSource(skipped, game::SourceKind::GameCellars, &Parsed, &error));
  EXPECT_NE(error.find("expected stage 5"), std::string::npos) << error;
}

TEST(StageSource, ErrorsNameTheLine) {
  std::string error;
  // Line 5 is the cheese line of stage 1 (after a comment and a blank line).
  std::string source = Source("deliver 1\ncheese a 99 3\n" + std::string(kPlainGrid));
  source.insert(0, "; a comment\n\n");
  EXPECT_FALSE(game::ParseCellarSource(source, game::SourceKind::GameCellars, &Parsed, &error));
  EXPECT_EQ(error.rfind("line 5: stage 1: ", 0), 0u) << error;
}

TEST(StageSource, WritesTheStageBlocksInOrder) {
  std::string error;
  std::string first =
      "deliver 1\ncheese a 2 1\ncheese b 6 -1\ngrid\n#########\n#@.a.O.L#\n"
      "#...A.b.#\n#########\n#########\n#########\n#########\n#########\n"
      "#########\n";
  ASSERT_TRUE(
      game::ParseCellarSource(Source(first), game::SourceKind::GameCellars, &Parsed, &error))
      << error;
  std::string text = game::FormatStageFile(Parsed);
  std::string expected =
      "2 2 1 2  2 1  6 -1\n"
      "1 1 1 1 1 1 1 1 1\n"
      "1 0 0 7 0 3 0 5 1\n"
      "1 0 0 0 4 0 8 0 1\n";
  EXPECT_EQ(text.substr(0, expected.size()), expected);
  // A blank line separates the blocks.
  EXPECT_NE(text.find("1 1 1 1 1 1 1 1 1\n\n2 2 1 1  0 3\n"), std::string::npos);
}

TEST(StageSource, CommittedStageFileIsTheCompiledSource) {
  std::string source = ReadText(VAULMOOR_SOURCE_DIR "/tools/stages/cellars.txt");
  std::string error;
  ASSERT_TRUE(game::ParseCellarSource(source, game::SourceKind::GameCellars, &Parsed, &error))
      << error;
  EXPECT_EQ(game::FormatStageFile(Parsed), ReadText(VAULMOOR_SOURCE_DIR "/data/stage.dat"))
      << "run the 'stages' target to recompile data/stage.dat";
}

}  // namespace
