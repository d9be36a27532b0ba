// The four-coordinate chart as a drawing list, checked against hand
// calculations on the worked example (docs/examples/shaker-test.halvex-plan):
// 2.54 mm p-p from 5 Hz to the crossover with 1 g, 1 g to 100 Hz, 1 g rising
// to 2 g at 500 Hz; shaker 9 kN over 25 kg, 51 mm stroke, 1.8 m/s, 100 g.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "numeric/number_text.h"
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

TEST(PlannerChart, RangesFollowTheProfileWithRoom) {
    const planner::Chart chart = ExampleChart();
    // 5 to 500 Hz, half an octave of room, out to 1-2-5 steps: 2 to 1000 Hz.
    EXPECT_NEAR(chart.box.x0, std::log10(2.0), 1e-12);
    EXPECT_NEAR(chart.box.x1, 3.0, 1e-12);
    // 6.24 mm/s with a third of a decade of room: 2 mm/s; the shaker's 1.8
    // m/s with a tenth of a decade: 2.27 m/s, out to 5 m/s.
    EXPECT_NEAR(chart.box.y0, std::log10(0.002), 1e-12);
    EXPECT_NEAR(chart.box.y1, std::log10(5.0), 1e-12);
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
    // From 2 Hz, where the 51 mm stroke allows pi 2 0.051 = 0.3204 m/s, up
    // to 1.8 m/s at 1.8 / (pi 0.051) = 11.23 Hz; along it to where 9 kN /
    // 25 kg = 360 m/s^2 (before 100 g) takes over, at 360 / (2 pi 1.8) =
    // 31.83 Hz; down to 360 / (2 pi 1000) = 0.05730 m/s at 1000 Hz.
    const double hand[][2] = {{2.0, 0.3204425}, {11.23447, 1.8}, {31.83099, 1.8}, {1000.0, 0.05729578}};
    for (const auto& row : hand) {
        const double f = row[0];
        const double v = row[1];
        SCOPED_TRACE(f);
        EXPECT_TRUE(std::any_of(edge->points.begin(), edge->points.end(), [&](const planner::ChartPoint& p) {
            return std::fabs(std::pow(10.0, p.x) / f - 1) < 1e-6 && std::fabs(std::pow(10.0, p.y) / v - 1) < 1e-6;
        }));
    }
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

planner::Chart ChartOf(const std::string& text) {
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    std::string message;
    EXPECT_TRUE(planner::ReadPlan(text, document, message)) << message;
    EXPECT_TRUE(planner::EvaluatePlan(document, {}, outcome, message)) << message;
    planner::Chart chart;
    planner::DrawChart(document, outcome, chart);
    return chart;
}

// From the engineer's report: 5 g from 50 Hz to 1 kHz on a shaker of 100 mm
// stroke, 2 m/s and 100 g. Its envelope bends where the stroke meets 2 m/s,
// at 2 / (pi 0.1) = 6.366 Hz, below the profile's frequencies, and where
// 2 m/s meets 100 g, at 980.665 / (2 pi 2) = 78.04 Hz; the profile itself
// reaches only 5 g / (2 pi 50 Hz) = 0.156 m/s.
const char kTwoMetresPerSecond[] = R"({"format": "halvex-plan", "version": 1,
  "profile": [{"from": 50, "to": 1000, "acceleration": "5 g"}],
  "shaker": {"stroke_pp": "100 mm", "velocity": "2 m/s", "acceleration": "100 g"}})";

// 2.54 mm p-p from 5 Hz, then 10 g to 2 kHz: a chart of 2.6 decades each
// way, where the displacement lines crowd the top edge.
const char kTenG[] = R"({"format": "halvex-plan", "version": 1, "profile": [
  {"from": 5, "to": "auto", "displacement_pp": "2.54 mm"}, {"from": "auto", "to": 2000, "acceleration": "10 g"}]})";

// The worked example's profile and shaker with a sequence: a search at a
// quarter of the profile, the sweep, a dwell at 30 Hz, and steps from 4 to
// 33 Hz at 0.254 mm zero-to-peak of their own, below the profile's 5 Hz.
const char kSequence[] = R"({"format": "halvex-plan", "version": 2, "profile": [
  {"from": 5, "to": "auto", "displacement_pp": "2.54 mm"}, {"from": "auto", "to": 100, "acceleration": "1 g"},
  {"from": 100, "to": 500, "acceleration": ["1 g", "2 g"]}],
  "sweep": {"type": "log", "rate": "1 oct/min", "mode": "up-down", "sweeps": 10, "axes": 3},
  "shaker": {"rated_force": "9 kN", "moving_mass": {"armature": "5 kg", "fixture": "8 kg", "specimen": "12 kg"},
             "stroke_pp": "51 mm", "velocity": "1.8 m/s", "acceleration": "100 g"},
  "sequence": [{"run": "search", "type": "log", "rate": "0.5 oct/min", "mode": "up", "sweeps": 1, "level": 0.25},
    {"run": "sweep"}, {"run": "dwell", "frequency": "30 Hz", "time": "2 h"},
    {"run": "stepped", "from": "4 Hz", "to": "33 Hz", "step": "1 Hz", "hold": "15 s",
     "level": {"displacement_zp": "0.254 mm"}}]})";

// The charts the placement of texts is checked on.
planner::Chart CheckedChart(int which) {
    return which == 0 ? ExampleChart() : ChartOf(which == 1 ? kTwoMetresPerSecond : which == 2 ? kTenG : kSequence);
}
constexpr int kCheckedCharts = 4;

TEST(PlannerChart, RangesTakeInTheWholeShakerEnvelope) {
    const planner::Chart chart = ChartOf(kTwoMetresPerSecond);
    const planner::DrawOp* edge = Find(chart, planner::DrawKind::Polyline, planner::DrawRole::LimitRegion);
    ASSERT_NE(edge, nullptr);
    const double v = std::log10(2.0);
    EXPECT_GT(chart.box.y1, v + 0.04);  // the 2 m/s line clear of the frame
    for (double f : {6.366198, 78.04}) {
        SCOPED_TRACE(f);
        const double x = std::log10(f);
        EXPECT_GT(x, chart.box.x0 + 0.04);
        EXPECT_LT(x, chart.box.x1 - 0.04);
        EXPECT_TRUE(std::any_of(edge->points.begin(), edge->points.end(), [&](const planner::ChartPoint& p) {
            return std::fabs(p.x - x) < 1e-3 && std::fabs(p.y - v) < 1e-9;
        }));
    }
}

// Every decade line that runs through a good part of the plot (by hand: 0.4
// decades of frequency or more) is drawn, with its value on it inside the
// plot, those that leave through the top (where a stroke is read) too.
TEST(PlannerChart, EveryDiagonalAcrossThePlotIsLabelledOnIt) {
    for (int plan = 0; plan < kCheckedCharts; ++plan) {
        SCOPED_TRACE(plan);
        const planner::Chart chart = CheckedChart(plan);
        const planner::ChartBox& b = chart.box;
        const double pi = std::acos(-1.0);
        int labelled = 0;
        for (int k = -6; k <= 6; ++k) {
            // y = c + slope x: 10^k g falls as g 10^k / (2 pi f); 10^k mm p-p rises as pi f D.
            for (const double slope : {-1.0, 1.0}) {
                const double c = slope < 0 ? std::log10(9.80665 * std::pow(10.0, k) / (2 * pi))
                                           : std::log10(pi * std::pow(10.0, k) / 1000.0);
                const double from = std::max(b.x0, slope < 0 ? c - b.y1 : b.y0 - c);
                const double to = std::min(b.x1, slope < 0 ? c - b.y0 : b.y1 - c);
                if (to - from < 0.4) continue;
                const std::string text = halvex::FormatNumber(slope < 0 ? "%g g" : "%g mm", std::pow(10.0, k));
                SCOPED_TRACE(text);
                const auto label = std::find_if(chart.ops.begin(), chart.ops.end(), [&](const planner::DrawOp& op) {
                    return op.role == planner::DrawRole::DiagonalLabel && op.text == text;
                });
                ASSERT_NE(label, chart.ops.end());
                const planner::ChartPoint at = label->points[0];
                EXPECT_NEAR(at.y, c + slope * at.x, 1e-9);
                EXPECT_GT(at.x, b.x0);
                EXPECT_LT(at.x, b.x1);
                EXPECT_GT(at.y, b.y0);
                EXPECT_LT(at.y, b.y1);
                ++labelled;
            }
        }
        EXPECT_GE(labelled, 8);
    }
}

// A text's box in pixels as painted, by a plain estimate: glyphs 0.6 of the
// font size wide, 0.75 above the baseline and 0.25 below.
using Polygon = std::vector<planner::ChartPoint>;

Polygon TextBox(const planner::ChartMapping& map, const planner::DrawOp& op) {
    const double size = planner::StyleOf(op.role).fontSize;
    std::size_t glyphs = 0;
    for (unsigned char c : op.text) glyphs += (c & 0xc0) != 0x80;
    const double width = 0.6 * size * static_cast<double>(glyphs);
    const double turn = map.TextAngle(op) * std::acos(-1.0) / 180.0;
    const planner::ChartPoint along{std::cos(turn), -std::sin(turn)};
    const planner::ChartPoint up{-std::sin(turn), -std::cos(turn)};
    const double back = op.anchor == planner::TextAnchor::Start    ? 0.0
                        : op.anchor == planner::TextAnchor::Middle ? width / 2
                                                                   : width;
    const planner::ChartPoint start{map.PixelX(op.points[0].x) + op.dx - back * along.x,
                                    map.PixelY(op.points[0].y) + op.dy - back * along.y};
    Polygon box;
    for (const auto& [a, u] : {std::pair{0.0, -0.25}, {width, -0.25}, {width, 0.75}, {0.0, 0.75}}) {
        box.push_back({start.x + a * along.x + u * size * up.x, start.y + a * along.y + u * size * up.y});
    }
    return box;
}

// Two convex shapes (a segment is one of two corners) overlap unless a line
// along an edge of either separates them.
bool Overlap(const Polygon& a, const Polygon& b) {
    for (const Polygon* shape : {&a, &b}) {
        for (std::size_t i = 0; i < shape->size(); ++i) {
            const planner::ChartPoint p = (*shape)[i];
            const planner::ChartPoint q = (*shape)[(i + 1) % shape->size()];
            const planner::ChartPoint normal{q.y - p.y, p.x - q.x};
            auto range = [&](const Polygon& s) {
                double lo = 1e300, hi = -1e300;
                for (const planner::ChartPoint& r : s) {
                    lo = std::min(lo, r.x * normal.x + r.y * normal.y);
                    hi = std::max(hi, r.x * normal.x + r.y * normal.y);
                }
                return std::pair{lo, hi};
            };
            const auto [aLo, aHi] = range(a);
            const auto [bLo, bHi] = range(b);
            if (aHi <= bLo || bHi <= aLo) return false;
        }
    }
    return true;
}

// The texts in the plot (the diagonals' values, the crossovers', what
// binds) keep clear of each other, of the profile and of the markers, and
// inside the plot: on the least plot the window shows, 480 x 360 pixels, on
// an exported picture, and in a window made wide or tall.
TEST(PlannerChart, TextsInThePlotKeepClearOfEachOtherTheProfileAndTheMarkers) {
    for (int plan = 0; plan < kCheckedCharts; ++plan) {
        const planner::Chart chart = CheckedChart(plan);
        planner::ChartMapping least;
        least.box = chart.box;
        least.width = 480;
        least.height = 360;
        for (const planner::ChartMapping& map :
             {least, planner::FitChart(chart.box, 800, 600), planner::FitChart(chart.box, 1200, 500),
              planner::FitChart(chart.box, 600, 800)}) {
            SCOPED_TRACE(std::to_string(plan) + " at " + std::to_string(map.width));
            std::vector<Polygon> texts, obstacles;
            for (const planner::DrawOp& op : chart.ops) {
                const bool inPlot = op.role == planner::DrawRole::DiagonalLabel || op.role == planner::DrawRole::Note ||
                                    op.role == planner::DrawRole::Binding;
                if (op.kind == planner::DrawKind::Text && inPlot) {
                    texts.push_back(TextBox(map, op));
                    for (const planner::ChartPoint& p : texts.back()) {
                        EXPECT_TRUE(map.Inside(p.x, p.y)) << op.text;
                    }
                } else if (op.kind == planner::DrawKind::Marker && op.offsets.empty()) {  // not the legend's
                    const double r = planner::StyleOf(op.role).radius;
                    const double x = map.PixelX(op.points[0].x);
                    const double y = map.PixelY(op.points[0].y);
                    obstacles.push_back({{x - r, y - r}, {x + r, y - r}, {x + r, y + r}, {x - r, y + r}});
                } else if (op.kind == planner::DrawKind::Polyline && op.role == planner::DrawRole::Profile) {
                    for (std::size_t i = 1; i < op.points.size(); ++i) {
                        obstacles.push_back({{map.PixelX(op.points[i - 1].x), map.PixelY(op.points[i - 1].y)},
                                             {map.PixelX(op.points[i].x), map.PixelY(op.points[i].y)}});
                    }
                }
            }
            ASSERT_GE(texts.size(), 8u);
            for (std::size_t i = 0; i < texts.size(); ++i) {
                for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(Overlap(texts[i], texts[j])) << i << " and " << j;
                for (const Polygon& obstacle : obstacles) EXPECT_FALSE(Overlap(texts[i], obstacle)) << i;
            }
        }
    }
}

// Under the plot, beside the frequency title: each thing drawn, by a sample
// of its look and its name; only what the chart shows.
TEST(PlannerChart, LegendNamesWhatIsDrawnUnderThePlot) {
    const planner::Chart chart = ExampleChart();
    const planner::ChartMapping map = planner::FitChart(chart.box, 800, 600);
    std::vector<std::string> names;
    std::vector<planner::DrawRole> samples;
    double right = 0.0;
    for (const planner::DrawOp& op : chart.ops) {
        const bool legend = op.role == planner::DrawRole::Legend || !op.offsets.empty();
        if (!legend) continue;
        for (std::size_t i = 0; i < op.points.size(); ++i) {
            const planner::ChartPoint at = map.Pixel(op, i);
            EXPECT_GT(at.y, map.top + map.height + 14) << op.text;  // below the frequency labels
            EXPECT_LT(at.y, 600) << op.text;
        }
        if (op.kind == planner::DrawKind::Text) {
            names.push_back(op.text);
            right = std::max(right, TextBox(map, op)[1].x);
        } else {
            samples.push_back(op.role);
        }
    }
    EXPECT_EQ(names, (std::vector<std::string>{"profile", "shaker envelope", "binding point"}));
    for (const planner::DrawRole role :
         {planner::DrawRole::Profile, planner::DrawRole::LimitRegion, planner::DrawRole::Binding}) {
        EXPECT_NE(std::find(samples.begin(), samples.end(), role), samples.end());
    }
    const auto title = std::find_if(chart.ops.begin(), chart.ops.end(),
                                    [](const planner::DrawOp& op) { return op.text == "Frequency (Hz)"; });
    ASSERT_NE(title, chart.ops.end());
    EXPECT_LT(right, TextBox(map, *title)[0].x);

    const planner::Chart bare = ChartOf(kTenG);  // no shaker
    const auto names2 = std::count_if(bare.ops.begin(), bare.ops.end(),
                                      [](const planner::DrawOp& op) { return op.role == planner::DrawRole::Legend; });
    EXPECT_EQ(names2, 1);
}

// The sequence's runs where they leave the profile: the search's quarter
// level dashed, a quarter below the profile at every vertex (log10 0.25 on
// these axes); a mark for the dwell and each of the 30 steps at the level
// its run asks: the profile's 1 g at 30 Hz, 9.807 / (2 pi 30) = 0.05203 m/s;
// 0.254 mm zero-to-peak at 4 Hz, 2 pi 4 x 0.000254 = 0.006384 m/s, inside
// the chart though below the profile's span. The legend names them "runs", clear
// of the frequency title on the least plot.
TEST(PlannerChart, RunsLeavingTheProfileAreDrawnAtTheirLevels) {
    const planner::Chart chart = ChartOf(kSequence);
    const planner::DrawOp* profile = Find(chart, planner::DrawKind::Polyline, planner::DrawRole::Profile);
    const planner::DrawOp* search = Find(chart, planner::DrawKind::Polyline, planner::DrawRole::RunLevel);
    ASSERT_NE(profile, nullptr);
    ASSERT_NE(search, nullptr);
    ASSERT_EQ(search->points.size(), profile->points.size());
    for (std::size_t i = 0; i < search->points.size(); ++i) {
        EXPECT_DOUBLE_EQ(search->points[i].x, profile->points[i].x);
        EXPECT_NEAR(search->points[i].y, profile->points[i].y + std::log10(0.25), 1e-12);
    }
    EXPECT_TRUE(planner::StyleOf(planner::DrawRole::RunLevel).dashed);
    std::vector<planner::ChartPoint> marks;
    for (const planner::DrawOp& op : chart.ops) {
        if (op.role == planner::DrawRole::RunMark && op.offsets.empty()) marks.push_back(op.points[0]);
    }
    ASSERT_EQ(marks.size(), 31u);
    EXPECT_NEAR(marks[0].x, std::log10(30.0), 1e-12);
    const double pi = std::acos(-1.0);
    EXPECT_NEAR(std::pow(10.0, marks[0].y), 9.80665 / (2 * pi * 30), 1e-6);
    EXPECT_NEAR(std::pow(10.0, marks[1].y), 2 * pi * 4 * 0.000254, 1e-9);
    EXPECT_LE(chart.box.x0, marks[1].x);
    EXPECT_LE(chart.box.y0, marks[1].y);

    // The least plot, 480 x 360 pixels, with the labels' room around it.
    const planner::ChartMapping least = planner::FitChart(chart.box, 480 + 80, 360 + 37);
    double right = 0.0;
    double title = 0.0;
    std::vector<std::string> names;
    for (const planner::DrawOp& op : chart.ops) {
        if (op.role == planner::DrawRole::Legend) {
            names.push_back(op.text);
            right = std::max(right, TextBox(least, op)[1].x);
        }
        if (op.text == "Frequency (Hz)") title = TextBox(least, op)[0].x;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"profile", "shaker envelope", "binding point", "runs"}));
    EXPECT_LT(right, title);
    const std::string svg = planner::ChartSvg(chart, 800, 600);
    EXPECT_NE(svg.find("class=\"run-level\""), std::string::npos);
    EXPECT_NE(svg.find("class=\"run-mark\""), std::string::npos);
}

// The title line, the plan's name and its gravity, is on the pictures a
// chart is exported as, above the plot, and never in the window.
TEST(PlannerChart, TitleLineOnlyOnExportedPictures) {
    const planner::PlanDocument document = ExamplePlan();
    planner::PlanOutcome outcome;
    std::string message;
    ASSERT_TRUE(planner::EvaluatePlan(document, {}, outcome, message)) << message;
    planner::Chart chart;
    planner::DrawChart(document, outcome, chart, planner::ChartTitle{"shaker-test.halvex-plan"});
    const std::string title = "shaker-test.halvex-plan, g = 9.80665 m/s\u00b2";
    for (const planner::DrawOp& op : chart.ops) EXPECT_NE(op.role, planner::DrawRole::Title);

    std::vector<planner::DrawOp> titles;
    for (const planner::DrawOp& op : planner::PictureOps(chart)) {
        if (op.role == planner::DrawRole::Title) titles.push_back(op);
    }
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0].text, title);
    const planner::ChartMapping map = planner::FitChart(chart.box, 800, 600, true);
    const Polygon box = TextBox(map, titles[0]);
    EXPECT_GT(box[3].y, 0.0);
    EXPECT_LT(box[0].y, map.top - 8);  // clear of the top end's label
    EXPECT_NE(planner::ChartSvg(chart, 800, 600).find(">" + title + "</text>"), std::string::npos);

    planner::DrawChart(document, outcome, chart, planner::ChartTitle{});
    EXPECT_EQ(chart.title, "Untitled, g = 9.80665 m/s\u00b2");
    planner::DrawChart(document, outcome, chart);
    EXPECT_EQ(planner::ChartSvg(chart, 800, 600).find("class=\"title\""), std::string::npos);
}

}  // namespace
