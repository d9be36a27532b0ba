#include "planner/result_text.h"

#include <cmath>

#include "lang/tr.h"
#include "numeric/number_text.h"

namespace planner {

std::string ShownNumber(double value) { return halvex::FormatNumber("%.4g", value); }

std::string ShownCount(double value) {
    if (value < 1e4 || value >= 1e9) return ShownNumber(value);
    return std::to_string(std::llround(value));
}

std::string ShownDuration(double seconds) {
    if (seconds < 60.0 || seconds >= 1e9) return ShownNumber(seconds) + " s";
    const long long tenths = std::llround(seconds * 10.0);
    const long long h = tenths / 36000;
    const long long min = tenths / 600 % 60;
    const long long s = tenths % 600;
    std::string out = h > 0 ? std::to_string(h) + " h " : std::string();
    out += std::to_string(min) + " min " + std::to_string(s / 10);
    if (s % 10 != 0) out += halvex::ShownDecimalSign() + std::to_string(s % 10);
    return out + " s";
}

std::string ShownSeconds(double seconds) {
    if (seconds < 60.0 || seconds >= 1e9) return ShownNumber(seconds);
    const long long tenths = std::llround(seconds * 10.0);
    std::string out = std::to_string(tenths / 10);
    if (tenths % 10 != 0) out += halvex::ShownDecimalSign() + std::to_string(tenths % 10);
    return out;
}

std::string ShownGravity(double gravity) { return halvex::FormatNumber("%.6g", gravity); }

unsigned long CountOf(const std::string& number) { return number == "1" ? 1 : 2; }

std::string Counted(const std::string& number, const char* one, const char* many) {
    return number + ' ' + (number == "1" ? one : many);
}

const char* RunLabel(RunKind kind) {
    switch (kind) {
        case RunKind::Sweep:
            return lang::Tr("endurance sweep");
        case RunKind::Search:
            return lang::Tr("resonance search");
        case RunKind::Dwell:
            return lang::Tr("dwell");
        case RunKind::Stepped:
            break;
    }
    return lang::Tr("stepped sine");
}

std::string RunDetails(const RunResult& run) {
    switch (run.kind) {
        case RunKind::Sweep:
        case RunKind::Search: {
            const std::string passes = ShownNumber(run.sweep.passesPerAxis);
            std::string out = lang::Fill(lang::TrN("%1 pass", "%1 passes", CountOf(passes)), {passes});
            if (run.sweep.passesPerAxis != std::floor(run.sweep.passesPerAxis)) out += lang::Tr(", the last cut short");
            return out;
        }
        case RunKind::Dwell: {
            if (run.resonances == 0) return lang::Fill(lang::Tr("at %1 Hz"), {ShownNumber(run.frequency)});
            const std::string count = std::to_string(run.resonances);
            return lang::Fill(lang::TrN("%1 resonance", "%1 resonances", CountOf(count)), {count}) +
                   (run.budgetFrequency > 0.0 ? lang::Fill(lang::Tr(", cycles timed at %1 Hz (the highest)"),
                                                           {ShownNumber(run.budgetFrequency)})
                                              : std::string(lang::Tr(", frequencies still to find")));
        }
        case RunKind::Stepped:
            break;
    }
    const std::string steps = std::to_string(run.frequencies.size());
    return lang::Fill(lang::TrN("%1 step, %2 to %3 Hz", "%1 steps, %2 to %3 Hz", CountOf(steps)),
                      {steps, ShownNumber(run.frequencies.front()), ShownNumber(run.frequencies.back())});
}

namespace {

// The one unit a document's fields of one kind are written in: empty while
// none was seen, "*" once two differ.
class WrittenUnit {
public:
    explicit WrittenUnit(const char* siSymbol) : m_si(siSymbol) {}

    void Add(const Quantity& quantity) {
        const std::string unit = quantity.unit.empty() ? m_si : quantity.unit;
        if (m_unit.empty()) {
            m_unit = unit;
        } else if (m_unit != unit) {
            m_unit = "*";
        }
    }
    void Add(const std::optional<Quantity>& quantity) {
        if (quantity) Add(*quantity);
    }

    ResultUnit Or(const char* fallback, QuantityKind kind, double gravity) const {
        const std::string symbol = m_unit.empty() || m_unit == "*" ? fallback : m_unit;
        return ResultUnit{symbol, ToSi(Quantity{1.0, symbol}, kind, gravity)};
    }

private:
    const char* m_si;
    std::string m_unit;
};

}  // namespace

ResultUnits ResultUnitsOf(const PlanDocument& document) {
    WrittenUnit length("m"), velocity("m/s"), acceleration("m/s^2"), force("N"), mass("kg");
    WrittenUnit* const ofLevel[] = {&length, &length, &velocity, &acceleration};  // in LevelKind order
    for (const Segment& segment : document.profile) {
        for (const Quantity& value : segment.values) ofLevel[static_cast<int>(segment.kind)]->Add(value);
    }
    if (document.shaker) {
        const ShakerSettings& shaker = *document.shaker;
        force.Add(shaker.ratedForce);
        for (const auto& part : shaker.masses) mass.Add(part);
        length.Add(shaker.strokePp);
        velocity.Add(shaker.velocity);
        acceleration.Add(shaker.acceleration);
    }
    const bool inchPound = document.UsesInchPound();
    const double gravity = document.GravitySi();
    ResultUnits units;
    units.length = length.Or(inchPound ? "in" : "mm", QuantityKind::Length, gravity);
    units.velocity = velocity.Or(inchPound ? "in/s" : "m/s", QuantityKind::Velocity, gravity);
    units.acceleration = acceleration.Or("g", QuantityKind::Acceleration, gravity);
    units.force = force.Or(inchPound ? "lbf" : "N", QuantityKind::Force, gravity);
    units.mass = mass.Or(inchPound ? "lb" : "kg", QuantityKind::Mass, gravity);
    return units;
}

const char* LevelWords(LevelKind kind) {
    switch (kind) {
        case LevelKind::DisplacementPp:
            return lang::TrC("level", "displacement p-p");
        case LevelKind::DisplacementZp:
            return lang::TrC("level", "displacement 0-p");
        case LevelKind::Velocity:
            return lang::TrC("level", "velocity");
        case LevelKind::Acceleration:
            break;
    }
    return lang::TrC("level", "acceleration");
}

const char* LimitWords(LimitKind kind) {
    switch (kind) {
        case LimitKind::Force:
            return lang::TrC("limit", "force");
        case LimitKind::Stroke:
            return lang::TrC("limit", "stroke");
        case LimitKind::Velocity:
            return lang::TrC("limit", "velocity");
        case LimitKind::Acceleration:
            return lang::TrC("limit", "acceleration");
        case LimitKind::Payload:
            return lang::TrC("limit", "payload");
        case LimitKind::FrequencyRange:
            return lang::TrC("limit", "frequency range");
        case LimitKind::ExpanderResonance:
            return lang::TrC("limit", "expander resonance");
        case LimitKind::FixtureResonance:
            break;
    }
    return lang::TrC("limit", "fixture resonance");
}

}  // namespace planner
