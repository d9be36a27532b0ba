#pragma once

#include <string>
#include <string_view>

namespace planner {

enum class QuantityKind { Length, Velocity, Acceleration, Frequency, Time, Mass, Force, SweepRate };

// Standard gravity in m/s^2; a document may set its own.
constexpr double kStandardGravity = 9.80665;

// A quantity as the document wrote it: the number and its unit symbol in
// its canonical spelling, the unit empty for a bare number in SI units (for
// a sweep rate: oct/s on a log sweep, Hz/s on a linear one). Kept as
// written so that a document saved again reads back to the same numbers.
struct Quantity {
    double number = 0.0;
    std::string unit;

    bool operator==(const Quantity& other) const { return number == other.number && unit == other.unit; }
    bool operator!=(const Quantity& other) const { return !(*this == other); }
};

// "a length (m, mm, um, in, mil)": what a message says a field expects.
std::string KindDescription(QuantityKind kind);

// Reads "NUMBER UNIT" with a unit of that kind: one blank between or none
// ("22 kN", "22kN"), the unit in any letter case ("KN", "hz", "G" for the
// gravity), an octave also as octave or octaves. The unit is kept in its
// canonical spelling ("kN"). On failure says what is wrong, without the
// field's name. The number is read with the user's decimal sign (a field
// of the window); ParsePointQuantityText reads it with the point (documents,
// command-line options).
bool ParseQuantityText(std::string_view text, QuantityKind kind, Quantity& quantity, std::string& problem);
bool ParsePointQuantityText(std::string_view text, QuantityKind kind, Quantity& quantity, std::string& problem);

// The value in SI units (sweep rates in oct/s or Hz/s). The kind tells "g"
// the gram from "g" the gravity.
double ToSi(const Quantity& quantity, QuantityKind kind, double gravity);

// A value typed as a bare number in SI units or as "NUMBER UNIT", in SI
// units; false with what is wrong. ReadSiValue with the user's decimal sign,
// ReadPointSiValue with the point.
bool ReadSiValue(std::string_view text, QuantityKind kind, double gravity, double& value, std::string& problem);
bool ReadPointSiValue(std::string_view text, QuantityKind kind, double gravity, double& value, std::string& problem);

// True for in, mil, in/s, in/s^2, lb and lbf.
bool IsInchPoundUnit(std::string_view unit);

// True for oct/min and oct/s; false for Hz/min, Hz/s and the bare number.
bool IsOctaveRateUnit(std::string_view unit);

// "2.54 mm", or "0.5" for a bare number; the number in shortest round-trip
// form: QuantityText with the user's decimal sign ("2,54 mm"), for what a
// person reads; PointQuantityText with the point, for documents.
std::string QuantityText(const Quantity& quantity);
std::string PointQuantityText(const Quantity& quantity);

// The number reader's grammar, for the whole text: [sign] digits [. digits]
// [e [sign] digits], with the user's decimal sign; IsPointNumberText with
// the point.
bool IsNumberText(std::string_view text);
bool IsPointNumberText(std::string_view text);

}  // namespace planner
