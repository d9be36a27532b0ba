#include "ui/win32/chart_painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/win32/language_font.h"
#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

COLORREF Colour(std::uint32_t rgb) {
    return RGB(static_cast<BYTE>((rgb >> 16) & 0xff), static_cast<BYTE>((rgb >> 8) & 0xff),
               static_cast<BYTE>(rgb & 0xff));
}

int Round(double value) { return static_cast<int>(std::lround(value)); }

POINT Pixel(const draw::ChartMapping& map, const draw::DrawOp& op, std::size_t i, int left, int top) {
    const draw::ChartPoint p = map.Pixel(op, i);
    return POINT{left + Round(p.x), top + Round(p.y)};
}

std::vector<POINT> Points(const draw::ChartMapping& map, const draw::DrawOp& op, int left, int top) {
    std::vector<POINT> out;
    out.reserve(op.points.size());
    for (std::size_t i = 0; i < op.points.size(); ++i) out.push_back(Pixel(map, op, i, left, top));
    return out;
}

// A pen of the role's width; dashes as the other backends draw them.
HPEN MakePen(const draw::DrawStyle& style) {
    LOGBRUSH brush{BS_SOLID, Colour(style.stroke), 0};
    const auto width = static_cast<DWORD>(std::max(1, Round(style.width)));
    if (!style.dashed) {
        return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_ROUND, width, &brush, 0, nullptr);
    }
    const DWORD dashes[2] = {5, 3};
    return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT | PS_JOIN_ROUND, width, &brush, 2, dashes);
}

// GDI has no text-align value for a rotated run, so the anchor moves the
// origin back along the text's own direction by the part of its width.
void PaintText(HDC dc, const draw::ChartMapping& map, const draw::DrawOp& op, const draw::DrawStyle& style, int left,
               int top) {
    const double angle = map.TextAngle(op);
    HFONT font = CreateFontW(-Round(style.fontSize), 0, Round(angle * 10.0), Round(angle * 10.0), FW_NORMAL, FALSE,
                             FALSE, FALSE, CharsetForLanguage(), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, Widen(FaceForLanguage("Arial")).c_str());
    HGDIOBJ oldFont = SelectObject(dc, font);
    const std::wstring text = Widen(op.text);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    const double shift = op.anchor == draw::TextAnchor::Start    ? 0.0
                         : op.anchor == draw::TextAnchor::Middle ? extent.cx / 2.0
                                                                 : static_cast<double>(extent.cx);
    const double radians = angle * 3.14159265358979323846 / 180.0;
    const draw::ChartPoint at = map.Pixel(op, 0);
    const double x = left + at.x - shift * std::cos(radians);
    const double y = top + at.y + shift * std::sin(radians);
    SetTextColor(dc, Colour(style.stroke));
    TextOutW(dc, Round(x), Round(y), text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

}  // namespace

COLORREF FillColour(const draw::DrawStyle& style) {
    const double a = style.fillOpacity < 0.0 ? 0.0 : style.fillOpacity > 1.0 ? 1.0 : style.fillOpacity;
    auto blend = [a](std::uint32_t channel) { return static_cast<BYTE>(std::lround(255.0 - (255.0 - channel) * a)); };
    return RGB(blend((style.fill >> 16) & 0xff), blend((style.fill >> 8) & 0xff), blend(style.fill & 0xff));
}

void PaintChart(HDC dc, const draw::Chart& chart, int left, int top, int width, int height, bool picture, bool greyed) {
    const RECT all{left, top, left + width, top + height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, all.left, all.top, all.right, all.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
    const auto paint = [&](const draw::ChartMapping& map, const draw::DrawOp& op, const draw::DrawStyle& style) {
        if (op.kind == draw::DrawKind::Text) {
            PaintText(dc, map, op, style, left, top);
            return;
        }
        HPEN pen = MakePen(style);
        HBRUSH brush = CreateSolidBrush(FillColour(style));
        HGDIOBJ oldPen = SelectObject(dc, op.kind == draw::DrawKind::Fill ? GetStockObject(NULL_PEN) : pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        const std::vector<POINT> points = Points(map, op, left, top);
        const int count = static_cast<int>(points.size());
        switch (op.kind) {
            case draw::DrawKind::Line:
            case draw::DrawKind::Polyline:
                if (count >= 2) Polyline(dc, points.data(), count);
                break;
            case draw::DrawKind::Fill:
                if (count >= 3) Polygon(dc, points.data(), count);
                break;
            case draw::DrawKind::Marker: {
                const int r = Round(style.radius);
                Ellipse(dc, points[0].x - r, points[0].y - r, points[0].x + r + 1, points[0].y + r + 1);
                break;
            }
            case draw::DrawKind::Text:
                break;
        }
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
    };
    draw::ForEachPainted(chart, width, height, picture, greyed, paint);
    RestoreDC(dc, saved);
}

}  // namespace ui::win32
