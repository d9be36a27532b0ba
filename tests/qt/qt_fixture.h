#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/qt/ui_actions.h"
#include "tests/qt/ui_driver.h"
#include "ui/dialog.h"
#include "ui/messages.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_dialog.h"

namespace halvex_test {

// The Qt backend installed for one test; Play runs the whole program with
// the driver's steps.
class QtProgramTest : public ::testing::Test {
protected:
    QtProgramTest() : driver(backend, [](const std::string& why) { ADD_FAILURE() << why; }) {
        ui::SetBackend(&backend);
    }
    ~QtProgramTest() override { ui::SetBackend(nullptr); }

    void Play();

    ui::qt::QtBackend backend;
    UiDriver driver;
};

// What a backend window reports to its dialog: (message, control id,
// notification); paints are left out.
struct Report {
    unsigned message;
    unsigned id;
    unsigned notification;
    bool operator==(const Report& other) const {
        return message == other.message && id == other.id && notification == other.notification;
    }
};

void PrintTo(const Report& report, std::ostream* out);

inline Report Command(int id, unsigned notification) {
    return Report{ui::WM_COMMAND, static_cast<unsigned>(id), notification};
}

class RecordingSink : public ui::DialogSink {
public:
    std::intptr_t HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t /*lParam*/) override {
        if (message != ui::WM_PAINT) reports.push_back(Report{message, ui::LowWord(wParam), ui::HighWord(wParam)});
        return 0;
    }
    std::vector<Report> reports;
};

}  // namespace halvex_test
