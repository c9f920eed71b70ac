// The game's bitmap fonts (data/fonts/), missing or damaged: one line on standard
// error names the font, its characters are drawn with IPAGothic and the game
// plays on.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>

#include "robustness/hostile_files.h"
#include "support/run_folder.h"

namespace {

using robustness::PutFile;
using testsupport::ReadFile;

struct FontCase {
  const char* name;
  const char* file;  // in the run folder
  std::function<void(const std::string& path)> damage;
};

// Test names and messages show a row by its name.
void PrintTo(const FontCase& row, std::ostream* out) {
  *out << row.name;
}

class BitmapFontDamage : public testing::TestWithParam<FontCase> {};

TEST_P(BitmapFontDamage, OneLineNamesItAndTheGamePlaysOn) {
  const FontCase& row = GetParam();
  const std::string folder = robustness::MakeOpenFloorFolder(std::string("font_") + row.name);
  row.damage(folder + row.file);
  const testsupport::RunResult run =
      testsupport::RunHeadless(folder, robustness::SCRIPT_START_AND_CLEAR);
  EXPECT_EQ(run.exitStatus, robustness::EXIT_CLOSED) << run.err;
  EXPECT_EQ(ReadFile(folder + "data/save.dat"), "1 20") << "the stage was not played";
  EXPECT_EQ(run.err, std::string("vaulmoor: cannot read the bitmap font ") + row.file +
                         " (12-pixel text falls back to IPAGothic)\n");
}

std::function<void(const std::string&)> Replace(const std::string& bytes) {
  return [bytes](const std::string& path) { PutFile(path, bytes); };
}

// The file cut to its first count bytes: the table of contents promises tables
// that are not there.
std::function<void(const std::string&)> Truncate(size_t count) {
  return [count](const std::string& path) { PutFile(path, ReadFile(path).substr(0, count)); };
}

void Remove(const std::string& path) {
  std::remove(path.c_str());
}

constexpr const char* KANJI = "data/fonts/shnmk12.pcf";
constexpr const char* ASCII = "data/fonts/shnm6x12a.pcf";
constexpr const char* KANA = "data/fonts/shnm6x12r.pcf";

INSTANTIATE_TEST_SUITE_P(
    BitmapFont, BitmapFontDamage,
    testing::Values(FontCase{"KanjiMissing", KANJI, Remove},
                    FontCase{"AsciiMissing", ASCII, Remove}, FontCase{"KanaMissing", KANA, Remove},
                    FontCase{"Empty", KANJI, Replace("")},
                    FontCase{"Garbage", KANJI, Replace(robustness::GarbageBytes(5000, 8))},
                    FontCase{"MagicThenGarbage", ASCII,
                             Replace("\1fcp" + robustness::GarbageBytes(5000, 9))},
                    FontCase{"Truncated", KANJI, Truncate(100)},
                    FontCase{"Directory", KANA, robustness::PutDirectory}),
    robustness::RowName());

}  // namespace
