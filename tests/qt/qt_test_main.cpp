// The Qt tests' main: one QApplication on the offscreen platform (unless
// another is asked for), set up as the program sets itself up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStyle>

#include <clocale>
#include <cstdio>
#include <cstring>

#include "ui/qt/qt_backend.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool styleChosen = ui::qt::StyleChosen(argc, argv);
    QApplication application(argc, argv);
    ui::qt::ConfigureApplication(application, styleChosen);
    // A run under a chosen style must really run under it.
    const QString expectedStyle = qEnvironmentVariable("HALVEX_EXPECT_STYLE");
    if (!expectedStyle.isEmpty() && application.style()->name().compare(expectedStyle, Qt::CaseInsensitive) != 0) {
        std::fprintf(stderr, "style %s, not %s\n", qPrintable(application.style()->name()), qPrintable(expectedStyle));
        return 1;
    }
    // The comma-locale run must really run under one: QApplication has set
    // the C library's locale from the environment by now.
    if (qEnvironmentVariableIsSet("HALVEX_EXPECT_COMMA_LOCALE")) {
        const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
        if (std::strcmp(numeric, "C") == 0) {
            std::fprintf(stderr, "%s is not installed (scripts/install-deps generates it); skipped\n",
                         qPrintable(qEnvironmentVariable("LC_ALL")));
            return 77;
        }
        if (std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
            std::fprintf(stderr, "locale %s has no decimal comma\n", numeric);
            return 1;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
