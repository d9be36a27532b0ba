#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
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
    RunLevel,  // a run's level where it is not the profile's: a search's reduced level
    RunMark,   // a dwell's or a step's frequency, at the level its run asks
    Note,
    Legend,  // the legend's words; its samples take the role they show
    Title,   // an exported picture's title line
};

enum class TextAnchor { Start, Middle, End };

struct DrawOp {
    DrawKind kind = DrawKind::Line;
    DrawRole role = DrawRole::Frame;
    std::vector<ChartPoint> points;  // two for a line, one for a text or a marker
    std::string text;
    TextAnchor anchor = TextAnchor::Start;
    double dx = 0.0;  // the offset from the points, in pixels (y down)
    double dy = 0.0;
    // Each point's own further offset in pixels, or none: what keeps its
    // size on screen, such as the legend's samples beside the plot.
    std::vector<ChartPoint> offsets;
    double slope = 0.0;  // a text runs along this slope in chart coordinates
    double angle = 0.0;  // or at this angle, degrees counter-clockwise on screen
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
    // The line an exported picture shows above the plot; the window spends
    // no room on it. Empty: none.
    std::string title;
};

// The least plot the chart is shown in, in pixels: texts are placed so that
// they keep clear of each other there, and so at any larger size.
constexpr double kLeastPlotWidth = 480.0;
constexpr double kLeastPlotHeight = 360.0;

// From chart coordinates to pixels (y down). The plot takes the room it is
// given, so a decade across need not be as long as one upwards.
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
    // Where an operation's point goes, its offsets included.
    ChartPoint Pixel(const DrawOp& op, std::size_t i) const;
    // A text's angle in degrees, counter-clockwise on screen.
    double TextAngle(const DrawOp& op) const;
};

// The plot in a window of this size: all of it but the room for the axes'
// labels, the legend and, on a picture with a title, the title line.
ChartMapping FitChart(const ChartBox& box, double width, double height, bool titled = false);

// How much larger than a rectangle of this size a picture of the chart is
// drawn, then scaled down into it, so that its plot is no smaller than the
// least plot and its texts keep clear of each other: 1 for a rectangle that
// is large enough. A page's chart is drawn so.
double ChartScale(const Chart& chart, double width, double height);

// What a picture file shows: the chart's operations, then its title line
// above the plot.
std::vector<DrawOp> PictureOps(const Chart& chart);

// What every backend paints into a rectangle of that size, in order: each
// operation with points, with the mapping and the style to paint it in. A
// picture for a file shows the title line; a chart out of date is greyed.
void ForEachPainted(const Chart& chart, double width, double height, bool picture, bool greyed,
                    const std::function<void(const ChartMapping&, const DrawOp&, const DrawStyle&)>& paint);

// A text's extent in pixels, by the widths of a broad sans-serif face, so
// that the faces the backends choose take no more room than this.
double TextWidth(const std::string& text, double fontSize);
constexpr double kTextAscent = 0.76;  // of the font size, above the baseline
constexpr double kTextDescent = 0.24;

// "12.3 Hz  0.254 mm p-p  0.0981 m/s  0.102 g" for a point of the chart.
std::string ChartReadout(const Chart& chart, ChartPoint point);

// A text as it may stand in HTML or SVG, as content or as an attribute's
// value: nothing in it can open a tag, start an entity or end a quote, and
// the control characters neither allows are blanks.
std::string MarkupEscaped(const std::string& text);

// A colour as #rrggbb.
std::string HexColour(std::uint32_t rgb);

// The chart as an SVG picture of this size in pixels, with its title line.
// The root carries the
// plot's rectangle and ranges (data-plot, data-range) so that a reader can
// map points back.
std::string ChartSvg(const Chart& chart, double width, double height);

}  // namespace draw
