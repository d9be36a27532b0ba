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

// A code point's width in columns: two for the wide characters of Chinese
// and Japanese, one for any other.
bool Wide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

// Punctuation that never begins a line.
bool ClosesLine(char32_t c) {
    return c == 0x3001 || c == 0x3002 || c == 0x300D || c == 0x300F || c == 0xFF09 || c == 0xFF0C || c == 0xFF0E ||
           c == 0xFF1A || c == 0xFF1B;
}

// The code point that starts at text[i] (UTF-8), and its length in bytes.
char32_t CodePoint(const std::string& text, std::size_t i, std::size_t& length) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (i + length > text.size()) length = 1;
    if (length == 1) return lead;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (byte(i + k) & 0x3F);
    return c;
}

std::size_t Columns(const std::string& text, std::size_t from) {
    std::size_t columns = 0;
    for (std::size_t i = from, length = 1; i < text.size(); i += length) {
        columns += Wide(CodePoint(text, i, length)) ? 2 : 1;
    }
    return columns;
}

// Lines broken to fit the details' width on every backend: not every one
// wraps a label's text itself. Between words, or where Chinese and Japanese
// break, before a wide character.
std::string Wrapped(const std::string& text, std::size_t width) {
    std::string out;
    std::size_t lineStart = 0;
    std::size_t breakAt = std::string::npos;
    bool breakIsBlank = false;
    for (std::size_t i = 0, length = 1; i < text.size(); i += length) {
        const char32_t c = CodePoint(text, i, length);
        if (c == '\n') {
            out += '\n';
            lineStart = out.size();
            breakAt = std::string::npos;
            continue;
        }
        if (Wide(c) && !ClosesLine(c) && out.size() > lineStart) {
            breakAt = out.size();
            breakIsBlank = false;
        }
        out.append(text, i, length);
        if (c == ' ') {
            breakAt = out.size() - 1;
            breakIsBlank = true;
        }
        if (breakAt != std::string::npos && Columns(out, lineStart) > width) {
            if (breakIsBlank) {
                out[breakAt] = '\n';
            } else {
                out.insert(breakAt, 1, '\n');
            }
            lineStart = breakAt + 1;
            breakAt = std::string::npos;
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
        m_details.SetWindowText(m_templates.empty() ? lang::Tr("No templates.") : "");
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
