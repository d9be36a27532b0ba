#include "planner/results_table.h"

#include "lang/tr.h"
#include "numeric/results_table.h"
#include "planner/result_text.h"
#include "planner/sweep_plan.h"

namespace planner {

const ResultUnit& LimitUnit(const ResultUnits& units, LimitKind limit) {
    static const ResultUnit kHertz{"Hz", 1.0};
    switch (limit) {
        case LimitKind::Force:
            return units.force;
        case LimitKind::Stroke:
            return units.length;
        case LimitKind::Velocity:
            return units.velocity;
        case LimitKind::Acceleration:
            return units.acceleration;
        case LimitKind::Payload:
            return units.mass;
        case LimitKind::FrequencyRange:
        case LimitKind::ExpanderResonance:
        case LimitKind::FixtureResonance:
            break;
    }
    return kHertz;
}

namespace {

const char* FormOf(LevelKind kind) { return kind == LevelKind::DisplacementPp ? "peak-to-peak" : "zero-to-peak"; }

const char* QuantityOf(LevelKind kind) {
    return kind == LevelKind::Velocity ? "velocity" : kind == LevelKind::Acceleration ? "acceleration" : "displacement";
}

// The runs of a sequence the document gives; none for the endurance sweep
// alone, which the sweep's own results already tell.
const std::vector<RunResult>& DocumentRuns(const PlanOutcome& outcome) {
    static const std::vector<RunResult> kNone;
    return outcome.sequence && outcome.sequence->fromDocument ? outcome.sequence->runs : kNone;
}

// "run 2 (dwell)", for the check that binds in it and the queried time.
std::string RunName(const PlanOutcome& outcome, std::size_t run) {
    return lang::Fill(lang::Tr("run %1 (%2)"), {std::to_string(run + 1), RunLabel(DocumentRuns(outcome)[run].kind)});
}

// "Force check", "Fixture resonance check": a check's row in the window.
const char* CheckName(LimitKind limit) {
    switch (limit) {
        case LimitKind::Force:
            return lang::Tr("Force check");
        case LimitKind::Stroke:
            return lang::Tr("Stroke check");
        case LimitKind::Velocity:
            return lang::Tr("Velocity check");
        case LimitKind::Acceleration:
            return lang::Tr("Acceleration check");
        case LimitKind::Payload:
            return lang::Tr("Payload check");
        case LimitKind::FrequencyRange:
            return lang::Tr("Frequency range check");
        case LimitKind::ExpanderResonance:
            return lang::Tr("Expander resonance check");
        case LimitKind::FixtureResonance:
            break;
    }
    return lang::Tr("Fixture resonance check");
}

// "1 cycle", "240 cycles".
std::string CycleCount(const std::string& shown) {
    return lang::Fill(lang::TrN("%1 cycle", "%1 cycles", CountOf(shown)), {shown});
}

}  // namespace

std::string ResultsTable(const PlanDocument& document, const PlanOutcome& outcome) {
    const ResultUnits units = ResultUnitsOf(document);
    std::vector<halvex::ResultRow> rows;
    const auto row = [&](const std::string& quantity, const char* form, const std::string& value,
                         const std::string& unit) {
        rows.push_back({quantity, form, value, unit});
    };
    const auto measured = [&](const std::string& quantity, const char* form, double si, const ResultUnit& unit) {
        row(quantity, form, ShownNumber(unit.Of(si)), unit.symbol);
    };
    const auto hz = [&](const std::string& quantity, double f) { row(quantity, "", ShownNumber(f), "Hz"); };
    const auto seconds = [&](const std::string& quantity, double s) { row(quantity, "", ShownSeconds(s), "s"); };

    // The gravity in the unit it was given in.
    const std::string gravityUnit = document.gravity.unit.empty() ? "m/s^2" : document.gravity.unit;
    row("gravity", "", ShownGravity(document.gravity.number), gravityUnit);

    // The profile as written, its automatic ends resolved.
    const ResolvedProfile& profile = outcome.profile;
    static const char* const kSiUnits[] = {"m", "m", "m/s", "m/s^2"};  // in LevelKind order
    for (std::size_t i = 0; i < profile.segments.size() && i < document.profile.size(); ++i) {
        const Segment& segment = document.profile[i];
        const std::string name = "segment " + std::to_string(i + 1);
        hz(name + " from", profile.segments[i].from);
        hz(name + " to", profile.segments[i].to);
        const std::string level = name + ' ' + QuantityOf(segment.kind);
        for (std::size_t v = 0; v < segment.values.size(); ++v) {
            const Quantity& value = segment.values[v];
            const std::string unit = value.unit.empty() ? kSiUnits[static_cast<int>(segment.kind)] : value.unit;
            const char* end = segment.values.size() == 1 ? "" : v == 0 ? " at start" : " at end";
            row(level + end, FormOf(segment.kind), ShownNumber(value.number), unit);
        }
    }
    for (double f : profile.crossovers) hz("crossover", f);
    for (const ProfileWarning& warning : profile.warnings) {
        const std::string name = "step at segment " + std::to_string(warning.segment + 1) + " end";
        hz(name, warning.frequency);
        row(name + " size", "", ShownNumber(warning.stepPercent), "%");
        if (warning.meetsAt) hz(name + " levels meet", *warning.meetsAt);
    }
    measured("peak displacement", "peak-to-peak", profile.displacementPp.value, units.length);
    hz("peak displacement frequency", profile.displacementPp.frequency);
    measured("peak velocity", "zero-to-peak", profile.velocity.value, units.velocity);
    hz("peak velocity frequency", profile.velocity.frequency);
    measured("peak acceleration", "zero-to-peak", profile.acceleration.value, units.acceleration);
    hz("peak acceleration frequency", profile.acceleration.frequency);
    if (outcome.shaker) {
        const ShakerResult& shaker = *outcome.shaker;
        if (shaker.movingMass) measured("moving mass", "", *shaker.movingMass, units.mass);
        if (shaker.maxAcceleration) {
            measured("highest acceleration", "zero-to-peak", *shaker.maxAcceleration, units.acceleration);
        }
        static const char* const kForms[] = {"", "peak-to-peak", "zero-to-peak", "zero-to-peak", "", "", "", ""};
        for (const ShakerCheck& check : shaker.checks) {
            const std::string name = LimitName(check.limit);
            const char* form = kForms[static_cast<int>(check.limit)];
            const ResultUnit& unit = LimitUnit(units, check.limit);
            measured(name + " required", form, check.required, unit);
            measured(name + " available", form, check.available, unit);
            if (check.rated != check.available) measured(name + " rated", form, check.rated, unit);
            row(name + " margin", "", ShownNumber(check.margin), "");
            if (check.frequency) hz(name + " frequency", *check.frequency);
            if (check.run) row(name + " run", "", std::to_string(*check.run + 1), "");
        }
        row("verdict", "", shaker.ok ? "pass" : "fail", "");
    }
    if (outcome.sweep) {
        const SweepResult& sweep = *outcome.sweep;
        row("octaves", "", ShownNumber(sweep.octaves), "");
        seconds("time per pass", sweep.passTime);
        row("cycles per pass", "", ShownCount(sweep.cyclesPerPass), "");
        row("passes per axis", "", ShownCount(sweep.passesPerAxis), "");
        seconds("time per axis", sweep.axisTime);
        seconds("total time", sweep.totalTime);
    }
    // Each run of the document's sequence, per axis, and the whole test.
    const std::vector<RunResult>& runs = DocumentRuns(outcome);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const RunResult& run = runs[i];
        const std::string name = "run " + std::to_string(i + 1);
        row(name, "", RunLabel(run.kind), "");
        seconds(name + " time per axis", run.time);
        if (run.cyclesKnown) row(name + " cycles per axis", "", ShownCount(run.cycles), "");
        if (run.kind == RunKind::Sweep || run.kind == RunKind::Search) {
            row(name + " passes per axis", "", ShownCount(run.sweep.passesPerAxis), "");
        }
        if (run.kind == RunKind::Dwell && run.resonances == 0) hz(name + " frequency", run.frequency);
        if (run.kind == RunKind::Dwell && run.resonances > 0) {
            row(name + " resonances", "", std::to_string(run.resonances), "");
        }
        for (const double f : run.frequencies) hz(name + " step frequency", f);
        measured(name + " peak acceleration", "zero-to-peak", run.peaks.acceleration.value, units.acceleration);
    }
    if (!runs.empty()) {
        seconds("test time per axis", outcome.sequence->axisTime);
        seconds("test time", outcome.sequence->totalTime);
    }
    // The answers to the window's queries, when asked.
    if (outcome.at) {
        seconds("queried time", outcome.at->time);
        if (!runs.empty()) row("run at queried time", "", std::to_string(outcome.at->run + 1), "");
        if (outcome.at->frequencyKnown) hz("frequency at queried time", outcome.at->frequency);
        if (outcome.at->pass > 0) {
            row("pass at queried time", "", std::to_string(outcome.at->pass), "");
            row("direction at queried time", "", outcome.at->upward ? "up" : "down", "");
        }
    }
    if (outcome.crossings) {
        hz("queried frequency", outcome.crossings->frequency);
        for (double t : outcome.crossings->times) seconds("queried frequency passed at", t);
    }
    if (outcome.resonance) {
        hz("half-power band low", outcome.resonance->low);
        hz("half-power band high", outcome.resonance->high);
        seconds("time in band per pass", outcome.resonance->timePerPass);
        row("cycles in band per pass", "", ShownCount(outcome.resonance->cyclesPerPass), "");
    }
    return halvex::ResultsTable(rows);
}

}  // namespace planner

namespace planner {

ResultsGrid ResultsGridOf(const PlanDocument& document, const PlanOutcome& outcome) {
    const ResultUnits u = ResultUnitsOf(document);
    ResultsGrid grid;
    grid.columns = {lang::Tr("Result"),
                    "Hz",
                    lang::Fill(lang::Tr("Disp. p-p (%1)"), {u.length.symbol}),
                    lang::Fill(lang::Tr("Vel. (%1)"), {u.velocity.symbol}),
                    lang::Fill(lang::Tr("Accel. (%1)"), {u.acceleration.symbol}),
                    lang::Tr("Details")};
    const auto row = [&](const std::string& name, const std::string& hz, const std::string& details) {
        grid.rows.push_back({name, hz, "", "", "", details});
        return &grid.rows.back();
    };
    const auto motion = [&](const std::string& name, double f, const Motion& m, const std::string& details) {
        std::vector<std::string>& cells = *row(name, ShownNumber(f), details);
        cells[2] = ShownNumber(u.length.Of(m.displacementPp));
        cells[3] = ShownNumber(u.velocity.Of(m.velocity));
        cells[4] = ShownNumber(u.acceleration.Of(m.acceleration));
    };
    const ResolvedProfile& p = outcome.profile;
    for (std::size_t i = 0; i < p.segments.size(); ++i) {
        const ResolvedSegment& s = p.segments[i];
        const std::string number = std::to_string(i + 1);
        const std::string slope =
            s.ramp ? lang::Fill(lang::Tr("slope %1 dB/oct"), {ShownNumber(s.slopeDbPerOctave)}) : std::string();
        motion(lang::Fill(lang::Tr("Segment %1 start"), {number}), s.from, s.start, slope);
        motion(lang::Fill(lang::Tr("Segment %1 end"), {number}), s.to, s.end, "");
    }
    for (const double f : p.crossovers) row(lang::Tr("Crossover"), ShownNumber(f), "");
    for (const ProfileWarning& w : p.warnings) {
        row(lang::Fill(lang::Tr("Step at segment %1 end"), {std::to_string(w.segment + 1)}), ShownNumber(w.frequency),
            lang::Fill(lang::Tr("the levels differ by %1 %"), {ShownNumber(w.stepPercent)}) +
                (w.meetsAt ? lang::Fill(lang::Tr("; they meet at %1 Hz"), {ShownNumber(*w.meetsAt)}) : std::string()));
    }
    (*row(lang::Tr("Peak displacement"), ShownNumber(p.displacementPp.frequency), ""))[2] =
        ShownNumber(u.length.Of(p.displacementPp.value));
    (*row(lang::Tr("Peak velocity"), ShownNumber(p.velocity.frequency), ""))[3] =
        ShownNumber(u.velocity.Of(p.velocity.value));
    (*row(lang::Tr("Peak acceleration"), ShownNumber(p.acceleration.frequency), ""))[4] =
        ShownNumber(u.acceleration.Of(p.acceleration.value));
    if (outcome.shaker) {
        const ShakerResult& shaker = *outcome.shaker;
        if (shaker.movingMass)
            row(lang::Tr("Moving mass"), "", ShownNumber(u.mass.Of(*shaker.movingMass)) + " " + u.mass.symbol);
        if (shaker.maxAcceleration) {
            row(lang::Tr("Highest acceleration"), "",
                ShownNumber(u.acceleration.Of(*shaker.maxAcceleration)) + " " + u.acceleration.symbol);
        }
        for (const ShakerCheck& c : shaker.checks) {
            const ResultUnit& unit = LimitUnit(u, c.limit);
            const std::string rated = c.rated != c.available ? lang::Fill(lang::Tr(" (rated %1 %2)"),
                                                                          {ShownNumber(unit.Of(c.rated)), unit.symbol})
                                                             : std::string();
            row(CheckName(c.limit), c.frequency ? ShownNumber(*c.frequency) : "",
                lang::Fill(lang::Tr("required %1 %2, available %3 %2%4, margin %5"),
                           {ShownNumber(unit.Of(c.required)), unit.symbol, ShownNumber(unit.Of(c.available)), rated,
                            ShownNumber(c.margin)}) +
                    (c.ok ? lang::Tr(", holds") : lang::Tr(", fails")) +
                    (c.run ? lang::Fill(lang::Tr(" in %1"), {RunName(outcome, *c.run)}) : std::string()));
        }
        row(lang::Tr("Verdict"), "",
            shaker.ok ? lang::Tr("the shaker can run this profile") : lang::Tr("the shaker cannot run this profile"));
    }
    if (outcome.sweep) {
        const SweepResult& sweep = *outcome.sweep;
        row(lang::Tr("Octaves"), "", ShownNumber(sweep.octaves));
        row(lang::Tr("Time per pass"), "", ShownDuration(sweep.passTime));
        row(lang::Tr("Cycles per pass"), "", ShownCount(sweep.cyclesPerPass));
        row(lang::Tr("Passes per axis"), "", ShownCount(sweep.passesPerAxis));
        row(lang::Tr("Time per axis"), "", ShownDuration(sweep.axisTime));
        row(lang::Tr("Total time"), "", ShownDuration(sweep.totalTime));
    }
    // A row per run with the most it asks, then the whole test's time.
    const std::vector<RunResult>& runs = DocumentRuns(outcome);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const RunResult& run = runs[i];
        std::string details = std::string(RunLabel(run.kind)) + ": " + ShownDuration(run.time);
        if (run.cyclesKnown) details += ", " + CycleCount(ShownCount(run.cycles));
        details += ", " + RunDetails(run);
        std::vector<std::string>& cells = *row(lang::Fill(lang::Tr("Run %1"), {std::to_string(i + 1)}),
                                               run.frequency > 0.0 ? ShownNumber(run.frequency) : "", details);
        cells[2] = ShownNumber(u.length.Of(run.peaks.displacementPp.value));
        cells[3] = ShownNumber(u.velocity.Of(run.peaks.velocity.value));
        cells[4] = ShownNumber(u.acceleration.Of(run.peaks.acceleration.value));
    }
    if (!runs.empty()) {
        const SequenceResult& sequence = *outcome.sequence;
        const std::string axes = ShownCount(sequence.axes);
        row(lang::Tr("Test time per axis"), "", ShownDuration(sequence.axisTime));
        row(lang::Tr("Test time"), "",
            lang::Fill(lang::TrN("%1 on %2 axis", "%1 on %2 axes", CountOf(axes)),
                       {ShownDuration(sequence.totalTime), axes}));
    }
    if (outcome.at) {
        const SequencePoint& at = *outcome.at;
        std::string details = runs.empty() ? "" : RunName(outcome, at.run);
        if (at.pass > 0) {
            const std::string pass =
                lang::Fill(at.upward ? lang::Tr("pass %1, up") : lang::Tr("pass %1, down"), {std::to_string(at.pass)});
            details += (details.empty() ? "" : ", ") + pass;
        }
        if (!at.frequencyKnown) details += lang::Tr(", at a resonance still to be found");
        row(lang::Fill(lang::Tr("At %1"), {ShownDuration(at.time)}), at.frequencyKnown ? ShownNumber(at.frequency) : "",
            details);
    }
    if (outcome.crossings) {
        const std::string f = ShownNumber(outcome.crossings->frequency);
        for (const double t : outcome.crossings->times) {
            row(lang::Fill(lang::Tr("Passes %1 Hz"), {f}), f, lang::Fill(lang::Tr("at %1"), {ShownDuration(t)}));
        }
    }
    if (outcome.resonance) {
        const ResonanceResult& r = *outcome.resonance;
        row(lang::Tr("Half-power band"), lang::Fill(lang::Tr("%1 to %2"), {ShownNumber(r.low), ShownNumber(r.high)}),
            lang::Fill(lang::Tr("%1 and %2 per pass"),
                       {ShownDuration(r.timePerPass), CycleCount(ShownCount(r.cyclesPerPass))}));
    }
    return grid;
}

std::string SweepCounterpart(const PlanDocument& document, const PlanOutcome& outcome) {
    if (!document.sweep || !outcome.sweep) return {};
    const SweepResult& sweep = *outcome.sweep;
    if (document.sweep->rate) return lang::Fill(lang::Tr("= %1 per pass"), {ShownDuration(sweep.passTime)});
    return "= " + ShownNumber(sweep.rate * 60.0) + (sweep.type == SweepType::Log ? " oct/min" : " Hz/min");
}

}  // namespace planner
