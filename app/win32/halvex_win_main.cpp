// halvex.exe: the desktop program on the Win32 backend.
#include "app/vibration_app.h"
#include "ui/win32/win32_backend.h"

// The manifest asks for the version 6 controls; the system loads them when
// the first dialog creates a control of a redirected class, so nothing is
// initialised here (an explicit InitCommonControlsEx cost a tenth of a
// second of start-up under Wine).
int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    ui::win32::Win32Backend backend(instance);
    ui::SetBackend(&backend);
    CVibrationApp app;
    app.InitInstance();
    ui::SetBackend(nullptr);
    return 0;
}
