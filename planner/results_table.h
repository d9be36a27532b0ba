#pragma once

#include <string>
#include <vector>

#include "planner/plan.h"
#include "planner/result_text.h"

namespace planner {

// Every result as the calculators' Copy All Results table (quantity, form,
// value, unit; tab-separated): the profile as written with its ends
// resolved, then the results, each peak and each shaker check followed by
// the frequency where it lies. Values in the units ResultUnitsOf chooses,
// to the digits the window shows them to; the JSON report keeps SI and
// every digit.
std::string ResultsTable(const PlanDocument& document, const PlanOutcome& outcome);

// The results as the window's table shows them: a row per segment end, with
// the motion there in the columns; the crossovers and peaks; each shaker
// check with its frequency, and required, available and margin in words;
// the sweep; the answers to the queries, every time a queried frequency is
// passed on a row of its own. Same units and digits as ResultsTable.
struct ResultsGrid {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;  // each as long as columns
};

ResultsGrid ResultsGridOf(const PlanDocument& document, const PlanOutcome& outcome);

// The sweep's other figure, shown beside the one given: for a rate, the
// time per pass ("= 3 min 19.3 s per pass"); for a time per pass, the rate
// it gives ("= 0.3322 oct/min"). Empty without a sweep.
std::string SweepCounterpart(const PlanDocument& document, const PlanOutcome& outcome);

// The unit a shaker check's figures are shown in: the length, velocity,
// acceleration, force or mass unit, Hz for the frequency checks.
const ResultUnit& LimitUnit(const ResultUnits& units, LimitKind limit);

}  // namespace planner
