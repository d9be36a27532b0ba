// halvex-render-icons [--planner] OUTDIR NAME [ICO]: writes the calculator's
// icon (the planner's with --planner), painted by the same code as the
// window icon, as the hicolor theme's PNG files at each size a desktop asks
// for and as a scalable SVG: OUTDIR/SIZExSIZE/apps/NAME.png and
// OUTDIR/scalable/apps/NAME.svg; and, given ICO, as a Windows icon file for
// the installer and its shortcuts.
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "res/resource_ids.h"
#include "ui/qt/app_icon.h"

namespace {

int g_iconId = res::IDR_MAINFRAME;

bool WritePng(const QString& dir, const QString& name, int size) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(dir).arg(size);
    if (!QDir().mkpath(folder)) return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ui::qt::PaintAppIcon(painter, QRect(0, 0, size, size), g_iconId);
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
    const bool planner = g_iconId == res::IDR_PLANNER;
    svg.setTitle(planner ? QStringLiteral("Halvex Sine Test Planner") : QStringLiteral("Halvex"));
    svg.setDescription(planner ? QStringLiteral("A sine test profile over the diagonals of a four-coordinate chart")
                               : QStringLiteral("One period of a sine wave over its axis"));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    ui::qt::PaintAppIcon(painter, QRect(0, 0, side, side), g_iconId);
    return painter.end();
}

void PutLe(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

// One image of an icon file: a 32-bit bottom-up bitmap with its (empty)
// transparency mask, which every Windows version reads; the 256-pixel one
// as PNG, which is how Windows stores that size.
QByteArray IcoImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    ui::qt::PaintAppIcon(painter, QRect(0, 0, size, size), g_iconId);
    painter.end();
    QByteArray out;
    if (size >= 256) {
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return out;
    }
    PutLe(out, 40, 4);  // header size
    PutLe(out, static_cast<std::uint32_t>(size), 4);
    PutLe(out, static_cast<std::uint32_t>(2 * size), 4);  // colour rows and mask rows
    PutLe(out, 1, 2);                                     // planes
    PutLe(out, 32, 2);                                    // bits per pixel
    for (int i = 0; i < 6; ++i) PutLe(out, 0, 4);         // no compression, sizes, palette
    for (int y = size - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x) PutLe(out, row[x], 4);  // B, G, R, A in memory order
    }
    const qsizetype maskRowBytes = static_cast<qsizetype>((size + 31) / 32) * 4;
    out.append(QByteArray(maskRowBytes * size, '\0'));
    return out;
}

bool WriteIco(const QString& path) {
    const std::vector<int> sizes{16, 24, 32, 48, 64, 256};
    std::vector<QByteArray> images;
    images.reserve(sizes.size());
    for (const int size : sizes) images.push_back(IcoImage(size));
    QByteArray out;
    PutLe(out, 0, 2);  // reserved
    PutLe(out, 1, 2);  // an icon
    PutLe(out, static_cast<std::uint32_t>(sizes.size()), 2);
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const std::uint32_t side = sizes[i] >= 256 ? 0 : static_cast<std::uint32_t>(sizes[i]);  // 0 means 256
        PutLe(out, side, 1);
        PutLe(out, side, 1);
        PutLe(out, 0, 1);  // no palette
        PutLe(out, 0, 1);
        PutLe(out, 1, 2);  // planes
        PutLe(out, 32, 2);
        PutLe(out, static_cast<std::uint32_t>(images[i].size()), 4);
        PutLe(out, offset, 4);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const QByteArray& image : images) out.append(image);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

}  // namespace

// The installer's side picture on its first and last pages, 164 by 314
// pixels as the installer asks: the icon on its own colour.
bool WriteWizardImage(const QString& path) {
    QImage image(164, 314, QImage::Format_RGB888);
    image.fill(QColor(0x1f, 0x3a, 0x66));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    ui::qt::PaintAppIcon(painter, QRect(18, 60, 128, 128), g_iconId);
    painter.end();
    return image.save(path, "BMP");
}

int main(int argc, char** argv) {
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "--planner") == 0) {
        g_iconId = res::IDR_PLANNER;
        first = 2;
    }
    const int count = argc - first;
    if (count < 2 || count > 4) {
        std::fputs("usage: halvex-render-icons [--planner] OUTDIR NAME [ICO [INSTALLER_BMP]]\n", stderr);
        return 2;
    }
    QGuiApplication application(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[first]);
    const QString name = QString::fromLocal8Bit(argv[first + 1]);
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
    if (count >= 3 && !WriteIco(QString::fromLocal8Bit(argv[first + 2]))) {
        std::fputs("halvex-render-icons: cannot write the icon file\n", stderr);
        return 1;
    }
    if (count == 4 && !WriteWizardImage(QString::fromLocal8Bit(argv[first + 3]))) {
        std::fputs("halvex-render-icons: cannot write the installer's picture\n", stderr);
        return 1;
    }
    return 0;
}
