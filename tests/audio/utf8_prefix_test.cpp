// Cutting the MCI service's replies to the caller's buffer: never inside a character.
#include "platform/utf8_prefix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Utf8Prefix, CutsOnlyBetweenCharacters) {
  // "Aé" then the kana "ア" (3 bytes) then the emoji U+1F9C0 (4 bytes): 1 + 2 + 3 + 4 bytes.
  const std::string text = "A\xC3\xA9\xE3\x82\xA2\xF0\x9F\xA7\x80";
  const struct {
    size_t fits;
    size_t kept;
  } cases[] = {
      {0, 0}, {1, 1}, {2, 1}, {3, 3},   {4, 3},   {5, 3},    {6, 6},
      {7, 6}, {8, 6}, {9, 6}, {10, 10}, {11, 10}, {100, 10},
  };
  for (const auto& c : cases)
    EXPECT_EQ(platform::Utf8PrefixLength(text, c.fits), c.kept) << c.fits << " bytes fit";
  EXPECT_EQ(platform::Utf8PrefixLength("plain", 3), 3u);
  EXPECT_EQ(platform::Utf8PrefixLength("", 0), 0u);
}

}  // namespace
