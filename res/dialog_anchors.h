#pragma once

#include "res/dialog_template.h"

// How the controls of a resizable dialog (kThickFrame) follow its edges as
// the user resizes it. A control without an entry keeps its place and size,
// anchored to the top-left corner.
namespace res {

enum Anchor : unsigned {
    kMoveRight = 1u << 0,  // left edge follows the window's right edge
    kGrowRight = 1u << 1,  // right edge follows it, the left stays
    kMoveDown = 1u << 2,   // top edge follows the window's bottom edge
    kGrowDown = 1u << 3,   // bottom edge follows it, the top stays
};

// A control as it stands at the template size and how much the window has
// grown; all in one unit (pixels or dialog units).
struct AnchoredRect {
    int x, y, width, height;
};

// The anchors of a control in that dialog: named by its id, or, for a
// control without one, by its text. 0 when the control is not listed.
unsigned ControlAnchors(int dialogId, const ControlTemplate& control);

// Where a control of those anchors stands once the window is dx, dy larger
// than its template size.
AnchoredRect Anchored(AnchoredRect initial, unsigned anchors, int dx, int dy);

}  // namespace res
