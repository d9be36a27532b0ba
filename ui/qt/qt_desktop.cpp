#include "ui/qt/qt_desktop.h"

#include <QApplication>

#include "res/version.h"
#include "ui/qt/qt_backend.h"

namespace ui::qt {

int RunDesktop(int argc, char** argv, void (*body)()) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("halvex"));
    QApplication::setApplicationVersion(QString::fromLatin1(res::kProgramVersion));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(res::kApplicationId));
    ConfigureApplication(application);
    QtBackend backend;
    SetBackend(&backend);
    body();
    SetBackend(nullptr);
    return 0;
}

}  // namespace ui::qt
