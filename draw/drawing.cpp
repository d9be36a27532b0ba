// The chart's mapping to pixels, the pointer readout and the SVG writer.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "draw/drawing.h"
#include "numeric/number_text.h"

namespace draw {
namespace {

// Around the plot, in pixels: the velocity labels and the axis's title
// turned upright on the left; half an end label right and above; the
// frequency labels, then the frequency title and the legend, below.
constexpr double kLeftRoom = 62.0;
constexpr double kRightRoom = 18.0;
constexpr double kTopRoom = 6.0;
constexpr double kBottomRoom = 31.0;
constexpr double kTitleRoom = 24.0;  // a picture's title line, above the rest

double Pi() { return std::atan2(0.0, -1.0); }

std::string Px(double value) { return halvex::FormatPointNumber("%.7g", std::round(value * 100.0) / 100.0); }

const char* RoleClass(DrawRole role) {
    switch (role) {
        case DrawRole::Frame:
            return "frame";
        case DrawRole::GridMajor:
            return "grid-major";
        case DrawRole::GridMinor:
            return "grid-minor";
        case DrawRole::Displacement:
            return "displacement";
        case DrawRole::Acceleration:
            return "acceleration";
        case DrawRole::AxisLabel:
            return "axis-label";
        case DrawRole::AxisTitle:
            return "axis-title";
        case DrawRole::DiagonalLabel:
            return "diagonal-label";
        case DrawRole::LimitRegion:
            return "limit";
        case DrawRole::Profile:
            return "profile";
        case DrawRole::Crossover:
            return "crossover";
        case DrawRole::Binding:
            return "binding";
        case DrawRole::RunLevel:
            return "run-level";
        case DrawRole::RunMark:
            return "run-mark";
        case DrawRole::Legend:
            return "legend";
        case DrawRole::Title:
            return "title";
        case DrawRole::Note:
            break;
    }
    return "note";
}

std::string Points(const ChartMapping& map, const DrawOp& op) {
    std::string text;
    for (std::size_t i = 0; i < op.points.size(); ++i) {
        const ChartPoint p = map.Pixel(op, i);
        if (!text.empty()) text += ' ';
        text += Px(p.x) + "," + Px(p.y);
    }
    return text;
}

std::string Stroke(const DrawStyle& style) {
    std::string text = " stroke=\"" + HexColour(style.stroke) + "\" stroke-width=\"" + Px(style.width) + "\"";
    if (style.dashed) text += " stroke-dasharray=\"5,3\"";
    return text;
}

std::string Element(const ChartMapping& map, const DrawOp& op) {
    const DrawStyle style = StyleOf(op.role);
    const std::string head = std::string("class=\"") + RoleClass(op.role) + "\"";
    const ChartPoint at = map.Pixel(op, 0);
    switch (op.kind) {
        case DrawKind::Line: {
            const ChartPoint to = map.Pixel(op, 1);
            return "<line " + head + " x1=\"" + Px(at.x) + "\" y1=\"" + Px(at.y) + "\" x2=\"" + Px(to.x) + "\" y2=\"" +
                   Px(to.y) + "\"" + Stroke(style) + "/>";
        }
        case DrawKind::Polyline:
            return "<polyline " + head + " points=\"" + Points(map, op) + "\" fill=\"none\"" + Stroke(style) +
                   " stroke-linejoin=\"round\"/>";
        case DrawKind::Fill:
            return "<polygon " + head + " points=\"" + Points(map, op) + "\" fill=\"" + HexColour(style.fill) +
                   "\" fill-opacity=\"" + Px(style.fillOpacity) + "\" stroke=\"none\"/>";
        case DrawKind::Marker:
            return "<circle " + head + " cx=\"" + Px(at.x) + "\" cy=\"" + Px(at.y) + "\" r=\"" + Px(style.radius) +
                   "\" fill=\"" + HexColour(style.fill) + "\"" + Stroke(style) + "/>";
        case DrawKind::Text:
            break;
    }
    const double x = at.x;
    const double y = at.y;
    const char* anchor = op.anchor == TextAnchor::Start ? "start" : op.anchor == TextAnchor::Middle ? "middle" : "end";
    std::string text = "<text " + head + " x=\"" + Px(x) + "\" y=\"" + Px(y) + "\" font-size=\"" + Px(style.fontSize) +
                       "\" fill=\"" + HexColour(style.stroke) + "\" text-anchor=\"" + anchor + "\"";
    const double angle = map.TextAngle(op);
    if (angle != 0.0) text += " transform=\"rotate(" + Px(-angle) + " " + Px(x) + " " + Px(y) + ")\"";
    return text + ">" + MarkupEscaped(op.text) + "</text>";
}

}  // namespace

DrawStyle StyleOf(DrawRole role) {
    switch (role) {
        case DrawRole::Frame:
            return {0x000000, 1.0, false, 0, 0.0, 11.0, 0.0};
        case DrawRole::GridMajor:
            return {0x9a9a9a, 1.0, false, 0, 0.0, 11.0, 0.0};
        case DrawRole::GridMinor:
            return {0xd8d8d8, 1.0, false, 0, 0.0, 11.0, 0.0};
        case DrawRole::Displacement:
            return {0x5f8fbf, 1.0, true, 0, 0.0, 11.0, 0.0};
        case DrawRole::Acceleration:
            return {0xbf7f3f, 1.0, true, 0, 0.0, 11.0, 0.0};
        case DrawRole::AxisLabel:
        case DrawRole::AxisTitle:
        case DrawRole::Note:
        case DrawRole::Legend:
            return {0x000000, 1.0, false, 0, 0.0, 11.0, 0.0};
        case DrawRole::Title:
            return {0x000000, 1.0, false, 0, 0.0, 13.0, 0.0};
        case DrawRole::DiagonalLabel:
            return {0x505050, 1.0, false, 0, 0.0, 10.0, 0.0};
        case DrawRole::LimitRegion:
            return {0xc03030, 1.5, false, 0xe04040, 0.18, 11.0, 0.0};
        case DrawRole::Profile:
            return {0x0030a0, 2.5, false, 0, 0.0, 11.0, 0.0};
        case DrawRole::Crossover:
            return {0x0030a0, 1.5, false, 0xffffff, 1.0, 11.0, 4.0};
        case DrawRole::RunLevel:
            return {0x0030a0, 1.5, true, 0, 0.0, 11.0, 0.0};
        case DrawRole::RunMark:
            return {0x007040, 1.5, false, 0x40c080, 1.0, 11.0, 3.5};
        case DrawRole::Binding:
            break;
    }
    return {0xc00000, 2.0, false, 0xffd000, 1.0, 11.0, 6.0};
}

DrawStyle GreyedOut(DrawStyle style) {
    const auto grey = [](std::uint32_t rgb) {
        const double luma = 0.299 * ((rgb >> 16) & 0xff) + 0.587 * ((rgb >> 8) & 0xff) + 0.114 * (rgb & 0xff);
        const auto level = static_cast<std::uint32_t>(std::lround(255.0 - (255.0 - luma) * 0.45));
        return (level << 16) | (level << 8) | level;
    };
    style.stroke = grey(style.stroke);
    style.fill = grey(style.fill);
    return style;
}

ChartPoint ChartMapping::ToChart(double px, double py) const {
    return {box.x0 + (px - left) / width * (box.x1 - box.x0), box.y1 - (py - top) / height * (box.y1 - box.y0)};
}

bool ChartMapping::Inside(double px, double py) const {
    return px >= left && px <= left + width && py >= top && py <= top + height;
}

ChartPoint ChartMapping::Pixel(const DrawOp& op, std::size_t i) const {
    ChartPoint p{PixelX(op.points[i].x) + op.dx, PixelY(op.points[i].y) + op.dy};
    if (i < op.offsets.size()) {
        p.x += op.offsets[i].x;
        p.y += op.offsets[i].y;
    }
    return p;
}

double ChartMapping::TextAngle(const DrawOp& op) const {
    if (op.slope == 0.0) return op.angle;
    const double perX = width / (box.x1 - box.x0);
    const double perY = height / (box.y1 - box.y0);
    return std::atan2(op.slope * perY, perX) * 180.0 / Pi();
}

ChartMapping FitChart(const ChartBox& box, double width, double height, bool titled) {
    ChartMapping map;
    map.box = box;
    map.left = kLeftRoom;
    map.top = kTopRoom + (titled ? kTitleRoom : 0.0);
    map.width = std::max(1.0, width - kLeftRoom - kRightRoom);
    map.height = std::max(1.0, height - map.top - kBottomRoom);
    return map;
}

void ForEachPainted(const Chart& chart, double width, double height, bool picture, bool greyed,
                    const std::function<void(const ChartMapping&, const DrawOp&, const DrawStyle&)>& paint) {
    const bool titled = picture && !chart.title.empty();
    const ChartMapping map = FitChart(chart.box, width, height, titled);
    const std::vector<DrawOp> pictureOps = titled ? PictureOps(chart) : std::vector<DrawOp>{};
    for (const DrawOp& op : titled ? pictureOps : chart.ops) {
        if (op.points.empty()) continue;
        paint(map, op, greyed ? GreyedOut(StyleOf(op.role)) : StyleOf(op.role));
    }
}

std::vector<DrawOp> PictureOps(const Chart& chart) {
    std::vector<DrawOp> ops = chart.ops;
    if (chart.title.empty()) return ops;
    DrawOp title;
    title.kind = DrawKind::Text;
    title.role = DrawRole::Title;
    title.points = {{(chart.box.x0 + chart.box.x1) / 2.0, chart.box.y1}};
    title.text = chart.title;
    title.anchor = TextAnchor::Middle;
    title.dy = -(kTopRoom + kTitleRoom) + 18.0;  // the baseline, 18 pixels from the top
    ops.push_back(std::move(title));
    return ops;
}

namespace {

// Whether a character, by its UTF-8 lead byte and the bytes after it, is
// drawn full width: the CJK ideographs, kana, hangul, their punctuation and
// the full-width forms, about one em each in every face that has them.
bool FullWidth(const std::string& text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(at);
    char32_t code = 0;
    if ((lead & 0xf0) == 0xe0) {
        code = ((lead & 0x0fu) << 12) | ((byte(at + 1) & 0x3fu) << 6) | (byte(at + 2) & 0x3fu);
    } else if ((lead & 0xf8) == 0xf0) {
        return true;  // beyond the BMP: the CJK extensions, emoji
    } else {
        return false;
    }
    return (code >= 0x1100 && code <= 0x115f) || (code >= 0x2e80 && code <= 0xa4cf) ||
           (code >= 0xac00 && code <= 0xd7a3) || (code >= 0xf900 && code <= 0xfaff) ||
           (code >= 0xfe30 && code <= 0xfe4f) || (code >= 0xff00 && code <= 0xff60) ||
           (code >= 0xffe0 && code <= 0xffe6);
}

}  // namespace

// Advances in ems of a broad face (DejaVu Sans), by kind of glyph, a little
// generous; a full-width character (Chinese, Japanese) counts one em, any
// other beyond ASCII once, as a digit.
double TextWidth(const std::string& text, double fontSize) {
    double ems = 0.0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto u = static_cast<unsigned char>(c);
        if ((u & 0xc0) == 0x80) continue;
        if (u >= 0x80) {
            ems += FullWidth(text, i) ? 1.0 : 0.64;
        } else if (std::string_view(" .,:;'").find(c) != std::string_view::npos) {
            ems += 0.32;
        } else if (std::string_view("ijlI|!").find(c) != std::string_view::npos) {
            ems += 0.30;
        } else if (std::string_view("()[]{}/\\-ftr").find(c) != std::string_view::npos) {
            ems += 0.42;
        } else if (std::string_view("mwMW%@").find(c) != std::string_view::npos) {
            ems += 1.0;
        } else if (std::string_view("=+<>~").find(c) != std::string_view::npos) {
            ems += 0.84;
        } else if (u >= 'A' && u <= 'Z') {
            ems += 0.77;
        } else {
            ems += 0.64;
        }
    }
    return ems * fontSize;
}

std::string ChartReadout(const Chart& chart, ChartPoint point) {
    const double f = std::pow(10.0, point.x);
    const double v = std::pow(10.0, point.y);
    const double omega = 2.0 * Pi() * f;
    const double displacementPp = 2.0 * v / omega;
    const double acceleration = v * omega;
    const double length = chart.inchPound ? 0.0254 : 0.001;
    const double speed = chart.inchPound ? 0.0254 : 1.0;
    return halvex::FormatNumber("%.4g Hz", f) + "   " +
           halvex::FormatNumber(chart.inchPound ? "%.4g in p-p" : "%.4g mm p-p", displacementPp / length) + "   " +
           halvex::FormatNumber(chart.inchPound ? "%.4g in/s" : "%.4g m/s", v / speed) + "   " +
           halvex::FormatNumber("%.4g g", acceleration / chart.gravity);
}

std::string ChartSvg(const Chart& chart, double width, double height) {
    const ChartMapping map = FitChart(chart.box, width, height, !chart.title.empty());
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Px(width) + "\" height=\"" + Px(height) +
           "\" viewBox=\"0 0 " + Px(width) + " " + Px(height) + "\" font-family=\"sans-serif\" data-plot=\"" +
           Px(map.left) + " " + Px(map.top) + " " + Px(map.width) + " " + Px(map.height) + "\" data-range=\"" +
           halvex::FormatPointNumber("%.17g", chart.box.x0) + " " + halvex::FormatPointNumber("%.17g", chart.box.x1) +
           " " + halvex::FormatPointNumber("%.17g", chart.box.y0) + " " +
           halvex::FormatPointNumber("%.17g", chart.box.y1) + "\">\n";
    svg += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
    for (const DrawOp& op : PictureOps(chart)) {
        if (!op.points.empty()) svg += Element(map, op) + "\n";
    }
    return svg + "</svg>\n";
}

double ChartScale(const Chart& chart, double width, double height) {
    if (width <= 0.0 || height <= 0.0) return 1.0;
    // The margins around the plot keep their size in pixels, so a few rounds
    // settle the factor.
    double scale = 1.0;
    for (int round = 0; round < 8; ++round) {
        const ChartMapping map = FitChart(chart.box, width * scale, height * scale, !chart.title.empty());
        const double shortBy = std::max(kLeastPlotWidth / map.width, kLeastPlotHeight / map.height);
        if (shortBy <= 1.0) break;
        scale *= shortBy * 1.0001;
    }
    return scale;
}

std::string HexColour(std::uint32_t rgb) {
    static const char kHex[] = "0123456789abcdef";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4) text += kHex[(rgb >> shift) & 0xf];
    return text;
}

std::string MarkupEscaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                // Control characters other than tab and newline are allowed in neither.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') {
                    out += ' ';
                } else {
                    out += c;
                }
        }
    }
    return out;
}

}  // namespace draw
