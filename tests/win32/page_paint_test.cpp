// A report's page painted with GDI, as on a printer, into a bitmap of two
// pixels to the point: texts and rules where the layout put them, a right-
// anchored text ending at its anchor, and a chart painted in its rectangle,
// whose own scale differs from the texts'.
#include <gtest/gtest.h>

#include <memory>

#include "ui/win32/page_painter.h"

namespace {

constexpr int kWidth = 1224;  // Letter at 2 pixels to the point
constexpr int kHeight = 1584;

class Bitmap {
public:
    Bitmap() {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        PatBlt(m_dc, 0, 0, kWidth, kHeight, WHITENESS);
    }
    ~Bitmap() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    HDC Dc() const { return m_dc; }
    bool Dark(int x, int y) const {
        const COLORREF c = GetPixel(m_dc, x, y);
        return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128;
    }
    // The leftmost and rightmost columns with a dark pixel in rows top to bottom.
    void DarkColumns(int top, int bottom, int& first, int& last) const {
        first = -1;
        last = -1;
        for (int x = 0; x < kWidth; ++x) {
            for (int y = top; y < bottom; ++y) {
                if (!Dark(x, y)) continue;
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    }

private:
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

TEST(Win32Page, TextsRulesAndChartWhereTheLayoutPutThem) {
    draw::Page page;
    draw::PageItem rule;
    rule.kind = draw::PageItemKind::Rule;
    rule.rule = {100.0, 200.0, 400.0, 200.0, 2.0, 0};
    page.items.push_back(rule);
    draw::PageItem text;
    text.kind = draw::PageItemKind::Text;
    text.text.x = 500.0;
    text.text.y = 300.0;
    text.text.text = "WWWW";
    text.text.size = 20.0;
    text.text.anchor = draw::TextAnchor::End;
    page.items.push_back(text);
    // A chart with nothing drawn on it is its white ground; the page under
    // it is painted black first so that the ground shows where it went.
    draw::PageItem chart;
    chart.kind = draw::PageItemKind::Chart;
    chart.chart = {72.0, 400.0, 200.0, 100.0, std::make_shared<draw::Chart>()};
    page.items.push_back(chart);

    Bitmap bitmap;
    PatBlt(bitmap.Dc(), 0, 780, kWidth, 240, BLACKNESS);
    ui::win32::PaintPage(bitmap.Dc(), page, 2.0);

    // The rule: 2 points wide about y = 200 pt, from 100 to 400 pt.
    EXPECT_TRUE(bitmap.Dark(500, 400));
    EXPECT_FALSE(bitmap.Dark(500, 396));
    EXPECT_FALSE(bitmap.Dark(180, 400));
    EXPECT_TRUE(bitmap.Dark(210, 400));
    // The text ends at its anchor, 500 pt, and is some 4 em-widths long.
    int first = 0, last = 0;
    bitmap.DarkColumns(540, 610, first, last);
    EXPECT_NEAR(last, 1000, 4);
    EXPECT_GT(first, 1000 - 4 * 40);
    EXPECT_LT(first, 1000 - 2 * 40);
    // The chart's ground covers its rectangle, 144 to 544 by 800 to 1000
    // pixels, and no more.
    EXPECT_FALSE(bitmap.Dark(150, 810));
    EXPECT_FALSE(bitmap.Dark(538, 994));
    EXPECT_TRUE(bitmap.Dark(138, 900));
    EXPECT_TRUE(bitmap.Dark(550, 900));
    EXPECT_TRUE(bitmap.Dark(300, 1006));
}

}  // namespace
