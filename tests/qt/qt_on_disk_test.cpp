// The planner's ask before Save writes over a file changed on disk, on real
// widgets: its three buttons, Esc, and what each does.
#include <QAbstractButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

#include "planner/file_io.h"
#include "planner/planner_dlg.h"
#include "res/planner_ids.h"
#include "res/resource_ids.h"
#include "tests/qt/qt_fixture.h"

namespace {

using namespace halvex_test;

const char kPlan[] = R"({"format": "halvex-plan", "version": 1,
  "profile": [{"from": 10, "to": 100, "acceleration": "1 g"}]})";

QAbstractButton* ButtonNamed(QMessageBox& box, const char* name) {
    for (QAbstractButton* button : box.buttons()) {
        if (button->text() == QString::fromUtf8(name)) return button;
    }
    return nullptr;
}

std::string Contents(const std::string& path) {
    std::string text;
    return planner::ReadTextFile(path, text) ? text : "(unreadable)";
}

// Esc on the ask is Cancel (nothing written); Overwrite writes this
// window's plan over the other change.
TEST_F(QtProgramTest, SaveOverAFileChangedOnDiskAsksEscCancelsOverwriteWrites) {
    const QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const std::string path = (temporary.path() + QStringLiteral("/shared.halvex-plan")).toStdString();
    std::string message;
    ASSERT_TRUE(planner::WriteFileReplacing(path, kPlan, message)) << message;
    const std::string theirs = std::string(kPlan) + "\n";
    std::vector<std::string> buttons;
    std::string afterEscape;
    const auto save = [](QWidget& w) { ChooseMenuItem(w, res::planner_dlg::IDM_SAVE); };
    driver
        .On(res::IDD_PLANNER,
            [&](QWidget& w) {
                std::string written;
                ASSERT_TRUE(planner::WriteFileReplacing(path, theirs, written)) << written;
                save(w);
            })
        .On(kMessageBox,
            [&](QWidget& w) {
                auto& box = static_cast<QMessageBox&>(w);
                for (const char* name : {"Overwrite", "Save As...", "Cancel"}) {
                    if (ButtonNamed(box, name) != nullptr) buttons.emplace_back(name);
                }
                QTest::keyClick(&box, Qt::Key_Escape);
            })
        .On(res::IDD_PLANNER,
            [&](QWidget& w) {
                afterEscape = Contents(path);
                save(w);
            })
        .On(kMessageBox, [](QWidget& w) { ButtonNamed(static_cast<QMessageBox&>(w), "Overwrite")->click(); })
        .On(res::IDD_PLANNER, [](QWidget& w) { CloseWindow(w); });
    driver.Run([&] {
        CPlannerDlg planner;
        planner.OpenAtStart(path);
        planner.DoModal();
    });
    EXPECT_EQ(buttons, (std::vector<std::string>{"Overwrite", "Save As...", "Cancel"}));
    EXPECT_EQ(afterEscape, theirs);
    const std::string ours = Contents(path);
    EXPECT_NE(ours, theirs);
    EXPECT_NE(ours.find("\"acceleration\""), std::string::npos) << ours;
}

}  // namespace
