#include "ui/qt/page_painter.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "ui/qt/chart_view.h"

namespace ui::qt {
namespace {

// The space between a cell's edge and its text, in points.
constexpr double kCellPadding = 2.0;

QColor Colour(std::uint32_t rgb) {
    return {static_cast<int>((rgb >> 16) & 0xff), static_cast<int>((rgb >> 8) & 0xff), static_cast<int>(rgb & 0xff)};
}

// A font of that many points on the scaled painter: the device turns points
// into its own pixels once, and the painter's scale would do it again.
QFont FontOf(const QPainter& painter, double size, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(size * 72.0 / painter.device()->logicalDpiY());
    font.setBold(bold);
    return font;
}

void PaintText(QPainter& painter, double x, double y, const std::string& text, double size, bool bold,
               draw::TextAnchor anchor, std::uint32_t colour) {
    const QFont font = FontOf(painter, size, bold);
    const QString string = QString::fromUtf8(text.c_str());
    painter.setFont(font);
    painter.setPen(Colour(colour));
    const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(string);
    const double shift = anchor == draw::TextAnchor::Start    ? 0.0
                         : anchor == draw::TextAnchor::Middle ? width / 2
                                                              : width;
    painter.drawText(QPointF(x - shift, y), string);
}

void PaintRule(QPainter& painter, double x0, double y0, double x1, double y1, double width, std::uint32_t colour) {
    QPen pen(Colour(colour), width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(QPointF(x0, y0), QPointF(x1, y1));
}

// Texts in their cells and rules: the frame's top and bottom, and a rule
// under the header.
void PaintTable(QPainter& painter, const draw::PageTable& table) {
    if (table.columnLeft.empty()) return;
    const double left = table.columnLeft.front();
    const double right = table.columnLeft.back() + table.columnWidth.back();
    PaintRule(painter, left, table.top, right, table.top, 0.75, 0);
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        const draw::TableRow& row = table.rows[r];
        for (std::size_t c = 0; c < row.cells.size() && c < table.columnLeft.size(); ++c) {
            const draw::TableCell& cell = row.cells[c];
            const double x = cell.anchor == draw::TextAnchor::Start ? table.columnLeft[c] + kCellPadding
                             : cell.anchor == draw::TextAnchor::Middle
                                 ? table.columnLeft[c] + table.columnWidth[c] / 2
                                 : table.columnLeft[c] + table.columnWidth[c] - kCellPadding;
            PaintText(painter, x, row.baseline, cell.text, table.size, cell.bold || row.header, cell.anchor, 0);
        }
        const bool lastHeader = row.header && (r + 1 == table.rows.size() || !table.rows[r + 1].header);
        if (lastHeader) {
            const double y = row.baseline + table.size * 0.4;
            PaintRule(painter, left, y, right, y, 0.5, 0);
        }
    }
    PaintRule(painter, left, table.bottom, right, table.bottom, 0.75, 0);
}

void PaintPageChart(QPainter& painter, const draw::PageChart& chart) {
    if (!chart.chart) return;
    painter.save();
    painter.translate(chart.x, chart.y);
    painter.setClipRect(QRectF(0, 0, chart.width, chart.height));
    // Drawn larger where the rectangle is small, and scaled down into it.
    const double scale = draw::ChartScale(*chart.chart, chart.width, chart.height);
    painter.scale(1.0 / scale, 1.0 / scale);
    PaintChart(painter, *chart.chart, chart.width * scale, chart.height * scale, true);
    painter.restore();
}

}  // namespace

void PaintPage(QPainter& painter, const draw::Page& page) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const draw::PageItem& item : page.items) {
        switch (item.kind) {
            case draw::PageItemKind::Text: {
                const draw::PageText& text = item.text;
                PaintText(painter, text.x, text.y, text.text, text.size, text.bold, text.anchor, text.colour);
                break;
            }
            case draw::PageItemKind::Rule: {
                const draw::PageRule& rule = item.rule;
                PaintRule(painter, rule.x0, rule.y0, rule.x1, rule.y1, rule.width, rule.colour);
                break;
            }
            case draw::PageItemKind::Table:
                PaintTable(painter, item.table);
                break;
            case draw::PageItemKind::Chart:
                PaintPageChart(painter, item.chart);
                break;
        }
    }
}

void BeginPoints(QPainter& painter) {
    const QPaintDevice* device = painter.device();
    painter.scale(device->logicalDpiX() / 72.0, device->logicalDpiY() / 72.0);
}

bool PaintDocument(QPagedPaintDevice& device, const draw::PagedDocument& document) {
    device.setPageLayout(QPageLayout(QPageSize(document.paper == draw::Paper::A4 ? QPageSize::A4 : QPageSize::Letter),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    QPainter painter;
    if (!painter.begin(&device)) return false;
    BeginPoints(painter);
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        PaintPage(painter, document.pages[i]);
    }
    return painter.end();
}

bool DocumentAsPdf(const draw::PagedDocument& document, QByteArray& bytes) {
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QPdfWriter pdf(&buffer);
    pdf.setResolution(1200);
    pdf.setTitle(QString::fromUtf8(document.title.c_str()));
    pdf.setCreator(QStringLiteral("Halvex"));
    return PaintDocument(pdf, document);
}

}  // namespace ui::qt
