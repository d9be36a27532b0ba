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

// The result grid keeps its place for rotation, where the first two rows of
// each column show radians and degrees instead: those names say both.
constexpr AccessibleName kNames[] = {
    {IDD_MAIN_MENU, main_menu::IDC_ANALYSIS_LIST, "Select Analysis", kNoId, ""},

    {IDD_PURE_SINE, ps::IDC_TYPE, "Select Type", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DIMENSION, "Select Input Dimension", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_AMPLITUDE, "Input amplitude", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_AMPLITUDE_UNIT, "Amplitude unit", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_FREQUENCY, "Frequency", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_FREQUENCY_UNIT, "Frequency unit", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_ZP_MM, "Displacement zero-to-peak, millimetres or radians", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_ZP_MICRONS, "Displacement zero-to-peak, microns", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_ZP_IN, "Displacement zero-to-peak, inches or degrees", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_ZP_MILS, "Displacement zero-to-peak, mils", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_ZP_UIN, "Displacement zero-to-peak, micro inches", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_PP_MM, "Displacement peak-to-peak, millimetres or radians", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_PP_MICRONS, "Displacement peak-to-peak, microns", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_PP_IN, "Displacement peak-to-peak, inches or degrees", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_PP_MILS, "Displacement peak-to-peak, mils", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DISP_PP_UIN, "Displacement peak-to-peak, micro inches", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_VEL_M, "Velocity zero-to-peak, metres per second or radians per second", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_VEL_MM, "Velocity zero-to-peak, millimetres per second or degrees per second", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_VEL_MICRONS, "Velocity zero-to-peak, microns per second", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_VEL_IN, "Velocity zero-to-peak, inches per second", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_VEL_MILS, "Velocity zero-to-peak, mils per second", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_VEL_UIN, "Velocity zero-to-peak, micro inches per second", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_ACC_M, "Acceleration zero-to-peak, metres per second squared or radians per second squared",
     kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_ACC_MM,
     "Acceleration zero-to-peak, millimetres per second squared or degrees per second squared", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_ACC_IN, "Acceleration zero-to-peak, inches per second squared", kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_ACC_G, "Acceleration zero-to-peak, G", kNoId, ""},

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
