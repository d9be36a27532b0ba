// Reading plan documents of growing size: the time must grow in proportion
// (Google Benchmark fits the complexity), never with its square.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "numeric/number_text.h"
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

// Edits a plan as the window does, one change per iteration (edit from 0
// to 9 in turn), recalculating it, and drawing its chart when draw is set.
template <typename Edit>
void EditAndRecalculate(benchmark::State& state, const std::string& text, Edit edit, bool draw) {
    planner::PlanDocument document;
    std::string message;
    if (!planner::ReadPlan(text, document, message)) state.SkipWithError(message.c_str());
    planner::PlanOutcome outcome;
    planner::Chart chart;
    int count = 0;
    for (auto _ : state) {
        edit(document, ++count % 10);
        if (!planner::EvaluatePlan(document, {}, outcome, message)) state.SkipWithError(message.c_str());
        if (draw) planner::DrawChart(document, outcome, chart);
        benchmark::DoNotOptimize(chart.ops.data());
        benchmark::DoNotOptimize(outcome.sequence);
    }
}

// One edit to a ten-segment profile, as the planner window makes it: the
// plan recalculated and the chart drawn into its list (aim: under 1 ms).
void BM_EditAndDrawChart(benchmark::State& state) {
    std::string text = PlanWithSegments(10);
    text.insert(text.rfind('}'), R"(, "shaker": {"rated_force": "9 kN", "moving_mass": {"armature": "25 kg"},
        "stroke_pp": "51 mm", "velocity": "1.8 m/s", "acceleration": "100 g"})");
    EditAndRecalculate(
        state, text, [](planner::PlanDocument& d, int edit) { d.profile[4].values[0].number = 0.1 + 0.01 * edit; },
        true);
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

namespace {

// A qualification test's plan: a 50-segment profile from 5 to 2000 Hz
// alternating velocity and ramped acceleration levels, a shaker, and 20 runs
// on each axis: searches, the endurance sweep, dwells at frequencies and for
// resonances still to be found, and stepped runs in hertz and in octaves.
std::string PlanWithSequence() {
    std::vector<std::string> bounds;
    for (int i = 0; i <= 50; ++i) bounds.push_back(halvex::FormatNumber("%.6g", 5.0 * std::pow(400.0, i / 50.0)));
    std::string text = R"({"format": "halvex-plan", "version": 2, "profile": [)";
    for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
        if (i > 0) text += ",\n";
        text += R"({"from": )" + bounds[i] + R"(, "to": )" + bounds[i + 1] +
                (i % 2 == 0 ? R"(, "velocity": "0.1 m/s"})" : R"(, "acceleration": ["1 g", "1.5 g"]})");
    }
    text += R"(], "sweep": {"type": "log", "rate": "1 oct/min", "mode": "up-down", "duration": "2 h", "axes": 3},
        "shaker": {"rated_force": "9 kN", "moving_mass": {"armature": "25 kg", "specimen": "10 kg"},
                   "stroke_pp": "51 mm", "velocity": "1.8 m/s", "acceleration": "100 g"},
        "sequence": [
          {"run": "search", "type": "log", "rate": "1 oct/min", "mode": "up", "sweeps": 1, "level": 0.25},
          {"run": "sweep"},
          {"run": "dwell", "frequency": "30 Hz", "time": "30 min"},
          {"run": "dwell", "frequency": "100 Hz", "cycles": 1000000},
          {"run": "dwell", "resonances": 3, "time": "30 min"},
          {"run": "dwell", "resonances": 2, "cycles": 100000},
          {"run": "stepped", "from": "10 Hz", "to": "100 Hz", "step": "5 Hz", "hold": "15 s"},
          {"run": "stepped", "from": "10 Hz", "to": "1000 Hz", "step": "0.5 oct", "hold_cycles": 1000},
          {"run": "stepped", "from": "4 Hz", "to": "33 Hz", "step": "1 Hz", "hold": "15 s",
           "level": {"displacement_zp": "0.25 mm"}},
          {"run": "search", "type": "linear", "pass_time": "10 min", "mode": "up-down", "duration": "1 h",
           "level": {"acceleration": "0.5 g"}},
          {"run": "dwell", "frequency": "50 Hz", "time": "10 min", "level": 0.5},
          {"run": "search", "type": "log", "rate": "2 oct/min", "mode": "down", "sweeps": 2, "level": 0.5},
          {"run": "dwell", "frequency": "200 Hz", "time": "5 min", "level": {"acceleration": "2 g"}},
          {"run": "stepped", "from": "20 Hz", "to": "2000 Hz", "step": "0.25 oct", "hold": "10 s", "level": 0.5},
          {"run": "dwell", "resonances": 1, "cycles": 1000000, "level": 0.5},
          {"run": "search", "type": "log", "rate": "1 oct/min", "mode": "up-down", "sweeps": 1, "level": 0.1},
          {"run": "stepped", "from": "100 Hz", "to": "500 Hz", "step": "10 Hz", "hold_cycles": 500},
          {"run": "dwell", "frequency": "1000 Hz", "time": "1 min"},
          {"run": "dwell", "frequency": "15 Hz", "time": "2 h"},
          {"run": "search", "type": "log", "rate": "0.5 oct/min", "mode": "up", "sweeps": 1, "level": 0.25}
        ]})";
    return text;
}

// One edit to that sequence, a dwell's frequency, as the planner window
// makes it: the plan recalculated and the chart drawn into its list (under
// 1 ms; aim 50 us).
void EditDwellFrequency(planner::PlanDocument& document, int edit) {
    (*document.sequence)[2].frequency->number = 30.0 + edit;
}

void BM_EditSequenceAndDrawChart(benchmark::State& state) {
    EditAndRecalculate(state, PlanWithSequence(), EditDwellFrequency, true);
}
BENCHMARK(BM_EditSequenceAndDrawChart)->Unit(benchmark::kMicrosecond);

// The same edit recalculated alone: what of the above is the plan's.
void BM_EditSequence(benchmark::State& state) {
    EditAndRecalculate(state, PlanWithSequence(), EditDwellFrequency, false);
}
BENCHMARK(BM_EditSequence)->Unit(benchmark::kMicrosecond);

}  // namespace
