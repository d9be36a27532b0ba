#include "lang/tr.h"

#include <cstring>
#include <string>

#include "lang/catalogue.h"

namespace lang {
namespace {

Language g_language = Language::English;
const Catalogue* g_catalogue = nullptr;

// gettext's plural rule of each language: 0 for the first form.
std::size_t PluralForm(Language language, unsigned long n) {
    switch (language) {
        case Language::Chinese:
        case Language::Japanese:
            return 0;
        case Language::French:
            return n > 1 ? 1 : 0;
        default:
            return n != 1 ? 1 : 0;
    }
}

const char* Find(const Catalogue* catalogue, const char* key) {
    if (catalogue == nullptr) return nullptr;
    std::size_t low = 0;
    std::size_t high = catalogue->count;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        const int order = std::strcmp(catalogue->entries[middle].key, key);
        if (order == 0) return catalogue->entries[middle].text;
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return nullptr;
}

std::string KeyOf(const char* context, const char* english) {
    std::string key(context);
    key += '\x04';
    key += english;
    return key;
}

}  // namespace

const char* CodeOf(Language language) {
    switch (language) {
        case Language::German:
            return "de";
        case Language::French:
            return "fr";
        case Language::Chinese:
            return "zh_CN";
        case Language::Japanese:
            return "ja";
        default:
            return "en";
    }
}

std::optional<Language> LanguageOfCode(std::string_view code) {
    for (Language language : kLanguages) {
        if (code == CodeOf(language)) return language;
    }
    return std::nullopt;
}

std::optional<Language> LanguageOfLocaleName(std::string_view name) {
    // "ll", "ll_CC", each maybe followed by ".codeset" and "@modifier".
    const std::size_t end = name.find_first_of(".@");
    const std::string_view tag = name.substr(0, end);
    const std::string_view language = tag.substr(0, tag.find_first_of("_-"));
    if (language == "en") return Language::English;
    if (language == "de") return Language::German;
    if (language == "fr") return Language::French;
    if (language == "ja") return Language::Japanese;
    if (language == "zh") {
        const std::string_view region = tag.size() > 2 ? tag.substr(3) : std::string_view();
        if (region.empty() || region == "CN" || region == "SG" || region == "Hans") return Language::Chinese;
    }
    return std::nullopt;
}

void SetLanguage(Language language) {
    g_language = language;
    g_catalogue = FindCatalogue(CodeOf(language));
}

Language CurrentLanguage() { return g_language; }

const char* Tr(const char* english) {
    if (g_catalogue == nullptr || *english == '\0') return english;
    const char* found = Find(g_catalogue, english);
    return found != nullptr ? found : english;
}

const char* TrC(const char* context, const char* english) {
    if (g_catalogue == nullptr || *english == '\0') return english;
    const char* found = Find(g_catalogue, KeyOf(context, english).c_str());
    return found != nullptr ? found : english;
}

const char* TrN(const char* singular, const char* plural, unsigned long n) {
    const char* forms = g_catalogue != nullptr ? Find(g_catalogue, singular) : nullptr;
    if (forms == nullptr) return n == 1 ? singular : plural;
    for (std::size_t form = PluralForm(g_language, n); form > 0 && *forms != '\0'; --form) {
        forms += std::strlen(forms) + 1;
    }
    return *forms != '\0' ? forms : (n == 1 ? singular : plural);
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string out;
    out.reserve(pattern.size() + 16);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char next = pattern[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (next >= '1' && next <= '9') {
                const std::size_t index = static_cast<std::size_t>(next - '1');
                if (index < arguments.size()) out += *(arguments.begin() + index);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

bool HasTranslation(Language language, const char* context, const char* english) {
    const Catalogue* catalogue = FindCatalogue(CodeOf(language));
    if (catalogue == nullptr) return language == Language::English;
    const char* found =
        context == nullptr ? Find(catalogue, english) : Find(catalogue, KeyOf(context, english).c_str());
    return found != nullptr && *found != '\0';
}

}  // namespace lang
