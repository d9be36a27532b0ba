// The backend's question and file dialogs: the platform's MessageBoxW and
// common file dialogs, owned by the innermost dialog; an automation answers
// them itself instead.
#include <algorithm>
#include <string>

#include "lang/tr.h"
#include "res/string_table.h"
#include "ui/win32/utf16.h"
#include "ui/win32/win32_backend.h"

#include <commctrl.h>
#include <commdlg.h>

namespace ui::win32 {
namespace {

using FileDialogFunction = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The common dialog library is loaded when a file dialog is first asked for,
// not at start: it brings the printing stack with it, megabytes that the
// calculator, which never asks for a file, would carry for nothing.
FileDialogFunction CommonFileDialog(FileDialog kind) {
    static HMODULE library = LoadLibraryW(L"comdlg32.dll");
    if (library == nullptr) return nullptr;
    const FARPROC address = GetProcAddress(library, kind == FileDialog::Open ? "GetOpenFileNameW" : "GetSaveFileNameW");
    return reinterpret_cast<FileDialogFunction>(reinterpret_cast<void*>(address));
}

using TaskDialogFunction = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

// Version 6 of the common controls, which the programs' manifest asks for,
// has the task dialog; through a function pointer, so that the import
// table stays without it.
TaskDialogFunction TaskDialog() {
    static HMODULE library = LoadLibraryW(L"comctl32.dll");
    if (library == nullptr) return nullptr;
    return reinterpret_cast<TaskDialogFunction>(reinterpret_cast<void*>(GetProcAddress(library, "TaskDialogIndirect")));
}

constexpr int kFirstChoiceId = 100;

}  // namespace

// MessageBoxW names its buttons itself; a task dialog takes ours. The last
// button is the default and the one Esc and the close box choose; named
// Cancel, it is the system's own Cancel button, which Esc presses on every
// version of the task dialog (Wine's too, which otherwise lets Esc pass).
std::size_t Win32Backend::AskChoice(std::string_view text, const std::vector<std::string>& buttons) {
    if (m_automation != nullptr) return m_automation->AskChoice(text, buttons);
    const std::size_t last = buttons.empty() ? 0 : buttons.size() - 1;
    const TaskDialogFunction show = TaskDialog();
    if (show == nullptr || buttons.empty()) return last;
    const bool systemCancel = buttons.back() == "Cancel" || buttons.back() == lang::Tr("Cancel");
    std::vector<std::wstring> names;
    for (const std::string& button : buttons) names.push_back(Widen(lang::Tr(button.c_str())));
    std::vector<TASKDIALOG_BUTTON> items;
    for (std::size_t i = 0; i < (systemCancel ? last : buttons.size()); ++i) {
        items.push_back(TASKDIALOG_BUTTON{kFirstChoiceId + static_cast<int>(i), names[i].c_str()});
    }
    const std::wstring title = Widen(res::kApplicationTitle);
    const std::wstring content = Widen(text);
    TASKDIALOGCONFIG config{};
    config.cbSize = sizeof(config);
    Win32Dialog* top = Top();
    config.hwndParent = top != nullptr ? top->Handle() : nullptr;
    config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
    config.dwCommonButtons = systemCancel ? TDCBF_CANCEL_BUTTON : 0;
    config.pszWindowTitle = title.c_str();
    config.pszContent = content.c_str();
    config.cButtons = static_cast<UINT>(items.size());
    config.pButtons = items.data();
    config.nDefaultButton = systemCancel ? IDCANCEL : kFirstChoiceId + static_cast<int>(last);
    int pressed = 0;
    if (FAILED(show(&config, &pressed, nullptr, nullptr))) return last;
    const int index = pressed - kFirstChoiceId;
    return index >= 0 && static_cast<std::size_t>(index) < items.size() ? static_cast<std::size_t>(index) : last;
}

int Win32Backend::AskYesNoCancel(std::string_view text) {
    if (m_automation != nullptr) return m_automation->AskYesNoCancel(text);
    Win32Dialog* top = Top();
    const int answer = MessageBoxW(top != nullptr ? top->Handle() : nullptr, Widen(text).c_str(),
                                   Widen(res::kApplicationTitle).c_str(), MB_YESNOCANCEL | MB_ICONQUESTION);
    return answer == IDYES ? IDYES : answer == IDNO ? IDNO : IDCANCEL;
}

// The dialog adds the chosen type's extension to a name typed without one
// (lpstrDefExt), and asks before that name replaces a file.
bool Win32Backend::AskFileName(FileDialog kind, const std::vector<FileType>& types, std::string& path,
                               std::size_t& type) {
    if (m_automation != nullptr) return m_automation->AskFileName(kind, types, path, type);
    if (types.empty()) return false;
    // "name (*.ext)\0*.ext\0" a type, "\0" the end: the list of types shows
    // the pattern too, as Windows programs' do.
    std::wstring filter;
    for (const FileType& fileType : types) {
        const std::wstring pattern = L"*." + Widen(fileType.extension);
        filter += Widen(lang::Tr(fileType.name.c_str())) + L" (" + pattern + L")";
        filter.push_back(L'\0');
        filter += pattern;
        filter.push_back(L'\0');
    }
    filter.push_back(L'\0');
    const std::wstring defaultExtension = Widen(types.front().extension);
    std::wstring buffer = Widen(path);
    buffer.resize(std::max<std::size_t>(buffer.size() + 1, 4096), L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    Win32Dialog* top = Top();
    dialog.hwndOwner = top != nullptr ? top->Handle() : nullptr;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = static_cast<DWORD>(buffer.size());
    dialog.lpstrDefExt = defaultExtension.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    dialog.Flags |= kind == FileDialog::Open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT;
    const FileDialogFunction show = CommonFileDialog(kind);
    if (show == nullptr || show(&dialog) == FALSE) return false;
    path = Narrow(buffer.c_str());
    type = dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= types.size() ? dialog.nFilterIndex - 1 : 0;
    return true;
}

}  // namespace ui::win32
