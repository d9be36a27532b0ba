#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "res/dialog_template.h"

// The one interface between the dialog layer and a windowing backend.
//
// A backend builds a dialog window from a template and reports the USER's
// actions to the dialog as messages (WM_COMMAND with BN_CLICKED, LBN_SELCHANGE
// or EN_CHANGE, WM_SYSCOMMAND, WM_CLOSE), synchronously, after the action has
// taken effect on the control. Changes the program makes through this
// interface raise nothing: the layer itself raises the change event of an
// edit whose text the program sets, so that rule holds on every backend.
// A handler's result is the message's result; for WM_QUERYDRAGICON it is an
// icon resource id, which the backend turns into its own icon handle.
namespace ui {

class DialogSink {
public:
    virtual std::intptr_t HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;

protected:
    ~DialogSink() = default;
};

struct Size {
    int cx;
    int cy;
};

class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    virtual const res::DialogTemplate& Template() const = 0;

    virtual void ShowControl(int id, bool show) = 0;
    virtual bool IsControlVisible(int id) const = 0;
    virtual void SetControlText(int id, std::string_view text) = 0;
    virtual void GetControlText(int id, std::string& out) const = 0;

    virtual void ListReset(int id) = 0;
    virtual void ListInsert(int id, int index, std::string_view text) = 0;
    virtual int ListGetCurSel(int id) const = 0;  // LB_ERR when nothing is selected
    virtual void ListSetCurSel(int id, int index) = 0;

    virtual void AppendSystemMenu(unsigned flags, unsigned commandId, std::string_view text) = 0;
    virtual void SetIcon(bool big, int iconId) = 0;

    // Minimised-window painting, on backends that have it.
    virtual bool IsIconic() const { return false; }
    virtual Size ClientSize() const { return Size{0, 0}; }
    virtual Size IconSize() const { return Size{32, 32}; }
    virtual void DrawIcon(int /*x*/, int /*y*/, int /*iconId*/) {}

    // Default processing of a system command other than close (minimise,
    // maximise, restore), on backends whose windows have such commands.
    virtual void SystemCommand(unsigned /*commandId*/) {}

    // Ends the modal run of this window with the given code once the current
    // handler has returned.
    virtual void EndDialog(int code) = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<DialogWindow> CreateDialogWindow(const res::DialogTemplate& dialogTemplate,
                                                             DialogSink& sink) = 0;
    // Shows the window and handles the user's events until EndDialog.
    virtual int RunModal(DialogWindow& window) = 0;
    // Whether RunModal sends the sink WM_INITDIALOG once the window's
    // controls exist, as a platform whose modal run creates the window does;
    // otherwise the window exists from CreateDialogWindow and the layer
    // initialises the dialog itself before RunModal.
    virtual bool SendsInitDialog() const { return false; }
    // A message box with an OK button only; returns once it is dismissed.
    virtual void MessageBox(std::string_view text) = 0;
};

// The process's backend; set once at start-up, before any dialog runs.
void SetBackend(Backend* backend);
Backend& GetBackend();

}  // namespace ui
