#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "lang/tr.h"
#include "planner/plan.h"
#include "planner/ranking.h"
#include "planner/result_text.h"

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

void AppendProfile(std::string& out, const ResolvedProfile& profile, const Units& u) {
    Table table("llrrrrr");
    // Units in brackets: "Disp p-p in" would read as a sentence cut short.
    table.Row({"Segment", "Level", "Hz", std::string("Disp p-p (") + u.length + ')',
               std::string("Velocity (") + u.velocity + ')', "Accel (g)", "Slope (dB/oct)"});
    for (std::size_t i = 0; i < profile.segments.size(); ++i) {
        const ResolvedSegment& s = profile.segments[i];
        const auto row = [&](double f, const Motion& m, bool first) {
            table.Row({first ? std::to_string(i + 1) : "", first ? LevelWords(s.kind) : "", ShownNumber(f),
                       ShownNumber(m.displacementPp * u.lengthPerMetre), ShownNumber(m.velocity * u.velocityPerMps),
                       ShownNumber(m.acceleration / u.gravity),
                       first && s.ramp ? ShownNumber(s.slopeDbPerOctave) : ""});
        };
        row(s.from, s.start, true);
        row(s.to, s.end, false);
    }
    out += "Profile\n";
    table.AppendTo(out, "  ");
    if (!profile.crossovers.empty()) {
        out += "  Crossovers:";
        for (const double f : profile.crossovers) out += ' ' + ShownNumber(f) + " Hz";
        out += '\n';
    }
    Table peaks("lrllrl");
    peaks.Row({"Peak displacement p-p", ShownNumber(profile.displacementPp.value * u.lengthPerMetre), u.length, "at",
               ShownNumber(profile.displacementPp.frequency), "Hz"});
    peaks.Row({"Peak velocity", ShownNumber(profile.velocity.value * u.velocityPerMps), u.velocity, "at",
               ShownNumber(profile.velocity.frequency), "Hz"});
    peaks.Row({"Peak acceleration", ShownNumber(profile.acceleration.value / u.gravity), "g", "at",
               ShownNumber(profile.acceleration.frequency), "Hz"});
    peaks.AppendTo(out, "  ");
    for (const ProfileWarning& warning : profile.warnings) out += "  Warning: " + warning.message + '\n';
}

void AppendChecks(std::string& out, const ShakerResult& shaker, const Units& u);

void AppendShaker(std::string& out, const ShakerResult& shaker, const ShakerSettings& settings, const Units& u) {
    out += "\nShaker\n";
    if (shaker.movingMass)
        out += "  Moving mass " + ShownNumber(*shaker.movingMass * u.massPerKg) + ' ' + u.mass + '\n';
    if (shaker.maxAcceleration) {
        out += "  Highest acceleration " + ShownNumber(*shaker.maxAcceleration / u.gravity) + " g";
        if (*shaker.ratedMaxAcceleration != *shaker.maxAcceleration) {
            out += " (" + ShownNumber(*shaker.ratedMaxAcceleration / u.gravity) + " g rated)";
        }
        out += '\n';
    }
    if (shaker.checks.empty()) return;
    AppendChecks(out, shaker, u);
    for (std::size_t i = 0; i < shaker.axes.size(); ++i) {
        const ShakerResult& axis = shaker.axes[i];
        out +=
            "  Axis " + std::to_string(i + 1) + (settings.setups[i].axis ? " (" + *settings.setups[i].axis + ")" : "");
        if (axis.movingMass) out += ", moving mass " + ShownNumber(*axis.movingMass * u.massPerKg) + ' ' + u.mass;
        out += axis.ok ? ": the shaker can run it\n" : ": the shaker cannot run it\n";
        AppendChecks(out, axis, u);
    }
    out +=
        shaker.ok ? "  Verdict: the shaker can run this profile\n" : "  Verdict: the shaker cannot run this profile\n";
}

void AppendChecks(std::string& out, const ShakerResult& shaker, const Units& u) {
    const auto any = [&](auto test) { return std::any_of(shaker.checks.begin(), shaker.checks.end(), test); };
    const bool derated = any([](const ShakerCheck& c) { return c.rated != c.available; });
    const bool byRun = any([](const ShakerCheck& c) { return c.run.has_value(); });
    const bool byAxis = any([](const ShakerCheck& c) { return c.axis.has_value(); });
    Table table(derated ? "lrrrlrrllr" : "lrrlrrllr");
    std::vector<std::string> header{"Limit",  "Required", "Available", "Unit",
                                    "Margin", "At Hz",    "",          byRun ? "In run" : ""};
    if (derated) header.insert(header.begin() + 3, "Rated");
    table.Row(header);
    for (const ShakerCheck& c : shaker.checks) {
        double scale = 1.0 / u.gravity;
        const char* unit = "g";
        if (c.limit == LimitKind::Force) scale = u.forcePerNewton, unit = u.force;
        if (c.limit == LimitKind::Stroke) scale = u.lengthPerMetre, unit = u.length;
        if (c.limit == LimitKind::Velocity) scale = u.velocityPerMps, unit = u.velocity;
        if (c.limit == LimitKind::Payload) scale = u.massPerKg, unit = u.mass;
        if (c.limit == LimitKind::FrequencyRange || c.limit == LimitKind::ExpanderResonance ||
            c.limit == LimitKind::FixtureResonance) {
            scale = 1.0, unit = "Hz";
        }
        std::vector<std::string> row{LimitName(c.limit),
                                     ShownNumber(c.required * scale),
                                     ShownNumber(c.available * scale),
                                     unit,
                                     ShownNumber(c.margin),
                                     c.frequency ? ShownNumber(*c.frequency) : "",
                                     c.ok ? "ok" : "FAILS",
                                     c.run ? std::to_string(*c.run + 1) : ""};
        if (derated) row.insert(row.begin() + 3, ShownNumber(c.rated * scale));
        if (byAxis) row.push_back(c.axis ? std::to_string(*c.axis + 1) : "");
        table.Row(row);
    }
    table.AppendTo(out, "  ");
}

void AppendSweep(std::string& out, const SweepResult& sweep, bool timed) {
    Table table("lr");
    table.Row({"Octaves", ShownNumber(sweep.octaves)});
    table.Row({"Time per pass", ShownDuration(sweep.passTime)});
    table.Row({"Cycles per pass", ShownCount(sweep.cyclesPerPass)});
    if (timed) table.Row({"Sweeps per axis", ShownNumber(sweep.sweepsPerAxis)});
    table.Row({"Passes per axis", ShownNumber(sweep.passesPerAxis)});
    table.Row({"Time per axis", ShownDuration(sweep.axisTime)});
    table.Row({"Total time", ShownDuration(sweep.totalTime)});
    out += sweep.type == SweepType::Log ? "\nSweep, log, " + ShownNumber(sweep.rate * 60.0) + " oct/min\n"
                                        : "\nSweep, linear, " + ShownNumber(sweep.rate * 60.0) + " Hz/min\n";
    table.AppendTo(out, "  ");
    if (sweep.passesPerAxis != std::floor(sweep.passesPerAxis)) {
        out += "  The time per axis ends inside a pass: the last pass is cut short\n";
    }
}

void AppendSequence(std::string& out, const SequenceResult& sequence) {
    out += "\nSequence, on each axis\n";
    Table table("rlrrl");
    table.Row({"Run", "", "Time", "Cycles", ""});
    for (std::size_t i = 0; i < sequence.runs.size(); ++i) {
        const RunResult& run = sequence.runs[i];
        table.Row({std::to_string(i + 1), RunLabel(run.kind), ShownDuration(run.time),
                   run.cyclesKnown ? ShownCount(run.cycles) : "-", RunDetails(run)});
    }
    table.AppendTo(out, "  ");
    for (std::size_t i = 0; i < sequence.runs.size(); ++i) {
        if (sequence.runs[i].kind != RunKind::Stepped) continue;
        std::string line = "  Steps of run " + std::to_string(i + 1) + " (Hz):";
        for (const double f : sequence.runs[i].frequencies) line += ' ' + ShownNumber(f);
        out += line + '\n';
    }
    Table times("lr");
    if (sequence.dwellTime > 0.0) times.Row({"Sweep's own dwells per axis", ShownDuration(sequence.dwellTime)});
    times.Row({"Test time per axis", ShownDuration(sequence.axisTime)});
    times.Row(
        {"Test time over " + Counted(ShownNumber(sequence.axes), "axis", "axes"), ShownDuration(sequence.totalTime)});
    out += '\n';
    times.AppendTo(out, "");
}

}  // namespace

std::string PlanTextReport(const PlanDocument& document, const PlanOutcome& outcome) {
    const Units units = ChooseUnits(document);
    std::string out = "Gravity g = " + ShownGravity(units.gravity) + " m/s^2\n\n";
    AppendProfile(out, outcome.profile, units);
    if (outcome.shaker) AppendShaker(out, *outcome.shaker, *document.shaker, units);
    if (outcome.sweep) AppendSweep(out, *outcome.sweep, document.sweep->duration.has_value());
    // Without a sequence the sweep's own times are the test's.
    if (outcome.sequence && outcome.sequence->fromDocument) AppendSequence(out, *outcome.sequence);
    if (!outcome.labDifferences.empty()) {
        out += "\nThe library's figures differ from the plan's copy\n";
        for (const std::string& line : outcome.labDifferences) out += "  " + line + '\n';
    }
    if (outcome.at || outcome.crossings || outcome.resonance) out += '\n' + QueryAnswers(outcome, 0);
    return out;
}

std::string RankTextReport(const PlanDocument& document, const std::vector<RankedShaker>& ranking) {
    const Units units = ChooseUnits(document);
    std::string out = "Which shaker? The library's shakers at its derating, those that can run the plan first\n";
    Table table("rllrl");
    table.Row({"", "Shaker", "Can run", "Margin", "Binds"});
    for (std::size_t i = 0; i < ranking.size(); ++i) {
        const ShakerCheck* binding = ranking[i].Binding();
        table.Row({std::to_string(i + 1), ranking[i].shaker, ranking[i].result.ok ? "yes" : "no",
                   binding != nullptr ? ShownNumber(binding->margin) : "",
                   binding != nullptr ? LimitName(binding->limit) : "no limit given"});
    }
    table.AppendTo(out, "  ");
    for (const RankedShaker& ranked : ranking) {
        out += '\n' + ranked.shaker;
        if (ranked.expander) out += " with " + *ranked.expander;
        if (ranked.fixture) out += (ranked.expander ? " and " : " with ") + *ranked.fixture;
        out += '\n';
        if (!ranked.result.checks.empty()) AppendChecks(out, ranked.result, units);
    }
    return out;
}

std::string QueryAnswers(const PlanOutcome& outcome, std::size_t timesInLine) {
    std::string out;
    if (outcome.at) {
        const SequencePoint& at = *outcome.at;
        out += lang::Fill(lang::Tr("At %1: "), {ShownDuration(at.time)});
        if (outcome.sequence && outcome.sequence->fromDocument) {
            out += lang::Fill(lang::Tr("run %1 (%2), "),
                              {std::to_string(at.run + 1), RunLabel(outcome.sequence->runs[at.run].kind)});
        }
        if (at.pass > 0) {
            out += lang::Fill(at.upward ? lang::Tr("pass %1 (up), ") : lang::Tr("pass %1 (down), "),
                              {std::to_string(at.pass)});
        }
        out += at.frequencyKnown ? ShownNumber(at.frequency) + " Hz\n"
                                 : std::string(lang::Tr("at a resonance still to be found")) + '\n';
    }
    if (outcome.crossings) {
        const std::vector<double>& times = outcome.crossings->times;
        out += lang::Fill(lang::Tr("%1 Hz is passed at:"), {ShownNumber(outcome.crossings->frequency)});
        if (timesInLine == 0) {
            for (const double t : times) out += "\n  " + ShownDuration(t);
        } else {
            for (std::size_t i = 0; i < times.size() && i < timesInLine; ++i) {
                out += (i == 0 ? " " : ", ") + ShownDuration(times[i]);
            }
            if (times.size() > timesInLine) {
                out += lang::Fill(lang::Tr(", and %1 more, each a row of the results"),
                                  {std::to_string(times.size() - timesInLine)});
            }
        }
        out += '\n';
    }
    if (outcome.resonance) {
        const ResonanceResult& r = *outcome.resonance;
        const std::string cycles = ShownCount(r.cyclesPerPass);
        out += lang::Fill(lang::TrN("Half-power band %1 to %2 Hz: %3 and %4 cycle per pass",
                                    "Half-power band %1 to %2 Hz: %3 and %4 cycles per pass", CountOf(cycles)),
                          {ShownNumber(r.low), ShownNumber(r.high), ShownDuration(r.timePerPass), cycles}) +
               '\n';
    }
    return out;
}

}  // namespace planner

namespace planner {

std::string LabTextReport(const LabDocument& lab) {
    const auto shown = [](const std::optional<Quantity>& q) { return q ? QuantityText(*q) : std::string(); };
    std::string out = "Library" + (lab.name ? ": " + *lab.name : std::string()) + "\n";
    out += "Gravity g = " + ShownGravity(lab.GravitySi()) + " m/s^2\n";
    out += "Derating: force " + ShownNumber(lab.derating.force) + ", stroke " + ShownNumber(lab.derating.stroke) +
           ", velocity " + ShownNumber(lab.derating.velocity) + ", acceleration " +
           ShownNumber(lab.derating.acceleration) + "; fixture margin " + ShownNumber(lab.fixtureMargin) + "\n";
    out += "\nShakers\n";
    Table shakers("lllllllll");
    shakers.Row({"Name", "Rated force", "Stroke p-p", "Velocity", "Acceleration", "Armature", "Max payload",
                 "Frequency range"});
    for (const LabShaker& s : lab.shakers) {
        const std::string range =
            s.frequencyRange ? QuantityText((*s.frequencyRange)[0]) + " to " + QuantityText((*s.frequencyRange)[1])
                             : std::string();
        shakers.Row({s.name, shown(s.ratedForce), shown(s.strokePp), shown(s.velocity), shown(s.acceleration),
                     shown(s.armature), shown(s.maxPayload), range});
    }
    shakers.AppendTo(out, "  ");
    out += "\nHead expanders and slip tables\n";
    Table expanders("llll");
    expanders.Row({"Name", "Kind", "Mass", "First resonance"});
    for (const LabExpander& e : lab.expanders) {
        expanders.Row({e.name, e.kind ? ExpanderKindName(*e.kind) : "", shown(e.mass), shown(e.firstResonance)});
    }
    expanders.AppendTo(out, "  ");
    out += "\nFixtures\n";
    Table fixtures("lll");
    fixtures.Row({"Name", "Mass", "First resonance"});
    for (const LabFixture& f : lab.fixtures) fixtures.Row({f.name, shown(f.mass), shown(f.firstResonance)});
    fixtures.AppendTo(out, "  ");
    return out;
}

}  // namespace planner
