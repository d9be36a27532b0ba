#include "puresine/pure_sine_calc.h"

#include <cmath>

#include "numeric/number_text.h"

namespace puresine {
namespace {

constexpr double kMinValue = 1e-12;
constexpr double kMaxValue = 1e100;
constexpr double kPeakToZeroPeak = 2.0;
constexpr double kMicroInchesPerMetre = 39370000.0;
constexpr double kMilsPerMetre = 39370.0;
constexpr double kInchesPerMetre = 39.37;  // exactly 39.37, not 1/0.0254
constexpr double kMicronsPerMetre = 1000000.0;
constexpr double kMillimetresPerMetre = 1000.0;
constexpr double kMetresPerSecSqPerG = 9.81;  // exactly 9.81, not 9.80665

// Written so that NaN fails as well.
bool InWindow(double value) { return value >= kMinValue && !(value > kMaxValue); }

// Zero-to-peak amplitude in the amplitude's own unit, by the typed quantity.
double QuantityStep(int dimensionSel, double amplitude, double omega) {
    switch (dimensionSel) {
        case 0:
            return amplitude / kPeakToZeroPeak;
        case 1:
            return amplitude;
        case 2:
            return amplitude / omega;
        case 3:
            return amplitude / std::pow(omega, 2);
        default:
            return amplitude;
    }
}

}  // namespace

double AngularFrequency(int frequencyUnitSel, double frequencyValue, double twoPi) {
    return frequencyUnitSel == 0 ? twoPi * frequencyValue : frequencyValue;
}

const char* CheckInputs(const PureSineInputs& inputs) {
    if (!InWindow(inputs.frequencyValue)) return kFrequencyMessage;
    if (!InWindow(inputs.amplitudeValue)) return kAmplitudeMessage;
    if (inputs.amplitudeUnitSel < 0 || inputs.amplitudeUnitSel > 6) return kUnitMessage;
    // A dimension of -1 is reachable after a type change; a result from it
    // would not belong to the inputs on screen.
    if (inputs.dimensionSel < 0 || inputs.dimensionSel > 3) return kDimensionMessage;
    return nullptr;
}

Motion TranslationMotion(int dimensionSel, int amplitudeUnitSel, double amplitude, double omega) {
    double zeroPeak = QuantityStep(dimensionSel, amplitude, omega);
    switch (amplitudeUnitSel) {
        case 0:
            zeroPeak = zeroPeak / kMicroInchesPerMetre;
            break;
        case 1:
            zeroPeak = zeroPeak / kMilsPerMetre;
            break;
        case 2:
            zeroPeak = zeroPeak / kInchesPerMetre;
            break;
        case 3:
            zeroPeak = zeroPeak / kMicronsPerMetre;
            break;
        case 4:
            zeroPeak = zeroPeak / kMillimetresPerMetre;
            break;
        case 6:
            if (dimensionSel == 3) zeroPeak = zeroPeak * kMetresPerSecSqPerG;
            break;
        default:  // 5: metres
            break;
    }
    const double velocity = zeroPeak * omega;
    const double acceleration = std::pow(omega, 2) * zeroPeak;
    return Motion{zeroPeak, velocity, acceleration};
}

Motion RotationMotion(int dimensionSel, int amplitudeUnitSel, double amplitude, double omega, double pi) {
    const double degreesPerRadian = 180.0 / pi;
    const double radiansPerDegree = 1.0 / degreesPerRadian;  // the reciprocal, not pi / 180
    double zeroPeak = QuantityStep(dimensionSel, amplitude, omega);
    if (amplitudeUnitSel == 1) zeroPeak = zeroPeak * radiansPerDegree;
    const double velocity = zeroPeak * omega;
    const double acceleration = std::pow(omega, 2) * zeroPeak;
    return Motion{zeroPeak, velocity, acceleration};
}

const char* OutputFormat(const ResultBox& box, int typeSel) {
    return typeSel == 0 ? box.translationFormat : box.rotationFormat;
}

void TranslationValues(const Motion& motion, std::array<double, 20>& values) {
    const double z = motion.zeroPeak;
    const double p = z + z;
    const double v = motion.velocity;
    const double a = motion.acceleration;
    // Mils and micro inches come from inches on output; products left to right.
    values = {p * kMillimetresPerMetre,
              z * kMillimetresPerMetre,
              p * kInchesPerMetre,
              z * kInchesPerMetre,
              p * kInchesPerMetre * 1000.0,
              z * kInchesPerMetre * 1000.0,
              p * kInchesPerMetre * 1000000.0,
              z * kInchesPerMetre * 1000000.0,
              p * kMicronsPerMetre,
              z * kMicronsPerMetre,
              v,
              v * kMillimetresPerMetre,
              v * kMicronsPerMetre,
              v * kInchesPerMetre,
              v * kInchesPerMetre * 1000.0,
              v * kInchesPerMetre * 1000000.0,
              a,
              a * kMillimetresPerMetre,
              a * kInchesPerMetre,
              a / kMetresPerSecSqPerG};
}

void RotationValues(const Motion& motion, double pi, std::array<double, 8>& values) {
    const double degreesPerRadian = 180.0 / pi;
    const double z = motion.zeroPeak;
    const double p = z + z;
    const double v = motion.velocity;
    const double a = motion.acceleration;
    values = {p, z, p * degreesPerRadian, z * degreesPerRadian, v, v * degreesPerRadian, a, a * degreesPerRadian};
}

namespace {

template <std::size_t N>
void FormatAll(int typeSel, const std::array<double, N>& values, OutputTexts& out) {
    out.count = 0;
    for (const ResultBox& box : kResultBoxes) {
        const char* format = OutputFormat(box, typeSel);
        if (format == nullptr) continue;
        OutputText& item = out.items[out.count];
        item.id = box.id;
        // at(): a table with more boxes than values is a fault, not a read past the end.
        item.value = values.at(out.count);
        halvex::FormatNumber(item.text, format, item.value);
        halvex::FormatNumberField(item.number, format, item.value);
        ++out.count;
    }
}

}  // namespace

void ShowInLanguage(OutputTexts& texts, int typeSel) {
    for (std::size_t i = 0; i < texts.count; ++i) {
        OutputText& item = texts.items[i];
        const ResultBox* box = FindResultBox(item.id);
        const char* format = box != nullptr ? OutputFormat(*box, typeSel) : nullptr;
        if (format != nullptr) halvex::FormatNumber(item.text, lang::Tr(format), item.value);
    }
}

void TranslationTexts(const Motion& motion, OutputTexts& out) {
    std::array<double, 20> values;
    TranslationValues(motion, values);
    FormatAll(0, values, out);
}

void RotationTexts(const Motion& motion, double pi, OutputTexts& out) {
    std::array<double, 8> values;
    RotationValues(motion, pi, values);
    FormatAll(1, values, out);
}

void CalculatePureSine(const PureSineInputs& inputs, double twoPi, double pi, PureSineOutcome& outcome) {
    outcome.omega = AngularFrequency(inputs.frequencyUnitSel, inputs.frequencyValue, twoPi);
    outcome.message = CheckInputs(inputs);
    outcome.texts.count = 0;
    if (outcome.message != nullptr) return;
    if (inputs.typeSel == 0) {
        outcome.motion =
            TranslationMotion(inputs.dimensionSel, inputs.amplitudeUnitSel, inputs.amplitudeValue, outcome.omega);
        TranslationTexts(outcome.motion, outcome.texts);
    } else {
        outcome.motion =
            RotationMotion(inputs.dimensionSel, inputs.amplitudeUnitSel, inputs.amplitudeValue, outcome.omega, pi);
        RotationTexts(outcome.motion, pi, outcome.texts);
    }
}

}  // namespace puresine
