// The catalogues in po/: each translates every text the sources mark for translation,
// with nothing untranslated, fuzzy or left over, as gettext's own tools count them; the
// template kept in po/ is the one the sources give, every entry of it tells translators
// what the text is and how much room it has, and i18nspector finds no fault in any. The
// desktop entry's and metadata's catalogues (po/desktop/) translate all of their texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
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

const fs::path KEPT_TEMPLATE = fs::path(VAULMOOR_PO_DIR) / "vaulmoor.pot";

// The file's text without its POT-Creation-Date line, which changes at every extraction.
std::string WithoutCreationDate(const fs::path& path) {
  std::ifstream in(path);
  std::string text, line;
  while (std::getline(in, line)) {
    if (!line.starts_with("\"POT-Creation-Date:")) text += line + "\n";
  }
  return text;
}

// The entries of a template, each its lines up to the blank line after it.
std::vector<std::string> Entries(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> entries(1);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty()) {
      entries.emplace_back();
    } else {
      entries.back() += line + "\n";
    }
  }
  return entries;
}

std::vector<fs::path> Catalogues(const char* folder = VAULMOOR_PO_DIR) {
  std::vector<fs::path> catalogues;
  for (const auto& entry : fs::directory_iterator(folder)) {
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

std::vector<fs::path> AllCatalogues() {
  std::vector<fs::path> all = Catalogues();
  for (const fs::path& desktop : Catalogues(VAULMOOR_DESKTOP_PO_DIR)) all.push_back(desktop);
  return all;
}

TEST(Catalogues, TranslateEveryMessageWithNothingFuzzy) {
  ASSERT_FALSE(Catalogues().empty());
  for (const fs::path& catalogue : AllCatalogues()) {
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
  const auto expectExactly = [](const std::vector<fs::path>& catalogues, const char* pot) {
    for (const fs::path& catalogue : catalogues) {
      const Output output = RunTool(MSGCMP, {catalogue.string(), pot});
      EXPECT_EQ(output.status, 0) << catalogue << ": " << output.text;
      EXPECT_EQ(output.text.find("not used"), std::string::npos)
          << catalogue << ": " << output.text;
    }
  };
  expectExactly(Catalogues(), VAULMOOR_POT);
  const std::vector<fs::path> desktop = Catalogues(VAULMOOR_DESKTOP_PO_DIR);
  EXPECT_FALSE(desktop.empty());
  expectExactly(desktop, VAULMOOR_DESKTOP_POT);
}

TEST(Catalogues, KeptTemplateIsTheOneTheSourcesGive) {
  const std::string kept = WithoutCreationDate(KEPT_TEMPLATE);
  ASSERT_FALSE(kept.empty()) << KEPT_TEMPLATE << " is missing";
  EXPECT_EQ(kept, WithoutCreationDate(VAULMOOR_POT))
      << KEPT_TEMPLATE << " is out of date with the sources; bring it up to date with\n"
      << "  cmake --build build --target update-pot";
}

// Each comment says what the text is and its room ("... pixels", or "... columns" of a
// terminal for the help).
TEST(Catalogues, TemplateTellsTranslatorsWhatEachTextIsAndItsRoom) {
  int32_t count = 0;
  for (const std::string& entry : Entries(VAULMOOR_POT)) {
    if (entry.find("msgid \"") == std::string::npos || entry.find("msgid \"\"\n") == 0 ||
        entry.find("\nmsgid \"\"\nmsgstr") != std::string::npos)
      continue;
    ++count;
    std::string comment;
    std::istringstream lines(entry);
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("#. ")) comment += line.substr(3) + " ";
    }
    EXPECT_NE(comment.find("TRANSLATORS:"), std::string::npos) << "no comment for\n" << entry;
    EXPECT_TRUE(comment.find("pixels") != std::string::npos ||
                comment.find("columns") != std::string::npos)
        << "no room in\n"
        << entry;
  }
  EXPECT_GT(count, 80);
}

TEST(Catalogues, I18nspectorFindsNoErrorOrWarning) {
  std::vector<std::string> files = {KEPT_TEMPLATE.string()};
  for (const fs::path& catalogue : AllCatalogues()) files.push_back(catalogue.string());
  const Output output = RunTool(I18NSPECTOR, files);
  EXPECT_EQ(output.status, 0) << output.text;
  std::istringstream lines(output.text);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_FALSE(line.starts_with("E:") || line.starts_with("W:")) << line;
  }
}

}  // namespace
