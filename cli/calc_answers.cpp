#include "cli/calc_answers.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "numeric/json_text.h"
#include "numeric/results_table.h"
#include "puresine/pure_sine_report.h"
#include "puresine/pure_sine_results.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_report.h"

namespace halvex::cli {
namespace {

using puresine::ResultBox;

// One text set, with the box that shows it.
struct BoxText {
    const ResultBox* box;
    const puresine::OutputText* text;
};

// The texts set, in the grid's reading order: row by row from the top, left
// to right within a row.
struct GridTexts {
    std::array<BoxText, 20> items{};
    std::size_t count = 0;

    const BoxText* begin() const { return items.data(); }
    const BoxText* end() const { return items.data() + count; }
};

GridTexts InGridOrder(const puresine::OutputTexts& texts) {
    GridTexts grid;
    for (const puresine::OutputText& text : texts) {
        if (const ResultBox* box = puresine::FindResultBox(text.id)) grid.items[grid.count++] = {box, &text};
    }
    std::stable_sort(grid.items.begin(), grid.items.begin() + static_cast<std::ptrdiff_t>(grid.count),
                     [](const BoxText& a, const BoxText& b) {
                         return a.box->row != b.box->row ? a.box->row < b.box->row : a.box->column < b.box->column;
                     });
    return grid;
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
    const GridTexts grid = InGridOrder(outcome.texts);
    switch (format) {
        case Format::Text: {
            // In the language asked for, as the dialog shows them.
            puresine::OutputTexts shown = outcome.texts;
            puresine::ShowInLanguage(shown, typeSel);
            for (const BoxText& item : InGridOrder(shown)) {
                out += item.text->text;
                out += '\n';
            }
            break;
        }
        case Format::Tsv:
            // As Copy All Results copies it: in the order Calculate sets the texts.
            out += ResultsTable(puresine::ResultRows(outcome.texts, rotation));
            break;
        case Format::Json: {
            out += "{\"results\":[";
            bool first = true;
            for (const BoxText& item : grid) {
                out += first ? "{\"quantity\":\"" : ",{\"quantity\":\"";
                first = false;
                out += puresine::QuantityName(item.box->quantity);
                out += "\",\"form\":\"";
                out += puresine::FormName(item.box->form);
                out += "\",\"unit\":";
                AppendJsonString(out, rotation ? item.box->rotationUnit : item.box->translationUnit);
                out += ",\"value\":";
                AppendJsonShortestDouble(out, item.text->value);
                out += ",\"text\":";
                AppendJsonString(out, item.text->text);
                out += '}';
            }
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
        case Format::Text: {
            sweep::SweepOutcome shown = outcome;
            sweep::ShowInLanguage(shown);
            std::array<const sweep::SweepOutput*, 4> shownRows{};
            for (const sweep::SweepOutput& output : shown.outputs) shownRows[SweepRow(output.id) - 1] = &output;
            for (const sweep::SweepOutput* output : shownRows) {
                if (output == nullptr) continue;
                out += output->text;
                out += '\n';
            }
            break;
        }
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
