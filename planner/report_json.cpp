#include <string>

#include "numeric/json_text.h"
#include "planner/plan.h"
#include "planner/ranking.h"

namespace planner {
namespace {

// Appends members to one object, commas between them.
class ObjectWriter {
public:
    explicit ObjectWriter(std::string& out) : m_out(out) { m_out += '{'; }
    ~ObjectWriter() { m_out += '}'; }
    ObjectWriter(const ObjectWriter&) = delete;
    ObjectWriter& operator=(const ObjectWriter&) = delete;

    std::string& Key(const char* name) {
        if (!m_first) m_out += ',';
        m_first = false;
        halvex::AppendJsonString(m_out, name);
        m_out += ':';
        return m_out;
    }
    void Number(const char* name, double value) { halvex::AppendJsonShortestDouble(Key(name), value); }
    void Text(const char* name, const char* value) { halvex::AppendJsonString(Key(name), value); }
    void Bool(const char* name, bool value) { Key(name) += value ? "true" : "false"; }

private:
    std::string& m_out;
    bool m_first = true;
};

void AppendNumbers(std::string& out, const std::vector<double>& values) {
    out += '[';
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += ',';
        halvex::AppendJsonShortestDouble(out, values[i]);
    }
    out += ']';
}

void AppendMotion(std::string& out, const Motion& motion) {
    ObjectWriter o(out);
    o.Number("displacement_pp", motion.displacementPp);
    o.Number("velocity", motion.velocity);
    o.Number("acceleration", motion.acceleration);
}

void AppendPeak(std::string& out, const Peak& peak) {
    ObjectWriter o(out);
    o.Number("value", peak.value);
    o.Number("frequency", peak.frequency);
}

void AppendSegments(std::string& out, const ResolvedProfile& profile) {
    out += '[';
    for (std::size_t i = 0; i < profile.segments.size(); ++i) {
        const ResolvedSegment& s = profile.segments[i];
        if (i > 0) out += ',';
        ObjectWriter o(out);
        o.Number("from", s.from);
        o.Number("to", s.to);
        o.Text("level", LevelFieldName(s.kind));
        if (s.ramp) o.Number("slope_db_per_octave", s.slopeDbPerOctave);
        AppendMotion(o.Key("start"), s.start);
        AppendMotion(o.Key("end"), s.end);
    }
    out += ']';
}

void AppendChecks(std::string& checks, const ShakerResult& shaker) {
    checks += '[';
    for (std::size_t i = 0; i < shaker.checks.size(); ++i) {
        const ShakerCheck& c = shaker.checks[i];
        if (i > 0) checks += ',';
        ObjectWriter check(checks);
        check.Text("limit", LimitName(c.limit));
        check.Number("required", c.required);
        check.Number("available", c.available);
        check.Number("rated", c.rated);
        check.Number("margin", c.margin);
        if (c.frequency) check.Number("frequency", *c.frequency);
        check.Bool("ok", c.ok);
        if (c.run) check.Number("run", static_cast<double>(*c.run));
        if (c.axis) check.Number("axis", static_cast<double>(*c.axis));
    }
    checks += ']';
}

void AppendShaker(std::string& out, const ShakerResult& shaker, const ShakerSettings& settings) {
    ObjectWriter o(out);
    if (shaker.movingMass) o.Number("moving_mass", *shaker.movingMass);
    if (shaker.maxAcceleration) o.Number("max_acceleration", *shaker.maxAcceleration);
    if (shaker.ratedMaxAcceleration) o.Number("rated_max_acceleration", *shaker.ratedMaxAcceleration);
    AppendChecks(o.Key("checks"), shaker);
    o.Bool("ok", shaker.ok);
    if (shaker.axes.empty()) return;
    std::string& axes = o.Key("axes");
    axes += '[';
    for (std::size_t i = 0; i < shaker.axes.size(); ++i) {
        const ShakerResult& axis = shaker.axes[i];
        if (i > 0) axes += ',';
        ObjectWriter item(axes);
        const std::optional<std::string>& label = settings.setups[i].axis;
        if (label) halvex::AppendJsonString(item.Key("axis"), *label);
        if (axis.movingMass) item.Number("moving_mass", *axis.movingMass);
        if (axis.maxAcceleration) item.Number("max_acceleration", *axis.maxAcceleration);
        AppendChecks(item.Key("checks"), axis);
        item.Bool("ok", axis.ok);
    }
    axes += ']';
}

void AppendSweep(std::string& out, const SweepResult& sweep) {
    ObjectWriter o(out);
    o.Number("octaves", sweep.octaves);
    o.Number("pass_time", sweep.passTime);
    o.Number("cycles_per_pass", sweep.cyclesPerPass);
    o.Number("passes_per_axis", sweep.passesPerAxis);
    o.Number("axis_time", sweep.axisTime);
    o.Number("total_time", sweep.totalTime);
}

void AppendRuns(std::string& out, const SequenceResult& sequence) {
    out += '[';
    for (std::size_t i = 0; i < sequence.runs.size(); ++i) {
        const RunResult& run = sequence.runs[i];
        if (i > 0) out += ',';
        ObjectWriter o(out);
        o.Text("run", RunKindName(run.kind));
        o.Number("time_per_axis", run.time);
        if (run.cyclesKnown) o.Number("cycles_per_axis", run.cycles);
        if (run.kind == RunKind::Sweep || run.kind == RunKind::Search) {
            o.Number("passes_per_axis", run.sweep.passesPerAxis);
        }
        if (run.kind == RunKind::Stepped) AppendNumbers(o.Key("frequencies"), run.frequencies);
        if (run.kind == RunKind::Dwell) {
            if (run.resonances > 0) {
                o.Number("resonances", run.resonances);
                if (run.budgetFrequency > 0.0) o.Number("cycles_timed_at", run.budgetFrequency);
            } else {
                o.Number("frequency", run.frequency);
            }
        }
        ObjectWriter peaks(o.Key("peaks"));
        AppendPeak(peaks.Key("displacement_pp"), run.peaks.displacementPp);
        AppendPeak(peaks.Key("velocity"), run.peaks.velocity);
        AppendPeak(peaks.Key("acceleration"), run.peaks.acceleration);
    }
    out += ']';
}

}  // namespace

std::string PlanJsonReport(const PlanDocument& document, const PlanOutcome& outcome) {
    std::string out;
    {
        ObjectWriter o(out);
        o.Number("gravity", document.GravitySi());
        AppendSegments(o.Key("segments"), outcome.profile);
        AppendNumbers(o.Key("crossovers"), outcome.profile.crossovers);
        if (!outcome.profile.warnings.empty()) {
            std::string& warnings = o.Key("warnings");
            warnings += '[';
            for (std::size_t i = 0; i < outcome.profile.warnings.size(); ++i) {
                const ProfileWarning& w = outcome.profile.warnings[i];
                if (i > 0) warnings += ',';
                ObjectWriter warning(warnings);
                halvex::AppendJsonString(warning.Key("path"), w.path);
                halvex::AppendJsonString(warning.Key("message"), w.message);
                warning.Number("step_percent", w.stepPercent);
                if (w.meetsAt) warning.Number("meets_at", *w.meetsAt);
            }
            warnings += ']';
        }
        {
            ObjectWriter peaks(o.Key("peaks"));
            AppendPeak(peaks.Key("displacement_pp"), outcome.profile.displacementPp);
            AppendPeak(peaks.Key("velocity"), outcome.profile.velocity);
            AppendPeak(peaks.Key("acceleration"), outcome.profile.acceleration);
        }
        if (outcome.shaker) AppendShaker(o.Key("shaker"), *outcome.shaker, *document.shaker);
        if (outcome.sweep) AppendSweep(o.Key("sweep"), *outcome.sweep);
        if (outcome.sequence) {
            if (outcome.sequence->fromDocument) AppendRuns(o.Key("sequence"), *outcome.sequence);
            ObjectWriter time(o.Key("test_time"));
            time.Number("per_axis", outcome.sequence->axisTime);
            time.Number("total", outcome.sequence->totalTime);
        }
        if (outcome.at) {
            const SequencePoint& point = *outcome.at;
            ObjectWriter at(o.Key("at"));
            at.Number("time", point.time);
            if (point.frequencyKnown) at.Number("frequency", point.frequency);
            if (point.pass > 0) {
                at.Number("pass", point.pass);
                at.Text("direction", point.upward ? "up" : "down");
            }
            if (outcome.sequence->fromDocument) at.Number("run", static_cast<double>(point.run));
        }
        if (!outcome.labDifferences.empty()) {
            std::string& list = o.Key("library_differences");
            list += '[';
            for (std::size_t i = 0; i < outcome.labDifferences.size(); ++i) {
                if (i > 0) list += ',';
                halvex::AppendJsonString(list, outcome.labDifferences[i]);
            }
            list += ']';
        }
        if (outcome.crossings) {
            ObjectWriter crossings(o.Key("crossings"));
            crossings.Number("frequency", outcome.crossings->frequency);
            AppendNumbers(crossings.Key("times"), outcome.crossings->times);
        }
        if (outcome.resonance) {
            ObjectWriter resonance(o.Key("resonance"));
            AppendNumbers(resonance.Key("band"), {outcome.resonance->low, outcome.resonance->high});
            resonance.Number("time_per_pass", outcome.resonance->timePerPass);
            resonance.Number("cycles_per_pass", outcome.resonance->cyclesPerPass);
        }
    }
    out += '\n';
    return out;
}

}  // namespace planner

namespace planner {

std::string RankJsonReport(const std::vector<RankedShaker>& ranking) {
    std::string out;
    {
        ObjectWriter o(out);
        std::string& list = o.Key("rank");
        list += '[';
        for (std::size_t i = 0; i < ranking.size(); ++i) {
            const RankedShaker& ranked = ranking[i];
            if (i > 0) list += ',';
            ObjectWriter item(list);
            halvex::AppendJsonString(item.Key("shaker"), ranked.shaker);
            if (ranked.expander) halvex::AppendJsonString(item.Key("expander"), *ranked.expander);
            if (ranked.fixture) halvex::AppendJsonString(item.Key("fixture"), *ranked.fixture);
            item.Bool("ok", ranked.result.ok);
            if (const ShakerCheck* binding = ranked.Binding()) {
                item.Text("binding", LimitName(binding->limit));
                item.Number("margin", binding->margin);
            }
            AppendChecks(item.Key("checks"), ranked.result);
        }
        list += ']';
    }
    out += '\n';
    return out;
}

}  // namespace planner

namespace planner {

std::string LabJsonReport(const LabDocument& lab) {
    const double gravity = lab.GravitySi();
    std::string out;
    {
        ObjectWriter o(out);
        if (lab.name) halvex::AppendJsonString(o.Key("name"), *lab.name);
        o.Number("gravity", gravity);
        {
            ObjectWriter derating(o.Key("derating"));
            derating.Number("force", lab.derating.force);
            derating.Number("stroke", lab.derating.stroke);
            derating.Number("velocity", lab.derating.velocity);
            derating.Number("acceleration", lab.derating.acceleration);
        }
        o.Number("fixture_margin", lab.fixtureMargin);
        const auto si = [&](ObjectWriter& item, const char* name, const std::optional<Quantity>& q, QuantityKind kind) {
            if (q) item.Number(name, ToSi(*q, kind, gravity));
        };
        std::string& shakers = o.Key("shakers");
        shakers += '[';
        for (std::size_t i = 0; i < lab.shakers.size(); ++i) {
            const LabShaker& shaker = lab.shakers[i];
            if (i > 0) shakers += ',';
            ObjectWriter item(shakers);
            halvex::AppendJsonString(item.Key("name"), shaker.name);
            si(item, "rated_force", shaker.ratedForce, QuantityKind::Force);
            si(item, "stroke_pp", shaker.strokePp, QuantityKind::Length);
            si(item, "velocity", shaker.velocity, QuantityKind::Velocity);
            si(item, "acceleration", shaker.acceleration, QuantityKind::Acceleration);
            si(item, "armature", shaker.armature, QuantityKind::Mass);
            si(item, "max_payload", shaker.maxPayload, QuantityKind::Mass);
            if (shaker.frequencyRange) {
                AppendNumbers(item.Key("frequency_range"),
                              {ToSi((*shaker.frequencyRange)[0], QuantityKind::Frequency, gravity),
                               ToSi((*shaker.frequencyRange)[1], QuantityKind::Frequency, gravity)});
            }
        }
        shakers += ']';
        std::string& expanders = o.Key("expanders");
        expanders += '[';
        for (std::size_t i = 0; i < lab.expanders.size(); ++i) {
            const LabExpander& expander = lab.expanders[i];
            if (i > 0) expanders += ',';
            ObjectWriter item(expanders);
            halvex::AppendJsonString(item.Key("name"), expander.name);
            if (expander.kind) item.Text("kind", ExpanderKindName(*expander.kind));
            si(item, "mass", expander.mass, QuantityKind::Mass);
            si(item, "first_resonance", expander.firstResonance, QuantityKind::Frequency);
        }
        expanders += ']';
        std::string& fixtures = o.Key("fixtures");
        fixtures += '[';
        for (std::size_t i = 0; i < lab.fixtures.size(); ++i) {
            const LabFixture& fixture = lab.fixtures[i];
            if (i > 0) fixtures += ',';
            ObjectWriter item(fixtures);
            halvex::AppendJsonString(item.Key("name"), fixture.name);
            si(item, "mass", fixture.mass, QuantityKind::Mass);
            si(item, "first_resonance", fixture.firstResonance, QuantityKind::Frequency);
        }
        fixtures += ']';
    }
    out += '\n';
    return out;
}

}  // namespace planner
