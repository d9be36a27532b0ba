#include "res/accessible_names.h"

#include "res/dialog_template.h"
#include "res/main_menu_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"

namespace res {
namespace {

namespace ps = pure_sine;
namespace ss = sine_sweep;

// The pure sine result boxes are named in their own table with the rest of
// what each box is (puresine/pure_sine_results.h); the dialog gives those
// names to the backend.
constexpr AccessibleName kNames[] = {
    {IDD_MAIN_MENU, main_menu::IDC_ANALYSIS_LIST, "Select Analysis", kNoId, ""},

    {IDD_PURE_SINE, ps::IDC_TYPE, "Select Type", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DIMENSION, "Select Input Dimension", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_AMPLITUDE, "Input amplitude", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_AMPLITUDE_UNIT, "Amplitude unit", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_FREQUENCY, "Frequency", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_FREQUENCY_UNIT, "Frequency unit", kNoId, ""},

    {IDD_SINE_SWEEP, ss::IDC_ANALYSIS, "Select Analysis", kNoId, ""},
    {IDD_SINE_SWEEP, ss::IDC_INPUT_LIST, "Input choice", ss::IDC_HEADING, ""},
    {IDD_SINE_SWEEP, ss::IDC_INPUT1, "First input", ss::IDC_LABEL1, ""},
    {IDD_SINE_SWEEP, ss::IDC_INPUT2, "Second frequency", ss::IDC_LABEL1, " 2"},
    {IDD_SINE_SWEEP, ss::IDC_INPUT3, "Third input", ss::IDC_LABEL3, ""},
    {IDD_SINE_SWEEP, ss::IDC_OUTPUT1, "Output, first row", kNoId, ""},
    {IDD_SINE_SWEEP, ss::IDC_OUTPUT2, "Output, second row", kNoId, ""},
    {IDD_SINE_SWEEP, ss::IDC_OUTPUT3, "Output, third row", kNoId, ""},
    {IDD_SINE_SWEEP, ss::IDC_OUTPUT4, "Output, fourth row", kNoId, ""},
};

}  // namespace

const AccessibleName* FindAccessibleName(int dialogId, int controlId) {
    for (const AccessibleName& entry : kNames) {
        if (entry.dialogId == dialogId && entry.controlId == controlId) return &entry;
    }
    return nullptr;
}

}  // namespace res
