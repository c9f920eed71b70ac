// Every character of every language's texts has a glyph in the font the game draws it
// with: IPAGothic at 16 pixels (and 14, the side panel heading's smaller size), where a
// character that no face has would show as the font's missing-character box. The texts
// drawn with the font are those of src/game, as the template's locations say; the art
// tool paints its banner words with its own letters, and the help goes to a terminal.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <set>
#include <string>

#include "gfx/text.h"
#include "lang/translation_table.h"
#include "platform/font.h"

namespace {

// The sizes the game draws the catalogues' texts at.
constexpr int32_t TEXT_SIZES[] = {16, 14};

class GlyphCoverage : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(gfx::InitFonts()); }
  static void TearDownTestSuite() { gfx::ShutdownFonts(); }
};

// The characters of the text that the font at that size draws as the missing box, as
// "U+XXXX" each.
std::string Missing(const char* text, int32_t size) {
  std::string missing;
  for (const char* p = text; *p != 0;) {
    const uint32_t code = platform::NextCodePoint(p);
    if (!platform::FontGlyph(size, code).missing) continue;
    char name[16];
    std::snprintf(name, sizeof name, " U+%04X", code);
    missing += name;
  }
  return missing;
}

// The texts of the template (the Japanese originals) that the game draws with the font:
// those whose entry has a location in src/game/. Entries are single-line msgids there.
std::set<std::string> DrawnTexts() {
  std::ifstream pot(VAULMOOR_POT);
  std::set<std::string> texts;
  bool drawn = false;
  for (std::string line; std::getline(pot, line);) {
    if (line.starts_with("#: ")) drawn = drawn || line.find(" src/game/") != std::string::npos;
    if (line.starts_with("msgid \"") && line.size() > 8) {
      if (drawn) texts.insert(line.substr(7, line.size() - 8));
      drawn = false;
    }
  }
  return texts;
}

// The check itself: letters the face has and letters it lacks (Romanian s and t with
// comma below, Korean).
TEST_F(GlyphCoverage, TellsTheFontsLettersFromTheMissingOnes) {
  EXPECT_EQ(Missing("Cellar été 熟成庫　１", 16), "");
  EXPECT_EQ(Missing("ș", 16), " U+0219");
  EXPECT_EQ(Missing("aț한", 14), " U+021B U+D55C");
}

TEST_F(GlyphCoverage, EveryCharacterOfEveryCatalogueHasAGlyph) {
  const std::set<std::string> drawn = DrawnTexts();
  ASSERT_GE(drawn.size(), 80u);
  ASSERT_GT(lang::TRANSLATION_TABLE_COUNT, 0u);
  for (size_t t = 0; t < lang::TRANSLATION_TABLE_COUNT; ++t) {
    const lang::TranslationTable& table = lang::TRANSLATION_TABLES[t];
    for (size_t e = 0; e < table.count; ++e) {
      const lang::TranslationEntry& entry = table.entries[e];
      if (!drawn.contains(entry.original)) continue;
      for (int32_t size : TEXT_SIZES) {
        EXPECT_EQ(Missing(entry.original, size), "") << entry.original;
        EXPECT_EQ(Missing(entry.translation, size), "")
            << "po/" << table.language << ".po: '" << entry.translation << "' at " << size
            << " pixels";
      }
    }
  }
}

}  // namespace
