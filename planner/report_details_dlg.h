#pragma once

#include <string>

#include "draw/page.h"
#include "ui/dialog.h"

// The report's own fields of a plan, as the window edits them: each a line
// of text, empty when not given.
struct ReportDetails {
    std::string title;
    std::string specimen;
    std::string customer;
    std::string reference;  // the standard or test procedure followed
    std::string author;
    std::string revision;
    std::string notes;
};

// "Report Details": the seven fields and the paper an exported report is laid
// out on. OK keeps what was typed; Cancel, Esc and the close box keep nothing.
class CReportDetailsDlg : public ui::CDialog {
public:
    CReportDetailsDlg(ReportDetails details, draw::Paper paper);

    const ReportDetails& Details() const { return m_details; }
    draw::Paper Paper() const { return m_paper; }

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    ReportDetails m_details;
    draw::Paper m_paper;
    ui::CEdit m_edits[7];
    ui::CListBox m_paperList;
};
