#include "planner/sequence.h"

#include <cmath>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/rounding.h"

namespace planner {
namespace {

std::string Number(double value) { return halvex::FormatNumber("%.6g", value); }

std::string RunPath(std::size_t i) { return "sequence[" + std::to_string(i) + "]"; }

std::string ProfileSpan(const ResolvedProfile& profile) {
    return lang::Fill(lang::Tr("the profile (%1 to %2 Hz)"), {Number(profile.Lowest()), Number(profile.Highest())});
}

bool InsideProfile(const ResolvedProfile& profile, double f) {
    return (f >= profile.Lowest() || EqualWithinRounding(f, profile.Lowest())) &&
           (f <= profile.Highest() || EqualWithinRounding(f, profile.Highest()));
}

Motion Scaled(const Motion& motion, double factor) {
    return Motion{motion.displacementPp * factor, motion.velocity * factor, motion.acceleration * factor};
}

// What a run's level asks at f.
class RunLevelAt {
public:
    RunLevelAt(const RunLevel& level, const ResolvedProfile& profile, double gravity)
        : m_level(level), m_profile(profile) {
        if (level.source == RunLevel::Source::Own) m_own = ToSi(level.value, LevelQuantityKind(level.kind), gravity);
    }

    Motion At(double f) const {
        switch (m_level.source) {
            case RunLevel::Source::Profile:
                return ProfileMotionAt(m_profile, f);
            case RunLevel::Source::Fraction:
                return Scaled(ProfileMotionAt(m_profile, f), m_level.fraction);
            case RunLevel::Source::Own:
                break;
        }
        return MotionAt(m_level.kind, m_own, f);
    }

    // The worst over a span: the profile's peaks, or a constant level's at
    // whichever end asks more of each quantity.
    RunPeaks OverSpan(double low, double high) const {
        if (m_level.source == RunLevel::Source::Own) return AtFrequencies({low, high});
        const double factor = m_level.source == RunLevel::Source::Fraction ? m_level.fraction : 1.0;
        const auto scaled = [factor](const Peak& peak) { return Peak{peak.value * factor, peak.frequency}; };
        return RunPeaks{scaled(m_profile.displacementPp), scaled(m_profile.velocity), scaled(m_profile.acceleration)};
    }

    // The worst over some frequencies; the lowest wins a tie within rounding.
    RunPeaks AtFrequencies(const std::vector<double>& frequencies) const {
        RunPeaks peaks;
        const auto consider = [](Peak& best, double value, double f) {
            const bool lower = f < best.frequency;
            if (best.frequency == 0.0 || BelowBeyondRounding(best.value, value) ||
                (lower && EqualWithinRounding(best.value, value))) {
                best = Peak{value, f};
            }
        };
        for (const double f : frequencies) {
            const Motion motion = At(f);
            consider(peaks.displacementPp, motion.displacementPp, f);
            consider(peaks.velocity, motion.velocity, f);
            consider(peaks.acceleration, motion.acceleration, f);
        }
        return peaks;
    }

private:
    const RunLevel& m_level;
    const ResolvedProfile& m_profile;
    double m_own = 0.0;
};

bool Usable(double value) { return std::isfinite(value) && value > 0.0; }

bool PeaksUsable(const RunPeaks& peaks) {
    return Usable(peaks.displacementPp.value) && Usable(peaks.velocity.value) && Usable(peaks.acceleration.value);
}

// The frequencies of a stepped run; false with a message on a step that
// cannot be made.
bool StepFrequencies(const Run& run, const std::string& path, double gravity, std::vector<double>& frequencies,
                     std::string& message) {
    const double from = ToSi(run.from, QuantityKind::Frequency, gravity);
    const double to = ToSi(run.to, QuantityKind::Frequency, gravity);
    if (!BelowBeyondRounding(from, to)) {
        message = path + ".to: " + lang::Fill(lang::Tr("must be above from (%1 Hz)"), {Number(from)});
        return false;
    }
    const bool octaves = run.StepsInOctaves();
    const double step = octaves ? run.step.number : ToSi(run.step, QuantityKind::Frequency, gravity);
    const double span = octaves ? std::log2(to / from) : to - from;
    if (!Usable(step)) {
        message = path + ".step: " + lang::Tr("must be positive and finite");
        return false;
    }
    if (BelowBeyondRounding(span, step)) {
        message = path + ".step: " +
                  lang::Fill(lang::Tr("%1 is larger than the span from %2 to %3 Hz"),
                             {QuantityText(run.step), Number(from), Number(to)});
        return false;
    }
    const double steps = span / step;
    if (!(steps < kMaxSteps)) {
        message = path + ".step: " +
                  lang::Fill(lang::Tr("more than %1 steps from %2 to %3 Hz"),
                             {std::to_string(static_cast<long>(kMaxSteps)), Number(from), Number(to)});
        return false;
    }
    const auto frequencyOf = [&](double k) { return octaves ? from * std::pow(2.0, k * step) : from + k * step; };
    // `to` is a step when the steps land on it, within a part in 10^9.
    const double nearest = std::round(steps);
    const bool lands = std::fabs(frequencyOf(nearest) - to) <= 1e-9 * to;
    const int last = static_cast<int>(lands ? nearest : std::floor(steps));
    frequencies.clear();
    for (int k = 0; k <= last; ++k) frequencies.push_back(frequencyOf(k));
    if (lands) frequencies.back() = to;
    return true;
}

class Planner {
public:
    Planner(const PlanDocument& document, const ResolvedProfile& profile, const std::optional<SweepResult>& sweep,
            std::string& message)
        : m_profile(profile), m_sweep(sweep), m_message(message), m_gravity(document.GravitySi()) {}

    bool Plan(const Run& run, const std::string& path, RunResult& result) {
        result.kind = run.kind;
        const RunLevelAt level(run.level, m_profile, m_gravity);
        switch (run.kind) {
            case RunKind::Sweep:
                if (!m_sweep) return Fail(path, lang::Tr("a sweep run needs the document's sweep"));
                result.sweep = *m_sweep;
                result.time = m_sweep->SweepingTime();
                result.cycles = m_sweep->cyclesPerAxis;
                result.peaks = level.OverSpan(m_profile.Lowest(), m_profile.Highest());
                break;
            case RunKind::Search:
                if (!PlanSearch(run, path, result)) return false;
                result.peaks = level.OverSpan(m_profile.Lowest(), m_profile.Highest());
                break;
            case RunKind::Dwell:
                if (!PlanDwell(run, path, level, result)) return false;
                break;
            case RunKind::Stepped:
                if (!StepFrequencies(run, path, m_gravity, result.frequencies, m_message)) return false;
                if (run.level.source != RunLevel::Source::Own) {
                    for (const double f : {result.frequencies.front(), result.frequencies.back()}) {
                        if (!InsideProfile(m_profile, f)) {
                            return Fail(path + (f == result.frequencies.front() ? ".from" : ".to"),
                                        lang::Fill(lang::Tr("the step at %1 Hz is outside %2; a run outside it "
                                                            "needs a level of its own"),
                                                   {Number(f), ProfileSpan(m_profile)}));
                        }
                    }
                }
                for (const double f : result.frequencies) {
                    const double hold = run.hold ? ToSi(*run.hold, QuantityKind::Time, m_gravity) : *run.holdCycles / f;
                    result.holds.push_back(hold);
                    result.time += hold;
                    result.cycles += hold * f;
                }
                result.peaks = level.AtFrequencies(result.frequencies);
                break;
        }
        if (!Usable(result.time) || (result.cyclesKnown && !Usable(result.cycles)) || !PeaksUsable(result.peaks)) {
            return Fail(path, lang::Tr("the run's time, cycles or level are too large or too small to compute"));
        }
        return true;
    }

private:
    bool Fail(const std::string& path, const std::string& what) {
        m_message = path + ": " + what;
        return false;
    }

    bool PlanSearch(const Run& run, const std::string& path, RunResult& result) {
        SweepSpec given;
        given.type = run.type;
        given.rate = run.rate ? &*run.rate : nullptr;
        given.passTime = run.passTime ? &*run.passTime : nullptr;
        given.mode = run.mode;
        given.sweeps = run.sweeps.value_or(1.0);
        given.duration = run.duration ? &*run.duration : nullptr;
        given.path = path;
        if (!PlanSweepSpec(given, m_profile.Lowest(), m_profile.Highest(), m_gravity, result.sweep, m_message)) {
            return false;
        }
        result.time = result.sweep.SweepingTime();
        result.cycles = result.sweep.cyclesPerAxis;
        return true;
    }

    bool PlanDwell(const Run& run, const std::string& path, const RunLevelAt& level, RunResult& result) {
        const double time = run.time ? ToSi(*run.time, QuantityKind::Time, m_gravity) : 0.0;
        if (run.resonances) {
            // Frequencies still to be found: the worst level the profile
            // asks, and cycles timed at its highest frequency, the shortest.
            result.resonances = static_cast<int>(*run.resonances);
            result.peaks = level.OverSpan(m_profile.Lowest(), m_profile.Highest());
            if (run.time) {
                result.time = *run.resonances * time;
                result.cyclesKnown = false;
            } else {
                result.budgetFrequency = m_profile.Highest();
                result.cycles = *run.resonances * *run.cycles;
                result.time = result.cycles / result.budgetFrequency;
            }
            return true;
        }
        result.frequency = ToSi(*run.frequency, QuantityKind::Frequency, m_gravity);
        if (run.level.source != RunLevel::Source::Own && !InsideProfile(m_profile, result.frequency)) {
            return Fail(path + ".frequency",
                        lang::Fill(lang::Tr("%1 Hz is outside %2; a dwell outside it needs a level of its own"),
                                   {Number(result.frequency), ProfileSpan(m_profile)}));
        }
        result.time = run.time ? time : *run.cycles / result.frequency;
        result.cycles = run.time ? time * result.frequency : *run.cycles;
        result.peaks = level.AtFrequencies({result.frequency});
        return true;
    }

    const ResolvedProfile& m_profile;
    const std::optional<SweepResult>& m_sweep;
    std::string& m_message;
    double m_gravity;
};

}  // namespace

Motion ProfileMotionAt(const ResolvedProfile& profile, double f) {
    const ResolvedSegment* segment = &profile.segments.back();
    for (const ResolvedSegment& s : profile.segments) {
        if (f <= s.to) {
            segment = &s;
            break;
        }
    }
    double level = segment->startLevel;
    if (segment->ramp && segment->endLevel != segment->startLevel) {
        const double exponent =
            std::log(segment->endLevel / segment->startLevel) / std::log(segment->to / segment->from);
        level = segment->startLevel * std::pow(f / segment->from, exponent);
    }
    return MotionAt(segment->kind, level, f);
}

Motion RunMotionAt(const RunLevel& level, const ResolvedProfile& profile, double gravity, double f) {
    return RunLevelAt(level, profile, gravity).At(f);
}

bool PlanSequence(const PlanDocument& document, const ResolvedProfile& profile, const std::optional<SweepResult>& sweep,
                  SequenceResult& sequence, std::string& message) {
    sequence = SequenceResult();
    sequence.fromDocument = document.sequence.has_value();
    Planner planner(document, profile, sweep, message);
    double start = 0.0;
    const auto add = [&](const Run& run, const std::string& path) {
        RunResult result;
        if (!planner.Plan(run, path, result)) return false;
        result.start = start;
        start += result.time;
        sequence.runs.push_back(std::move(result));
        return true;
    };
    if (document.sequence) {
        for (std::size_t i = 0; i < document.sequence->size(); ++i) {
            if (!add((*document.sequence)[i], RunPath(i))) return false;
        }
    } else if (sweep) {
        if (!add(Run(), "sweep")) return false;
    }
    if (sweep) sequence.dwellTime = sweep->dwellTime;
    sequence.axes = document.Axes();
    sequence.axisTime = start + sequence.dwellTime;
    sequence.totalTime = sequence.axisTime * sequence.axes;
    if (!std::isfinite(sequence.totalTime)) {
        message = std::string(document.sequence ? "sequence" : "sweep") + ": " +
                  lang::Tr("the test's time is too long to compute");
        return false;
    }
    return true;
}

bool SequenceAt(const SequenceResult& sequence, double time, SequencePoint& point, std::string& message) {
    const double end = sequence.TimelineEnd();
    if (!(time >= 0.0) || !std::isfinite(time) || time > end || sequence.runs.empty()) {
        message = "--at: " + lang::Fill(sequence.fromDocument
                                            ? lang::Tr("%1 s is outside the sequence of one axis (0 to %2 s)")
                                            : lang::Tr("%1 s is outside the sweeps of one axis (0 to %2 s)"),
                                        {Number(time), Number(end)});
        return false;
    }
    // A run's end is the next one's start; the last run keeps its end.
    std::size_t index = 0;
    while (index + 1 < sequence.runs.size() && time >= sequence.runs[index].End()) ++index;
    const RunResult& run = sequence.runs[index];
    const double inRun = std::max(0.0, time - run.start);
    point = SequencePoint();
    point.time = time;
    point.run = index;
    switch (run.kind) {
        case RunKind::Sweep:
        case RunKind::Search: {
            TimePoint pass;
            if (!FrequencyAt(run.sweep, std::min(inRun, run.sweep.SweepingTime()), pass, message)) return false;
            point.frequency = pass.frequency;
            point.pass = pass.pass;
            point.upward = pass.upward;
            break;
        }
        case RunKind::Dwell:
            point.frequencyKnown = run.resonances == 0;
            point.frequency = run.frequency;
            break;
        case RunKind::Stepped: {
            std::size_t step = 0;
            double stepStart = 0.0;
            while (step + 1 < run.holds.size() && inRun >= stepStart + run.holds[step]) stepStart += run.holds[step++];
            point.frequency = run.frequencies[step];
            break;
        }
    }
    return true;
}

bool SequenceCrossings(const SequenceResult& sequence, double frequency, std::vector<double>& times,
                       std::string& message) {
    times.clear();
    bool reached = false;
    for (const RunResult& run : sequence.runs) {
        if (run.kind == RunKind::Sweep || run.kind == RunKind::Search) {
            std::vector<double> passes;
            std::string outside;
            if (!CrossingTimes(run.sweep, frequency, passes, outside)) {
                if (!sequence.fromDocument) {
                    message = outside;
                    return false;
                }
                continue;
            }
            reached = true;
            for (const double t : passes) {
                // A run that ends at f and the next that starts there pass it once.
                const double at = run.start + t;
                if (times.empty() || !EqualWithinRounding(at, times.back())) times.push_back(at);
            }
        } else if (run.kind == RunKind::Dwell) {
            if (run.resonances == 0 && EqualWithinRounding(run.frequency, frequency)) {
                reached = true;
                if (times.empty() || !EqualWithinRounding(run.start, times.back())) times.push_back(run.start);
            }
        } else {
            double stepStart = run.start;
            for (std::size_t k = 0; k < run.frequencies.size(); ++k) {
                if (EqualWithinRounding(run.frequencies[k], frequency)) {
                    reached = true;
                    if (times.empty() || !EqualWithinRounding(stepStart, times.back())) times.push_back(stepStart);
                }
                stepStart += run.holds[k];
            }
        }
    }
    if (!reached) {
        message = "--frequency: " +
                  lang::Fill(lang::Tr("%1 Hz is not reached by any run of the sequence"), {Number(frequency)});
        return false;
    }
    return true;
}

}  // namespace planner
