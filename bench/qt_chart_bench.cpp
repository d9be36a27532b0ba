// The planner's chart painted with QPainter offscreen at the window's size:
// well within a frame (16 ms).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "planner/chart.h"
#include "ui/qt/chart_view.h"

namespace {

void BM_QtPaintChart(benchmark::State& state) {
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    std::string message;
    const char* text = R"({"format": "halvex-plan", "version": 1,
      "profile": [{"from": 5, "to": "auto", "displacement_pp": "2.54 mm"},
                  {"from": "auto", "to": 100, "acceleration": "1 g"},
                  {"from": 100, "to": 500, "acceleration": ["1 g", "2 g"]}],
      "shaker": {"rated_force": "9 kN", "moving_mass": {"armature": "25 kg"}, "stroke_pp": "51 mm",
                 "velocity": "1.8 m/s", "acceleration": "100 g"}})";
    if (!planner::ReadPlan(text, document, message) || !planner::EvaluatePlan(document, {}, outcome, message)) {
        state.SkipWithError(message.c_str());
        return;
    }
    planner::Chart chart;
    planner::DrawChart(document, outcome, chart);
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        ui::qt::PaintChart(painter, chart, 800, 600);
    }
}
BENCHMARK(BM_QtPaintChart)->Unit(benchmark::kMicrosecond);

}  // namespace
