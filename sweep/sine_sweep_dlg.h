#pragma once

#include <vector>

#include "sweep/sine_sweep_calc.h"
#include "ui/dialog.h"

// "Sine Sweep Test Parameters": an analysis list, an input list and three
// edits relabelled by analysis, and four output boxes that stay editable but
// are guarded: once a result is on show, a change to one of them is the
// user's and clears every result.
class CSineSweepDlg : public ui::CDialog {
public:
    CSineSweepDlg();
    ~CSineSweepDlg() override;

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;

private:
    void OnSelchangeAnalysis();
    void OnSelchangeInput();
    void OnChangeOutput();
    void OnChangeInput();
    void OnCopyAllResults();
    void OnManual();

    void InputReset();
    void ClearResults();
    double ReadNumber(const ui::CEdit& edit);
    void ShowOutcome(const sweep::SweepOutcome& outcome);
    ui::CEdit& Output(int id);

    static const ui::EventEntry<CSineSweepDlg> kEvents[];

    // Declaration order is binding order.
    ui::CButton m_inputFrame;
    ui::CStatic m_mark1, m_mark2;
    ui::CButton m_outputFrame;
    ui::CEdit m_output4, m_output3, m_output2, m_output1;
    ui::CEdit m_heading, m_label1, m_label3;
    ui::CEdit m_input2, m_input1, m_input3;
    ui::CListBox m_inputList, m_analysisList;
    // The outputs Calculate set, in its order, with their numbers for Copy All
    // Results; empty while none is on show.
    std::vector<sweep::SweepOutput> m_shownOutputs;
};
