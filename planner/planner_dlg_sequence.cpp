// The planner window's Sequence box: the runs made on each axis, and the
// fields of the chosen one.
#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "lang/tr.h"
#include "planner/planner_dlg.h"
#include "res/planner_ids.h"

using namespace res::planner_dlg;

namespace {

// What a run's slot takes, for its tooltip.
std::string SlotTip(planner::RunChoice choice, int slot) {
    const char* label = planner::RunSlotLabel(choice, slot);
    const std::vector<std::string>& units = planner::RunSlotUnits(choice, slot);
    // Never empty: a tip once set is updated, not added again.
    if (label == nullptr) return lang::Tr("Not used by a run of this kind.");
    if (units.empty())
        return lang::Fill(lang::Tr("%1: the number of resonances still to be found."), {lang::Tr(label)});
    std::string choices;
    for (const std::string& unit : units) choices += (choices.empty() ? "" : ", ") + planner::ShownUnitWord(unit);
    return lang::Fill(lang::Tr("%1: a number in the unit chosen beside it, or typed with its unit (%2)."),
                      {lang::Tr(label), choices});
}

}  // namespace

// Every field of the chosen run, read from its controls.
void CPlannerDlg::OnChangeRun() {
    if (m_loading || m_selectedRun < 0) return;
    planner::RunFields& run = m_fields.runs[m_selectedRun];
    run.type = static_cast<planner::SweepType>(std::max(0, m_runType.GetCurSel()));
    run.mode = static_cast<planner::SweepMode>(std::max(0, m_runMode.GetCurSel()));
    for (int slot = 0; slot < planner::kRunSlots; ++slot) {
        m_runFields[slot].GetWindowText(run.entries[slot].text);
        if (planner::FollowTypedRunUnit(run, slot)) m_runUnits[slot].SetCurSel(run.entries[slot].unit);
    }
    const planner::RunFields before = run;
    run.source = static_cast<planner::RunLevel::Source>(std::max(0, m_levelSource.GetCurSel()));
    m_runLevel.GetWindowText(run.level);
    // The kind list shows a choice only for an own level; without one the kind stays.
    const int chosenKind = m_levelKind.GetCurSel();
    const auto kind = chosenKind < 0 ? run.levelKind : static_cast<planner::LevelKind>(chosenKind);
    if (kind != run.levelKind) {
        // The unit stays where the new kind has it (mm from p-p to 0-p), else its first.
        const std::string unit = planner::LevelUnits(run.levelKind)[run.levelUnit];
        const std::vector<std::string>& units = planner::LevelUnits(kind);
        run.levelKind = kind;
        run.levelUnit = std::max(0, static_cast<int>(std::find(units.begin(), units.end(), unit) - units.begin()));
        if (run.levelUnit >= static_cast<int>(units.size())) run.levelUnit = 0;
    }
    ShowRuns();
    // A choice in a list may change which fields are in use; the texts being
    // typed are left alone, so that the caret stays where it is.
    if (run.source != before.source || run.levelKind != before.levelKind) ShowRun();
    Edited();
}

// A unit chosen in a list is the unit of the number beside it.
void CPlannerDlg::OnSelchangeRunUnit() {
    if (m_loading || m_selectedRun < 0) return;
    planner::RunFields& run = m_fields.runs[m_selectedRun];
    for (int slot = 0; slot < planner::kRunSlots; ++slot) {
        const int chosen = m_runUnits[slot].GetCurSel();
        if (chosen >= 0 && chosen != run.entries[slot].unit) planner::ChooseRunUnit(run, slot, chosen);
    }
    // The level's unit list has choices only for an own level.
    if (m_levelUnit.GetCurSel() >= 0) run.levelUnit = m_levelUnit.GetCurSel();
    ShowRuns();
    ShowRun();
    Edited();
}

// Another kind: the slots start empty, the level stays.
void CPlannerDlg::OnSelchangeRunKind() {
    if (m_loading || m_selectedRun < 0) return;
    planner::RunFields& run = m_fields.runs[m_selectedRun];
    const auto choice = static_cast<planner::RunChoice>(std::max(0, m_runKind.GetCurSel()));
    if (choice == run.choice) return;
    planner::RunFields changed = planner::NewRunFields(choice);
    changed.source = run.source;
    changed.level = run.level;
    changed.levelKind = run.levelKind;
    changed.levelUnit = run.levelUnit;
    run = changed;
    ShowRuns();
    ShowRun();
    Edited();
}

void CPlannerDlg::OnSelchangeRuns() {
    if (!FollowChoice(m_runs, m_selectedRun)) return;
    ShowRun();
    ShowStatus();
}

// A new dwell after the chosen run, its fields for the user to fill. The
// first run added puts the endurance sweep before it, so that the plan
// keeps the sweep it had.
void CPlannerDlg::OnAddRun() {
    if (m_fields.runs.empty() && !m_fields.rate.empty()) {
        m_fields.runs.push_back(planner::NewRunFields(planner::RunChoice::Sweep));
        m_selectedRun = 0;
    }
    m_fields.runs.insert(m_fields.runs.begin() + (m_selectedRun + 1), planner::NewRunFields(planner::RunChoice::Dwell));
    ++m_selectedRun;
    ShowRuns();
    ShowRun();
    m_runKind.SetFocus();
    Edited();
}

void CPlannerDlg::OnRemoveRun() {
    if (m_selectedRun < 0) return;
    EraseChosen(m_fields.runs, m_selectedRun);
    ShowRuns();
    ShowRun();
    Edited();
}

void CPlannerDlg::OnMoveRunUp() { MoveRun(-1); }

void CPlannerDlg::OnMoveRunDown() { MoveRun(1); }

void CPlannerDlg::MoveRun(int by) {
    const int to = m_selectedRun + by;
    if (m_selectedRun < 0 || to < 0 || to >= static_cast<int>(m_fields.runs.size())) return;
    std::swap(m_fields.runs[m_selectedRun], m_fields.runs[to]);
    m_selectedRun = to;
    ShowRuns();
    ShowRun();
    Edited();
}

// The runs' list; the buttons that need a chosen run are greyed out while
// there is none.
void CPlannerDlg::ShowRuns() {
    std::vector<std::string> items;
    for (const planner::RunFields& run : m_fields.runs) items.push_back(planner::RunSummary(run));
    FillList(m_runs, items);
    m_runs.SetCurSel(m_selectedRun);
    const bool any = m_selectedRun >= 0;
    m_removeRun.EnableWindow(any);
    m_moveRunUp.EnableWindow(any && m_selectedRun > 0);
    m_moveRunDown.EnableWindow(any && m_selectedRun + 1 < static_cast<int>(m_fields.runs.size()));
    m_runKind.EnableWindow(any);
}

// The chosen run's fields: the slots its kind uses, labelled, with their
// units; the others empty and greyed out, as is the level where the kind
// or its source has none.
void CPlannerDlg::ShowRun() {
    const bool loading = std::exchange(m_loading, true);
    const planner::RunFields none = planner::NewRunFields(planner::RunChoice::Sweep);
    const bool any = m_selectedRun >= 0;
    const planner::RunFields& run = any ? m_fields.runs[m_selectedRun] : none;
    m_runKind.SetCurSel(any ? static_cast<int>(run.choice) : -1);
    const bool search = run.choice == planner::RunChoice::Search;
    m_runType.SetCurSel(search ? static_cast<int>(run.type) : -1);
    m_runMode.SetCurSel(search ? static_cast<int>(run.mode) : -1);
    m_runType.EnableWindow(search);
    m_runMode.EnableWindow(search);
    for (int slot = 0; slot < planner::kRunSlots; ++slot) {
        const char* label = planner::RunSlotLabel(run.choice, slot);
        const std::vector<std::string>& units = planner::RunSlotUnits(run.choice, slot);
        m_runLabels[slot].SetWindowText(label != nullptr ? lang::Tr(label) : "");
        m_runFields[slot].SetWindowText(label != nullptr ? run.entries[slot].text : "");
        m_runFields[slot].EnableWindow(label != nullptr);
        std::vector<std::string> shown;
        shown.reserve(units.size());
        for (const std::string& unit : units) shown.push_back(planner::ShownUnitWord(unit));
        FillList(m_runUnits[slot], shown);
        m_runUnits[slot].SetCurSel(units.empty() ? -1 : run.entries[slot].unit);
        m_runUnits[slot].EnableWindow(!units.empty());
        Window().SetControlTooltip(IDC_RUN_FIELD1 + slot, SlotTip(run.choice, slot));
    }
    const bool levelled = run.choice != planner::RunChoice::Sweep;
    const bool own = levelled && run.source == planner::RunLevel::Source::Own;
    m_levelSource.SetCurSel(levelled ? static_cast<int>(run.source) : -1);
    m_levelSource.EnableWindow(levelled);
    m_runLevel.SetWindowText(levelled ? run.level : "");
    m_runLevel.EnableWindow(levelled && run.source != planner::RunLevel::Source::Profile);
    m_levelKind.SetCurSel(own ? static_cast<int>(run.levelKind) : -1);
    m_levelKind.EnableWindow(own);
    FillList(m_levelUnit, own ? planner::LevelUnits(run.levelKind) : std::vector<std::string>{});
    m_levelUnit.SetCurSel(own ? run.levelUnit : -1);
    m_levelUnit.EnableWindow(own);
    Window().SetControlTooltip(IDC_RUN_LEVEL, run.source == planner::RunLevel::Source::Fraction
                                                  ? lang::Tr("The part of the profile's level, above 0 and at most 1.")
                                                  : lang::Tr("The run's own level, in the unit chosen beside it."));
    m_loading = loading;
}
