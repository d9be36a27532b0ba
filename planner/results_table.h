#pragma once

#include <string>

#include "planner/plan.h"

namespace planner {

// Every result as the calculators' Copy All Results table (quantity, form,
// value, unit; tab-separated), values in SI units, each peak and each
// shaker check followed by the frequency where it lies.
std::string ResultsTable(const PlanDocument& document, const PlanOutcome& outcome);

}  // namespace planner
