// An optional record of when each scene begins, on the program's clock, for timeline tests.
#pragma once

#include <cstdint>

namespace shared {

// Starts writing the record to path ("-" is not special). False when the file
// cannot be created.
bool OpenSceneTrace(const char* path);

// Writes "<ms> <event> <number>" when a record is open; does nothing otherwise.
void TraceScene(const char* event, int32_t number);
// The same with a word in place of the number: "<ms> <event> <word>".
void TraceWord(const char* event, const char* word);

}  // namespace shared
