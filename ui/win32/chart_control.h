#pragma once

#include "draw/drawing.h"

#include <windows.h>

#include <memory>
#include <string>

// A chart control: the owner-drawn STATIC that shows a drawing, with a
// readout of the four quantities under the pointer while it is over the
// plot. The dialog keeps one per chart id, for as long as the dialog lives;
// the window is attached to it while the dialog runs.
namespace ui::win32 {

class ChartControl {
public:
    ChartControl() = default;
    ChartControl(const ChartControl&) = delete;
    ChartControl& operator=(const ChartControl&) = delete;
    ~ChartControl();

    // Subclasses the control so that it hears the mouse; it lets go when
    // the window is destroyed.
    void Attach(HWND control);
    void SetDrawing(std::shared_ptr<const draw::Chart> drawing);
    const std::shared_ptr<const draw::Chart>& Drawing() const { return m_drawing; }
    // What the readout says; empty when the pointer is not over the plot.
    const std::string& Readout() const { return m_readout; }
    // The chart and its readout into the rectangle, for WM_DRAWITEM.
    void Paint(HDC dc, const RECT& rect) const;
    // Screen pixels per chart pixel: the window's DPI over 96, so that the
    // labels, lines and markers grow with the dialog's text. The chart is
    // laid out on the client size divided by it.
    double Scale() const;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    void PointerAt(int x, int y);
    void SetReadout(const std::string& readout);

    HWND m_hwnd = nullptr;
    std::shared_ptr<const draw::Chart> m_drawing;
    std::string m_readout;
    bool m_tracking = false;  // a WM_MOUSELEAVE is asked for
};

// Writes the chart to a picture file of the kind its extension names: PNG
// only here. False when it cannot, the file left as it was.
bool SaveChartPicture(const draw::Chart& chart, const std::string& path);

}  // namespace ui::win32
