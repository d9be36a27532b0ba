// halvex: the desktop program, on the Qt backend.
#include "app/vibration_app.h"
#include "ui/qt/qt_desktop.h"

int main(int argc, char** argv) {
    return ui::qt::RunDesktop(argc, argv, [] {
        CVibrationApp app;
        app.InitInstance();
    });
}
