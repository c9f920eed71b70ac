// The catalogues in po/: each translates every text the sources mark for translation,
// with nothing untranslated, fuzzy or left over, as gettext's own tools count them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "lang/language.h"

namespace {

namespace fs = std::filesystem;

struct Output {
  int status;
  std::string text;  // standard output and error together
};

Output RunCommand(const std::string& command) {
  Output output{-1, ""};
  FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return output;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) output.text += buffer;
  output.status = pclose(pipe);
  return output;
}

std::vector<fs::path> Catalogues() {
  std::vector<fs::path> catalogues;
  for (const auto& entry : fs::directory_iterator(VAULMOOR_PO_DIR)) {
    if (entry.path().extension() == ".po") catalogues.push_back(entry.path());
  }
  return catalogues;
}

// Every catalogue in po/ is built in, and the build has no language without one.
TEST(Catalogues, AreTheLanguagesOfTheGame) {
  std::vector<std::string> expected = {lang::SOURCE_LANGUAGE};
  for (const fs::path& catalogue : Catalogues()) expected.push_back(catalogue.stem().string());
  std::sort(expected.begin() + 1, expected.end());
  const std::vector<const char*> languages = lang::Languages();
  EXPECT_EQ(std::vector<std::string>(languages.begin(), languages.end()), expected);
}

TEST(Catalogues, TranslateEveryMessageWithNothingFuzzy) {
  ASSERT_FALSE(Catalogues().empty());
  for (const fs::path& catalogue : Catalogues()) {
    const Output output = RunCommand(std::string(MSGFMT) + " -c --statistics -o /dev/null '" +
                                     catalogue.string() + "'");
    EXPECT_EQ(output.status, 0) << output.text;
    // msgfmt counts "N translated messages", then any fuzzy and untranslated ones.
    EXPECT_NE(output.text.find(" translated message"), std::string::npos) << output.text;
    EXPECT_EQ(output.text.find("fuzzy"), std::string::npos) << catalogue << ": " << output.text;
    EXPECT_EQ(output.text.find("untranslated"), std::string::npos)
        << catalogue << ": " << output.text;
  }
}

TEST(Catalogues, HoldEveryTextTheSourcesMarkAndNoOther) {
  for (const fs::path& catalogue : Catalogues()) {
    const Output output =
        RunCommand(std::string(MSGCMP) + " '" + catalogue.string() + "' '" + VAULMOOR_POT + "'");
    EXPECT_EQ(output.status, 0) << catalogue << ": " << output.text;
    EXPECT_EQ(output.text.find("not used"), std::string::npos) << catalogue << ": " << output.text;
  }
}

}  // namespace
