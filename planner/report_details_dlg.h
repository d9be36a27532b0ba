#pragma once

#include <optional>

#include "draw/page.h"
#include "planner/document.h"
#include "ui/dialog.h"

// "Report Details": the report's title block of a plan, seven lines of text,
// and the paper an exported report is laid out on. OK keeps what was typed,
// a field left empty as absent; Cancel, Esc and the close box keep nothing.
class CReportDetailsDlg : public ui::CDialog {
public:
    CReportDetailsDlg(std::optional<planner::ReportInfo> report, draw::Paper paper);

    const std::optional<planner::ReportInfo>& Report() const { return m_report; }
    draw::Paper Paper() const { return m_paper; }

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    std::optional<planner::ReportInfo> m_report;
    draw::Paper m_paper;
    ui::CEdit m_edits[7];
    ui::CListBox m_paperList;
};
