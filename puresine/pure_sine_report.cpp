#include "puresine/pure_sine_report.h"

#include "puresine/pure_sine_results.h"

namespace puresine {

std::vector<halvex::ResultRow> ResultRows(const OutputTexts& texts, bool rotation) {
    std::vector<halvex::ResultRow> rows;
    for (const OutputText& text : texts) {
        const ResultBox* box = FindResultBox(text.id);
        if (box == nullptr) continue;
        const char* unit = rotation ? box->rotationUnit : box->translationUnit;
        const char* format = rotation ? box->rotationFormat : box->translationFormat;
        if (unit == nullptr || format == nullptr) continue;
        rows.push_back(
            {QuantityName(box->quantity), FormName(box->form), halvex::NumberField(format, text.text), unit});
    }
    return rows;
}

}  // namespace puresine
