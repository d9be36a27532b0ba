#include "planner/shaker.h"

#include <cmath>

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
            break;
    }
    return "acceleration";
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

bool CheckShaker(const PlanDocument& document, const ResolvedProfile& profile, const SequenceResult* sequence,
                 ShakerResult& result, std::string& message) {
    result = ShakerResult();
    if (!document.shaker) return true;
    const ShakerSettings& shaker = *document.shaker;
    const double gravity = document.GravitySi();

    double mass = 0.0;
    bool anyMass = false;
    for (const auto& part : shaker.masses) {
        if (!part) continue;
        anyMass = true;
        mass += ToSi(*part, QuantityKind::Mass, gravity);
    }
    if (!Finite(mass)) {
        message = "shaker.moving_mass: the masses add up to more than can be computed";
        return false;
    }
    if (anyMass) result.movingMass = mass;

    const Demand displacement =
        DemandOf(profile, sequence, &ResolvedProfile::displacementPp, &RunPeaks::displacementPp);
    const Demand velocity = DemandOf(profile, sequence, &ResolvedProfile::velocity, &RunPeaks::velocity);
    const Demand acceleration = DemandOf(profile, sequence, &ResolvedProfile::acceleration, &RunPeaks::acceleration);

    const auto add = [&](LimitKind limit, const char* field, const Demand& demand, double scale, double available) {
        const double required = demand.peak.value * scale;
        // A limit equal to what is asked, but for rounding, holds.
        const bool ok = required <= available || EqualWithinRounding(required, available);
        ShakerCheck check{limit, required, available, available / required, demand.peak.frequency, ok, demand.run};
        if (!Finite(check.required) || !Finite(check.margin) || !(check.margin > 0.0)) {
            message = std::string("shaker.") + field + ": too far from what the profile asks to compare";
            return false;
        }
        result.checks.push_back(check);
        result.ok = result.ok && check.ok;
        return true;
    };

    if (shaker.ratedForce) {
        if (!(mass > 0.0)) {
            message = "shaker.moving_mass: the force check needs a moving mass above 0";
            return false;
        }
        const double usable = ToSi(*shaker.ratedForce, QuantityKind::Force, gravity) * shaker.forceFraction;
        result.maxAcceleration = usable / mass;
        if (!Finite(*result.maxAcceleration) || !(*result.maxAcceleration > 0.0)) {
            message = "shaker.rated_force: too far from the moving mass to compare";
            return false;
        }
        if (!add(LimitKind::Force, "rated_force", acceleration, mass, usable)) return false;
    }
    if (shaker.strokePp && !add(LimitKind::Stroke, "stroke_pp", displacement, 1.0,
                                ToSi(*shaker.strokePp, QuantityKind::Length, gravity))) {
        return false;
    }
    if (shaker.velocity &&
        !add(LimitKind::Velocity, "velocity", velocity, 1.0, ToSi(*shaker.velocity, QuantityKind::Velocity, gravity))) {
        return false;
    }
    if (shaker.acceleration && !add(LimitKind::Acceleration, "acceleration", acceleration, 1.0,
                                    ToSi(*shaker.acceleration, QuantityKind::Acceleration, gravity))) {
        return false;
    }
    return true;
}

const ShakerCheck* BindingCheck(const ShakerResult& result) {
    const ShakerCheck* binding = nullptr;
    for (const ShakerCheck& check : result.checks) {
        if (binding == nullptr || BelowBeyondRounding(check.margin, binding->margin)) binding = &check;
    }
    return binding;
}

}  // namespace planner
