#pragma once

#include <vector>

#include "lang/tr.h"
#include "numeric/results_table.h"
#include "sweep/sine_sweep_calc.h"

namespace sweep {

// The formats of the output texts, each naming what its number is.
constexpr const char* kDispZeroPeakFormat = N_("disp = %12.3g in zero-to-peak");
constexpr const char* kDispPeakPeakFormat = N_("disp = %12.3g in peak-to-peak");
constexpr const char* kVelocityFormat = N_("vel  = %12.3g in/sec");
constexpr const char* kAccelerationFormat = N_("accel= %12.3g G");
constexpr const char* kFrequencyFormat = N_("Frequency = %12.4g Hz");
constexpr const char* kOctavesFormat = N_("%12.3g octaves");
constexpr const char* kLinearRateFormat = "%12.3g  Hz/min";
constexpr const char* kLogRateFormat = N_("%12.3g  octaves/min");
constexpr const char* kCyclesFormat = N_("%13.6g cycles per sweep");

// Velocity and acceleration are amplitudes like the displacement, so
// zero-to-peak; a frequency, a count or a rate has no form.
inline constexpr OutputKind kDispZeroPeakOutput{kDispZeroPeakFormat, "displacement", "zero-to-peak", "in"};
inline constexpr OutputKind kDispPeakPeakOutput{kDispPeakPeakFormat, "displacement", "peak-to-peak", "in"};
inline constexpr OutputKind kVelocityOutput{kVelocityFormat, "velocity", "zero-to-peak", "in/s"};
inline constexpr OutputKind kAccelerationOutput{kAccelerationFormat, "acceleration", "zero-to-peak", "g"};
inline constexpr OutputKind kFrequencyOutput{kFrequencyFormat, "frequency", "", "Hz"};
inline constexpr OutputKind kOctavesOutput{kOctavesFormat, "octaves", "", "oct"};
inline constexpr OutputKind kLinearRateOutput{kLinearRateFormat, "sweep rate", "", "Hz/min"};
inline constexpr OutputKind kLogRateOutput{kLogRateFormat, "sweep rate", "", "oct/min"};
inline constexpr OutputKind kCyclesOutput{kCyclesFormat, "cycles", "", "cycles"};

// One results-table row per output, in the outcome's order, from its kind and
// its number as formatted. A message outcome gives no rows, and an output
// without a kind gives none either.
std::vector<halvex::ResultRow> ResultRows(const SweepOutcome& outcome);

}  // namespace sweep
