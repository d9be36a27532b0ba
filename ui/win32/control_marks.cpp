#include "ui/win32/control_marks.h"

namespace ui::win32 {

ControlMarks::~ControlMarks() {
    if (m_brush != nullptr) DeleteObject(m_brush);
}

void ControlMarks::Mark(int id, HWND control, bool marked) {
    const bool changed = marked ? m_marked.insert(id).second : m_marked.erase(id) != 0;
    if (changed && control != nullptr) InvalidateRect(control, nullptr, TRUE);
}

HBRUSH ControlMarks::ColourEdit(HDC dc, HWND edit) {
    if (!IsMarked(GetDlgCtrlID(edit))) return nullptr;
    if (m_brush == nullptr) m_brush = CreateSolidBrush(kBackground);
    // The text's own cells are painted with the background colour, the rest
    // of the edit with the brush: both the same light red.
    SetBkColor(dc, kBackground);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return m_brush;
}

}  // namespace ui::win32
