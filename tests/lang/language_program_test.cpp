// The whole program in each language: chosen by --lang or else by the locale, whether
// or not the system has that locale, it shows the intro card, the information panel
// and the give-up banner in that language.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "lang/language.h"
#include "support/run_folder.h"

namespace {

// START; the intro card; the browser and the information panel of the first cheese;
// back to play; Q and the give-up banner over the collapsing cellar.
const char* const SCRIPT =
    "3000 down space\n3050 up space\n4000 shot\n"
    "5500 down space\n5550 up space\n7000 down space\n7050 up space\n7100 shot\n"
    "7300 down space\n7350 up space\n8000 down q\n8050 up q\n9000 shot\n9500 close\n";
const char* const SHOTS[] = {"intro card", "information panel", "give-up banner"};

std::vector<std::string> Shots(const std::string& folder) {
  std::vector<std::string> shots;
  for (int n = 0; n < 3; ++n)
    shots.push_back(testsupport::ReadFile(folder + "scr000" + std::to_string(n) + ".bmp"));
  return shots;
}

// The shots of a run with the game's own pictures, the arguments and the environment.
std::vector<std::string> RunGame(const std::string& name, const std::vector<std::string>& args,
                                 const std::vector<std::string>& environment) {
  const std::string folder = testsupport::MakeGameFolder(name, testsupport::FixtureStageText());
  std::ofstream(folder + "script.txt") << SCRIPT;
  std::vector<std::string> all = {"--headless", "--script", "script.txt"};
  all.insert(all.end(), args.begin(), args.end());
  const testsupport::RunResult run = testsupport::RunProgram(folder, all, environment);
  EXPECT_EQ(run.exitStatus, 1) << name << ": " << run.err;
  return Shots(folder);
}

// The shots of each language chosen with --lang and no locale at all.
const std::map<std::string, std::vector<std::string>>& Reference() {
  static const std::map<std::string, std::vector<std::string>> shots = [] {
    std::map<std::string, std::vector<std::string>> byLanguage;
    for (const char* language : lang::Languages())
      byLanguage[language] =
          RunGame(std::string("reference_") + language, {"--lang", language}, {});
    return byLanguage;
  }();
  return shots;
}

TEST(LanguageRuns, EachLanguageShowsItsOwnTextsAndBanner) {
  const std::vector<std::string>& japanese = Reference().at("ja");
  for (const auto& [language, shots] : Reference()) {
    for (int n = 0; n < 3; ++n) {
      ASSERT_FALSE(shots[n].empty()) << language << " " << SHOTS[n];
      if (language != "ja") {
        EXPECT_NE(shots[n], japanese[n]) << language << " " << SHOTS[n];
      }
    }
  }
}

TEST(LanguageRuns, TheLocaleChoosesWithoutTheOption) {
  const struct {
    const char* name;
    std::vector<std::string> args, environment;
    const char* expected;
  } cases[] = {
      {"ja_JP", {}, {"LANG=ja_JP.UTF-8"}, "ja"},
      {"ja", {}, {"LANG=ja"}, "ja"},
      {"C_UTF8", {}, {"LANG=C.UTF-8"}, "en"},
      {"en_GB", {}, {"LANG=en_GB.UTF-8"}, "en"},
      {"unset", {}, {}, "en"},
      {"lc_all_ja", {}, {"LC_ALL=ja_JP.UTF-8", "LANG=en_GB.UTF-8"}, "ja"},
      {"lc_all_c", {}, {"LC_ALL=C.UTF-8", "LANG=ja_JP.UTF-8"}, "en"},
      {"lc_messages_ja", {}, {"LC_MESSAGES=ja_JP.UTF-8", "LANG=C.UTF-8"}, "ja"},
      {"option_en", {"--lang", "en"}, {"LANG=ja_JP.UTF-8"}, "en"},
      {"option_ja", {"--lang", "ja"}, {"LC_ALL=C.UTF-8"}, "ja"},
  };
  for (const auto& c : cases) {
    const std::vector<std::string> shots = RunGame(c.name, c.args, c.environment);
    for (int n = 0; n < 3; ++n)
      EXPECT_TRUE(shots[n] == Reference().at(c.expected)[n])
          << c.name << ": the " << SHOTS[n] << " is not the one of " << c.expected;
  }
}

TEST(LanguageRuns, AnUnknownLanguageIsAUsageError) {
  const std::string folder = testsupport::MakeRunFolder("unknown_language");
  const testsupport::RunResult run =
      testsupport::RunProgram(folder, {"--headless", "--lang", "klingon"});
  EXPECT_EQ(run.exitStatus, 2);
  EXPECT_NE(run.err.find("--lang needs a language (" + lang::LanguageList() + ")"),
            std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("not 'klingon'"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("usage: vaulmoor"), std::string::npos) << run.err;
  EXPECT_FALSE(testsupport::FileExists(folder + "report.txt"));
}

// A language's own pictures are start-up files like the others.
TEST(LanguageRuns, MissingPicturesOfTheLanguageStopTheStart) {
  for (const char* picture : {"graphic4.bmp", "graphic8.bmp"}) {
    const std::string folder = testsupport::MakeRunFolder(std::string("no_en_") + picture);
    std::filesystem::remove(folder + "data/en/" + picture);
    const testsupport::RunResult run =
        testsupport::RunHeadless(folder, "100 close\n", {"--lang", "en"});
    EXPECT_EQ(run.exitStatus, 2) << picture;
    EXPECT_NE(run.err.find(std::string("Can't load data/en/") + picture), std::string::npos)
        << run.err;
    // The Japanese game does not need them.
    const testsupport::RunResult japanese =
        testsupport::RunHeadless(folder, "100 close\n", {"--lang", "ja"});
    EXPECT_EQ(japanese.exitStatus, 1) << japanese.err;
  }
}

}  // namespace
