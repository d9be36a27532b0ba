#pragma once

#include <string>

#include "cli/calc_request.h"
#include "puresine/pure_sine_calc.h"
#include "sweep/sine_sweep_calc.h"

// The answers of the two calculators in the three formats: the texts as the
// dialogs show them, the results table as the desktop copies it, or JSON.
namespace halvex::cli {

// A pure sine outcome that passed the checks; rotation when typeSel is not 0.
void WritePureSine(const puresine::PureSineOutcome& outcome, int typeSel, Format format, std::string& out);

// A sweep outcome that is not a message.
void WriteSweep(const sweep::SweepOutcome& outcome, Format format, std::string& out);

}  // namespace halvex::cli
