// Helpers shared by the fuzz targets: handing input to file readers, and invariant checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// A path in the temporary directory, unique to this process and this name, that
// the target may overwrite on every input. The files go when the process ends.
std::string ScratchPath(const char* name);

// Replaces the file at path with the given bytes; aborts when it cannot, because
// a target that silently reads a stale file would fuzz nothing.
void WriteScratchFile(const std::string& path, const uint8_t* data, size_t size);

// Writes the input to the scratch file at path and reads it back as the game
// reads its files whole, up to limit bytes, into *text. False when the reader
// refused it, which it must do exactly when the input is larger than limit.
bool ReadBackWhole(const std::string& path, const uint8_t* data, size_t size, size_t limit,
                   std::string* text);

// Stops the run with a message when an invariant of a reader's result is broken,
// so that libFuzzer records the input as a crash.
void Require(bool holds, const char* what);

}  // namespace fuzz
