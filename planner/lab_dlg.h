#pragma once

#include <array>
#include <string>
#include <vector>

#include "planner/file_stamp.h"
#include "planner/lab_form.h"
#include "planner/recovery_dlg.h"
#include "ui/dialog.h"

// "Equipment Library": the lab's shakers, head expanders and slip tables, and
// fixtures, each list with the chosen item's fields beside it, and the
// library's gravity, derating and fixture margin. A field that does not read,
// or a name another item of its list has, is named in the status line and
// marked, and the library is not saved until it is put right. The title names
// the file and marks unsaved changes; closing asks about them. A file that
// does not read as a library opens empty with the reason, and is never
// written over: Save offers Save As instead.
class CLabDlg : public ui::CDialog {
public:
    // The library in path; empty when the user has no place for one.
    explicit CLabDlg(std::string path);

    bool Modified() const { return !(m_fields == m_saved); }
    const std::string& Path() const { return m_path; }
    // What is wrong with the fields, empty when they make a library.
    const std::string& Problem() const { return m_problem; }
    const planner::LabFields& Fields() const { return m_fields; }
    // Whether the file on Path() did not read as a library.
    bool Unreadable() const { return !m_unreadable.empty(); }
    // The window's recovery copy of its unsaved changes.
    planner::RecoveryKeeper& Recovery() { return m_recovery; }

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnClose() override;
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;

    // The event table's handlers.
    void OnChangeFields();
    void OnSelchangeUnit();
    void OnSelchangeShakers() { OnSelchangeList(planner::LabList::Shakers); }
    void OnSelchangeExpanders() { OnSelchangeList(planner::LabList::Expanders); }
    void OnSelchangeFixtures() { OnSelchangeList(planner::LabList::Fixtures); }
    void OnAddShaker() { OnAdd(planner::LabList::Shakers); }
    void OnAddExpander() { OnAdd(planner::LabList::Expanders); }
    void OnAddFixture() { OnAdd(planner::LabList::Fixtures); }
    void OnRemoveShaker() { OnRemove(planner::LabList::Shakers); }
    void OnRemoveExpander() { OnRemove(planner::LabList::Expanders); }
    void OnRemoveFixture() { OnRemove(planner::LabList::Fixtures); }
    void OnDuplicateShaker() { OnDuplicate(planner::LabList::Shakers); }
    void OnDuplicateExpander() { OnDuplicate(planner::LabList::Expanders); }
    void OnDuplicateFixture() { OnDuplicate(planner::LabList::Fixtures); }
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    void OnManual();
    // The library as it would be saved, kept as the recovery copy; fields
    // that make none leave the copy before.
    void OnRecoveryTimer();

private:
    // A copy left by a Halvex that ended unexpectedly, restored as changed
    // when the user chooses to.
    void OfferRecovery();

    // A quantity field of the library or of an item on show, and its controls.
    struct QuantityControls {
        ui::CEdit* edit;
        ui::CListBox* units;
        planner::QuantityKind kind;
        const std::vector<std::string>* unitList;
        planner::QuantityField* field;
    };

    void OnSelchangeList(planner::LabList list);
    void OnAdd(planner::LabList list);
    void OnRemove(planner::LabList list);
    void OnDuplicate(planner::LabList list);

    int Count(planner::LabList list) const;
    std::vector<std::string> Names(planner::LabList list) const;
    std::vector<QuantityControls> Quantities();
    // Each text control and the text it shows, for both ways.
    std::vector<std::pair<ui::CEdit*, std::string*>> Texts();
    void OpenFile(const std::string& path);
    void Remember(const std::string& path);
    void ShowAll();
    // After items were added or taken away: the list, its chosen item, the status.
    void ShowChanged(planner::LabList list);
    void ShowList(planner::LabList list);
    void ShowItem(planner::LabList list);
    // The problem, else the file, in the status line; the marks; the title.
    void ShowStatus();
    int ControlOf(const planner::LabPlace& place) const;
    bool KeepChanges();
    bool SaveTo(const std::string& path);

    static const ui::EventEntry<CLabDlg> kEvents[];

    std::string m_path;
    planner::FileStamp m_stamp;  // m_path as it was opened or last saved
    planner::LabFields m_fields;
    planner::LabFields m_saved;  // as the file has it
    // The file's own problem when it does not read: it is not written over.
    std::string m_unreadable;
    std::array<int, planner::kLabLists> m_selected{-1, -1, -1};  // -1: none
    bool m_loading = false;                                      // the program sets the controls: not an edit
    std::string m_problem;
    planner::LabPlace m_place;
    int m_marked = -1;  // the control marked, if any
    planner::RecoveryKeeper m_recovery{planner::RecoveryKind::Lab};

    ui::CEdit m_labName, m_gravity, m_fixtureMargin;
    ui::CEdit m_derating[4];
    ui::CListBox m_gravityUnit;
    ui::CListBox m_lists[planner::kLabLists];
    ui::CButton m_remove[planner::kLabLists], m_duplicate[planner::kLabLists];
    ui::CEdit m_names[planner::kLabLists];
    ui::CEdit m_shakerEdits[8];
    ui::CListBox m_shakerUnits[8];
    ui::CListBox m_expanderKind;
    ui::CEdit m_expanderEdits[2], m_fixtureEdits[2];
    ui::CListBox m_expanderUnits[2], m_fixtureUnits[2];
    ui::CStatic m_status;
};
