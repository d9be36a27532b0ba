#include "ui/qt/qt_desktop.h"

#include <QApplication>
#include <string_view>

#include "res/version.h"
#include "ui/qt/qt_backend.h"

namespace ui::qt {

int RunDesktop(int argc, char** argv, void (*body)(), const char* name) {
    const bool styleChosen = StyleChosen(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(name));
    QApplication::setApplicationVersion(QString::fromLatin1(res::kProgramVersion));
    // Ties the calculator's windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(
        QString::fromUtf8(std::string_view(name) == "halvex" ? res::kApplicationId : name));
    ConfigureApplication(application, styleChosen);
    QtBackend backend;
    SetBackend(&backend);
    body();
    SetBackend(nullptr);
    return 0;
}

}  // namespace ui::qt
