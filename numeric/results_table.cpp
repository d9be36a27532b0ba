#include "numeric/results_table.h"

namespace halvex {
namespace {

void AppendLine(std::string& out, std::string_view quantity, std::string_view form, std::string_view value,
                std::string_view unit) {
    out.append(quantity).append(1, '\t');
    out.append(form).append(1, '\t');
    out.append(value).append(1, '\t');
    out.append(unit).append(1, '\n');
}

bool StartsWith(std::string_view text, std::string_view part) { return text.substr(0, part.size()) == part; }

bool EndsWith(std::string_view text, std::string_view part) {
    return text.size() >= part.size() && text.substr(text.size() - part.size()) == part;
}

}  // namespace

std::string ResultsTable(const std::vector<ResultRow>& rows) {
    std::string out;
    AppendLine(out, "quantity", "form", "value", "unit");
    for (const ResultRow& row : rows) AppendLine(out, row.quantity, row.form, row.value, row.unit);
    return out;
}

std::string NumberField(std::string_view format, std::string_view text) {
    const std::size_t percent = format.find('%');
    const std::size_t conversion = format.find('g', percent == std::string_view::npos ? 0 : percent);
    if (percent == std::string_view::npos || conversion == std::string_view::npos) return {};
    const std::string_view before = format.substr(0, percent);
    const std::string_view after = format.substr(conversion + 1);
    if (text.size() < before.size() + after.size() || !StartsWith(text, before) || !EndsWith(text, after)) return {};
    std::string_view field = text.substr(before.size(), text.size() - before.size() - after.size());
    // The field is right-aligned with blanks; a number never holds one.
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    if (field.empty() || field.find(' ') != std::string_view::npos) return {};
    return std::string(field);
}

}  // namespace halvex
