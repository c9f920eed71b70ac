// The language the game's texts are written in, on its own: the translation compiler
// that builds the language library's tables reads it too.
#pragma once

namespace lang {

// The texts are written in Japanese in the sources; every other language has a
// catalogue in po/ that the build compiles in.
constexpr const char* SOURCE_LANGUAGE = "ja";

}  // namespace lang
