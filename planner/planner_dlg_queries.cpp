// The planner window's queries, and the mark on the field the status line
// names.
#include "planner/planner_dlg.h"

#include "res/planner_ids.h"

using namespace res::planner_dlg;

namespace {

struct FieldControl {
    planner::FormField field;
    int id;
};

constexpr FieldControl kFieldControls[] = {
    {planner::FormField::From, IDC_FROM},
    {planner::FormField::To, IDC_TO},
    {planner::FormField::Value, IDC_VALUE},
    {planner::FormField::EndValue, IDC_END_VALUE},
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

// The times a frequency is passed that fit on the answer's line; Copy All
// Results has them all.
constexpr std::size_t kTimesShown = 4;

// The control that shows the field, or none: a segment's or a dwell's field
// is on show only while that segment or dwell is the one being edited.
int ControlOf(const planner::FieldPlace& place, int selected, int selectedDwell) {
    if (place.segment >= 0 && place.segment != selected) return res::kNoId;
    if (place.dwell >= 0 && place.dwell != selectedDwell) return res::kNoId;
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
    }
    ShowStatus();
}

// One field at most is marked: the one the status line names.
void CPlannerDlg::ShowMark(const std::string& problem, const planner::FieldPlace& place) {
    const int id = problem.empty() ? res::kNoId : ControlOf(place, m_selected, m_selectedDwell);
    if (m_marked != res::kNoId && m_marked != id) Window().MarkControl(m_marked, {});
    if (id != res::kNoId) Window().MarkControl(id, problem);
    m_marked = id;
}
