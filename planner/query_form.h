#pragma once

#include <string>

#include "planner/plan.h"
#include "planner/plan_form.h"

// The planner window's questions about the plan: the frequency at an elapsed
// time, the times a frequency is passed, the half-power band of a resonance.
// They are not part of the plan and are not saved with it.
namespace planner {

struct QueryFields {
    std::string time;       // elapsed, s or "2 min"
    std::string frequency;  // Hz or "1 kHz"
    std::string resonance;  // the natural frequency, with q
    std::string q;
};

// Answers every query that is asked (an empty field asks nothing) from the
// sweep in outcome, into outcome's at, crossings and resonance. False when a
// field does not read or its question has no answer: the first such field's
// problem ("Queries, Time: ...") and place; the others are answered still.
bool AnswerQueries(const QueryFields& fields, PlanOutcome& outcome, std::string& problem, FieldPlace& place);

}  // namespace planner
