#pragma once

#include <string>

#include "planner/plan.h"

namespace planner {

// Every result as the calculators' Copy All Results table (quantity, form,
// value, unit; tab-separated): the profile as written with its ends
// resolved, then the results, each peak and each shaker check followed by
// the frequency where it lies. Values in the units ResultUnitsOf chooses,
// to the digits the window shows them to; the JSON report keeps SI and
// every digit.
std::string ResultsTable(const PlanDocument& document, const PlanOutcome& outcome);

}  // namespace planner
