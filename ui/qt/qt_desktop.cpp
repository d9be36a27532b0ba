#include "ui/qt/qt_desktop.h"

#include <QApplication>

#include "ui/qt/qt_backend.h"

namespace ui::qt {

int RunDesktop(int argc, char** argv, void (*body)(), const char* name) {
    const bool styleChosen = StyleChosen(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(name));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(name));
    ConfigureApplication(application, styleChosen);
    QtBackend backend;
    SetBackend(&backend);
    body();
    SetBackend(nullptr);
    return 0;
}

}  // namespace ui::qt
