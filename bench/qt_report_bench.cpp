// The worked example's report laid out and written as PDF by the Qt backend,
// as Export Report does: under 500 ms.
#include <benchmark/benchmark.h>

#include <QByteArray>

#include <string>

#include "planner/file_io.h"
#include "planner/report.h"
#include "ui/qt/page_painter.h"

namespace {

void BM_QtReportPdf(benchmark::State& state) {
    std::string text, message;
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    if (!planner::ReadTextFile(HALVEX_SOURCE_DIR "/docs/examples/shaker-test.halvex-plan", text) ||
        !planner::ReadPlan(text, document, message) || !planner::EvaluatePlan(document, {}, outcome, message)) {
        state.SkipWithError(("the worked example does not read: " + message).c_str());
        return;
    }
    planner::ReportOptions options;
    options.fileName = "shaker-test.halvex-plan";
    options.printedDate = "2026-12-08";
    options.version = "bench";
    std::size_t pages = 0;
    for (auto _ : state) {
        const draw::PagedDocument report = planner::LayOutReport(document, outcome, nullptr, options);
        QByteArray pdf;
        if (!ui::qt::DocumentAsPdf(report, pdf)) state.SkipWithError("no PDF written");
        pages = report.pages.size();
        benchmark::DoNotOptimize(pdf.size());
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(BM_QtReportPdf)->Unit(benchmark::kMillisecond);

}  // namespace
