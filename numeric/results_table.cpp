#include "numeric/results_table.h"

#include <string_view>

#include "lang/tr.h"

namespace halvex {
namespace {

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
    AppendLine(out, lang::Tr("quantity"), lang::Tr("form"), lang::Tr("value"), lang::Tr("unit"));
    for (const ResultRow& row : rows) AppendLine(out, row.quantity, row.form, row.value, row.unit);
    return out;
}

}  // namespace halvex
