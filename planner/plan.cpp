#include "planner/plan.h"

#include "planner/ranking.h"

namespace planner {

bool EvaluatePlan(const PlanDocument& document, const PlanQuery& query, PlanOutcome& outcome, std::string& message) {
    outcome = PlanOutcome();
    if (!document.unfilled.empty()) {
        // Every field left to fill is named, so that one pass fills them all.
        message = document.unfilled.front() + ": to be filled";
        if (document.unfilled.size() > 1) {
            message += " (and " + std::to_string(document.unfilled.size() - 1) + " more:";
            for (std::size_t i = 1; i < document.unfilled.size(); ++i) {
                message += (i == 1 ? " " : ", ") + document.unfilled[i];
            }
            message += ")";
        }
        return false;
    }
    if (!ResolveProfile(document, outcome.profile, message)) return false;
    if (document.sweep) {
        outcome.sweep.emplace();
        if (!PlanSweep(document, outcome.profile, *outcome.sweep, message)) return false;
    }
    if (document.sweep || document.sequence) {
        outcome.sequence.emplace();
        if (!PlanSequence(document, outcome.profile, outcome.sweep, *outcome.sequence, message)) return false;
    }
    if (document.shaker) {
        outcome.shaker.emplace();
        const SequenceResult* sequence = outcome.sequence ? &*outcome.sequence : nullptr;
        if (!CheckShaker(document, outcome.profile, sequence, query.lab, *outcome.shaker, message)) return false;
    }
    if (query.lab != nullptr) outcome.labDifferences = LabDifferences(document, *query.lab);
    // The timeline is the sequence's; the half-power band is the endurance sweep's.
    if ((query.at || query.frequency) && !outcome.sequence) {
        message = std::string(query.at ? "--at" : "--frequency") + ": the document has no sweep";
        return false;
    }
    if (query.resonance && !outcome.sweep) {
        message = "--resonance: the document has no sweep";
        return false;
    }
    if (query.at) {
        outcome.at.emplace();
        if (!SequenceAt(*outcome.sequence, *query.at, *outcome.at, message)) return false;
    }
    if (query.frequency) {
        outcome.crossings.emplace();
        outcome.crossings->frequency = *query.frequency;
        if (!SequenceCrossings(*outcome.sequence, *query.frequency, outcome.crossings->times, message)) return false;
    }
    if (query.resonance) {
        outcome.resonance.emplace();
        if (!ResonanceIn(*outcome.sweep, *query.resonance, query.q.value_or(0.0), *outcome.resonance, message)) {
            return false;
        }
    }
    return true;
}

bool ReadPlan(std::string_view text, PlanDocument& document, std::string& message) {
    if (!ReadPlanDocument(text, document, message)) return false;
    // A plan with fields to fill holds together only once they are filled.
    if (!document.unfilled.empty()) return true;
    PlanOutcome outcome;
    return EvaluatePlan(document, PlanQuery(), outcome, message);
}

}  // namespace planner
