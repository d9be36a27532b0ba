#include "numeric/results_table.h"

#include <string_view>
#include <utility>

#include "lang/tr.h"

namespace halvex {
namespace {

// The header's and the calculators' words as this table writes them, each in
// a context of its own: a column takes the full term where a label of the
// same English (a list item, a field's caption) is short. Any other word, a
// unit symbol or a word a caller translated itself, is written as given.
std::string_view TableWord(std::string_view english) {
    const std::pair<std::string_view, const char*> words[] = {
        {"quantity", lang::TrC("results table", "quantity")},
        {"form", lang::TrC("results table", "form")},
        {"value", lang::TrC("results table", "value")},
        {"unit", lang::TrC("results table", "unit")},
        {"displacement", lang::TrC("results table", "displacement")},
        {"velocity", lang::TrC("results table", "velocity")},
        {"acceleration", lang::TrC("results table", "acceleration")},
        {"peak-to-peak", lang::TrC("results table", "peak-to-peak")},
        {"zero-to-peak", lang::TrC("results table", "zero-to-peak")},
        {"frequency", lang::TrC("results table", "frequency")},
        {"octaves", lang::TrC("results table", "octaves")},
        {"sweep rate", lang::TrC("results table", "sweep rate")},
        {"cycles", lang::TrC("results table", "cycles")},
    };
    for (const auto& [word, translated] : words) {
        if (word == english) return translated;
    }
    return english;
}

void AppendLine(std::string& out, std::string_view quantity, std::string_view form, std::string_view value,
                std::string_view unit) {
    out.append(quantity).append(1, '\t');
    out.append(form).append(1, '\t');
    out.append(value).append(1, '\t');
    out.append(unit).append(1, '\n');
}

}  // namespace

std::string ResultsTable(const std::vector<ResultRow>& rows) {
    std::string out;
    AppendLine(out, TableWord("quantity"), TableWord("form"), TableWord("value"), TableWord("unit"));
    for (const ResultRow& row : rows) {
        AppendLine(out, TableWord(row.quantity), TableWord(row.form), row.value, TableWord(row.unit));
    }
    return out;
}

}  // namespace halvex
