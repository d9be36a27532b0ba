// halvex: the desktop program, on the Qt backend.
#include "ui/qt/qt_desktop.h"
#include "app/vibration_app.h"

int main(int argc, char** argv) {
    return ui::qt::RunDesktop(argc, argv, [] {
        CVibrationApp app;
        app.InitInstance();
    });
}
