#include "res/dialog_template.h"

#include "lang/tr.h"
#include "res/lab_ids.h"
#include "res/main_menu_ids.h"
#include "res/new_template_ids.h"
#include "res/planner_ids.h"
#include "res/pure_sine_ids.h"
#include "res/recovery_ids.h"
#include "res/report_details_ids.h"
#include "res/resource_ids.h"
#include "res/save_template_ids.h"
#include "res/sine_sweep_ids.h"

namespace res {
namespace {

using K = ControlKind;

constexpr unsigned kListStyle = kNotify | kSort | kNoIntegralHeight | kVScroll | kBorder | kTabStop;
constexpr unsigned kInputEdit = kBorder | kAutoHScroll | kTabStop;
constexpr unsigned kResultEdit = kBorder | kAutoHScroll | kReadOnly | kTabStop;
constexpr unsigned kLabelEdit = kAutoHScroll | kReadOnly;

// Template order is tab order.
constexpr ControlTemplate kAboutControls[] = {
    {kNoId, K::Icon, 0, 11, 17, 20, 20, "", IDR_MAINFRAME},
    {kNoId, K::Static, kLeftAligned | kNoPrefix | kGroup, 40, 10, 119, 8, N_("Halvex Version 2.0"), 0},
    {kNoId, K::Static, kLeftAligned | kGroup, 40, 25, 119, 8, N_("Copyright (C) 2026 the Halvex team"), 0},
    {IDOK, K::Button, kDefaultButton | kGroup | kTabStop, 178, 7, 32, 14, N_("OK"), 0},
};

constexpr ControlTemplate kMainMenuControls[] = {
    {IDCANCEL, K::Button, kTabStop, 129, 70, 55, 14, N_("Exit"), 0},
    {kNoId, K::Frame, 0, 17, 19, 97, 66, N_("Select Analysis"), 0},
    {main_menu::IDC_ANALYSIS_LIST, K::List, kListStyle, 33, 35, 63, 40, "", 0},
    {kNoId, K::Frame, 0, 129, 23, 88, 26, "", 0},
    {kNoId, K::Static, kLeftAligned | kGroup, 141, 34, 64, 8, N_("Halvex team"), 0},
};

namespace ps = pure_sine;
constexpr ControlTemplate kPureSineControls[] = {
    {IDOK, K::Button, kDefaultButton | kTabStop, 85, 326, 109, 17, N_("Calculate"), 0},
    {IDCANCEL, K::Button, kTabStop, 206, 327, 102, 16, N_("Return to Main Menu"), 0},
    {ps::IDC_AMPLITUDE_FRAME, K::Frame, 0, 7, 84, 141, 83, N_("Enter Input Amplitude and Select Unit"), 0},
    {ps::IDC_AMPLITUDE_UNIT, K::List, kListStyle, 74, 101, 67, 59, "", 0},
    {ps::IDC_TYPE_FRAME, K::Frame, 0, 7, 7, 139, 67, N_("Select Type"), 0},
    {ps::IDC_TYPE, K::List, kListStyle, 28, 23, 57, 40, "", 0},
    {ps::IDC_DIMENSION_FRAME, K::Frame, 0, 157, 7, 128, 66, N_("Select Input Dimension"), 0},
    {ps::IDC_DIMENSION, K::List, kListStyle, 175, 23, 93, 40, "", 0},
    {ps::IDC_FREQUENCY_FRAME, K::Frame, 0, 155, 87, 158, 80, N_("Enter Frequency and Select Unit"), 0},
    {ps::IDC_FREQUENCY_UNIT, K::List, kListStyle, 226, 102, 78, 40, "", 0},
    {ps::IDC_AMPLITUDE, K::Edit, kInputEdit, 13, 102, 55, 14, "", 0},
    {ps::IDC_FREQUENCY, K::Edit, kInputEdit, 164, 102, 53, 14, "", 0},
    {ps::IDC_OUTPUT_FRAME, K::Frame, 0, 7, 174, 431, 139, N_("Output"), 0},
    {ps::IDC_CAPTION_DISP_PP, K::Static, kLeftAligned, 119, 185, 76, 10, N_("Disp (peak-to-peak)"), 0},
    {ps::IDC_CAPTION_VELOCITY, K::Static, kLeftAligned, 218, 186, 79, 8, N_("Velocity (zero-to-peak)"), 0},
    {ps::IDC_CAPTION_ACCELERATION, K::Static, kLeftAligned, 331, 186, 91, 8, N_("Acceleration (zero-to-peak)"), 0},
    {ps::IDC_DISP_PP_MM, K::Edit, kResultEdit, 116, 200, 84, 14, "", 0},
    {ps::IDC_DISP_ZP_MM, K::Edit, kResultEdit, 19, 200, 85, 14, "", 0},
    {ps::IDC_DISP_PP_IN, K::Edit, kResultEdit, 115, 236, 85, 14, "", 0},
    {ps::IDC_DISP_ZP_IN, K::Edit, kResultEdit, 19, 236, 85, 14, "", 0},
    {ps::IDC_VEL_M, K::Edit, kResultEdit, 210, 200, 107, 14, "", 0},
    {ps::IDC_VEL_MM, K::Edit, kResultEdit, 210, 218, 108, 14, "", 0},
    {ps::IDC_VEL_MICRONS, K::Edit, kResultEdit, 210, 235, 108, 14, "", 0},
    {ps::IDC_VEL_IN, K::Edit, kResultEdit, 211, 257, 107, 14, "", 0},
    {ps::IDC_ACC_M, K::Edit, kResultEdit, 329, 198, 100, 14, "", 0},
    {ps::IDC_ACC_MM, K::Edit, kResultEdit, 329, 216, 101, 14, "", 0},
    {ps::IDC_ACC_IN, K::Edit, kResultEdit, 329, 233, 101, 14, "", 0},
    {ps::IDC_ACC_G, K::Edit, kResultEdit, 329, 251, 102, 14, "", 0},
    {kNoId, K::Frame, 0, 298, 7, 76, 67, "", 0},
    {kNoId, K::Static, kLeftAligned, 306, 16, 60, 8, N_("Halvex team"), 0},
    {ps::IDC_CAPTION_DISP_ZP, K::Static, kLeftAligned, 30, 186, 67, 10, N_("Disp (zero-to-peak)"), 0},
    {ps::IDC_VEL_MILS, K::Edit, kResultEdit, 211, 276, 107, 14, "", 0},
    {ps::IDC_VEL_UIN, K::Edit, kResultEdit, 211, 295, 106, 14, "", 0},
    {ps::IDC_DISP_ZP_MILS, K::Edit, kResultEdit, 19, 258, 85, 14, "", 0},
    {ps::IDC_DISP_PP_MILS, K::Edit, kResultEdit, 115, 258, 85, 14, "", 0},
    {ps::IDC_DISP_ZP_UIN, K::Edit, kResultEdit, 19, 274, 85, 14, "", 0},
    {ps::IDC_DISP_PP_UIN, K::Edit, kResultEdit, 115, 274, 85, 14, "", 0},
    {ps::IDC_DISP_ZP_MICRONS, K::Edit, kResultEdit, 19, 217, 85, 14, "", 0},
    {ps::IDC_DISP_PP_MICRONS, K::Edit, kResultEdit, 116, 218, 85, 14, "", 0},
};

namespace ss = sine_sweep;
constexpr ControlTemplate kSineSweepControls[] = {
    {IDOK, K::Button, kDefaultButton | kTabStop, 163, 225, 107, 14, N_("Calculate"), 0},
    {IDCANCEL, K::Button, kTabStop, 162, 252, 105, 14, N_("Return to Main Menu"), 0},
    {ss::IDC_ANALYSIS_FRAME, K::Frame, 0, 7, 36, 133, 94, N_("Select Analysis"), 0},
    {ss::IDC_ANALYSIS, K::List, kListStyle, 21, 57, 97, 64, "", 0},
    {kNoId, K::Static, kLeftAligned, 14, 16, 64, 8, N_("Halvex team"), 0},
    {kNoId, K::Frame, 0, 7, 7, 133, 24, "", 0},
    {ss::IDC_INPUT_FRAME, K::Frame, 0, 154, 38, 214, 156, N_("Input"), 0},
    {ss::IDC_INPUT_LIST, K::List, kListStyle, 185, 68, 132, 43, "", 0},
    {ss::IDC_INPUT1, K::Edit, kInputEdit, 169, 158, 73, 14, "", 0},
    {ss::IDC_INPUT2, K::Edit, kInputEdit, 169, 172, 73, 14, "", 0},
    {ss::IDC_INPUT3, K::Edit, kInputEdit, 282, 158, 74, 14, "", 0},
    {ss::IDC_HEADING, K::Edit, kLabelEdit, 209, 53, 73, 12, "", 0},
    {ss::IDC_LABEL1, K::Edit, kLabelEdit, 169, 138, 71, 14, "", 0},
    {ss::IDC_LABEL3, K::Edit, kLabelEdit, 283, 139, 75, 14, "", 0},
    {ss::IDC_OUTPUT_FRAME, K::Frame, 0, 7, 149, 133, 113, N_("Output"), 0},
    // Wide enough for "disp = %12.3g in peak-to-peak" in the Windows font at 100 %.
    {ss::IDC_OUTPUT1, K::Edit, kInputEdit, 15, 167, 118, 17, "", 0},
    {ss::IDC_OUTPUT2, K::Edit, kInputEdit, 15, 193, 118, 17, "", 0},
    {ss::IDC_OUTPUT3, K::Edit, kInputEdit, 15, 216, 118, 17, "", 0},
    {ss::IDC_OUTPUT4, K::Edit, kInputEdit, 15, 239, 118, 17, "", 0},
    {ss::IDC_MARK1, K::Static, kLeftAligned, 245, 162, 8, 8, "1", 0},
    {ss::IDC_MARK2, K::Static, kLeftAligned, 245, 174, 8, 8, "2", 0},
};

// The planner: the profile, sweep, shaker and sequence on the left, the chart, the
// results and the queries on the right, the status line along the bottom;
// the files are on its menu bar.
namespace pl = planner_dlg;
constexpr unsigned kChoiceList = kNotify | kNoIntegralHeight | kVScroll | kBorder | kTabStop;
// Units and other short choices: one line, the rest dropped down.
constexpr unsigned kDropDownList = kDropDown | kVScroll | kTabStop;
constexpr unsigned kLabel = kLeftAligned | kNoPrefix;
constexpr ControlTemplate kPlannerControls[] = {
    {kNoId, K::Frame, 0, 7, 7, 212, 92, N_("Profile"), 0},
    {pl::IDC_PROFILE, K::Grid, kBorder | kTabStop, 13, 18, 200, 46, "", 0},
    {pl::IDC_ADD, K::Button, kTabStop, 13, 67, 45, 13, N_("Add"), 0},
    {pl::IDC_REMOVE, K::Button, kTabStop, 61, 67, 45, 13, N_("Remove"), 0},
    {pl::IDC_MOVE_UP, K::Button, kTabStop, 109, 67, 48, 13, N_("Move Up"), 0},
    {pl::IDC_MOVE_DOWN, K::Button, kTabStop, 160, 67, 53, 13, N_("Move Down"), 0},
    {kNoId, K::Static, kLabel, 13, 84, 28, 8, N_("Gravity"), 0},
    {pl::IDC_GRAVITY, K::Edit, kInputEdit, 43, 82, 40, 13, "", 0},
    {pl::IDC_GRAVITY_UNIT, K::List, kDropDownList, 85, 82, 44, 13, "", 0},
    {kNoId, K::Frame, 0, 7, 101, 212, 94, N_("Sweep"), 0},
    {pl::IDC_SWEEP_TYPE, K::List, kDropDownList, 13, 112, 36, 13, "", 0},
    {pl::IDC_SWEEP_MODE, K::List, kDropDownList, 52, 112, 48, 13, "", 0},
    {kNoId, K::Static, kLabel, 106, 114, 26, 8, N_("Sweeps"), 0},
    {pl::IDC_SWEEPS, K::Edit, kInputEdit, 133, 112, 24, 13, "", 0},
    {kNoId, K::Static, kLabel, 162, 114, 19, 8, N_("Axes"), 0},
    {pl::IDC_AXES, K::Edit, kInputEdit, 182, 112, 19, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 129, 80, 8, N_("Rate or time per pass"), 0},
    {pl::IDC_RATE, K::Edit, kInputEdit, 95, 127, 60, 13, "", 0},
    {pl::IDC_RATE_RESULT, K::Static, kLabel, 95, 142, 106, 8, "", 0},
    {kNoId, K::Static, kLabel, 13, 154, 28, 8, N_("Dwells"), 0},
    {pl::IDC_DWELLS, K::List, kChoiceList, 43, 152, 102, 25, "", 0},
    {pl::IDC_ADD_DWELL, K::Button, kTabStop, 150, 152, 51, 12, N_("Add Dwell"), 0},
    {pl::IDC_REMOVE_DWELL, K::Button, kTabStop, 150, 165, 51, 12, N_("Remove Dwell"), 0},
    {pl::IDC_DWELL_FREQUENCY_LABEL, K::Static, kLabel, 13, 181, 36, 8, N_("Frequency"), 0},
    {pl::IDC_DWELL_FREQUENCY, K::Edit, kInputEdit, 50, 179, 34, 13, "", 0},
    {kNoId, K::Static, kLabel, 86, 181, 10, 8, "Hz", 0},
    {pl::IDC_DWELL_TIME_LABEL, K::Static, kLabel, 101, 181, 18, 8, N_("Time"), 0},
    {pl::IDC_DWELL_TIME, K::Edit, kInputEdit, 120, 179, 36, 13, "", 0},
    {pl::IDC_DWELL_TIME_UNIT, K::List, kDropDownList, 158, 179, 30, 13, "", 0},
    {kNoId, K::Frame, 0, 7, 197, 212, 81, N_("Shaker"), 0},
    {kNoId, K::Static, kLabel, 13, 208, 54, 8, N_("Rated force"), 0},
    {pl::IDC_FORCE, K::Edit, kInputEdit, 13, 216, 26, 13, "", 0},
    {pl::IDC_FORCE_UNIT, K::List, kDropDownList, 40, 216, 26, 13, "", 0},
    {kNoId, K::Static, kLabel, 71, 208, 60, 8, N_("Usable part"), 0},
    {pl::IDC_FRACTION, K::Edit, kInputEdit, 71, 216, 26, 13, "", 0},
    {kNoId, K::Static, kLabel, 136, 208, 65, 8, N_("Stroke p-p"), 0},
    {pl::IDC_STROKE, K::Edit, kInputEdit, 136, 216, 25, 13, "", 0},
    {pl::IDC_STROKE_UNIT, K::List, kDropDownList, 162, 216, 43, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 231, 54, 8, N_("Armature"), 0},
    {pl::IDC_ARMATURE, K::Edit, kInputEdit, 13, 239, 26, 13, "", 0},
    {pl::IDC_ARMATURE_UNIT, K::List, kDropDownList, 40, 239, 26, 13, "", 0},
    {kNoId, K::Static, kLabel, 71, 231, 60, 8, N_("Expander"), 0},
    {pl::IDC_EXPANDER, K::Edit, kInputEdit, 71, 239, 26, 13, "", 0},
    {pl::IDC_EXPANDER_UNIT, K::List, kDropDownList, 98, 239, 33, 13, "", 0},
    {kNoId, K::Static, kLabel, 136, 231, 65, 8, N_("Fixture"), 0},
    {pl::IDC_FIXTURE, K::Edit, kInputEdit, 136, 239, 25, 13, "", 0},
    {pl::IDC_FIXTURE_UNIT, K::List, kDropDownList, 162, 239, 43, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 254, 54, 8, N_("Specimen"), 0},
    {pl::IDC_SPECIMEN, K::Edit, kInputEdit, 13, 262, 26, 13, "", 0},
    {pl::IDC_SPECIMEN_UNIT, K::List, kDropDownList, 40, 262, 26, 13, "", 0},
    {kNoId, K::Static, kLabel, 71, 254, 60, 8, N_("Velocity"), 0},
    {pl::IDC_VELOCITY_LIMIT, K::Edit, kInputEdit, 71, 262, 26, 13, "", 0},
    {pl::IDC_VELOCITY_LIMIT_UNIT, K::List, kDropDownList, 98, 262, 33, 13, "", 0},
    {kNoId, K::Static, kLabel, 136, 254, 65, 8, N_("Acceleration"), 0},
    {pl::IDC_ACCELERATION_LIMIT, K::Edit, kInputEdit, 136, 262, 25, 13, "", 0},
    {pl::IDC_ACCELERATION_LIMIT_UNIT, K::List, kDropDownList, 162, 262, 43, 13, "", 0},
    {kNoId, K::Frame, 0, 7, 280, 212, 114, N_("Sequence"), 0},
    {pl::IDC_RUNS, K::List, kChoiceList, 13, 291, 96, 55, "", 0},
    {pl::IDC_ADD_RUN, K::Button, kTabStop, 112, 291, 48, 13, N_("Add"), 0},
    {pl::IDC_REMOVE_RUN, K::Button, kTabStop, 163, 291, 50, 13, N_("Remove"), 0},
    {pl::IDC_MOVE_RUN_UP, K::Button, kTabStop, 112, 305, 48, 13, N_("Move Up"), 0},
    {pl::IDC_MOVE_RUN_DOWN, K::Button, kTabStop, 163, 305, 50, 13, N_("Move Down"), 0},
    {pl::IDC_RUN_KIND, K::List, kDropDownList, 112, 319, 101, 13, "", 0},
    {pl::IDC_RUN_TYPE, K::List, kDropDownList, 112, 333, 40, 13, "", 0},
    {pl::IDC_RUN_MODE, K::List, kDropDownList, 155, 333, 58, 13, "", 0},
    {pl::IDC_RUN_LABEL1, K::Static, kLabel, 13, 351, 22, 8, "", 0},
    {pl::IDC_RUN_FIELD1, K::Edit, kInputEdit, 36, 349, 32, 13, "", 0},
    {pl::IDC_RUN_UNIT1, K::List, kDropDownList, 69, 349, 40, 13, "", 0},
    {pl::IDC_RUN_LABEL2, K::Static, kLabel, 112, 351, 26, 8, "", 0},
    {pl::IDC_RUN_FIELD2, K::Edit, kInputEdit, 139, 349, 34, 13, "", 0},
    {pl::IDC_RUN_UNIT2, K::List, kDropDownList, 174, 349, 39, 13, "", 0},
    {pl::IDC_RUN_LABEL3, K::Static, kLabel, 13, 366, 22, 8, "", 0},
    {pl::IDC_RUN_FIELD3, K::Edit, kInputEdit, 36, 364, 32, 13, "", 0},
    {pl::IDC_RUN_UNIT3, K::List, kDropDownList, 69, 364, 40, 13, "", 0},
    {pl::IDC_RUN_LABEL4, K::Static, kLabel, 112, 366, 26, 8, "", 0},
    {pl::IDC_RUN_FIELD4, K::Edit, kInputEdit, 139, 364, 34, 13, "", 0},
    {pl::IDC_RUN_UNIT4, K::List, kDropDownList, 174, 364, 39, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 381, 22, 8, N_("Level"), 0},
    {pl::IDC_RUN_LEVEL_SOURCE, K::List, kDropDownList, 36, 379, 52, 13, "", 0},
    {pl::IDC_RUN_LEVEL, K::Edit, kInputEdit, 91, 379, 28, 13, "", 0},
    {pl::IDC_RUN_LEVEL_KIND, K::List, kDropDownList, 122, 379, 50, 13, "", 0},
    {pl::IDC_RUN_LEVEL_UNIT, K::List, kDropDownList, 174, 379, 39, 13, "", 0},
    {pl::IDC_CHART, K::Chart, kBorder, 226, 7, 345, 230, "", 0},
    {kNoId, K::Static, kLabel, 226, 243, 52, 8, N_("Which shaker?"), 0},
    {kNoId, K::Static, kLabel, 280, 243, 48, 8, N_("With expander"), 0},
    {pl::IDC_LAB_EXPANDER, K::List, kDropDownList, 329, 241, 88, 13, "", 0},
    {kNoId, K::Static, kLabel, 421, 243, 38, 8, N_("and fixture"), 0},
    {pl::IDC_LAB_FIXTURE, K::List, kDropDownList, 460, 241, 88, 13, "", 0},
    {pl::IDC_RANKING, K::Grid, kReadOnly | kBorder | kTabStop, 226, 256, 345, 40, "", 0},
    {pl::IDC_RESULTS, K::Grid, kReadOnly | kBorder | kTabStop, 226, 298, 345, 47, "", 0},
    {kNoId, K::Frame, 0, 226, 346, 345, 48, N_("Queries"), 0},
    {kNoId, K::Static, kLabel, 232, 357, 18, 8, N_("Time"), 0},
    {pl::IDC_QUERY_TIME, K::Edit, kInputEdit, 252, 355, 50, 13, "", 0},
    {kNoId, K::Static, kLabel, 309, 357, 34, 8, N_("Frequency"), 0},
    {pl::IDC_QUERY_FREQUENCY, K::Edit, kInputEdit, 344, 355, 45, 13, "", 0},
    {kNoId, K::Static, kLabel, 396, 357, 38, 8, N_("Resonance"), 0},
    {pl::IDC_QUERY_RESONANCE, K::Edit, kInputEdit, 435, 355, 45, 13, "", 0},
    {kNoId, K::Static, kLabel, 487, 357, 8, 8, "Q", 0},
    {pl::IDC_QUERY_Q, K::Edit, kInputEdit, 497, 355, 30, 13, "", 0},
    {pl::IDC_QUERY_ANSWERS, K::Static, kLabel, 232, 369, 333, 24, "", 0},
    {pl::IDC_STATUS, K::Static, kLabel, 7, 397, 564, 9, "", 0},
};

// The planner's menu bar.
constexpr MenuItem kPlannerFileMenu[] = {
    {pl::IDM_NEW, N_("&New"), "Ctrl+N", nullptr},
    {pl::IDM_NEW_FROM_TEMPLATE, N_("New from &Template..."), nullptr, nullptr},
    {pl::IDM_OPEN, N_("&Open..."), "Ctrl+O", nullptr},
    {pl::IDM_SAVE, N_("&Save"), "Ctrl+S", nullptr},
    {pl::IDM_SAVE_AS, N_("Save &As..."), "Ctrl+Shift+S", nullptr},
    {pl::IDM_SAVE_AS_TEMPLATE, N_("Save as Te&mplate..."), nullptr, nullptr},
    {0, nullptr, nullptr, nullptr},
    {pl::IDM_EXPORT_CHART, N_("Export &Chart..."), nullptr, nullptr},
    {pl::IDM_EXPORT_RESULTS, N_("Export &Results..."), nullptr, nullptr},
    {0, nullptr, nullptr, nullptr},
    {pl::IDM_REPORT_DETAILS, N_("Report &Details..."), nullptr, nullptr},
    {pl::IDM_EXPORT_REPORT, N_("E&xport Report..."), nullptr, nullptr},
    {pl::IDM_PRINT, N_("&Print..."), "Ctrl+P", nullptr},
    {0, nullptr, nullptr, nullptr},
    {pl::IDM_CLOSE, N_("&Close"), "Ctrl+W", nullptr},
};
constexpr MenuItem kPlannerEditMenu[] = {
    {pl::IDM_UNDO, N_("&Undo"), "Ctrl+Z", nullptr},
    {pl::IDM_REDO, N_("&Redo"), "Ctrl+Y", "Ctrl+Shift+Z"},
    {0, nullptr, nullptr, nullptr},
    {pl::IDM_PASTE_PROFILE, N_("&Paste Breakpoint Table"), nullptr, nullptr},
    {IDM_COPY_ALL_RESULTS, N_("&Copy All Results"), "Ctrl+Shift+C", nullptr},
    {0, nullptr, nullptr, nullptr},
    {pl::IDM_TAKE_LAB_FIGURES, N_("&Take Library Figures"), nullptr, nullptr},
};
constexpr MenuItem kPlannerToolsMenu[] = {
    {pl::IDM_EQUIPMENT_LIBRARY, N_("&Equipment Library..."), nullptr, nullptr},
};
constexpr MenuItem kPlannerHelpMenu[] = {
    {pl::IDM_MANUAL, N_("&Manual"), "F1", nullptr},
    {pl::IDM_ABOUT_PLANNER, N_("&About Sine Test Planner"), nullptr, nullptr},
};
template <std::size_t N>
constexpr MenuPopup MakePopup(const char* text, const MenuItem (&items)[N]) {
    return MenuPopup{text, items, N};
}
constexpr MenuPopup kPlannerPopups[] = {
    MakePopup(N_("&File"), kPlannerFileMenu),
    MakePopup(N_("&Edit"), kPlannerEditMenu),
    MakePopup(N_("&Tools"), kPlannerToolsMenu),
    MakePopup(N_("&Help"), kPlannerHelpMenu),
};
constexpr MenuBar kPlannerMenu{kPlannerPopups, sizeof(kPlannerPopups) / sizeof(kPlannerPopups[0])};

// The equipment library's editor: the library's own fields along the top, a
// column for each list below them with the chosen item's fields, the status
// line and the file's buttons along the bottom.
namespace lb = lab_dlg;
constexpr ControlTemplate kLabControls[] = {
    {kNoId, K::Frame, 0, 7, 4, 458, 50, N_("Library"), 0},
    {kNoId, K::Static, kLabel, 13, 18, 44, 8, N_("Library name"), 0},
    {lb::IDC_LAB_NAME, K::Edit, kInputEdit, 60, 16, 150, 13, "", 0},
    {kNoId, K::Static, kLabel, 220, 18, 28, 8, N_("Gravity"), 0},
    {lb::IDC_GRAVITY, K::Edit, kInputEdit, 250, 16, 40, 13, "", 0},
    {lb::IDC_GRAVITY_UNIT, K::List, kDropDownList, 292, 16, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 344, 18, 80, 8, N_("Fixture resonance margin"), 0},
    {lb::IDC_FIXTURE_MARGIN, K::Edit, kInputEdit, 426, 16, 30, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 36, 90, 8, N_("Usable part of the rating:"), 0},
    {kNoId, K::Static, kLabel, 106, 36, 22, 8, N_("force"), 0},
    {lb::IDC_DERATE_FORCE, K::Edit, kInputEdit, 130, 34, 28, 13, "", 0},
    {kNoId, K::Static, kLabel, 168, 36, 24, 8, N_("stroke"), 0},
    {lb::IDC_DERATE_STROKE, K::Edit, kInputEdit, 194, 34, 28, 13, "", 0},
    {kNoId, K::Static, kLabel, 232, 36, 30, 8, N_("velocity"), 0},
    {lb::IDC_DERATE_VELOCITY, K::Edit, kInputEdit, 264, 34, 28, 13, "", 0},
    {kNoId, K::Static, kLabel, 302, 36, 44, 8, N_("acceleration"), 0},
    {lb::IDC_DERATE_ACCELERATION, K::Edit, kInputEdit, 348, 34, 28, 13, "", 0},

    {kNoId, K::Frame, 0, 7, 58, 150, 242, N_("Shakers"), 0},
    {lb::IDC_SHAKERS, K::List, kChoiceList, 13, 70, 138, 60, "", 0},
    {lb::IDC_ADD_SHAKER, K::Button, kTabStop, 13, 133, 44, 14, N_("Add"), 0},
    {lb::IDC_REMOVE_SHAKER, K::Button, kTabStop, 60, 133, 44, 14, N_("Remove"), 0},
    {lb::IDC_DUPLICATE_SHAKER, K::Button, kTabStop, 107, 133, 44, 14, N_("Duplicate"), 0},
    {kNoId, K::Static, kLabel, 13, 154, 58, 8, N_("Name"), 0},
    {lb::IDC_SHAKER_NAME, K::Edit, kInputEdit, 73, 152, 78, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 170, 58, 8, N_("Rated force"), 0},
    {lb::IDC_RATED_FORCE, K::Edit, kInputEdit, 73, 168, 36, 13, "", 0},
    {lb::IDC_RATED_FORCE_UNIT, K::List, kDropDownList, 111, 168, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 186, 58, 8, N_("Stroke p-p"), 0},
    {lb::IDC_STROKE, K::Edit, kInputEdit, 73, 184, 36, 13, "", 0},
    {lb::IDC_STROKE_UNIT, K::List, kDropDownList, 111, 184, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 202, 58, 8, N_("Velocity"), 0},
    {lb::IDC_VELOCITY, K::Edit, kInputEdit, 73, 200, 36, 13, "", 0},
    {lb::IDC_VELOCITY_UNIT, K::List, kDropDownList, 111, 200, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 218, 58, 8, N_("Acceleration"), 0},
    {lb::IDC_ACCELERATION, K::Edit, kInputEdit, 73, 216, 36, 13, "", 0},
    {lb::IDC_ACCELERATION_UNIT, K::List, kDropDownList, 111, 216, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 234, 58, 8, N_("Armature mass"), 0},
    {lb::IDC_ARMATURE, K::Edit, kInputEdit, 73, 232, 36, 13, "", 0},
    {lb::IDC_ARMATURE_UNIT, K::List, kDropDownList, 111, 232, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 250, 58, 8, N_("Max payload"), 0},
    {lb::IDC_MAX_PAYLOAD, K::Edit, kInputEdit, 73, 248, 36, 13, "", 0},
    {lb::IDC_MAX_PAYLOAD_UNIT, K::List, kDropDownList, 111, 248, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 266, 58, 8, N_("Lowest frequency"), 0},
    {lb::IDC_LOWEST_FREQUENCY, K::Edit, kInputEdit, 73, 264, 36, 13, "", 0},
    {lb::IDC_LOWEST_FREQUENCY_UNIT, K::List, kDropDownList, 111, 264, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 13, 282, 58, 8, N_("Highest frequency"), 0},
    {lb::IDC_HIGHEST_FREQUENCY, K::Edit, kInputEdit, 73, 280, 36, 13, "", 0},
    {lb::IDC_HIGHEST_FREQUENCY_UNIT, K::List, kDropDownList, 111, 280, 40, 13, "", 0},

    {kNoId, K::Frame, 0, 161, 58, 150, 242, N_("Expanders and slip tables"), 0},
    {lb::IDC_EXPANDERS, K::List, kChoiceList, 167, 70, 138, 60, "", 0},
    {lb::IDC_ADD_EXPANDER, K::Button, kTabStop, 167, 133, 44, 14, N_("Add"), 0},
    {lb::IDC_REMOVE_EXPANDER, K::Button, kTabStop, 214, 133, 44, 14, N_("Remove"), 0},
    {lb::IDC_DUPLICATE_EXPANDER, K::Button, kTabStop, 261, 133, 44, 14, N_("Duplicate"), 0},
    {kNoId, K::Static, kLabel, 167, 154, 58, 8, N_("Name"), 0},
    {lb::IDC_EXPANDER_NAME, K::Edit, kInputEdit, 227, 152, 78, 13, "", 0},
    {kNoId, K::Static, kLabel, 167, 170, 58, 8, N_("Kind"), 0},
    {lb::IDC_EXPANDER_KIND, K::List, kDropDownList, 227, 168, 78, 13, "", 0},
    {kNoId, K::Static, kLabel, 167, 186, 58, 8, N_("Mass"), 0},
    {lb::IDC_EXPANDER_MASS, K::Edit, kInputEdit, 227, 184, 36, 13, "", 0},
    {lb::IDC_EXPANDER_MASS_UNIT, K::List, kDropDownList, 265, 184, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 167, 202, 58, 8, N_("First resonance"), 0},
    {lb::IDC_EXPANDER_RESONANCE, K::Edit, kInputEdit, 227, 200, 36, 13, "", 0},
    {lb::IDC_EXPANDER_RESONANCE_UNIT, K::List, kDropDownList, 265, 200, 40, 13, "", 0},

    {kNoId, K::Frame, 0, 315, 58, 150, 242, N_("Fixtures"), 0},
    {lb::IDC_FIXTURES, K::List, kChoiceList, 321, 70, 138, 60, "", 0},
    {lb::IDC_ADD_FIXTURE, K::Button, kTabStop, 321, 133, 44, 14, N_("Add"), 0},
    {lb::IDC_REMOVE_FIXTURE, K::Button, kTabStop, 368, 133, 44, 14, N_("Remove"), 0},
    {lb::IDC_DUPLICATE_FIXTURE, K::Button, kTabStop, 415, 133, 44, 14, N_("Duplicate"), 0},
    {kNoId, K::Static, kLabel, 321, 154, 58, 8, N_("Name"), 0},
    {lb::IDC_FIXTURE_NAME, K::Edit, kInputEdit, 381, 152, 78, 13, "", 0},
    {kNoId, K::Static, kLabel, 321, 170, 58, 8, N_("Mass"), 0},
    {lb::IDC_FIXTURE_MASS, K::Edit, kInputEdit, 381, 168, 36, 13, "", 0},
    {lb::IDC_FIXTURE_MASS_UNIT, K::List, kDropDownList, 419, 168, 40, 13, "", 0},
    {kNoId, K::Static, kLabel, 321, 186, 58, 8, N_("First resonance"), 0},
    {lb::IDC_FIXTURE_RESONANCE, K::Edit, kInputEdit, 381, 184, 36, 13, "", 0},
    {lb::IDC_FIXTURE_RESONANCE_UNIT, K::List, kDropDownList, 419, 184, 40, 13, "", 0},

    {lb::IDC_STATUS, K::Static, kLabel, 7, 305, 458, 9, "", 0},
    {lb::IDC_OPEN, K::Button, kTabStop, 7, 318, 55, 14, N_("Open..."), 0},
    {lb::IDC_SAVE, K::Button, kTabStop, 66, 318, 55, 14, N_("Save"), 0},
    {lb::IDC_SAVE_AS, K::Button, kTabStop, 125, 318, 55, 14, N_("Save As..."), 0},
    {lb::IDC_CLOSE, K::Button, kTabStop, 410, 318, 55, 14, N_("Close"), 0},
};

// New from Template: the templates' list, the chosen one's profile and what
// it says of itself, OK and Cancel.
namespace nt = new_template_dlg;
constexpr ControlTemplate kNewTemplateControls[] = {
    {kNoId, K::Static, kLabel, 7, 7, 200, 8, N_("Templates"), 0},
    {nt::IDC_TEMPLATES, K::List, kChoiceList, 7, 17, 456, 60, "", 0},
    {kNoId, K::Static, kLabel, 7, 82, 200, 8, N_("Profile (? marks a figure to fill)"), 0},
    {nt::IDC_TEMPLATE_PROFILE, K::Grid, kReadOnly | kBorder | kTabStop, 7, 92, 456, 52, "", 0},
    {nt::IDC_TEMPLATE_DETAILS, K::Static, kLabel, 7, 149, 456, 72, "", 0},
    {IDOK, K::Button, kDefaultButton | kTabStop, 355, 226, 50, 14, N_("OK"), 0},
    {IDCANCEL, K::Button, kTabStop, 413, 226, 50, 14, N_("Cancel"), 0},
};

// Save as Template: what the library lists it by and what it says of itself.
namespace st = save_template_dlg;
constexpr ControlTemplate kSaveTemplateControls[] = {
    {kNoId, K::Static, kLabel, 7, 9, 50, 8, N_("Id"), 0},
    {st::IDC_TEMPLATE_ID, K::Edit, kInputEdit, 60, 7, 120, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 26, 50, 8, N_("Title"), 0},
    {st::IDC_TEMPLATE_TITLE, K::Edit, kInputEdit, 60, 24, 233, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 43, 50, 8, N_("Reference"), 0},
    {st::IDC_TEMPLATE_REFERENCE, K::Edit, kInputEdit, 60, 41, 233, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 60, 50, 8, N_("Notes"), 0},
    {st::IDC_TEMPLATE_NOTES, K::Edit, kInputEdit, 60, 58, 233, 13, "", 0},
    {st::IDC_TEMPLATE_STATUS, K::Static, kLabel, 7, 77, 286, 18, "", 0},
    {IDOK, K::Button, kDefaultButton | kTabStop, 185, 99, 50, 14, N_("OK"), 0},
    {IDCANCEL, K::Button, kTabStop, 243, 99, 50, 14, N_("Cancel"), 0},
};

// The report's fields of a plan, and the paper its export is laid out on.
namespace rd = report_details;
constexpr ControlTemplate kReportDetailsControls[] = {
    {kNoId, K::Static, kLabel, 7, 9, 50, 8, N_("Title"), 0},
    {rd::IDC_REPORT_TITLE, K::Edit, kInputEdit, 60, 7, 193, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 25, 50, 8, N_("Specimen"), 0},
    {rd::IDC_REPORT_SPECIMEN, K::Edit, kInputEdit, 60, 23, 193, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 41, 50, 8, N_("Customer"), 0},
    {rd::IDC_REPORT_CUSTOMER, K::Edit, kInputEdit, 60, 39, 193, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 57, 50, 8, N_("Standard"), 0},
    {rd::IDC_REPORT_REFERENCE, K::Edit, kInputEdit, 60, 55, 193, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 73, 50, 8, N_("Author"), 0},
    {rd::IDC_REPORT_AUTHOR, K::Edit, kInputEdit, 60, 71, 193, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 89, 50, 8, N_("Revision"), 0},
    {rd::IDC_REPORT_REVISION, K::Edit, kInputEdit, 60, 87, 60, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 105, 50, 8, N_("Notes"), 0},
    {rd::IDC_REPORT_NOTES, K::Edit, kInputEdit, 60, 103, 193, 13, "", 0},
    {kNoId, K::Static, kLabel, 7, 123, 50, 8, N_("Export on"), 0},
    {rd::IDC_REPORT_PAPER, K::List, kDropDownList, 60, 121, 70, 13, "", 0},
    {IDOK, K::Button, kDefaultButton | kTabStop, 147, 141, 50, 14, N_("OK"), 0},
    {IDCANCEL, K::Button, kTabStop, 203, 141, 50, 14, N_("Cancel"), 0},
};

template <std::size_t N>
constexpr DialogTemplate MakeTemplate(int id, const char* caption, int cx, int cy, const char* font, int points,
                                      unsigned style, const ControlTemplate (&controls)[N],
                                      const MenuBar* menu = nullptr) {
    return DialogTemplate{id, caption, cx, cy, font, points, style, controls, N, menu};
}

// The text names the document, its file and the time; three lines at most.
constexpr ControlTemplate kRecoveryControls[] = {
    {recovery_dlg::IDC_RECOVERY_TEXT, K::Static, kLeftAligned | kNoPrefix, 7, 7, 266, 36, "", 0},
    {recovery_dlg::IDC_RESTORE, K::Button, kDefaultButton | kGroup | kTabStop, 105, 50, 50, 14, N_("Restore"), 0},
    {recovery_dlg::IDC_DISCARD, K::Button, kTabStop, 161, 50, 50, 14, N_("Discard"), 0},
    {IDCANCEL, K::Button, kTabStop, 217, 50, 56, 14, N_("Decide Later"), 0},
};

constexpr DialogTemplate kTemplates[] = {
    MakeTemplate(IDD_ABOUT, N_("About Halvex"), 217, 55, "MS Sans Serif", 8, kPopup | kCaption | kSysMenu | kModalFrame,
                 kAboutControls),
    MakeTemplate(IDD_MAIN_MENU, N_("Sine Vibration"), 238, 108, "Arial", 9,
                 kPopup | kVisible | kCaption | kSysMenu | kMinimizeBox | kMaximizeBox | kModalFrame | kAppWindow,
                 kMainMenuControls),
    MakeTemplate(IDD_PURE_SINE, N_("Pure Sine Vibration"), 445, 349, "Arial", 9,
                 kPopup | kCaption | kSysMenu | kModalFrame, kPureSineControls),
    MakeTemplate(IDD_SINE_SWEEP, N_("Sine Sweep Test Parameters"), 385, 277, "Arial", 9,
                 kPopup | kCaption | kSysMenu | kModalFrame, kSineSweepControls),
    MakeTemplate(
        IDD_PLANNER, N_("Sine Test Planner"), 578, 410, "Arial", 9,
        kPopup | kVisible | kCaption | kSysMenu | kMinimizeBox | kMaximizeBox | kModalFrame | kAppWindow | kThickFrame,
        kPlannerControls, &kPlannerMenu),
    MakeTemplate(IDD_LAB, N_("Equipment Library"), 472, 338, "Arial", 9,
                 kPopup | kCaption | kSysMenu | kMaximizeBox | kModalFrame | kThickFrame, kLabControls),
    MakeTemplate(IDD_NEW_FROM_TEMPLATE, N_("New from Template"), 470, 247, "Arial", 9,
                 kPopup | kCaption | kSysMenu | kModalFrame, kNewTemplateControls),
    MakeTemplate(IDD_SAVE_AS_TEMPLATE, N_("Save as Template"), 300, 120, "Arial", 9,
                 kPopup | kCaption | kSysMenu | kModalFrame, kSaveTemplateControls),
    MakeTemplate(IDD_REPORT_DETAILS, N_("Report Details"), 260, 162, "Arial", 9,
                 kPopup | kCaption | kSysMenu | kModalFrame, kReportDetailsControls),
    MakeTemplate(IDD_RECOVERY, N_("Unsaved Changes Found"), 280, 71, "Arial", 9,
                 kPopup | kCaption | kSysMenu | kModalFrame, kRecoveryControls),
};

}  // namespace

const ControlTemplate* DialogTemplate::Find(int controlId) const {
    if (controlId == kNoId) return nullptr;
    for (const ControlTemplate& control : *this) {
        if (control.id == controlId) return &control;
    }
    return nullptr;
}

const MenuItem* MenuBar::Find(int commandId) const {
    for (const MenuPopup& popup : *this) {
        for (const MenuItem& item : popup) {
            if (item.commandId != 0 && item.commandId == commandId) return &item;
        }
    }
    return nullptr;
}

const DialogTemplate* FindDialogTemplate(int id) {
    for (const DialogTemplate& dialog : kTemplates) {
        if (dialog.id == id) return &dialog;
    }
    return nullptr;
}

}  // namespace res
