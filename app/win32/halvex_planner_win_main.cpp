// halvex-planner.exe: the sine test planner on the Win32 backend.
#include <iostream>

#include "app/command_line.h"
#include "app/win32/parent_console.h"
#include "planner/planner_dlg.h"
#include "ui/win32/win32_backend.h"

namespace {

const halvex::CommandLineSyntax kSyntax{
    "halvex-planner",
    "Usage: halvex-planner [OPTION]...\n"
    "The Halvex sine test planner: a profile of sine segments, its crossovers and\n"
    "peaks, the shaker check and the test time, on the four-coordinate chart.\n"
    "Plans are kept in .halvex-plan files.\n"
    "\n"
    "Options:\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 when the window was closed, 2 when the command line is wrong.\n",
    {},
    0,
};

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    if (__argc > 1) {
        halvex::win32::UseParentConsole();
        const halvex::CommandLine line = halvex::ParseCommandLine(kSyntax, __argc, __argv, std::cout, std::cerr);
        std::cout.flush();
        if (line.exit) return line.exitStatus;
    }
    ui::win32::Win32Backend backend(instance);
    ui::SetBackend(&backend);
    {
        CPlannerDlg planner;
        planner.DoModal();
    }
    ui::SetBackend(nullptr);
    return 0;
}
