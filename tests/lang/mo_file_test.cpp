// Reading compiled catalogues: the entries of a well-formed file in either byte order,
// and a refusal with the reason for every kind of damage.
#include "mo_file.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Pair = std::pair<std::string, std::string>;

const std::string HEADER = "Content-Type: text/plain; charset=UTF-8\n";

// A .mo file of the pairs: header words, the two tables, then the strings.
std::string MoFile(const std::vector<Pair>& pairs, bool bigEndian = false) {
  std::string bytes;
  auto word = [&](uint32_t value) {
    for (int i = 0; i < 4; ++i) {
      const int shift = bigEndian ? 24 - 8 * i : 8 * i;
      bytes += static_cast<char>(value >> shift & 0xFF);
    }
  };
  const uint32_t count = static_cast<uint32_t>(pairs.size());
  const uint32_t originals = 28, translations = originals + 8 * count;
  uint32_t offset = translations + 8 * count;
  word(0x950412de);
  word(0);
  word(count);
  word(originals);
  word(translations);
  word(0);
  word(0);
  std::string strings;
  for (int side = 0; side < 2; ++side) {
    for (const Pair& pair : pairs) {
      const std::string& text = side == 0 ? pair.first : pair.second;
      word(static_cast<uint32_t>(text.size()));
      word(offset);
      strings += text + '\0';
      offset += static_cast<uint32_t>(text.size()) + 1;
    }
  }
  return bytes + strings;
}

std::string Parse(const std::string& bytes, std::vector<tools::MoEntry>* entries) {
  return tools::ParseMoFile(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), entries);
}

TEST(MoFile, ReadsEveryEntryButTheHeaderInEitherByteOrder) {
  const std::vector<Pair> pairs = {{"", HEADER}, {"熟成庫　%d", "Cave %d"}, {"START", "START"}};
  for (bool bigEndian : {false, true}) {
    std::vector<tools::MoEntry> entries;
    ASSERT_EQ(Parse(MoFile(pairs, bigEndian), &entries), "") << bigEndian;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].original, "熟成庫　%d");
    EXPECT_EQ(entries[0].translation, "Cave %d");
    EXPECT_EQ(entries[1].original, "START");
  }
}

TEST(MoFile, RefusesDamageAndWhatTheGameCannotUse) {
  const std::string good = MoFile({{"", HEADER}, {"a", "b"}});
  std::string badTable = good;
  badTable[12] = '\xFF';  // the originals' table far past the end
  std::string badString = good;
  badString[28 + 8 + 4] = '\x70';  // the second original's offset past the end
  std::string unterminated = good.substr(0, good.size() - 1);
  const struct {
    const char* name;
    std::string bytes;
    const char* fault;
  } cases[] = {
      {"empty", "", "too short"},
      {"short", good.substr(0, 20), "too short"},
      {"not mo", std::string(40, 'x'), "not a .mo file"},
      {"revision", MoFile({{"", HEADER}}).replace(4, 4, std::string("\0\0\2\0", 4)),
       "unknown .mo revision 2"},
      {"table outside", badTable, "tables run past the end"},
      {"string outside", badString, "runs past the end"},
      {"unterminated", unterminated, "runs past the end"},
      {"no header", MoFile({{"a", "b"}}), "no header entry"},
      {"no charset", MoFile({{"", "Language: en\n"}, {"a", "b"}}), "names no character set"},
      {"latin-1", MoFile({{"", "Content-Type: text/plain; charset=ISO-8859-1\n"}}),
       "iso-8859-1, not UTF-8"},
      {"context", MoFile({{"", HEADER}, {std::string("menu\x04START"), "GO"}}), "a context"},
      {"plural", MoFile({{"", HEADER}, {std::string("day\0days", 8), std::string("d\0ds", 4)}}),
       "plural forms"},
      {"bad utf-8", MoFile({{"", HEADER}, {"a", "\xE3\x81"}}), "not UTF-8"},
      {"overlong", MoFile({{"", HEADER}, {"a", "\xC0\xAF"}}), "not UTF-8"},
      {"surrogate", MoFile({{"", HEADER}, {"a", "\xED\xA0\x80"}}), "not UTF-8"},
  };
  for (const auto& c : cases) {
    std::vector<tools::MoEntry> entries = {{"left", "over"}};
    const std::string fault = Parse(c.bytes, &entries);
    EXPECT_NE(fault.find(c.fault), std::string::npos) << c.name << ": " << fault;
    EXPECT_TRUE(entries.empty()) << c.name;
  }
}

}  // namespace
