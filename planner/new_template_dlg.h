#pragma once

#include <vector>

#include "planner/templates.h"
#include "ui/dialog.h"

// "New from Template": the templates, built-in and the library's, a line
// each with its title and reference; the chosen one's profile below, its
// figures to fill shown as "?", and what it says of itself. OK takes the
// chosen template, Cancel none.
class CNewTemplateDlg : public ui::CDialog {
public:
    explicit CNewTemplateDlg(std::vector<planner::TemplateEntry> templates);

    // The template OK took; null after Cancel.
    const planner::TemplateEntry* Chosen() const { return m_chosen < 0 ? nullptr : &m_templates[m_chosen]; }

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) override;

    void OnSelchangeTemplates();

private:
    void ShowPreview();

    static const ui::EventEntry<CNewTemplateDlg> kEvents[];

    std::vector<planner::TemplateEntry> m_templates;
    int m_chosen = -1;

    ui::CListBox m_list;
    ui::CGrid m_profile;
    ui::CStatic m_details;
};
