// halvex.exe: the desktop program on the Win32 backend.
#include "app/command_line.h"
#include "app/desktop_syntax.h"
#include "app/vibration_app.h"
#include "app/win32/parent_console.h"
#include "ui/win32/win32_backend.h"

// The manifest asks for the version 6 controls; the system loads them when
// the first dialog creates a control of a redirected class, so nothing is
// initialised here (an explicit InitCommonControlsEx cost a tenth of a
// second of start-up under Wine).
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    halvex::ApplyLanguageOptions(__argc, __argv, true);
    if (__argc > 1) {
        halvex::win32::UseParentConsole();
        const halvex::CommandLine line =
            halvex::ParseCommandLine(halvex::CalculatorSyntax(halvex::Toolkit::Win32), __argc, __argv);
        halvex::PrintCommandLineMessages(line);
        if (line.exit) return line.exitStatus;
    }
    ui::win32::Win32Backend backend(instance);
    ui::SetBackend(&backend);
    CVibrationApp app;
    app.InitInstance();
    ui::SetBackend(nullptr);
    return 0;
}
