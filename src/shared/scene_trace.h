// An optional record of when each scene begins, on the program's clock, for timeline tests.
#pragma once

#include <cstdint>

namespace shared {

// Starts writing the record to path ("-" is not special). False when the file
// cannot be created.
bool OpenSceneTrace(const char* path);

// Writes "<ms> <event> <number>" when a record is open; does nothing otherwise.
void TraceScene(const char* event, int32_t number);

}  // namespace shared
