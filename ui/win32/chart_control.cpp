#include "ui/win32/chart_control.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "draw/png_writer.h"
#include "ui/win32/chart_painter.h"
#include "ui/win32/language_font.h"
#include "ui/win32/utf16.h"

#include <commctrl.h>
#include <windowsx.h>

namespace ui::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 1;
// The exported picture: the chart laid out at 800 x 600, as the SVG file
// is, and painted at twice that so that it stays sharp in a report.
constexpr int kPictureWidth = 800;
constexpr int kPictureHeight = 600;
constexpr int kPictureScale = 2;

int Round(double value) { return static_cast<int>(std::lround(value)); }

// The readout in the plot's top right corner, on white.
void PaintReadout(HDC dc, const draw::Chart& chart, const std::string& readout, const RECT& rect) {
    const draw::ChartMapping map = draw::FitChart(chart.box, rect.right - rect.left, rect.bottom - rect.top);
    HFONT font = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, CharsetForLanguage(), OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS,
                             Widen(FaceForLanguage("Arial")).c_str());
    HGDIOBJ oldFont = SelectObject(dc, font);
    const std::wstring text = Widen(readout);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    RECT box{};
    box.right = rect.left + Round(map.left + map.width) - 4;
    box.left = box.right - extent.cx - 8;
    box.top = rect.top + Round(map.top) + 4;
    box.bottom = box.top + extent.cy + 4;
    FillRect(dc, &box, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

// Whole or not at all: a temporary file beside it, renamed over it.
bool WriteFileReplacing(const std::string& path, const std::string& bytes) {
    const std::wstring target = Widen(path);
    const std::wstring temporary = target + L".saving";
    HANDLE file =
        CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
              written == bytes.size() && FlushFileBuffers(file) != FALSE;
    ok = CloseHandle(file) != FALSE && ok;
    ok = ok &&
         MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!ok) DeleteFileW(temporary.c_str());
    return ok;
}

bool EndsWithPng(const std::string& path) {
    if (path.size() < 4) return false;
    std::string end = path.substr(path.size() - 4);
    for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return end == ".png";
}

}  // namespace

ChartControl::~ChartControl() {
    if (m_hwnd != nullptr) RemoveWindowSubclass(m_hwnd, &ChartControl::SubclassProc, kSubclassId);
}

void ChartControl::Attach(HWND control) {
    m_hwnd = control;
    m_tracking = false;
    m_readout.clear();
    SetWindowSubclass(control, &ChartControl::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void ChartControl::SetDrawing(std::shared_ptr<const draw::Chart> drawing) {
    m_drawing = std::move(drawing);
    m_readout.clear();  // of the old drawing; the next move reads the new one
    if (m_hwnd != nullptr) InvalidateRect(m_hwnd, nullptr, FALSE);
}

// Painted off screen and copied in one go, so that a moving readout does not
// flicker the chart under it.
void ChartControl::Paint(HDC dc, const RECT& rect) const {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT all{0, 0, width, height};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (m_drawing) {
        const double scale = Scale();
        const RECT local{0, 0, Round(width / scale), Round(height / scale)};
        SetGraphicsMode(memory, GM_ADVANCED);
        const XFORM transform{static_cast<FLOAT>(scale), 0.0F, 0.0F, static_cast<FLOAT>(scale), 0.0F, 0.0F};
        SetWorldTransform(memory, &transform);
        PaintChart(memory, *m_drawing, 0, 0, local.right, local.bottom, false, IsWindowEnabled(m_hwnd) == FALSE);
        if (!m_readout.empty()) PaintReadout(memory, *m_drawing, m_readout, local);
        ModifyWorldTransform(memory, nullptr, MWT_IDENTITY);  // the copy below is in pixels
    }
    BitBlt(dc, rect.left, rect.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

// As the dialog's text grows: its font's height here over its height at
// 96 dpi, which keeps the chart's layout at its size at 100 %, since the
// dialog's units grow by the same.
double ChartControl::Scale() const {
    HDC dc = GetDC(m_hwnd);
    if (dc == nullptr) return 1.0;
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    const auto height = [dc](const LOGFONTW& logFont) {
        HFONT font = CreateFontIndirectW(&logFont);
        HGDIOBJ old = SelectObject(dc, font);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        DeleteObject(font);
        return metrics.tmHeight;
    };
    double scale = 1.0;
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(GetParent(m_hwnd), WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    if (dpi > 96 && font != nullptr && GetObjectW(font, sizeof logFont, &logFont) != 0) {
        const LONG here = height(logFont);
        logFont.lfHeight = MulDiv(logFont.lfHeight, 96, dpi);
        const LONG at96 = height(logFont);
        if (at96 > 0 && here > at96) scale = static_cast<double>(here) / at96;
    }
    ReleaseDC(m_hwnd, dc);
    return scale;
}

LRESULT CALLBACK ChartControl::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                            DWORD_PTR self) {
    auto* chart = reinterpret_cast<ChartControl*>(self);
    switch (message) {
        case WM_NCHITTEST:
            // A STATIC is transparent to the mouse unless it notifies; the
            // chart wants the moves without sending its dialog commands.
            return HTCLIENT;
        case WM_MOUSEMOVE:
            if (!chart->m_tracking) {
                TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
                chart->m_tracking = TrackMouseEvent(&track) != FALSE;
            }
            chart->PointerAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSELEAVE:
            chart->m_tracking = false;
            chart->SetReadout({});
            return 0;
        case WM_ENABLE:
            // Greyed out, it takes no pointer, so a readout left on it would stay.
            chart->m_readout.clear();
            InvalidateRect(hwnd, nullptr, FALSE);
            break;
        case WM_ERASEBKGND:
            return TRUE;  // the paint covers every pixel
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &ChartControl::SubclassProc, kSubclassId);
            chart->m_hwnd = nullptr;
            chart->m_tracking = false;
            chart->m_readout.clear();
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The same mapping as the painter's, from the same client rectangle.
void ChartControl::PointerAt(int x, int y) {
    std::string readout;
    if (m_drawing) {
        RECT client{};
        GetClientRect(m_hwnd, &client);
        const double scale = Scale();
        const draw::ChartMapping map =
            draw::FitChart(m_drawing->box, Round(client.right / scale), Round(client.bottom / scale));
        const double cx = x / scale;
        const double cy = y / scale;
        if (map.Inside(cx, cy)) readout = draw::ChartReadout(*m_drawing, map.ToChart(cx, cy));
    }
    SetReadout(readout);
}

void ChartControl::SetReadout(const std::string& readout) {
    if (readout == m_readout) return;
    m_readout = readout;
    if (m_hwnd != nullptr) InvalidateRect(m_hwnd, nullptr, FALSE);
}

bool SaveChartPicture(const draw::Chart& chart, const std::string& path) {
    if (!EndsWithPng(path)) return false;
    constexpr int kWidth = kPictureWidth * kPictureScale;
    constexpr int kHeight = kPictureHeight * kPictureScale;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;  // top row first, as PNG has it
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr) {
        DeleteDC(dc);
        return false;
    }
    HGDIOBJ old = SelectObject(dc, bitmap);
    // The world transform scales pens, fonts and the clip alike.
    SetGraphicsMode(dc, GM_ADVANCED);
    const XFORM scale{static_cast<FLOAT>(kPictureScale), 0.0F, 0.0F, static_cast<FLOAT>(kPictureScale), 0.0F, 0.0F};
    SetWorldTransform(dc, &scale);
    PaintChart(dc, chart, 0, 0, kPictureWidth, kPictureHeight, true);
    GdiFlush();
    // The section's pixels are blue, green, red and a spare byte.
    const auto* bgrx = static_cast<const std::uint8_t*>(bits);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
    for (std::size_t i = 0, n = static_cast<std::size_t>(kWidth) * kHeight; i < n; ++i) {
        rgb[i * 3] = bgrx[i * 4 + 2];
        rgb[i * 3 + 1] = bgrx[i * 4 + 1];
        rgb[i * 3 + 2] = bgrx[i * 4];
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return WriteFileReplacing(path, draw::EncodePng(kWidth, kHeight, rgb.data(), static_cast<std::size_t>(kWidth) * 3));
}

}  // namespace ui::win32
