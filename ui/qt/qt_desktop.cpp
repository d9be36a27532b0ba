#include "ui/qt/qt_desktop.h"

#include <QApplication>

#include "res/version.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_backend.h"

namespace ui::qt {

int RunDesktop(int argc, char** argv, const std::function<void()>& body, const DesktopProgram& program) {
    const bool styleChosen = StyleChosen(argc, argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(program.name));
    QApplication::setApplicationVersion(QString::fromLatin1(res::kProgramVersion));
    // Ties the program's windows to its installed desktop entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(program.desktopId));
    ConfigureApplication(application, styleChosen);
    application.setWindowIcon(AppIcon(program.iconId));
    QtBackend backend;
    SetBackend(&backend);
    body();
    SetBackend(nullptr);
    return 0;
}

int RunWithoutWindow(int argc, char** argv, const std::function<int()>& body, const DesktopProgram& program) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(program.name));
    QApplication::setApplicationVersion(QString::fromLatin1(res::kProgramVersion));
    ConfigureApplication(application, true);
    QtBackend backend;
    SetBackend(&backend);
    const int status = body();
    SetBackend(nullptr);
    return status;
}

}  // namespace ui::qt
