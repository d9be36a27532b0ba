#include "cli/calc_answers.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "numeric/json_text.h"
#include "numeric/results_table.h"
#include "puresine/pure_sine_report.h"
#include "puresine/pure_sine_results.h"
#include "puresine/pure_sine_state.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_report.h"

namespace halvex::cli {
namespace {

using puresine::kResultBoxes;
using puresine::ResultBox;

// Indices into kResultBoxes in the grid's reading order: row by row from
// the top, left to right within a row.
const std::array<std::size_t, 20>& GridOrder() {
    static const std::array<std::size_t, 20> order = [] {
        std::array<std::size_t, 20> indices{};
        for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = i;
        std::stable_sort(indices.begin(), indices.end(), [](std::size_t a, std::size_t b) {
            const ResultBox& x = kResultBoxes[a];
            const ResultBox& y = kResultBoxes[b];
            return x.row != y.row ? x.row < y.row : x.column < y.column;
        });
        return indices;
    }();
    return order;
}

// Where the text of a box stands among the texts set, which is also where
// its number stands among the values; -1 for a box this branch leaves blank.
int SetIndexOf(const puresine::OutputTexts& texts, int id) {
    for (std::size_t i = 0; i < texts.count; ++i) {
        if (texts.items[i].id == id) return static_cast<int>(i);
    }
    return -1;
}

// One pure sine result as the JSON answer lists it.
struct PureSineItem {
    const ResultBox* box;
    const std::string* text;
    double value;
    const char* unit;
};

template <typename Visit>
void ForEachPureSineItem(const puresine::PureSineOutcome& outcome, bool rotation, Visit visit) {
    std::array<double, 20> translation{};
    std::array<double, 8> angular{};
    if (rotation) {
        puresine::RotationValues(outcome.motion, g_pi, angular);
    } else {
        puresine::TranslationValues(outcome.motion, translation);
    }
    for (std::size_t index : GridOrder()) {
        const ResultBox& box = kResultBoxes[index];
        const int set = SetIndexOf(outcome.texts, box.id);
        if (set < 0) continue;
        const auto i = static_cast<std::size_t>(set);
        const double value = rotation ? angular[i] : translation[i];
        visit(
            PureSineItem{&box, &outcome.texts.items[i].text, value, rotation ? box.rotationUnit : box.translationUnit});
    }
}

int SweepRow(int id) {
    using namespace res::sine_sweep;
    switch (id) {
        case IDC_OUTPUT1:
            return 1;
        case IDC_OUTPUT2:
            return 2;
        case IDC_OUTPUT3:
            return 3;
        default:
            return 4;
    }
}

}  // namespace

void WritePureSine(const puresine::PureSineOutcome& outcome, int typeSel, Format format, std::string& out) {
    const bool rotation = typeSel != 0;
    switch (format) {
        case Format::Text:
            ForEachPureSineItem(outcome, rotation, [&](const PureSineItem& item) {
                out += *item.text;
                out += '\n';
            });
            break;
        case Format::Tsv:
            // As Copy All Results copies it: in the order Calculate sets the texts.
            out += ResultsTable(puresine::ResultRows(outcome.texts, rotation));
            break;
        case Format::Json: {
            out += "{\"results\":[";
            bool first = true;
            ForEachPureSineItem(outcome, rotation, [&](const PureSineItem& item) {
                out += first ? "{\"quantity\":\"" : ",{\"quantity\":\"";
                first = false;
                out += puresine::QuantityName(item.box->quantity);
                out += "\",\"form\":\"";
                out += puresine::FormName(item.box->form);
                out += "\",\"unit\":";
                AppendJsonString(out, item.unit);
                out += ",\"value\":";
                AppendJsonShortestDouble(out, item.value);
                out += ",\"text\":";
                AppendJsonString(out, *item.text);
                out += '}';
            });
            out += "]}\n";
            break;
        }
    }
}

void WriteSweep(const sweep::SweepOutcome& outcome, Format format, std::string& out) {
    // From the top of the output area, whatever order the texts were set in.
    std::array<const sweep::SweepOutput*, 4> rows{};
    for (const sweep::SweepOutput& output : outcome.outputs) rows[SweepRow(output.id) - 1] = &output;
    switch (format) {
        case Format::Text:
            for (const sweep::SweepOutput* output : rows) {
                if (output == nullptr) continue;
                out += output->text;
                out += '\n';
            }
            break;
        case Format::Tsv:
            out += ResultsTable(sweep::ResultRows(outcome));
            break;
        case Format::Json: {
            out += "{\"outputs\":[";
            bool first = true;
            for (std::size_t row = 0; row < rows.size(); ++row) {
                if (rows[row] == nullptr) continue;
                out += first ? "{\"row\":" : ",{\"row\":";
                first = false;
                out += static_cast<char>('1' + row);
                out += ",\"text\":";
                AppendJsonString(out, rows[row]->text);
                out += ",\"value\":";
                AppendJsonShortestDouble(out, rows[row]->value);
                out += '}';
            }
            out += "]}\n";
            break;
        }
    }
}

}  // namespace halvex::cli
