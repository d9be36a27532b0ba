#pragma once

#include <string>

#include "app/drive_session.h"
#include "ui/win32/win32_backend.h"

namespace halvex {

// halvex-drive --backend win32: the same script played on real Win32
// dialogs. Each command runs from inside the modal run of the dialog on
// top, as the messages the user's action would produce; questions and file
// dialogs take the script's answers, as on the headless backend.
class Win32DriveSession : public DriveSession, public ui::win32::Automation {
public:
    using DriveSession::DriveSession;

    bool Next(ui::win32::Win32Dialog& top) override;
    void OnOpen(ui::win32::Win32Dialog& dialog) override;
    void OnClose(ui::win32::Win32Dialog& dialog, int code) override;
    void OnMessageBox(std::string_view text) override;
    void OnOpenDocument(std::string_view path) override;
    int AskYesNoCancel(std::string_view text) override;
    std::size_t AskChoice(std::string_view text, const std::vector<std::string>& buttons) override;
    bool AskFileName(ui::FileDialog kind, const std::vector<ui::FileType>& types, std::string& path,
                     std::size_t& type) override;
    ui::PrintResult PrintPages(const ui::PrintJob& job) override { return AnswerPrint(job); }

protected:
    void RunProgram() override;

private:
    std::string m_command;
};

}  // namespace halvex
