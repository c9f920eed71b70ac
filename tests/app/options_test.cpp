// The command line: every option, their values and the refusals.
#include "app/options.h"

#include <gtest/gtest.h>

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
}

TEST(CommandLine, EveryOption) {
  app::CommandLine commandLine;
  EXPECT_EQ(Parse({"--headless", "--script", "s.txt", "--until", "4500", "--window", "--scale", "5",
                   "--page-flip", "--music", "tune.mid", "--trace", "scenes.txt", "--lang", "en"},
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
}

TEST(CommandLine, EveryLanguageIsAccepted) {
  for (const char* language : lang::Languages()) {
    app::CommandLine commandLine;
    EXPECT_EQ(Parse({"--lang", language}, &commandLine), "") << language;
    EXPECT_STREQ(commandLine.language, language);
  }
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
