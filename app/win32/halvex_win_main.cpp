// halvex.exe: the desktop program on the Win32 backend.
#include "app/vibration_app.h"
#include "ui/win32/win32_backend.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/, int /*show*/) {
    // The manifest asks for the version 6 controls; they are used once the
    // library is initialised.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    ui::win32::Win32Backend backend(instance);
    ui::SetBackend(&backend);
    CVibrationApp app;
    app.InitInstance();
    ui::SetBackend(nullptr);
    return 0;
}
