// The program's command-line options.
#pragma once

#include <string>

#include "platform/platform.h"

namespace app {

struct CommandLine {
  platform::Options platform;
  const char* music = nullptr;     // --music NAME: a MIDI file to play after start-up
  const char* trace = nullptr;     // --trace FILE: record when each scene begins
  const char* language = nullptr;  // --lang CODE: the texts' language instead of the locale's
};

// Reads argv[1..argc-1] into commandLine. Returns "" when every option is valid,
// otherwise what is wrong.
std::string ParseCommandLine(int argc, char** argv, CommandLine* commandLine);

// One line per option, for the message that follows a wrong command line.
extern const char* const USAGE_TEXT;

}  // namespace app
