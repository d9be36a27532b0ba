#include "planner/shaker.h"

#include <cmath>

#include "planner/rounding.h"

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

}  // namespace

bool CheckShaker(const PlanDocument& document, const ResolvedProfile& profile, ShakerResult& result,
                 std::string& message) {
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

    const auto add = [&](LimitKind limit, const char* field, double required, double available, double frequency) {
        // A limit equal to what is asked, but for rounding, holds.
        const bool ok = required <= available || EqualWithinRounding(required, available);
        ShakerCheck check{limit, required, available, available / required, frequency, ok};
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
        if (!add(LimitKind::Force, "rated_force", mass * profile.acceleration.value, usable,
                 profile.acceleration.frequency)) {
            return false;
        }
    }
    if (shaker.strokePp &&
        !add(LimitKind::Stroke, "stroke_pp", profile.displacementPp.value,
             ToSi(*shaker.strokePp, QuantityKind::Length, gravity), profile.displacementPp.frequency)) {
        return false;
    }
    if (shaker.velocity && !add(LimitKind::Velocity, "velocity", profile.velocity.value,
                                ToSi(*shaker.velocity, QuantityKind::Velocity, gravity), profile.velocity.frequency)) {
        return false;
    }
    if (shaker.acceleration &&
        !add(LimitKind::Acceleration, "acceleration", profile.acceleration.value,
             ToSi(*shaker.acceleration, QuantityKind::Acceleration, gravity), profile.acceleration.frequency)) {
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
