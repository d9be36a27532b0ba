#pragma once

#include <set>

#include <windows.h>

// The edits a dialog has marked as not reading: painted on a light red
// background, which the dialog hands out in WM_CTLCOLOREDIT.
namespace ui::win32 {

class ControlMarks {
public:
    ControlMarks() = default;
    ~ControlMarks();
    ControlMarks(const ControlMarks&) = delete;
    ControlMarks& operator=(const ControlMarks&) = delete;

    // Marks or unmarks the control of that id, repainting it when that
    // changes what it shows (control may be nullptr before the window exists).
    void Mark(int id, HWND control, bool marked);
    bool IsMarked(int id) const { return m_marked.count(id) != 0; }

    // The answer to WM_CTLCOLOREDIT: the marked background's brush for a
    // marked edit, with the device context set to match; nullptr for any
    // other, which leaves the platform's colours.
    HBRUSH ColourEdit(HDC dc, HWND edit);

    static constexpr COLORREF kBackground = RGB(255, 214, 214);
    // A grid cell that reads but warns.
    static constexpr COLORREF kWarningBackground = RGB(255, 236, 170);

private:
    std::set<int> m_marked;
    HBRUSH m_brush = nullptr;  // made when first needed
};

}  // namespace ui::win32
