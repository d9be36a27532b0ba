// A report laid out and written as PDF by the Qt backend, as Export Report
// does: the worked example's (two pages), and a 40-segment profile's, whose
// table runs the report to three pages or more. Under 500 ms.
#include <benchmark/benchmark.h>

#include <QByteArray>

#include <string>

#include "planner/file_io.h"
#include "planner/report.h"
#include "ui/qt/page_painter.h"

namespace {

// Forty constant acceleration levels from 5 Hz up, each 10 % higher in
// frequency than the last, alternately 1 g and 1.5 g, with the example's shaker.
std::string LongPlan() {
    std::string profile;
    double from = 5.0;
    for (int i = 0; i < 40; ++i) {
        const double to = from * 1.1;
        if (i > 0) profile += ",";
        profile += "{\"from\": " + std::to_string(from) + ", \"to\": " + std::to_string(to) + ", \"acceleration\": \"" +
                   (i % 2 == 0 ? "1 g" : "1.5 g") + "\"}";
        from = to;
    }
    return R"({"format": "halvex-plan", "version": 1, "profile": [)" + profile +
           R"(], "sweep": {"type": "log", "rate": "1 oct/min", "mode": "up-down", "sweeps": 10, "axes": 3},
      "shaker": {"rated_force": "9 kN", "moving_mass": {"armature": "25 kg"}, "stroke_pp": "51 mm",
                 "velocity": "1.8 m/s", "acceleration": "100 g"}})";
}

void BM_QtReportPdf(benchmark::State& state) {
    std::string text, message;
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    if (state.range(0) == 0) {
        planner::ReadTextFile(HALVEX_SOURCE_DIR "/docs/examples/shaker-test.halvex-plan", text);
    } else {
        text = LongPlan();
    }
    if (!planner::ReadPlan(text, document, message) || !planner::EvaluatePlan(document, {}, outcome, message)) {
        state.SkipWithError(("the plan does not read: " + message).c_str());
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
BENCHMARK(BM_QtReportPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
