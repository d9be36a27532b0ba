// The plan reader over arbitrary bytes: a plan whose reports are well formed,
// whose test time is the sum of its runs and whose saved form reads back
// equal, or exactly one message. A plan with fields to fill must read back
// equal and cannot be evaluated until they are filled.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include <algorithm>
#include <cmath>

#include "fuzz/recovery_check.h"
#include "planner/json.h"
#include "planner/plan.h"

namespace {

void CheckTextReport(const std::string& text) {
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        if (word == "inf" || word == "-inf" || word == "nan" || word == "-nan") std::abort();
    }
}

void CheckJsonReport(const std::string& text) {
    // Reading it back refuses anything but finite numbers.
    planner::JsonValue value;
    planner::JsonError error;
    if (!planner::ParseJson(text, value, error)) std::abort();
}

// The time per axis is its runs' and the sweep's own dwells', the runs one
// after another on the timeline.
void CheckSequence(const planner::SequenceResult& sequence) {
    double sum = sequence.dwellTime;
    double end = 0.0;
    for (const planner::RunResult& run : sequence.runs) {
        if (!std::isfinite(run.time) || run.time < 0.0 || !std::isfinite(run.cycles)) std::abort();
        if (std::fabs(run.start - end) > 1e-9 * std::max(end, 1.0)) std::abort();
        sum += run.time;
        end = run.End();
    }
    if (std::fabs(sequence.axisTime - sum) > 1e-9 * std::max(sum, 1.0)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckRecovery(text);
    planner::PlanDocument document;
    std::string message;
    if (!planner::ReadPlan(text, document, message)) {
        if (message.empty() || message.find('\n') != std::string::npos) std::abort();
        return 0;
    }
    if (!message.empty()) std::abort();

    planner::PlanDocument again;
    if (!planner::ReadPlan(planner::WritePlanDocument(document), again, message) || !(again == document)) std::abort();
    if (!document.unfilled.empty()) return 0;

    // Ask the sequence something at its ends and its middle, and the sweep
    // for a resonance's band.
    planner::PlanOutcome outcome;
    if (!planner::EvaluatePlan(document, planner::PlanQuery(), outcome, message)) std::abort();
    if (outcome.sequence) CheckSequence(*outcome.sequence);
    planner::PlanQuery query;
    if (outcome.sequence) {
        const double lowest = outcome.profile.Lowest();
        const double highest = outcome.profile.Highest();
        query.at = outcome.sequence->TimelineEnd() * (size % 2 == 0 ? 1.0 : 0.5);
        query.frequency = size % 3 == 0 ? highest : lowest;
        if (outcome.sweep) {
            query.resonance = (lowest + highest) / 2.0;
            query.q = 0.5 + static_cast<double>(size % 50);
        }
    }
    std::string queryMessage;
    if (planner::EvaluatePlan(document, query, outcome, queryMessage)) {
        CheckJsonReport(planner::PlanJsonReport(document, outcome));
        CheckTextReport(planner::PlanTextReport(document, outcome));
    } else if (queryMessage.empty() || queryMessage.find('\n') != std::string::npos) {
        std::abort();
    }
    return 0;
}
