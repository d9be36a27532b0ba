// The library reader over arbitrary bytes: a library whose saved form reads
// back equal, whose listing is well formed and whose shakers rank for a plan,
// or exactly one message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/recovery_check.h"
#include "planner/json.h"
#include "planner/lab.h"
#include "planner/plan.h"
#include "planner/ranking.h"

namespace {

bool OneLine(const std::string& message) { return !message.empty() && message.find('\n') == std::string::npos; }

void CheckJson(const std::string& text) {
    // Reading it back refuses anything but finite numbers.
    planner::JsonValue value;
    planner::JsonError error;
    if (!planner::ParseJson(text, value, error)) std::abort();
}

// A plan that names library entries and runs three axes differently.
const char* const kPlan = R"({"format": "halvex-plan", "version": 2,
    "profile": [{"from": 5, "to": "auto", "displacement_pp": "10 mm"}, {"from": "auto", "to": 2000, "acceleration": "10 g"}],
    "sweep": {"type": "log", "rate": "1 oct/min", "mode": "up", "axes": 2},
    "shaker": {"name": "S-9", "expander": "HE-600", "fixture": "Cube 200", "moving_mass": {"specimen": "8 kg"},
               "setups": [{"axis": "Z"}, {"axis": "X", "expander": "ST", "moving_mass": {"expander": "35 kg"}}]}})";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckRecovery(text);
    planner::LabDocument lab;
    std::string message;
    if (!planner::ReadLabDocument(text, lab, message)) {
        if (!OneLine(message)) std::abort();
        return 0;
    }
    planner::LabDocument again;
    if (!planner::ReadLabDocument(planner::WriteLabDocument(lab), again, message) || !(again == lab)) std::abort();
    CheckJson(planner::LabJsonReport(lab));
    planner::LabTextReport(lab);

    static const planner::PlanDocument plan = [] {
        planner::PlanDocument document;
        std::string problem;
        if (!planner::ReadPlan(kPlan, document, problem)) std::abort();
        return document;
    }();
    planner::PlanQuery query;
    query.lab = &lab;
    planner::PlanOutcome outcome;
    if (!planner::EvaluatePlan(plan, query, outcome, message)) {
        if (!OneLine(message)) std::abort();
        return 0;
    }
    CheckJson(planner::PlanJsonReport(plan, outcome));
    std::vector<planner::RankedShaker> ranking;
    if (!planner::RankShakers(plan, outcome, lab, ranking, message)) {
        if (!OneLine(message)) std::abort();
        return 0;
    }
    if (ranking.size() != lab.shakers.size()) std::abort();
    CheckJson(planner::RankJsonReport(ranking));
    return 0;
}
