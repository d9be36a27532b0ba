#include "res/dialog_anchors.h"

#include <cstring>

#include "res/planner_ids.h"
#include "res/resource_ids.h"

namespace res {
namespace {

struct AnchorEntry {
    int dialogId;
    int controlId;
    const char* text;  // for a control without an id
    unsigned anchors;
};

namespace pl = planner_dlg;
constexpr unsigned kBottom = kMoveDown;
constexpr unsigned kBottomWide = kMoveDown | kGrowRight;

// The planner: the chart takes all the room the window gains; what lies
// below it moves down with the bottom edge and stretches rightwards; the
// plan's inputs in the left column stay where they are.
constexpr AnchorEntry kAnchors[] = {
    {IDD_PLANNER, pl::IDC_CHART, nullptr, kGrowRight | kGrowDown},
    {IDD_PLANNER, pl::IDC_RESULTS, nullptr, kBottomWide},
    {IDD_PLANNER, kNoId, "Queries", kBottomWide},
    {IDD_PLANNER, kNoId, "Time", kBottom},
    {IDD_PLANNER, pl::IDC_QUERY_TIME, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Frequency", kBottom},
    {IDD_PLANNER, pl::IDC_QUERY_FREQUENCY, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Resonance", kBottom},
    {IDD_PLANNER, pl::IDC_QUERY_RESONANCE, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Q", kBottom},
    {IDD_PLANNER, pl::IDC_QUERY_Q, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_QUERY_ANSWERS, nullptr, kBottomWide},
    {IDD_PLANNER, pl::IDC_STATUS, nullptr, kBottomWide},
};

bool Names(const AnchorEntry& entry, const ControlTemplate& control) {
    if (entry.controlId != kNoId) return entry.controlId == control.id;
    return control.id == kNoId && control.text != nullptr && std::strcmp(entry.text, control.text) == 0;
}

}  // namespace

unsigned ControlAnchors(int dialogId, const ControlTemplate& control) {
    for (const AnchorEntry& entry : kAnchors) {
        if (entry.dialogId == dialogId && Names(entry, control)) return entry.anchors;
    }
    return 0;
}

AnchoredRect Anchored(AnchoredRect initial, unsigned anchors, int dx, int dy) {
    if ((anchors & kMoveRight) != 0) initial.x += dx;
    if ((anchors & kGrowRight) != 0) initial.width += dx;
    if ((anchors & kMoveDown) != 0) initial.y += dy;
    if ((anchors & kGrowDown) != 0) initial.height += dy;
    return initial;
}

}  // namespace res
