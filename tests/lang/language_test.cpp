// Choosing the language from the locale, and looking texts up in the chosen one.
#include "lang/language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Languages, AreJapaneseFirstThenEnglish) {
  const std::vector<const char*> languages = lang::Languages();
  ASSERT_GE(languages.size(), 2u);
  EXPECT_STREQ(languages[0], "ja");
  EXPECT_TRUE(lang::IsLanguage("en"));
  EXPECT_TRUE(lang::IsLanguage("ja"));
  EXPECT_FALSE(lang::IsLanguage("EN"));
  EXPECT_FALSE(lang::IsLanguage(""));
  EXPECT_FALSE(lang::IsLanguage(nullptr));
  EXPECT_EQ(lang::LanguageList().rfind("ja, ", 0), 0u) << lang::LanguageList();
}

TEST(LocaleLanguage, FollowsTheFirstSetOfLcAllLcMessagesAndLang) {
  const struct {
    const char *lcAll, *lcMessages, *lang, *expected;
  } cases[] = {
      {nullptr, nullptr, "ja_JP.UTF-8", "ja"},
      {nullptr, nullptr, "ja", "ja"},
      {nullptr, nullptr, "ja_JP.eucJP@mod", "ja"},
      {nullptr, nullptr, "C.UTF-8", "en"},
      {nullptr, nullptr, "C", "en"},
      {nullptr, nullptr, "POSIX", "en"},
      {nullptr, nullptr, "en_GB.UTF-8", "en"},
      {nullptr, nullptr, "fr_FR.UTF-8", "en"},
      {nullptr, nullptr, "japanese", "ja"},  // the old alias: whatever begins with "ja"
      {nullptr, nullptr, nullptr, "en"},
      {nullptr, nullptr, "", "en"},
      {"ja_JP.UTF-8", nullptr, "en_GB.UTF-8", "ja"},
      {"en_GB.UTF-8", nullptr, "ja_JP.UTF-8", "en"},
      {"C", "ja_JP.UTF-8", "ja_JP.UTF-8", "en"},
      {nullptr, "ja_JP.UTF-8", "en_GB.UTF-8", "ja"},
      {nullptr, "en_US.UTF-8", "ja_JP.UTF-8", "en"},
      {"", "", "ja_JP.UTF-8", "ja"},  // empty values count as unset
      {"", "ja", "C", "ja"},
  };
  for (const auto& c : cases) {
    const std::string row = std::string(c.lcAll ? c.lcAll : "-") + " " +
                            (c.lcMessages ? c.lcMessages : "-") + " " + (c.lang ? c.lang : "-");
    EXPECT_STREQ(lang::LanguageForLocale(c.lcAll, c.lcMessages, c.lang), c.expected) << row;
  }
}

TEST(Translate, GivesTheChosenLanguagesTextAndTheOriginalInJapanese) {
  lang::SelectLanguage("en");
  EXPECT_STREQ(lang::SelectedLanguage(), "en");
  EXPECT_STREQ(lang::Translate("熟成庫　%d"), "Cellar %d");
  EXPECT_STREQ(lang::Translate("モッツァレラ"), "Mozzarella");
  EXPECT_STREQ(lang::Translate("not a text of the game"), "not a text of the game");
  lang::SelectLanguage("ja");
  EXPECT_STREQ(lang::SelectedLanguage(), "ja");
  const char* original = "熟成庫　%d";
  EXPECT_EQ(lang::Translate(original), original);  // the very same text, not a copy
}

TEST(Translate, IntoAGivenLanguage) {
  EXPECT_STREQ(lang::TranslateInto("en", "ギブアップ"), "GIVE UP");
  EXPECT_STREQ(lang::TranslateInto("ja", "ギブアップ"), "ギブアップ");
  EXPECT_TRUE(lang::HasTranslation("en", "ギブアップ"));
  EXPECT_FALSE(lang::HasTranslation("en", "not a text of the game"));
  EXPECT_TRUE(lang::HasTranslation("ja", "not a text of the game"));
}

}  // namespace
