// The program's command-line options, and the help that lists them with the keys.
#pragma once

#include <string>

#include "platform/platform.h"

namespace app {

struct CommandLine {
  platform::Options platform;
  const char* music = nullptr;     // --music NAME: a MIDI file to play after start-up
  const char* trace = nullptr;     // --trace FILE: record when each scene begins
  const char* language = nullptr;  // --lang CODE: the texts' language instead of the locale's
  const char* replay = nullptr;    // --replay N|FILE: play a recorded or shared clear
  const char* stages = nullptr;    // --stages FILE: play the cellars of a stage file of one's own
  const char* edit = nullptr;      // --edit FILE: the cellar editor on a stage file
  bool noThreads = false;          // --no-threads: searches in slices of the frames' waits
  bool records = false;            // --records: list the records and stop
  bool help = false;               // --help: print the help and stop
  bool version = false;            // --version: print the version and stop
};

// Reads argv[1..argc-1] into commandLine. Returns "" when every option is valid,
// otherwise what is wrong.
std::string ParseCommandLine(int argc, char** argv, CommandLine* commandLine);

// One line of the help: an option (with its value's name), a key in play, or a key of the
// cellar editor.
enum class HelpSection { Option, Key, EditorKey };
struct HelpLine {
  HelpSection section;
  const char* name;
  const char* meaning;
};
// Every option and every key, in the order the help shows them.
extern const HelpLine HELP_LINES[];
extern const size_t HELP_LINE_COUNT;

// The usage line(s) naming every option, for the message after a wrong command line.
std::string UsageText();
// What --help prints: the usage, every option and every key, and where files go.
std::string HelpText();
// What --version prints: "vaulmoor X.Y.Z".
std::string VersionText();

}  // namespace app
