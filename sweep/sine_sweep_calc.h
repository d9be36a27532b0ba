#pragma once

#include <optional>
#include <string>
#include <vector>

#include "lang/tr.h"

// The sine sweep analyses, free of any window: parsed numbers and a list
// index in, one message or the texts of some output boxes out. Inch units
// throughout: in, in/sec, G, Hz and minutes.
namespace sweep {

// G to in/s^2: exactly 386, this calculator's own figure.
constexpr double kInchesPerSecSqPerG = 386.0;

constexpr const char* kInputErrorMessage = N_(" Input Error ");
constexpr const char* kPairInputErrorMessage = N_(" Input Error");  // no trailing blank, unlike the others
constexpr const char* kRateTypeMessage = N_(" Please select rate type:  linear or log ");

// By index in the analysis list.
enum class SweepAnalysis { Amplitude = 0, CrossoverFrequency, NumberOfOctaves, SweepRate, TotalSineCycles };

// By index in the input list, under the analysis that fills it.
enum class GivenQuantity { DisplacementZeroPeak = 0, DisplacementPeakPeak, Velocity, Acceleration };
enum class AmplitudePair {
    DispZeroPeakVelocity = 0,
    DispZeroPeakAcceleration,
    DispPeakPeakVelocity,
    DispPeakPeakAcceleration,
    VelocityAcceleration
};
enum class RateType { Linear = 0, Log };

// What an output states: its format, and for the results table the quantity,
// the form (empty for a frequency, a count or a rate) and a unit symbol.
struct OutputKind {
    const char* format;
    const char* quantity;
    const char* form;
    const char* unit;
};

// One output as set: tables and JSON take its value and number, so they never
// read a number back from the text.
struct SweepOutput {
    int id;  // one of the output boxes 1025, 1029, 1030, 1031
    std::string text;
    double value;        // the number the text shows
    std::string number;  // that number as the text writes it, alone: no padding, no words
    const OutputKind* kind;
};

// Either a message, and then no texts, or the texts in the order they are set;
// both in English, as halvex-calc's JSON answers give them.
struct SweepOutcome {
    const char* message = nullptr;
    std::vector<SweepOutput> outputs;
};

// Octaves from one frequency to the other, never negative. Both are positive
// and unequal.
double OctavesBetween(double fa, double fb);

// frequency Hz; amplitude in the units of the given quantity.
SweepOutcome CalculateAmplitude(double frequency, double amplitude, int givenQuantity);
// first and second amplitude in the units of the pair.
SweepOutcome CalculateCrossoverFrequency(double first, double second, int amplitudePair);
SweepOutcome CalculateNumberOfOctaves(double f1, double f2);
// f1, f2 Hz; duration in minutes.
SweepOutcome CalculateSweepRate(double f1, double f2, double duration, int rateType);
SweepOutcome CalculateTotalSineCycles(double f1, double f2, double duration, int rateType);

// The calculation of the analysis at that index of the analysis list, on the
// three inputs x1, x2, x3 (edits 1019, 1020, 1021) as each analysis reads
// them; no outcome at all for an index outside 0 to 4 (no analysis chosen).
std::optional<SweepOutcome> CalculateAnalysis(int analysis, int inputSel, double x1, double x2, double x3);

// The message and the texts as the window shows them: in the words of the
// process's language, the numbers and values as they were.
void ShowInLanguage(SweepOutcome& outcome);

}  // namespace sweep
