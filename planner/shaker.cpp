#include "planner/shaker.h"

#include <algorithm>
#include <cmath>

#include "lang/tr.h"
#include "planner/lab.h"
#include "planner/rounding.h"
#include "planner/sequence.h"

namespace planner {

const char* LimitName(LimitKind kind) {
    switch (kind) {
        case LimitKind::Force:
            return "force";
        case LimitKind::Stroke:
            return "stroke";
        case LimitKind::Velocity:
            return "velocity";
        case LimitKind::Acceleration:
            return "acceleration";
        case LimitKind::Payload:
            return "payload";
        case LimitKind::FrequencyRange:
            return "frequency_range";
        case LimitKind::ExpanderResonance:
            return "expander_resonance";
        case LimitKind::FixtureResonance:
            break;
    }
    return "fixture_resonance";
}

namespace {

bool Finite(double value) { return std::isfinite(value); }

// The most that is asked of one quantity, where, and by which run.
struct Demand {
    Peak peak;
    std::optional<std::size_t> run;
};

// The profile's peak, or with a sequence the highest of its runs' (the
// first of equals).
Demand DemandOf(const ResolvedProfile& profile, const SequenceResult* sequence, Peak ResolvedProfile::*profilePeak,
                Peak RunPeaks::*runPeak) {
    if (sequence == nullptr || !sequence->fromDocument) return Demand{profile.*profilePeak, std::nullopt};
    Demand demand;
    for (std::size_t i = 0; i < sequence->runs.size(); ++i) {
        const Peak& peak = sequence->runs[i].peaks.*runPeak;
        if (!demand.run || BelowBeyondRounding(demand.peak.value, peak.value)) demand = Demand{peak, i};
    }
    return demand;
}

}  // namespace

namespace {
bool CheckOneSetup(const ShakerSettings& shaker, double gravity, const ResolvedProfile& profile,
                   const SequenceResult* sequence, const LabDocument* lab, ShakerResult& result, std::string& message);
}  // namespace

std::pair<double, double> TestSpan(const ResolvedProfile& profile, const SequenceResult* sequence) {
    double low = profile.Lowest();
    double high = profile.Highest();
    if (sequence != nullptr && sequence->fromDocument) {
        for (const RunResult& run : sequence->runs) {
            for (const double f : run.frequencies) low = std::min(low, f), high = std::max(high, f);
            if (run.kind == RunKind::Dwell && run.resonances == 0) {
                low = std::min(low, run.frequency);
                high = std::max(high, run.frequency);
            }
        }
    }
    return {low, high};
}

bool CheckShaker(const PlanDocument& document, const ResolvedProfile& profile, const SequenceResult* sequence,
                 const LabDocument* lab, ShakerResult& result, std::string& message) {
    result = ShakerResult();
    if (!document.shaker) return true;
    const std::size_t setups = document.shaker->setups.size();
    if (setups > 0 && static_cast<double>(setups) != document.Axes()) {
        message = "shaker.setups: " +
                  lang::Fill(lang::Tr("%1 set-ups for %2 axes; give one for each axis"),
                             {std::to_string(setups), std::to_string(static_cast<long>(document.Axes()))});
        return false;
    }
    return CheckShakerSettings(*document.shaker, document.GravitySi(), profile, sequence, lab, result, message);
}

bool CheckShakerSettings(const ShakerSettings& shaker, double gravity, const ResolvedProfile& profile,
                         const SequenceResult* sequence, const LabDocument* lab, ShakerResult& result,
                         std::string& message) {
    result = ShakerResult();
    if (shaker.setups.empty()) return CheckOneSetup(shaker, gravity, profile, sequence, lab, result, message);
    for (std::size_t i = 0; i < shaker.setups.size(); ++i) {
        result.axes.emplace_back();
        if (!CheckOneSetup(shaker.OnAxis(i), gravity, profile, sequence, lab, result.axes.back(), message)) {
            message.insert(0, "shaker.setups[" + std::to_string(i) + "]: ");
            return false;
        }
    }
    // Each limit where it comes closest to failing; the heaviest axis's mass.
    const ShakerResult* heaviest = &result.axes.front();
    for (std::size_t i = 0; i < result.axes.size(); ++i) {
        const ShakerResult& axis = result.axes[i];
        result.ok = result.ok && axis.ok;
        if (axis.movingMass.value_or(0.0) > heaviest->movingMass.value_or(0.0)) heaviest = &axis;
        for (const ShakerCheck& check : axis.checks) {
            auto same = std::find_if(result.checks.begin(), result.checks.end(),
                                     [&](const ShakerCheck& c) { return c.limit == check.limit; });
            if (same == result.checks.end()) {
                result.checks.push_back(check);
                result.checks.back().axis = i;
            } else if (BelowBeyondRounding(check.margin, same->margin)) {
                *same = check;
                same->axis = i;
            }
        }
    }
    result.movingMass = heaviest->movingMass;
    result.maxAcceleration = heaviest->maxAcceleration;
    result.ratedMaxAcceleration = heaviest->ratedMaxAcceleration;
    std::stable_sort(result.checks.begin(), result.checks.end(),
                     [](const ShakerCheck& a, const ShakerCheck& b) { return a.limit < b.limit; });
    return true;
}

namespace {

bool CheckOneSetup(const ShakerSettings& shaker, double gravity, const ResolvedProfile& profile,
                   const SequenceResult* sequence, const LabDocument* lab, ShakerResult& result, std::string& message) {
    // The plan's own force fraction, else the library's derating for its shaker.
    LabDerating derating;
    if (shaker.forceFraction) {
        derating.force = *shaker.forceFraction;
    } else if (lab != nullptr && shaker.name && lab->FindShaker(*shaker.name) != nullptr) {
        derating = lab->derating;
    }
    const double fixtureMargin = lab != nullptr ? lab->fixtureMargin : 1.0;

    double mass = 0.0;
    bool anyMass = false;
    for (const auto& part : shaker.masses) {
        if (!part) continue;
        anyMass = true;
        mass += ToSi(*part, QuantityKind::Mass, gravity);
    }
    if (!Finite(mass)) {
        message = std::string("shaker.moving_mass: ") + lang::Tr("the masses add up to more than can be computed");
        return false;
    }
    if (anyMass) result.movingMass = mass;

    const Demand displacement =
        DemandOf(profile, sequence, &ResolvedProfile::displacementPp, &RunPeaks::displacementPp);
    const Demand velocity = DemandOf(profile, sequence, &ResolvedProfile::velocity, &RunPeaks::velocity);
    const Demand acceleration = DemandOf(profile, sequence, &ResolvedProfile::acceleration, &RunPeaks::acceleration);

    const auto add = [&](const char* field, ShakerCheck check) {
        if (!Finite(check.required) || !Finite(check.margin) || !(check.margin > 0.0)) {
            message = std::string("shaker.") + field + ": " + lang::Tr("too far from what the profile asks to compare");
            return false;
        }
        result.checks.push_back(check);
        result.ok = result.ok && check.ok;
        return true;
    };
    // A limit at least what is asked; one equal to it but for rounding holds.
    // A strict one (a first resonance) must lie above it.
    const auto atLeast = [&](LimitKind limit, const char* field, double required, double rated, double fraction,
                             std::optional<double> frequency, std::optional<std::size_t> run, bool strict) {
        const double available = rated * fraction;
        const bool ok = strict ? BelowBeyondRounding(required, available)
                               : required <= available || EqualWithinRounding(required, available);
        return add(field, ShakerCheck{limit, required, available, rated, available / required, frequency, ok, run,
                                      std::nullopt});
    };
    const auto motion = [&](LimitKind limit, const char* field, const Demand& demand, double scale, double rated,
                            double fraction) {
        return atLeast(limit, field, demand.peak.value * scale, rated, fraction, demand.peak.frequency, demand.run,
                       false);
    };

    if (shaker.ratedForce) {
        if (!(mass > 0.0)) {
            message = std::string("shaker.moving_mass: ") + lang::Tr("the force check needs a moving mass above 0");
            return false;
        }
        const double rated = ToSi(*shaker.ratedForce, QuantityKind::Force, gravity);
        result.maxAcceleration = rated * derating.force / mass;
        result.ratedMaxAcceleration = rated / mass;
        if (!Finite(*result.ratedMaxAcceleration) || !(*result.maxAcceleration > 0.0)) {
            message = std::string("shaker.rated_force: ") + lang::Tr("too far from the moving mass to compare");
            return false;
        }
        if (!motion(LimitKind::Force, "rated_force", acceleration, mass, rated, derating.force)) return false;
    }
    if (shaker.strokePp && !motion(LimitKind::Stroke, "stroke_pp", displacement, 1.0,
                                   ToSi(*shaker.strokePp, QuantityKind::Length, gravity), derating.stroke)) {
        return false;
    }
    if (shaker.velocity && !motion(LimitKind::Velocity, "velocity", velocity, 1.0,
                                   ToSi(*shaker.velocity, QuantityKind::Velocity, gravity), derating.velocity)) {
        return false;
    }
    if (shaker.acceleration &&
        !motion(LimitKind::Acceleration, "acceleration", acceleration, 1.0,
                ToSi(*shaker.acceleration, QuantityKind::Acceleration, gravity), derating.acceleration)) {
        return false;
    }
    if (shaker.maxPayload) {
        // What the armature carries: all the moving mass but its own.
        double payload = 0.0;
        for (int i = 1; i < 4; ++i) {
            if (shaker.masses[i]) payload += ToSi(*shaker.masses[i], QuantityKind::Mass, gravity);
        }
        if (payload > 0.0 &&
            !atLeast(LimitKind::Payload, "max_payload", payload, ToSi(*shaker.maxPayload, QuantityKind::Mass, gravity),
                     1.0, std::nullopt, std::nullopt, false)) {
            return false;
        }
    }
    const auto [low, high] = TestSpan(profile, sequence);
    if (shaker.frequencyRange) {
        // The test's end nearer the range's end binds; the margin is how far
        // inside the range it stays.
        const double shakerLow = ToSi((*shaker.frequencyRange)[0], QuantityKind::Frequency, gravity);
        const double shakerHigh = ToSi((*shaker.frequencyRange)[1], QuantityKind::Frequency, gravity);
        const bool lowBinds = BelowBeyondRounding(low / shakerLow, shakerHigh / high);
        const double required = lowBinds ? low : high;
        const double end = lowBinds ? shakerLow : shakerHigh;
        const bool ok = lowBinds ? shakerLow <= low || EqualWithinRounding(shakerLow, low)
                                 : high <= shakerHigh || EqualWithinRounding(high, shakerHigh);
        if (!add("frequency_range", ShakerCheck{LimitKind::FrequencyRange, required, end, end,
                                                lowBinds ? low / shakerLow : shakerHigh / high, required, ok,
                                                std::nullopt, std::nullopt})) {
            return false;
        }
    }
    if (shaker.expanderResonance &&
        !atLeast(LimitKind::ExpanderResonance, "expander_resonance", high * fixtureMargin,
                 ToSi(*shaker.expanderResonance, QuantityKind::Frequency, gravity), 1.0, high, std::nullopt, true)) {
        return false;
    }
    if (shaker.fixtureResonance &&
        !atLeast(LimitKind::FixtureResonance, "fixture_resonance", high * fixtureMargin,
                 ToSi(*shaker.fixtureResonance, QuantityKind::Frequency, gravity), 1.0, high, std::nullopt, true)) {
        return false;
    }
    return true;
}

}  // namespace

const ShakerCheck* BindingCheck(const ShakerResult& result) {
    const ShakerCheck* binding = nullptr;
    for (const ShakerCheck& check : result.checks) {
        // A test inside the shaker's frequency range uses up none of it: a
        // test that starts at the range's end is the usual case, not a limit
        // reached. Only a test outside it binds there.
        if (check.limit == LimitKind::FrequencyRange && check.ok && result.checks.size() > 1) continue;
        if (binding == nullptr || BelowBeyondRounding(check.margin, binding->margin)) binding = &check;
    }
    return binding;
}

}  // namespace planner
