#pragma once

#include <vector>

#include "numeric/results_table.h"
#include "sweep/sine_sweep_calc.h"

namespace sweep {

// The formats of the output texts, each naming what its number is.
constexpr const char* kDispZeroPeakFormat = "disp = %12.3g in zero-to-peak";
constexpr const char* kDispPeakPeakFormat = "disp = %12.3g in peak-to-peak";
constexpr const char* kVelocityFormat = "vel  = %12.3g in/sec";
constexpr const char* kAccelerationFormat = "accel= %12.3g G";
constexpr const char* kFrequencyFormat = "Frequency = %12.4g Hz";
constexpr const char* kOctavesFormat = "%12.3g octaves";
constexpr const char* kLinearRateFormat = "%12.3g  Hz/min";
constexpr const char* kLogRateFormat = "%12.3g  octaves/min";
constexpr const char* kCyclesFormat = "%13.6g cycles per sweep";

// One results-table row per output text, in the outcome's order, told apart
// by the literal text around the number. A message outcome gives no rows, and
// a text in none of the formats above gives none either.
std::vector<halvex::ResultRow> ResultRows(const SweepOutcome& outcome);

}  // namespace sweep
