// The command line: every option, their values and the refusals, and the help
// that lists every option and key.
#include "app/options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "lang/language.h"

namespace {

std::string Parse(std::vector<const char*> args, app::CommandLine* commandLine) {
  args.insert(args.begin(), "vaulmoor");
  return app::ParseCommandLine(static_cast<int>(args.size()), const_cast<char**>(args.data()),
                               commandLine);
}

TEST(CommandLine, DefaultsWithoutOptions) {
  app::CommandLine commandLine;
  EXPECT_EQ(Parse({}, &commandLine), "");
  EXPECT_FALSE(commandLine.platform.headless);
  EXPECT_FALSE(commandLine.platform.window);
  EXPECT_EQ(commandLine.platform.scale, 3);
  EXPECT_FALSE(commandLine.platform.pageFlip);
  EXPECT_FALSE(commandLine.platform.hasUntil);
  EXPECT_EQ(commandLine.platform.scriptPath, nullptr);
  EXPECT_EQ(commandLine.music, nullptr);
  EXPECT_EQ(commandLine.trace, nullptr);
  EXPECT_EQ(commandLine.language, nullptr);
  EXPECT_EQ(commandLine.stages, nullptr);
  EXPECT_FALSE(commandLine.noThreads);
  EXPECT_FALSE(commandLine.help);
  EXPECT_FALSE(commandLine.version);
}

TEST(CommandLine, EveryOption) {
  app::CommandLine commandLine;
  EXPECT_EQ(Parse({"--headless", "--script", "s.txt", "--until", "4500", "--window", "--scale", "5",
                   "--page-flip", "--music", "tune.mid", "--trace", "scenes.txt", "--lang", "en",
                   "--no-threads", "--stages", "mine.dat"},
                  &commandLine),
            "");
  EXPECT_TRUE(commandLine.platform.headless);
  EXPECT_STREQ(commandLine.platform.scriptPath, "s.txt");
  EXPECT_TRUE(commandLine.platform.hasUntil);
  EXPECT_EQ(commandLine.platform.untilMs, 4500u);
  EXPECT_TRUE(commandLine.platform.window);
  EXPECT_EQ(commandLine.platform.scale, 5);
  EXPECT_TRUE(commandLine.platform.pageFlip);
  EXPECT_STREQ(commandLine.music, "tune.mid");
  EXPECT_STREQ(commandLine.trace, "scenes.txt");
  EXPECT_STREQ(commandLine.language, "en");
  EXPECT_TRUE(commandLine.noThreads);
  EXPECT_STREQ(commandLine.stages, "mine.dat");
}

TEST(CommandLine, EveryLanguageIsAccepted) {
  for (const char* language : lang::Languages()) {
    app::CommandLine commandLine;
    EXPECT_EQ(Parse({"--lang", language}, &commandLine), "") << language;
    EXPECT_STREQ(commandLine.language, language);
  }
}

TEST(CommandLine, HelpAndVersion) {
  app::CommandLine commandLine;
  EXPECT_EQ(Parse({"--help", "--version"}, &commandLine), "");
  EXPECT_TRUE(commandLine.help);
  EXPECT_TRUE(commandLine.version);
}

// Every option of the help is one the command line takes, with a value exactly
// when the help names one.
TEST(Help, ListsTheOptionsTheCommandLineTakes) {
  int options = 0;
  for (size_t i = 0; i < app::HELP_LINE_COUNT; ++i) {
    const app::HelpLine& line = app::HELP_LINES[i];
    if (line.section != app::HelpSection::Option) continue;
    ++options;
    const std::string name = line.name;
    const size_t space = name.find(' ');
    const std::string option = name.substr(0, space);
    app::CommandLine commandLine;
    if (space == std::string::npos) {
      EXPECT_EQ(Parse({option.c_str()}, &commandLine), "") << option;
    } else {
      EXPECT_EQ(Parse({option.c_str()}, &commandLine), option + " needs a value");
      // A value every such option takes: a number, a file name or a language.
      const char* value = option == "--lang" ? *lang::Languages().begin() : "2";
      EXPECT_EQ(Parse({option.c_str(), value}, &commandLine), "") << option;
    }
    EXPECT_NE(app::UsageText().find("[" + name + "]"), std::string::npos) << name;
    EXPECT_NE(app::HelpText().find("  " + name + " "), std::string::npos) << name;
  }
  EXPECT_EQ(options, 16);
}

// The columns a line takes in a terminal: East Asian wide characters (kana, kanji and
// the full-width forms) take two.
size_t Columns(const std::string& line) {
  size_t columns = 0;
  for (size_t i = 0; i < line.size();) {
    const auto lead = static_cast<unsigned char>(line[i]);
    const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length && i + k < line.size(); ++k)
      code = code << 6 | (static_cast<unsigned char>(line[i + k]) & 0x3F);
    i += length;
    const bool wide = (code >= 0x2E80 && code < 0xA4D0) || (code >= 0xAC00 && code < 0xD7A4) ||
                      (code >= 0xF900 && code < 0xFB00) || (code >= 0xFF00 && code < 0xFF61) ||
                      (code >= 0xFFE0 && code < 0xFFE7);
    columns += wide ? 2 : 1;
  }
  return columns;
}

// In every language: nothing runs past the width of a terminal, and the help is in it.
TEST(Help, FitsATerminalInEveryLanguage) {
  for (const char* language : lang::Languages()) {
    lang::SelectLanguage(language);
    const std::string text = app::HelpText();
    std::istringstream help(text);
    for (std::string line; std::getline(help, line);)
      EXPECT_LE(Columns(line), 80u) << language << ": " << line;
    EXPECT_NE(text.find(lang::Translate("オプション：")), std::string::npos) << language;
    EXPECT_NE(text.find(lang::Translate(app::HELP_LINES[0].meaning)), std::string::npos);
  }
  lang::SelectLanguage(lang::SOURCE_LANGUAGE);
  EXPECT_NE(app::HelpText().find("  --window         全画面でなく"), std::string::npos);
  lang::SelectLanguage("en");
  EXPECT_NE(app::HelpText().find("  --window         play in a resizable window"),
            std::string::npos);
  lang::SelectLanguage(lang::SOURCE_LANGUAGE);
}

// The keys of the README's controls table, each named in the help.
TEST(Help, ListsEveryKeyOfTheReadme) {
  std::ifstream readme(VAULMOOR_SOURCE_DIR "/README.md");
  bool inControls = false;
  int keys = 0;
  for (std::string row; std::getline(readme, row);) {
    if (row.starts_with("## ")) inControls = row == "## Controls";
    if (!inControls || !row.starts_with("| ") || row.starts_with("| Key") ||
        row.starts_with("|---"))
      continue;
    // "| Esc, Alt+F4 | ..." names Esc and Alt+F4; "F10 held at start, or `--page-flip`"
    // names F10 and the option.
    const std::string cell = row.substr(2, row.find(" |", 2) - 2);
    std::istringstream pieces(cell);
    for (std::string piece; std::getline(pieces, piece, ',');) {
      std::istringstream words(piece);
      std::string key;
      words >> key;
      if (key == "or") words >> key;
      std::erase(key, '`');
      EXPECT_NE(app::HelpText().find(key), std::string::npos) << key;
      ++keys;
    }
  }
  EXPECT_GE(keys, 8);
}

TEST(CommandLine, Refusals) {
  const struct {
    std::vector<const char*> args;
    const char* problem;
  } cases[] = {
      {{"--fast"}, "unknown option '--fast'"},
      {{"--script"}, "--script needs a value"},
      {{"--trace"}, "--trace needs a value"},
      {{"--headless", "--until"}, "--until needs a value"},
      {{"--until", "-1"}, "--until needs milliseconds, not '-1'"},
      {{"--until", "12ms"}, "--until needs milliseconds, not '12ms'"},
      {{"--until", "4294967296"}, "--until needs milliseconds, not '4294967296'"},
      {{"--scale", "0"}, "--scale needs a whole number from 1 to 16, not '0'"},
      {{"--scale", "17"}, "--scale needs a whole number from 1 to 16, not '17'"},
      {{"--scale", ""}, "--scale needs a whole number from 1 to 16, not ''"},
      {{"--lang"}, "--lang needs a value"},
      {{"--edit", "a.dat", "--stages", "b.dat"}, "--edit cannot be used with --stages or --replay"},
      {{"--replay", "3", "--edit", "a.dat"}, "--edit cannot be used with --stages or --replay"},
  };
  for (const auto& c : cases) {
    app::CommandLine commandLine;
    EXPECT_EQ(Parse(c.args, &commandLine), c.problem) << c.args[0];
  }
}

TEST(CommandLine, AnUnknownLanguageIsRefusedByName) {
  for (const char* language : {"xx", "EN", "ja_JP.UTF-8", "english", ""}) {
    app::CommandLine commandLine;
    EXPECT_EQ(Parse({"--lang", language}, &commandLine),
              "--lang needs a language (" + lang::LanguageList() + "), not '" + language + "'");
  }
}

}  // namespace
