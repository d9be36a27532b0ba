#include "ui/dialog.h"

#include <stdexcept>
#include <string>

#include "res/localized_template.h"

namespace ui {
namespace {

Backend* g_backend = nullptr;

}  // namespace

void SetBackend(Backend* backend) { g_backend = backend; }

Backend& GetBackend() {
    if (g_backend == nullptr) throw std::logic_error("no dialog backend set");
    return *g_backend;
}

void AfxMessageBox(std::string_view text) { GetBackend().MessageBox(text); }

int AfxQuestion(std::string_view text) { return GetBackend().AskYesNoCancel(text); }

std::size_t AfxChoice(std::string_view text, const std::vector<std::string>& buttons) {
    return GetBackend().AskChoice(text, buttons);
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) { pDX->Dialog().Bind(control, id); }

CDialog::CDialog(int templateId) : m_templateId(templateId) {}

CDialog::CDialog(const res::DialogTemplate& dialogTemplate)
    : m_templateId(dialogTemplate.id), m_template(&dialogTemplate) {}

CDialog::~CDialog() = default;

DialogWindow& CDialog::Window() const {
    if (m_window == nullptr) throw std::logic_error("dialog is not running");
    return *m_window;
}

void CDialog::Bind(CWnd& control, int id) {
    const res::ControlTemplate* found = Window().Template().Find(id);
    if (found == nullptr || !control.Accepts(found->kind)) {
        throw std::logic_error("dialog " + std::to_string(m_templateId) + " has no control " + std::to_string(id) +
                               " of the bound kind");
    }
    control.Attach(this, id, found->kind);
    m_bound.push_back(&control);
}

void CDialog::UnbindAll() {
    for (CWnd* control : m_bound) control->Detach();
    m_bound.clear();
}

int CDialog::DoModal() {
    const res::DialogTemplate* dialogTemplate =
        m_template != nullptr ? m_template : res::FindDialogTemplate(m_templateId);
    if (dialogTemplate == nullptr) throw std::logic_error("no dialog template " + std::to_string(m_templateId));
    Backend& backend = GetBackend();
    std::unique_ptr<DialogWindow> window = backend.CreateDialogWindow(res::Localized(*dialogTemplate), *this);
    // Cleared again by `reset` below, before the window is destroyed.
    // cppcheck-suppress danglingLifetime
    m_window = window.get();
    struct Reset {
        CDialog& dialog;
        ~Reset() {
            dialog.UnbindAll();
            dialog.m_window = nullptr;
        }
    } reset{*this};
    if (!backend.SendsInitDialog()) OnInitDialog();
    return backend.RunModal(*window);
}

void CDialog::EndDialog(int code) { Window().EndDialog(code); }

CMenu CDialog::GetSystemMenu(bool /*revert*/) { return CMenu(*this); }

void CDialog::SetIcon(Icon icon, bool big) { Window().SetIcon(big, icon.resourceId); }

bool CDialog::IsIconic() const { return Window().IsIconic(); }

void CDialog::DoDataExchange(CDataExchange* /*pDX*/) {}

bool CDialog::OnInitDialog() {
    CDataExchange dx(*this);
    DoDataExchange(&dx);
    return true;
}

void CDialog::OnOK() { EndDialog(IDOK); }

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::OnClose() { OnCancel(); }

void CDialog::DefaultSysCommand(unsigned commandId) {
    if ((commandId & SC_MASK) == SC_CLOSE) {
        OnClose();
    } else {
        Window().SystemCommand(commandId);
    }
}

bool CDialog::OnEvent(unsigned /*message*/, std::uintptr_t /*wParam*/, std::intptr_t /*lParam*/,
                      std::intptr_t& /*result*/) {
    return false;
}

const char* CDialog::ControlName(int /*id*/) const { return nullptr; }

void CDialog::NotifyEditChanged(int id) {
    HandleMessage(WM_COMMAND, MakeWParam(static_cast<unsigned>(id), EN_CHANGE), 0);
}

std::intptr_t CDialog::HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    std::intptr_t result = 0;
    if (OnEvent(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_COMMAND:
            if (HighWord(wParam) == BN_CLICKED) {
                if (LowWord(wParam) == IDOK) OnOK();
                if (LowWord(wParam) == IDCANCEL) OnCancel();
            }
            break;
        case WM_SYSCOMMAND:
            DefaultSysCommand(static_cast<unsigned>(wParam));
            break;
        case WM_CLOSE:
            OnClose();
            break;
        case WM_INITDIALOG:
            result = OnInitDialog() ? 1 : 0;
            break;
        default:
            break;
    }
    return result;
}

}  // namespace ui
