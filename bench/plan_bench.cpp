// Reading plan documents of growing size: the time must grow in proportion
// (Google Benchmark fits the complexity), never with its square.
#include <benchmark/benchmark.h>

#include <string>

#include "planner/chart.h"
#include "planner/json.h"
#include "planner/plan.h"

namespace {

// A profile of n contiguous segments alternating velocity and acceleration levels.
std::string PlanWithSegments(long n) {
    std::string text = R"({"format": "halvex-plan", "version": 1, "profile": [)";
    for (long i = 0; i < n; ++i) {
        if (i > 0) text += ",\n";
        text += R"({"from": )" + std::to_string(i + 1) + R"(, "to": )" + std::to_string(i + 2) +
                (i % 2 == 0 ? R"(, "velocity": "0.1 m/s"})" : R"(, "acceleration": ["1 g", "1.5 g"]})");
    }
    text += R"(], "sweep": {"type": "log", "rate": "1 oct/min", "mode": "up-down", "sweeps": 10}})";
    return text;
}

void BM_ReadPlan(benchmark::State& state) {
    const std::string text = PlanWithSegments(state.range(0));
    planner::PlanDocument document;
    std::string message;
    for (auto _ : state) {
        if (!planner::ReadPlan(text, document, message)) state.SkipWithError(message.c_str());
        benchmark::DoNotOptimize(document);
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadPlan)->RangeMultiplier(8)->Range(8, 32768)->Complexity();

// One object with n members: names must be checked for repeats without a scan per member.
void BM_ReadJsonWideObject(benchmark::State& state) {
    std::string text = "{";
    for (long i = 0; i < state.range(0); ++i) text += (i ? ",\"member" : "\"member") + std::to_string(i) + "\":1";
    text += "}";
    planner::JsonValue value;
    planner::JsonError error;
    for (auto _ : state) {
        benchmark::DoNotOptimize(planner::ParseJson(text, value, error));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ReadJsonWideObject)->RangeMultiplier(8)->Range(8, 262144)->Complexity();

}  // namespace

namespace {

// One edit to a ten-segment profile, as the planner window makes it: the
// plan recalculated and the chart drawn into its list (aim: under 1 ms).
void BM_EditAndDrawChart(benchmark::State& state) {
    planner::PlanDocument document;
    std::string message;
    std::string text = PlanWithSegments(10);
    text.insert(text.rfind('}'), R"(, "shaker": {"rated_force": "9 kN", "moving_mass": {"armature": "25 kg"},
        "stroke_pp": "51 mm", "velocity": "1.8 m/s", "acceleration": "100 g"})");
    if (!planner::ReadPlan(text, document, message)) state.SkipWithError(message.c_str());
    planner::PlanOutcome outcome;
    planner::Chart chart;
    int edit = 0;
    for (auto _ : state) {
        document.profile[4].values[0].number = 0.1 + 0.01 * (++edit % 10);
        if (!planner::EvaluatePlan(document, {}, outcome, message)) state.SkipWithError(message.c_str());
        planner::DrawChart(document, outcome, chart);
        benchmark::DoNotOptimize(chart.ops.data());
    }
}
BENCHMARK(BM_EditAndDrawChart)->Unit(benchmark::kMicrosecond);

// The same chart written as SVG, as Export and `plan --svg` do.
void BM_ChartSvg(benchmark::State& state) {
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    std::string message;
    if (!planner::ReadPlan(PlanWithSegments(10), document, message) ||
        !planner::EvaluatePlan(document, {}, outcome, message)) {
        state.SkipWithError(message.c_str());
    }
    planner::Chart chart;
    planner::DrawChart(document, outcome, chart);
    for (auto _ : state) benchmark::DoNotOptimize(planner::ChartSvg(chart, 800, 500));
}
BENCHMARK(BM_ChartSvg)->Unit(benchmark::kMicrosecond);

}  // namespace
