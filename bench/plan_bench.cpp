// Reading plan documents of growing size: the time must grow in proportion
// (Google Benchmark fits the complexity), never with its square.
#include <benchmark/benchmark.h>

#include <string>

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
