// The number reader against the C library's strtod in the "C" locale: a text
// is accepted only when strtod reads all of it but trailing white space, and
// then to the same bits.
#include <locale.h>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "numeric/number_text.h"

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// strtod's own white space in the "C" locale.
bool OnlySpace(const char* text) {
    for (; *text != '\0'; ++text) {
        if (std::strchr(" \t\n\v\f\r", *text) == nullptr) return false;
    }
    return true;
}

// What strtod reads that is no number here: hexadecimal forms, inf and nan.
bool HasHexOrWord(const char* text, std::size_t length) {
    for (std::size_t i = 0; i < length; ++i) {
        if (std::strchr("xXiInNpP", text[i]) != nullptr) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> read = halvex::ReadNumber(text);
    const double parsed = halvex::ParseNumber(text);

    // A refused text reads as an empty box.
    const double zero = 0.0;
    if (!read && std::memcmp(&parsed, &zero, sizeof parsed) != 0) std::abort();
    if (read && std::memcmp(&parsed, &*read, sizeof parsed) != 0) std::abort();

    // strtod stops at an embedded NUL; such a text is never a number.
    if (std::memchr(text.data(), '\0', text.size()) != nullptr) {
        if (read) std::abort();
        return 0;
    }
    char* end = nullptr;
    const double whole = strtod_l(text.c_str(), &end, CLocale());
    const auto consumed = static_cast<std::size_t>(end - text.c_str());
    const bool wholeNumber = consumed > 0 && OnlySpace(end) && !HasHexOrWord(text.c_str(), consumed);
    if (read.has_value() != wholeNumber) std::abort();
    if (read && std::memcmp(&whole, &*read, sizeof whole) != 0) std::abort();
    return 0;
}
