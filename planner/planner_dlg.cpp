#include "planner/planner_dlg.h"

#include <algorithm>
#include <initializer_list>
#include <type_traits>
#include <utility>
#include <vector>

#include "lang/tr.h"
#include "planner/breakpoints.h"
#include "planner/changed_on_disk.h"
#include "planner/chart.h"
#include "planner/lab_editor.h"
#include "planner/ranking.h"
#include "planner/results_table.h"
#include "res/planner_ids.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "res/version.h"
#include "ui/manual.h"

using namespace res::planner_dlg;

namespace {

// File types as the dialogs name them, in the process's language.
ui::FileType PlanFiles() { return {lang::Tr("Sine test plans"), "halvex-plan"}; }
ui::FileType ResultsFiles() { return {lang::Tr("Results as tab-separated text"), "tsv"}; }

std::string FileName(const std::string& path) {
    if (path.empty()) return lang::Tr("Untitled");
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "s, min or h": a unit list's choices as a person reads them.
std::string UnitChoices(const std::vector<std::string>& units) {
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (i > 0) text += i + 1 == units.size() ? lang::Tr(" or ") : ", ";
        text += units[i];
    }
    return text;
}

// The plan's shaker set-up; none given, an empty one.
planner::ShakerSettings ShakerOf(const planner::PlanDocument& document) {
    return document.shaker.value_or(planner::ShakerSettings());
}

// The library's entry chosen in a list whose first item is "none".
template <typename Entry>
void PutLabEntry(const std::vector<Entry>& entries, int chosen, std::optional<std::string>& name,
                 std::optional<planner::Quantity>& mass, std::optional<planner::Quantity>& resonance) {
    name.reset();
    resonance.reset();
    if (chosen <= 0) return;
    const Entry& entry = entries[chosen - 1];
    name = entry.name;
    if (entry.mass) mass = entry.mass;
    resonance = entry.firstResonance;
}

std::string UnitChoices(planner::QuantityKind kind) { return UnitChoices(planner::FieldUnits(kind)); }

// A field with a unit list beside it: what it takes, and in which units.
std::string QuantityTip(const char* what, planner::QuantityKind kind) {
    return lang::Fill(
        lang::Tr("%1: a number in the unit chosen beside it, or typed with its unit (%2). Empty: not given."),
        {lang::Tr(what), UnitChoices(kind)});
}

// A query field, read as SI when bare.
std::string QueryTip(const char* what, const char* bare, planner::QuantityKind kind) {
    return lang::Fill(lang::Tr("%1: a number of %2, or typed with its unit (%3). Empty: not asked."),
                      {lang::Tr(what), lang::Tr(bare), UnitChoices(kind)});
}

}  // namespace

const ui::EventEntry<CPlannerDlg> CPlannerDlg::kEvents[] = {
    ui::OnGridCommand(ui::GN_SELCHANGE, IDC_PROFILE, &CPlannerDlg::OnProfileRowChange),
    ui::OnGridCommand(ui::GN_CELLCHANGE, IDC_PROFILE, &CPlannerDlg::OnProfileCellChange),
    ui::OnGridCommand(ui::GN_PASTE, IDC_PROFILE, &CPlannerDlg::OnProfilePaste),
    ui::OnCommand(ui::BN_CLICKED, IDC_ADD, &CPlannerDlg::OnAdd),
    ui::OnCommand(ui::BN_CLICKED, IDC_REMOVE, &CPlannerDlg::OnRemove),
    ui::OnCommand(ui::BN_CLICKED, IDC_MOVE_UP, &CPlannerDlg::OnMoveUp),
    ui::OnCommand(ui::BN_CLICKED, IDC_MOVE_DOWN, &CPlannerDlg::OnMoveDown),
    ui::OnCommand(ui::EN_CHANGE, IDC_GRAVITY, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_GRAVITY_UNIT, &CPlannerDlg::OnSelchangeGravityUnit),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_SWEEP_TYPE, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_SWEEP_MODE, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::EN_CHANGE, IDC_SWEEPS, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::EN_CHANGE, IDC_AXES, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::EN_CHANGE, IDC_RATE, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_DWELLS, &CPlannerDlg::OnSelchangeDwells),
    ui::OnCommand(ui::BN_CLICKED, IDC_ADD_DWELL, &CPlannerDlg::OnAddDwell),
    ui::OnCommand(ui::BN_CLICKED, IDC_REMOVE_DWELL, &CPlannerDlg::OnRemoveDwell),
    ui::OnCommand(ui::EN_CHANGE, IDC_DWELL_FREQUENCY, &CPlannerDlg::OnChangeDwell),
    ui::OnCommand(ui::EN_CHANGE, IDC_DWELL_TIME, &CPlannerDlg::OnChangeDwell),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_DWELL_TIME_UNIT, &CPlannerDlg::OnSelchangeDwellUnit),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUNS, &CPlannerDlg::OnSelchangeRuns),
    ui::OnCommand(ui::BN_CLICKED, IDC_ADD_RUN, &CPlannerDlg::OnAddRun),
    ui::OnCommand(ui::BN_CLICKED, IDC_REMOVE_RUN, &CPlannerDlg::OnRemoveRun),
    ui::OnCommand(ui::BN_CLICKED, IDC_MOVE_RUN_UP, &CPlannerDlg::OnMoveRunUp),
    ui::OnCommand(ui::BN_CLICKED, IDC_MOVE_RUN_DOWN, &CPlannerDlg::OnMoveRunDown),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_KIND, &CPlannerDlg::OnSelchangeRunKind),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_TYPE, &CPlannerDlg::OnChangeRun),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_MODE, &CPlannerDlg::OnChangeRun),
    ui::OnCommand(ui::EN_CHANGE, IDC_RUN_FIELD1, &CPlannerDlg::OnChangeRun),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_UNIT1, &CPlannerDlg::OnSelchangeRunUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_RUN_FIELD2, &CPlannerDlg::OnChangeRun),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_UNIT2, &CPlannerDlg::OnSelchangeRunUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_RUN_FIELD3, &CPlannerDlg::OnChangeRun),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_UNIT3, &CPlannerDlg::OnSelchangeRunUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_RUN_FIELD4, &CPlannerDlg::OnChangeRun),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_UNIT4, &CPlannerDlg::OnSelchangeRunUnit),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_LEVEL_SOURCE, &CPlannerDlg::OnChangeRun),
    ui::OnCommand(ui::EN_CHANGE, IDC_RUN_LEVEL, &CPlannerDlg::OnChangeRun),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_LEVEL_KIND, &CPlannerDlg::OnChangeRun),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_RUN_LEVEL_UNIT, &CPlannerDlg::OnSelchangeRunUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_FORCE, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_FORCE_UNIT, &CPlannerDlg::OnSelchangeShakerUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_FRACTION, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::EN_CHANGE, IDC_STROKE, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_STROKE_UNIT, &CPlannerDlg::OnSelchangeShakerUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_ARMATURE, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_ARMATURE_UNIT, &CPlannerDlg::OnSelchangeShakerUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_EXPANDER, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_EXPANDER_UNIT, &CPlannerDlg::OnSelchangeShakerUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_FIXTURE, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_FIXTURE_UNIT, &CPlannerDlg::OnSelchangeShakerUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_SPECIMEN, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_SPECIMEN_UNIT, &CPlannerDlg::OnSelchangeShakerUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_VELOCITY_LIMIT, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_VELOCITY_LIMIT_UNIT, &CPlannerDlg::OnSelchangeShakerUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_ACCELERATION_LIMIT, &CPlannerDlg::OnChangePlan),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_ACCELERATION_LIMIT_UNIT, &CPlannerDlg::OnSelchangeShakerUnit),
    ui::OnCommand(ui::EN_CHANGE, IDC_QUERY_TIME, &CPlannerDlg::OnChangeQuery),
    ui::OnCommand(ui::EN_CHANGE, IDC_QUERY_FREQUENCY, &CPlannerDlg::OnChangeQuery),
    ui::OnCommand(ui::EN_CHANGE, IDC_QUERY_RESONANCE, &CPlannerDlg::OnChangeQuery),
    ui::OnCommand(ui::EN_CHANGE, IDC_QUERY_Q, &CPlannerDlg::OnChangeQuery),
    ui::OnCommand(ui::BN_CLICKED, IDM_NEW, &CPlannerDlg::OnNew),
    ui::OnCommand(ui::BN_CLICKED, IDM_NEW_FROM_TEMPLATE, &CPlannerDlg::OnNewFromTemplate),
    ui::OnCommand(ui::BN_CLICKED, IDM_OPEN, &CPlannerDlg::OnOpen),
    ui::OnCommand(ui::BN_CLICKED, IDM_SAVE, &CPlannerDlg::OnSave),
    ui::OnCommand(ui::BN_CLICKED, IDM_SAVE_AS, &CPlannerDlg::OnSaveAs),
    ui::OnCommand(ui::BN_CLICKED, IDM_SAVE_AS_TEMPLATE, &CPlannerDlg::OnSaveAsTemplate),
    ui::OnCommand(ui::BN_CLICKED, IDM_EXPORT_CHART, &CPlannerDlg::OnExportChart),
    ui::OnCommand(ui::BN_CLICKED, IDM_EXPORT_RESULTS, &CPlannerDlg::OnExportResults),
    ui::OnCommand(ui::BN_CLICKED, IDM_REPORT_DETAILS, &CPlannerDlg::OnReportDetails),
    ui::OnCommand(ui::BN_CLICKED, IDM_EXPORT_REPORT, &CPlannerDlg::OnExportReport),
    ui::OnCommand(ui::BN_CLICKED, IDM_PRINT, &CPlannerDlg::OnPrint),
    ui::OnCommand(ui::BN_CLICKED, IDM_CLOSE, &CPlannerDlg::OnClose),
    ui::OnCommand(ui::BN_CLICKED, res::IDM_COPY_ALL_RESULTS, &CPlannerDlg::OnCopyAllResults),
    ui::OnCommand(ui::BN_CLICKED, IDM_UNDO, &CPlannerDlg::OnUndo),
    ui::OnCommand(ui::BN_CLICKED, IDM_REDO, &CPlannerDlg::OnRedo),
    ui::OnCommand(ui::BN_CLICKED, IDM_PASTE_PROFILE, &CPlannerDlg::OnPasteProfile),
    ui::OnCommand(ui::BN_CLICKED, IDM_EQUIPMENT_LIBRARY, &CPlannerDlg::OnEquipmentLibrary),
    ui::OnGridCommand(ui::GN_SELCHANGE, IDC_RANKING, &CPlannerDlg::OnRankingRowChange),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_LAB_EXPANDER, &CPlannerDlg::OnSelchangeLabExpander),
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_LAB_FIXTURE, &CPlannerDlg::OnSelchangeLabFixture),
    ui::OnCommand(ui::BN_CLICKED, IDM_TAKE_LAB_FIGURES, &CPlannerDlg::OnTakeLabFigures),
    ui::OnCommand(ui::BN_CLICKED, IDM_MANUAL, &CPlannerDlg::OnManual),
    ui::OnCommand(ui::BN_CLICKED, IDM_ABOUT_PLANNER, &CPlannerDlg::OnAbout),
    ui::OnMessage(ui::WM_TIMER, &CPlannerDlg::OnRecoveryTimer),
};

CPlannerDlg::CPlannerDlg()
    : CDialog(res::IDD_PLANNER), m_fields(planner::NewPlanFields()), m_history(Step{m_fields, 0, -1, -1}) {}

CPlannerDlg::~CPlannerDlg() = default;

bool CPlannerDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

void CPlannerDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_PROFILE, m_profile);
    ui::DDX_Control(pDX, IDC_GRAVITY, m_gravity);
    ui::DDX_Control(pDX, IDC_GRAVITY_UNIT, m_gravityUnit);
    ui::DDX_Control(pDX, IDC_SWEEP_TYPE, m_sweepType);
    ui::DDX_Control(pDX, IDC_SWEEP_MODE, m_sweepMode);
    ui::DDX_Control(pDX, IDC_SWEEPS, m_sweeps);
    ui::DDX_Control(pDX, IDC_AXES, m_axes);
    ui::DDX_Control(pDX, IDC_RATE, m_rate);
    ui::DDX_Control(pDX, IDC_RATE_RESULT, m_rateResult);
    ui::DDX_Control(pDX, IDC_DWELLS, m_dwells);
    ui::DDX_Control(pDX, IDC_REMOVE_DWELL, m_removeDwell);
    ui::DDX_Control(pDX, IDC_DWELL_FREQUENCY_LABEL, m_dwellFrequencyLabel);
    ui::DDX_Control(pDX, IDC_DWELL_FREQUENCY, m_dwellFrequency);
    ui::DDX_Control(pDX, IDC_DWELL_TIME_LABEL, m_dwellTimeLabel);
    ui::DDX_Control(pDX, IDC_DWELL_TIME, m_dwellTime);
    ui::DDX_Control(pDX, IDC_DWELL_TIME_UNIT, m_dwellTimeUnit);
    ui::DDX_Control(pDX, IDC_RUNS, m_runs);
    ui::DDX_Control(pDX, IDC_REMOVE_RUN, m_removeRun);
    ui::DDX_Control(pDX, IDC_MOVE_RUN_UP, m_moveRunUp);
    ui::DDX_Control(pDX, IDC_MOVE_RUN_DOWN, m_moveRunDown);
    ui::DDX_Control(pDX, IDC_RUN_KIND, m_runKind);
    ui::DDX_Control(pDX, IDC_RUN_TYPE, m_runType);
    ui::DDX_Control(pDX, IDC_RUN_MODE, m_runMode);
    for (int i = 0; i < planner::kRunSlots; ++i) {
        ui::DDX_Control(pDX, IDC_RUN_LABEL1 + i, m_runLabels[i]);
        ui::DDX_Control(pDX, IDC_RUN_FIELD1 + i, m_runFields[i]);
        ui::DDX_Control(pDX, IDC_RUN_UNIT1 + i, m_runUnits[i]);
    }
    ui::DDX_Control(pDX, IDC_RUN_LEVEL_SOURCE, m_levelSource);
    ui::DDX_Control(pDX, IDC_RUN_LEVEL, m_runLevel);
    ui::DDX_Control(pDX, IDC_RUN_LEVEL_KIND, m_levelKind);
    ui::DDX_Control(pDX, IDC_RUN_LEVEL_UNIT, m_levelUnit);
    ui::DDX_Control(pDX, IDC_FORCE, m_force);
    ui::DDX_Control(pDX, IDC_FORCE_UNIT, m_forceUnit);
    ui::DDX_Control(pDX, IDC_FRACTION, m_fraction);
    ui::DDX_Control(pDX, IDC_STROKE, m_stroke);
    ui::DDX_Control(pDX, IDC_STROKE_UNIT, m_strokeUnit);
    const int massIds[4] = {IDC_ARMATURE, IDC_EXPANDER, IDC_FIXTURE, IDC_SPECIMEN};
    const int massUnitIds[4] = {IDC_ARMATURE_UNIT, IDC_EXPANDER_UNIT, IDC_FIXTURE_UNIT, IDC_SPECIMEN_UNIT};
    for (int i = 0; i < 4; ++i) {
        ui::DDX_Control(pDX, massIds[i], m_masses[i]);
        ui::DDX_Control(pDX, massUnitIds[i], m_massUnits[i]);
    }
    ui::DDX_Control(pDX, IDC_VELOCITY_LIMIT, m_velocity);
    ui::DDX_Control(pDX, IDC_VELOCITY_LIMIT_UNIT, m_velocityUnit);
    ui::DDX_Control(pDX, IDC_ACCELERATION_LIMIT, m_acceleration);
    ui::DDX_Control(pDX, IDC_ACCELERATION_LIMIT_UNIT, m_accelerationUnit);
    ui::DDX_Control(pDX, IDC_CHART, m_chart);
    ui::DDX_Control(pDX, IDC_LAB_EXPANDER, m_labExpander);
    ui::DDX_Control(pDX, IDC_LAB_FIXTURE, m_labFixture);
    ui::DDX_Control(pDX, IDC_RANKING, m_rankingGrid);
    ui::DDX_Control(pDX, IDC_RESULTS, m_results);
    ui::DDX_Control(pDX, IDC_STATUS, m_status);
    ui::DDX_Control(pDX, IDC_QUERY_TIME, m_queryTime);
    ui::DDX_Control(pDX, IDC_QUERY_FREQUENCY, m_queryFrequency);
    ui::DDX_Control(pDX, IDC_QUERY_RESONANCE, m_queryResonance);
    ui::DDX_Control(pDX, IDC_QUERY_Q, m_queryQ);
    ui::DDX_Control(pDX, IDC_QUERY_ANSWERS, m_answers);
}

bool CPlannerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(ui::Icon{res::IDR_PLANNER}, true);
    SetIcon(ui::Icon{res::IDR_PLANNER}, false);
    Window().AddControlCommand(res::IDM_COPY_ALL_RESULTS, res::kCopyAllResultsItem, res::kCopyAllResultsShortcut,
                               {IDC_RESULTS, IDC_CHART});
    std::vector<ui::GridColumn> columns;
    constexpr int kWidths[planner::kProfileColumns] = {12, 24, 24, 34, 26, 30, 36};
    for (int i = 0; i < planner::kProfileColumns; ++i) {
        ui::GridColumn column{lang::Tr(planner::kProfileColumnTitles[i]), kWidths[i], {}, i != planner::kSegmentColumn};
        if (i == planner::kLevelColumn) {
            for (int kind = 0; kind < 4; ++kind) {
                column.choices.emplace_back(planner::LevelKindCell(static_cast<planner::LevelKind>(kind)));
            }
        }
        if (i == planner::kUnitColumn) column.choices = planner::ProfileUnits();
        columns.push_back(column);
    }
    m_profile.SetColumns(columns);
    FillList(m_gravityUnit, planner::GravityUnits());
    FillTranslatedList(m_sweepType, planner::kSweepTypeItems);
    FillTranslatedList(m_sweepMode, planner::kSweepModeItems);
    FillList(m_dwellTimeUnit, planner::FieldUnits(planner::QuantityKind::Time));
    FillTranslatedList(m_runKind, planner::kRunChoiceItems);
    FillTranslatedList(m_runType, planner::kSweepTypeItems);
    FillTranslatedList(m_runMode, planner::kSweepModeItems);
    FillTranslatedList(m_levelSource, planner::kLevelSourceItems);
    FillList(m_levelKind, std::vector<std::string>{planner::LevelKindCell(planner::LevelKind::DisplacementPp),
                                                   planner::LevelKindCell(planner::LevelKind::DisplacementZp),
                                                   planner::LevelKindCell(planner::LevelKind::Velocity),
                                                   planner::LevelKindCell(planner::LevelKind::Acceleration)});
    for (const QuantityControls& quantity : ShakerQuantities()) {
        FillList(*quantity.units, planner::FieldUnits(quantity.kind));
    }
    std::vector<ui::GridColumn> rankingColumns;
    rankingColumns.reserve(planner::kRankingColumns);
    constexpr int kRankingWidths[planner::kRankingColumns] = {12, 100, 34, 36, 120};
    for (int i = 0; i < planner::kRankingColumns; ++i) {
        rankingColumns.push_back(
            ui::GridColumn{lang::Tr(planner::kRankingColumnTitles[i]), kRankingWidths[i], {}, false});
    }
    m_rankingGrid.SetColumns(rankingColumns);
    SetTooltips();
    OpenChosenLab();
    ShowFields();
    if (!m_startPath.empty()) OpenFile(m_startPath);
    if (planner::RecoveryOffersEnabled()) OfferRecovery();
    return true;
}

// Enter does nothing of its own: every edit has already recalculated.
void CPlannerDlg::OnOK() {}

// Esc neither: a document window closes only when asked to close.
void CPlannerDlg::OnCancel() {}

// The close box, File > Close and Ctrl+W.
void CPlannerDlg::OnClose() {
    if (KeepChanges()) EndDialog(ui::IDCANCEL);
}

// Every quantity field outside the profile says what it takes, in the units
// of the list beside it.
void CPlannerDlg::SetTooltips() {
    using planner::QuantityKind;
    ui::DialogWindow& window = Window();
    window.SetControlTooltip(
        IDC_PROFILE,
        lang::Fill(lang::Tr("A row per segment. From and To: Hz, or auto where two levels meet. Unit: %1 (a "
                            "displacement), %2 (a velocity), %3 (an acceleration). Ramp to: the level at To, or a "
                            "slope such as +6 dB/oct; empty for a constant level. Ctrl+V pastes a breakpoint table "
                            "from a spreadsheet: frequency and level columns."),
                   {UnitChoices(QuantityKind::Length), UnitChoices(QuantityKind::Velocity),
                    UnitChoices(QuantityKind::Acceleration)}));
    window.SetControlTooltip(IDC_GRAVITY,
                             lang::Fill(lang::Tr("The gravity a level in g means: a number in the unit chosen beside "
                                                 "it, or typed with its unit (%1). Empty: standard gravity, 9.80665 "
                                                 "m/s^2."),
                                        {UnitChoices(planner::GravityUnits())}));
    window.SetControlTooltip(
        IDC_RATE, lang::Fill(lang::Tr("Sweep rate, typed with its unit (%1), or the time of one pass (%2). Empty: no "
                                      "sweep."),
                             {UnitChoices(QuantityKind::SweepRate), UnitChoices(QuantityKind::Time)}));
    window.SetControlTooltip(
        IDC_SWEEPS, lang::Fill(lang::Tr("Sweeps: a number of sweeps, or the time per axis typed with its unit (%1), "
                                        "which gives the number."),
                               {UnitChoices(QuantityKind::Time)}));
    window.SetControlTooltip(IDC_RUNS,
                             lang::Tr("The runs made on each axis, in order. None: the sweep alone. The first run "
                                      "added puts the endurance sweep before it."));
    window.SetControlTooltip(IDC_DWELL_FREQUENCY,
                             lang::Fill(lang::Tr("Dwell frequency, in %1."), {UnitChoices(QuantityKind::Frequency)}));
    window.SetControlTooltip(IDC_DWELL_TIME, QuantityTip(N_("Dwell time"), QuantityKind::Time));
    window.SetControlTooltip(IDC_FORCE, QuantityTip(N_("Rated force of the shaker"), QuantityKind::Force));
    window.SetControlTooltip(IDC_FRACTION,
                             lang::Tr("The part of the rated force the test may use, from 0 to 1 (1: all of it). "
                                      "Empty: 1."));
    window.SetControlTooltip(IDC_ARMATURE, QuantityTip(N_("Armature mass"), QuantityKind::Mass));
    window.SetControlTooltip(IDC_EXPANDER, QuantityTip(N_("Head expander mass"), QuantityKind::Mass));
    window.SetControlTooltip(IDC_FIXTURE, QuantityTip(N_("Fixture mass"), QuantityKind::Mass));
    window.SetControlTooltip(IDC_SPECIMEN, QuantityTip(N_("Specimen mass"), QuantityKind::Mass));
    window.SetControlTooltip(IDC_STROKE, QuantityTip(N_("Stroke limit, peak-to-peak"), QuantityKind::Length));
    window.SetControlTooltip(IDC_VELOCITY_LIMIT, QuantityTip(N_("Velocity limit"), QuantityKind::Velocity));
    window.SetControlTooltip(IDC_ACCELERATION_LIMIT, QuantityTip(N_("Acceleration limit"), QuantityKind::Acceleration));
    window.SetControlTooltip(IDC_QUERY_TIME,
                             QueryTip(N_("Elapsed time into one axis's sweeping"), N_("seconds"), QuantityKind::Time));
    window.SetControlTooltip(IDC_QUERY_FREQUENCY,
                             QueryTip(N_("A frequency the sweep passes"), N_("hertz"), QuantityKind::Frequency));
    window.SetControlTooltip(IDC_QUERY_RESONANCE,
                             QueryTip(N_("A resonance's natural frequency"), N_("hertz"), QuantityKind::Frequency));
    window.SetControlTooltip(IDC_QUERY_Q,
                             lang::Tr("The resonance's quality factor Q, a plain number, with its frequency."));
    window.SetControlTooltip(IDC_RANKING,
                             lang::Tr("The library's shakers for this plan at the library's derating: those that "
                                      "can run it first, the smallest first. Choose a row to put that shaker into "
                                      "the plan."));
    window.SetControlTooltip(IDC_LAB_EXPANDER,
                             lang::Tr("The library's head expander or slip table for the plan: its mass and first "
                                      "resonance."));
    window.SetControlTooltip(IDC_LAB_FIXTURE,
                             lang::Tr("The library's fixture for the plan: its mass and first resonance."));
}

// Every control from the fields, then the plan they make.
void CPlannerDlg::ShowFields() {
    m_loading = true;
    if (m_selected >= static_cast<int>(m_fields.segments.size())) m_selected = 0;
    m_selectedDwell = m_fields.dwells.empty() ? -1 : 0;
    m_selectedRun = m_fields.runs.empty() ? -1 : 0;
    ShowSegments();
    ShowDwells();
    ShowDwell();
    ShowRuns();
    ShowRun();
    ExchangePlanFields(Exchange::Show);
    m_loading = false;
    Recalculate();
}

std::vector<CPlannerDlg::QuantityControls> CPlannerDlg::ShakerQuantities() {
    using planner::QuantityKind;
    std::vector<QuantityControls> quantities{
        {&m_force, &m_forceUnit, QuantityKind::Force, &m_fields.force},
        {&m_stroke, &m_strokeUnit, QuantityKind::Length, &m_fields.stroke},
    };
    for (int i = 0; i < 4; ++i) {
        quantities.push_back({&m_masses[i], &m_massUnits[i], QuantityKind::Mass, &m_fields.masses[i]});
    }
    quantities.push_back({&m_velocity, &m_velocityUnit, QuantityKind::Velocity, &m_fields.velocity});
    quantities.push_back({&m_acceleration, &m_accelerationUnit, QuantityKind::Acceleration, &m_fields.acceleration});
    return quantities;
}

void CPlannerDlg::ShowQuantity(const QuantityControls& controls) {
    const bool loading = std::exchange(m_loading, true);
    controls.edit->SetWindowText(controls.field->text);
    controls.units->SetCurSel(controls.field->unit);
    m_loading = loading;
}

// The plan's fields below the segments and the control that shows each, in
// one list for both ways, so that a field cannot be shown in one control and
// read back from another. A list reads as its first item while it has no
// selection; a unit list is read by its own handler.
void CPlannerDlg::ExchangePlanFields(Exchange way) {
    const auto list = [way](ui::CListBox& box, auto& choice) {
        using Choice = std::remove_reference_t<decltype(choice)>;
        if (way == Exchange::Show) {
            box.SetCurSel(static_cast<int>(choice));
        } else {
            choice = static_cast<Choice>(std::max(0, box.GetCurSel()));
        }
    };
    const auto text = [way](ui::CEdit& edit, std::string& field) {
        if (way == Exchange::Show) {
            edit.SetWindowText(field);
        } else {
            edit.GetWindowText(field);
        }
    };
    list(m_sweepType, m_fields.sweepType);
    list(m_sweepMode, m_fields.sweepMode);
    text(m_rate, m_fields.rate);
    text(m_sweeps, m_fields.sweeps);
    text(m_axes, m_fields.axes);
    text(m_fraction, m_fields.fraction);
    text(m_gravity, m_fields.gravity.text);
    if (way == Exchange::Show) m_gravityUnit.SetCurSel(m_fields.gravity.unit);
    for (const QuantityControls& quantity : ShakerQuantities()) {
        text(*quantity.edit, quantity.field->text);
        if (way == Exchange::Show) quantity.units->SetCurSel(quantity.field->unit);
    }
}

// The profile's rows; the segment being edited stays the current row.
void CPlannerDlg::ShowSegments() {
    ui::GridRows rows;
    for (std::size_t i = 0; i < m_fields.segments.size(); ++i)
        rows.push_back(planner::ProfileRow(i, m_fields.segments[i]));
    m_profile.SetRows(rows);
    const int column = m_profile.GetCurrentCell().column;
    m_profile.SetCurrentCell(m_selected, column > planner::kSegmentColumn ? column : planner::kFromColumn);
}

// The dwells' list; their fields are greyed out while there is none.
void CPlannerDlg::ShowDwells() {
    std::vector<std::string> items;
    for (const planner::DwellFields& dwell : m_fields.dwells) items.push_back(planner::DwellSummary(dwell));
    FillList(m_dwells, items);
    m_dwells.SetCurSel(m_selectedDwell);
    const bool any = m_selectedDwell >= 0;
    for (ui::CWnd* control : std::initializer_list<ui::CWnd*>{&m_removeDwell, &m_dwellFrequencyLabel, &m_dwellFrequency,
                                                              &m_dwellTimeLabel, &m_dwellTime, &m_dwellTimeUnit}) {
        control->EnableWindow(any);
    }
}

void CPlannerDlg::ShowDwell() {
    const bool loading = std::exchange(m_loading, true);
    const planner::DwellFields none{};  // no dwell chosen: empty fields
    const planner::DwellFields& dwell = m_selectedDwell >= 0 ? m_fields.dwells[m_selectedDwell] : none;
    m_dwellFrequency.SetWindowText(dwell.frequency);
    m_dwellTime.SetWindowText(dwell.time.text);
    m_dwellTimeUnit.SetCurSel(dwell.time.unit);
    m_loading = loading;
}

void CPlannerDlg::Edited() {
    const std::string key = planner::TypingKey(m_history.Current().fields, m_fields);
    m_history.Record(Step{m_fields, m_selected, m_selectedDwell, m_selectedRun}, key);
    Recalculate();
    RecoveryAfterChange();
}

void CPlannerDlg::ShowStep() {
    const Step& step = m_history.Current();
    m_fields = step.fields;
    m_selected = step.selected;
    ShowFields();
    if (step.selectedDwell >= 0 && step.selectedDwell < static_cast<int>(m_fields.dwells.size())) {
        m_selectedDwell = step.selectedDwell;
        ShowDwells();
        ShowDwell();
    }
    if (step.selectedRun >= 0 && step.selectedRun < static_cast<int>(m_fields.runs.size())) {
        m_selectedRun = step.selectedRun;
        ShowRuns();
        ShowRun();
    }
}

void CPlannerDlg::OnUndo() {
    if (!m_history.CanUndo()) return;
    m_history.Undo();
    ShowStep();
    RecoveryAfterChange();
}

void CPlannerDlg::OnRedo() {
    if (!m_history.CanRedo()) return;
    m_history.Redo();
    ShowStep();
    RecoveryAfterChange();
}

void CPlannerDlg::OnProfileRowChange(int row, int /*column*/) {
    if (row < 0 || row >= static_cast<int>(m_fields.segments.size())) return;
    m_selected = row;
}

// A cell's new text; a choice that does not fit puts the row back as it was.
void CPlannerDlg::OnProfileCellChange(int row, int column) {
    if (row < 0 || row >= static_cast<int>(m_fields.segments.size())) return;
    m_selected = row;
    std::string text;
    m_profile.GetCell(row, column, text);
    const bool changed = planner::SetProfileCell(m_fields.segments[row], column, text);
    ShowSegments();
    if (changed) Edited();
}

void CPlannerDlg::OnProfilePaste(int /*row*/, int /*column*/) { PasteIntoProfile(Window().GetClipboardText()); }

void CPlannerDlg::OnPasteProfile() { PasteIntoProfile(Window().GetClipboardText()); }

// A spreadsheet's breakpoint table becomes the profile; one value alone goes
// into the current cell, as typing it would.
void CPlannerDlg::PasteIntoProfile(const std::string& text) {
    std::string trimmed = text;
    while (!trimmed.empty() && (trimmed.back() == '\n' || trimmed.back() == '\r')) trimmed.pop_back();
    if (trimmed.find_first_of("\t\n") == std::string::npos) {
        const ui::GridCell cell = m_profile.GetCurrentCell();
        if (cell.row < 0 || cell.row >= static_cast<int>(m_fields.segments.size())) return;
        m_selected = cell.row;
        const bool changed = planner::SetProfileCell(m_fields.segments[cell.row], cell.column, trimmed);
        ShowSegments();
        if (changed) Edited();
        return;
    }
    std::vector<planner::SegmentFields> segments;
    std::string problem;
    // Levels in g on different lines convert through the gravity on show.
    const double gravity = m_haveResult ? m_document.GravitySi() : planner::kStandardGravity;
    if (!planner::ReadBreakpointTable(text, gravity, segments, problem)) {
        ui::AfxMessageBox(lang::Fill(lang::Tr("The clipboard's table cannot be pasted as the profile: %1"), {problem}));
        return;
    }
    m_fields.segments = std::move(segments);
    m_selected = 0;
    ShowSegments();
    Edited();
}

// A new segment after the chosen one, from where it ends, at its level;
// its end is for the user to type, in the To cell the keyboard goes to.
void CPlannerDlg::OnAdd() {
    planner::SegmentFields segment = m_fields.segments[m_selected];
    segment.from = segment.to;
    segment.to.clear();
    segment.endValue.clear();
    m_fields.segments.insert(m_fields.segments.begin() + m_selected + 1, segment);
    ++m_selected;
    ShowSegments();
    m_profile.SetCurrentCell(m_selected, planner::kToColumn);
    m_profile.SetFocus();
    Edited();
}

void CPlannerDlg::OnRemove() {
    if (m_fields.segments.size() < 2) return;  // a profile has a segment
    EraseChosen(m_fields.segments, m_selected);
    ShowSegments();
    Edited();
}

void CPlannerDlg::OnMoveUp() {
    if (m_selected == 0) return;
    std::swap(m_fields.segments[m_selected], m_fields.segments[m_selected - 1]);
    --m_selected;
    ShowSegments();
    Edited();
}

void CPlannerDlg::OnMoveDown() {
    if (m_selected + 1 >= static_cast<int>(m_fields.segments.size())) return;
    std::swap(m_fields.segments[m_selected], m_fields.segments[m_selected + 1]);
    ++m_selected;
    ShowSegments();
    Edited();
}

// A unit typed with a number moves the list beside it to that unit.
void CPlannerDlg::OnChangePlan() {
    if (m_loading) return;
    ExchangePlanFields(Exchange::Read);
    for (const QuantityControls& quantity : ShakerQuantities()) {
        if (planner::FollowTypedUnit(*quantity.field, quantity.kind)) quantity.units->SetCurSel(quantity.field->unit);
    }
    if (planner::FollowTypedUnit(m_fields.gravity, planner::QuantityKind::Acceleration, planner::GravityUnits())) {
        m_gravityUnit.SetCurSel(m_fields.gravity.unit);
    }
    Edited();
}

void CPlannerDlg::OnSelchangeGravityUnit() {
    if (m_loading) return;
    planner::ChooseUnit(m_fields.gravity, planner::QuantityKind::Acceleration, m_gravityUnit.GetCurSel());
    const bool loading = std::exchange(m_loading, true);
    m_gravity.SetWindowText(m_fields.gravity.text);
    m_loading = loading;
    Edited();
}

// A unit chosen in a list is the unit of the number beside it.
void CPlannerDlg::OnSelchangeShakerUnit() {
    if (m_loading) return;
    for (const QuantityControls& quantity : ShakerQuantities()) {
        const int chosen = quantity.units->GetCurSel();
        if (chosen == quantity.field->unit) continue;
        planner::ChooseUnit(*quantity.field, quantity.kind, chosen);
        ShowQuantity(quantity);
    }
    Edited();
}

void CPlannerDlg::OnSelchangeDwells() {
    if (!FollowChoice(m_dwells, m_selectedDwell)) return;
    ShowDwell();
    ShowStatus();
}

// A new dwell after the chosen one, as long as it; its frequency is for the
// user to type.
void CPlannerDlg::OnAddDwell() {
    planner::DwellFields dwell;
    if (m_selectedDwell >= 0) dwell.time = m_fields.dwells[m_selectedDwell].time;
    m_fields.dwells.insert(m_fields.dwells.begin() + (m_selectedDwell + 1), dwell);
    ++m_selectedDwell;
    ShowDwells();
    ShowDwell();
    Edited();
}

void CPlannerDlg::OnRemoveDwell() {
    if (m_selectedDwell < 0) return;
    EraseChosen(m_fields.dwells, m_selectedDwell);
    ShowDwells();
    ShowDwell();
    Edited();
}

void CPlannerDlg::OnChangeDwell() {
    if (m_loading || m_selectedDwell < 0) return;
    planner::DwellFields& dwell = m_fields.dwells[m_selectedDwell];
    m_dwellFrequency.GetWindowText(dwell.frequency);
    m_dwellTime.GetWindowText(dwell.time.text);
    if (planner::FollowTypedUnit(dwell.time, planner::QuantityKind::Time)) m_dwellTimeUnit.SetCurSel(dwell.time.unit);
    ShowDwells();
    Edited();
}

void CPlannerDlg::OnSelchangeDwellUnit() {
    if (m_loading || m_selectedDwell < 0) return;
    planner::DwellFields& dwell = m_fields.dwells[m_selectedDwell];
    planner::ChooseUnit(dwell.time, planner::QuantityKind::Time, m_dwellTimeUnit.GetCurSel());
    ShowDwell();
    ShowDwells();
    Edited();
}

// The plan of the fields on show; while they do not make one, the status
// line says why and the last good plan stays, out of date. The queries ask
// whichever plan is on show.
void CPlannerDlg::Recalculate() {
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    if (planner::DocumentOf(m_fields, document, m_planProblem, m_planPlace)) {
        planner::PlanQuery query;
        query.lab = m_haveLab ? &m_lab : nullptr;
        if (planner::EvaluatePlan(document, query, outcome, m_planProblem)) {
            m_planProblem.clear();
            m_document = std::move(document);
            m_outcome = std::move(outcome);
            m_haveResult = true;
            auto drawing = std::make_shared<draw::Chart>();
            planner::DrawChart(m_document, m_outcome, *drawing);
            m_drawing = drawing;
            m_chart.SetDrawing(drawing);
            m_rateResult.SetWindowText(planner::SweepCounterpart(m_document, m_outcome));
        } else {
            m_planProblem = planner::WindowMessage(m_planProblem, m_planPlace);
        }
    }
    ShowResults();
    ShowRanking();
    ShowAnswers();
}

void CPlannerDlg::ShowResults() {
    const bool current = m_planProblem.empty();
    m_results.EnableWindow(current);
    m_chart.EnableWindow(current);
    m_answers.EnableWindow(current);
    m_rateResult.EnableWindow(current);
    m_rankingGrid.EnableWindow(current);
}

// The results table of the plan on show with the answers to its queries;
// the columns change only when their units do.
void CPlannerDlg::ShowResultRows() {
    if (!m_haveResult) return;
    planner::ResultsGrid grid = planner::ResultsGridOf(m_document, m_outcome);
    if (grid.columns != m_resultColumns) {
        constexpr int kWidths[] = {66, 28, 52, 40, 36, 101};
        std::vector<ui::GridColumn> columns;
        for (std::size_t i = 0; i < grid.columns.size(); ++i) {
            columns.push_back(ui::GridColumn{grid.columns[i], kWidths[i], {}, false});
        }
        m_results.SetColumns(columns);
        m_resultColumns = grid.columns;
    }
    m_results.SetRows(grid.rows);
}

// Past the problems: the library's figures that differ from the plan's, a
// library that does not read (once), else the file's name.
void CPlannerDlg::ShowStatus() {
    const bool planFails = !m_planProblem.empty();
    const std::string& problem = planFails ? m_planProblem : m_queryProblem;
    std::string text = problem;
    if (text.empty() && m_haveResult && !m_outcome.labDifferences.empty()) {
        const std::optional<std::string>& name = m_document.shaker ? m_document.shaker->name : std::nullopt;
        text = name ? lang::Fill(lang::Tr("The library's figures for %1 differ: "), {*name})
                    : std::string(lang::Tr("The library's figures differ: "));
        for (std::size_t i = 0; i < m_outcome.labDifferences.size(); ++i) {
            planner::FieldPlace ignored;
            text += (i > 0 ? "; " : "") + planner::WindowMessage(m_outcome.labDifferences[i], ignored);
        }
        text += lang::Tr(". Edit > Take Library Figures takes them.");
    }
    if (text.empty()) text = std::exchange(m_labNote, {});
    m_status.SetWindowText(text.empty() ? FileName(m_path) : text);
    ShowMarks(problem, planFails ? m_planPlace : m_queryPlace);
    ShowTitle();
    ShowCommands();
}

// The plan's file name, marked while it has changes that are not saved.
void CPlannerDlg::ShowTitle() {
    Window().SetTitle(FileName(m_path) + (m_history.Changed() ? "*" : "") + " \u2014 " + lang::Tr("Sine Test Planner"));
}

void CPlannerDlg::ShowCommands() {
    Window().EnableMenuItem(IDM_UNDO, m_history.CanUndo());
    Window().EnableMenuItem(IDM_REDO, m_history.CanRedo());
    Window().EnableMenuItem(IDM_TAKE_LAB_FIGURES,
                            m_planProblem.empty() && m_haveResult && !m_outcome.labDifferences.empty());
}

bool CPlannerDlg::PlanOnShow(const char* refused) {
    if (m_planProblem.empty() && m_haveResult) return true;
    ui::AfxMessageBox(lang::Fill(lang::Tr("%1 while %2"), {lang::Tr(refused), m_planProblem}));
    return false;
}

// Before the document is replaced: false when the user cancels, or a save
// that was asked for did not happen.
bool CPlannerDlg::KeepChanges() {
    if (!m_history.Changed()) return true;
    switch (ui::AfxQuestion(lang::Fill(lang::Tr("Save the changes to %1?"), {FileName(m_path)}))) {
        case ui::IDYES:
            OnSave();
            return !m_history.Changed();
        case ui::IDNO:
            return true;
        default:
            return false;
    }
}

void CPlannerDlg::OnNew() {
    if (!KeepChanges()) return;
    m_fields = planner::NewPlanFields();
    m_templateInfo.reset();
    m_selected = 0;
    m_path.clear();
    m_history.Reset(Step{m_fields, 0, -1, -1});
    ShowFields();
    RecoveryAfterChange();
}

// A file that does not read is refused with the reader's message, and the
// document on show stays as it was.
void CPlannerDlg::OnOpen() {
    if (!KeepChanges()) return;
    std::string path;
    if (ui::AfxOpenFileName({PlanFiles()}, path)) OpenFile(path);
}

// The plan in that file replaces the open one; a file that does not read is
// refused with the reader's message and the open plan stays as it was.
void CPlannerDlg::OpenFile(const std::string& path) {
    const planner::FileStamp stamp = planner::StampOfFile(path);
    std::string text;
    planner::PlanDocument document;
    std::string message;
    if (!planner::ReadTextFile(path, text)) {
        ui::AfxMessageBox(lang::Fill(lang::Tr("%1: cannot be read"), {path}));
        return;
    }
    if (!planner::ReadPlan(text, document, message)) {
        ui::AfxMessageBox(path + ": " + message);
        return;
    }
    m_fields = planner::FieldsOf(document);
    m_templateInfo = document.templateInfo;
    m_selected = 0;
    m_path = path;
    m_stamp = stamp;
    m_history.Reset(Step{m_fields, 0, -1, -1});
    ShowFields();
    RecoveryAfterChange();
}

// A file changed on disk since it was opened or saved is not written over
// without the user's word.
void CPlannerDlg::OnSave() {
    if (m_path.empty()) return OnSaveAs();
    planner::PlanDocument document;
    if (!SavedDocument(document)) return;
    switch (planner::AskBeforeOverwriting(m_path, m_stamp)) {
        case planner::OnDiskAnswer::Overwrite:
            SaveTo(m_path);
            return;
        case planner::OnDiskAnswer::SaveAs:
            return OnSaveAs();
        case planner::OnDiskAnswer::Cancel:
            return;
    }
}

// Refused before a name is asked for: the file must open again.
void CPlannerDlg::OnSaveAs() {
    planner::PlanDocument document;
    if (!SavedDocument(document)) return;
    std::string path = m_path;
    std::size_t type = 0;
    if (!ui::AfxSaveFileName({PlanFiles()}, path, type)) return;
    SaveTo(path);
}

// A plan with required fields left empty is saved unfinished, those fields
// to fill; one with a field that does not read is refused, naming it, so
// that the file always opens again.
bool CPlannerDlg::SavedDocument(planner::PlanDocument& document) {
    std::string message;
    if (planner::DocumentOf(m_fields, document, message, planner::Unfilled::Allowed)) return true;
    ui::AfxMessageBox(lang::Fill(lang::Tr("%1 while %2"), {lang::Tr("The plan cannot be saved"), message}));
    return false;
}

bool CPlannerDlg::SaveTo(const std::string& path) {
    planner::PlanDocument document;
    std::string message;
    if (!SavedDocument(document)) return false;
    const std::string text = planner::WritePlanDocument(document);
    if (!planner::WriteFileReplacing(path, text, message, beforeReplace)) {
        ui::AfxMessageBox(message);
        return false;
    }
    m_path = path;
    m_stamp = planner::StampOfWritten(path, text);
    m_history.MarkSaved();
    ShowStatus();
    RecoveryAfterChange();
    return true;
}

// The plan as it would be saved; fields that make none leave the copy before.
void CPlannerDlg::OnRecoveryTimer() {
    planner::PlanDocument document;
    std::string message;
    if (!m_history.Changed() || !planner::DocumentOf(m_fields, document, message, planner::Unfilled::Allowed)) return;
    m_recovery.Write(m_path, m_stamp, planner::WritePlanDocument(document));
}

// The restored plan gets a copy of this window's at once, before the old
// one goes, so that a crash right now loses nothing either.
void CPlannerDlg::OfferRecovery() {
    planner::FoundCopy found;
    if (!planner::OfferRecovery(planner::RecoveryKind::Plan, found)) return;
    planner::PlanDocument document;
    std::string message;
    if (!planner::ReadPlan(found.copy.document, document, message)) return;
    m_fields = planner::FieldsOf(document);
    m_selected = 0;
    m_path = found.copy.original;
    m_stamp = found.copy.file;
    m_history.Reset(Step{m_fields, 0, -1, -1});
    m_history.MarkUnsaved();
    ShowFields();
    m_recovery.Write(m_path, m_stamp, found.copy.document);
    planner::DiscardRecoveryCopy(found.path);
}

bool CPlannerDlg::ExportTo(const ui::FileType& type, const std::string& text) {
    std::string path;
    std::size_t chosen = 0;
    if (!ui::AfxSaveFileName({type}, path, chosen)) return false;
    std::string message;
    if (!planner::WriteFileReplacing(path, text, message)) {
        ui::AfxMessageBox(message);
        return false;
    }
    return true;
}

// SVG everywhere, written here; PNG and PDF where the backend paints the
// chart into such a file.
void CPlannerDlg::OnExportChart() {
    if (!PlanOnShow(N_("The chart cannot be exported"))) return;
    std::vector<ui::FileType> types{{lang::Fill(lang::Tr("Chart as %1"), {"SVG"}), "svg"}};
    for (const std::string& extension : Window().ControlPictureExtensions()) {
        std::string upper = extension;
        for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        types.push_back({lang::Fill(lang::Tr("Chart as %1"), {upper}), extension});
    }
    std::string path;
    std::size_t type = 0;
    if (!ui::AfxSaveFileName(types, path, type)) return;
    // The picture names the plan as it is called now; the window shows no title.
    auto titled = std::make_shared<draw::Chart>();
    planner::DrawChart(m_document, m_outcome, *titled, planner::ChartTitle{FileName(m_path)});
    m_drawing = titled;
    m_chart.SetDrawing(titled);
    if (type > 0) {
        if (!Window().SaveControlPicture(IDC_CHART, path))
            ui::AfxMessageBox(lang::Fill(lang::Tr("%1: cannot be written"), {path}));
        return;
    }
    std::string message;
    if (!planner::WriteFileReplacing(path, planner::ChartSvg(*m_drawing, 800, 600), message)) {
        ui::AfxMessageBox(message);
    }
}

// The same table as the calculators copy, on the clipboard.
void CPlannerDlg::OnCopyAllResults() {
    if (!PlanOnShow(N_("The results cannot be copied"))) return;
    Window().SetClipboardText(planner::ResultsTable(m_document, m_outcome));
}

void CPlannerDlg::OnExportResults() {
    if (!PlanOnShow(N_("The results cannot be exported"))) return;
    ExportTo(ResultsFiles(), planner::ResultsTable(m_document, m_outcome));
}

// The library chosen last, edited over the planner; the plan is then
// checked against the library as the editor left it.
void CPlannerDlg::OnEquipmentLibrary() {
    EditLabLibrary(planner::ChosenLabPath());
    OpenChosenLab();
    Recalculate();
}

void CPlannerDlg::OpenChosenLab() {
    planner::OpenedLab opened = planner::OpenLab(planner::ChosenLabPath());
    m_haveLab = opened.readable;
    m_lab = opened.readable ? std::move(opened.lab) : planner::LabDocument();
    m_labNote = opened.readable ? std::string()
                                : lang::Fill(lang::Tr("%1; the planner works without the library"), {opened.problem});
    if (!opened.readable) {
        m_rankingNote = lang::Tr("The library does not read");
    } else if (!opened.exists) {
        m_rankingNote = lang::Tr("No library yet: Tools > Equipment Library...");
    } else if (m_lab.shakers.empty()) {
        m_rankingNote = lang::Tr("The library has no shakers");
    } else {
        m_rankingNote.clear();
    }
    std::vector<std::string> expanders{lang::Tr("none")}, fixtures{lang::Tr("none")};
    for (const planner::LabExpander& expander : m_lab.expanders) expanders.push_back(expander.name);
    for (const planner::LabFixture& fixture : m_lab.fixtures) fixtures.push_back(fixture.name);
    FillList(m_labExpander, expanders);
    FillList(m_labFixture, fixtures);
}

void CPlannerDlg::ShowRanking() {
    const auto chosen = [](const auto& entries, const std::optional<std::string>& name) {
        if (!name) return 0;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].name == *name) return static_cast<int>(i) + 1;
        }
        return -1;  // a name the library does not have
    };
    m_labExpander.SetCurSel(chosen(m_lab.expanders, m_fields.kept.expander));
    m_labFixture.SetCurSel(chosen(m_lab.fixtures, m_fields.kept.fixture));
    if (!m_planProblem.empty()) return;  // the last ranking stays, greyed out with the plan
    std::string note = m_rankingNote;
    m_ranking.clear();
    if (note.empty() && m_haveResult && !planner::RankShakers(m_document, m_outcome, m_lab, m_ranking, note)) {
        m_ranking.clear();
    }
    ui::GridRows rows = planner::RankingRows(m_ranking);
    if (!note.empty()) rows.push_back({"", note, "", "", ""});  // a row no shaker is chosen by
    m_rankingGrid.SetRows(rows);
}

void CPlannerDlg::ChangeShaker(const planner::ShakerSettings& shaker) {
    planner::SetShakerFields(m_fields, shaker);
    const bool loading = std::exchange(m_loading, true);
    ExchangePlanFields(Exchange::Show);
    m_loading = loading;
    Edited();
}

// The chosen row's shaker put into the plan: its figures and name, the
// plan's expander, fixture and specimen kept.
void CPlannerDlg::OnRankingRowChange(int row, int /*column*/) {
    if (row < 0 || row >= static_cast<int>(m_ranking.size())) return;
    if (!PlanOnShow(N_("The shaker cannot be chosen"))) return;
    const planner::LabShaker* shaker = m_lab.FindShaker(m_ranking[row].shaker);
    if (shaker == nullptr) return;
    ChangeShaker(planner::WithLabShaker(ShakerOf(m_document), *shaker));
}

void CPlannerDlg::OnSelchangeLabExpander() { ChooseLabEntry(true); }

void CPlannerDlg::OnSelchangeLabFixture() { ChooseLabEntry(false); }

// The library's expander (or slip table) or fixture on the plan: its name,
// mass and first resonance; "none" takes the name and resonance away and
// leaves the mass typed.
void CPlannerDlg::ChooseLabEntry(bool expander) {
    const ui::CListBox& list = expander ? m_labExpander : m_labFixture;
    const int chosen = list.GetCurSel();
    if (chosen < 0 ||
        !PlanOnShow(expander ? N_("The expander cannot be chosen") : N_("The fixture cannot be chosen"))) {
        return ShowRanking();
    }
    planner::ShakerSettings shaker = ShakerOf(m_document);
    if (expander) {
        PutLabEntry(m_lab.expanders, chosen, shaker.expander, shaker.masses[1], shaker.expanderResonance);
    } else {
        PutLabEntry(m_lab.fixtures, chosen, shaker.fixture, shaker.masses[2], shaker.fixtureResonance);
    }
    ChangeShaker(shaker);
}

// Offered while the library's figures for an entry the plan names differ
// from the plan's copy; never done unasked.
void CPlannerDlg::OnTakeLabFigures() {
    if (!m_haveLab || !PlanOnShow(N_("The library's figures cannot be taken"))) return;
    if (m_outcome.labDifferences.empty()) return;
    ChangeShaker(planner::WithLabFigures(ShakerOf(m_document), m_lab));
}

void CPlannerDlg::OnManual() { ui::OpenManual("planner.html"); }

void CPlannerDlg::OnAbout() {
    ui::AfxMessageBox(lang::Fill(lang::Tr("Sine Test Planner\nHalvex version %1\nPlans swept-sine vibration tests: "
                                          "the profile, the shaker's limits, the time and the four-coordinate chart."),
                                 {res::kProgramVersion}));
}
