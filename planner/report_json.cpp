#include <string>

#include "numeric/json_text.h"
#include "planner/plan.h"

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

void AppendShaker(std::string& out, const ShakerResult& shaker) {
    ObjectWriter o(out);
    if (shaker.movingMass) o.Number("moving_mass", *shaker.movingMass);
    if (shaker.maxAcceleration) o.Number("max_acceleration", *shaker.maxAcceleration);
    if (shaker.ratedMaxAcceleration) o.Number("rated_max_acceleration", *shaker.ratedMaxAcceleration);
    std::string& checks = o.Key("checks");
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
    }
    checks += ']';
    o.Bool("ok", shaker.ok);
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
        {
            ObjectWriter peaks(o.Key("peaks"));
            AppendPeak(peaks.Key("displacement_pp"), outcome.profile.displacementPp);
            AppendPeak(peaks.Key("velocity"), outcome.profile.velocity);
            AppendPeak(peaks.Key("acceleration"), outcome.profile.acceleration);
        }
        if (outcome.shaker) AppendShaker(o.Key("shaker"), *outcome.shaker);
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
