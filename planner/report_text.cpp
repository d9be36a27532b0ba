#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "lang/tr.h"
#include "planner/plan.h"
#include "planner/ranking.h"
#include "planner/report.h"
#include "planner/result_text.h"

namespace planner {
namespace {

// The columns a text takes on a terminal: one per character, two for a
// Chinese or Japanese one, so that translated tables stay aligned.
std::size_t Columns(const std::string& text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        // Wide: the three-byte forms from U+3000 (CJK, kana, hangul, the
        // full-width forms) and the four-byte ones (more ideographs); the
        // punctuation and symbols of U+2000 to U+2FFF and the alphabets
        // below are narrow.
        const bool wide = length == 4 || (length == 3 && lead >= 0xE3);
        columns += wide ? 2 : 1;
        i += length;
    }
    return columns;
}

// A limit as the text answer names it: in English its name as the JSON
// answer has it ("frequency_range"), in another language in words.
const char* LimitKey(LimitKind kind) {
    return lang::CurrentLanguage() == lang::Language::English ? LimitName(kind) : ReportLimitWords(kind);
}

// Columns padded to their widest cell; align holds 'l' or 'r' per column.
class Table {
public:
    explicit Table(const char* align) : m_align(align) {}

    void Row(std::vector<std::string> cells) { m_rows.push_back(std::move(cells)); }

    void AppendTo(std::string& out, const char* indent) const {
        std::vector<std::size_t> widths;
        for (const auto& row : m_rows) {
            if (widths.size() < row.size()) widths.resize(row.size(), 0);
            for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], Columns(row[i]));
        }
        for (const auto& row : m_rows) {
            std::string line = indent;
            for (std::size_t i = 0; i < row.size(); ++i) {
                const std::string pad(widths[i] - Columns(row[i]), ' ');
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
    table.Row({lang::TrC("report", "Segment"), lang::TrC("report", "Level"), "Hz",
               lang::Fill(lang::TrC("report", "Disp p-p (%1)"), {u.length}),
               lang::Fill(lang::TrC("report", "Velocity (%1)"), {u.velocity}), lang::TrC("report", "Accel (g)"),
               lang::TrC("report", "Slope (dB/oct)")});
    for (std::size_t i = 0; i < profile.segments.size(); ++i) {
        const ResolvedSegment& s = profile.segments[i];
        const auto row = [&](double f, const Motion& m, bool first) {
            table.Row({first ? std::to_string(i + 1) : "", first ? ReportLevelWords(s.kind) : "", ShownNumber(f),
                       ShownNumber(m.displacementPp * u.lengthPerMetre), ShownNumber(m.velocity * u.velocityPerMps),
                       ShownNumber(m.acceleration / u.gravity),
                       first && s.ramp ? ShownNumber(s.slopeDbPerOctave) : ""});
        };
        row(s.from, s.start, true);
        row(s.to, s.end, false);
    }
    out += lang::TrC("report", "Profile") + std::string("\n");
    table.AppendTo(out, "  ");
    if (!profile.crossovers.empty()) {
        out += std::string("  ") + lang::TrC("report", "Crossovers:");
        for (const double f : profile.crossovers) out += ' ' + ShownNumber(f) + " Hz";
        out += '\n';
    }
    // "at" between the value and the frequency, as in "12 g at 15.32 Hz".
    const char* at = lang::TrC("peak at frequency", "at");
    Table peaks("lrllrl");
    peaks.Row({lang::TrC("report", "Peak displacement p-p"),
               ShownNumber(profile.displacementPp.value * u.lengthPerMetre), u.length, at,
               ShownNumber(profile.displacementPp.frequency), "Hz"});
    peaks.Row({lang::TrC("report", "Peak velocity"), ShownNumber(profile.velocity.value * u.velocityPerMps), u.velocity,
               at, ShownNumber(profile.velocity.frequency), "Hz"});
    peaks.Row({lang::TrC("report", "Peak acceleration"), ShownNumber(profile.acceleration.value / u.gravity), "g", at,
               ShownNumber(profile.acceleration.frequency), "Hz"});
    peaks.AppendTo(out, "  ");
    for (const ProfileWarning& warning : profile.warnings) {
        out += "  " + lang::Fill(lang::TrC("report", "Warning: %1"), {warning.message}) + '\n';
    }
}

void AppendChecks(std::string& out, const ShakerResult& shaker, const Units& u);

void AppendShaker(std::string& out, const ShakerResult& shaker, const ShakerSettings& settings, const Units& u) {
    out += '\n' + std::string(lang::TrC("report", "Shaker")) + '\n';
    if (shaker.movingMass) {
        out += "  " +
               lang::Fill(lang::TrC("report", "Moving mass %1 %2"),
                          {ShownNumber(*shaker.movingMass * u.massPerKg), u.mass}) +
               '\n';
    }
    if (shaker.maxAcceleration) {
        const std::string highest = ShownNumber(*shaker.maxAcceleration / u.gravity);
        out += "  ";
        out += *shaker.ratedMaxAcceleration != *shaker.maxAcceleration
                   ? lang::Fill(lang::TrC("report", "Highest acceleration %1 g (%2 g rated)"),
                                {highest, ShownNumber(*shaker.ratedMaxAcceleration / u.gravity)})
                   : lang::Fill(lang::TrC("report", "Highest acceleration %1 g"), {highest});
        out += '\n';
    }
    if (shaker.checks.empty()) return;
    AppendChecks(out, shaker, u);
    for (std::size_t i = 0; i < shaker.axes.size(); ++i) {
        const ShakerResult& axis = shaker.axes[i];
        std::string name = lang::Fill(lang::TrC("report", "Axis %1"), {std::to_string(i + 1)});
        if (settings.setups[i].axis) name += " (" + *settings.setups[i].axis + ")";
        if (axis.movingMass) {
            name = lang::Fill(lang::TrC("report", "%1, moving mass %2 %3"),
                              {name, ShownNumber(*axis.movingMass * u.massPerKg), u.mass});
        }
        out += "  " +
               lang::Fill(axis.ok ? lang::TrC("report", "%1: the shaker can run it")
                                  : lang::TrC("report", "%1: the shaker cannot run it"),
                          {name}) +
               '\n';
        AppendChecks(out, axis, u);
    }
    out += "  ";
    out += shaker.ok ? lang::TrC("report", "Verdict: the shaker can run this profile")
                     : lang::TrC("report", "Verdict: the shaker cannot run this profile");
    out += '\n';
}

void AppendChecks(std::string& out, const ShakerResult& shaker, const Units& u) {
    const auto any = [&](auto test) { return std::any_of(shaker.checks.begin(), shaker.checks.end(), test); };
    const bool derated = any([](const ShakerCheck& c) { return c.rated != c.available; });
    const bool byRun = any([](const ShakerCheck& c) { return c.run.has_value(); });
    const bool byAxis = any([](const ShakerCheck& c) { return c.axis.has_value(); });
    Table table(derated ? "lrrrlrrllr" : "lrrlrrllr");
    std::vector<std::string> header{lang::TrC("report", "Limit"),
                                    lang::TrC("report", "Required"),
                                    lang::TrC("report", "Available"),
                                    lang::TrC("report", "Unit"),
                                    lang::TrC("report", "Margin"),
                                    lang::TrC("report", "At Hz"),
                                    "",
                                    byRun ? lang::TrC("report", "In run") : ""};
    if (derated) header.insert(header.begin() + 3, lang::TrC("report", "Rated"));
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
        std::vector<std::string> row{LimitKey(c.limit),
                                     ShownNumber(c.required * scale),
                                     ShownNumber(c.available * scale),
                                     unit,
                                     ShownNumber(c.margin),
                                     c.frequency ? ShownNumber(*c.frequency) : "",
                                     c.ok ? lang::TrC("shaker check", "ok") : lang::TrC("report", "FAILS"),
                                     c.run ? std::to_string(*c.run + 1) : ""};
        if (derated) row.insert(row.begin() + 3, ShownNumber(c.rated * scale));
        if (byAxis) row.push_back(c.axis ? std::to_string(*c.axis + 1) : "");
        table.Row(row);
    }
    table.AppendTo(out, "  ");
}

void AppendSweep(std::string& out, const SweepResult& sweep, bool timed) {
    Table table("lr");
    table.Row({lang::TrC("report", "Octaves"), ShownNumber(sweep.octaves)});
    table.Row({lang::TrC("report", "Time per pass"), ShownDuration(sweep.passTime)});
    table.Row({lang::TrC("report", "Cycles per pass"), ShownCount(sweep.cyclesPerPass)});
    if (timed) table.Row({lang::TrC("report", "Sweeps per axis"), ShownNumber(sweep.sweepsPerAxis)});
    table.Row({lang::TrC("report", "Passes per axis"), ShownNumber(sweep.passesPerAxis)});
    table.Row({lang::TrC("report", "Time per axis"), ShownDuration(sweep.axisTime)});
    table.Row({lang::TrC("report", "Total time"), ShownDuration(sweep.totalTime)});
    out += '\n';
    out += sweep.type == SweepType::Log
               ? lang::Fill(lang::TrC("report", "Sweep, log, %1 oct/min"), {ShownNumber(sweep.rate * 60.0)})
               : lang::Fill(lang::TrC("report", "Sweep, linear, %1 Hz/min"), {ShownNumber(sweep.rate * 60.0)});
    out += '\n';
    table.AppendTo(out, "  ");
    if (sweep.passesPerAxis != std::floor(sweep.passesPerAxis)) {
        out += std::string("  ") +
               lang::TrC("report", "The time per axis ends inside a pass: the last pass is cut short") + '\n';
    }
}

void AppendSequence(std::string& out, const SequenceResult& sequence) {
    out += '\n' + std::string(lang::TrC("report", "Sequence, on each axis")) + '\n';
    Table table("rlrrl");
    table.Row({lang::TrC("report", "Run"), "", lang::TrC("report", "Time"), lang::TrC("report", "Cycles"), ""});
    for (std::size_t i = 0; i < sequence.runs.size(); ++i) {
        const RunResult& run = sequence.runs[i];
        table.Row({std::to_string(i + 1), ReportRunWords(run.kind), ShownDuration(run.time),
                   run.cyclesKnown ? ShownCount(run.cycles) : "-", RunDetails(run)});
    }
    table.AppendTo(out, "  ");
    for (std::size_t i = 0; i < sequence.runs.size(); ++i) {
        if (sequence.runs[i].kind != RunKind::Stepped) continue;
        std::string line = "  " + lang::Fill(lang::TrC("report", "Steps of run %1 (Hz):"), {std::to_string(i + 1)});
        for (const double f : sequence.runs[i].frequencies) line += ' ' + ShownNumber(f);
        out += line + '\n';
    }
    Table times("lr");
    if (sequence.dwellTime > 0.0) {
        times.Row({lang::TrC("report", "Sweep's own dwells per axis"), ShownDuration(sequence.dwellTime)});
    }
    times.Row({lang::TrC("report", "Test time per axis"), ShownDuration(sequence.axisTime)});
    const std::string axes = ShownNumber(sequence.axes);
    times.Row({lang::Fill(axes == "1" ? lang::TrC("report", "Test time over %1 axis")
                                      : lang::TrC("report", "Test time over %1 axes"),
                          {axes}),
               ShownDuration(sequence.totalTime)});
    out += '\n';
    times.AppendTo(out, "");
}

}  // namespace

std::string PlanTextReport(const PlanDocument& document, const PlanOutcome& outcome) {
    const Units units = ChooseUnits(document);
    std::string out = lang::Fill(lang::TrC("report", "Gravity g = %1 m/s^2"), {ShownGravity(units.gravity)}) + "\n\n";
    AppendProfile(out, outcome.profile, units);
    if (outcome.shaker) AppendShaker(out, *outcome.shaker, *document.shaker, units);
    if (outcome.sweep) AppendSweep(out, *outcome.sweep, document.sweep->duration.has_value());
    // Without a sequence the sweep's own times are the test's.
    if (outcome.sequence && outcome.sequence->fromDocument) AppendSequence(out, *outcome.sequence);
    if (!outcome.labDifferences.empty()) {
        out += '\n' + std::string(lang::TrC("report", "The library's figures differ from the plan's copy")) + '\n';
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
