// Reading the compiled catalogues that msgfmt writes (GNU .mo files).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tools {

struct MoEntry {
  std::string original;
  std::string translation;
};

// The translations of a .mo file held in memory, without its header entry (the one
// whose original is empty). Only UTF-8 catalogues of plain messages are taken:
// entries with a context or plural forms, a header naming another character set,
// and text that is not UTF-8 are refused. Returns "" on success, otherwise what is
// wrong; *entries then holds nothing.
std::string ParseMoFile(const uint8_t* bytes, size_t size, std::vector<MoEntry>* entries);

}  // namespace tools
