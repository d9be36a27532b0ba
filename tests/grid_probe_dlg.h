#pragma once

#include <string>
#include <vector>

#include "res/dialog_template.h"
#include "res/resource_ids.h"
#include "ui/dialog.h"

// A dialog of the tests' own with two grids: a profile-like one the user
// edits (a typed column, a choice column, a column the user may not edit)
// and a read-only one. It records every grid notification it receives as
// "code row,column" plus the cell's text or the pasted text, and ends on
// OK or Cancel as any dialog does.
namespace halvex_test {

constexpr int kGridDialogId = 9100;
constexpr int kEditGrid = 1000;
constexpr int kReadGrid = 1001;

inline const res::ControlTemplate kGridControls[] = {
    {kEditGrid, res::ControlKind::Grid, res::kTabStop | res::kBorder, 7, 7, 236, 96, "", 0},
    {kReadGrid, res::ControlKind::Grid, res::kTabStop | res::kBorder | res::kReadOnly, 7, 108, 236, 52, "", 0},
    {res::IDOK, res::ControlKind::Button, res::kTabStop | res::kDefaultButton, 140, 166, 50, 14, "OK", 0},
    {res::IDCANCEL, res::ControlKind::Button, res::kTabStop, 193, 166, 50, 14, "Cancel", 0},
};

inline const res::DialogTemplate kGridDialog{kGridDialogId,
                                             "Grid",
                                             250,
                                             186,
                                             "MS Sans Serif",
                                             8,
                                             res::kPopup | res::kCaption | res::kSysMenu | res::kModalFrame,
                                             kGridControls,
                                             sizeof kGridControls / sizeof kGridControls[0]};

class GridProbeDlg : public ui::CDialog {
public:
    GridProbeDlg() : CDialog(kGridDialog) {}

    std::vector<std::string> events;
    ui::CGrid m_grid;
    ui::CGrid m_results;

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override {
        ui::DDX_Control(pDX, kEditGrid, m_grid);
        ui::DDX_Control(pDX, kReadGrid, m_results);
    }
    bool OnInitDialog() override {
        CDialog::OnInitDialog();
        m_grid.SetColumns({{"Segment", 60, {}, true}, {"Level", 50, {"low", "high"}, true}, {"Unit", 40, {}, false}});
        m_grid.SetRows({{"sweep", "low", "g"}, {"dwell", "high", "g"}, {"sweep", "low", "mm"}});
        m_grid.SetCurrentCell(0, 0);
        m_results.SetColumns({{"Hz", 40, {}, false}, {"Peak", 60, {}, false}});
        m_results.SetRows({{"5", "1.2"}, {"10", "3.4"}, {"20", "5.6"}});
        return true;
    }
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override {
        return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
    }
    void OnCancel() override {
        events.emplace_back("cancel");
        CDialog::OnCancel();
    }

private:
    void Record(const char* code, int row, int column, const std::string& text) {
        events.push_back(std::string(code) + ' ' + std::to_string(row) + ',' + std::to_string(column) + ' ' + text);
    }
    void OnCellChange(int row, int column) {
        std::string text;
        m_grid.GetCell(row, column, text);
        Record("change", row, column, text);
    }
    void OnSelChange(int row, int column) { Record("row", row, column, ""); }
    void OnPaste(int row, int column) { Record("paste", row, column, Window().GetClipboardText()); }

    static constexpr ui::EventEntry<GridProbeDlg> kEvents[] = {
        ui::OnGridCommand(ui::GN_CELLCHANGE, kEditGrid, &GridProbeDlg::OnCellChange),
        ui::OnGridCommand(ui::GN_SELCHANGE, kEditGrid, &GridProbeDlg::OnSelChange),
        ui::OnGridCommand(ui::GN_PASTE, kEditGrid, &GridProbeDlg::OnPaste),
    };
};

}  // namespace halvex_test
