// The test plan report laid out and written as HTML: the worked example
// (two pages, the chart among them) well under 50 ms.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "planner/plan.h"
#include "planner/report.h"

namespace {

void BM_ReportHtml(benchmark::State& state) {
    std::ifstream in(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/shaker-test.halvex-plan");
    std::stringstream text;
    text << in.rdbuf();
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    std::string message;
    if (!planner::ReadPlan(text.str(), document, message) ||
        !planner::EvaluatePlan(document, planner::PlanQuery(), outcome, message)) {
        state.SkipWithError(message.c_str());
        return;
    }
    const planner::ReportOptions options{draw::Paper::A4, "shaker-test.halvex-plan", "2026-12-08", "1.0"};
    std::size_t pages = 0;
    for (auto _ : state) {
        const draw::PagedDocument report = planner::LayOutReport(document, outcome, nullptr, options);
        pages = report.pages.size();
        benchmark::DoNotOptimize(planner::ReportHtml(report));
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_ReportHtml)->Unit(benchmark::kMillisecond);

}  // namespace
