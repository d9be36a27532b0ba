#include "res/accessible_names.h"

#include "lang/tr.h"
#include "res/dialog_template.h"
#include "res/lab_ids.h"
#include "res/main_menu_ids.h"
#include "res/new_template_ids.h"
#include "res/planner_ids.h"
#include "res/pure_sine_ids.h"
#include "res/report_details_ids.h"
#include "res/resource_ids.h"
#include "res/save_template_ids.h"
#include "res/sine_sweep_ids.h"

namespace res {
namespace {

namespace ps = pure_sine;
namespace ss = sine_sweep;
namespace pl = planner_dlg;
namespace lb = lab_dlg;

// The pure sine result boxes are named in their own table with the rest of
// what each box is (puresine/pure_sine_results.h); the dialog gives those
// names to the backend.
constexpr AccessibleName kNames[] = {
    {IDD_MAIN_MENU, main_menu::IDC_ANALYSIS_LIST, N_("Select Analysis"), kNoId, ""},

    {IDD_PURE_SINE, ps::IDC_TYPE, N_("Select Type"), kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_DIMENSION, N_("Select Input Dimension"), kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_AMPLITUDE, N_("Input amplitude"), kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_AMPLITUDE_UNIT, N_("Amplitude unit"), kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_FREQUENCY, N_("Frequency"), kNoId, ""},
    {IDD_PURE_SINE, ps::IDC_FREQUENCY_UNIT, N_("Frequency unit"), kNoId, ""},

    {IDD_SINE_SWEEP, ss::IDC_ANALYSIS, N_("Select Analysis"), kNoId, ""},
    {IDD_SINE_SWEEP, ss::IDC_INPUT_LIST, N_("Input choice"), ss::IDC_HEADING, ""},
    {IDD_SINE_SWEEP, ss::IDC_INPUT1, N_("First input"), ss::IDC_LABEL1, ""},
    {IDD_SINE_SWEEP, ss::IDC_INPUT2, N_("Second frequency"), ss::IDC_LABEL1, " 2"},
    {IDD_SINE_SWEEP, ss::IDC_INPUT3, N_("Third input"), ss::IDC_LABEL3, ""},
    {IDD_SINE_SWEEP, ss::IDC_OUTPUT1, N_("Output, first row"), kNoId, ""},
    {IDD_SINE_SWEEP, ss::IDC_OUTPUT2, N_("Output, second row"), kNoId, ""},
    {IDD_SINE_SWEEP, ss::IDC_OUTPUT3, N_("Output, third row"), kNoId, ""},
    {IDD_SINE_SWEEP, ss::IDC_OUTPUT4, N_("Output, fourth row"), kNoId, ""},

    {IDD_PLANNER, pl::IDC_PROFILE, "Profile segments", kNoId, ""},
    {IDD_PLANNER, pl::IDC_GRAVITY, "Gravity", kNoId, ""},
    {IDD_PLANNER, pl::IDC_GRAVITY_UNIT, "Gravity unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_SWEEP_TYPE, "Sweep type", kNoId, ""},
    {IDD_PLANNER, pl::IDC_SWEEP_MODE, "Sweep mode", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RATE, "Sweep rate or time per pass", kNoId, ""},
    {IDD_PLANNER, pl::IDC_SWEEPS, "Sweeps", kNoId, ""},
    {IDD_PLANNER, pl::IDC_AXES, "Axes", kNoId, ""},
    {IDD_PLANNER, pl::IDC_DWELLS, "Dwells", kNoId, ""},
    {IDD_PLANNER, pl::IDC_DWELL_FREQUENCY, "Dwell frequency, Hz", kNoId, ""},
    {IDD_PLANNER, pl::IDC_DWELL_TIME, "Dwell time", kNoId, ""},
    {IDD_PLANNER, pl::IDC_DWELL_TIME_UNIT, "Dwell time unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_FORCE, "Shaker rated force", kNoId, ""},
    {IDD_PLANNER, pl::IDC_FORCE_UNIT, "Rated force unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_FRACTION, "Usable part of the rated force", kNoId, ""},
    {IDD_PLANNER, pl::IDC_ARMATURE, "Armature mass", kNoId, ""},
    {IDD_PLANNER, pl::IDC_EXPANDER, "Head expander mass", kNoId, ""},
    {IDD_PLANNER, pl::IDC_FIXTURE, "Fixture mass", kNoId, ""},
    {IDD_PLANNER, pl::IDC_SPECIMEN, "Specimen mass", kNoId, ""},
    {IDD_PLANNER, pl::IDC_STROKE, "Stroke limit, peak-to-peak", kNoId, ""},
    {IDD_PLANNER, pl::IDC_VELOCITY_LIMIT, "Velocity limit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_ACCELERATION_LIMIT, "Acceleration limit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_ARMATURE_UNIT, "Armature mass unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_EXPANDER_UNIT, "Head expander mass unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_FIXTURE_UNIT, "Fixture mass unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_SPECIMEN_UNIT, "Specimen mass unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_STROKE_UNIT, "Stroke limit unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_VELOCITY_LIMIT_UNIT, "Velocity limit unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_ACCELERATION_LIMIT_UNIT, "Acceleration limit unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUNS, "Sequence runs", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_KIND, "Run kind", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_TYPE, "Search sweep type", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_MODE, "Search sweep mode", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_FIELD1, "Run, first field", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_UNIT1, "Run, first field's unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_FIELD2, "Run, second field", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_UNIT2, "Run, second field's unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_FIELD3, "Run, third field", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_UNIT3, "Run, third field's unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_FIELD4, "Run, fourth field", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_UNIT4, "Run, fourth field's unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_LEVEL_SOURCE, "Run level", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_LEVEL, "Run level value", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_LEVEL_KIND, "Run level kind", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RUN_LEVEL_UNIT, "Run level unit", kNoId, ""},
    {IDD_PLANNER, pl::IDC_CHART, "Four-coordinate chart", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RESULTS, "Results", kNoId, ""},
    {IDD_PLANNER, pl::IDC_RANKING, "Which shaker? The library's shakers ranked for the plan", kNoId, ""},
    {IDD_PLANNER, pl::IDC_LAB_EXPANDER, "Expander or slip table from the library", kNoId, ""},
    {IDD_PLANNER, pl::IDC_LAB_FIXTURE, "Fixture from the library", kNoId, ""},
    {IDD_PLANNER, pl::IDC_QUERY_TIME, "Query, elapsed time", kNoId, ""},
    {IDD_PLANNER, pl::IDC_QUERY_FREQUENCY, "Query, frequency", kNoId, ""},
    {IDD_PLANNER, pl::IDC_QUERY_RESONANCE, "Query, resonance frequency", kNoId, ""},
    {IDD_PLANNER, pl::IDC_QUERY_Q, "Query, resonance Q", kNoId, ""},

    {IDD_LAB, lb::IDC_LAB_NAME, "Library name", kNoId, ""},
    {IDD_LAB, lb::IDC_GRAVITY, "Library gravity", kNoId, ""},
    {IDD_LAB, lb::IDC_GRAVITY_UNIT, "Library gravity unit", kNoId, ""},
    {IDD_LAB, lb::IDC_FIXTURE_MARGIN, "Fixture resonance margin", kNoId, ""},
    {IDD_LAB, lb::IDC_DERATE_FORCE, "Usable part of the rated force", kNoId, ""},
    {IDD_LAB, lb::IDC_DERATE_STROKE, "Usable part of the rated stroke", kNoId, ""},
    {IDD_LAB, lb::IDC_DERATE_VELOCITY, "Usable part of the rated velocity", kNoId, ""},
    {IDD_LAB, lb::IDC_DERATE_ACCELERATION, "Usable part of the rated acceleration", kNoId, ""},
    {IDD_LAB, lb::IDC_SHAKERS, "Shakers", kNoId, ""},
    {IDD_LAB, lb::IDC_SHAKER_NAME, "Shaker name", kNoId, ""},
    {IDD_LAB, lb::IDC_RATED_FORCE, "Shaker rated force", kNoId, ""},
    {IDD_LAB, lb::IDC_RATED_FORCE_UNIT, "Shaker rated force unit", kNoId, ""},
    {IDD_LAB, lb::IDC_STROKE, "Shaker stroke, peak-to-peak", kNoId, ""},
    {IDD_LAB, lb::IDC_STROKE_UNIT, "Shaker stroke unit", kNoId, ""},
    {IDD_LAB, lb::IDC_VELOCITY, "Shaker velocity", kNoId, ""},
    {IDD_LAB, lb::IDC_VELOCITY_UNIT, "Shaker velocity unit", kNoId, ""},
    {IDD_LAB, lb::IDC_ACCELERATION, "Shaker acceleration", kNoId, ""},
    {IDD_LAB, lb::IDC_ACCELERATION_UNIT, "Shaker acceleration unit", kNoId, ""},
    {IDD_LAB, lb::IDC_ARMATURE, "Shaker armature mass", kNoId, ""},
    {IDD_LAB, lb::IDC_ARMATURE_UNIT, "Shaker armature mass unit", kNoId, ""},
    {IDD_LAB, lb::IDC_MAX_PAYLOAD, "Shaker max payload", kNoId, ""},
    {IDD_LAB, lb::IDC_MAX_PAYLOAD_UNIT, "Shaker max payload unit", kNoId, ""},
    {IDD_LAB, lb::IDC_LOWEST_FREQUENCY, "Shaker lowest frequency", kNoId, ""},
    {IDD_LAB, lb::IDC_LOWEST_FREQUENCY_UNIT, "Shaker lowest frequency unit", kNoId, ""},
    {IDD_LAB, lb::IDC_HIGHEST_FREQUENCY, "Shaker highest frequency", kNoId, ""},
    {IDD_LAB, lb::IDC_HIGHEST_FREQUENCY_UNIT, "Shaker highest frequency unit", kNoId, ""},
    {IDD_LAB, lb::IDC_EXPANDERS, "Expanders and slip tables", kNoId, ""},
    {IDD_LAB, lb::IDC_EXPANDER_NAME, "Expander name", kNoId, ""},
    {IDD_LAB, lb::IDC_EXPANDER_KIND, "Expander kind", kNoId, ""},
    {IDD_LAB, lb::IDC_EXPANDER_MASS, "Expander mass", kNoId, ""},
    {IDD_LAB, lb::IDC_EXPANDER_MASS_UNIT, "Expander mass unit", kNoId, ""},
    {IDD_LAB, lb::IDC_EXPANDER_RESONANCE, "Expander first resonance", kNoId, ""},
    {IDD_LAB, lb::IDC_EXPANDER_RESONANCE_UNIT, "Expander first resonance unit", kNoId, ""},
    {IDD_LAB, lb::IDC_FIXTURES, "Fixtures", kNoId, ""},
    {IDD_LAB, lb::IDC_FIXTURE_NAME, "Fixture name", kNoId, ""},
    {IDD_LAB, lb::IDC_FIXTURE_MASS, "Fixture mass", kNoId, ""},
    {IDD_LAB, lb::IDC_FIXTURE_MASS_UNIT, "Fixture mass unit", kNoId, ""},
    {IDD_LAB, lb::IDC_FIXTURE_RESONANCE, "Fixture first resonance", kNoId, ""},
    {IDD_LAB, lb::IDC_FIXTURE_RESONANCE_UNIT, "Fixture first resonance unit", kNoId, ""},

    {IDD_NEW_FROM_TEMPLATE, new_template_dlg::IDC_TEMPLATES, "Templates", kNoId, ""},
    {IDD_NEW_FROM_TEMPLATE, new_template_dlg::IDC_TEMPLATE_PROFILE, "Template's profile", kNoId, ""},

    {IDD_SAVE_AS_TEMPLATE, save_template_dlg::IDC_TEMPLATE_ID, "Template id", kNoId, ""},
    {IDD_SAVE_AS_TEMPLATE, save_template_dlg::IDC_TEMPLATE_TITLE, "Template title", kNoId, ""},
    {IDD_SAVE_AS_TEMPLATE, save_template_dlg::IDC_TEMPLATE_REFERENCE, "Template reference", kNoId, ""},
    {IDD_SAVE_AS_TEMPLATE, save_template_dlg::IDC_TEMPLATE_NOTES, "Template notes", kNoId, ""},
    {IDD_REPORT_DETAILS, report_details::IDC_REPORT_TITLE, "Report title", kNoId, ""},
    {IDD_REPORT_DETAILS, report_details::IDC_REPORT_SPECIMEN, "Specimen", kNoId, ""},
    {IDD_REPORT_DETAILS, report_details::IDC_REPORT_CUSTOMER, "Customer", kNoId, ""},
    {IDD_REPORT_DETAILS, report_details::IDC_REPORT_REFERENCE, "Standard or test procedure followed", kNoId, ""},
    {IDD_REPORT_DETAILS, report_details::IDC_REPORT_AUTHOR, "Author", kNoId, ""},
    {IDD_REPORT_DETAILS, report_details::IDC_REPORT_REVISION, "Revision", kNoId, ""},
    {IDD_REPORT_DETAILS, report_details::IDC_REPORT_NOTES, "Notes", kNoId, ""},
    {IDD_REPORT_DETAILS, report_details::IDC_REPORT_PAPER, "Paper of an exported report", kNoId, ""},
};

}  // namespace

const AccessibleName* FindAccessibleName(int dialogId, int controlId) {
    for (const AccessibleName& entry : kNames) {
        if (entry.dialogId == dialogId && entry.controlId == controlId) return &entry;
    }
    return nullptr;
}

}  // namespace res
