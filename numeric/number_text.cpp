#include "numeric/number_text.h"

#include <locale.h>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace halvex {
namespace {

bool g_decimalComma = false;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

#ifndef _WIN32
// The "C" locale, created once; strtod_l with it ignores the global and the
// thread locale that a toolkit may have set from the environment.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}
#endif

// Length of the number at the start of the text, leading white space
// included; 0 when there is none.
std::size_t NumberPrefixLength(std::string_view text, char decimalSign) {
    std::size_t pos = 0;
    while (pos < text.size() && IsSpace(text[pos])) ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    const std::size_t intStart = pos;
    pos = SkipDigits(text, pos);
    bool haveDigits = pos > intStart;
    if (pos < text.size() && text[pos] == decimalSign) {
        const std::size_t fracStart = pos + 1;
        const std::size_t fracEnd = SkipDigits(text, fracStart);
        if (haveDigits || fracEnd > fracStart) {
            haveDigits = true;
            pos = fracEnd;
        }
    }
    if (!haveDigits) return 0;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exp = pos + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-')) ++exp;
        const std::size_t expEnd = SkipDigits(text, exp);
        if (expEnd > exp) pos = expEnd;
    }
    return pos;
}

}  // namespace

void SetDecimalComma(bool comma) { g_decimalComma = comma; }

bool DecimalComma() { return g_decimalComma; }

char ShownDecimalSign() { return g_decimalComma ? ',' : '.'; }

PointNumbersScope::PointNumbersScope() : m_comma(g_decimalComma) { g_decimalComma = false; }

PointNumbersScope::~PointNumbersScope() { g_decimalComma = m_comma; }

namespace {

// The value of a text whose first length characters are a number written
// with the point, as NumberPrefixLength found it.
double PointNumberValue(std::string_view text, std::size_t length) {
#ifdef _WIN32
    // Windows has no strtod_l; from_chars is locale-free and correctly
    // rounded, as strtod is, but takes neither blanks nor a plus sign.
    std::size_t start = 0;
    while (IsSpace(text[start])) ++start;
    if (text[start] == '+') ++start;
    const char* first = text.data() + start;
    const char* last = text.data() + length;
    double value = 0.0;
    if (std::from_chars(first, last, value).ec != std::errc::result_out_of_range) return value;
    // Beyond a double's range: through the wider type, which rounds it to
    // infinity or zero with its sign as strtod does; beyond that too, by the
    // exponent's sign.
    long double wide = 0.0L;
    if (std::from_chars(first, last, wide).ec != std::errc::result_out_of_range) return static_cast<double>(wide);
    const std::string_view number(first, static_cast<std::size_t>(last - first));
    const std::size_t e = number.find_first_of("eE");
    const bool tiny = e != std::string_view::npos && number[e + 1] == '-';
    const double magnitude = tiny ? 0.0 : HUGE_VAL;
    return number[0] == '-' ? -magnitude : magnitude;
#else
    // strtod needs a terminated copy; the number holds nothing it would read
    // differently (no hex, no inf/nan), so the two agree by construction.
    const std::string number(text.substr(0, length));
    return strtod_l(number.c_str(), nullptr, CLocale());
#endif
}

}  // namespace

std::optional<double> ReadNumberWith(std::string_view text, char decimalSign) {
    const std::size_t length = NumberPrefixLength(text, decimalSign);
    if (length == 0) return std::nullopt;
    for (std::size_t pos = length; pos < text.size(); ++pos) {
        if (!IsSpace(text[pos])) return std::nullopt;
    }
    if (decimalSign == '.') return PointNumberValue(text, length);
    // The number holds at most one decimal sign and no point.
    std::string number(text.substr(0, length));
    const std::size_t sign = number.find(decimalSign);
    if (sign != std::string::npos) number[sign] = '.';
    return PointNumberValue(number, length);
}

std::optional<double> ReadNumber(std::string_view text) { return ReadNumberWith(text, ShownDecimalSign()); }

std::optional<double> ReadPointNumber(std::string_view text) { return ReadNumberWith(text, '.'); }

double ParseNumber(std::string_view text) { return ReadNumber(text).value_or(0.0); }

double ParsePointNumber(std::string_view text) { return ReadPointNumber(text).value_or(0.0); }

namespace {

// The one "%W.Pg" conversion of a format: where it starts and ends, and its
// width and precision.
struct Conversion {
    std::size_t percent = 0;
    std::size_t end = 0;  // just past the 'g'
    int width = 0;
    int precision = 6;
};

Conversion ReadConversion(std::string_view format) {
    Conversion conversion;
    conversion.percent = format.find('%');
    if (conversion.percent == std::string_view::npos) throw std::invalid_argument("format without a conversion");
    std::size_t pos = conversion.percent + 1;
    while (pos < format.size() && IsDigit(format[pos])) {
        conversion.width = conversion.width * 10 + (format[pos++] - '0');
    }
    if (pos < format.size() && format[pos] == '.') {
        conversion.precision = 0;
        ++pos;
        while (pos < format.size() && IsDigit(format[pos])) {
            conversion.precision = conversion.precision * 10 + (format[pos++] - '0');
        }
    }
    if (pos >= format.size() || format[pos] != 'g') throw std::invalid_argument("format is not %W.Pg");
    if (conversion.precision == 0) conversion.precision = 1;  // as printf treats %.0g
    conversion.end = pos + 1;
    return conversion;
}

// to_chars writes the point; the one point of a number becomes the sign
// asked for.
void ToDecimalSign(char* first, const char* last, char decimalSign) {
    if (decimalSign == '.') return;
    for (char* c = first; c != last; ++c) {
        if (*c == '.') *c = decimalSign;
    }
}

// The number as %.Pg writes it, without padding, with the decimal sign
// given; returns its length.
std::size_t WriteNumber(char (&number)[64], double value, int precision, char decimalSign) {
    if (std::isnan(value)) {
        constexpr std::string_view word = "nan";
        word.copy(number, word.size());
        return word.size();
    }
    if (std::isinf(value)) {
        const std::string_view word = value < 0 ? "-inf" : "inf";
        word.copy(number, word.size());
        return word.size();
    }
    // to_chars with a precision is printf's %.Pg in the "C" locale.
    const auto result = std::to_chars(number, number + sizeof number, value, std::chars_format::general, precision);
    ToDecimalSign(number, result.ptr, decimalSign);
    return static_cast<std::size_t>(result.ptr - number);
}

// Writes the number of a "%W.Pg" format with the decimal sign given.
void FormatWith(std::string& out, std::string_view format, double value, char decimalSign) {
    const Conversion conversion = ReadConversion(format);
    char number[64];
    const std::size_t numberLength = WriteNumber(number, value, conversion.precision, decimalSign);
    out.assign(format.substr(0, conversion.percent));
    const auto width = static_cast<std::size_t>(conversion.width);
    if (numberLength < width) out.append(width - numberLength, ' ');
    out.append(number, numberLength);
    out.append(format.substr(conversion.end));
}

void AppendShortest(std::string& out, double value, char decimalSign) {
    // to_chars without a precision is locale-free and round-trips exactly.
    char buffer[32];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
    ToDecimalSign(buffer, written.ptr, decimalSign);
    out.append(buffer, written.ptr);
}

}  // namespace

void FormatNumber(std::string& out, std::string_view format, double value) {
    FormatWith(out, format, value, ShownDecimalSign());
}

void FormatPointNumber(std::string& out, std::string_view format, double value) { FormatWith(out, format, value, '.'); }

void FormatNumberField(std::string& out, std::string_view format, double value) {
    const Conversion conversion = ReadConversion(format);
    char number[64];
    out.assign(number, WriteNumber(number, value, conversion.precision, ShownDecimalSign()));
}

void AppendShortestPointNumber(std::string& out, double value) { AppendShortest(out, value, '.'); }

void AppendShortestShownNumber(std::string& out, double value) { AppendShortest(out, value, ShownDecimalSign()); }

std::string FormatNumber(std::string_view format, double value) {
    std::string out;
    FormatNumber(out, format, value);
    return out;
}

std::string FormatPointNumber(std::string_view format, double value) {
    std::string out;
    FormatPointNumber(out, format, value);
    return out;
}

std::string FormatNumberField(std::string_view format, double value) {
    std::string out;
    FormatNumberField(out, format, value);
    return out;
}

}  // namespace halvex
