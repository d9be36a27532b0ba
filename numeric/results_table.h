#pragma once

#include <string>
#include <string_view>
#include <vector>

// The results as a plain-text table: what Copy All Results puts on the
// clipboard and what the command line prints, byte for byte the same.
namespace halvex {

struct ResultRow {
    std::string quantity;  // "displacement", "frequency", ...
    std::string form;      // "zero-to-peak" or "peak-to-peak"; empty where it does not apply
    std::string value;     // the number as the box shows it, without padding
    std::string unit;      // a short symbol: "mm", "in/s", "Hz/min"
};

// A header row "quantity\tform\tvalue\tunit", then one row per result, each
// line ended by '\n' (also the last). Tabs keep a spreadsheet paste to one
// value per cell; no field holds a tab or a line end.
std::string ResultsTable(const std::vector<ResultRow>& rows);

// The number field of a text written by FormatNumber(format, value), without
// its padding: "disp =      0.00978 in" under "disp = %12.3g in" gives
// "0.00978". Empty when the text does not have the format's literal text
// around a number field.
std::string NumberField(std::string_view format, std::string_view text);

}  // namespace halvex
