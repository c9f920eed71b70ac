// Choosing the language from the command line or the locale, and looking texts up in it.
#include "lang/language.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

#include "lang/translation_table.h"

namespace lang {

namespace {

const TranslationTable* Selected = nullptr;  // null: the source language

const TranslationTable* FindTable(std::string_view code) {
  for (size_t i = 0; i < TRANSLATION_TABLE_COUNT; ++i) {
    if (code == TRANSLATION_TABLES[i].language) return &TRANSLATION_TABLES[i];
  }
  return nullptr;
}

const TranslationEntry* FindEntry(const TranslationTable& table, const char* original) {
  size_t low = 0, high = table.count;
  while (low < high) {
    const size_t middle = low + (high - low) / 2;
    const int order = std::strcmp(table.entries[middle].original, original);
    if (order == 0) return &table.entries[middle];
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return nullptr;
}

// The table's translation of the text, or the text itself (also for no table: the source language).
const char* TranslationIn(const TranslationTable* table, const char* original) {
  const TranslationEntry* entry = table != nullptr ? FindEntry(*table, original) : nullptr;
  return entry != nullptr ? entry->translation : original;
}

// The language named exactly by code, as the static text of the language list.
const char* Known(std::string_view code) {
  if (code == SOURCE_LANGUAGE) return SOURCE_LANGUAGE;
  const TranslationTable* table = FindTable(code);
  return table != nullptr ? table->language : nullptr;
}

bool IsSet(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

std::vector<const char*> Languages() {
  std::vector<const char*> codes = {SOURCE_LANGUAGE};
  for (size_t i = 0; i < TRANSLATION_TABLE_COUNT; ++i)
    codes.push_back(TRANSLATION_TABLES[i].language);
  return codes;
}

bool IsLanguage(const char* code) {
  return code != nullptr && Known(code) != nullptr;
}

std::string LanguageList() {
  std::string list;
  for (const char* code : Languages()) list += (list.empty() ? "" : ", ") + std::string(code);
  return list;
}

// A locale reads language[_territory][.codeset][@modifier].
const char* LanguageForLocale(const char* lcAll, const char* lcMessages, const char* lang) {
  const char* locale = IsSet(lcAll) ? lcAll : IsSet(lcMessages) ? lcMessages : lang;
  if (!IsSet(locale)) return DEFAULT_LANGUAGE;
  const std::string_view value(locale);
  const std::string_view withTerritory = value.substr(0, value.find_first_of(".@"));
  const std::string_view language = withTerritory.substr(0, withTerritory.find('_'));
  if (const char* known = Known(withTerritory)) return known;
  if (const char* known = Known(language)) return known;
  // Any locale that begins like Japanese asks for it, the old alias "japanese" too.
  if (value.starts_with(SOURCE_LANGUAGE)) return SOURCE_LANGUAGE;
  return DEFAULT_LANGUAGE;
}

const char* LocaleLanguage() {
  return LanguageForLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

void SelectLanguage(const char* code) {
  Selected = FindTable(code);
}

const char* SelectedLanguage() {
  return Selected != nullptr ? Selected->language : SOURCE_LANGUAGE;
}

const char* Translate(const char* original) {
  return TranslationIn(Selected, original);
}

const char* TranslateInto(const char* code, const char* original) {
  return TranslationIn(FindTable(code), original);
}

bool HasTranslation(const char* code, const char* original) {
  const TranslationTable* table = FindTable(code);
  return table == nullptr ? std::string_view(code) == SOURCE_LANGUAGE
                          : FindEntry(*table, original) != nullptr;
}

}  // namespace lang
