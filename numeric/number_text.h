#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace halvex {

// Two kinds of number text, kept apart by name:
// - what a person types and reads (the boxes, results, grid cells, chart
//   labels, reports, messages, Copy All Results, halvex-calc's text and tsv):
//   ReadNumber, ParseNumber, FormatNumber, FormatNumberField and
//   AppendShortestShownNumber, whose decimal sign follows DecimalComma();
// - what a program reads (plan and library documents, JSON, SVG, command-line
//   options, recovery copies, halvex-drive's values): the ...Point... functions,
//   which always write and read the point, whatever the setting.
// Neither ever groups digits, and nothing here reads the process locale.

// Whether the numbers a person types and reads use the decimal comma; the
// point until set, once at start-up, from the user's regional settings or
// --decimal-comma. Files and machine output never follow it.
void SetDecimalComma(bool comma);
bool DecimalComma();

// The decimal sign of the numbers a person reads: ',' or '.'.
char ShownDecimalSign();

// While it lives, the numbers a person reads are written and read with the
// point whatever the setting: for a machine answer whose texts come from the
// same calculations as a window's (halvex-calc --format json).
class PointNumbersScope {
public:
    PointNumbersScope();
    ~PointNumbersScope();
    PointNumbersScope(const PointNumbersScope&) = delete;
    PointNumbersScope& operator=(const PointNumbersScope&) = delete;

private:
    bool m_comma;
};

// Reads a number written with the given decimal sign ('.' or ','). The text
// counts as a number only when all of it is one number of the form
//   [white space] [sign] digits [<decimal sign> digits] [(e|E) [sign] digits] [white space]
// (digits may be missing on one side of the decimal sign, not both); anything
// else, the other sign ("1,5" with the point, "1.5" with the comma), digit
// grouping, "12abc", "1e" or "10 kHz" included, is not a number. Hexadecimal
// forms and the words inf and nan are not numbers either. The value is
// strtod's in the "C" locale, whatever the process locale is.
std::optional<double> ReadNumberWith(std::string_view text, char decimalSign);

// A typed number, with the user's decimal sign.
std::optional<double> ReadNumber(std::string_view text);
// A number of a file, an option or a JSON text: always the point.
std::optional<double> ReadPointNumber(std::string_view text);

// The number, or 0 for a text that is not one: the checks then refuse it
// just as they refuse an empty box.
double ParseNumber(std::string_view text);
double ParsePointNumber(std::string_view text);

// printf-style formatting of one double with a format that holds exactly one
// "%W.Pg" conversion between literal text, e.g. "%12.4g mm". The result
// replaces the contents of out. Only the number takes the decimal sign: the
// user's for FormatNumber, always '.' for FormatPointNumber; infinities and
// NaN are written "inf", "-inf" and "nan" in the number's field.
void FormatNumber(std::string& out, std::string_view format, double value);
std::string FormatNumber(std::string_view format, double value);
void FormatPointNumber(std::string& out, std::string_view format, double value);
std::string FormatPointNumber(std::string_view format, double value);

// Appends the shortest text that reads back as the same double ("0.1", not
// "0.10000000000000001"); infinities and NaN as "inf", "-inf" and "nan".
// AppendShortestPointNumber always with '.', AppendShortestShownNumber with
// the user's decimal sign.
void AppendShortestPointNumber(std::string& out, double value);
void AppendShortestShownNumber(std::string& out, double value);

// The number alone as FormatNumber writes it in its field: no padding and no
// literal text, "0.00978" for "disp = %12.3g in" and 0.0097775, with the
// user's decimal sign. The results table (Copy All Results, halvex-calc's
// tsv) takes the number from here, never from a text shown.
void FormatNumberField(std::string& out, std::string_view format, double value);

std::string FormatNumberField(std::string_view format, double value);

}  // namespace halvex
