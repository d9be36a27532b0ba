#include "tests/qt/qt_fixture.h"

#include <ostream>

#include "app/vibration_app.h"

namespace halvex_test {

void QtProgramTest::Play() {
    driver.Run([] {
        CVibrationApp app;
        EXPECT_FALSE(app.InitInstance());
    });
}

void PrintTo(const Report& report, std::ostream* out) {
    *out << "{message 0x" << std::hex << report.message << std::dec << ", id " << report.id << ", notification 0x"
         << std::hex << report.notification << std::dec << "}";
}

}  // namespace halvex_test
