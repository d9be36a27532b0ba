#include "ui/win32/page_painter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "ui/win32/chart_painter.h"
#include "ui/win32/language_font.h"
#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

// Texts and rules are placed in twentieths of a point, so that a size of
// 9.5 points or a rule of 0.5 is kept; the chart in whole points, its own
// unit for pen widths and type sizes.
constexpr double kUnitsPerPoint = 20.0;
constexpr double kCellPadding = 2.0;  // points between a cell's edge and its text

COLORREF Colour(std::uint32_t rgb) {
    return RGB(static_cast<BYTE>((rgb >> 16) & 0xff), static_cast<BYTE>((rgb >> 8) & 0xff),
               static_cast<BYTE>(rgb & 0xff));
}

int Units(double points) { return static_cast<int>(std::lround(points * kUnitsPerPoint)); }

void SetScale(HDC dc, double scale, double left, double top) {
    XFORM transform{};
    transform.eM11 = static_cast<FLOAT>(scale);
    transform.eM22 = static_cast<FLOAT>(scale);
    transform.eDx = static_cast<FLOAT>(left);
    transform.eDy = static_cast<FLOAT>(top);
    SetWorldTransform(dc, &transform);
}

void PaintText(HDC dc, double x, double y, const std::string& text, double size, bool bold, draw::TextAnchor anchor,
               std::uint32_t colour) {
    HFONT font = CreateFontW(-Units(size), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             CharsetForLanguage(), OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, Widen(FaceForLanguage("Arial")).c_str());
    HGDIOBJ oldFont = SelectObject(dc, font);
    const UINT align = anchor == draw::TextAnchor::Start    ? TA_LEFT
                       : anchor == draw::TextAnchor::Middle ? TA_CENTER
                                                            : TA_RIGHT;
    SetTextAlign(dc, align | TA_BASELINE | TA_NOUPDATECP);
    SetTextColor(dc, Colour(colour));
    const std::wstring wide = Widen(text);
    TextOutW(dc, Units(x), Units(y), wide.c_str(), static_cast<int>(wide.size()));
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

void PaintRule(HDC dc, double x0, double y0, double x1, double y1, double width, std::uint32_t colour) {
    LOGBRUSH brush{BS_SOLID, Colour(colour), 0};
    HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, static_cast<DWORD>(std::max(1, Units(width))),
                            &brush, 0, nullptr);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, Units(x0), Units(y0), nullptr);
    LineTo(dc, Units(x1), Units(y1));
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

// As the other backends paint a table: the texts in their cells, the
// frame's top and bottom, a rule under the header.
void PaintTable(HDC dc, const draw::PageTable& table) {
    if (table.columnLeft.empty()) return;
    const double left = table.columnLeft.front();
    const double right = table.columnLeft.back() + table.columnWidth.back();
    PaintRule(dc, left, table.top, right, table.top, 0.75, 0);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const draw::TableRow& row = table.rows[r];
        for (std::size_t c = 0; c < row.cells.size() && c < table.columnLeft.size(); ++c) {
            const draw::TableCell& cell = row.cells[c];
            const double x = cell.anchor == draw::TextAnchor::Start ? table.columnLeft[c] + kCellPadding
                             : cell.anchor == draw::TextAnchor::Middle
                                 ? table.columnLeft[c] + table.columnWidth[c] / 2
                                 : table.columnLeft[c] + table.columnWidth[c] - kCellPadding;
            PaintText(dc, x, row.baseline, cell.text, table.size, cell.bold || row.header, cell.anchor, 0);
        }
        if (row.header && (r + 1 == table.rows.size() || !table.rows[r + 1].header)) {
            const double y = row.baseline + table.size * 0.4;
            PaintRule(dc, left, y, right, y, 0.5, 0);
        }
    }
    PaintRule(dc, left, table.bottom, right, table.bottom, 0.75, 0);
}

}  // namespace

void PaintPage(HDC dc, const draw::Page& page, double pixelsPerPoint, double left, double top) {
    const int saved = SaveDC(dc);
    SetGraphicsMode(dc, GM_ADVANCED);
    SetMapMode(dc, MM_TEXT);
    SetBkMode(dc, TRANSPARENT);
    for (const draw::PageItem& item : page.items) {
        SetScale(dc, pixelsPerPoint / kUnitsPerPoint, left, top);
        switch (item.kind) {
            case draw::PageItemKind::Text: {
                const draw::PageText& text = item.text;
                PaintText(dc, text.x, text.y, text.text, text.size, text.bold, text.anchor, text.colour);
                break;
            }
            case draw::PageItemKind::Rule: {
                const draw::PageRule& rule = item.rule;
                PaintRule(dc, rule.x0, rule.y0, rule.x1, rule.y1, rule.width, rule.colour);
                break;
            }
            case draw::PageItemKind::Table:
                PaintTable(dc, item.table);
                break;
            case draw::PageItemKind::Chart: {
                const draw::PageChart& chart = item.chart;
                if (!chart.chart) break;
                // Drawn larger where the rectangle is small, and scaled down into it.
                const double scale = draw::ChartScale(*chart.chart, chart.width, chart.height);
                SetScale(dc, pixelsPerPoint / scale, left + chart.x * pixelsPerPoint, top + chart.y * pixelsPerPoint);
                PaintChart(dc, *chart.chart, 0, 0, static_cast<int>(std::lround(chart.width * scale)),
                           static_cast<int>(std::lround(chart.height * scale)), true);
                break;
            }
        }
    }
    RestoreDC(dc, saved);
}

draw::Paper PaperOfForm(short paperSize) {
    switch (paperSize) {
        case DMPAPER_LETTER:
        case DMPAPER_LETTERSMALL:
        case DMPAPER_LEGAL:
        case DMPAPER_EXECUTIVE:
        case DMPAPER_TABLOID:
        case DMPAPER_LEDGER:
            return draw::Paper::Letter;
        default:
            return draw::Paper::A4;
    }
}

short FormOfPaper(draw::Paper paper) { return paper == draw::Paper::A4 ? DMPAPER_A4 : DMPAPER_LETTER; }

}  // namespace ui::win32
