// The planner's report: Report Details, Export Report and Print, each on the
// plan on show, laid out once by planner/report.h for every output.
#include <string>
#include <vector>

#include "lang/tr.h"
#include "planner/planner_dlg.h"
#include "planner/report_details_dlg.h"
#include "planner/report_export.h"
#include "res/planner_ids.h"

namespace {

std::string ReportFileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

draw::Paper CPlannerDlg::ReportPaper() {
    if (!m_reportPaper) m_reportPaper = planner::UserPaper();
    return *m_reportPaper;
}

draw::PagedDocument CPlannerDlg::ReportOnShow(draw::Paper paper) const {
    return planner::ReportPages(m_document, m_outcome, m_haveLab ? &m_lab : nullptr, ReportFileName(m_path), paper);
}

// The title block is the plan's, an edit like any other (undone by Undo);
// the paper is the window's, for the exports that follow.
void CPlannerDlg::OnReportDetails() {
    CReportDetailsDlg details(m_fields.report, ReportPaper());
    if (details.DoModal() != ui::IDOK) return;
    m_reportPaper = details.Paper();
    if (details.Report() == m_fields.report) return;
    m_fields.report = details.Report();
    Edited();
}

// PDF where the backend writes it, HTML everywhere; the file is written
// whole or not at all.
void CPlannerDlg::OnExportReport() {
    if (!PlanOnShow(lang::Tr("The report cannot be exported"))) return;
    std::vector<ui::FileType> types;
    if (ui::GetBackend().WritesPdf()) types.push_back({lang::Tr("Report as PDF"), "pdf"});
    types.push_back({lang::Tr("Report as HTML"), "html"});
    std::string path;
    std::size_t type = 0;
    if (!ui::AfxSaveFileName(types, path, type)) return;
    std::string bytes, message;
    if (!planner::ReportFileBytes(ReportOnShow(ReportPaper()), path, bytes, message) ||
        !planner::WriteFileReplacing(path, bytes, message)) {
        ui::AfxMessageBox(message);
    }
}

// The print dialog opens on the window's paper; the report is laid out again
// on the paper chosen there.
void CPlannerDlg::OnPrint() {
    if (!PlanOnShow(lang::Tr("The report cannot be printed"))) return;
    ui::PrintJob job;
    job.title = ReportFileName(m_path.empty() ? std::string(lang::Tr("Untitled")) : m_path);
    job.paper = ReportPaper();
    job.layOut = [this](draw::Paper paper) { return ReportOnShow(paper); };
    if (ui::GetBackend().PrintPages(job) == ui::PrintResult::Failed) {
        ui::AfxMessageBox(lang::Tr("The report could not be printed."));
    }
}
