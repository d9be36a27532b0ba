#pragma once

#include <string>
#include <string_view>

namespace halvex {

// Reads a typed number the way the calculators always have: leading white
// space is skipped, the longest prefix of the form
//   [sign] digits [. digits] [(e|E) [sign] digits]
// is the number (digits may be missing on one side of the point, not both),
// and the rest of the text is ignored. Text without such a prefix gives 0.
// Hexadecimal forms and the words inf and nan are not numbers. The result
// never depends on the process locale.
double ParseNumber(std::string_view text);

// Length of the number prefix that ParseNumber reads, counted from the start
// of the text (leading white space included); 0 when there is none.
std::size_t NumberPrefixLength(std::string_view text);

// printf-style formatting of one double with a format that holds exactly one
// "%W.Pg" conversion between literal text, e.g. "%12.4g mm". The result
// replaces the contents of out. The decimal point is always '.', whatever
// the locale; infinities and NaN are written "inf", "-inf" and "nan" in the
// number's field.
void FormatNumber(std::string& out, std::string_view format, double value);

std::string FormatNumber(std::string_view format, double value);

}  // namespace halvex
