#include <cstdlib>
#include <string_view>

#include "lang/tr.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <langinfo.h>
#include <locale.h>
#endif

namespace lang {

#ifdef _WIN32

Language LanguageOfUserSettings() {
    const LANGID id = GetUserDefaultUILanguage();
    switch (PRIMARYLANGID(id)) {
        case LANG_GERMAN:
            return Language::German;
        case LANG_FRENCH:
            return Language::French;
        case LANG_JAPANESE:
            return Language::Japanese;
        case LANG_CHINESE: {
            const WORD sub = SUBLANGID(id);
            if (sub == SUBLANG_CHINESE_SIMPLIFIED || sub == SUBLANG_CHINESE_SINGAPORE) return Language::Chinese;
            return Language::English;
        }
        default:
            return Language::English;
    }
}

bool DecimalCommaOfUserSettings() {
    wchar_t sign[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, sign, 8) == 0) return false;
    return sign[0] == L',' && sign[1] == L'\0';
}

#else

namespace {

// The first of the variables that is set and not empty, as the C library
// reads a category's locale.
std::string_view FirstSet(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') return value;
    }
    return {};
}

bool IsPlainC(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.substr(0, 2) == "C.";
}

}  // namespace

Language LanguageOfUserSettings() {
    const std::string_view messages = FirstSet({"LC_ALL", "LC_MESSAGES", "LANG"});
    // As gettext does, LANGUAGE is a list of choices, ignored under the C locale.
    if (!IsPlainC(messages)) {
        std::string_view list = FirstSet({"LANGUAGE"});
        while (!list.empty()) {
            const std::size_t colon = list.find(':');
            const std::string_view one = list.substr(0, colon);
            if (const auto language = LanguageOfLocaleName(one)) return *language;
            list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        }
    }
    if (IsPlainC(messages)) return Language::English;
    return LanguageOfLocaleName(messages).value_or(Language::English);
}

bool DecimalCommaOfUserSettings() {
    const std::string_view name = FirstSet({"LC_ALL", "LC_NUMERIC", "LANG"});
    if (IsPlainC(name)) return false;
    const std::string copy(name);
    // The locale's own decimal sign where it is installed...
    if (locale_t numeric = newlocale(LC_NUMERIC_MASK, copy.c_str(), static_cast<locale_t>(nullptr))) {
        const std::string_view sign = nl_langinfo_l(RADIXCHAR, numeric);
        const bool comma = sign == ",";
        freelocale(numeric);
        return comma;
    }
    // ...and otherwise the usual sign of its language and region.
    const std::string_view tag = name.substr(0, name.find_first_of(".@"));
    const std::string_view language = tag.substr(0, tag.find('_'));
    const std::string_view region = tag.size() > language.size() ? tag.substr(language.size() + 1) : "";
    if (region == "CH" || region == "LI") return false;  // the Swiss write a point
    for (const char* comma :
         {"de", "fr", "es", "it", "pt", "nl", "ru", "pl", "cs", "sk", "sv", "da", "nb", "nn", "no", "fi", "tr", "el",
          "hu", "ro", "uk", "bg", "hr", "sl", "sr", "lt", "lv", "et", "id", "vi", "ca", "eu", "gl", "be", "kk", "az"}) {
        if (language == comma) return true;
    }
    return false;
}

#endif

}  // namespace lang
