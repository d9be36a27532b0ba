#include "app/win32/win32_drive_session.h"

#include "app/vibration_app.h"

namespace halvex {

void Win32DriveSession::RunProgram() {
    ui::win32::Win32Backend backend;
    backend.SetAutomation(this);
    ui::SetBackend(&backend);
    struct Unset {
        ~Unset() { ui::SetBackend(nullptr); }
    } unset;
    CVibrationApp app;
    app.InitInstance();
}

bool Win32DriveSession::Next(ui::win32::Win32Dialog& top) {
    if (!ReadLine(m_command)) return false;
    Execute(m_command, &top);
    return true;
}

void Win32DriveSession::OnOpen(ui::win32::Win32Dialog& dialog) { ReportOpen(dialog.Template()); }

void Win32DriveSession::OnClose(ui::win32::Win32Dialog& dialog, int code) { ReportClose(dialog.Template(), code); }

void Win32DriveSession::OnMessageBox(std::string_view text) { DriveSession::OnMessageBox(text); }

}  // namespace halvex
