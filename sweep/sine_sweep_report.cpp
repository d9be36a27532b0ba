#include "sweep/sine_sweep_report.h"

#include <array>

namespace sweep {
namespace {

struct ResultKind {
    const char* format;
    const char* quantity;
    const char* form;
    const char* unit;
};

// Velocity and acceleration are amplitudes like the displacement, so
// zero-to-peak; a frequency, a count or a rate has no form.
constexpr std::array<ResultKind, 9> kKinds = {{
    {kDispZeroPeakFormat, "displacement", "zero-to-peak", "in"},
    {kDispPeakPeakFormat, "displacement", "peak-to-peak", "in"},
    {kVelocityFormat, "velocity", "zero-to-peak", "in/s"},
    {kAccelerationFormat, "acceleration", "zero-to-peak", "g"},
    {kFrequencyFormat, "frequency", "", "Hz"},
    {kOctavesFormat, "octaves", "", "oct"},
    {kLinearRateFormat, "sweep rate", "", "Hz/min"},
    {kLogRateFormat, "sweep rate", "", "oct/min"},
    {kCyclesFormat, "cycles", "", "cycles"},
}};

}  // namespace

std::vector<halvex::ResultRow> ResultRows(const SweepOutcome& outcome) {
    std::vector<halvex::ResultRow> rows;
    if (outcome.message != nullptr) return rows;
    for (const SweepOutput& output : outcome.outputs) {
        for (const ResultKind& kind : kKinds) {
            std::string value = halvex::NumberField(kind.format, output.text);
            if (value.empty()) continue;
            rows.push_back({kind.quantity, kind.form, std::move(value), kind.unit});
            break;
        }
    }
    return rows;
}

}  // namespace sweep
