#pragma once

#include <cstddef>

#include "res/menu_bar.h"

namespace res {

// Control id of a control that has none (the resource compiler's IDC_STATIC).
constexpr int kNoId = -1;

// A chart shows a drawing list that the dialog sets (DialogWindow::SetControlDrawing).
// A grid is a table whose columns and rows the dialog sets at run time
// (DialogWindow::GridSetColumns); with kReadOnly the user only reads and
// selects rows, otherwise edits its cells in place.
enum class ControlKind { Edit, List, Static, Button, Frame, Icon, Chart, Grid };

// The control styles that the program's behaviour or look depends on.
enum ControlStyle : unsigned {
    kTabStop = 1u << 0,
    kGroup = 1u << 1,
    kBorder = 1u << 2,
    kDefaultButton = 1u << 3,
    kReadOnly = 1u << 4,
    kAutoHScroll = 1u << 5,
    kNotify = 1u << 6,
    kSort = 1u << 7,
    kVScroll = 1u << 8,
    kNoIntegralHeight = 1u << 9,
    kNoPrefix = 1u << 10,
    kLeftAligned = 1u << 11,
    // A list that shows only its choice and drops down to choose another;
    // its height in the template is the closed control's.
    kDropDown = 1u << 12,
};

enum DialogStyle : unsigned {
    kPopup = 1u << 0,
    kVisible = 1u << 1,
    kCaption = 1u << 2,
    kSysMenu = 1u << 3,
    kMinimizeBox = 1u << 4,
    kMaximizeBox = 1u << 5,
    kModalFrame = 1u << 6,
    kAppWindow = 1u << 7,   // extended style: shown in the task bar
    kThickFrame = 1u << 8,  // the user may resize the window (res/dialog_anchors.h)
};

// Position and size are in dialog units. For an icon control the text is
// unused and iconId names the icon resource.
struct ControlTemplate {
    int id;
    ControlKind kind;
    unsigned style;
    int x, y, cx, cy;
    const char* text;
    int iconId;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int cx, cy;
    const char* fontName;
    int pointSize;
    unsigned style;
    const ControlTemplate* controls;
    std::size_t controlCount;
    const MenuBar* menu = nullptr;  // a document window's menu bar; dialogs have none

    const ControlTemplate* begin() const { return controls; }
    const ControlTemplate* end() const { return controls + controlCount; }
    const ControlTemplate* Find(int controlId) const;
};

// nullptr when the program has no template of that id.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace res
