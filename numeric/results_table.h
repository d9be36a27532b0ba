#pragma once

#include <string>
#include <vector>

// The results as a plain-text table: what Copy All Results puts on the
// clipboard and what the command line prints, byte for byte the same.
namespace halvex {

struct ResultRow {
    std::string quantity;  // "displacement", "frequency", ...
    std::string form;      // "zero-to-peak" or "peak-to-peak"; empty where it does not apply
    std::string value;     // the number as the box shows it, without padding (FormatNumberField)
    std::string unit;      // a short symbol: "mm", "in/s", "Hz/min"
};

// A header row "quantity\tform\tvalue\tunit", then one row per result, the
// header's and the calculators' words in the process's language (unit
// symbols as they are), each line ended by '\n' (also the last). Tabs
// keep a spreadsheet paste to one value per cell; no field holds a tab or a
// line end.
std::string ResultsTable(const std::vector<ResultRow>& rows);

}  // namespace halvex
