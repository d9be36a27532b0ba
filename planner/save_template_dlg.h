#pragma once

#include <string>

#include "planner/document.h"
#include "ui/dialog.h"

// "Save as Template": the id the library lists the template by, its title,
// the standard or procedure it follows, and notes; the library it goes into
// named below. OK needs an id and a title, and says which is missing.
class CSaveTemplateDlg : public ui::CDialog {
public:
    // The fields as info has them; where names the library.
    CSaveTemplateDlg(planner::TemplateInfo info, std::string where);

    // As OK left it: an id, a title, and the reference and notes when given.
    const planner::TemplateInfo& Info() const { return m_info; }

protected:
    void DoDataExchange(ui::CDataExchange* pDX) override;
    bool OnInitDialog() override;
    void OnOK() override;

private:
    planner::TemplateInfo m_info;
    std::string m_where;
    int m_marked = 0;  // the field marked as missing, if any

    ui::CEdit m_id, m_title, m_reference, m_notes;
    ui::CStatic m_status;
};
