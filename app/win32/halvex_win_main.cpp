// halvex.exe: the desktop program on the Win32 backend.
#include <iostream>

#include "app/command_line.h"
#include "app/vibration_app.h"
#include "app/win32/parent_console.h"
#include "ui/win32/win32_backend.h"

namespace {

const halvex::CommandLineSyntax kSyntax{
    "halvex",
    "Usage: halvex [OPTION]...\n"
    "Halvex, a calculator for sinusoidal vibration. Opens the main menu, from\n"
    "which the pure sine and the sine sweep calculators are chosen; closing the\n"
    "main menu ends the program.\n"
    "\n"
    "Options:\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "\n"
    "Exit status: 0 when the main menu was closed, 2 when the command line is\n"
    "wrong.\n",
    {},
    0,
};

}  // namespace

// The manifest asks for the version 6 controls; the system loads them when
// the first dialog creates a control of a redirected class, so nothing is
// initialised here (an explicit InitCommonControlsEx cost a tenth of a
// second of start-up under Wine).
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    if (__argc > 1) {
        halvex::win32::UseParentConsole();
        const halvex::CommandLine line = halvex::ParseCommandLine(kSyntax, __argc, __argv, std::cout, std::cerr);
        std::cout.flush();
        if (line.exit) return line.exitStatus;
    }
    ui::win32::Win32Backend backend(instance);
    ui::SetBackend(&backend);
    CVibrationApp app;
    app.InitInstance();
    ui::SetBackend(nullptr);
    return 0;
}
