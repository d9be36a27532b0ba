#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

// The dialog's own commands on some of its controls (AddControlCommand):
// an edit's context menu is built here, since the system's cannot be
// extended, with the edit's usual items and then the commands; the commands'
// keys are an accelerator table, translated by the dialog's message filter
// as the menu bar's are.
namespace ui::win32 {

struct ControlCommand {
    UINT id;
    std::wstring label;  // the text, a tab, the shortcut
};

class ControlCommands {
public:
    ControlCommands() = default;
    ControlCommands(const ControlCommands&) = delete;
    ControlCommands& operator=(const ControlCommands&) = delete;
    ~ControlCommands();

    // The command on the edit's context menu; the dialog hears of it as
    // WM_COMMAND with the id and 0 once the menu has closed.
    void AddToEdit(HWND edit, HWND dialog, const ControlCommand& command);
    // The command's key anywhere in the dialog; false for a key unknown here.
    bool AddKey(const char* shortcut, UINT commandId);
    bool Has(UINT commandId) const;
    // The command whose key this is, 0 for none.
    UINT CommandOfKey(const ACCEL& key) const;
    bool TranslateKey(HWND dialog, MSG& message) const;
    // The window is gone: its edits and their menus with it.
    void Clear();

private:
    static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    struct EditCommands {
        HWND dialog;
        std::vector<ControlCommand> commands;
    };
    std::map<HWND, EditCommands> m_edits;
    std::vector<UINT> m_ids;
    std::vector<ACCEL> m_keys;
    HACCEL m_accelerators = nullptr;
};

// The edit's usual context menu (Undo, Cut, Copy, Paste, Delete, Select All;
// Copy and Select All alone when it is read-only) with the commands after a
// separator, at a point on the screen; -1, -1 (from the keyboard) is the
// edit's middle. Its own items are done at once; a command's id is returned
// for the caller to send, 0 when none was chosen.
UINT TrackEditMenu(HWND edit, POINT at, const std::vector<ControlCommand>& commands);

}  // namespace ui::win32
