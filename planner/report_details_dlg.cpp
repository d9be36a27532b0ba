#include "planner/report_details_dlg.h"

#include <utility>

#include "lang/tr.h"
#include "res/report_details_ids.h"
#include "res/resource_ids.h"

using namespace res::report_details;

namespace {

// The edits in template order, each with its field.
constexpr int kEditIds[7] = {IDC_REPORT_TITLE,  IDC_REPORT_SPECIMEN, IDC_REPORT_CUSTOMER, IDC_REPORT_REFERENCE,
                             IDC_REPORT_AUTHOR, IDC_REPORT_REVISION, IDC_REPORT_NOTES};

std::optional<std::string>& Field(planner::ReportInfo& report, int i) {
    switch (i) {
        case 0:
            return report.title;
        case 1:
            return report.specimen;
        case 2:
            return report.customer;
        case 3:
            return report.reference;
        case 4:
            return report.author;
        case 5:
            return report.revision;
        default:
            return report.notes;
    }
}

}  // namespace

CReportDetailsDlg::CReportDetailsDlg(std::optional<planner::ReportInfo> report, draw::Paper paper)
    : CDialog(res::IDD_REPORT_DETAILS), m_report(std::move(report)), m_paper(paper) {}

void CReportDetailsDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < 7; ++i) ui::DDX_Control(pDX, kEditIds[i], m_edits[i]);
    ui::DDX_Control(pDX, IDC_REPORT_PAPER, m_paperList);
}

bool CReportDetailsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    planner::ReportInfo report = m_report.value_or(planner::ReportInfo());
    for (int i = 0; i < 7; ++i) m_edits[i].SetWindowText(Field(report, i).value_or(""));
    m_paperList.InsertString(0, "A4");
    m_paperList.InsertString(1, lang::Tr("US Letter"));
    m_paperList.SetCurSel(m_paper == draw::Paper::A4 ? 0 : 1);
    return true;
}

// A line break typed or pasted into a field would break the report's lines;
// each is taken as a blank. A field kept absent when it is still as it was
// (an empty text the file had stays), none given, no title block at all.
void CReportDetailsDlg::OnOK() {
    planner::ReportInfo report = m_report.value_or(planner::ReportInfo());
    bool any = false;
    for (int i = 0; i < 7; ++i) {
        std::string text;
        m_edits[i].GetWindowText(text);
        for (char& c : text) {
            if (c == '\r' || c == '\n' || c == '\t') c = ' ';
        }
        std::optional<std::string>& field = Field(report, i);
        if (text != field.value_or("")) field = text.empty() ? std::nullopt : std::optional<std::string>(text);
        any = any || field.has_value();
    }
    m_report = any ? std::optional<planner::ReportInfo>(report) : std::nullopt;
    m_paper = m_paperList.GetCurSel() == 1 ? draw::Paper::Letter : draw::Paper::A4;
    CDialog::OnOK();
}
