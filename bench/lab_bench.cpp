// Which shaker? A plan ranked over a lab's library of shakers, as the
// planner's list and `halvex-calc plan --rank` make it (aim: 100 shakers in
// under 5 ms).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "planner/lab.h"
#include "planner/plan.h"
#include "planner/ranking.h"

namespace {

// n shakers from 1 kN up, with an expander and fixture each plan may name.
planner::LabDocument Library(long n) {
    std::string text = R"({"format": "halvex-lab", "version": 1, "derating": {"force": 0.8, "stroke": 0.9},
        "expanders": [{"name": "HE", "kind": "head expander", "mass": "12 kg", "first_resonance": "1800 Hz"}],
        "fixtures": [{"name": "Cube", "mass": "9 kg", "first_resonance": "2400 Hz"}], "shakers": [)";
    for (long i = 0; i < n; ++i) {
        if (i > 0) text += ",\n";
        text += R"({"name": "S-)" + std::to_string(i) + R"(", "rated_force": ")" + std::to_string(1 + i % 40) +
                R"( kN", "stroke_pp": "51 mm", "velocity": "2 m/s", "acceleration": "100 g", "armature": ")" +
                std::to_string(2 + i % 25) +
                R"( kg", "max_payload": "300 kg", "frequency_range": ["5 Hz", "3000 Hz"]})";
    }
    text += "]}";
    planner::LabDocument lab;
    std::string message;
    planner::ReadLabDocument(text, lab, message);
    return lab;
}

void BM_RankShakers(benchmark::State& state) {
    const planner::LabDocument lab = Library(state.range(0));
    const std::string text = R"({"format": "halvex-plan", "version": 2,
        "profile": [{"from": 5, "to": "auto", "displacement_pp": "10 mm"}, {"from": "auto", "to": 2000, "acceleration": "10 g"}],
        "sweep": {"type": "log", "rate": "1 oct/min", "mode": "up-down", "sweeps": 10, "axes": 3},
        "shaker": {"expander": "HE", "fixture": "Cube", "expander_resonance": "1800 Hz", "fixture_resonance": "2400 Hz",
                   "moving_mass": {"expander": "12 kg", "fixture": "9 kg", "specimen": "8 kg"},
                   "setups": [{"axis": "Z"}, {"axis": "X", "moving_mass": {"expander": "35 kg"}},
                              {"axis": "Y", "moving_mass": {"expander": "35 kg"}}]}})";
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    std::string message;
    if (!planner::ReadPlanDocument(text, document, message) ||
        !planner::EvaluatePlan(document, planner::PlanQuery(), outcome, message)) {
        state.SkipWithError(message.c_str());
        return;
    }
    std::vector<planner::RankedShaker> ranking;
    for (auto _ : state) {
        if (!planner::RankShakers(document, outcome, lab, ranking, message)) state.SkipWithError(message.c_str());
        benchmark::DoNotOptimize(ranking);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RankShakers)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond)->Complexity();

}  // namespace
