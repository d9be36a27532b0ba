#include "res/dialog_anchors.h"

#include <cstring>

#include "lang/tr.h"
#include "res/lab_ids.h"
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
namespace lb = lab_dlg;
constexpr unsigned kBottom = kMoveDown;
constexpr unsigned kBottomWide = kMoveDown | kGrowRight;

// The planner: the chart takes all the room the window gains; what lies
// below it (Which shaker?, the results, the queries) moves down with the
// bottom edge and its lists stretch rightwards. In the
// left column the profile's rows take the height gained, and what lies
// below them moves down.
constexpr AnchorEntry kAnchors[] = {
    {IDD_PLANNER, kNoId, "Profile", kGrowDown},
    {IDD_PLANNER, pl::IDC_PROFILE, nullptr, kGrowDown},
    {IDD_PLANNER, pl::IDC_ADD, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_REMOVE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_MOVE_UP, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_MOVE_DOWN, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Gravity", kBottom},
    {IDD_PLANNER, pl::IDC_GRAVITY, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_GRAVITY_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Sweep", kBottom},
    {IDD_PLANNER, pl::IDC_SWEEP_TYPE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_SWEEP_MODE, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Sweeps", kBottom},
    {IDD_PLANNER, pl::IDC_SWEEPS, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Axes", kBottom},
    {IDD_PLANNER, pl::IDC_AXES, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Rate or time per pass", kBottom},
    {IDD_PLANNER, pl::IDC_RATE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RATE_RESULT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Dwells", kBottom},
    {IDD_PLANNER, pl::IDC_DWELLS, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_ADD_DWELL, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_REMOVE_DWELL, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_DWELL_FREQUENCY_LABEL, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_DWELL_FREQUENCY, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Hz", kBottom},
    {IDD_PLANNER, pl::IDC_DWELL_TIME_LABEL, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_DWELL_TIME, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_DWELL_TIME_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Shaker", kBottom},
    {IDD_PLANNER, kNoId, "Rated force", kBottom},
    {IDD_PLANNER, pl::IDC_FORCE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_FORCE_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Usable part", kBottom},
    {IDD_PLANNER, pl::IDC_FRACTION, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Armature", kBottom},
    {IDD_PLANNER, pl::IDC_ARMATURE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_ARMATURE_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Expander", kBottom},
    {IDD_PLANNER, pl::IDC_EXPANDER, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_EXPANDER_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Fixture", kBottom},
    {IDD_PLANNER, pl::IDC_FIXTURE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_FIXTURE_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Specimen", kBottom},
    {IDD_PLANNER, pl::IDC_SPECIMEN, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_SPECIMEN_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Velocity", kBottom},
    {IDD_PLANNER, pl::IDC_VELOCITY_LIMIT, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_VELOCITY_LIMIT_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Acceleration", kBottom},
    {IDD_PLANNER, pl::IDC_ACCELERATION_LIMIT, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_ACCELERATION_LIMIT_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Stroke p-p", kBottom},
    {IDD_PLANNER, pl::IDC_STROKE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_STROKE_UNIT, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Sequence", kBottom},
    {IDD_PLANNER, pl::IDC_RUNS, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_ADD_RUN, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_REMOVE_RUN, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_MOVE_RUN_UP, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_MOVE_RUN_DOWN, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_KIND, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_TYPE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_MODE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_LABEL1, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_FIELD1, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_UNIT1, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_LABEL2, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_FIELD2, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_UNIT2, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_LABEL3, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_FIELD3, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_UNIT3, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_LABEL4, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_FIELD4, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_UNIT4, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "Level", kBottom},
    {IDD_PLANNER, pl::IDC_RUN_LEVEL_SOURCE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_LEVEL, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_LEVEL_KIND, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RUN_LEVEL_UNIT, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_CHART, nullptr, kGrowRight | kGrowDown},
    {IDD_PLANNER, kNoId, "Which shaker?", kBottom},
    {IDD_PLANNER, kNoId, "With expander", kBottom},
    {IDD_PLANNER, pl::IDC_LAB_EXPANDER, nullptr, kBottom},
    {IDD_PLANNER, kNoId, "and fixture", kBottom},
    {IDD_PLANNER, pl::IDC_LAB_FIXTURE, nullptr, kBottom},
    {IDD_PLANNER, pl::IDC_RANKING, nullptr, kBottomWide},
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
    // The equipment library: the lists take the height gained, and the
    // chosen item's fields below them move down; the library's own fields
    // along the top stay where they are.
    {IDD_LAB, kNoId, "Shakers", kGrowDown},
    {IDD_LAB, kNoId, "Expanders and slip tables", kGrowDown},
    {IDD_LAB, kNoId, "Fixtures", kGrowDown},
    {IDD_LAB, lb::IDC_SHAKERS, nullptr, kGrowDown},
    {IDD_LAB, lb::IDC_EXPANDERS, nullptr, kGrowDown},
    {IDD_LAB, lb::IDC_FIXTURES, nullptr, kGrowDown},
    {IDD_LAB, lb::IDC_ADD_SHAKER, nullptr, kBottom},
    {IDD_LAB, lb::IDC_REMOVE_SHAKER, nullptr, kBottom},
    {IDD_LAB, lb::IDC_DUPLICATE_SHAKER, nullptr, kBottom},
    {IDD_LAB, lb::IDC_SHAKER_NAME, nullptr, kBottom},
    {IDD_LAB, lb::IDC_RATED_FORCE, nullptr, kBottom},
    {IDD_LAB, lb::IDC_STROKE, nullptr, kBottom},
    {IDD_LAB, lb::IDC_VELOCITY, nullptr, kBottom},
    {IDD_LAB, lb::IDC_ACCELERATION, nullptr, kBottom},
    {IDD_LAB, lb::IDC_ARMATURE, nullptr, kBottom},
    {IDD_LAB, lb::IDC_MAX_PAYLOAD, nullptr, kBottom},
    {IDD_LAB, lb::IDC_LOWEST_FREQUENCY, nullptr, kBottom},
    {IDD_LAB, lb::IDC_HIGHEST_FREQUENCY, nullptr, kBottom},
    {IDD_LAB, lb::IDC_RATED_FORCE_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_STROKE_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_VELOCITY_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_ACCELERATION_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_ARMATURE_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_MAX_PAYLOAD_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_LOWEST_FREQUENCY_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_HIGHEST_FREQUENCY_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_ADD_EXPANDER, nullptr, kBottom},
    {IDD_LAB, lb::IDC_REMOVE_EXPANDER, nullptr, kBottom},
    {IDD_LAB, lb::IDC_DUPLICATE_EXPANDER, nullptr, kBottom},
    {IDD_LAB, lb::IDC_EXPANDER_NAME, nullptr, kBottom},
    {IDD_LAB, lb::IDC_EXPANDER_KIND, nullptr, kBottom},
    {IDD_LAB, lb::IDC_EXPANDER_MASS, nullptr, kBottom},
    {IDD_LAB, lb::IDC_EXPANDER_RESONANCE, nullptr, kBottom},
    {IDD_LAB, lb::IDC_EXPANDER_MASS_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_EXPANDER_RESONANCE_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_ADD_FIXTURE, nullptr, kBottom},
    {IDD_LAB, lb::IDC_REMOVE_FIXTURE, nullptr, kBottom},
    {IDD_LAB, lb::IDC_DUPLICATE_FIXTURE, nullptr, kBottom},
    {IDD_LAB, lb::IDC_FIXTURE_NAME, nullptr, kBottom},
    {IDD_LAB, lb::IDC_FIXTURE_MASS, nullptr, kBottom},
    {IDD_LAB, lb::IDC_FIXTURE_RESONANCE, nullptr, kBottom},
    {IDD_LAB, lb::IDC_FIXTURE_MASS_UNIT, nullptr, kBottom},
    {IDD_LAB, lb::IDC_FIXTURE_RESONANCE_UNIT, nullptr, kBottom},
    {IDD_LAB, kNoId, "Name", kBottom},
    {IDD_LAB, kNoId, "Rated force", kBottom},
    {IDD_LAB, kNoId, "Stroke p-p", kBottom},
    {IDD_LAB, kNoId, "Velocity", kBottom},
    {IDD_LAB, kNoId, "Acceleration", kBottom},
    {IDD_LAB, kNoId, "Armature mass", kBottom},
    {IDD_LAB, kNoId, "Max payload", kBottom},
    {IDD_LAB, kNoId, "Lowest frequency", kBottom},
    {IDD_LAB, kNoId, "Highest frequency", kBottom},
    {IDD_LAB, kNoId, "Kind", kBottom},
    {IDD_LAB, kNoId, "Mass", kBottom},
    {IDD_LAB, kNoId, "First resonance", kBottom},
    {IDD_LAB, lb::IDC_STATUS, nullptr, kBottomWide},
    {IDD_LAB, lb::IDC_OPEN, nullptr, kBottom},
    {IDD_LAB, lb::IDC_SAVE, nullptr, kBottom},
    {IDD_LAB, lb::IDC_SAVE_AS, nullptr, kBottom},
    {IDD_LAB, lb::IDC_CLOSE, nullptr, kMoveDown | kMoveRight},
};

// A control without an id is named by its English text: the template's own
// control of that text at the same height, shown in English or translated (a
// translated template keeps every control's height; two texts may have one
// translation, "velocity" and "Velocity", or a translation may be another
// English text, "Library name" and "Name").
bool Names(int dialogId, const AnchorEntry& entry, const ControlTemplate& control) {
    if (entry.controlId != kNoId) return entry.controlId == control.id;
    if (control.id != kNoId || control.text == nullptr) return false;
    if (std::strcmp(entry.text, control.text) != 0 && std::strcmp(lang::Tr(entry.text), control.text) != 0)
        return false;
    const DialogTemplate* english = FindDialogTemplate(dialogId);
    if (english == nullptr) return false;
    for (const ControlTemplate& c : *english) {
        if (c.id == kNoId && c.kind == control.kind && c.y == control.y && c.text != nullptr &&
            std::strcmp(c.text, entry.text) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

unsigned ControlAnchors(int dialogId, const ControlTemplate& control) {
    for (const AnchorEntry& entry : kAnchors) {
        if (entry.dialogId == dialogId && Names(dialogId, entry, control)) return entry.anchors;
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
