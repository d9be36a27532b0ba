#pragma once

#include <optional>
#include <string>
#include <string_view>

// Marks a text for the catalogues where it is written (a table, a template)
// and leaves it English; Tr translates it where it is shown.
#define N_(text) text

// The languages the program speaks, and the translation of what it shows.
// English is the texts as written in the sources; every other language
// comes from its catalogue under po/, compiled into the program.
namespace lang {

enum class Language { English, German, French, Chinese, Japanese };

constexpr Language kLanguages[] = {Language::English, Language::German, Language::French, Language::Chinese,
                                   Language::Japanese};

// "en", "de", "fr", "zh_CN", "ja".
const char* CodeOf(Language language);

// The language of a code as --language takes it: exactly "en", "de", "fr",
// "zh_CN" or "ja", not a locale name.
std::optional<Language> LanguageOfCode(std::string_view code);

// The language a code or a locale name asks for ("de", "de_DE.UTF-8",
// "fr_CA", "zh_CN.GB18030", "ja_JP", "C"), or nothing when Halvex does not
// speak it. Chinese is Simplified Chinese only: "zh_TW" and "zh_HK" are not.
std::optional<Language> LanguageOfLocaleName(std::string_view name);

// The language the user's settings ask for: on Windows the user's display
// language; elsewhere the first of LANGUAGE (a colon-separated list, read
// only when the messages locale is not "C"), LC_ALL, LC_MESSAGES and LANG
// that is set. English when it names none Halvex speaks.
Language LanguageOfUserSettings();

// Whether the user's regional settings write numbers with a decimal comma:
// the user locale's decimal separator on Windows; elsewhere the first of
// LC_ALL, LC_NUMERIC and LANG that is set, by the locale's own decimal sign.
bool DecimalCommaOfUserSettings();

// The process's language, English until set. Set once at start-up, before
// any window opens.
void SetLanguage(Language language);
Language CurrentLanguage();

// The text in the process's language: the catalogue's translation, or the
// text itself in English or when the catalogue has none. The pointer stays
// valid for the life of the program.
const char* Tr(const char* english);
// The same for a text whose translation depends on where it is shown, told
// apart by a context ("menu", "unit list").
const char* TrC(const char* context, const char* english);
// A text about a count: the language's form for n of the singular and
// plural English forms.
const char* TrN(const char* singular, const char* plural, unsigned long n);

// Fills the placeholders %1 to %9 of a translated text with the arguments,
// in whatever order the translation puts them; "%%" is one "%".
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments);

// Whether the language's catalogue translates the text (tests: a text shown
// must not be left English by mistake).
bool HasTranslation(Language language, const char* context, const char* english);

}  // namespace lang
