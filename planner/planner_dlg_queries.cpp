// The planner window's queries, and the marks on the field the status line
// names and on the fields still to fill.
#include "planner/planner_dlg.h"

#include <algorithm>
#include <utility>

#include "res/planner_ids.h"

using namespace res::planner_dlg;

namespace {

struct FieldControl {
    planner::FormField field;
    int id;
};

constexpr FieldControl kFieldControls[] = {
    {planner::FormField::Gravity, IDC_GRAVITY},
    {planner::FormField::Rate, IDC_RATE},
    {planner::FormField::Sweeps, IDC_SWEEPS},
    {planner::FormField::Axes, IDC_AXES},
    {planner::FormField::DwellFrequency, IDC_DWELL_FREQUENCY},
    {planner::FormField::DwellTime, IDC_DWELL_TIME},
    {planner::FormField::Force, IDC_FORCE},
    {planner::FormField::Fraction, IDC_FRACTION},
    {planner::FormField::Armature, IDC_ARMATURE},
    {planner::FormField::Expander, IDC_EXPANDER},
    {planner::FormField::Fixture, IDC_FIXTURE},
    {planner::FormField::Specimen, IDC_SPECIMEN},
    {planner::FormField::Stroke, IDC_STROKE},
    {planner::FormField::Velocity, IDC_VELOCITY_LIMIT},
    {planner::FormField::Acceleration, IDC_ACCELERATION_LIMIT},
    {planner::FormField::QueryTime, IDC_QUERY_TIME},
    {planner::FormField::QueryFrequency, IDC_QUERY_FREQUENCY},
    {planner::FormField::QueryResonance, IDC_QUERY_RESONANCE},
    {planner::FormField::QueryQ, IDC_QUERY_Q},
};

// The times a frequency is passed that fit on the answer's line; the results
// table lists them all.
constexpr std::size_t kTimesShown = 4;

// A segment's field: its cell in the profile, or none for another field.
ui::GridCell CellOf(const planner::FieldPlace& place) {
    using planner::FormField;
    const int column = place.field == FormField::From       ? planner::kFromColumn
                       : place.field == FormField::To       ? planner::kToColumn
                       : place.field == FormField::Value    ? planner::kValueColumn
                       : place.field == FormField::EndValue ? planner::kRampColumn
                                                            : -1;
    return column < 0 || place.segment < 0 ? ui::GridCell{} : ui::GridCell{place.segment, column};
}

// The control that shows the field, or none: a dwell's or a run's field is
// on show only while that dwell or run is the one being edited.
int ControlOf(const planner::FieldPlace& place, int selectedDwell, int selectedRun) {
    if (place.dwell >= 0 && place.dwell != selectedDwell) return res::kNoId;
    if (place.run >= 0) {
        if (place.run != selectedRun) return res::kNoId;
        if (place.field == planner::FormField::RunLevel) return IDC_RUN_LEVEL;
        const int slot = planner::RunSlotOf(place.field);
        return slot < 0 ? res::kNoId : IDC_RUN_FIELD1 + slot;
    }
    for (const FieldControl& known : kFieldControls) {
        if (known.field == place.field) return known.id;
    }
    return res::kNoId;
}

}  // namespace

// Queries are questions about the plan, not part of it: asking one changes
// nothing in the document.
void CPlannerDlg::OnChangeQuery() {
    m_queryTime.GetWindowText(m_queries.time);
    m_queryFrequency.GetWindowText(m_queries.frequency);
    m_queryResonance.GetWindowText(m_queries.resonance);
    m_queryQ.GetWindowText(m_queries.q);
    ShowAnswers();
}

// Answered from the plan on show; the answers join the results that are
// copied and exported.
void CPlannerDlg::ShowAnswers() {
    m_queryProblem.clear();
    m_queryPlace = planner::FieldPlace();
    if (m_haveResult) {
        planner::AnswerQueries(m_queries, m_outcome, m_queryProblem, m_queryPlace);
        m_answers.SetWindowText(planner::QueryAnswers(m_outcome, kTimesShown));
        ShowResultRows();
    }
    ShowStatus();
}

void CPlannerDlg::ShowMarks(const std::string& problem, const planner::FieldPlace& place) {
    std::vector<std::pair<planner::FieldPlace, std::string>> marks;
    if (!problem.empty()) marks.emplace_back(place, problem);
    // The required fields left empty, as a plan saved unfinished has them.
    if (!m_planProblem.empty()) {
        planner::PlanDocument unfinished;
        std::string ignored;
        if (planner::DocumentOf(m_fields, unfinished, ignored, planner::Unfilled::Allowed)) {
            for (const planner::FieldPlace& empty : planner::UnfilledPlaces(unfinished)) {
                marks.emplace_back(empty, lang::Fill(lang::Tr("%1: to be filled"), {planner::FieldName(empty)}));
            }
        }
    }
    std::vector<int> controls;
    std::vector<ui::GridCell> cells;
    const auto marked = [](const auto& list, const auto& same) {
        return std::find_if(list.begin(), list.end(), same) != list.end();
    };
    for (const auto& [field, text] : marks) {
        const ui::GridCell cell = CellOf(field);
        const auto sameCell = [&](const ui::GridCell& c) { return c.row == cell.row && c.column == cell.column; };
        if (cell.row >= 0 && !marked(cells, sameCell)) {
            m_profile.MarkCell(cell.row, cell.column, text);
            cells.push_back(cell);
        }
        const int id = cell.row >= 0 ? res::kNoId : ControlOf(field, m_selectedDwell, m_selectedRun);
        if (id != res::kNoId && std::find(controls.begin(), controls.end(), id) == controls.end()) {
            Window().MarkControl(id, text);
            controls.push_back(id);
        }
    }
    // A step at a stated boundary: its To cell, as a warning, while the plan
    // on show is the fields' own (and no problem marks that cell).
    if (m_planProblem.empty() && m_haveResult) {
        for (const planner::ProfileWarning& warning : m_outcome.profile.warnings) {
            const ui::GridCell cell{static_cast<int>(warning.segment), planner::kToColumn};
            const auto sameCell = [&](const ui::GridCell& c) { return c.row == cell.row && c.column == cell.column; };
            if (cell.row >= static_cast<int>(m_fields.segments.size()) || marked(cells, sameCell)) continue;
            planner::FieldPlace ignored;
            m_profile.WarnCell(cell.row, cell.column,
                               lang::Fill(lang::Tr("Warning: %1"), {planner::WindowMessage(warning.message, ignored)}));
            cells.push_back(cell);
        }
    }
    for (const ui::GridCell& old : m_markedCells) {
        const auto sameCell = [&](const ui::GridCell& c) { return c.row == old.row && c.column == old.column; };
        if (!marked(cells, sameCell) && old.row < static_cast<int>(m_fields.segments.size())) {
            m_profile.MarkCell(old.row, old.column, {});
        }
    }
    for (const int old : m_markedControls) {
        if (std::find(controls.begin(), controls.end(), old) == controls.end()) Window().MarkControl(old, {});
    }
    m_markedCells = std::move(cells);
    m_markedControls = std::move(controls);
}
