#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/messages.h"
#include "ui/window.h"

namespace ui {

// The binding context handed to DoDataExchange.
class CDataExchange {
public:
    explicit CDataExchange(CDialog& dialog) : m_dialog(dialog) {}
    CDialog& Dialog() const { return m_dialog; }

private:
    CDialog& m_dialog;
};

// Binds a wrapper to the control of that id for this opening. A missing
// control or one of another kind is a fault in the program and throws.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// An icon handle: the resource it was loaded from.
struct Icon {
    int resourceId = 0;
};

// Base of every dialog: a template, an event table, the OK and Cancel
// actions, and a modal run. A derived dialog lists its events with
// EventEntry rows and returns them from its Events() override.
class CDialog : private DialogSink {
public:
    explicit CDialog(int templateId);
    // A dialog on a template the program does not list (a test's own); the
    // template must outlive the dialog.
    explicit CDialog(const res::DialogTemplate& dialogTemplate);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;
    virtual ~CDialog();

    int DoModal();
    void EndDialog(int code);

    // Only valid while the dialog runs.
    DialogWindow& Window() const;
    bool IsRunning() const { return m_window != nullptr; }
    int TemplateId() const { return m_templateId; }

    CMenu GetSystemMenu(bool revert);
    void SetIcon(Icon icon, bool big);
    bool IsIconic() const;

    // Raised by the layer when the program sets an edit's text, as the
    // platform does for typing.
    void NotifyEditChanged(int id);

    void Bind(CWnd& control, int id);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // The close box and the system menu's Close; by default the cancel
    // command, as in a dialog Esc and the close box are the same. A document
    // window that Esc must not close separates them.
    virtual void OnClose();
    // Default processing of a system command: close is OnClose; the
    // window-management commands go to the backend.
    void DefaultSysCommand(unsigned commandId);

    // Dispatches one message to the dialog's event table; returns false when
    // no entry matches. Derived dialogs implement it with DispatchEvent().
    virtual bool OnEvent(unsigned message, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result);
    // The name of a control that this dialog gives itself (see DialogSink);
    // by default none, and the resources' names apply.
    const char* ControlName(int id) const override;

private:
    std::intptr_t HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void UnbindAll();

    int m_templateId;
    const res::DialogTemplate* m_template = nullptr;  // when not the program's
    DialogWindow* m_window = nullptr;
    std::vector<CWnd*> m_bound;
};

// One row of an event table: (message, notification, control id) to a
// member handler. WM_COMMAND rows use the plain handler; WM_SYSCOMMAND rows
// the one that takes the command and its second parameter; WM_QUERYDRAGICON
// rows the one that returns a value; a grid's notifications (OnGridCommand)
// the one that takes the notification's row and column.
template <class D>
struct EventEntry {
    unsigned message;
    unsigned notification;
    int id;
    void (D::*handler)() = nullptr;
    void (D::*sysHandler)(unsigned, std::intptr_t) = nullptr;
    std::intptr_t (D::*valueHandler)() = nullptr;
    void (D::*cellHandler)(int, int) = nullptr;
};

template <class D>
constexpr EventEntry<D> OnCommand(unsigned notification, int id, void (D::*handler)()) {
    return EventEntry<D>{WM_COMMAND, notification, id, handler, nullptr, nullptr, nullptr};
}
template <class D>
constexpr EventEntry<D> OnGridCommand(unsigned notification, int id, void (D::*handler)(int row, int column)) {
    return EventEntry<D>{WM_COMMAND, notification, id, nullptr, nullptr, nullptr, handler};
}
template <class D>
constexpr EventEntry<D> OnMessage(unsigned message, void (D::*handler)()) {
    return EventEntry<D>{message, 0, 0, handler, nullptr, nullptr, nullptr};
}
template <class D>
constexpr EventEntry<D> OnSysCommandMessage(void (D::*handler)(unsigned, std::intptr_t)) {
    return EventEntry<D>{WM_SYSCOMMAND, 0, 0, nullptr, handler, nullptr, nullptr};
}
template <class D>
constexpr EventEntry<D> OnValueMessage(unsigned message, std::intptr_t (D::*handler)()) {
    return EventEntry<D>{message, 0, 0, nullptr, nullptr, handler, nullptr};
}

template <class D, std::size_t N>
bool DispatchEvent(D& dialog, const EventEntry<D> (&table)[N], unsigned message, std::uintptr_t wParam,
                   std::intptr_t lParam, std::intptr_t& result) {
    for (const EventEntry<D>& entry : table) {
        if (entry.message != message) continue;
        if (message == WM_COMMAND) {
            if (static_cast<int>(LowWord(wParam)) != entry.id || HighWord(wParam) != entry.notification) continue;
            if (entry.cellHandler != nullptr) {
                (dialog.*entry.cellHandler)(GridParamRow(lParam), GridParamColumn(lParam));
            } else {
                (dialog.*entry.handler)();
            }
        } else if (entry.sysHandler != nullptr) {
            (dialog.*entry.sysHandler)(static_cast<unsigned>(wParam), lParam);
        } else if (entry.valueHandler != nullptr) {
            result = (dialog.*entry.valueHandler)();
        } else {
            (dialog.*entry.handler)();
        }
        return true;
    }
    return false;
}

// A message box with an OK button only; returns when it is dismissed.
void AfxMessageBox(std::string_view text);

// A question answered Yes, No or Cancel: IDYES, IDNO or IDCANCEL.
int AfxQuestion(std::string_view text);

// A question answered by one of these buttons, the last the one that leaves
// everything as it was: the index of the button chosen. The buttons are
// named in English, as halvex-drive's scripts answer them; a window shows
// each in the user's language.
std::size_t AfxChoice(std::string_view text, const std::vector<std::string>& buttons);

// The file dialog for a file to open, of these types; false when cancelled.
bool AfxOpenFileName(const std::vector<FileType>& types, std::string& path);

// The file dialog for a file to save, of these types; false when cancelled,
// else the name to write and the index of the type chosen. A name given
// without any of the types' extensions gets the chosen type's, and when the
// name so completed is that of a file already there, the user is asked
// whether to replace it (No: another name; Cancel: none).
bool AfxSaveFileName(const std::vector<FileType>& types, std::string& path, std::size_t& type);

// The name as a file of the types: unchanged when it ends with one of their
// extensions, in any letter case (that type is then `type`), else with the
// extension of type `type` added.
std::string CompletedFileName(const std::string& path, const std::vector<FileType>& types, std::size_t& type);

}  // namespace ui
