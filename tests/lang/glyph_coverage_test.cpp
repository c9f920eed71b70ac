// Every character of every language's texts has a glyph in the font the game draws it
// with: IPAGothic at 16 pixels (and 14, the side panel heading's smaller size), where a
// character that no face has would show as the font's missing-character box.
#include <gtest/gtest.h>

#include <cstdint>
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

// The check itself: letters the face has and letters it lacks (Romanian s and t with
// comma below, Korean).
TEST_F(GlyphCoverage, TellsTheFontsLettersFromTheMissingOnes) {
  EXPECT_EQ(Missing("Cellar été 熟成庫　１", 16), "");
  EXPECT_EQ(Missing("ș", 16), " U+0219");
  EXPECT_EQ(Missing("aț한", 14), " U+021B U+D55C");
}

TEST_F(GlyphCoverage, EveryCharacterOfEveryCatalogueHasAGlyph) {
  ASSERT_GT(lang::TRANSLATION_TABLE_COUNT, 0u);
  for (size_t t = 0; t < lang::TRANSLATION_TABLE_COUNT; ++t) {
    const lang::TranslationTable& table = lang::TRANSLATION_TABLES[t];
    for (size_t e = 0; e < table.count; ++e) {
      for (int32_t size : TEXT_SIZES) {
        const lang::TranslationEntry& entry = table.entries[e];
        EXPECT_EQ(Missing(entry.original, size), "") << entry.original;
        EXPECT_EQ(Missing(entry.translation, size), "")
            << "po/" << table.language << ".po: '" << entry.translation << "' at " << size
            << " pixels";
      }
    }
  }
}

}  // namespace
