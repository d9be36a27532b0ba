#include "ui/win32/control_commands.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "lang/tr.h"
#include "ui/win32/menu_bar.h"
#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

constexpr UINT_PTR kEditSubclass = 3;

// The edit's own items; the dialog's commands have ids far above these.
enum EditItem : UINT { kUndo = 1, kCut, kCopy, kPaste, kDelete, kSelectAll };

// An item's text in the program's language, its key after a tab.
void AppendItem(HMENU menu, UINT flags, UINT id, const char* text, const char* key) {
    AppendMenuW(menu, flags, id, Widen(std::string(lang::Tr(text)) + "\t" + key).c_str());
}

}  // namespace

UINT TrackEditMenu(HWND edit, POINT at, const std::vector<ControlCommand>& commands) {
    const bool readOnly = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selected = start != end;
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(edit));
    const auto state = [](bool enabled) { return enabled ? MF_STRING : MF_STRING | MF_GRAYED; };

    HMENU menu = CreatePopupMenu();
    if (!readOnly) {
        AppendItem(menu, state(SendMessageW(edit, EM_CANUNDO, 0, 0) != 0), kUndo, N_("&Undo"), "Ctrl+Z");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        AppendItem(menu, state(selected), kCut, N_("Cu&t"), "Ctrl+X");
    }
    AppendItem(menu, state(selected), kCopy, N_("&Copy"), "Ctrl+C");
    if (!readOnly) {
        AppendItem(menu, state(IsClipboardFormatAvailable(CF_UNICODETEXT) != FALSE), kPaste, N_("&Paste"), "Ctrl+V");
        AppendItem(menu, state(selected), kDelete, N_("&Delete"), "Del");
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    }
    AppendItem(menu, state(length > 0 && (start > 0 || end < length)), kSelectAll, N_("Select &All"), "Ctrl+A");
    if (!commands.empty()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const ControlCommand& command : commands) AppendMenuW(menu, MF_STRING, command.id, command.label.c_str());

    if (at.x == -1 && at.y == -1) {
        RECT client{};
        GetClientRect(edit, &client);
        at = POINT{(client.left + client.right) / 2, (client.top + client.bottom) / 2};
        ClientToScreen(edit, &at);
    }
    SetFocus(edit);
    const auto chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, edit, nullptr));
    DestroyMenu(menu);
    switch (chosen) {
        case kUndo:
            SendMessageW(edit, EM_UNDO, 0, 0);
            return 0;
        case kCut:
            SendMessageW(edit, WM_CUT, 0, 0);
            return 0;
        case kCopy:
            SendMessageW(edit, WM_COPY, 0, 0);
            return 0;
        case kPaste:
            SendMessageW(edit, WM_PASTE, 0, 0);
            return 0;
        case kDelete:
            SendMessageW(edit, WM_CLEAR, 0, 0);
            return 0;
        case kSelectAll:
            SendMessageW(edit, EM_SETSEL, 0, -1);
            return 0;
        default:
            return chosen;
    }
}

ControlCommands::~ControlCommands() {
    Clear();
    if (m_accelerators != nullptr) DestroyAcceleratorTable(m_accelerators);
}

void ControlCommands::AddToEdit(HWND edit, HWND dialog, const ControlCommand& command) {
    if (std::find(m_ids.begin(), m_ids.end(), command.id) == m_ids.end()) m_ids.push_back(command.id);
    auto found = m_edits.find(edit);
    if (found == m_edits.end()) {
        found = m_edits.emplace(edit, EditCommands{dialog, {}}).first;
        SetWindowSubclass(edit, &ControlCommands::EditProc, kEditSubclass, reinterpret_cast<DWORD_PTR>(this));
    }
    found->second.commands.push_back(command);
}

bool ControlCommands::AddKey(const char* shortcut, UINT commandId) {
    if (std::find(m_ids.begin(), m_ids.end(), commandId) == m_ids.end()) m_ids.push_back(commandId);
    ACCEL accel{};
    if (!ShortcutAccelerator(shortcut, static_cast<WORD>(commandId), accel)) return false;
    m_keys.push_back(accel);
    if (m_accelerators != nullptr) DestroyAcceleratorTable(m_accelerators);
    m_accelerators = CreateAcceleratorTableW(m_keys.data(), static_cast<int>(m_keys.size()));
    return true;
}

bool ControlCommands::Has(UINT commandId) const {
    return std::find(m_ids.begin(), m_ids.end(), commandId) != m_ids.end();
}

UINT ControlCommands::CommandOfKey(const ACCEL& key) const {
    for (const ACCEL& own : m_keys) {
        if (own.key == key.key && own.fVirt == key.fVirt) return own.cmd;
    }
    return 0;
}

bool ControlCommands::TranslateKey(HWND dialog, MSG& message) const {
    return m_accelerators != nullptr && TranslateAcceleratorW(dialog, m_accelerators, &message) != 0;
}

void ControlCommands::Clear() {
    for (const auto& entry : m_edits) {
        if (IsWindow(entry.first) != FALSE)
            RemoveWindowSubclass(entry.first, &ControlCommands::EditProc, kEditSubclass);
    }
    m_edits.clear();
}

LRESULT CALLBACK ControlCommands::EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                           DWORD_PTR self) {
    auto* commands = reinterpret_cast<ControlCommands*>(self);
    if (message == WM_CONTEXTMENU) {
        const auto found = commands->m_edits.find(hwnd);
        if (found == commands->m_edits.end()) return DefSubclassProc(hwnd, message, wParam, lParam);
        const HWND dialog = found->second.dialog;
        // A copy: the command may change what the map holds.
        const std::vector<ControlCommand> items = found->second.commands;
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const UINT chosen = TrackEditMenu(hwnd, at, items);
        if (chosen != 0) SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, &ControlCommands::EditProc, kEditSubclass);
        commands->m_edits.erase(hwnd);
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace ui::win32
