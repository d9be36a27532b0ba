#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace halvex {

// Whether the numbers a person types and reads use the decimal comma; the
// point until set, once at start-up, from the user's regional settings or
// --decimal-comma. Files and machine output never follow it.
void SetDecimalComma(bool comma);
bool DecimalComma();

// Reads a typed number. The text counts as a number only when all of it is
// one number of the form
//   [white space] [sign] digits [. digits] [(e|E) [sign] digits] [white space]
// (digits may be missing on one side of the point, not both); anything else,
// "1,5", "12abc", "1e" or "10 kHz" included, is not a number. Hexadecimal
// forms and the words inf and nan are not numbers either. The value is
// strtod's in the "C" locale, whatever the process locale is.
std::optional<double> ReadNumber(std::string_view text);

// The typed number, or 0 for a text that is not one: the checks then refuse
// it just as they refuse an empty box.
double ParseNumber(std::string_view text);

// printf-style formatting of one double with a format that holds exactly one
// "%W.Pg" conversion between literal text, e.g. "%12.4g mm". The result
// replaces the contents of out. The decimal point is always '.', whatever
// the locale; infinities and NaN are written "inf", "-inf" and "nan" in the
// number's field.
void FormatNumber(std::string& out, std::string_view format, double value);

std::string FormatNumber(std::string_view format, double value);

// Appends the shortest text that reads back as the same double ("0.1", not
// "0.10000000000000001"), always with '.'; infinities and NaN as "inf",
// "-inf" and "nan".
void AppendShortestNumber(std::string& out, double value);

// The number alone as FormatNumber writes it in its field: no padding and no
// literal text, "0.00978" for "disp = %12.3g in" and 0.0097775. Tables and
// machine output take the number from here, never from a text shown.
void FormatNumberField(std::string& out, std::string_view format, double value);

std::string FormatNumberField(std::string_view format, double value);

}  // namespace halvex
