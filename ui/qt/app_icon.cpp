#include "ui/qt/app_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRect>

#include <cmath>

namespace ui::qt {
namespace {

const QColor kTile(0x1d, 0x3a, 0x6e);
const QColor kTileEdge(0x0b, 0x18, 0x33);
const QColor kAxis(0x7d, 0x9b, 0xcf);
const QColor kWave(0xff, 0xc8, 0x2e);

class SineIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        PaintAppIcon(*painter, rect);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        const int side = qMin(size.width(), size.height());
        // The two window icon sizes are asked for at every window's creation.
        if (side == 16 || side == 32) {
            QPixmap& cached = side == 16 ? m_small : m_big;
            if (cached.isNull()) cached = AppIconPixmap(side);
            return cached;
        }
        return AppIconPixmap(side);
    }
    QIconEngine* clone() const override { return new SineIconEngine(*this); }
    QString key() const override { return QStringLiteral("halvex-sine"); }
    // The drawn sizes; any other is painted to scale on demand. Listing only
    // these keeps the window system from asking for large renderings at
    // start-up.
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return {QSize(16, 16), QSize(32, 32)};
    }

private:
    QPixmap m_small;
    QPixmap m_big;
};

}  // namespace

void PaintAppIcon(QPainter& painter, const QRect& rect) {
    const int side = qMin(rect.width(), rect.height());
    if (side <= 0) return;
    const bool small = side <= 32;
    const double s = side;
    // Centred on whole pixels, so the small sizes stay sharp.
    const int tileLeft = rect.x() + (rect.width() - side) / 2;
    const int tileTop = rect.y() + (rect.height() - side) / 2;
    const QRectF tile(tileLeft, tileTop, side, side);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, !small);

    // The tile, with a one-pixel edge at small sizes.
    const double edge = small ? 1.0 : s / 32.0;
    const double radius = small ? 2.0 : s / 8.0;
    painter.setPen(QPen(kTileEdge, edge));
    painter.setBrush(kTile);
    painter.drawRoundedRect(tile.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2), radius, radius);

    // The axis, then the wave over it.
    const double margin = small ? (side <= 16 ? 2.0 : 4.0) : s / 8.0;
    const double middle = tile.top() + s / 2.0;
    const double left = tile.left() + margin;
    const double right = tile.right() + 1 - margin;
    painter.setPen(QPen(kAxis, small ? 1.0 : s / 32.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(left, middle), QPointF(right, middle));

    const double amplitude = s * (small ? 0.3 : 0.28);
    const double width = small ? (side <= 16 ? 1.5 : 2.5) : s / 11.0;
    QPolygonF wave;
    const int steps = small ? side * 2 : 96;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        wave << QPointF(left + (right - left) * t, middle - amplitude * std::sin(2.0 * M_PI * t));
    }
    painter.setPen(QPen(kWave, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(wave);
    painter.restore();
}

QPixmap AppIconPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintAppIcon(painter, QRect(0, 0, size, size));
    return pixmap;
}

QIcon AppIcon() { return QIcon(new SineIconEngine); }

}  // namespace ui::qt
