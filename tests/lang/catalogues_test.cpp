// The catalogues in po/: each translates every text the sources mark for translation,
// with nothing untranslated, fuzzy or left over, as gettext's own tools count them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "lang/language.h"
#include "support/run_folder.h"
#include "support/test_temp.h"

namespace {

namespace fs = std::filesystem;

struct Output {
  int status;
  std::string text;  // standard output, then standard error
};

// Runs one of gettext's tools on its arguments.
Output RunTool(const char* tool, const std::vector<std::string>& args) {
  const testsupport::RunResult run = testsupport::RunCommand(testing::TempDir(), tool, args, {},
                                                             testsupport::TestTempPath("tool-"));
  return {run.exitStatus, run.out + run.err};
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
    const Output output =
        RunTool(MSGFMT, {"-c", "--statistics", "-o", "/dev/null", catalogue.string()});
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
    const Output output = RunTool(MSGCMP, {catalogue.string(), VAULMOOR_POT});
    EXPECT_EQ(output.status, 0) << catalogue << ": " << output.text;
    EXPECT_EQ(output.text.find("not used"), std::string::npos) << catalogue << ": " << output.text;
  }
}

}  // namespace
