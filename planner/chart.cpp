#include "planner/chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "lang/tr.h"
#include "numeric/number_text.h"
#include "planner/sequence.h"

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

DrawOp Op(DrawKind kind, DrawRole role, std::vector<ChartPoint> points) {
    DrawOp op;
    op.kind = kind;
    op.role = role;
    op.points = std::move(points);
    return op;
}

void Add(Chart& chart, DrawKind kind, DrawRole role, std::vector<ChartPoint> points) {
    chart.ops.push_back(Op(kind, role, std::move(points)));
}

DrawOp TextOp(DrawRole role, ChartPoint at, std::string text, TextAnchor anchor, double dx, double dy) {
    DrawOp op = Op(DrawKind::Text, role, {at});
    op.text = std::move(text);
    op.anchor = anchor;
    op.dx = dx;
    op.dy = dy;
    return op;
}

// Texts in the plot are kept clear of each other, of the profile and of the
// markers on the least plot, in its pixels; on a larger one everything only
// moves further apart. The shaker's envelope is kept clear where there is room.
// A convex shape in pixels (two corners: a segment; at most four), with its
// extent. Held in place, as a chart lays out thousands of them.
struct Shape {
    std::array<ChartPoint, 4> corners{};
    std::size_t count = 0;
    double left = 0.0, right = 0.0, top = 0.0, bottom = 0.0;

    Shape() = default;
    Shape(std::initializer_list<ChartPoint> points) {
        for (const ChartPoint& p : points) corners[count++] = p;
        Measure();
    }
    // A shape moved by (dx, dy) pixels.
    Shape Moved(double dx, double dy) const {
        Shape moved = *this;
        for (std::size_t i = 0; i < count; ++i) moved.corners[i] = {corners[i].x + dx, corners[i].y + dy};
        moved.Measure();
        return moved;
    }
    const ChartPoint* begin() const { return corners.data(); }
    const ChartPoint* end() const { return corners.data() + count; }

private:
    void Measure() {
        left = top = std::numeric_limits<double>::infinity();
        right = bottom = -left;
        for (const ChartPoint& p : *this) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
    }
};

// Whether two extents (a Shape's, or an Extent) are apart; touching is apart.
template <typename A, typename B>
bool Apart(const A& a, const B& b) {
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

struct Extent {
    double left, right, top, bottom;
};

// Two convex shapes overlap unless some edge of either separates them;
// most are far apart, which their extents tell first.
bool Overlap(const Shape& a, const Shape& b) {
    if (Apart(a, b)) return false;
    for (const Shape* shape : {&a, &b}) {
        const std::size_t n = shape->count;
        for (std::size_t i = 0; i < n; ++i) {
            const ChartPoint& p = shape->corners[i];
            const ChartPoint& q = shape->corners[(i + 1) % n];
            const ChartPoint normal{q.y - p.y, p.x - q.x};
            double aLo = std::numeric_limits<double>::infinity(), aHi = -aLo, bLo = aLo, bHi = -aLo;
            for (const ChartPoint& r : a) {
                aLo = std::min(aLo, r.x * normal.x + r.y * normal.y);
                aHi = std::max(aHi, r.x * normal.x + r.y * normal.y);
            }
            for (const ChartPoint& r : b) {
                bLo = std::min(bLo, r.x * normal.x + r.y * normal.y);
                bHi = std::max(bHi, r.x * normal.x + r.y * normal.y);
            }
            if (aHi <= bLo || bHi <= aLo) return false;
        }
    }
    return true;
}

constexpr double kPad = 3.0;  // px kept around a text

// The room a text takes as painted: along its baseline, the ascent above
// and the descent below, padded.
Shape TextShape(const ChartMapping& map, const DrawOp& op) {
    const double size = StyleOf(op.role).fontSize;
    const double width = draw::TextWidth(op.text, size);
    const double turn = map.TextAngle(op) * Pi() / 180.0;
    const ChartPoint along{std::cos(turn), -std::sin(turn)};
    const ChartPoint up{-std::sin(turn), -std::cos(turn)};
    const double back = op.anchor == TextAnchor::Start ? 0.0 : op.anchor == TextAnchor::Middle ? width / 2 : width;
    const ChartPoint origin = map.Pixel(op, 0);
    const double left = -back - kPad;
    const double right = width - back + kPad;
    const double below = -draw::kTextDescent * size - kPad;
    const double above = draw::kTextAscent * size + kPad;
    const auto corner = [&](double a, double u) {
        return ChartPoint{origin.x + a * along.x + u * up.x, origin.y + a * along.y + u * up.y};
    };
    return Shape{corner(left, below), corner(right, below), corner(right, above), corner(left, above)};
}

// The shapes already placed, found by the cells of the least plot their
// extents cover, so that a text is checked only against what lies near it.
// A shape outside the plot cannot meet a text inside it; one whose extent is
// not finite is checked against every text, as a plain list would.
class ShapeBins {
public:
    ShapeBins(double width, double height)
        : m_columns(static_cast<int>(width / kCell) + 1),
          m_rows(static_cast<int>(height / kCell) + 1),
          m_width(width),
          m_height(height),
          m_cells(static_cast<std::size_t>(m_columns * m_rows)) {}

    void Add(const Shape& shape) {
        const std::size_t index = m_shapes.size();
        m_seen.push_back(0);
        const bool finite = std::isfinite(shape.left) && std::isfinite(shape.right) && std::isfinite(shape.top) &&
                            std::isfinite(shape.bottom);
        if (!finite) {
            m_everywhere.push_back(index);
        } else if (shape.right > 0.0 && shape.left < m_width && shape.bottom > 0.0 && shape.top < m_height) {
            int c0, c1, r0, r1;
            Cells(shape, c0, c1, r0, r1);
            for (int r = r0; r <= r1; ++r) {
                for (int c = c0; c <= c1; ++c) m_cells[Cell(r, c)].push_back(index);
            }
        }
        m_shapes.push_back(shape);
    }

    // Whether any shape overlaps one inside the plot.
    bool AnyOverlaps(const Shape& shape) {
        const auto hits = [&](const Shape& other) { return Overlap(shape, other); };
        if (!(shape.left >= 0.0 && shape.right <= m_width && shape.top >= 0.0 && shape.bottom <= m_height)) {
            return std::any_of(m_shapes.begin(), m_shapes.end(), hits);  // one with no place in the plot
        }
        ++m_stamp;
        if (std::any_of(m_everywhere.begin(), m_everywhere.end(),
                        [&](std::size_t index) { return hits(m_shapes[index]); })) {
            return true;
        }
        int c0, c1, r0, r1;
        Cells(shape, c0, c1, r0, r1);
        for (int r = r0; r <= r1; ++r) {
            for (int c = c0; c <= c1; ++c) {
                for (const std::size_t index : m_cells[Cell(r, c)]) {
                    if (m_seen[index] == m_stamp) continue;
                    m_seen[index] = m_stamp;
                    if (hits(m_shapes[index])) return true;
                }
            }
        }
        return false;
    }

private:
    static constexpr double kCell = 24.0;  // px

    std::size_t Cell(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(column);
    }
    // Of a coordinate inside the plot: never negative, so truncating floors.
    int Column(double x) const { return std::min(static_cast<int>(x * (1.0 / kCell)), m_columns - 1); }
    int Row(double y) const { return std::min(static_cast<int>(y * (1.0 / kCell)), m_rows - 1); }
    void Cells(const Shape& shape, int& c0, int& c1, int& r0, int& r1) const {
        c0 = Column(std::max(shape.left, 0.0));
        c1 = Column(std::min(shape.right, m_width));
        r0 = Row(std::max(shape.top, 0.0));
        r1 = Row(std::min(shape.bottom, m_height));
    }

    int m_columns, m_rows;
    double m_width, m_height;
    std::vector<Shape> m_shapes;
    std::vector<std::vector<std::size_t>> m_cells;
    std::vector<std::size_t> m_everywhere;
    std::vector<unsigned> m_seen;  // the query that last checked each shape
    unsigned m_stamp = 0;
};

class Clearance {
public:
    explicit Clearance(const ChartBox& box)
        : m_hard(draw::kLeastPlotWidth, draw::kLeastPlotHeight), m_soft(draw::kLeastPlotWidth, draw::kLeastPlotHeight) {
        m_map.box = box;
        m_map.width = draw::kLeastPlotWidth;
        m_map.height = draw::kLeastPlotHeight;
    }

    const ChartMapping& Map() const { return m_map; }

    void BlockLine(const std::vector<ChartPoint>& points, bool soft) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            Shape segment{{m_map.PixelX(points[i - 1].x), m_map.PixelY(points[i - 1].y)},
                          {m_map.PixelX(points[i].x), m_map.PixelY(points[i].y)}};
            (soft ? m_soft : m_hard).Add(segment);
        }
    }

    void BlockMarker(ChartPoint at, double radius) {
        const double x = m_map.PixelX(at.x);
        const double y = m_map.PixelY(at.y);
        m_hard.Add(Shape{
            {x - radius, y - radius}, {x + radius, y - radius}, {x + radius, y + radius}, {x - radius, y + radius}});
    }

    // Whether a text's room lies inside the plot clear of what is there
    // (and of the envelope, when asked).
    bool Fits(const Shape& shape, bool clearOfEnvelope) {
        return FitsAcross(shape) && (!clearOfEnvelope || ClearOfEnvelope(shape));
    }
    // The same in two parts: inside the plot clear of what is there, and
    // clear of the envelope too.
    bool FitsAcross(const Shape& shape) {
        if (shape.left < 0.0 || shape.right > m_map.width || shape.top < 0.0 || shape.bottom > m_map.height)
            return false;
        return !m_hard.AnyOverlaps(shape);
    }
    bool ClearOfEnvelope(const Shape& shape) { return !m_soft.AnyOverlaps(shape); }

    void Take(const Shape& shape) { m_hard.Add(shape); }

private:
    ChartMapping m_map;
    ShapeBins m_hard;
    ShapeBins m_soft;
};

// A note beside its marker: the nearest place around it where it fits,
// trying above before the sides and below, and the text starting at the
// marker before it is centred on it or ends there; at each distance, clear
// of the envelope's edge before across it.
bool PlaceBeside(Clearance& room, DrawOp& text, double radius) {
    const double size = StyleOf(text.role).fontSize;
    const double width = draw::TextWidth(text.text, size);
    const double ascent = draw::kTextAscent * size;
    const double descent = draw::kTextDescent * size;
    text.anchor = TextAnchor::Start;
    for (const double gap : {3.0, 8.0, 14.0, 22.0, 32.0, 45.0, 60.0, 80.0}) {
        for (const bool clearOfEnvelope : {true, false}) {
            const double d = radius + gap;
            const double above = -d - descent;  // baselines
            const double below = d + ascent;
            const double beside = (ascent - descent) / 2.0;
            const double places[][2] = {
                {0.0, above},         {d, beside},
                {-width / 2, above},  {-width, above},
                {-width - d, beside}, {0.0, below},
                {-width / 2, below},  {-width, below},
                {-width / 4, above},  {-width * 3 / 4, above},
                {-width / 4, below},  {-width * 3 / 4, below},
            };
            for (const auto& [dx, dy] : places) {
                text.dx = dx;
                text.dy = dy;
                Shape shape = TextShape(room.Map(), text);
                if (!room.Fits(shape, clearOfEnvelope)) continue;
                room.Take(shape);
                // Held where it is in the chart's own coordinates, as the
                // rest is, so that on a larger plot it moves away from
                // everything else rather than towards what lay beyond it.
                const ChartPoint at = room.Map().Pixel(text, 0);
                text.points = {room.Map().ToChart(at.x, at.y)};
                text.dx = 0.0;
                text.dy = 0.0;
                return true;
            }
        }
    }
    return false;
}

struct Tick {
    double at;  // chart coordinate
    std::string text;
};

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

// The labels of one axis: at each decade (and its 2 and 5 when the axis is
// short) and at both ends; a decade's label that would crowd an end's is
// left out. pixelsPerUnit: the axis's scale on the least plot; room: the
// distance in pixels two labels need, by their texts.
template <typename Room>
std::vector<Tick> AxisTicks(double lo, double hi, double unit, double pixelsPerUnit, Room room) {
    const double offset = std::log10(unit);
    const bool few = hi - lo < 2.0;
    std::vector<Tick> ends{{lo, halvex::FormatNumber("%g", std::pow(10.0, lo - offset))},
                           {hi, halvex::FormatNumber("%g", std::pow(10.0, hi - offset))}};
    std::vector<Tick> ticks = ends;
    ForEachStep(lo, hi, unit, [&](double at, int m, double value) {
        if (m != 1 && !(few && (m == 2 || m == 5))) return;
        const Tick tick{at, halvex::FormatNumber("%g", value)};
        const bool crowds = std::any_of(ends.begin(), ends.end(), [&](const Tick& end) {
            return std::fabs(end.at - at) * pixelsPerUnit < room(end.text, tick.text);
        });
        if (!crowds) ticks.push_back(tick);
    });
    return ticks;
}

void DrawGrid(Chart& chart, const ChartMapping& least, double velocityUnit, const char* velocityName) {
    const ChartBox& b = chart.box;
    const double labelSize = StyleOf(DrawRole::AxisLabel).fontSize;
    ForEachStep(b.x0, b.x1, 1.0, [&](double x, int m, double) {
        Add(chart, DrawKind::Line, m == 1 ? DrawRole::GridMajor : DrawRole::GridMinor, {{x, b.y0}, {x, b.y1}});
    });
    ForEachStep(b.y0, b.y1, velocityUnit, [&](double y, int m, double) {
        Add(chart, DrawKind::Line, m == 1 ? DrawRole::GridMajor : DrawRole::GridMinor, {{b.x0, y}, {b.x1, y}});
    });
    const double perX = least.width / (b.x1 - b.x0);
    const double perY = least.height / (b.y1 - b.y0);
    auto across = [&](const std::string& a, const std::string& c) {
        return (draw::TextWidth(a, labelSize) + draw::TextWidth(c, labelSize)) / 2.0 + 8.0;
    };
    auto upwards = [&](const std::string&, const std::string&) { return labelSize + 3.0; };
    for (Tick& tick : AxisTicks(b.x0, b.x1, 1.0, perX, across)) {
        chart.ops.push_back(
            TextOp(DrawRole::AxisLabel, {tick.at, b.y0}, std::move(tick.text), TextAnchor::Middle, 0, 13));
    }
    double widest = 0.0;
    for (Tick& tick : AxisTicks(b.y0, b.y1, velocityUnit, perY, upwards)) {
        widest = std::max(widest, draw::TextWidth(tick.text, labelSize));
        chart.ops.push_back(TextOp(DrawRole::AxisLabel, {b.x0, tick.at}, std::move(tick.text), TextAnchor::End, -5, 4));
    }
    const double titleSize = StyleOf(DrawRole::AxisTitle).fontSize;
    chart.ops.push_back(TextOp(DrawRole::AxisTitle, {b.x1, b.y0}, lang::Fill(lang::Tr("Frequency (%1)"), {"Hz"}),
                               TextAnchor::End, 0, 27));
    // Upright beside the labels, its baseline on their side, and inside the
    // 62 pixels FitChart leaves left of the plot.
    const double beside =
        std::min(-5.0 - widest - 4.0 - draw::kTextDescent * titleSize, -draw::kTextAscent * titleSize - 2.0);
    DrawOp velocity =
        TextOp(DrawRole::AxisTitle, {b.x0, (b.y0 + b.y1) / 2.0}, lang::Fill(lang::Tr("Velocity (%1)"), {velocityName}),
               TextAnchor::Middle, std::max(beside, -58.0 + draw::kTextAscent * titleSize), 0);
    velocity.angle = 90.0;
    chart.ops.push_back(std::move(velocity));
}

// The part of y = c + slope * x inside the box (slope +1 or -1), from low
// to high frequency.
bool ClipDiagonal(const ChartBox& b, double c, double slope, ChartPoint& p, ChartPoint& q) {
    double lo = slope > 0 ? b.y0 - c : c - b.y1;
    double hi = slope > 0 ? b.y1 - c : c - b.y0;
    lo = std::max(lo, b.x0);
    hi = std::min(hi, b.x1);
    if (hi <= lo) return false;
    p = {lo, c + slope * lo};
    q = {hi, c + slope * hi};
    return true;
}

struct Diagonal {
    DrawOp line;
    DrawOp label;
    bool labelled = false;
};

// Decade lines of constant acceleration (in g) and displacement peak-to-peak
// (in mm or in) across the plot; a line too short to carry its value is
// left out, as it could not be read.
std::vector<Diagonal> Diagonals(const Chart& chart, const ChartMapping& least, double displacementUnit,
                                const char* displacementName) {
    const ChartBox& b = chart.box;
    const double twoPi = 2.0 * Pi();
    const double size = StyleOf(DrawRole::DiagonalLabel).fontSize;
    std::vector<Diagonal> diagonals;
    auto add = [&](double c, double slope, DrawRole role, std::string text) {
        ChartPoint p, q;
        if (!ClipDiagonal(b, c, slope, p, q)) return;
        const double length = std::hypot(least.PixelX(q.x) - least.PixelX(p.x), least.PixelY(q.y) - least.PixelY(p.y));
        if (length < draw::TextWidth(text, size) + 4.0 * kPad) return;
        Diagonal diagonal;
        diagonal.line = Op(DrawKind::Line, role, {p, q});
        diagonal.label = TextOp(DrawRole::DiagonalLabel, p, std::move(text), TextAnchor::Middle, 0, 0);
        diagonal.label.slope = slope;
        diagonals.push_back(std::move(diagonal));
    };
    // Acceleration A: v = A / (2 pi f), so y = log10(A / 2pi) - x.
    const int gLo = static_cast<int>(std::floor(b.x0 + b.y0 + std::log10(twoPi / chart.gravity)));
    const int gHi = static_cast<int>(std::ceil(b.x1 + b.y1 + std::log10(twoPi / chart.gravity)));
    for (int k = gLo; k <= gHi; ++k) {
        const double a = std::pow(10.0, k);
        add(std::log10(a * chart.gravity / twoPi), -1.0, DrawRole::Acceleration, halvex::FormatNumber("%g g", a));
    }
    // Displacement D peak-to-peak: v = pi f D, so y = log10(pi D) + x.
    const double offset = std::log10(Pi() * displacementUnit);
    const int dLo = static_cast<int>(std::floor(b.y0 - b.x1 - offset));
    const int dHi = static_cast<int>(std::ceil(b.y1 - b.x0 - offset));
    for (int k = dLo; k <= dHi; ++k) {
        add(k + offset, 1.0, DrawRole::Displacement, halvex::FormatNumber("%g ", std::pow(10.0, k)) + displacementName);
    }
    return diagonals;
}

// The places for a diagonal's value, the most wanted first: along the line
// from near its upper end (where the lines leave the plot and are looked
// for) downwards, above the line, then below it; clear of the envelope's
// edge before across it.
class LinePlaces {
public:
    LinePlaces(const ChartMapping& map, const Diagonal& diagonal) : m_map(map) {
        const ChartPoint p = diagonal.line.points[0];
        const ChartPoint q = diagonal.line.points[1];
        const bool pUpper = map.PixelY(p.y) < map.PixelY(q.y);
        m_upper = pUpper ? p : q;
        m_lower = pUpper ? q : p;
        m_length = std::hypot(map.PixelX(q.x) - map.PixelX(p.x), map.PixelY(q.y) - map.PixelY(p.y));
        DrawOp label = diagonal.label;
        const double size = StyleOf(label.role).fontSize;
        m_half = draw::TextWidth(label.text, size) / 2.0 + kPad + 1.0;
        // A screen-vertical shift moves the baseline off the line by its cosine.
        const double cosine = std::cos(map.TextAngle(label) * Pi() / 180.0);
        m_offsets = {-3.0, (draw::kTextAscent * size + 3.0) / cosine};
        // One shape for each offset, moved along the line every 4 pixels.
        for (std::size_t i = 0; i < 2; ++i) {
            label.points = {m_upper};
            label.dy = m_offsets[i];
            m_shapes[i] = TextShape(map, label);
        }
        if (std::isfinite(m_length)) {
            while (m_half + 4.0 * static_cast<double>(m_steps) <= m_length - m_half) ++m_steps;
        }
        m_open.assign(4 * m_steps, false);
        m_extents.resize(2 * m_steps);
    }

    // The places in order: for clear of the envelope, then across it, for
    // each offset, the steps along the line.
    std::size_t Count() const { return m_open.size(); }
    bool ClearOfEnvelope(std::size_t k) const { return k < 2 * m_steps; }
    bool Open(std::size_t k) const { return m_open[k]; }
    void SetOpen(std::size_t k, bool open) { m_open[k] = open; }
    double Dy(std::size_t k) const { return m_offsets[(k / m_steps) % 2]; }
    ChartPoint At(std::size_t k) const {
        const double t = (m_half + 4.0 * static_cast<double>(k % m_steps)) / m_length;
        return ChartPoint{m_upper.x + (m_lower.x - m_upper.x) * t, m_upper.y + (m_lower.y - m_upper.y) * t};
    }
    Shape ShapeAt(std::size_t k) const {
        const ChartPoint at = At(k);
        const double shiftX = m_map.PixelX(at.x) - m_map.PixelX(m_upper.x);
        const double shiftY = m_map.PixelY(at.y) - m_map.PixelY(m_upper.y);
        return m_shapes[(k / m_steps) % 2].Moved(shiftX, shiftY);
    }
    // The same for a place clear of the envelope (the first half), whose
    // extent is kept for CloseUnder.
    Shape FirstShapeAt(std::size_t k) {
        const Shape shape = ShapeAt(k);
        m_extents[k] = Extent{shape.left, shape.right, shape.top, shape.bottom};
        return shape;
    }

    // Closes the open places a value taken there covers; returns how many.
    // Along the line a place's extent only moves one way in x and in y
    // (every step of its computation keeps the order), so the steps whose
    // extents are not apart from the taken shape are one run, found by
    // halving; no place outside it can overlap. Every place's shape has been
    // asked for once by FirstShapeAt.
    std::size_t CloseUnder(const Shape& taken) {
        std::size_t closed = 0;
        for (std::size_t offset = 0; offset < 2 && m_steps > 0; ++offset) {
            const auto extent = [&](std::size_t step) -> const Extent& { return m_extents[offset * m_steps + step]; };
            const Extent& first = extent(0);
            const Extent& last = extent(m_steps - 1);
            std::size_t from = 0, to = m_steps;
            const auto narrow = [&](bool increasing, auto before, auto after) {
                // before: the place lies wholly before the shape; after: wholly after it.
                const auto pred = [&](auto test, bool want) {
                    return [&, test, want](std::size_t step) { return test(extent(step)) == want; };
                };
                if (increasing) {
                    from = std::max(from, PartitionPoint(pred(before, true)));
                    to = std::min(to, PartitionPoint(pred(after, false)));
                } else {
                    to = std::min(to, PartitionPoint(pred(before, false)));
                    from = std::max(from, PartitionPoint(pred(after, true)));
                }
            };
            narrow(
                last.left >= first.left, [&](const Extent& e) { return e.right <= taken.left; },
                [&](const Extent& e) { return taken.right <= e.left; });
            narrow(
                last.top >= first.top, [&](const Extent& e) { return e.bottom <= taken.top; },
                [&](const Extent& e) { return taken.bottom <= e.top; });
            for (const std::size_t clear : {std::size_t{0}, std::size_t{2}}) {
                for (std::size_t step = from; step < to; ++step) {
                    const std::size_t k = (clear + offset) * m_steps + step;
                    // Overlap's own first test, on the extent kept.
                    if (m_open[k] && !Apart(extent(step), taken) && Overlap(ShapeAt(k), taken)) {
                        m_open[k] = false;
                        ++closed;
                    }
                }
            }
        }
        return closed;
    }

private:
    // The first step in [0, steps) where pred no longer holds; pred holds
    // for a first run of steps and not after it.
    template <typename Pred>
    std::size_t PartitionPoint(Pred pred) const {
        std::size_t lo = 0, hi = m_steps;
        while (lo < hi) {
            const std::size_t middle = lo + (hi - lo) / 2;
            if (pred(middle)) {
                lo = middle + 1;
            } else {
                hi = middle;
            }
        }
        return lo;
    }

    const ChartMapping& m_map;
    ChartPoint m_upper, m_lower;
    double m_length = 0.0;
    double m_half = 0.0;
    std::array<double, 2> m_offsets{};
    std::array<Shape, 2> m_shapes{Shape{}, Shape{}};
    std::size_t m_steps = 0;
    std::vector<bool> m_open;       // fits still
    std::vector<Extent> m_extents;  // of the places clear of the envelope, as FirstShapeAt found them
};

// Each diagonal's value where it fits, the line with the fewest places left
// first, so that one with room to spare does not take the only place of
// another. A line whose value finds no place is left out.
void PlaceOnLines(Clearance& room, std::vector<Diagonal>& diagonals) {
    std::vector<LinePlaces> places;
    // How many places of each line are open, and the extent of them all: a
    // value placed outside it closes none of them.
    std::vector<std::size_t> open;
    std::vector<Shape> extents;
    for (const Diagonal& diagonal : diagonals) {
        places.emplace_back(room.Map(), diagonal);
        LinePlaces& line = places.back();
        // The places across the envelope are those clear of it again: what
        // lies in the plot is asked once for both.
        const std::size_t half = line.Count() / 2;
        std::size_t count = 0;
        const double inf = std::numeric_limits<double>::infinity();
        double left = inf, right = -inf, top = inf, bottom = -inf;
        for (std::size_t k = 0; k < half; ++k) {
            const Shape shape = line.FirstShapeAt(k);
            const bool across = room.FitsAcross(shape);
            const bool clear = across && room.ClearOfEnvelope(shape);
            line.SetOpen(k, clear);
            line.SetOpen(k + half, across);
            count += (clear ? 1 : 0) + (across ? 1 : 0);
            left = std::min(left, shape.left);
            right = std::max(right, shape.right);
            top = std::min(top, shape.top);
            bottom = std::max(bottom, shape.bottom);
        }
        open.push_back(count);
        extents.push_back(Shape{{left, top}, {right, bottom}});
    }
    for (;;) {
        std::size_t best = diagonals.size();
        std::size_t fewest = 0;
        for (std::size_t i = 0; i < diagonals.size(); ++i) {
            if (diagonals[i].labelled) continue;
            if (open[i] > 0 && (best == diagonals.size() || open[i] < fewest)) {
                best = i;
                fewest = open[i];
            }
        }
        if (best == diagonals.size()) break;
        const LinePlaces& line = places[best];
        std::size_t first = 0;
        while (!line.Open(first)) ++first;
        const Shape taken = line.ShapeAt(first);
        diagonals[best].label.points = {line.At(first)};
        diagonals[best].label.dy = line.Dy(first);
        diagonals[best].labelled = true;
        room.Take(taken);
        // What the new value covers is closed to the others.
        for (std::size_t i = 0; i < diagonals.size(); ++i) {
            if (diagonals[i].labelled || open[i] == 0 || Apart(extents[i], taken)) continue;
            open[i] -= places[i].CloseUnder(taken);
        }
    }
    diagonals.erase(std::remove_if(diagonals.begin(), diagonals.end(), [](const Diagonal& d) { return !d.labelled; }),
                    diagonals.end());
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
            case LimitKind::Payload:
            case LimitKind::FrequencyRange:
            case LimitKind::ExpanderResonance:
            case LimitKind::FixtureResonance:
                // Not a line of the envelope in frequency and velocity.
                break;
        }
    }
    if (std::isfinite(acceleration)) lines.push_back({std::log10(acceleration / (2.0 * Pi())), -1.0});
    return lines;
}

// Where the envelope bends: the meetings of two limit lines that are the
// lowest there.
std::vector<ChartPoint> EnvelopeCorners(const std::vector<LimitLine>& lines) {
    std::vector<ChartPoint> corners;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            if (lines[i].slope == lines[j].slope) continue;
            const double x = (lines[j].c - lines[i].c) / (lines[i].slope - lines[j].slope);
            const double y = lines[i].At(x);
            const bool lowest =
                std::all_of(lines.begin(), lines.end(), [&](const LimitLine& line) { return line.At(x) >= y - kEps; });
            if (lowest) corners.push_back({x, y});
        }
    }
    return corners;
}

// The lowest of the limit lines across the box: where it bends, where it
// leaves the box, and both ends.
std::vector<ChartPoint> EnvelopeEdge(const std::vector<LimitLine>& lines, const ChartBox& b) {
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
    return edge;
}

// The region above the envelope, shaded, and its edge.
void DrawLimits(Chart& chart, std::vector<ChartPoint> edge) {
    const ChartBox& b = chart.box;
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

std::vector<ChartPoint> ProfileLine(const ResolvedProfile& profile) {
    std::vector<ChartPoint> line;
    for (const ResolvedSegment& s : profile.segments) {
        for (ChartPoint p : {Point(s.from, s.start.velocity), Point(s.to, s.end.velocity)}) {
            // Neighbours meet at a crossover up to rounding: one vertex.
            if (line.empty() || std::fabs(line.back().x - p.x) > kEps || std::fabs(line.back().y - p.y) > kEps) {
                line.push_back(p);
            }
        }
    }
    return line;
}

std::string Margin(double margin) { return halvex::FormatNumber("%.3g", margin); }

// The binding limit as the chart's note names it, the document's own word
// in English ("frequency_range binds").
const char* LimitNote(LimitKind kind) {
    switch (kind) {
        case LimitKind::Force:
            return lang::TrC("chart note", "force");
        case LimitKind::Stroke:
            return lang::TrC("chart note", "stroke");
        case LimitKind::Velocity:
            return lang::TrC("chart note", "velocity");
        case LimitKind::Acceleration:
            return lang::TrC("chart note", "acceleration");
        case LimitKind::Payload:
            return lang::TrC("chart note", "payload");
        case LimitKind::FrequencyRange:
            return lang::TrC("chart note", "frequency_range");
        case LimitKind::ExpanderResonance:
            return lang::TrC("chart note", "expander_resonance");
        case LimitKind::FixtureResonance:
            break;
    }
    return lang::TrC("chart note", "fixture_resonance");
}

// The runs of the document's sequence where they leave the profile: a
// search's level of its own or a part of the profile's, a dashed line over
// the profile's span; each dwell's and step's frequency, a mark at the level
// its run asks there.
struct RunsDrawn {
    std::vector<std::vector<ChartPoint>> levels;
    std::vector<ChartPoint> marks;
};

RunsDrawn RunsOnChart(const PlanDocument& document, const PlanOutcome& outcome) {
    RunsDrawn drawn;
    if (!outcome.sequence || !outcome.sequence->fromDocument || !document.sequence) return drawn;
    const ResolvedProfile& profile = outcome.profile;
    const std::vector<RunResult>& runs = outcome.sequence->runs;
    for (std::size_t i = 0; i < runs.size() && i < document.sequence->size(); ++i) {
        const RunResult& run = runs[i];
        const RunLevel& level = (*document.sequence)[i].level;
        const auto at = [&](double f) {
            return Point(f, RunMotionAt(level, profile, document.GravitySi(), f).velocity);
        };
        if (run.kind == RunKind::Search && level.source == RunLevel::Source::Own) {
            // A constant level is a straight line on these axes.
            drawn.levels.push_back({at(profile.Lowest()), at(profile.Highest())});
        } else if (run.kind == RunKind::Search && level.source == RunLevel::Source::Fraction && level.fraction < 1.0) {
            std::vector<ChartPoint> line = ProfileLine(profile);
            for (ChartPoint& p : line) p.y += std::log10(level.fraction);
            drawn.levels.push_back(std::move(line));
        }
        if (run.kind == RunKind::Dwell && run.resonances == 0) drawn.marks.push_back(at(run.frequency));
        for (const double f : run.frequencies) drawn.marks.push_back(at(f));
    }
    return drawn;
}

// The crossovers and the binding point, each a marker with its note beside
// it where the note fits; what binds is placed first, its note the longer.
// Returned in painting order.
std::vector<DrawOp> Markers(const PlanOutcome& outcome, Clearance& room) {
    const ResolvedProfile& profile = outcome.profile;
    std::vector<std::pair<DrawOp, DrawOp>> marks;  // marker, note
    const ShakerCheck* binding =
        outcome.shaker && !outcome.shaker->checks.empty() ? BindingCheck(*outcome.shaker) : nullptr;
    // A payload binds at no frequency: nothing to mark on the profile.
    if (binding != nullptr && binding->frequency) {
        const double f = std::clamp(*binding->frequency, profile.Lowest(), profile.Highest());
        const ChartPoint at = Point(f, VelocityAt(profile, f));
        marks.emplace_back(
            Op(DrawKind::Marker, DrawRole::Binding, {at}),
            TextOp(DrawRole::Binding, at,
                   lang::Fill(lang::Tr("%1 binds, margin %2"), {LimitNote(binding->limit), Margin(binding->margin)}),
                   TextAnchor::Start, 0, 0));
    }
    for (double f : profile.crossovers) {
        const ChartPoint at = Point(f, VelocityAt(profile, f));
        marks.emplace_back(Op(DrawKind::Marker, DrawRole::Crossover, {at}),
                           TextOp(DrawRole::Note, at, halvex::FormatNumber("%.4g Hz", f), TextAnchor::Start, 0, 0));
    }
    for (const auto& [marker, note] : marks) room.BlockMarker(marker.points[0], StyleOf(marker.role).radius + 1.0);
    std::vector<bool> placed(marks.size());
    for (std::size_t i = 0; i < marks.size(); ++i) {
        placed[i] = PlaceBeside(room, marks[i].second, StyleOf(marks[i].first.role).radius);
    }
    // Painted crossovers first, so that the binding point shows over one it sits on.
    std::vector<DrawOp> ops;
    const std::size_t first = marks.size() - profile.crossovers.size();
    for (std::size_t n = 0; n < marks.size(); ++n) {
        const std::size_t i = (first + n) % marks.size();
        ops.push_back(std::move(marks[i].first));
        if (placed[i]) ops.push_back(std::move(marks[i].second));
    }
    return ops;
}

// Under the plot, from its left: a sample of each thing drawn, and its name.
void DrawLegend(Chart& chart, bool envelope, bool binding, const RunsDrawn& runs) {
    const ChartPoint corner{chart.box.x0, chart.box.y0};
    const double size = StyleOf(DrawRole::Legend).fontSize;
    const double baseline = 27.0;
    const double middle = baseline - (draw::kTextAscent - draw::kTextDescent) / 2.0 * size;
    double x = 0.0;
    auto sample = [&](DrawKind kind, DrawRole role, std::vector<ChartPoint> offsets) {
        DrawOp op = Op(kind, role, std::vector<ChartPoint>(std::max<std::size_t>(offsets.size(), 1), corner));
        op.dy = middle;
        op.offsets = std::move(offsets);
        chart.ops.push_back(std::move(op));
    };
    auto name = [&](const char* english) {
        const char* text = lang::Tr(english);
        chart.ops.push_back(TextOp(DrawRole::Legend, corner, text, TextAnchor::Start, x, baseline));
        x += draw::TextWidth(text, size) + 14.0;
    };
    sample(DrawKind::Line, DrawRole::Profile, {{x, 0.0}, {x + 18.0, 0.0}});
    x += 22.0;
    name(N_("profile"));
    if (envelope) {
        sample(DrawKind::Fill, DrawRole::LimitRegion, {{x, -5.0}, {x + 16.0, -5.0}, {x + 16.0, 4.0}, {x, 4.0}});
        sample(DrawKind::Line, DrawRole::LimitRegion, {{x, 4.0}, {x + 16.0, 4.0}});
        x += 20.0;
        name(N_("shaker envelope"));
    }
    if (binding) {
        sample(DrawKind::Marker, DrawRole::Binding, {{x + 6.0, 0.0}});
        x += 16.0;
        name(N_("binding point"));
    }
    // The runs' levels and marks under one name, which leaves the room
    // the frequency's title needs on the least plot.
    if (!runs.levels.empty()) {
        sample(DrawKind::Line, DrawRole::RunLevel, {{x, 0.0}, {x + 18.0, 0.0}});
        x += 20.0;
    }
    if (!runs.marks.empty()) {
        sample(DrawKind::Marker, DrawRole::RunMark, {{x + 4.0, 0.0}});
        x += 10.0;
    }
    if (!runs.levels.empty() || !runs.marks.empty()) {
        x += 2.0;
        name(N_("runs"));
    }
}

}  // namespace

void DrawChart(const PlanDocument& document, const PlanOutcome& outcome, Chart& chart,
               const std::optional<ChartTitle>& title) {
    chart.ops.clear();
    chart.gravity = document.GravitySi();
    chart.inchPound = document.UsesInchPound();
    chart.title.clear();
    if (title) {
        chart.title = (title->planName.empty() ? std::string(lang::Tr("Untitled")) : title->planName) +
                      ", g = " + halvex::FormatNumber("%.6g", chart.gravity) + " m/s\u00b2";
    }
    const ResolvedProfile& profile = outcome.profile;
    if (profile.segments.empty()) return;

    // The profile with half an octave of room on each side and a third of a
    // decade above and below; the envelope's corners with half an octave
    // and a tenth of a decade. Velocities snap in the unit they are read in.
    const double speedUnit = chart.inchPound ? kInch : 1.0;
    const double speed = std::log10(speedUnit);
    double fLo = std::log10(profile.Lowest()) - 0.15;
    double fHi = std::log10(profile.Highest()) + 0.15;
    double vLo = std::numeric_limits<double>::infinity();
    double vHi = -vLo;
    for (const ResolvedSegment& s : profile.segments) {
        vLo = std::min({vLo, std::log10(s.start.velocity) - 0.3, std::log10(s.end.velocity) - 0.3});
        vHi = std::max({vHi, std::log10(s.start.velocity) + 0.3, std::log10(s.end.velocity) + 0.3});
    }
    // The runs' levels and marks too, which may lie outside the profile.
    const RunsDrawn runs = RunsOnChart(document, outcome);
    std::vector<ChartPoint> runPoints = runs.marks;
    for (const std::vector<ChartPoint>& level : runs.levels)
        runPoints.insert(runPoints.end(), level.begin(), level.end());
    for (const ChartPoint& p : runPoints) {
        fLo = std::min(fLo, p.x - 0.15);
        fHi = std::max(fHi, p.x + 0.15);
        vLo = std::min(vLo, p.y - 0.1);
        vHi = std::max(vHi, p.y + 0.1);
    }
    const std::vector<LimitLine> limits = outcome.shaker ? ShakerLines(*outcome.shaker) : std::vector<LimitLine>{};
    std::vector<double> levels;  // of the envelope, that the range takes in
    for (const ChartPoint& corner : EnvelopeCorners(limits)) {
        fLo = std::min(fLo, corner.x - 0.15);
        fHi = std::max(fHi, corner.x + 0.15);
        levels.push_back(corner.y);
    }
    // A velocity limit alone is a level line without corners.
    for (const LimitLine& line : limits) {
        if (limits.size() == 1 && line.slope == 0.0) levels.push_back(line.c);
    }
    for (const double level : levels) {
        vLo = std::min(vLo, level - 0.1);
        vHi = std::max(vHi, level + 0.1);
    }
    double x0 = SnapDown(fLo);
    double x1 = SnapUp(fHi);
    double y0 = SnapDown(vLo - speed);
    double y1 = SnapUp(vHi - speed);
    AtLeastADecade(x0, x1);
    AtLeastADecade(y0, y1);
    chart.box = {x0, x1, y0 + speed, y1 + speed};
    const ChartBox& b = chart.box;

    // Texts are placed first, clear of the profile and the markers.
    Clearance room(b);
    const std::vector<ChartPoint> line = ProfileLine(profile);
    room.BlockLine(line, false);
    const std::vector<ChartPoint> edge = limits.empty() ? std::vector<ChartPoint>{} : EnvelopeEdge(limits, b);
    room.BlockLine(edge, true);
    // A search's level keeps texts off where they have room elsewhere, as
    // the envelope does; a diagonal's value may still sit across it.
    for (const std::vector<ChartPoint>& level : runs.levels) room.BlockLine(level, true);
    for (const ChartPoint& mark : runs.marks) room.BlockMarker(mark, StyleOf(DrawRole::RunMark).radius + 1.0);
    const std::vector<DrawOp> markers = Markers(outcome, room);
    std::vector<Diagonal> diagonals =
        Diagonals(chart, room.Map(), chart.inchPound ? kInch : 0.001, chart.inchPound ? "in" : "mm");
    PlaceOnLines(room, diagonals);

    if (!edge.empty()) DrawLimits(chart, edge);
    DrawGrid(chart, room.Map(), speedUnit, chart.inchPound ? "in/s" : "m/s");
    for (Diagonal& diagonal : diagonals) {
        chart.ops.push_back(std::move(diagonal.line));
        chart.ops.push_back(std::move(diagonal.label));
    }
    Add(chart, DrawKind::Polyline, DrawRole::Frame,
        {{b.x0, b.y0}, {b.x1, b.y0}, {b.x1, b.y1}, {b.x0, b.y1}, {b.x0, b.y0}});
    Add(chart, DrawKind::Polyline, DrawRole::Profile, line);
    for (const std::vector<ChartPoint>& level : runs.levels) Add(chart, DrawKind::Polyline, DrawRole::RunLevel, level);
    for (const ChartPoint& mark : runs.marks) Add(chart, DrawKind::Marker, DrawRole::RunMark, {mark});
    chart.ops.insert(chart.ops.end(), markers.begin(), markers.end());
    const bool binding =
        std::any_of(markers.begin(), markers.end(), [](const DrawOp& op) { return op.role == DrawRole::Binding; });
    DrawLegend(chart, !edge.empty(), binding, runs);
}

}  // namespace planner
