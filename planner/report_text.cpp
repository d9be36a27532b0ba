#include <cmath>
#include <string>
#include <vector>

#include "numeric/number_text.h"
#include "planner/plan.h"

namespace planner {
namespace {

// Columns padded to their widest cell; align holds 'l' or 'r' per column.
class Table {
public:
    explicit Table(const char* align) : m_align(align) {}

    void Row(std::vector<std::string> cells) { m_rows.push_back(std::move(cells)); }

    void AppendTo(std::string& out, const char* indent) const {
        std::vector<std::size_t> widths;
        for (const auto& row : m_rows) {
            if (widths.size() < row.size()) widths.resize(row.size(), 0);
            for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
        }
        for (const auto& row : m_rows) {
            std::string line = indent;
            for (std::size_t i = 0; i < row.size(); ++i) {
                const std::string pad(widths[i] - row[i].size(), ' ');
                if (i > 0) line += "  ";
                const bool left = i < m_align.size() && m_align[i] == 'l';
                line += left ? row[i] + pad : pad + row[i];
            }
            while (!line.empty() && line.back() == ' ') line.pop_back();
            out += line + '\n';
        }
    }

private:
    std::string m_align;
    std::vector<std::vector<std::string>> m_rows;
};

std::string Num(double value) { return halvex::FormatNumber("%.4g", value); }

// Cycles are counted: whole numbers rather than an exponent up to a billion.
std::string Count(double value) {
    if (value < 1e4 || value >= 1e9) return Num(value);
    return std::to_string(std::llround(value));
}

// A duration as a test engineer reads it: 8.663 s, 29 min 59.7 s, 10 h 0 min 0 s.
std::string Duration(double seconds) {
    if (seconds < 60.0 || seconds >= 1e9) return Num(seconds) + " s";
    const long long tenths = std::llround(seconds * 10.0);
    const long long h = tenths / 36000;
    const long long min = tenths / 600 % 60;
    const long long s = tenths % 600;
    std::string out = h > 0 ? std::to_string(h) + " h " : std::string();
    out += std::to_string(min) + " min " + std::to_string(s / 10);
    if (s % 10 != 0) out += '.' + std::to_string(s % 10);
    return out + " s";
}

// Display units: the document's inch-pound units or metric ones; always g.
struct Units {
    const char* length;
    double lengthPerMetre;
    const char* velocity;
    double velocityPerMps;
    const char* force;
    double forcePerNewton;
    const char* mass;
    double massPerKg;
    double gravity;
};

Units ChooseUnits(const PlanDocument& document) {
    if (document.UsesInchPound()) {
        return {"in",
                1.0 / 0.0254,
                "in/s",
                1.0 / 0.0254,
                "lbf",
                1.0 / 4.4482216152605,
                "lb",
                1.0 / 0.45359237,
                document.GravitySi()};
    }
    return {"mm", 1000.0, "m/s", 1.0, "N", 1.0, "kg", 1.0, document.GravitySi()};
}

const char* LevelLabel(LevelKind kind) {
    switch (kind) {
        case LevelKind::DisplacementPp:
            return "displacement p-p";
        case LevelKind::DisplacementZp:
            return "displacement 0-p";
        case LevelKind::Velocity:
            return "velocity";
        case LevelKind::Acceleration:
            break;
    }
    return "acceleration";
}

void AppendProfile(std::string& out, const ResolvedProfile& profile, const Units& u) {
    Table table("llrrrrr");
    table.Row({"Segment", "Level", "Hz", std::string("Disp p-p ") + u.length, std::string("Velocity ") + u.velocity,
               "Accel g", "Slope dB/oct"});
    for (std::size_t i = 0; i < profile.segments.size(); ++i) {
        const ResolvedSegment& s = profile.segments[i];
        const auto row = [&](double f, const Motion& m, bool first) {
            table.Row({first ? std::to_string(i + 1) : "", first ? LevelLabel(s.kind) : "", Num(f),
                       Num(m.displacementPp * u.lengthPerMetre), Num(m.velocity * u.velocityPerMps),
                       Num(m.acceleration / u.gravity), first && s.ramp ? Num(s.slopeDbPerOctave) : ""});
        };
        row(s.from, s.start, true);
        row(s.to, s.end, false);
    }
    out += "Profile\n";
    table.AppendTo(out, "  ");
    if (!profile.crossovers.empty()) {
        out += "  Crossovers:";
        for (const double f : profile.crossovers) out += ' ' + Num(f) + " Hz";
        out += '\n';
    }
    Table peaks("lrllrl");
    peaks.Row({"Peak displacement p-p", Num(profile.displacementPp.value * u.lengthPerMetre), u.length, "at",
               Num(profile.displacementPp.frequency), "Hz"});
    peaks.Row({"Peak velocity", Num(profile.velocity.value * u.velocityPerMps), u.velocity, "at",
               Num(profile.velocity.frequency), "Hz"});
    peaks.Row({"Peak acceleration", Num(profile.acceleration.value / u.gravity), "g", "at",
               Num(profile.acceleration.frequency), "Hz"});
    peaks.AppendTo(out, "  ");
}

void AppendShaker(std::string& out, const ShakerResult& shaker, const Units& u) {
    out += "\nShaker\n";
    if (shaker.movingMass) out += "  Moving mass " + Num(*shaker.movingMass * u.massPerKg) + ' ' + u.mass + '\n';
    if (shaker.maxAcceleration) out += "  Highest acceleration " + Num(*shaker.maxAcceleration / u.gravity) + " g\n";
    if (shaker.checks.empty()) return;
    Table table("lrrlrrl");
    table.Row({"Limit", "Required", "Available", "Unit", "Margin", "At Hz", ""});
    for (const ShakerCheck& c : shaker.checks) {
        double scale = 1.0 / u.gravity;
        const char* unit = "g";
        if (c.limit == LimitKind::Force) scale = u.forcePerNewton, unit = u.force;
        if (c.limit == LimitKind::Stroke) scale = u.lengthPerMetre, unit = u.length;
        if (c.limit == LimitKind::Velocity) scale = u.velocityPerMps, unit = u.velocity;
        table.Row({LimitName(c.limit), Num(c.required * scale), Num(c.available * scale), unit, Num(c.margin),
                   Num(c.frequency), c.ok ? "ok" : "FAILS"});
    }
    table.AppendTo(out, "  ");
    out +=
        shaker.ok ? "  Verdict: the shaker can run this profile\n" : "  Verdict: the shaker cannot run this profile\n";
}

void AppendSweep(std::string& out, const SweepResult& sweep) {
    Table table("lr");
    table.Row({"Octaves", Num(sweep.octaves)});
    table.Row({"Time per pass", Duration(sweep.passTime)});
    table.Row({"Cycles per pass", Count(sweep.cyclesPerPass)});
    table.Row({"Passes per axis", Num(sweep.passesPerAxis)});
    table.Row({"Time per axis", Duration(sweep.axisTime)});
    table.Row({"Total time", Duration(sweep.totalTime)});
    out += sweep.type == SweepType::Log ? "\nSweep, log, " + Num(sweep.rate * 60.0) + " oct/min\n"
                                        : "\nSweep, linear, " + Num(sweep.rate * 60.0) + " Hz/min\n";
    table.AppendTo(out, "  ");
}

// One check on a line: "stroke 2.54 of 51 mm, margin 20.08 at 5 Hz: ok".
std::string CheckLine(const ShakerCheck& c, const Units& u) {
    double scale = 1.0 / u.gravity;
    const char* unit = "g";
    if (c.limit == LimitKind::Force) scale = u.forcePerNewton, unit = u.force;
    if (c.limit == LimitKind::Stroke) scale = u.lengthPerMetre, unit = u.length;
    if (c.limit == LimitKind::Velocity) scale = u.velocityPerMps, unit = u.velocity;
    return std::string(LimitName(c.limit)) + ' ' + Num(c.required * scale) + " of " + Num(c.available * scale) + ' ' +
           unit + ", margin " + Num(c.margin) + " at " + Num(c.frequency) + " Hz: " + (c.ok ? "ok" : "FAILS");
}

}  // namespace

std::string PlanSummary(const PlanDocument& document, const PlanOutcome& outcome) {
    const Units u = ChooseUnits(document);
    const ResolvedProfile& p = outcome.profile;
    std::string out = "Crossovers:";
    for (const double f : p.crossovers) out += ' ' + Num(f) + " Hz";
    if (p.crossovers.empty()) out += " none";
    out += "\nPeaks: " + Num(p.displacementPp.value * u.lengthPerMetre) + ' ' + u.length + " p-p at " +
           Num(p.displacementPp.frequency) + " Hz, " + Num(p.velocity.value * u.velocityPerMps) + ' ' + u.velocity +
           " at " + Num(p.velocity.frequency) + " Hz, " + Num(p.acceleration.value / u.gravity) + " g at " +
           Num(p.acceleration.frequency) + " Hz\n";
    if (outcome.shaker) {
        const ShakerResult& shaker = *outcome.shaker;
        out += "Shaker";
        if (shaker.movingMass) out += ", moving mass " + Num(*shaker.movingMass * u.massPerKg) + ' ' + u.mass;
        if (shaker.maxAcceleration) out += ", at most " + Num(*shaker.maxAcceleration / u.gravity) + " g";
        out += ":\n";
        for (const ShakerCheck& c : shaker.checks) out += "    " + CheckLine(c, u) + '\n';
        out += shaker.ok ? "    Verdict: the shaker can run this profile\n"
                         : "    Verdict: the shaker cannot run this profile\n";
    }
    if (outcome.sweep) {
        const SweepResult& sweep = *outcome.sweep;
        out += "Sweep: " + Num(sweep.octaves) + " octaves; per pass " + Duration(sweep.passTime) + " and " +
               Count(sweep.cyclesPerPass) + " cycles; " + Num(sweep.passesPerAxis) + " passes per axis\n";
        out += "Test time: " + Duration(sweep.axisTime) + " per axis, " + Duration(sweep.totalTime) + " in total\n";
    }
    return out;
}

std::string PlanTextReport(const PlanDocument& document, const PlanOutcome& outcome) {
    const Units units = ChooseUnits(document);
    std::string out = "Gravity g = " + halvex::FormatNumber("%.6g", units.gravity) + " m/s^2\n\n";
    AppendProfile(out, outcome.profile, units);
    if (outcome.shaker) AppendShaker(out, *outcome.shaker, units);
    if (outcome.sweep) AppendSweep(out, *outcome.sweep);
    if (outcome.at || outcome.crossings || outcome.resonance) out += '\n' + QueryAnswers(outcome, 0);
    return out;
}

std::string QueryAnswers(const PlanOutcome& outcome, std::size_t timesInLine) {
    std::string out;
    if (outcome.at) {
        out += "At " + Duration(outcome.at->time) + ": pass " + std::to_string(outcome.at->pass) +
               (outcome.at->upward ? " (up), " : " (down), ") + Num(outcome.at->frequency) + " Hz\n";
    }
    if (outcome.crossings) {
        const std::vector<double>& times = outcome.crossings->times;
        out += Num(outcome.crossings->frequency) + " Hz is passed at:";
        if (timesInLine == 0) {
            for (const double t : times) out += "\n  " + Duration(t);
        } else {
            for (std::size_t i = 0; i < times.size() && i < timesInLine; ++i) {
                out += (i == 0 ? " " : ", ") + Duration(times[i]);
            }
            if (times.size() > timesInLine) out += ", and " + std::to_string(times.size() - timesInLine) + " more";
        }
        out += '\n';
    }
    if (outcome.resonance) {
        const ResonanceResult& r = *outcome.resonance;
        out += "Half-power band " + Num(r.low) + " to " + Num(r.high) + " Hz: " + Duration(r.timePerPass) + " and " +
               Count(r.cyclesPerPass) + " cycles per pass\n";
    }
    return out;
}

}  // namespace planner
