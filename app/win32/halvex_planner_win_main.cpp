// halvex-planner.exe: the sine test planner on the Win32 backend.
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/desktop_syntax.h"
#include "app/win32/parent_console.h"
#include "planner/lab_dlg.h"
#include "planner/planner_dlg.h"
#include "planner/report_export.h"
#include "ui/win32/utf16.h"
#include "ui/win32/win32_backend.h"

#include <shellapi.h>

namespace {

// The arguments in UTF-8, so that a plan's path may hold any character.
std::vector<std::string> Arguments() {
    std::vector<std::string> arguments;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) return arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(ui::win32::Narrow(wide[i]));
    LocalFree(wide);
    return arguments;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    const std::vector<std::string> arguments = Arguments();
    halvex::PlannerStart start;
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    halvex::ApplyLanguageOptions(static_cast<int>(argv.size()), argv.data(), true);
    if (arguments.size() > 1) {
        halvex::win32::UseParentConsole();
        const halvex::CommandLine line = halvex::ParseCommandLine(halvex::PlannerSyntax(halvex::Toolkit::Win32),
                                                                  static_cast<int>(argv.size()), argv.data());
        halvex::PrintCommandLineMessages(line);
        if (line.exit) return line.exitStatus;
        start = halvex::PlannerStartOf(line);
        if (!start.problem.empty()) {
            std::fprintf(stderr, "%s\n", start.problem.c_str());
            return 2;
        }
    }
    ui::win32::Win32Backend backend(instance);
    ui::SetBackend(&backend);
    if (!start.exportReport.empty()) {
        std::string problem;
        const int status = planner::ExportReport(start.file, start.exportReport, problem);
        if (status != 0) std::fprintf(stderr, "halvex-planner: %s\n", problem.c_str());
        ui::SetBackend(nullptr);
        return status;
    }
    planner::EnableRecoveryOffers(true);
    if (start.lab) {
        CLabDlg lab(start.file.empty() ? planner::ChosenLabPath() : start.file);
        lab.DoModal();
    } else {
        CPlannerDlg planner;
        planner.OpenAtStart(start.file);
        planner.DoModal();
    }
    ui::SetBackend(nullptr);
    return 0;
}
