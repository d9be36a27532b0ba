#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A picture as a list of drawing operations in its own coordinates, which
// every backend paints and the SVG writer writes, so that a file shows what
// the screen shows. Window-free.
namespace draw {

// The four-coordinate chart: x is log10 of the frequency in Hz, y is log10 of
// the zero-to-peak velocity in m/s. Lines of constant displacement rise at
// one decade per decade, lines of constant acceleration fall.
struct ChartPoint {
    double x = 0.0;
    double y = 0.0;
};

struct ChartBox {
    double x0 = 0.0;  // the plot's range in chart coordinates
    double x1 = 1.0;
    double y0 = 0.0;
    double y1 = 1.0;
};

enum class DrawKind { Line, Polyline, Fill, Text, Marker };

// What an operation draws; each role has one look on every backend.
enum class DrawRole {
    Frame,
    GridMajor,
    GridMinor,
    Displacement,
    Acceleration,
    AxisLabel,
    AxisTitle,
    DiagonalLabel,
    LimitRegion,
    Profile,
    Crossover,
    Binding,
    Note,
};

enum class TextAnchor { Start, Middle, End };

struct DrawOp {
    DrawKind kind = DrawKind::Line;
    DrawRole role = DrawRole::Frame;
    std::vector<ChartPoint> points;  // two for a line, one for a text or a marker
    std::string text;
    TextAnchor anchor = TextAnchor::Start;
    double dx = 0.0;  // a text's offset from its point, in pixels (y down)
    double dy = 0.0;
    double slope = 0.0;  // a text runs along this slope in chart coordinates
};

// The look of a role: colours as 0xRRGGBB, widths and sizes in pixels.
struct DrawStyle {
    std::uint32_t stroke = 0;
    double width = 1.0;
    bool dashed = false;
    std::uint32_t fill = 0;
    double fillOpacity = 0.0;  // 0: not filled
    double fontSize = 11.0;
    double radius = 0.0;  // a marker's
};

DrawStyle StyleOf(DrawRole role);

// The look of a role on a chart that is out of date: its colours turned to
// light greys of their own brightness, legible but plainly not current.
DrawStyle GreyedOut(DrawStyle style);

struct Chart {
    ChartBox box;
    std::vector<DrawOp> ops;
    double gravity = 9.80665;  // m/s^2, for the readout in g
    bool inchPound = false;
};

// From chart coordinates to pixels (y down), with one length per decade on
// both axes so that the diagonals run at 45 degrees.
struct ChartMapping {
    ChartBox box;
    double left = 0.0;  // the plot's rectangle in pixels
    double top = 0.0;
    double width = 1.0;
    double height = 1.0;

    double PixelX(double x) const { return left + (x - box.x0) / (box.x1 - box.x0) * width; }
    double PixelY(double y) const { return top + (box.y1 - y) / (box.y1 - box.y0) * height; }
    ChartPoint ToChart(double px, double py) const;
    bool Inside(double px, double py) const;
    // A text's angle in degrees, counter-clockwise on screen.
    double TextAngle(const DrawOp& op) const;
};

// Places the plot in a window of this size, leaving room for the axis labels.
ChartMapping FitChart(const ChartBox& box, double width, double height);

// "12.3 Hz  0.254 mm p-p  0.0981 m/s  0.102 g" for a point of the chart.
std::string ChartReadout(const Chart& chart, ChartPoint point);

// The chart as an SVG picture of this size in pixels. The root carries the
// plot's rectangle and ranges (data-plot, data-range) so that a reader can
// map points back.
std::string ChartSvg(const Chart& chart, double width, double height);

}  // namespace draw
