// The Qt tests' main: one QApplication on the offscreen platform (unless
// another is asked for), set up as the program sets itself up.
#include <gtest/gtest.h>

#include <QApplication>

#include "qt_backend.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ui::qt::ConfigureApplication(application);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
