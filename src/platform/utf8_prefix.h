// The longest start of UTF-8 text that fits in a number of bytes without
// cutting a character in two.
#pragma once

#include <cstddef>
#include <string_view>

namespace platform {

// How many bytes of text to keep when at most maxBytes fit: all of it when it
// fits, else as many as end on a character boundary (the first byte left out is
// never a continuation byte, 10xxxxxx, of a character kept in part).
inline size_t Utf8PrefixLength(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text.size();
  size_t length = maxBytes;
  while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  return length;
}

}  // namespace platform
