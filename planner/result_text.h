#pragma once

#include <string>

#include "planner/document.h"
#include "planner/sequence.h"
#include "planner/shaker.h"

// Results as the planner's window shows them to people; the text report,
// the window's summary and the results table all write their numbers here,
// so that a value copied reads as the value shown.
namespace planner {

// Four significant digits: "15.92", "0.06", "2.392e+04".
std::string ShownNumber(double value);

// Cycles are counted: whole numbers rather than an exponent up to a billion.
std::string ShownCount(double value);

// A duration as a test engineer reads it: 8.663 s, 29 min 59.7 s, 10 h 0 min 0 s.
std::string ShownDuration(double seconds);

// A duration in seconds to the digits ShownDuration gives it: four
// significant digits below a minute, tenths of a second above.
std::string ShownSeconds(double seconds);

// The gravity to six digits, as the report states it: 9.80665.
std::string ShownGravity(double gravity);

// A level's kind as the reports name it: "displacement p-p", "velocity", in
// the process's language.
const char* LevelWords(LevelKind kind);

// "1 pass", "2 passes", "6.644 octaves": the singular only for a number shown as 1.
std::string Counted(const std::string& number, const char* one, const char* many);
// The count to choose a translation's plural form by: 1 for a number shown
// as 1, else 2 (a plural form).
unsigned long CountOf(const std::string& number);

// What a run of the sequence does, in a few words for a row of results:
// "240 passes", "1.5 passes, the last cut short", "at 30 Hz",
// "3 resonances, cycles timed at 500 Hz (the highest)", "30 steps, 4 to 33 Hz".
std::string RunDetails(const RunResult& run);

// "endurance sweep", "resonance search", "dwell", "stepped sine" as a person
// reads them, in the process's language.
const char* RunLabel(RunKind kind);

// A shaker check's limit as a person names it, in the process's language:
// "fixture resonance" (the document and JSON say "fixture_resonance").
const char* LimitWords(LimitKind kind);

// A unit results are written in: its symbol, and the SI value of one of it.
struct ResultUnit {
    std::string symbol;
    double si = 1.0;

    double Of(double siValue) const { return siValue / si; }
};

// The units of the results the window shows and copies. Each kind is
// written in the one unit the document's own fields of that kind use (the
// profile's levels and the shaker's limits and masses; a bare number counts
// as its SI unit), so that a plan in kN and mm reads back in kN and mm.
// Where the fields of a kind use several units, or there are none, the
// document's system decides: inch-pound when any field is in in, mil, in/s,
// in/s^2, lbf or lb (in, in/s, lbf, lb), metric otherwise (mm, m/s, N, kg);
// accelerations in g. Frequencies are in Hz and times in s.
struct ResultUnits {
    ResultUnit length;  // displacement and stroke, both peak-to-peak
    ResultUnit velocity;
    ResultUnit acceleration;
    ResultUnit force;
    ResultUnit mass;
};

ResultUnits ResultUnitsOf(const PlanDocument& document);

}  // namespace planner
