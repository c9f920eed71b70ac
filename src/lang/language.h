// The language of the game's texts: which one is chosen, and each text in it.
#pragma once

#include <string>
#include <vector>

namespace lang {

// The texts are written in Japanese in the sources; every other language has a
// catalogue in po/ that the build compiles in.
constexpr const char* SOURCE_LANGUAGE = "ja";
// The language for a locale that names none of the languages.
constexpr const char* DEFAULT_LANGUAGE = "en";

// Every language: the source language first, then the catalogues' languages.
std::vector<const char*> Languages();
bool IsLanguage(const char* code);
// "ja, en": the languages for a message.
std::string LanguageList();

// The language a locale asks for, from the values of LC_ALL, LC_MESSAGES and LANG
// (null when unset): the first of them that is set and not empty decides; it names
// a language when its language part ("ja" of "ja_JP.UTF-8") or its language and
// territory ("pt_BR" of "pt_BR.UTF-8") is one, and the source language when it
// begins with "ja" ("japanese"). Otherwise DEFAULT_LANGUAGE.
const char* LanguageForLocale(const char* lcAll, const char* lcMessages, const char* lang);
// The same for this process's environment.
const char* LocaleLanguage();

// Chooses the language of Translate; code must be one of Languages(). The source
// language is chosen until then.
void SelectLanguage(const char* code);
const char* SelectedLanguage();

// Marks a text that a table holds for translation where it is shown (xgettext's keyword,
// as gettext's N_): the text itself.
constexpr const char* Mark(const char* original) {
  return original;
}

// The text in the chosen language: its catalogue's translation, or the text itself
// in the source language or when the catalogue lacks it.
const char* Translate(const char* original) __attribute__((format_arg(1)));
// The text in a given language (one of Languages()).
const char* TranslateInto(const char* code, const char* original) __attribute__((format_arg(2)));
// Whether the language's catalogue translates the text (always true for the source language).
bool HasTranslation(const char* code, const char* original);

}  // namespace lang
