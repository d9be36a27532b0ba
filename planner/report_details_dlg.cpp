#include "planner/report_details_dlg.h"

#include <utility>

#include "res/report_details_ids.h"
#include "res/resource_ids.h"

using namespace res::report_details;

namespace {

// The edits in template order, each with its field.
constexpr int kEditIds[7] = {IDC_REPORT_TITLE,  IDC_REPORT_SPECIMEN, IDC_REPORT_CUSTOMER, IDC_REPORT_REFERENCE,
                             IDC_REPORT_AUTHOR, IDC_REPORT_REVISION, IDC_REPORT_NOTES};

std::string* Fields(ReportDetails& details, int i) {
    std::string* const fields[7] = {&details.title,  &details.specimen, &details.customer, &details.reference,
                                    &details.author, &details.revision, &details.notes};
    return fields[i];
}

}  // namespace

CReportDetailsDlg::CReportDetailsDlg(ReportDetails details, draw::Paper paper)
    : CDialog(res::IDD_REPORT_DETAILS), m_details(std::move(details)), m_paper(paper) {}

void CReportDetailsDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (int i = 0; i < 7; ++i) ui::DDX_Control(pDX, kEditIds[i], m_edits[i]);
    ui::DDX_Control(pDX, IDC_REPORT_PAPER, m_paperList);
}

bool CReportDetailsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (int i = 0; i < 7; ++i) m_edits[i].SetWindowText(*Fields(m_details, i));
    m_paperList.InsertString(0, "A4");
    m_paperList.InsertString(1, "US Letter");
    m_paperList.SetCurSel(m_paper == draw::Paper::A4 ? 0 : 1);
    return true;
}

// A line break typed or pasted into a field would break the report's lines;
// each is taken as a blank.
void CReportDetailsDlg::OnOK() {
    for (int i = 0; i < 7; ++i) {
        std::string text;
        m_edits[i].GetWindowText(text);
        for (char& c : text) {
            if (c == '\r' || c == '\n' || c == '\t') c = ' ';
        }
        *Fields(m_details, i) = text;
    }
    m_paper = m_paperList.GetCurSel() == 1 ? draw::Paper::Letter : draw::Paper::A4;
    CDialog::OnOK();
}
