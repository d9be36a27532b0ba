#include "ui/qt/app_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRect>

#include "res/app_icon_picture.h"

namespace ui::qt {
namespace {

class AppIconEngine final : public QIconEngine {
public:
    explicit AppIconEngine(int iconId) : m_iconId(iconId) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        PaintAppIcon(*painter, rect, m_iconId);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        const int side = qMin(size.width(), size.height());
        // The two window icon sizes are asked for at every window's creation.
        if (side == 16 || side == 32) {
            QPixmap& cached = side == 16 ? m_small : m_big;
            if (cached.isNull()) cached = AppIconPixmap(side, m_iconId);
            return cached;
        }
        return AppIconPixmap(side, m_iconId);
    }
    QIconEngine* clone() const override { return new AppIconEngine(*this); }
    QString key() const override { return QStringLiteral("halvex-%1").arg(m_iconId); }
    // The drawn sizes; any other is painted to scale on demand. Listing only
    // these keeps the window system from asking for large renderings at
    // start-up.
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return {QSize(16, 16), QSize(32, 32)};
    }

private:
    int m_iconId;
    QPixmap m_small;
    QPixmap m_big;
};

}  // namespace

namespace {

QColor ToQColor(res::Rgb c) { return QColor(c.r, c.g, c.b); }

}  // namespace

// The picture every backend paints, at the rectangle's place.
void PaintAppIcon(QPainter& painter, const QRect& rect, int iconId) {
    const int side = qMin(rect.width(), rect.height());
    if (side <= 0) return;
    const res::AppIconPicture p = res::MakeAppIconPicture(side, iconId);
    // Centred on whole pixels, so the small sizes stay sharp.
    const int tileLeft = rect.x() + (rect.width() - side) / 2;
    const int tileTop = rect.y() + (rect.height() - side) / 2;
    const auto at = [&](res::PointF point) { return QPointF(tileLeft + point.x, tileTop + point.y); };
    const QRectF tile(tileLeft + p.tileLeft, tileTop + p.tileTop, p.tileSide, p.tileSide);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, p.smooth);

    // The tile, inset by half its edge.
    const double half = p.edgeWidth / 2;
    painter.setPen(QPen(ToQColor(p.tileEdge), p.edgeWidth));
    painter.setBrush(ToQColor(p.tile));
    painter.drawRoundedRect(tile.adjusted(half, half, -half, -half), p.cornerRadius, p.cornerRadius);

    // The guides, then the curve over them.
    painter.setPen(QPen(ToQColor(p.guide), p.guideWidth, Qt::SolidLine, Qt::FlatCap));
    for (const res::LineF& line : p.guides) painter.drawLine(at(line.from), at(line.to));
    QPolygonF curve;
    for (const res::PointF& point : p.curve) curve << at(point);
    painter.setPen(QPen(ToQColor(p.curveColour), p.curveWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(curve);
    painter.restore();
}

QPixmap AppIconPixmap(int size, int iconId) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintAppIcon(painter, QRect(0, 0, size, size), iconId);
    return pixmap;
}

QIcon AppIcon(int iconId) { return QIcon(new AppIconEngine(iconId)); }

}  // namespace ui::qt
