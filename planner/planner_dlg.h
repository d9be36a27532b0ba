#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "draw/page.h"
#include "lang/tr.h"
#include "planner/file_io.h"
#include "planner/file_stamp.h"
#include "planner/plan_form.h"
#include "planner/query_form.h"
#include "planner/recovery_dlg.h"
#include "planner/undo_stack.h"
#include "ui/dialog.h"

// "Sine Test Planner": the profile's segments with the fields of the chosen
// one, the sweep with its dwells, the shaker, and the test sequence's runs
// with the fields of the chosen one; every edit recalculates the
// plan and redraws the chart at once. A field that does not read is named in
// the status line and marked where it is on show; the last good plan stays on
// show, greyed out as out of date, and is neither saved, exported nor copied.
// Queries ask the plan on show for its timeline and a resonance's band.
// Files: New, Open, Save, Save As, and exports of the chart and the results,
// on the menu bar; the title names the file and marks unsaved changes. Esc
// does not close the window; its close box, File > Close and Ctrl+W do, after
// asking about unsaved changes.
class CPlannerDlg : public ui::CDialog {
public:
    CPlannerDlg();
    ~CPlannerDlg() override;

    // A plan file to open as the window opens; empty for a new plan. A file
    // that cannot be read is refused with a message, leaving a new plan.
    void OpenAtStart(std::string path) { m_startPath = std::move(path); }

    bool Modified() const { return m_history.Changed(); }
    const std::string& Path() const { return m_path; }
    const planner::PlanFields& Fields() const { return m_fields; }
    // The plan on show and its results: the last plan the fields made, out
    // of date while PlanProblem() says why the fields make none.
    const planner::PlanDocument& PlanShown() const { return m_document; }
    const planner::PlanOutcome& OutcomeShown() const { return m_outcome; }
    const std::string& PlanProblem() const { return m_planProblem; }

    // Called between writing a save and renaming it over the file; a test
    // stops the save there.
    planner::BeforeReplace beforeReplace;
    // The window's recovery copy of its unsaved changes.
    planner::RecoveryKeeper& Recovery() { return m_recovery; }

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;

private:
    // A quantity field and the unit list beside it.
    struct QuantityControls {
        ui::CEdit* edit;
        ui::CListBox* units;
        planner::QuantityKind kind;
        planner::QuantityField* field;
    };

    void OnProfileRowChange(int row, int column);
    void OnProfileCellChange(int row, int column);
    void OnProfilePaste(int row, int column);
    void OnPasteProfile();
    void OnSelchangeGravityUnit();
    void OnAdd();
    void OnRemove();
    void OnMoveUp();
    void OnMoveDown();
    void OnChangePlan();
    void OnSelchangeShakerUnit();
    void OnSelchangeDwells();
    void OnAddDwell();
    void OnRemoveDwell();
    void OnChangeDwell();
    void OnSelchangeDwellUnit();
    void OnSelchangeRuns();
    void OnAddRun();
    void OnRemoveRun();
    void OnMoveRunUp();
    void OnMoveRunDown();
    void OnSelchangeRunKind();
    void OnChangeRun();
    void OnSelchangeRunUnit();
    void OnNew();
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    void OnExportChart();
    void OnExportResults();
    void OnCopyAllResults();
    void OnChangeQuery();
    void OnUndo();
    void OnRedo();
    void OnEquipmentLibrary();
    void OnRankingRowChange(int row, int column);
    void OnSelchangeLabExpander();
    void OnSelchangeLabFixture();
    void OnTakeLabFigures();
    void OnManual();
    void OnAbout();
    void OnNewFromTemplate();
    void OnSaveAsTemplate();
    // The report (planner_dlg_report.cpp).
    void OnReportDetails();
    void OnExportReport();
    void OnPrint();
    // The report of the plan on show, on that paper.
    draw::PagedDocument ReportOnShow(draw::Paper paper) const;
    // The paper reports are laid out on: the user's, until Report Details
    // chooses another.
    draw::Paper ReportPaper();
    void OnRecoveryTimer();

    // The recovery copy follows the document: due after edits pause, gone
    // once nothing is unsaved.
    void RecoveryAfterChange() { m_recovery.Changed(*this, m_history.Changed()); }
    // A copy left by a Halvex that ended unexpectedly, restored as changed
    // when the user chooses to.
    void OfferRecovery();

    void ShowFields();
    void ShowSegments();
    void ShowDwells();
    void ShowDwell();
    void ShowRuns();
    void ShowRun();
    void MoveRun(int by);
    enum class Exchange { Show, Read };
    void ExchangePlanFields(Exchange way);
    std::vector<QuantityControls> ShakerQuantities();
    // The field shown in edit beside its unit list, or read from it.
    void ShowQuantity(const QuantityControls& controls);
    // After every change to the document: a step in the undo history.
    void Edited();
    // The document as the history's step has it, with the rows chosen then.
    void ShowStep();
    void Recalculate();
    // The results and the chart, greyed out with the reason while the fields
    // do not make a plan.
    void ShowResults();
    void ShowAnswers();
    void ShowResultRows();
    // The status line: the plan's problem, else the queries', else the file.
    void ShowStatus();
    // Marks the field the problem lies in and every required field that is
    // empty; a segment's field is its cell in the profile.
    void ShowMarks(const std::string& problem, const planner::FieldPlace& place);
    void ShowTitle();
    // The chosen library, read again; one that does not read is said once
    // and the planner works without it.
    void OpenChosenLab();
    // Which shaker? for the plan on show, and the library's expanders and
    // fixtures with the plan's chosen.
    void ShowRanking();
    // The plan's shaker set-up replaced by this one, as one change.
    void ChangeShaker(const planner::ShakerSettings& shaker);
    // The expander's or the fixture's list chosen from.
    void ChooseLabEntry(bool expander);
    void ShowCommands();
    // A breakpoint table as the profile, or a single value into the cell.
    void PasteIntoProfile(const std::string& text);
    void SetTooltips();
    // False, with a message saying what is refused and why, while the fields
    // do not make a plan; refused is English, marked N_, translated here.
    bool PlanOnShow(const char* refused);
    bool KeepChanges();
    void OpenFile(const std::string& path);
    bool SavedDocument(planner::PlanDocument& document);
    bool SaveTo(const std::string& path);
    bool ExportTo(const ui::FileType& type, const std::string& text);

    // The item chosen in a list of the plan's dwells or runs becomes the one
    // being edited; false, with the list put back, when none is chosen.
    static bool FollowChoice(ui::CListBox& list, int& selected) {
        const int chosen = list.GetCurSel();
        if (chosen < 0) {
            list.SetCurSel(selected);
            return false;
        }
        selected = chosen;
        return true;
    }
    // The chosen item removed; the one after it is chosen, else the one before.
    template <typename Item>
    static void EraseChosen(std::vector<Item>& items, int& selected) {
        items.erase(items.begin() + selected);
        if (selected >= static_cast<int>(items.size())) --selected;
    }
    // A list's items replaced by these, nothing chosen.
    template <typename Items>
    static void FillList(ui::CListBox& list, const Items& items) {
        list.ResetContent();
        int index = 0;
        for (const auto& item : items) list.InsertString(index++, item);
    }
    // A list of the program's own words (marked N_), in the process's language.
    template <typename Items>
    static void FillTranslatedList(ui::CListBox& list, const Items& items) {
        list.ResetContent();
        int index = 0;
        for (const char* item : items) list.InsertString(index++, lang::Tr(item));
    }

    static const ui::EventEntry<CPlannerDlg> kEvents[];

    // What Undo goes back to: the fields, and which segment and dwell were
    // being edited, so that the change undone is on show.
    struct Step {
        planner::PlanFields fields;
        int selected = 0;
        int selectedDwell = -1;
        int selectedRun = -1;
    };

    planner::PlanFields m_fields;
    int m_selected = 0;
    int m_selectedDwell = -1;  // none while there are no dwells
    int m_selectedRun = -1;    // none while there is no sequence
    bool m_loading = false;    // the program fills the fields: not an edit
    planner::UndoStack<Step> m_history;
    std::string m_path;
    planner::FileStamp m_stamp;  // m_path as it was opened or last saved
    std::string m_startPath;
    bool m_haveResult = false;
    planner::PlanDocument m_document;
    planner::PlanOutcome m_outcome;
    std::shared_ptr<draw::Chart> m_drawing;
    planner::QueryFields m_queries;
    std::string m_planProblem, m_queryProblem;  // empty while they read
    planner::FieldPlace m_planPlace, m_queryPlace;
    std::vector<std::string> m_resultColumns;  // as the results table has them
    std::vector<int> m_markedControls;
    std::vector<ui::GridCell> m_markedCells;  // in the profile
    planner::LabDocument m_lab;
    bool m_haveLab = false;
    std::string m_labNote;      // why the library does not read, until said
    std::string m_rankingNote;  // why Which shaker? is empty, in its one row
    std::vector<planner::RankedShaker> m_ranking;
    // What the template the plan came from said of itself: Save as
    // Template starts from it.
    std::optional<planner::TemplateInfo> m_templateInfo;
    std::optional<draw::Paper> m_reportPaper;  // asked of the backend when first needed
    planner::RecoveryKeeper m_recovery{planner::RecoveryKind::Plan};

    ui::CGrid m_profile;
    ui::CEdit m_gravity;
    ui::CListBox m_gravityUnit, m_sweepType, m_sweepMode;
    ui::CEdit m_rate, m_sweeps, m_axes;
    ui::CStatic m_rateResult;
    ui::CListBox m_dwells, m_dwellTimeUnit;
    ui::CButton m_removeDwell;
    ui::CStatic m_dwellFrequencyLabel, m_dwellTimeLabel;
    ui::CEdit m_dwellFrequency, m_dwellTime;
    ui::CListBox m_runs, m_runKind, m_runType, m_runMode, m_runUnits[planner::kRunSlots];
    ui::CListBox m_levelSource, m_levelKind, m_levelUnit;
    ui::CButton m_removeRun, m_moveRunUp, m_moveRunDown;
    ui::CStatic m_runLabels[planner::kRunSlots];
    ui::CEdit m_runFields[planner::kRunSlots], m_runLevel;
    ui::CEdit m_force, m_fraction, m_masses[4], m_stroke, m_velocity, m_acceleration;
    ui::CListBox m_forceUnit, m_massUnits[4], m_strokeUnit, m_velocityUnit, m_accelerationUnit;
    ui::CChart m_chart;
    ui::CEdit m_queryTime, m_queryFrequency, m_queryResonance, m_queryQ;
    ui::CGrid m_results, m_rankingGrid;
    ui::CListBox m_labExpander, m_labFixture;
    ui::CStatic m_status, m_answers;
};
