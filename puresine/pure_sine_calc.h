#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "lang/tr.h"
#include "puresine/pure_sine_results.h"

// The pure sine checks and formulas, free of any window: indices and numbers
// in, one message or the output texts (by control id) out.
namespace puresine {

constexpr const char* kFrequencyMessage = N_("Please enter valid frequency. ");
constexpr const char* kAmplitudeMessage = N_("Please enter valid amplitude. ");
constexpr const char* kUnitMessage = N_("Please select input unit. ");
constexpr const char* kDimensionMessage = N_("Please select input dimension. ");

struct PureSineInputs {
    int typeSel;
    int dimensionSel;
    int amplitudeUnitSel;
    int frequencyUnitSel;
    double frequencyValue;
    double amplitudeValue;
};

// Zero-to-peak displacement, velocity and acceleration: metres for
// translation, radians for rotation.
struct Motion {
    double zeroPeak;
    double velocity;
    double acceleration;
};

// One box's text as set, with the value it was formatted from and that
// number as the text writes it, alone: tables and JSON take these two, so
// they never read a number back from a text.
struct OutputText {
    int id;
    std::string text;
    std::string number;
    double value = 0.0;
};

// The texts of one calculation, in the order they are set.
struct OutputTexts {
    std::array<OutputText, 20> items;
    std::size_t count = 0;

    const OutputText* begin() const { return items.data(); }
    const OutputText* end() const { return items.data() + count; }
};

// Hz (index 0) times two pi; any other index takes the value as rad/s.
double AngularFrequency(int frequencyUnitSel, double frequencyValue, double twoPi);

// The first failing check's message, or nullptr when the inputs may be
// calculated: frequency, amplitude, unit, then dimension. In English, as
// halvex-calc's JSON answers give it; the window shows lang::Tr of it.
const char* CheckInputs(const PureSineInputs& inputs);

Motion TranslationMotion(int dimensionSel, int amplitudeUnitSel, double amplitude, double omega);
Motion RotationMotion(int dimensionSel, int amplitudeUnitSel, double amplitude, double omega, double pi);

// How a result box is written after a calculation of that type (typeSel 0
// translation, anything else rotation); nullptr for the twelve boxes that a
// rotation leaves hidden and blank. The boxes are set in kResultBoxes order.
const char* OutputFormat(const ResultBox& box, int typeSel);

// The numbers behind the outputs, in the order the texts are set: one per
// row of kResultBoxes, and one per rotation box.
void TranslationValues(const Motion& motion, std::array<double, 20>& values);
void RotationValues(const Motion& motion, double pi, std::array<double, 8>& values);

// The twenty translation texts and the eight rotation texts, in English.
// ShowInLanguage writes them again with the words of the process's language,
// as the window shows them (the numbers and values stay).
void TranslationTexts(const Motion& motion, OutputTexts& out);
void ShowInLanguage(OutputTexts& texts, int typeSel);
void RotationTexts(const Motion& motion, double pi, OutputTexts& out);

struct PureSineOutcome {
    double omega = 0.0;
    const char* message = nullptr;  // set when a check failed; nothing else is then
    Motion motion{};
    OutputTexts texts;
};

// The whole Calculate after the inputs are read: ω, the checks, and the
// branch that typeSel picks (0 translation, anything else rotation).
void CalculatePureSine(const PureSineInputs& inputs, double twoPi, double pi, PureSineOutcome& outcome);

}  // namespace puresine
