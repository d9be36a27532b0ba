#include "app/win32/win32_drive_session.h"

namespace halvex {

void Win32DriveSession::RunProgram() {
    ui::win32::Win32Backend backend;
    backend.SetAutomation(this);
    ui::SetBackend(&backend);
    struct Unset {
        ~Unset() { ui::SetBackend(nullptr); }
    } unset;
    RunChosenProgram();
}

bool Win32DriveSession::Next(ui::win32::Win32Dialog& top) {
    if (!ReadLine(m_command)) return false;
    Execute(m_command, &top);
    return true;
}

void Win32DriveSession::OnOpen(ui::win32::Win32Dialog& dialog) { ReportOpen(dialog.Template()); }

void Win32DriveSession::OnClose(ui::win32::Win32Dialog& dialog, int code) { ReportClose(dialog.Template(), code); }

void Win32DriveSession::OnMessageBox(std::string_view text) { DriveSession::OnMessageBox(text); }

void Win32DriveSession::OnOpenDocument(std::string_view path) { DriveSession::OnOpenDocument(path); }

int Win32DriveSession::AskYesNoCancel(std::string_view text) { return AnswerQuestion(text); }

std::size_t Win32DriveSession::AskChoice(std::string_view text, const std::vector<std::string>& buttons) {
    return AnswerChoice(text, buttons);
}

// Answered as on the headless backend: the name as typed, the first type chosen.
bool Win32DriveSession::AskFileName(ui::FileDialog kind, const std::vector<ui::FileType>& types, std::string& path,
                                    std::size_t& type) {
    type = 0;
    return AnswerFileName(kind, types.empty() ? std::string() : types.front().extension, path);
}

}  // namespace halvex
