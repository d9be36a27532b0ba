#pragma once

#include <windows.h>

#include <vector>

#include "res/dialog_template.h"

// A resizable dialog's controls following its edges (res/dialog_anchors.h):
// each anchored control from the rectangle it had as the dialog opened plus
// how much the client area has grown since, so that sizing back and forth
// never drifts; and the opening size as the least the window may be.
namespace ui::win32 {

class Anchors {
public:
    // Once the dialog manager has made the controls, in template order; does
    // nothing for a template without a sizing frame.
    void Attach(HWND dialog, const res::DialogTemplate& dialogTemplate, const std::vector<HWND>& controls);
    void Detach();
    // WM_SIZE: moves the anchored controls and repaints what moved.
    void Resize();
    // WM_GETMINMAXINFO: false when the dialog is not resizable.
    bool Limit(MINMAXINFO& info) const;
    // A work area smaller than the opening size bounds the least size too.
    void CapLeast(SIZE most);

private:
    struct Placed {
        HWND control;
        RECT initial;  // in the dialog's client coordinates
        unsigned anchors;
    };
    HWND m_dialog = nullptr;
    SIZE m_initialClient{};
    SIZE m_initialWindow{};
    SIZE m_least{};
    std::vector<Placed> m_placed;
};

}  // namespace ui::win32
