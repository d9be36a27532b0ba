// The number reader against the C library's strtod in the "C" locale.
#include <locale.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "numeric/number_text.h"

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

bool HasHexOrWord(const std::string& text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        const char c = text[i];
        if (c == 'x' || c == 'X' || c == 'i' || c == 'I' || c == 'n' || c == 'N' || c == 'p' || c == 'P') return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double parsed = halvex::ParseNumber(text);
    const std::size_t length = halvex::NumberPrefixLength(text);

    // The prefix read is exactly what strtod reads of it, to the bit.
    const std::string prefix = text.substr(0, length);
    char* end = nullptr;
    const double expected = length == 0 ? 0.0 : strtod_l(prefix.c_str(), &end, CLocale());
    if (length > 0 && end != prefix.c_str() + length) std::abort();
    if (std::memcmp(&parsed, &expected, sizeof parsed) != 0) std::abort();

    // On the whole text strtod stops at the same place, unless it took a
    // hexadecimal form or a word that is no number here. (An embedded NUL
    // ends the text for strtod.)
    if (std::memchr(text.data(), '\0', text.size()) == nullptr) {
        const double whole = strtod_l(text.c_str(), &end, CLocale());
        const auto consumed = static_cast<std::size_t>(end - text.c_str());
        if (!HasHexOrWord(text, consumed)) {
            if (consumed != length) std::abort();
            if (length > 0 && std::memcmp(&whole, &parsed, sizeof parsed) != 0) std::abort();
        }
    }
    return 0;
}
