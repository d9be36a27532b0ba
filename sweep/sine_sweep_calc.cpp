#include "sweep/sine_sweep_calc.h"

#include <algorithm>
#include <cmath>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "res/sine_sweep_ids.h"
#include "sweep/sine_sweep_report.h"

namespace sweep {
namespace {

using namespace res::sine_sweep;

constexpr double kSecondsPerMinute = 60.0;

double Pi() { return std::atan2(0.0, -1.0); }

SweepOutcome Message(const char* text) {
    SweepOutcome outcome;
    outcome.message = text;
    return outcome;
}

void Add(SweepOutcome& outcome, int id, const OutputKind& kind, double value) {
    outcome.outputs.push_back(SweepOutput{id, halvex::FormatNumber(kind.format, value), value,
                                          halvex::FormatNumberField(kind.format, value), &kind});
}

// The checks shared by the octave, rate and cycle analyses; written so that
// NaN fails as well.
bool FrequenciesValid(double f1, double f2) { return f1 > 0.0 && f2 > 0.0 && f2 != f1; }

}  // namespace

double OctavesBetween(double fa, double fb) {
    if (fb / fa > 1.0) return std::log10(fb / fa) / std::log10(2.0);
    return std::log10(fa / fb) / std::log10(2.0);
}

SweepOutcome CalculateAmplitude(double frequency, double amplitude, int givenQuantity) {
    const double omega = Pi() * (frequency + frequency);  // rad/s
    if (!(omega > 0.0) || !(amplitude > 0.0)) return Message(kInputErrorMessage);

    // Acceleration in in/s^2. No quantity selected leaves it at 0.
    double acc = 0.0;
    switch (static_cast<GivenQuantity>(givenQuantity)) {
        case GivenQuantity::DisplacementZeroPeak:
            acc = std::pow(omega, 2.0) * amplitude;
            break;
        case GivenQuantity::DisplacementPeakPeak:
            acc = std::pow(omega, 2.0) * amplitude / 2.0;
            break;
        case GivenQuantity::Velocity:
            acc = amplitude * omega;
            break;
        case GivenQuantity::Acceleration:
            acc = amplitude * kInchesPerSecSqPerG;
            break;
    }
    double zeroPeak = acc / std::pow(omega, 2.0);
    double peakPeak = (acc + acc) / std::pow(omega, 2.0);
    double velocity = acc / omega;
    // The given quantity is shown as typed, not as it comes back from acc;
    // an acceleration in G is recomputed like the rest.
    switch (static_cast<GivenQuantity>(givenQuantity)) {
        case GivenQuantity::DisplacementZeroPeak:
            zeroPeak = amplitude;
            break;
        case GivenQuantity::DisplacementPeakPeak:
            peakPeak = amplitude;
            break;
        case GivenQuantity::Velocity:
            velocity = amplitude;
            break;
        case GivenQuantity::Acceleration:
            break;
    }
    const double accG = acc / kInchesPerSecSqPerG;

    SweepOutcome outcome;
    Add(outcome, IDC_OUTPUT1, kDispZeroPeakOutput, zeroPeak);
    Add(outcome, IDC_OUTPUT2, kDispPeakPeakOutput, peakPeak);
    Add(outcome, IDC_OUTPUT3, kVelocityOutput, velocity);
    Add(outcome, IDC_OUTPUT4, kAccelerationOutput, accG);
    return outcome;
}

SweepOutcome CalculateCrossoverFrequency(double first, double second, int amplitudePair) {
    const double pi = Pi();
    const double twoPi = pi + pi;
    const double a = first;
    const double b = second;
    if (!(a > 0.0) || !(b > 0.0)) return Message(kPairInputErrorMessage);

    double f = 0.0;  // Hz; stays 0 for a pair outside the list
    switch (static_cast<AmplitudePair>(amplitudePair)) {
        case AmplitudePair::DispZeroPeakVelocity:
            f = b / (twoPi * a);
            break;
        case AmplitudePair::DispZeroPeakAcceleration:
            f = std::sqrt(b * kInchesPerSecSqPerG / a) / twoPi;
            break;
        case AmplitudePair::DispPeakPeakVelocity:
            f = b / ((a / 2.0) * twoPi);
            break;
        case AmplitudePair::DispPeakPeakAcceleration:
            f = std::sqrt((b * kInchesPerSecSqPerG) / (a / 2.0)) / twoPi;
            break;
        case AmplitudePair::VelocityAcceleration:
            f = (b * kInchesPerSecSqPerG) / (twoPi * a);
            break;
    }

    SweepOutcome outcome;
    Add(outcome, IDC_OUTPUT1, kFrequencyOutput, f);
    return outcome;
}

SweepOutcome CalculateNumberOfOctaves(double f1, double f2) {
    if (!FrequenciesValid(f1, f2)) return Message(kInputErrorMessage);
    SweepOutcome outcome;
    Add(outcome, IDC_OUTPUT2, kOctavesOutput, OctavesBetween(f1, f2));
    return outcome;
}

SweepOutcome CalculateSweepRate(double f1, double f2, double duration, int rateType) {
    // The rate type is asked for before any number is looked at.
    if (rateType != static_cast<int>(RateType::Linear) && rateType != static_cast<int>(RateType::Log)) {
        return Message(kRateTypeMessage);
    }
    if (!FrequenciesValid(f1, f2) || !(duration > 0.0)) return Message(kInputErrorMessage);
    const double octaves = OctavesBetween(f1, f2);

    SweepOutcome outcome;
    Add(outcome, IDC_OUTPUT2, kOctavesOutput, octaves);
    if (static_cast<RateType>(rateType) == RateType::Linear) {
        // Hz per minute, signed: negative for a downward sweep.
        Add(outcome, IDC_OUTPUT1, kLinearRateOutput, (f2 - f1) / duration);
    } else {
        Add(outcome, IDC_OUTPUT1, kLogRateOutput, octaves / duration);
    }
    return outcome;
}

SweepOutcome CalculateTotalSineCycles(double f1, double f2, double duration, int rateType) {
    if (rateType != static_cast<int>(RateType::Linear) && rateType != static_cast<int>(RateType::Log)) {
        return Message(kRateTypeMessage);
    }
    if (!FrequenciesValid(f1, f2) || !(duration > 0.0)) return Message(kInputErrorMessage);
    const double octaves = OctavesBetween(f1, f2);
    const double seconds = duration * kSecondsPerMinute;

    double cycles = 0.0;
    if (static_cast<RateType>(rateType) == RateType::Linear) {
        // The mean frequency times the sweep time.
        cycles = ((f2 - f1) * 0.5 + f1) * seconds;
    } else {
        const double rate = octaves / seconds;  // octaves per second
        const double x = seconds * rate;
        // Integrated from the lower frequency, so a sweep counts the same
        // cycles in either direction.
        cycles = (std::pow(2.0, x) + (-1.0)) * std::min(f1, f2) / (std::log(2.0) * rate);
    }

    SweepOutcome outcome;
    Add(outcome, IDC_OUTPUT2, kOctavesOutput, octaves);
    Add(outcome, IDC_OUTPUT1, kCyclesOutput, cycles);
    return outcome;
}

void ShowInLanguage(SweepOutcome& outcome) {
    if (outcome.message != nullptr) outcome.message = lang::Tr(outcome.message);
    for (SweepOutput& output : outcome.outputs) {
        if (output.kind != nullptr) output.text = halvex::FormatNumber(lang::Tr(output.kind->format), output.value);
    }
}

std::optional<SweepOutcome> CalculateAnalysis(int analysis, int inputSel, double x1, double x2, double x3) {
    switch (static_cast<SweepAnalysis>(analysis)) {
        case SweepAnalysis::Amplitude:
            return CalculateAmplitude(x1, x3, inputSel);
        case SweepAnalysis::CrossoverFrequency:
            return CalculateCrossoverFrequency(x1, x3, inputSel);
        case SweepAnalysis::NumberOfOctaves:
            return CalculateNumberOfOctaves(x1, x2);
        case SweepAnalysis::SweepRate:
            return CalculateSweepRate(x1, x2, x3, inputSel);
        case SweepAnalysis::TotalSineCycles:
            return CalculateTotalSineCycles(x1, x2, x3, inputSel);
    }
    return std::nullopt;
}

}  // namespace sweep
