// Reading the command line: headless and scripted runs, window, scale, presentation, music,
// language.
#include "app/options.h"

#include <charconv>
#include <cstring>

#include "lang/language.h"

namespace app {

const char* const USAGE_TEXT =
    "usage: vaulmoor [--window] [--scale N] [--page-flip] [--music FILE] [--lang LANG]\n"
    "                [--script FILE] [--headless] [--until MS] [--trace FILE]\n";

namespace {

bool ParseUnsigned(const char* text, uint32_t* value) {
  const char* end = text + std::strlen(text);
  auto [ptr, ec] = std::from_chars(text, end, *value);
  return *text != '\0' && ec == std::errc() && ptr == end;
}

}  // namespace

std::string ParseCommandLine(int argc, char** argv, CommandLine* commandLine) {
  platform::Options& options = commandLine->platform;
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    bool takesValue = option == "--script" || option == "--until" || option == "--scale" ||
                      option == "--music" || option == "--trace" || option == "--lang";
    if (takesValue && i + 1 >= argc) return option + " needs a value";
    const char* value = takesValue ? argv[++i] : nullptr;
    uint32_t number = 0;
    if (option == "--headless") {
      options.headless = true;
    } else if (option == "--window") {
      options.window = true;
    } else if (option == "--page-flip") {
      options.pageFlip = true;
    } else if (option == "--script") {
      options.scriptPath = value;
    } else if (option == "--music") {
      commandLine->music = value;
    } else if (option == "--trace") {
      commandLine->trace = value;
    } else if (option == "--lang") {
      if (!lang::IsLanguage(value))
        return "--lang needs a language (" + lang::LanguageList() + "), not '" + value + "'";
      commandLine->language = value;
    } else if (option == "--until") {
      if (!ParseUnsigned(value, &number))
        return "--until needs milliseconds, not '" + std::string(value) + "'";
      options.hasUntil = true;
      options.untilMs = number;
    } else if (option == "--scale") {
      if (!ParseUnsigned(value, &number) || number < 1 || number > 16)
        return "--scale needs a whole number from 1 to 16, not '" + std::string(value) + "'";
      options.scale = static_cast<int>(number);
    } else {
      return "unknown option '" + option + "'";
    }
  }
  return "";
}

}  // namespace app
