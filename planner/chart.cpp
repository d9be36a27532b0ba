#include "planner/chart.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/number_text.h"

namespace planner {
namespace {

constexpr double kEps = 1e-9;
constexpr double kInch = 0.0254;  // m

double Pi() { return std::atan2(0.0, -1.0); }

// The next 1-2-5 step at or below (above) a value in chart coordinates.
double SnapDown(double x) {
    const double decade = std::floor(x + kEps);
    const double mantissa = std::pow(10.0, x - decade);
    const double step = mantissa >= 5.0 - kEps ? 5.0 : mantissa >= 2.0 - kEps ? 2.0 : 1.0;
    return decade + std::log10(step);
}

double SnapUp(double x) {
    const double decade = std::floor(x - kEps);
    const double mantissa = std::pow(10.0, x - decade);
    const double step = mantissa <= 2.0 + kEps ? 2.0 : mantissa <= 5.0 + kEps ? 5.0 : 10.0;
    return decade + std::log10(step);
}

// At least one decade wide, widened about its middle.
void AtLeastADecade(double& lo, double& hi) {
    if (hi - lo >= 1.0) return;
    const double middle = (lo + hi) / 2.0;
    lo = SnapDown(middle - 0.5);
    hi = SnapUp(middle + 0.5);
}

void Add(Chart& chart, DrawKind kind, DrawRole role, std::vector<ChartPoint> points) {
    DrawOp op;
    op.kind = kind;
    op.role = role;
    op.points = std::move(points);
    chart.ops.push_back(std::move(op));
}

void AddText(Chart& chart, DrawRole role, ChartPoint at, std::string text, TextAnchor anchor, double dx, double dy,
             double slope = 0.0) {
    DrawOp op;
    op.kind = DrawKind::Text;
    op.role = role;
    op.points = {at};
    op.text = std::move(text);
    op.anchor = anchor;
    op.dx = dx;
    op.dy = dy;
    op.slope = slope;
    chart.ops.push_back(std::move(op));
}

// Grid lines at each 1..9 step of the unit's decades inside [lo, hi]; unit
// is the display unit in SI (a chart value of log10(unit) is one unit).
template <typename Fn>
void ForEachStep(double lo, double hi, double unit, Fn fn) {
    const double offset = std::log10(unit);
    const int first = static_cast<int>(std::floor(lo - offset)) - 1;
    const int last = static_cast<int>(std::ceil(hi - offset));
    for (int step = first; step <= last; ++step) {
        const double decade = step;
        for (int m = 1; m <= 9; ++m) {
            const double at = decade + std::log10(static_cast<double>(m)) + offset;
            if (at < lo - kEps || at > hi + kEps) continue;
            fn(at, m, std::pow(10.0, decade) * m);
        }
    }
}

void DrawGrid(Chart& chart, double velocityUnit, const char* velocityName) {
    const ChartBox& b = chart.box;
    const bool fewX = b.x1 - b.x0 < 2.0;
    ForEachStep(b.x0, b.x1, 1.0, [&](double x, int m, double value) {
        Add(chart, DrawKind::Line, m == 1 ? DrawRole::GridMajor : DrawRole::GridMinor, {{x, b.y0}, {x, b.y1}});
        if (m == 1 || (fewX && (m == 2 || m == 5))) {
            AddText(chart, DrawRole::AxisLabel, {x, b.y0}, halvex::FormatNumber("%g", value), TextAnchor::Middle, 0,
                    16);
        }
    });
    const bool fewY = b.y1 - b.y0 < 2.0;
    ForEachStep(b.y0, b.y1, velocityUnit, [&](double y, int m, double value) {
        Add(chart, DrawKind::Line, m == 1 ? DrawRole::GridMajor : DrawRole::GridMinor, {{b.x0, y}, {b.x1, y}});
        if (m == 1 || (fewY && (m == 2 || m == 5))) {
            AddText(chart, DrawRole::AxisLabel, {b.x0, y}, halvex::FormatNumber("%g", value), TextAnchor::End, -5, 4);
        }
    });
    AddText(chart, DrawRole::AxisTitle, {(b.x0 + b.x1) / 2.0, b.y0}, "Frequency (Hz)", TextAnchor::Middle, 0, 34);
    AddText(chart, DrawRole::AxisTitle, {b.x0, b.y1}, std::string("Velocity (") + velocityName + ")", TextAnchor::Start,
            0, -8);
}

// The part of y = c + slope * x inside the box (slope +1 or -1).
bool ClipDiagonal(const ChartBox& b, double c, double slope, ChartPoint& p, ChartPoint& q) {
    double lo = slope > 0 ? b.y0 - c : c - b.y1;
    double hi = slope > 0 ? b.y1 - c : c - b.y0;
    lo = std::max(lo, b.x0);
    hi = std::min(hi, b.x1);
    if (hi - lo < 0.05) return false;
    p = {lo, c + slope * lo};
    q = {hi, c + slope * hi};
    return true;
}

// A diagonal's label sits a fixed way in from one end of the line, so that
// the frame never cuts it: the upper end, where the line leaves the plot, or
// the lower one when a label there would crowd one already placed (where an
// acceleration and a displacement line leave the plot close together). A
// line too short to hold a label goes without. In decades of frequency.
constexpr double kLabelInset = 0.17;
constexpr double kLabelSpacing = 0.3;

bool PlaceLabel(std::vector<ChartPoint>& placed, const ChartPoint& p, const ChartPoint& q, ChartPoint& at) {
    if (q.x - p.x < 2.0 * kLabelInset) return false;
    const double slope = (q.y - p.y) / (q.x - p.x);
    const ChartPoint nearStart{p.x + kLabelInset, p.y + slope * kLabelInset};
    const ChartPoint nearEnd{q.x - kLabelInset, q.y - slope * kLabelInset};
    const bool startIsUpper = slope < 0;
    for (const ChartPoint& candidate : {startIsUpper ? nearStart : nearEnd, startIsUpper ? nearEnd : nearStart}) {
        const bool crowded = std::any_of(placed.begin(), placed.end(), [&](const ChartPoint& other) {
            return std::abs(other.x - candidate.x) < kLabelSpacing && std::abs(other.y - candidate.y) < kLabelSpacing;
        });
        if (crowded) continue;
        at = candidate;
        placed.push_back(at);
        return true;
    }
    return false;
}

// Decade lines of constant acceleration (in g) and displacement peak-to-peak
// (in mm or in), labelled near their upper end.
void DrawDiagonals(Chart& chart, double displacementUnit, const char* displacementName) {
    const ChartBox& b = chart.box;
    const double twoPi = 2.0 * Pi();
    std::vector<ChartPoint> placed;
    // Acceleration A: v = A / (2 pi f), so y = log10(A / 2pi) - x.
    const int gLo = static_cast<int>(std::floor(b.x0 + b.y0 + std::log10(twoPi / chart.gravity)));
    const int gHi = static_cast<int>(std::ceil(b.x1 + b.y1 + std::log10(twoPi / chart.gravity)));
    for (int k = gLo; k <= gHi; ++k) {
        const double a = std::pow(10.0, k);
        ChartPoint p, q, at;
        if (!ClipDiagonal(b, std::log10(a * chart.gravity / twoPi), -1.0, p, q)) continue;
        Add(chart, DrawKind::Line, DrawRole::Acceleration, {p, q});
        if (PlaceLabel(placed, p, q, at)) {
            AddText(chart, DrawRole::DiagonalLabel, at, halvex::FormatNumber("%g g", a), TextAnchor::Middle, 0, -3,
                    -1.0);
        }
    }
    // Displacement D peak-to-peak: v = pi f D, so y = log10(pi D) + x.
    const double offset = std::log10(Pi() * displacementUnit);
    const int dLo = static_cast<int>(std::floor(b.y0 - b.x1 - offset));
    const int dHi = static_cast<int>(std::ceil(b.y1 - b.x0 - offset));
    for (int k = dLo; k <= dHi; ++k) {
        ChartPoint p, q, at;
        if (!ClipDiagonal(b, k + offset, 1.0, p, q)) continue;
        Add(chart, DrawKind::Line, DrawRole::Displacement, {p, q});
        if (PlaceLabel(placed, p, q, at)) {
            AddText(chart, DrawRole::DiagonalLabel, at,
                    halvex::FormatNumber("%g ", std::pow(10.0, k)) + displacementName, TextAnchor::Middle, 0, -3, 1.0);
        }
    }
}

// A straight line y = c + slope * x of the shaker's envelope.
struct LimitLine {
    double c;
    double slope;
    double At(double x) const { return c + slope * x; }
};

std::vector<LimitLine> ShakerLines(const ShakerResult& shaker) {
    std::vector<LimitLine> lines;
    double acceleration = std::numeric_limits<double>::infinity();
    for (const ShakerCheck& check : shaker.checks) {
        switch (check.limit) {
            case LimitKind::Stroke:
                lines.push_back({std::log10(Pi() * check.available), 1.0});
                break;
            case LimitKind::Velocity:
                lines.push_back({std::log10(check.available), 0.0});
                break;
            case LimitKind::Acceleration:
                acceleration = std::min(acceleration, check.available);
                break;
            case LimitKind::Force:
                if (shaker.maxAcceleration) acceleration = std::min(acceleration, *shaker.maxAcceleration);
                break;
        }
    }
    if (std::isfinite(acceleration)) lines.push_back({std::log10(acceleration / (2.0 * Pi())), -1.0});
    return lines;
}

// The region above the lowest of the limit lines, shaded, and its edge.
void DrawLimits(Chart& chart, const ShakerResult& shaker) {
    const std::vector<LimitLine> lines = ShakerLines(shaker);
    if (lines.empty()) return;
    const ChartBox& b = chart.box;
    // Where the envelope can bend or leave the box: the ends, the lines'
    // meetings and their crossings of the top and the bottom.
    std::vector<double> xs{b.x0, b.x1};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (double y : {b.y0, b.y1}) {
            if (lines[i].slope != 0.0) xs.push_back((y - lines[i].c) / lines[i].slope);
        }
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            if (lines[i].slope != lines[j].slope) {
                xs.push_back((lines[j].c - lines[i].c) / (lines[i].slope - lines[j].slope));
            }
        }
    }
    std::sort(xs.begin(), xs.end());
    std::vector<ChartPoint> edge;
    for (double x : xs) {
        if (x < b.x0 || x > b.x1 || (!edge.empty() && x - edge.back().x < kEps)) continue;
        double y = std::numeric_limits<double>::infinity();
        for (const LimitLine& line : lines) y = std::min(y, line.At(x));
        edge.push_back({x, std::clamp(y, b.y0, b.y1)});
    }
    std::vector<ChartPoint> region = edge;
    region.push_back({b.x1, b.y1});
    region.push_back({b.x0, b.y1});
    Add(chart, DrawKind::Fill, DrawRole::LimitRegion, std::move(region));
    Add(chart, DrawKind::Polyline, DrawRole::LimitRegion, std::move(edge));
}

ChartPoint Point(double f, double v) { return {std::log10(f), std::log10(v)}; }

// The profile's velocity at f: on each segment a power of f between its ends.
double VelocityAt(const ResolvedProfile& profile, double f) {
    for (const ResolvedSegment& s : profile.segments) {
        if (f > s.to * (1 + kEps)) continue;
        if (s.to <= s.from) return s.start.velocity;
        const double power = std::log(s.end.velocity / s.start.velocity) / std::log(s.to / s.from);
        return s.start.velocity * std::pow(f / s.from, power);
    }
    return profile.segments.back().end.velocity;
}

std::string Margin(double margin) { return halvex::FormatNumber("%.3g", margin); }

void DrawProfile(Chart& chart, const PlanOutcome& outcome) {
    const ResolvedProfile& profile = outcome.profile;
    std::vector<ChartPoint> line;
    for (const ResolvedSegment& s : profile.segments) {
        for (ChartPoint p : {Point(s.from, s.start.velocity), Point(s.to, s.end.velocity)}) {
            // Neighbours meet at a crossover up to rounding: one vertex.
            if (line.empty() || std::fabs(line.back().x - p.x) > kEps || std::fabs(line.back().y - p.y) > kEps) {
                line.push_back(p);
            }
        }
    }
    Add(chart, DrawKind::Polyline, DrawRole::Profile, std::move(line));
    for (double f : profile.crossovers) {
        const ChartPoint at = Point(f, VelocityAt(profile, f));
        Add(chart, DrawKind::Marker, DrawRole::Crossover, {at});
        AddText(chart, DrawRole::Note, at, halvex::FormatNumber("%.4g Hz", f), TextAnchor::Start, 7, 14);
    }
    if (!outcome.shaker || outcome.shaker->checks.empty()) return;
    const ShakerCheck* binding = BindingCheck(*outcome.shaker);
    const ChartPoint at = Point(binding->frequency, VelocityAt(profile, binding->frequency));
    Add(chart, DrawKind::Marker, DrawRole::Binding, {at});
    AddText(chart, DrawRole::Binding, at,
            std::string(LimitName(binding->limit)) + " binds, margin " + Margin(binding->margin), TextAnchor::Start, 9,
            -8);
}

}  // namespace

void DrawChart(const PlanDocument& document, const PlanOutcome& outcome, Chart& chart) {
    chart.ops.clear();
    chart.gravity = document.GravitySi();
    chart.inchPound = document.UsesInchPound();
    const ResolvedProfile& profile = outcome.profile;
    if (profile.segments.empty()) return;

    // Half an octave of room on each side, a third of a decade above and below.
    double x0 = SnapDown(std::log10(profile.Lowest()) - 0.15);
    double x1 = SnapUp(std::log10(profile.Highest()) + 0.15);
    double vLo = std::numeric_limits<double>::infinity();
    double vHi = 0.0;
    for (const ResolvedSegment& s : profile.segments) {
        vLo = std::min({vLo, s.start.velocity, s.end.velocity});
        vHi = std::max({vHi, s.start.velocity, s.end.velocity});
    }
    double y0 = SnapDown(std::log10(vLo) - 0.3);
    double y1 = SnapUp(std::log10(vHi) + 0.3);
    AtLeastADecade(x0, x1);
    AtLeastADecade(y0, y1);
    chart.box = {x0, x1, y0, y1};

    if (outcome.shaker) DrawLimits(chart, *outcome.shaker);
    DrawGrid(chart, chart.inchPound ? kInch : 1.0, chart.inchPound ? "in/s" : "m/s");
    DrawDiagonals(chart, chart.inchPound ? kInch : 0.001, chart.inchPound ? "in" : "mm");
    Add(chart, DrawKind::Polyline, DrawRole::Frame, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}});
    DrawProfile(chart, outcome);
}

}  // namespace planner
