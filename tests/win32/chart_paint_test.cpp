// The chart control on real Win32 controls: it keeps the drawing the dialog
// hands over and paints it with GDI where the shared mapping puts it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "res/planner_ids.h"
#include "ui/win32/win32_backend.h"

namespace {

using ui::win32::Win32Dialog;

class OneStep : public ui::win32::Automation {
public:
    explicit OneStep(std::function<void(Win32Dialog&)> step) : m_step(std::move(step)) {
        m_backend.SetAutomation(this);
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

// The control paints into a memory bitmap as it paints on screen: through
// WM_PRINTCLIENT, which the owner-drawn STATIC answers with WM_DRAWITEM.
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
        RECT client{};
        GetClientRect(control, &client);
        const int width = client.right, height = client.bottom;
        ASSERT_GT(width, 100);
        ASSERT_GT(height, 100);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(bitmap, nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        // Black first, so that a control that paints nothing fails.
        PatBlt(dc, 0, 0, width, height, BLACKNESS);
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        const draw::ChartMapping map = draw::FitChart(chart->box, width, height);
        for (const Probe& probe : probes) {
            const int x = static_cast<int>(std::lround(map.PixelX(probe.at.x)));
            const int y = static_cast<int>(std::lround(map.PixelY(probe.at.y)));
            EXPECT_EQ(GetPixel(dc, x, y), probe.expected) << "at " << probe.at.x << ", " << probe.at.y;
            ++checked;
        }
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    });
    ChartDlg dialog(chart);
    dialog.DoModal();
    EXPECT_EQ(checked, 4);
}

}  // namespace
