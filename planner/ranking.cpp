#include "planner/ranking.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "lang/tr.h"
#include "planner/rounding.h"

namespace planner {
namespace {

// "9 kN", or "none".
std::string Shown(const std::optional<Quantity>& quantity) {
    return quantity ? QuantityText(*quantity) : std::string(lang::Tr("none"));
}

class Differences {
public:
    Differences(double planGravity, double labGravity) : m_planGravity(planGravity), m_labGravity(labGravity) {}

    void Compare(const std::string& path, const std::optional<Quantity>& plan, const std::optional<Quantity>& lab,
                 QuantityKind kind) {
        if (!plan && !lab) return;
        if (plan && lab && EqualWithinRounding(ToSi(*plan, kind, m_planGravity), ToSi(*lab, kind, m_labGravity))) {
            return;
        }
        m_lines.push_back(path + ": " +
                          lang::Fill(lang::Tr("%1 in the plan, %2 in the library"), {Shown(plan), Shown(lab)}));
    }

    // pattern: "\"%1\" is not among the library's shakers", marked N_.
    void Missing(const std::string& path, const std::string& name, const char* pattern) {
        m_lines.push_back(path + ": " + lang::Fill(lang::Tr(pattern), {name}));
    }

    std::vector<std::string> Lines() { return std::move(m_lines); }

private:
    double m_planGravity;
    double m_labGravity;
    std::vector<std::string> m_lines;
};

std::optional<Quantity> RangeEnd(const std::optional<std::array<Quantity, 2>>& range, int end) {
    if (!range) return std::nullopt;
    return (*range)[end];
}

// An expander and a fixture named at path, and the figures kept of them.
void CompareSetup(Differences& differences, const LabDocument& lab, const std::string& path,
                  const std::optional<std::string>& expanderName, const std::optional<Quantity>& expanderMass,
                  const std::optional<Quantity>& expanderResonance, const std::optional<std::string>& fixtureName,
                  const std::optional<Quantity>& fixtureMass, const std::optional<Quantity>& fixtureResonance) {
    if (expanderName) {
        if (const LabExpander* expander = lab.FindExpander(*expanderName)) {
            differences.Compare(path + ".moving_mass.expander", expanderMass, expander->mass, QuantityKind::Mass);
            differences.Compare(path + ".expander_resonance", expanderResonance, expander->firstResonance,
                                QuantityKind::Frequency);
        } else {
            differences.Missing(path + ".expander", *expanderName, N_("\"%1\" is not among the library's expanders"));
        }
    }
    if (fixtureName) {
        if (const LabFixture* fixture = lab.FindFixture(*fixtureName)) {
            differences.Compare(path + ".moving_mass.fixture", fixtureMass, fixture->mass, QuantityKind::Mass);
            differences.Compare(path + ".fixture_resonance", fixtureResonance, fixture->firstResonance,
                                QuantityKind::Frequency);
        } else {
            differences.Missing(path + ".fixture", *fixtureName, N_("\"%1\" is not among the library's fixtures"));
        }
    }
}

}  // namespace

ShakerSettings WithLabShaker(const ShakerSettings& plan, const LabShaker& shaker) {
    ShakerSettings setup = plan;
    setup.name = shaker.name;
    setup.ratedForce = shaker.ratedForce;
    setup.strokePp = shaker.strokePp;
    setup.velocity = shaker.velocity;
    setup.acceleration = shaker.acceleration;
    setup.masses[0] = shaker.armature;
    setup.maxPayload = shaker.maxPayload;
    setup.frequencyRange = shaker.frequencyRange;
    return setup;
}

ShakerSettings WithLabFigures(const ShakerSettings& plan, const LabDocument& lab) {
    ShakerSettings setup = plan;
    if (plan.name) {
        if (const LabShaker* shaker = lab.FindShaker(*plan.name)) setup = WithLabShaker(plan, *shaker);
    }
    if (plan.expander) {
        if (const LabExpander* expander = lab.FindExpander(*plan.expander)) {
            setup.masses[1] = expander->mass;
            setup.expanderResonance = expander->firstResonance;
        }
    }
    if (plan.fixture) {
        if (const LabFixture* fixture = lab.FindFixture(*plan.fixture)) {
            setup.masses[2] = fixture->mass;
            setup.fixtureResonance = fixture->firstResonance;
        }
    }
    for (AxisSetup& axis : setup.setups) {
        if (const LabExpander* expander = axis.expander ? lab.FindExpander(*axis.expander) : nullptr) {
            axis.masses[0] = expander->mass;
            axis.expanderResonance = expander->firstResonance;
        }
        if (const LabFixture* fixture = axis.fixture ? lab.FindFixture(*axis.fixture) : nullptr) {
            axis.masses[1] = fixture->mass;
            axis.fixtureResonance = fixture->firstResonance;
        }
    }
    return setup;
}

std::vector<std::string> LabDifferences(const PlanDocument& document, const LabDocument& lab) {
    Differences differences(document.GravitySi(), lab.GravitySi());
    if (!document.shaker) return {};
    const ShakerSettings& plan = *document.shaker;
    if (plan.name) {
        if (const LabShaker* shaker = lab.FindShaker(*plan.name)) {
            differences.Compare("shaker.rated_force", plan.ratedForce, shaker->ratedForce, QuantityKind::Force);
            differences.Compare("shaker.stroke_pp", plan.strokePp, shaker->strokePp, QuantityKind::Length);
            differences.Compare("shaker.velocity", plan.velocity, shaker->velocity, QuantityKind::Velocity);
            differences.Compare("shaker.acceleration", plan.acceleration, shaker->acceleration,
                                QuantityKind::Acceleration);
            differences.Compare("shaker.moving_mass.armature", plan.masses[0], shaker->armature, QuantityKind::Mass);
            differences.Compare("shaker.max_payload", plan.maxPayload, shaker->maxPayload, QuantityKind::Mass);
            for (int end = 0; end < 2; ++end) {
                differences.Compare("shaker.frequency_range[" + std::to_string(end) + "]",
                                    RangeEnd(plan.frequencyRange, end), RangeEnd(shaker->frequencyRange, end),
                                    QuantityKind::Frequency);
            }
        } else {
            differences.Missing("shaker.name", *plan.name, N_("\"%1\" is not among the library's shakers"));
        }
    }
    CompareSetup(differences, lab, "shaker", plan.expander, plan.masses[1], plan.expanderResonance, plan.fixture,
                 plan.masses[2], plan.fixtureResonance);
    for (std::size_t i = 0; i < plan.setups.size(); ++i) {
        const AxisSetup& setup = plan.setups[i];
        CompareSetup(differences, lab, "shaker.setups[" + std::to_string(i) + "]", setup.expander, setup.masses[0],
                     setup.expanderResonance, setup.fixture, setup.masses[1], setup.fixtureResonance);
    }
    return differences.Lines();
}

bool RankShakers(const PlanDocument& document, const PlanOutcome& outcome, const LabDocument& lab,
                 std::vector<RankedShaker>& ranking, std::string& message) {
    ranking.clear();
    ranking.reserve(lab.shakers.size());
    const ShakerSettings plan = document.shaker ? *document.shaker : ShakerSettings();
    const SequenceResult* sequence = outcome.sequence ? &*outcome.sequence : nullptr;
    std::vector<double> ratedForces;
    for (std::size_t i = 0; i < lab.shakers.size(); ++i) {
        const LabShaker& shaker = lab.shakers[i];
        ShakerSettings setup = WithLabShaker(plan, shaker);
        // Checked at the library's derating, whatever the plan's own fraction.
        setup.forceFraction.reset();
        RankedShaker ranked;
        ranked.shaker = shaker.name;
        ranked.expander = plan.expander;
        ranked.fixture = plan.fixture;
        std::string problem;
        if (!CheckShakerSettings(setup, document.GravitySi(), outcome.profile, sequence, &lab, ranked.result,
                                 problem)) {
            message = "shakers[" + std::to_string(i) + "] (" + shaker.name + "): " + problem;
            return false;
        }
        ranking.push_back(std::move(ranked));
        ratedForces.push_back(shaker.ratedForce ? ToSi(*shaker.ratedForce, QuantityKind::Force, lab.GravitySi())
                                                : std::numeric_limits<double>::infinity());
    }
    std::vector<std::size_t> order(ranking.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    const auto worst = [&](std::size_t i) {
        const ShakerCheck* binding = BindingCheck(ranking[i].result);
        return binding != nullptr ? binding->margin : std::numeric_limits<double>::infinity();
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const bool okA = ranking[a].result.ok;
        const bool okB = ranking[b].result.ok;
        if (okA != okB) return okA;
        if (okA) return ratedForces[a] < ratedForces[b];
        return worst(a) > worst(b);
    });
    std::vector<RankedShaker> sorted;
    sorted.reserve(ranking.size());
    for (const std::size_t i : order) sorted.push_back(std::move(ranking[i]));
    ranking = std::move(sorted);
    for (RankedShaker& ranked : ranking) {
        if (const ShakerCheck* binding = BindingCheck(ranked.result)) {
            ranked.binding = static_cast<std::size_t>(binding - ranked.result.checks.data());
        }
    }
    return true;
}

}  // namespace planner
