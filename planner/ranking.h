#pragma once

#include <optional>
#include <string>
#include <vector>

#include "planner/lab.h"
#include "planner/plan.h"

namespace planner {

// One of the lab's shakers with the plan's expander, fixture and specimen,
// checked at the library's derating.
struct RankedShaker {
    std::string shaker;
    std::optional<std::string> expander;
    std::optional<std::string> fixture;
    ShakerResult result;
    // The check that binds, an index into result.checks; none without checks.
    std::optional<std::size_t> binding;

    const ShakerCheck* Binding() const { return binding ? &result.checks[*binding] : nullptr; }
};

// Which shaker? Every shaker of the library for this plan: those that can
// run it first, the smallest rated force first (the smallest that does the
// job frees the big ones); then those that cannot, best worst margin first.
// False with one message naming the shaker when one cannot be compared.
bool RankShakers(const PlanDocument& document, const PlanOutcome& outcome, const LabDocument& lab,
                 std::vector<RankedShaker>& ranking, std::string& message);

// The plan's set-up with this library shaker put in: its name and figures,
// its armature; the plan's expander, fixture, specimen and force fraction kept.
ShakerSettings WithLabShaker(const ShakerSettings& plan, const LabShaker& shaker);

// Where the figures a plan keeps of the library's entries it names differ
// from the library's own, a line each ("shaker.rated_force: 9 kN in the
// plan, 10 kN in the library"); an entry named but not in the library is
// said so. Empty when they agree.
std::vector<std::string> LabDifferences(const PlanDocument& document, const LabDocument& lab);

// The plan's set-up with the library's figures taken for every entry it names.
ShakerSettings WithLabFigures(const ShakerSettings& plan, const LabDocument& lab);

}  // namespace planner
