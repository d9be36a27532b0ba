// The planner's File > New from Template... and Save as Template...
#include <algorithm>
#include <utility>

#include "lang/tr.h"
#include "planner/new_template_dlg.h"
#include "planner/planner_dlg.h"
#include "planner/save_template_dlg.h"
#include "planner/templates.h"
#include "ui/messages.h"

// The chosen template becomes a new untitled plan; its figures to fill are
// empty fields, marked as the window marks any required field left empty.
// Changes to the plan on show are asked about only once a template is taken.
void CPlannerDlg::OnNewFromTemplate() {
    CNewTemplateDlg dialog(planner::Templates(m_haveLab ? &m_lab : nullptr));
    if (dialog.DoModal() != ui::IDOK || dialog.Chosen() == nullptr) return;
    if (!KeepChanges()) return;
    const planner::PlanDocument& document = dialog.Chosen()->document;
    m_fields = planner::FieldsOf(document);
    m_templateInfo = document.templateInfo;
    m_selected = 0;
    m_path.clear();
    m_history.Reset(Step{m_fields, 0, -1, -1});
    ShowFields();
}

// The plan as a file would have it, its empty required fields as figures
// to fill, into the chosen library's templates, through the library's own
// save, which never writes over a file that does not read as a library.
void CPlannerDlg::OnSaveAsTemplate() {
    planner::PlanDocument document;
    if (!SavedDocument(document)) return;
    const std::string path = planner::ChosenLabPath();
    if (path.empty()) {
        ui::AfxMessageBox(lang::Tr("The template cannot be saved: there is no place for an equipment library."));
        return;
    }
    planner::OpenedLab opened = planner::OpenLab(path);
    if (!opened.readable) {
        ui::AfxMessageBox(lang::Fill(lang::Tr("The template cannot be saved: %1"), {opened.problem}));
        return;
    }
    planner::TemplateInfo info = m_templateInfo.value_or(planner::TemplateInfo{});
    std::vector<planner::PlanDocument>& templates = opened.lab.templates;
    for (;;) {
        CSaveTemplateDlg dialog(info, path);
        if (dialog.DoModal() != ui::IDOK) return;
        info = dialog.Info();
        const auto same = std::find_if(templates.begin(), templates.end(), [&](const planner::PlanDocument& t) {
            return t.templateInfo && t.templateInfo->id == info.id;
        });
        document.templateInfo = info;
        if (same == templates.end()) {
            templates.push_back(document);
            break;
        }
        const int answer =
            ui::AfxQuestion(lang::Fill(lang::Tr("The library already has a template \"%1\". Replace it?"), {*info.id}));
        if (answer == ui::IDCANCEL) return;
        if (answer == ui::IDYES) {
            *same = document;
            break;
        }
    }
    std::string message;
    if (!planner::SaveLab(path, opened.lab, message)) {
        ui::AfxMessageBox(message);
        return;
    }
    m_templateInfo = info;
    OpenChosenLab();
    m_labNote = lang::Fill(lang::Tr("Saved as the library's template \"%1\""), {*info.id});
    ShowStatus();
}
