#include "puresine/pure_sine_report.h"

#include "puresine/pure_sine_results.h"

namespace puresine {

std::vector<halvex::ResultRow> ResultRows(const OutputTexts& texts, bool rotation) {
    std::vector<halvex::ResultRow> rows;
    for (const OutputText& text : texts) {
        const ResultBox* box = FindResultBox(text.id);
        if (box == nullptr) continue;
        const char* unit = rotation ? box->rotationUnit : box->translationUnit;
        if (unit == nullptr) continue;
        rows.push_back({QuantityName(box->quantity), FormName(box->form), text.number, unit});
    }
    return rows;
}

}  // namespace puresine
