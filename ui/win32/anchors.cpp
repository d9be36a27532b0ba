#include "ui/win32/anchors.h"

#include <algorithm>

#include "res/dialog_anchors.h"

namespace ui::win32 {

void Anchors::Attach(HWND dialog, const res::DialogTemplate& dialogTemplate, const std::vector<HWND>& controls) {
    Detach();
    if ((dialogTemplate.style & res::kThickFrame) == 0) return;
    m_dialog = dialog;
    RECT client{};
    GetClientRect(dialog, &client);
    m_initialClient = {client.right - client.left, client.bottom - client.top};
    RECT window{};
    GetWindowRect(dialog, &window);
    m_initialWindow = {window.right - window.left, window.bottom - window.top};
    m_least = m_initialWindow;
    std::size_t index = 0;
    for (const res::ControlTemplate& control : dialogTemplate) {
        HWND child = controls[index++];
        const unsigned anchors = res::ControlAnchors(dialogTemplate.id, control);
        if (anchors == 0) continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        m_placed.push_back({child, rect, anchors});
    }
}

void Anchors::Detach() {
    m_dialog = nullptr;
    m_placed.clear();
}

void Anchors::Resize() {
    if (m_dialog == nullptr || IsIconic(m_dialog)) return;
    RECT client{};
    GetClientRect(m_dialog, &client);
    const int dx = (client.right - client.left) - m_initialClient.cx;
    const int dy = (client.bottom - client.top) - m_initialClient.cy;
    HDWP moves = BeginDeferWindowPos(static_cast<int>(m_placed.size()));
    for (const Placed& placed : m_placed) {
        const RECT& r = placed.initial;
        const res::AnchoredRect at =
            res::Anchored({r.left, r.top, r.right - r.left, r.bottom - r.top}, placed.anchors, dx, dy);
        if (moves != nullptr) {
            moves = DeferWindowPos(moves, placed.control, nullptr, at.x, at.y, at.width, at.height,
                                   SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (moves != nullptr) EndDeferWindowPos(moves);
    // The owner-drawn chart and the stretched texts draw at their new size,
    // and the background where controls stood is erased.
    RedrawWindow(m_dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Anchors::Limit(MINMAXINFO& info) const {
    if (m_dialog == nullptr) return false;
    info.ptMinTrackSize.x = m_least.cx;
    info.ptMinTrackSize.y = m_least.cy;
    return true;
}

void Anchors::CapLeast(SIZE most) {
    m_least.cx = std::min(m_least.cx, most.cx);
    m_least.cy = std::min(m_least.cy, most.cy);
}

}  // namespace ui::win32
