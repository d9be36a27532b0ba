#include "planner/save_template_dlg.h"

#include <utility>

#include "lang/tr.h"
#include "res/resource_ids.h"
#include "res/save_template_ids.h"

using namespace res::save_template_dlg;

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CSaveTemplateDlg::CSaveTemplateDlg(planner::TemplateInfo info, std::string where)
    : CDialog(res::IDD_SAVE_AS_TEMPLATE), m_info(std::move(info)), m_where(std::move(where)) {}

void CSaveTemplateDlg::DoDataExchange(ui::CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    ui::DDX_Control(pDX, IDC_TEMPLATE_ID, m_id);
    ui::DDX_Control(pDX, IDC_TEMPLATE_TITLE, m_title);
    ui::DDX_Control(pDX, IDC_TEMPLATE_REFERENCE, m_reference);
    ui::DDX_Control(pDX, IDC_TEMPLATE_NOTES, m_notes);
    ui::DDX_Control(pDX, IDC_TEMPLATE_STATUS, m_status);
}

bool CSaveTemplateDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(ui::Icon{res::IDR_PLANNER}, true);
    SetIcon(ui::Icon{res::IDR_PLANNER}, false);
    m_id.SetWindowText(m_info.id.value_or(""));
    m_title.SetWindowText(m_info.title);
    m_reference.SetWindowText(m_info.reference.value_or(""));
    m_notes.SetWindowText(m_info.notes.value_or(""));
    m_status.SetWindowText(lang::Fill(lang::Tr("Into the library %1"), {m_where}));
    return true;
}

// Empty reference and notes are left out of the template; the id and the
// title it cannot do without.
void CSaveTemplateDlg::OnOK() {
    std::string id, title, reference, notes;
    m_id.GetWindowText(id);
    m_title.GetWindowText(title);
    m_reference.GetWindowText(reference);
    m_notes.GetWindowText(notes);
    id = Trimmed(id);
    title = Trimmed(title);
    const int missing = id.empty() ? IDC_TEMPLATE_ID : title.empty() ? IDC_TEMPLATE_TITLE : 0;
    if (m_marked != 0 && m_marked != missing) Window().MarkControl(m_marked, {});
    m_marked = missing;
    if (missing != 0) {
        const char* problem = missing == IDC_TEMPLATE_ID
                                  ? lang::Tr("Id: the id the library lists the template by is missing")
                                  : lang::Tr("Title: the template's title is missing");
        m_status.SetWindowText(problem);
        Window().MarkControl(missing, problem);
        return;
    }
    m_info.id = id;
    m_info.title = title;
    reference = Trimmed(reference);
    notes = Trimmed(notes);
    m_info.reference = reference.empty() ? std::nullopt : std::optional<std::string>(reference);
    m_info.notes = notes.empty() ? std::nullopt : std::optional<std::string>(notes);
    EndDialog(ui::IDOK);
}
