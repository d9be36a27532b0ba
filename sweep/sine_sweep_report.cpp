#include "sweep/sine_sweep_report.h"

namespace sweep {

std::vector<halvex::ResultRow> ResultRows(const SweepOutcome& outcome) {
    std::vector<halvex::ResultRow> rows;
    if (outcome.message != nullptr) return rows;
    for (const SweepOutput& output : outcome.outputs) {
        if (output.kind == nullptr) continue;
        rows.push_back({output.kind->quantity, output.kind->form, output.number, output.kind->unit});
    }
    return rows;
}

}  // namespace sweep
