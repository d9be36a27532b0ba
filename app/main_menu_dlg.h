#pragma once

#include "puresine/pure_sine_dlg.h"
#include "sweep/sine_sweep_dlg.h"
#include "ui/dialog.h"

// "Sine Vibration": the list of the two analyses; closing it ends the program.
class CMainMenuDlg : public ui::CDialog {
public:
    CMainMenuDlg();
    ~CMainMenuDlg() override;

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;

private:
    void OnSysCommand(unsigned commandId, std::intptr_t lParam);
    void OnPaint();
    std::intptr_t OnQueryDragIcon();
    void OnSelchangeMainList();
    void OnManual();
    void FillAnalysisList();

    static const ui::EventEntry<CMainMenuDlg> kEvents[];

    CSineSweepDlg m_sweepDialog;
    CPureSineDlg m_pureSineDialog;
    ui::CListBox m_analysisList;
    ui::Icon m_icon;
};
