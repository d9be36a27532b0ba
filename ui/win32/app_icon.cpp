#include "ui/win32/app_icon.h"

#include <algorithm>
#include <cmath>

#include "res/app_icon_picture.h"

namespace ui::win32 {
namespace {

COLORREF Colour(res::Rgb c) { return RGB(c.r, c.g, c.b); }

int Round(double v) { return static_cast<int>(std::lround(v)); }

HPEN MakePen(double width, res::Rgb colour) {
    LOGBRUSH brush{BS_SOLID, Colour(colour), 0};
    // Whole pixels, never wider than asked: unsmoothed lines look heavier.
    const int pixels = width < 1.0 ? 1 : static_cast<int>(width);
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, static_cast<DWORD>(pixels), &brush,
                        0, nullptr);
}

void Paint(HDC dc, const res::AppIconPicture& p) {
    const double half = p.edgeWidth / 2.0;
    HPEN edge = MakePen(p.edgeWidth, p.tileEdge);
    HBRUSH tile = CreateSolidBrush(Colour(p.tile));
    HGDIOBJ oldPen = SelectObject(dc, edge);
    HGDIOBJ oldBrush = SelectObject(dc, tile);
    const int corner = Round(2.0 * p.cornerRadius);
    RoundRect(dc, Round(p.tileLeft + half - 0.5), Round(p.tileTop + half - 0.5),
              Round(p.tileLeft + p.tileSide - half + 0.5), Round(p.tileTop + p.tileSide - half + 0.5), corner, corner);

    HPEN guide = MakePen(p.guideWidth, p.guide);
    SelectObject(dc, guide);
    for (const res::LineF& line : p.guides) {
        MoveToEx(dc, Round(line.from.x), static_cast<int>(line.from.y), nullptr);
        LineTo(dc, Round(line.to.x), static_cast<int>(line.to.y));
    }

    HPEN curve = MakePen(p.curveWidth, p.curveColour);
    SelectObject(dc, curve);
    std::vector<POINT> points;
    for (const res::PointF& point : p.curve) points.push_back(POINT{Round(point.x), Round(point.y)});
    Polyline(dc, points.data(), static_cast<int>(points.size()));

    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(curve);
    DeleteObject(guide);
    DeleteObject(edge);
    DeleteObject(tile);
}

}  // namespace

std::vector<std::uint32_t> AppIconPixels(int side, int iconId) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = side;
    info.bmiHeader.biHeight = -side;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(side) * side, 0);
    if (bitmap != nullptr) {
        HGDIOBJ old = SelectObject(dc, bitmap);
        Paint(dc, res::MakeAppIconPicture(side, iconId));
        GdiFlush();
        const auto* drawn = static_cast<const std::uint32_t*>(bits);
        // GDI leaves alpha at 0: whatever it drew is opaque, the rest (black,
        // which the picture never uses) stays transparent.
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const std::uint32_t rgb = drawn[i] & 0x00FFFFFFu;
            pixels[i] = rgb == 0 ? 0 : (0xFF000000u | rgb);
        }
        SelectObject(dc, old);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    return pixels;
}

HICON CreateAppIcon(int side, int iconId) {
    const std::vector<std::uint32_t> pixels = AppIconPixels(side, iconId);
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = side;
    header.bV5Height = -side;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour =
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (colour == nullptr) return nullptr;
    std::copy(pixels.begin(), pixels.end(), static_cast<std::uint32_t*>(bits));
    // The alpha channel decides; the mask is all opaque for the platforms that read it.
    const std::vector<BYTE> clear(static_cast<std::size_t>((side + 15) / 16 * 2 * side), 0);
    HBITMAP mask = CreateBitmap(side, side, 1, 1, clear.data());
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

}  // namespace ui::win32
