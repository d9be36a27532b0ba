// The chart control on real Win32 controls: it keeps the drawing the dialog
// hands over and paints it with GDI where the shared mapping puts it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "res/planner_ids.h"
#include "tests/temp_file.h"
#include "ui/win32/win32_backend.h"

#include "ui/win32/chart_painter.h"

#include <wincodec.h>

namespace {

using ui::win32::Win32Dialog;

class OneStep : public ui::win32::Automation {
public:
    explicit OneStep(std::function<void(Win32Dialog&)> step) : m_step(std::move(step)) {
        m_backend.SetAutomation(this);
        // The planner at its template's size, however small the screen at a high DPI.
        m_backend.SetWorkArea([](HWND) { return RECT{0, 0, 8192, 8192}; });
        ui::SetBackend(&m_backend);
    }
    ~OneStep() override { ui::SetBackend(nullptr); }
    bool Next(Win32Dialog& top) override {
        if (!m_step) return false;
        m_step(top);
        m_step = nullptr;
        return true;
    }

private:
    ui::win32::Win32Backend m_backend;
    std::function<void(Win32Dialog&)> m_step;
};

// The planner's template, handing its chart a drawing while it starts.
class ChartDlg : public ui::CDialog {
public:
    explicit ChartDlg(std::shared_ptr<const draw::Chart> chart)
        : CDialog(res::IDD_PLANNER), m_chart(std::move(chart)) {}

protected:
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        Window().SetControlDrawing(res::planner_dlg::IDC_CHART, m_chart);
        return true;
    }

private:
    std::shared_ptr<const draw::Chart> m_chart;
};

draw::DrawOp Op(draw::DrawKind kind, draw::DrawRole role, std::vector<draw::ChartPoint> points) {
    draw::DrawOp op;
    op.kind = kind;
    op.role = role;
    op.points = std::move(points);
    return op;
}

// Three decades each way: a shaded region top left, a profile with its peak
// in the middle, a marker top right, and a label that must not get in the way.
std::shared_ptr<const draw::Chart> TestChart() {
    auto chart = std::make_shared<draw::Chart>();
    chart->box = draw::ChartBox{0.0, 3.0, -3.0, 0.0};
    using K = draw::DrawKind;
    using R = draw::DrawRole;
    chart->ops.push_back(Op(K::Fill, R::LimitRegion, {{0.1, -0.9}, {0.1, -0.1}, {0.9, -0.1}, {0.9, -0.9}}));
    chart->ops.push_back(Op(K::Polyline, R::Profile, {{0.5, -2.5}, {1.5, -1.5}, {2.5, -2.5}}));
    chart->ops.push_back(Op(K::Marker, R::Binding, {{2.5, -0.5}}));
    draw::DrawOp label = Op(K::Text, R::AxisLabel, {{1.5, -2.9}});
    label.text = "10 Hz";
    label.anchor = draw::TextAnchor::Middle;
    chart->ops.push_back(label);
    return chart;
}

// What a control paints, caught in a memory bitmap as it paints on screen:
// through WM_PRINTCLIENT, which the owner-drawn STATIC answers with
// WM_DRAWITEM. Black first, so that a control that paints nothing fails.
class Printed {
public:
    explicit Printed(HWND control) {
        RECT client{};
        GetClientRect(control, &client);
        Make(client.right, client.bottom);
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT);
    }
    // What the painter paints at that size, untransformed.
    Printed(const draw::Chart& chart, int w, int h) {
        Make(w, h);
        ui::win32::PaintChart(m_dc, chart, 0, 0, w, h);
    }
    ~Printed() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Printed(const Printed&) = delete;
    Printed& operator=(const Printed&) = delete;

    COLORREF Pixel(int x, int y) const { return GetPixel(m_dc, x, y); }
    // Pixels darker than mid-grey in the rectangle: text, on a blank chart.
    int Dark(const RECT& area) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (IsDark(Pixel(x, y))) ++count;
            }
        }
        return count;
    }
    // Rows from the first to the last with a dark pixel: a text's height.
    int DarkRows() const {
        int first = -1, last = -1;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (!IsDark(Pixel(x, y))) continue;
                if (first < 0) first = y;
                last = y;
                break;
            }
        }
        return first < 0 ? 0 : last - first + 1;
    }
    // Pixels of that colour in column x: a level line's thickness.
    int InColumn(int x, COLORREF colour) const {
        int count = 0;
        for (int y = 0; y < height; ++y) count += Pixel(x, y) == colour ? 1 : 0;
        return count;
    }

    int width = 0;
    int height = 0;

private:
    static bool IsDark(COLORREF c) { return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128; }
    void Make(int w, int h) {
        width = w;
        height = h;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_old = SelectObject(m_dc, m_bitmap);
        PatBlt(m_dc, 0, 0, width, height, BLACKNESS);
    }

    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
};

TEST(Win32Chart, PaintsTheDrawingWhereTheMappingPutsIt) {
    const std::shared_ptr<const draw::Chart> chart = TestChart();
    struct Probe {
        draw::ChartPoint at;
        COLORREF expected;
    };
    // The fill is #e04040 at 18 % over white: 255 - (255 - c) * 0.18 per channel.
    const Probe probes[] = {
        {{1.5, -1.5}, RGB(0x00, 0x30, 0xa0)},  // the profile's peak, in the profile's colour
        {{0.5, -0.5}, RGB(249, 221, 221)},     // inside the shaded region
        {{2.5, -0.5}, RGB(0xff, 0xd0, 0x00)},  // the marker's centre, in its fill
        {{2.5, -1.5}, RGB(0xff, 0xff, 0xff)},  // nothing drawn here
    };
    int checked = 0;
    OneStep run([&](Win32Dialog& top) {
        HWND control = top.Control(res::planner_dlg::IDC_CHART);
        ASSERT_NE(control, nullptr);
        const Printed printed(control);
        // Laid out in chart pixels, each scale screen pixels wide. The plot,
        // inside the labels' room, is at least the least plot at the template's size.
        const double scale = top.Chart(res::planner_dlg::IDC_CHART)->Scale();
        const draw::ChartMapping map =
            draw::FitChart(chart->box, std::lround(printed.width / scale), std::lround(printed.height / scale));
        EXPECT_GE(map.width, draw::kLeastPlotWidth);
        EXPECT_GE(map.height, draw::kLeastPlotHeight);
        for (const Probe& probe : probes) {
            const int x = static_cast<int>(std::lround(map.PixelX(probe.at.x) * scale));
            const int y = static_cast<int>(std::lround(map.PixelY(probe.at.y) * scale));
            EXPECT_EQ(printed.Pixel(x, y), probe.expected) << "at " << probe.at.x << ", " << probe.at.y;
            ++checked;
        }
    });
    ChartDlg dialog(chart);
    dialog.DoModal();
    EXPECT_EQ(checked, 4);
}

// At a higher DPI the chart grows with the dialog's text: the same picture
// as at 96 dpi, its line and its label scale times as thick and as tall
// (the prefix's DPI: 144 in the win32_dpi144 run).
TEST(Win32Dpi, ChartLinesAndLabelsGrowWithTheScreen) {
    auto chart = std::make_shared<draw::Chart>();
    chart->box = draw::ChartBox{0.0, 3.0, -3.0, 0.0};
    chart->ops.push_back(Op(draw::DrawKind::Polyline, draw::DrawRole::Profile, {{0.0, -1.5}, {3.0, -1.5}}));
    draw::DrawOp label = Op(draw::DrawKind::Text, draw::DrawRole::AxisLabel, {{1.5, -2.9}});
    label.text = "10 Hz";
    chart->ops.push_back(label);
    HDC screen = GetDC(nullptr);
    const double expected = GetDeviceCaps(screen, LOGPIXELSY) / 96.0;
    ReleaseDC(nullptr, screen);
    double scale = 0.0;
    int line = 0, line96 = 0, text = 0, text96 = 0;
    OneStep run([&](Win32Dialog& top) {
        HWND control = top.Control(res::planner_dlg::IDC_CHART);
        scale = top.Chart(res::planner_dlg::IDC_CHART)->Scale();
        const Printed printed(control);
        const Printed plain(*chart, std::lround(printed.width / scale), std::lround(printed.height / scale));
        line = printed.InColumn(printed.width / 2, RGB(0x00, 0x30, 0xa0));
        line96 = plain.InColumn(plain.width / 2, RGB(0x00, 0x30, 0xa0));
        text = printed.DarkRows();
        text96 = plain.DarkRows();
    });
    ChartDlg dialog(chart);
    dialog.DoModal();
    EXPECT_NEAR(scale, std::max(1.0, expected), 0.1 * expected);  // the dialog font's own growth
    EXPECT_NEAR(line, line96 * scale, 1.0) << line96;
    EXPECT_NEAR(text, text96 * scale, 0.2 * text96 * scale) << text96;
}

// The pointer over the plot reads out the four quantities at the point the
// painter put there, in the plot's top right corner; off the plot, or gone
// from the control, nothing.
TEST(Win32Chart, ReadsOutUnderThePointer) {
    auto blank = std::make_shared<draw::Chart>();
    blank->box = draw::ChartBox{0.0, 3.0, -3.0, 0.0};
    // At 380 x 337, with the room for the labels (62 left, 18 right, 6 top,
    // 31 bottom), a decade is 100 pixels and (1 Hz, 1 m/s) is at (62, 6).
    // So (162, 106) is 10 Hz at 0.1 m/s: 2v/w = 0.2 / 62.83 = 3.183 mm p-p,
    // v w = 6.283 m/s^2 = 0.6407 g. All in chart pixels, scale screen pixels each.
    std::string over, off, left;
    double shownScale = 1.0;
    int darkOver = -1, darkOff = -1;
    LRESULT hit = HTNOWHERE;
    OneStep run([&](Win32Dialog& top) {
        HWND control = top.Control(res::planner_dlg::IDC_CHART);
        const ui::win32::ChartControl* chart = top.Chart(res::planner_dlg::IDC_CHART);
        ASSERT_NE(chart, nullptr);
        const double scale = chart->Scale();
        shownScale = scale;
        const auto px = [scale](int chartPixels) { return static_cast<int>(std::lround(chartPixels * scale)); };
        const RECT corner{px(162), px(8), px(362), px(32)};  // the plot's top right, where the readout goes
        // The client area, inside the control's border.
        RECT frame{}, client{};
        GetWindowRect(control, &frame);
        GetClientRect(control, &client);
        SetWindowPos(control, nullptr, 0, 0, px(380) + (frame.right - frame.left) - client.right,
                     px(337) + (frame.bottom - frame.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        // A plain STATIC lets the mouse through to its dialog.
        POINT inside{px(162), px(106)};
        ClientToScreen(control, &inside);
        hit = SendMessageW(control, WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y));
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(px(162), px(106)));
        over = chart->Readout();
        darkOver = Printed(control).Dark(corner);
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));  // over the labels
        off = chart->Readout();
        darkOff = Printed(control).Dark(corner);
        SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(px(162), px(106)));
        SendMessageW(control, WM_MOUSELEAVE, 0, 0);
        left = chart->Readout();
    });
    ChartDlg dialog(blank);
    dialog.DoModal();
    EXPECT_EQ(hit, HTCLIENT);
    // Scaled, the pointer lands on a screen pixel, a fraction of a chart pixel off (162, 106).
    if (shownScale != 1.0) {
        EXPECT_NE(over.find("0.6407 g"), std::string::npos) << over;
    } else {
        EXPECT_EQ(over, "10 Hz   3.183 mm p-p   0.1 m/s   0.6407 g");
    }
    EXPECT_GT(darkOver, 20);
    EXPECT_EQ(off, "");
    EXPECT_EQ(darkOff, 0);
    EXPECT_EQ(left, "");
}

// A pixel of a PNG file as the platform's own decoder reads it, with the
// picture's size; false when it does not read.
bool ReadPngPixel(const std::string& path, UINT x, UINT y, UINT& width, UINT& height, COLORREF& pixel) {
    const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    bool read = false;
    const std::wstring wide(path.begin(), path.end());  // a temporary directory's path is ASCII
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                     WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&width, &height)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                        WICBitmapPaletteTypeCustom))) {
        BYTE bgr[3] = {};
        const WICRect one{static_cast<INT>(x), static_cast<INT>(y), 1, 1};
        read = SUCCEEDED(converter->CopyPixels(&one, 3, 3, bgr));
        pixel = RGB(bgr[2], bgr[1], bgr[0]);
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, factory}) {
        if (object != nullptr) object->Release();
    }
    if (com) CoUninitialize();
    return read;
}

// Export to PNG paints the chart laid out at 800 x 600, at twice that size,
// and writes a file any decoder reads; other kinds are not written here.
TEST(Win32Chart, SavesThePictureAsPng) {
    const std::shared_ptr<const draw::Chart> chart = TestChart();
    const std::string path = TestTempPath(".png");
    bool saved = false, pdf = true;
    OneStep run([&](Win32Dialog& top) {
        saved = top.SaveControlPicture(res::planner_dlg::IDC_CHART, path);
        pdf = top.SaveControlPicture(res::planner_dlg::IDC_CHART, path + ".pdf");
    });
    ChartDlg dialog(chart);
    dialog.DoModal();
    ASSERT_TRUE(saved);
    EXPECT_FALSE(pdf);
    const draw::ChartMapping map = draw::FitChart(chart->box, 800, 600);
    struct Probe {
        draw::ChartPoint at;
        COLORREF expected;
    };
    const Probe probes[] = {
        {{1.5, -1.5}, RGB(0x00, 0x30, 0xa0)},  // the profile's peak
        {{0.5, -0.5}, RGB(249, 221, 221)},     // the shaded region, over white
        {{2.5, -1.5}, RGB(0xff, 0xff, 0xff)},  // nothing drawn
    };
    for (const Probe& probe : probes) {
        const auto x = static_cast<UINT>(2 * std::lround(map.PixelX(probe.at.x)));
        const auto y = static_cast<UINT>(2 * std::lround(map.PixelY(probe.at.y)));
        UINT width = 0, height = 0;
        COLORREF pixel = 0;
        ASSERT_TRUE(ReadPngPixel(path, x, y, width, height, pixel));
        EXPECT_EQ(width, 1600u);
        EXPECT_EQ(height, 1200u);
        EXPECT_EQ(pixel, probe.expected) << "at " << probe.at.x << ", " << probe.at.y;
    }
    std::remove(path.c_str());
}

}  // namespace
