#include "ui/qt/chart_view.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygonF>

namespace ui::qt {
namespace {

QColor Colour(std::uint32_t rgb, double opacity = 1.0) {
    QColor colour(static_cast<int>((rgb >> 16) & 0xff), static_cast<int>((rgb >> 8) & 0xff),
                  static_cast<int>(rgb & 0xff));
    colour.setAlphaF(static_cast<float>(opacity));
    return colour;
}

QPointF Pixel(const draw::ChartMapping& map, const draw::DrawOp& op, std::size_t i) {
    const draw::ChartPoint p = map.Pixel(op, i);
    return {p.x, p.y};
}

QPolygonF Polygon(const draw::ChartMapping& map, const draw::DrawOp& op) {
    QPolygonF polygon;
    for (std::size_t i = 0; i < op.points.size(); ++i) polygon << Pixel(map, op, i);
    return polygon;
}

void PaintText(QPainter& painter, const draw::ChartMapping& map, const draw::DrawOp& op, const draw::DrawStyle& style) {
    QFont font = painter.font();
    font.setPixelSize(static_cast<int>(style.fontSize));
    painter.setFont(font);
    painter.setPen(Colour(style.stroke));
    const QString text = QString::fromUtf8(op.text.c_str());
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    const double shift = op.anchor == draw::TextAnchor::Start    ? 0.0
                         : op.anchor == draw::TextAnchor::Middle ? width / 2
                                                                 : width;
    painter.save();
    // As SVG places text: the offset first, then the turn about that point.
    painter.translate(Pixel(map, op, 0));
    painter.rotate(-map.TextAngle(op));
    painter.drawText(QPointF(-shift, 0.0), text);
    painter.restore();
}

}  // namespace

void PaintChart(QPainter& painter, const draw::Chart& chart, double width, double height, bool picture, bool greyed) {
    painter.fillRect(QRectF(0, 0, width, height), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    draw::ForEachPainted(
        chart, width, height, picture, greyed,
        [&painter](const draw::ChartMapping& map, const draw::DrawOp& op, const draw::DrawStyle& style) {
            QPen pen(Colour(style.stroke), style.width);
            if (style.dashed) pen.setDashPattern({5.0 / style.width, 3.0 / style.width});
            pen.setJoinStyle(Qt::RoundJoin);
            switch (op.kind) {
                case draw::DrawKind::Line:
                    painter.setPen(pen);
                    painter.drawLine(Pixel(map, op, 0), Pixel(map, op, 1));
                    break;
                case draw::DrawKind::Polyline:
                    painter.setPen(pen);
                    painter.drawPolyline(Polygon(map, op));
                    break;
                case draw::DrawKind::Fill:
                    painter.setPen(Qt::NoPen);
                    painter.setBrush(Colour(style.fill, style.fillOpacity));
                    painter.drawPolygon(Polygon(map, op));
                    painter.setBrush(Qt::NoBrush);
                    break;
                case draw::DrawKind::Marker:
                    painter.setPen(pen);
                    painter.setBrush(Colour(style.fill, style.fillOpacity));
                    painter.drawEllipse(Pixel(map, op, 0), style.radius, style.radius);
                    painter.setBrush(Qt::NoBrush);
                    break;
                case draw::DrawKind::Text:
                    PaintText(painter, map, op, style);
                    break;
            }
        });
}

bool SaveChartPicture(const draw::Chart& chart, const std::string& path) {
    const QString name = QString::fromUtf8(path.c_str());
    if (name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        QImage image(1600, 1200, QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&image);
            painter.scale(2.0, 2.0);  // the window's look at twice its size
            PaintChart(painter, chart, 800, 600, true);
        }
        return image.save(name, "PNG");
    }
    if (name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        QPdfWriter pdf(name);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setResolution(96);
        QPainter painter;
        if (!painter.begin(&pdf)) return false;
        PaintChart(painter, chart, pdf.width(), pdf.height(), true);
        return painter.end();
    }
    return false;
}

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ChartView::SetDrawing(std::shared_ptr<const draw::Chart> drawing) {
    m_drawing = std::move(drawing);
    update();
}

// A greyed-out chart takes no pointer, so a readout left on it would stay.
void ChartView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        m_readout.clear();
        update();
    }
    QWidget::changeEvent(event);
}

void ChartView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!m_drawing) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    // Greyed out, it is a picture of a plan that is no longer the one on screen.
    PaintChart(painter, *m_drawing, width(), height(), false, !isEnabled());
    if (m_readout.empty()) return;
    // The readout in the plot's top right corner, on white.
    const QString text = QString::fromUtf8(m_readout.c_str());
    const draw::ChartMapping map = draw::FitChart(m_drawing->box, width(), height());
    QFont font = painter.font();
    font.setPixelSize(11);
    painter.setFont(font);
    const QRectF bounds = QFontMetricsF(font).boundingRect(text).adjusted(-4, -2, 4, 2);
    const QRectF box(map.left + map.width - bounds.width() - 4, map.top + 4, bounds.width(), bounds.height());
    painter.fillRect(box, Qt::white);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
    std::string readout;
    if (m_drawing) {
        const draw::ChartMapping map = draw::FitChart(m_drawing->box, width(), height());
        const QPointF at = event->position();
        if (map.Inside(at.x(), at.y())) readout = draw::ChartReadout(*m_drawing, map.ToChart(at.x(), at.y()));
    }
    if (readout != m_readout) {
        m_readout = readout;
        update();
    }
}

void ChartView::leaveEvent(QEvent* /*event*/) {
    m_readout.clear();
    update();
}

}  // namespace ui::qt
