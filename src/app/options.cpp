// Reading the command line (headless and scripted runs, window, scale,
// presentation, music, language, scene record, help and version) and the help
// that lists the options and keys.
#include "app/options.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "lang/language.h"

namespace app {

using enum HelpSection;

const HelpLine HELP_LINES[] = {
    {Option, "--window", "play in a resizable window instead of full screen"},
    {Option, "--scale N", "window size: N times 320x240, N from 1 to 16 (default 3)"},
    {Option, "--page-flip", "present frames by page flipping, as F10 held at start does"},
    {Option, "--music FILE", "play a MIDI file (looked for beside the program first)"},
    {Option, "--lang LANG", "the texts' language instead of the locale's (en or ja)"},
    {Option, "--script FILE", "play the timed input events of a script file"},
    {Option, "--headless", "run a script without window or sound, on a virtual clock"},
    {Option, "--until MS", "close a scripted run when its clock reaches MS milliseconds"},
    {Option, "--trace FILE", "record in FILE when each scene and stage begins"},
    {Option, "--records", "list the fewest moves of each cleared cellar and exit"},
    {Option, "--replay N|FILE", "play the best clear of cellar N, or the moves in FILE"},
    {Option, "--help", "print this help and exit"},
    {Option, "--version", "print the version and exit"},
    {Key, "arrows", "walk and push; choose in the menus (joystick: the stick)"},
    {Key, "", "on the title, Left and Right choose a cleared cellar"},
    {Key, "Space", "choose on the title (button 2); cheese browser (button 1)"},
    {Key, "Q", "give up and replay the stage (button 2)"},
    {Key, "Z, Backspace", "undo a move or a give-up; held, it repeats (button 3)"},
    {Key, "Y", "redo a move taken back; held, it repeats (button 5)"},
    {Key, "H", "hint: make the first move of a shortest way (button 4)"},
    {Key, "", "on a lost stage, H again rewinds to where it can still be won"},
    {Key, "Esc, Alt+F4", "close the game"},
    {Key, "F9", "take a screenshot (scrNNNN.bmp)"},
    {Key, "Alt+Enter", "switch between full screen and window"},
    {Key, "F10", "held at start: page-flip presentation"},
};
const size_t HELP_LINE_COUNT = std::size(HELP_LINES);

namespace {

constexpr size_t LINE_WIDTH = 80;

bool ParseUnsigned(const char* text, uint32_t* value) {
  const char* end = text + std::strlen(text);
  auto [ptr, ec] = std::from_chars(text, end, *value);
  return *text != '\0' && ec == std::errc() && ptr == end;
}

// True when the help names the option with a value after it ("--scale N").
bool TakesValue(const std::string& option) {
  return std::any_of(std::begin(HELP_LINES), std::end(HELP_LINES), [&](const HelpLine& line) {
    return line.section == Option && std::string(line.name).starts_with(option + " ");
  });
}

// The lines of one section, the meanings of both sections in one column.
std::string Section(HelpSection section, const char* heading) {
  size_t width = 0;
  for (const HelpLine& line : HELP_LINES) width = std::max(width, std::strlen(line.name));
  std::string text = std::string(heading) + "\n";
  for (const HelpLine& line : HELP_LINES) {
    if (line.section != section) continue;
    text += "  " + std::string(line.name);
    text += std::string(width + 2 - std::strlen(line.name), ' ') + line.meaning + "\n";
  }
  return text;
}

}  // namespace

std::string ParseCommandLine(int argc, char** argv, CommandLine* commandLine) {
  platform::Options& options = commandLine->platform;
  for (int i = 1; i < argc; ++i) {
    std::string option = argv[i];
    bool takesValue = TakesValue(option);
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
    } else if (option == "--records") {
      commandLine->records = true;
    } else if (option == "--replay") {
      commandLine->replay = value;
    } else if (option == "--help") {
      commandLine->help = true;
    } else if (option == "--version") {
      commandLine->version = true;
    } else {
      return "unknown option '" + option + "'";
    }
  }
  return "";
}

std::string UsageText() {
  const std::string start = "usage: vaulmoor";
  std::string text = start;
  size_t column = text.size();
  for (const HelpLine& line : HELP_LINES) {
    if (line.section != Option) continue;
    const std::string word = " [" + std::string(line.name) + "]";
    if (column + word.size() > LINE_WIDTH) {
      text += "\n" + std::string(start.size(), ' ');
      column = start.size();
    }
    text += word;
    column += word.size();
  }
  return text + "\n";
}

std::string HelpText() {
  return UsageText() +
         "Vaulmoor: ripen cheeses in cold cellars and deliver them while they are ripe.\n\n" +
         Section(Option, "Options:") + "\n" + Section(Key, "Keys:") +
         "\nThe save file and screenshots stay beside the game's files when their folder\n"
         "can be written to; an installed game keeps them in $XDG_DATA_HOME/vaulmoor\n"
         "(~/.local/share/vaulmoor). See vaulmoor(6).\n";
}

std::string VersionText() {
  return "vaulmoor " VAULMOOR_VERSION "\n";
}

}  // namespace app
