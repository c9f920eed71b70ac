// The translation tables compiled in from the catalogues in po/, one per language.
#pragma once

#include <cstddef>

namespace lang {

// One translated text: the Japanese text as written in the sources, and its translation.
struct TranslationEntry {
  const char* original;
  const char* translation;
};

// The translations of one language, sorted by original text (byte order).
struct TranslationTable {
  const char* language;  // the catalogue's name in po/: "en" for po/en.po
  const TranslationEntry* entries;
  size_t count;
};

// Generated at build time, one table per catalogue, sorted by language.
extern const TranslationTable TRANSLATION_TABLES[];
extern const size_t TRANSLATION_TABLE_COUNT;

}  // namespace lang
