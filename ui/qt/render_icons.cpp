// halvex-render-icons OUTDIR NAME: writes the program's icon, painted by the
// same code as the window icon, as the hicolor theme's PNG files at each
// size a desktop asks for and as a scalable SVG:
// OUTDIR/SIZExSIZE/apps/NAME.png and OUTDIR/scalable/apps/NAME.svg.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>

#include "ui/qt/app_icon.h"

namespace {

bool WritePng(const QString& dir, const QString& name, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
    if (!QDir().mkpath(folder)) return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ui::qt::PaintAppIcon(painter, QRect(0, 0, size, size));
    painter.end();
    return image.save(QStringLiteral("%1/%2.png").arg(folder, name), "PNG");
}

bool WriteSvg(const QString& dir, const QString& name) {
    const QString folder = dir + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(folder)) return false;
    // Drawn at a size above the pixel-exact small sizes, so the shapes are
    // the smooth ones.
    const int side = 256;
    QSvgGenerator svg;
    svg.setFileName(QStringLiteral("%1/%2.svg").arg(folder, name));
    svg.setSize(QSize(side, side));
    svg.setViewBox(QRect(0, 0, side, side));
    svg.setTitle(QStringLiteral("Halvex"));
    svg.setDescription(QStringLiteral("One period of a sine wave over its axis"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    ui::qt::PaintAppIcon(painter, QRect(0, 0, side, side));
    return painter.end();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: halvex-render-icons OUTDIR NAME\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        if (!WritePng(dir, name, size)) {
            std::fprintf(stderr, "halvex-render-icons: cannot write the %d-pixel icon\n", size);
            return 1;
        }
    }
    if (!WriteSvg(dir, name)) {
        std::fputs("halvex-render-icons: cannot write the scalable icon\n", stderr);
        return 1;
    }
    return 0;
}
