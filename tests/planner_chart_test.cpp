// The four-coordinate chart as a drawing list, checked against hand
// calculations on the worked example (docs/examples/shaker-test.halvex-plan):
// 2.54 mm p-p from 5 Hz to the crossover with 1 g, 1 g to 100 Hz, 1 g rising
// to 2 g at 500 Hz; shaker 9 kN over 25 kg, 51 mm stroke, 1.8 m/s, 100 g.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "planner/chart.h"
#include "tests/planner_example.h"

namespace {

planner::Chart ExampleChart(planner::PlanOutcome* outcomeOut = nullptr) {
    const planner::PlanDocument document = ExamplePlan();
    planner::PlanOutcome outcome;
    std::string message;
    EXPECT_TRUE(planner::EvaluatePlan(document, {}, outcome, message)) << message;
    planner::Chart chart;
    planner::DrawChart(document, outcome, chart);
    if (outcomeOut) *outcomeOut = outcome;
    return chart;
}

// The line drawn just before the label with this text.
const planner::DrawOp* LabelledLine(const planner::Chart& chart, const std::string& label) {
    for (std::size_t i = 1; i < chart.ops.size(); ++i) {
        if (chart.ops[i].role == planner::DrawRole::DiagonalLabel && chart.ops[i].text == label) {
            return &chart.ops[i - 1];
        }
    }
    return nullptr;
}

const planner::DrawOp* Find(const planner::Chart& chart, planner::DrawKind kind, planner::DrawRole role) {
    for (const planner::DrawOp& op : chart.ops) {
        if (op.kind == kind && op.role == role) return &op;
    }
    return nullptr;
}

double YOnLine(const planner::DrawOp& line, double x) {
    const planner::ChartPoint p = line.points[0];
    const planner::ChartPoint q = line.points[1];
    return p.y + (x - p.x) / (q.x - p.x) * (q.y - p.y);
}

struct DiagonalCase {
    const char* name;
    const char* label;
    double frequency;  // Hz
    double velocity;   // m/s, by hand
};

// 1 g: v = 9.80665 / (2 pi f); 10 mm p-p: v = pi f 0.01.
const DiagonalCase kDiagonals[] = {
    {"one_g_at_10_hz", "1 g", 10.0, 0.1560777},       {"one_g_at_100_hz", "1 g", 100.0, 0.01560777},
    {"one_g_at_1000_hz", "1 g", 1000.0, 0.001560777}, {"ten_mm_at_10_hz", "10 mm", 10.0, 0.3141593},
    {"one_mm_at_100_hz", "1 mm", 100.0, 0.3141593},
};

TEST(PlannerChart, DiagonalsPassThroughTheirValueAtEachDecade) {
    const planner::Chart chart = ExampleChart();
    for (const DiagonalCase& c : kDiagonals) {
        SCOPED_TRACE(c.name);
        const planner::DrawOp* line = LabelledLine(chart, c.label);
        ASSERT_NE(line, nullptr);
        const double x = std::log10(c.frequency);
        if (x < line->points[0].x || x > line->points[1].x) continue;  // outside the plot
        EXPECT_NEAR(std::pow(10.0, YOnLine(*line, x)), c.velocity, c.velocity * 1e-6);
    }
    // Three decades of frequency are drawn, so the 1 g line spans at least two of them.
    const planner::DrawOp* oneG = LabelledLine(chart, "1 g");
    ASSERT_NE(oneG, nullptr);
    EXPECT_LE(oneG->points[0].x, 1.0);
    EXPECT_GE(oneG->points[1].x, 2.0);
}

// Labels were cut by the frame where a diagonal crossed a corner, and ran
// into each other where two lines left the plot together.
TEST(PlannerChart, DiagonalLabelsStayInsideThePlotAndApart) {
    const planner::Chart chart = ExampleChart();
    std::vector<planner::ChartPoint> labels;
    for (const planner::DrawOp& op : chart.ops) {
        if (op.role == planner::DrawRole::DiagonalLabel) labels.push_back(op.points[0]);
    }
    ASSERT_GE(labels.size(), 8u);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const planner::ChartPoint& at = labels[i];
        EXPECT_GE(std::min({at.x - chart.box.x0, chart.box.x1 - at.x, at.y - chart.box.y0, chart.box.y1 - at.y}), 0.1)
            << i;
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_GE(std::max(std::abs(at.x - labels[j].x), std::abs(at.y - labels[j].y)), 0.25) << i << "," << j;
        }
    }
}

TEST(PlannerChart, RangesFollowTheProfileWithRoom) {
    const planner::Chart chart = ExampleChart();
    // 5 to 500 Hz, half an octave of room, out to 1-2-5 steps: 2 to 1000 Hz.
    EXPECT_NEAR(chart.box.x0, std::log10(2.0), 1e-12);
    EXPECT_NEAR(chart.box.x1, 3.0, 1e-12);
    // 6.24 mm/s to 112 mm/s, a third of a decade of room: 2 mm/s to 0.5 m/s.
    EXPECT_NEAR(chart.box.y0, std::log10(0.002), 1e-12);
    EXPECT_NEAR(chart.box.y1, std::log10(0.5), 1e-12);
}

TEST(PlannerChart, ProfileVerticesAreTheSegmentEnds) {
    planner::PlanOutcome outcome;
    const planner::Chart chart = ExampleChart(&outcome);
    const planner::DrawOp* profile = Find(chart, planner::DrawKind::Polyline, planner::DrawRole::Profile);
    ASSERT_NE(profile, nullptr);
    // 5 Hz, the crossover at 13.99 Hz, 100 Hz and 500 Hz; by hand:
    // pi 5 0.00254, g / (2 pi 13.99), g / (2 pi 100), 2 g / (2 pi 500).
    const double hand[4][2] = {{5.0, 0.03989823}, {13.98552, 0.1115995}, {100.0, 0.01560777}, {500.0, 0.006243107}};
    ASSERT_EQ(profile->points.size(), 4u);
    const auto& segments = outcome.profile.segments;
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const double f = std::pow(10.0, profile->points[i].x);
        const double v = std::pow(10.0, profile->points[i].y);
        EXPECT_NEAR(f, hand[i][0], hand[i][0] * 1e-6);
        EXPECT_NEAR(v, hand[i][1], hand[i][1] * 1e-6);
        const planner::ResolvedSegment& s = segments[i < 3 ? i : 2];
        // Equal to the planner's own ends but for the round trip through log10.
        EXPECT_NEAR(f, i < 3 ? s.from : s.to, f * 1e-13);
        EXPECT_NEAR(v, i < 3 ? s.start.velocity : s.end.velocity, v * 1e-13);
    }
    const planner::DrawOp* crossover = Find(chart, planner::DrawKind::Marker, planner::DrawRole::Crossover);
    ASSERT_NE(crossover, nullptr);
    EXPECT_NEAR(std::pow(10.0, crossover->points[0].x), 13.98552, 1e-4);
    EXPECT_NEAR(std::pow(10.0, crossover->points[0].y), 0.1115995, 1e-6);
}

TEST(PlannerChart, ShakerRegionAndBindingPoint) {
    const planner::Chart chart = ExampleChart();
    const planner::DrawOp* edge = Find(chart, planner::DrawKind::Polyline, planner::DrawRole::LimitRegion);
    ASSERT_NE(edge, nullptr);
    // 9 kN / 25 kg = 360 m/s^2 binds before 100 g; it meets the top of the
    // plot (0.5 m/s) at 360 / (2 pi 0.5) = 114.59 Hz and leaves at 1000 Hz
    // at 360 / (2 pi 1000) = 0.05730 m/s.
    bool meetsTop = false;
    for (const planner::ChartPoint& p : edge->points) {
        if (std::fabs(std::pow(10.0, p.x) - 114.5916) < 1e-3 && std::fabs(p.y - std::log10(0.5)) < 1e-9) {
            meetsTop = true;
        }
    }
    EXPECT_TRUE(meetsTop);
    EXPECT_NEAR(std::pow(10.0, edge->points.back().y), 0.05729578, 1e-7);
    const planner::DrawOp* fill = Find(chart, planner::DrawKind::Fill, planner::DrawRole::LimitRegion);
    ASSERT_NE(fill, nullptr);
    EXPECT_EQ(fill->points.size(), edge->points.size() + 2);

    // Margins: force 9000 / (25 * 2 g) = 18.4, stroke 51 / 2.54 = 20.1,
    // velocity 1.8 / 0.1116 = 16.1, acceleration 100 / 2 = 50: velocity
    // binds, at the crossover.
    const planner::DrawOp* binding = Find(chart, planner::DrawKind::Marker, planner::DrawRole::Binding);
    ASSERT_NE(binding, nullptr);
    EXPECT_NEAR(std::pow(10.0, binding->points[0].x), 13.98552, 1e-4);
    const planner::DrawOp* text = Find(chart, planner::DrawKind::Text, planner::DrawRole::Binding);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "velocity binds, margin 16.1");
}

// The plot takes the whole window but the labels' room, however many
// decades each way: the diagonals' slope on screen follows.
TEST(PlannerChart, MappingFillsTheWindowAndReadsBack) {
    const planner::ChartMapping wide = planner::FitChart({0.0, 4.0, -1.0, 0.0}, 800, 500);
    const planner::ChartMapping tall = planner::FitChart({0.0, 1.0, -4.0, 0.0}, 800, 500);
    for (const planner::ChartMapping* map : {&wide, &tall}) {
        EXPECT_GT(map->width, 800 - 100);
        EXPECT_GT(map->height, 500 - 60);
        EXPECT_EQ(map->width, wide.width);
        EXPECT_EQ(map->height, wide.height);
    }
    planner::DrawOp falling;
    falling.slope = -1.0;
    // A decade down over a quarter of the width: -atan((h / 1) / (w / 4)).
    EXPECT_NEAR(wide.TextAngle(falling), -std::atan(4.0 * wide.height / wide.width) * 180.0 / std::acos(-1.0), 1e-9);
    const planner::ChartPoint back = wide.ToChart(wide.PixelX(1.5), wide.PixelY(-0.25));
    EXPECT_NEAR(back.x, 1.5, 1e-12);
    EXPECT_NEAR(back.y, -0.25, 1e-12);
    EXPECT_TRUE(wide.Inside(wide.PixelX(2.0), wide.PixelY(-0.5)));
    EXPECT_FALSE(wide.Inside(wide.PixelX(4.5), wide.PixelY(-0.5)));
}

TEST(PlannerChart, ReadoutGivesAllFourQuantities) {
    planner::Chart chart = ExampleChart();
    // 10 Hz at 0.1560777 m/s: 1 g, and 2 v / omega = 4.968 mm p-p.
    const planner::ChartPoint point{1.0, std::log10(0.1560777)};
    EXPECT_EQ(planner::ChartReadout(chart, point), "10 Hz   4.968 mm p-p   0.1561 m/s   1 g");
    chart.inchPound = true;
    EXPECT_EQ(planner::ChartReadout(chart, point), "10 Hz   0.1956 in p-p   6.145 in/s   1 g");
}

TEST(PlannerChart, SvgCarriesTheProfileInPixels) {
    const planner::Chart chart = ExampleChart();
    const std::string svg = planner::ChartSvg(chart, 800, 500);
    const planner::ChartMapping map = planner::FitChart(chart.box, 800, 500);
    const planner::DrawOp* profile = Find(chart, planner::DrawKind::Polyline, planner::DrawRole::Profile);
    ASSERT_NE(profile, nullptr);
    const std::string head = "<polyline class=\"profile\" points=\"";
    const std::size_t at = svg.find(head);
    ASSERT_NE(at, std::string::npos);
    const std::size_t from = at + head.size();
    std::istringstream points(svg.substr(from, svg.find('"', from) - from));
    for (const planner::ChartPoint& p : profile->points) {
        double x = 0.0, y = 0.0;
        char comma = 0;
        ASSERT_TRUE(points >> x >> comma >> y);
        EXPECT_NEAR(x, map.PixelX(p.x), 0.006);
        EXPECT_NEAR(y, map.PixelY(p.y), 0.006);
    }
    EXPECT_EQ(svg.find("<text class=\"diagonal-label\"") == std::string::npos, false);
}

}  // namespace
