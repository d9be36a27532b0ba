#include "planner/quantity.h"

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/json.h"

namespace planner {
namespace {

struct Unit {
    const char* symbol;
    QuantityKind kind;
    double factor;  // SI per unit; 0 for g, which is the document's gravity
};

// Inch and pound are exact by definition, whatever the gravity.
constexpr double kInch = 0.0254;
constexpr double kPound = 0.45359237;
constexpr double kPoundForce = 4.4482216152605;

constexpr Unit kUnits[] = {
    {"m", QuantityKind::Length, 1.0},
    {"mm", QuantityKind::Length, 1e-3},
    {"um", QuantityKind::Length, 1e-6},
    {"in", QuantityKind::Length, kInch},
    {"mil", QuantityKind::Length, kInch / 1000.0},
    {"m/s", QuantityKind::Velocity, 1.0},
    {"mm/s", QuantityKind::Velocity, 1e-3},
    {"in/s", QuantityKind::Velocity, kInch},
    {"m/s^2", QuantityKind::Acceleration, 1.0},
    {"mm/s^2", QuantityKind::Acceleration, 1e-3},
    {"in/s^2", QuantityKind::Acceleration, kInch},
    {"g", QuantityKind::Acceleration, 0.0},
    {"Hz", QuantityKind::Frequency, 1.0},
    {"s", QuantityKind::Time, 1.0},
    {"min", QuantityKind::Time, 60.0},
    {"h", QuantityKind::Time, 3600.0},
    {"kg", QuantityKind::Mass, 1.0},
    {"g", QuantityKind::Mass, 1e-3},
    {"lb", QuantityKind::Mass, kPound},
    {"N", QuantityKind::Force, 1.0},
    {"kN", QuantityKind::Force, 1e3},
    {"lbf", QuantityKind::Force, kPoundForce},
    {"oct/min", QuantityKind::SweepRate, 1.0 / 60.0},
    {"oct/s", QuantityKind::SweepRate, 1.0},
    {"Hz/min", QuantityKind::SweepRate, 1.0 / 60.0},
    {"Hz/s", QuantityKind::SweepRate, 1.0},
};

const Unit* FindUnit(std::string_view symbol, QuantityKind kind) {
    for (const Unit& unit : kUnits) {
        if (unit.kind == kind && symbol == unit.symbol) return &unit;
    }
    return nullptr;
}

// Other spellings of an octave rate.
constexpr struct {
    const char* spelling;
    const char* symbol;
} kAliases[] = {
    {"octave/min", "oct/min"},
    {"octaves/min", "oct/min"},
    {"octave/s", "oct/s"},
    {"octaves/s", "oct/s"},
};

bool SameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// A unit as a person may type it: in any letter case, since within one
// kind no two units differ only in case (the field says which kind: "g" is
// the gravity in an acceleration and the gram in a mass), and the octave
// also as octave or octaves. Null when the symbol names no unit of the kind.
const Unit* ReadUnit(std::string_view symbol, QuantityKind kind) {
    if (const Unit* unit = FindUnit(symbol, kind)) return unit;
    for (const Unit& unit : kUnits) {
        if (unit.kind == kind && SameLetters(symbol, unit.symbol)) return &unit;
    }
    for (const auto& alias : kAliases) {
        if (SameLetters(symbol, alias.spelling)) return FindUnit(alias.symbol, kind);
    }
    return nullptr;
}

// An example of the kind, for the message of a text that is not "NUMBER
// UNIT", with the decimal sign the text is read with.
std::string Example(QuantityKind kind, char decimalSign) {
    static const char* const kExamples[] = {"51 mm",  "0.5 m/s", "10 g",  "100 Hz",
                                            "30 min", "20 kg",   "22 kN", "1 oct/min"};
    std::string example = kExamples[static_cast<int>(kind)];
    const std::size_t point = example.find('.');
    if (point != std::string::npos) example[point] = decimalSign;
    return example;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The length of the longest start of text that the number grammar reads.
std::size_t NumberLength(std::string_view text, char decimalSign) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    std::size_t digits = 0;
    while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
    if (pos < text.size() && text[pos] == decimalSign) {
        ++pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t end = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && IsDigit(text[pos])) ++pos;
        if (pos > start) end = pos;
    }
    return end;
}

bool IsNumberTextWith(std::string_view text, char decimalSign) {
    return !text.empty() && NumberLength(text, decimalSign) == text.size();
}

bool ParseQuantityWith(std::string_view text, QuantityKind kind, char decimalSign, Quantity& quantity,
                       std::string& problem) {
    // The number and the unit, with one blank between or none: "22 kN",
    // "22kN". No unit starts with a digit, a point, a comma or an e followed
    // by a digit, so where the number ends is never in doubt.
    const std::size_t blank = text.find(' ');
    const std::size_t split = blank == std::string_view::npos ? NumberLength(text, decimalSign) : blank;
    const std::string_view number = text.substr(0, split);
    const std::string_view symbol = text.substr(blank == std::string_view::npos ? split : split + 1);
    if (number.empty() || symbol.empty() || symbol.find(' ') != std::string_view::npos) {
        problem = lang::Fill(lang::Tr("expected a number and a unit, such as \"%1\""), {Example(kind, decimalSign)});
        return false;
    }
    // The number reader reads whole texts only, so the number goes alone.
    if (!IsNumberTextWith(number, decimalSign)) {
        problem = lang::Fill(lang::Tr("%1 is not a number"), {Quoted(number)});
        return false;
    }
    // "G" is the usual spelling of the gravity, so in a mass it is not
    // guessed to be the gram.
    if (kind == QuantityKind::Mass && symbol == "G") {
        problem = lang::Tr("\"G\" may be the gravity or the gram: a mass is in kg, g or lb");
        return false;
    }
    const Unit* unit = ReadUnit(symbol, kind);
    if (unit == nullptr) {
        problem = lang::Fill(lang::Tr("%1 is not a unit of %2"), {Quoted(symbol), KindDescription(kind)});
        return false;
    }
    quantity.number = halvex::ReadNumberWith(number, decimalSign).value_or(0.0);
    quantity.unit = unit->symbol;
    return true;
}

bool ReadSiValueWith(std::string_view text, QuantityKind kind, double gravity, char decimalSign, double& value,
                     std::string& problem) {
    if (IsNumberTextWith(text, decimalSign)) {
        value = halvex::ReadNumberWith(text, decimalSign).value_or(0.0);
        return true;
    }
    Quantity quantity;
    if (!ParseQuantityWith(text, kind, decimalSign, quantity, problem)) return false;
    value = ToSi(quantity, kind, gravity);
    return true;
}

}  // namespace

std::string KindDescription(QuantityKind kind) {
    static const char* const kNames[] = {N_("a length (%1)"),    N_("a velocity (%1)"),  N_("an acceleration (%1)"),
                                         N_("a frequency (%1)"), N_("a time (%1)"),      N_("a mass (%1)"),
                                         N_("a force (%1)"),     N_("a sweep rate (%1)")};
    std::string units;
    for (const Unit& unit : kUnits) {
        if (unit.kind != kind) continue;
        if (!units.empty()) units += ", ";
        units += unit.symbol;
    }
    return lang::Fill(lang::Tr(kNames[static_cast<int>(kind)]), {units});
}

bool IsNumberText(std::string_view text) { return IsNumberTextWith(text, halvex::ShownDecimalSign()); }

bool IsPointNumberText(std::string_view text) { return IsNumberTextWith(text, '.'); }

bool ParseQuantityText(std::string_view text, QuantityKind kind, Quantity& quantity, std::string& problem) {
    return ParseQuantityWith(text, kind, halvex::ShownDecimalSign(), quantity, problem);
}

bool ParsePointQuantityText(std::string_view text, QuantityKind kind, Quantity& quantity, std::string& problem) {
    return ParseQuantityWith(text, kind, '.', quantity, problem);
}

double ToSi(const Quantity& quantity, QuantityKind kind, double gravity) {
    if (quantity.unit.empty()) return quantity.number;
    const Unit* unit = FindUnit(quantity.unit, kind);
    if (unit == nullptr) return quantity.number;
    if (unit->factor == 0.0) return quantity.number * gravity;
    return quantity.number * unit->factor;
}

bool ReadSiValue(std::string_view text, QuantityKind kind, double gravity, double& value, std::string& problem) {
    return ReadSiValueWith(text, kind, gravity, halvex::ShownDecimalSign(), value, problem);
}

bool ReadPointSiValue(std::string_view text, QuantityKind kind, double gravity, double& value, std::string& problem) {
    return ReadSiValueWith(text, kind, gravity, '.', value, problem);
}

bool IsInchPoundUnit(std::string_view unit) {
    return unit == "in" || unit == "mil" || unit == "in/s" || unit == "in/s^2" || unit == "lb" || unit == "lbf";
}

bool IsOctaveRateUnit(std::string_view unit) { return unit == "oct/min" || unit == "oct/s"; }

std::string QuantityText(const Quantity& quantity) {
    std::string out;
    halvex::AppendShortestShownNumber(out, quantity.number);
    if (!quantity.unit.empty()) out += ' ' + quantity.unit;
    return out;
}

std::string PointQuantityText(const Quantity& quantity) {
    std::string out;
    halvex::AppendShortestPointNumber(out, quantity.number);
    if (!quantity.unit.empty()) out += ' ' + quantity.unit;
    return out;
}

}  // namespace planner
