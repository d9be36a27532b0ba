#include "planner/new_template_dlg.h"

#include <cstddef>
#include <string>
#include <utility>

#include "lang/tr.h"
#include "planner/plan_form.h"
#include "res/new_template_ids.h"
#include "res/resource_ids.h"

using namespace res::new_template_dlg;

namespace {

// Lines broken between words to fit the details' width on every backend:
// not every one wraps a label's text itself.
std::string Wrapped(const std::string& text, std::size_t width) {
    std::string out;
    std::size_t lineStart = 0;
    std::size_t lastBlank = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        out += c;
        if (c == '\n') {
            lineStart = out.size();
            lastBlank = std::string::npos;
        } else if (c == ' ') {
            lastBlank = out.size() - 1;
        }
        if (out.size() - lineStart > width && lastBlank != std::string::npos) {
            out[lastBlank] = '\n';
            lineStart = lastBlank + 1;
            lastBlank = std::string::npos;
        }
    }
    return out;
}

// Characters of the template's font that fit across the details.
constexpr std::size_t kDetailsWidth = 140;

}  // namespace

const ui::EventEntry<CNewTemplateDlg> CNewTemplateDlg::kEvents[] = {
    ui::OnCommand(ui::LBN_SELCHANGE, IDC_TEMPLATES, &CNewTemplateDlg::OnSelchangeTemplates),
};

CNewTemplateDlg::CNewTemplateDlg(std::vector<planner::TemplateEntry> templates)
    : CDialog(res::IDD_NEW_FROM_TEMPLATE), m_templates(std::move(templates)) {}

bool CNewTemplateDlg::OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    return ui::DispatchEvent(*this, kEvents, message, wParam, lParam, result);
}

void CNewTemplateDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_TEMPLATES, m_list);
    ui::DDX_Control(pDX, IDC_TEMPLATE_PROFILE, m_profile);
    ui::DDX_Control(pDX, IDC_TEMPLATE_DETAILS, m_details);
}

// The first template chosen, so that the preview is never empty.
bool CNewTemplateDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(ui::Icon{res::IDR_PLANNER}, true);
    SetIcon(ui::Icon{res::IDR_PLANNER}, false);
    std::vector<ui::GridColumn> columns;
    columns.reserve(planner::kProfileColumns);
    constexpr int kWidths[planner::kProfileColumns] = {12, 50, 50, 60, 60, 60, 130};
    for (int i = 0; i < planner::kProfileColumns; ++i) {
        columns.push_back(ui::GridColumn{lang::Tr(planner::kProfileColumnTitles[i]), kWidths[i], {}, false});
    }
    m_profile.SetColumns(columns);
    int index = 0;
    for (const planner::TemplateEntry& entry : m_templates) m_list.InsertString(index++, planner::TemplateLine(entry));
    m_list.SetCurSel(m_templates.empty() ? -1 : 0);
    ShowPreview();
    return true;
}

void CNewTemplateDlg::OnSelchangeTemplates() { ShowPreview(); }

void CNewTemplateDlg::ShowPreview() {
    const int chosen = m_list.GetCurSel();
    if (chosen < 0 || chosen >= static_cast<int>(m_templates.size())) {
        m_profile.SetRows({});
        m_details.SetWindowText(m_templates.empty() ? "No templates." : "");
        return;
    }
    const planner::TemplateEntry& entry = m_templates[static_cast<std::size_t>(chosen)];
    m_profile.SetRows(planner::TemplateProfileRows(entry.document));
    m_details.SetWindowText(Wrapped(planner::TemplateDetails(entry), kDetailsWidth));
}

// Enter and OK: the chosen template; none chosen, nothing happens.
void CNewTemplateDlg::OnOK() {
    const int chosen = m_list.GetCurSel();
    if (chosen < 0 || chosen >= static_cast<int>(m_templates.size())) return;
    m_chosen = chosen;
    EndDialog(ui::IDOK);
}
