// The .mo format: a header of 32-bit words in either byte order, then two tables
// of (length, offset) pairs for the originals and the translations, each string
// followed by a zero byte.
#include "mo_file.h"

#include <algorithm>
#include <cctype>

namespace tools {

namespace {

constexpr uint32_t MO_MAGIC = 0x950412de;
constexpr size_t HEADER_SIZE = 28;
constexpr char CONTEXT_SEPARATOR = '\x04';

struct Reader {
  const uint8_t* bytes;
  size_t size;
  bool swapped;

  uint32_t Word(size_t offset) const {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      const uint32_t byte = bytes[offset + (swapped ? 3 - i : i)];
      value |= byte << (8 * i);
    }
    return value;
  }

  // The string of table entry i, or "" in *fault when it lies outside the file.
  std::string String(uint32_t table, uint32_t i, std::string* fault) const {
    const uint64_t pair = uint64_t{table} + uint64_t{i} * 8;
    const uint32_t length = Word(pair), offset = Word(pair + 4);
    if (uint64_t{offset} + length + 1 > size || bytes[uint64_t{offset} + length] != 0) {
      *fault = "string " + std::to_string(i) + " runs past the end of the file";
      return "";
    }
    return std::string(reinterpret_cast<const char*>(bytes) + offset, length);
  }
};

// Length of the UTF-8 sequence that a lead byte starts; 0 for a byte that cannot lead one.
size_t SequenceLength(uint8_t lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF5) return 4;
  return 0;
}

bool IsUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<uint8_t>(text[i]);
    const size_t length = SequenceLength(lead);
    if (length == 0 || i + length > text.size()) return false;
    uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<uint8_t>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = code << 6 | (next & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    constexpr uint32_t LEAST[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < LEAST[length] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) return false;
    i += length;
  }
  return true;
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The header entry names the character set as "Content-Type: ...; charset=NAME".
std::string CheckHeader(const std::string& header) {
  const std::string text = Lower(header);
  const size_t at = text.find("charset=");
  if (at == std::string::npos) return "the header names no character set";
  const std::string charset = text.substr(at + 8, text.find_first_of(" ;\n", at) - at - 8);
  if (charset != "utf-8") return "the catalogue is in " + charset + ", not UTF-8";
  return "";
}

std::string CheckEntry(const MoEntry& entry, uint32_t i) {
  const std::string where = "entry " + std::to_string(i);
  if (entry.original.find('\0') != std::string::npos)
    return where + " has plural forms, which the game does not use";
  if (entry.original.find(CONTEXT_SEPARATOR) != std::string::npos)
    return where + " has a context, which the game does not use";
  if (!IsUtf8(entry.original) || !IsUtf8(entry.translation) ||
      entry.translation.find('\0') != std::string::npos)
    return where + " is not UTF-8 text";
  return "";
}

std::string Parse(const Reader& reader, std::vector<MoEntry>* entries) {
  const uint32_t revision = reader.Word(4);
  if (revision >> 16 > 1) return "unknown .mo revision " + std::to_string(revision >> 16);
  const uint32_t count = reader.Word(8), originals = reader.Word(12),
                 translations = reader.Word(16);
  for (uint32_t table : {originals, translations}) {
    if (uint64_t{table} + uint64_t{count} * 8 > reader.size)
      return "the string tables run past the end of the file";
  }
  bool sawHeader = false;
  for (uint32_t i = 0; i < count; ++i) {
    std::string fault;
    MoEntry entry{reader.String(originals, i, &fault), reader.String(translations, i, &fault)};
    if (fault.empty())
      fault = entry.original.empty() ? CheckHeader(entry.translation) : CheckEntry(entry, i);
    if (!fault.empty()) return fault;
    if (entry.original.empty()) {
      sawHeader = true;
    } else {
      entries->push_back(std::move(entry));
    }
  }
  if (!sawHeader) return "the catalogue has no header entry to name its character set";
  return "";
}

}  // namespace

std::string ParseMoFile(const uint8_t* bytes, size_t size, std::vector<MoEntry>* entries) {
  entries->clear();
  if (size < HEADER_SIZE) return "too short for a .mo file";
  Reader reader{bytes, size, false};
  if (reader.Word(0) != MO_MAGIC) {
    reader.swapped = true;
    if (reader.Word(0) != MO_MAGIC) return "not a .mo file";
  }
  std::string fault = Parse(reader, entries);
  if (!fault.empty()) entries->clear();
  return fault;
}

}  // namespace tools
