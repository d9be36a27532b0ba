// The desktop planner killed with an unsaved edit, then started again.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdlib>
#include <string>

#include "planner/file_io.h"
#include "planner/plan.h"
#include "planner/planner_dlg.h"
#include "planner/recovery_dlg.h"
#include "res/planner_ids.h"
#include "res/recovery_ids.h"
#include "tests/qt/qt_fixture.h"

namespace {

using namespace halvex_test;

constexpr const char* kChildPlan = "HALVEX_RECOVERY_CHILD_PLAN";

// The plan in the file as the planner's fields make it, 7 typed in Sweeps.
std::string WithSevenSweeps(const std::string& path) {
    std::string text, message;
    planner::PlanDocument document;
    EXPECT_TRUE(planner::ReadTextFile(path, text) && planner::ReadPlan(text, document, message)) << message;
    planner::PlanFields fields = planner::FieldsOf(document);
    fields.sweeps = "7";
    EXPECT_TRUE(planner::DocumentOf(fields, document, message, planner::Unfilled::Allowed)) << message;
    return planner::WritePlanDocument(document);
}

// Started by the test below in a process of its own, which it kills: the
// planner on the plan, 7 typed in Sweeps, then nothing more.
TEST(QtRecoveryChild, DISABLED_EditsAndWaitsToBeKilled) {
    const char* plan = std::getenv(kChildPlan);
    if (plan == nullptr) GTEST_SKIP() << "only as the test below starts it";
    ui::qt::QtBackend backend;
    ui::SetBackend(&backend);
    QTimer::singleShot(200, [] {
        if (QWidget* top = QApplication::activeModalWidget()) Type(*top, res::planner_dlg::IDC_SWEEPS, "7");
    });
    CPlannerDlg planner;
    planner.OpenAtStart(plan);
    planner.DoModal();
}

using QtRecovery = QtProgramTest;

// The real program's timer writes the copy, SIGKILL (TerminateProcess on
// Windows) leaves it, and the next start offers it: Restore opens the plan
// as it was edited, with its path, changed.
TEST_F(QtRecovery, AKilledPlannersEditIsOfferedAndRestoredExactly) {
    const QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString state = temporary.path() + QStringLiteral("/state");
    const std::string plan = (temporary.path() + QStringLiteral("/kept.halvex-plan")).toStdString();
    std::string text, message;
    ASSERT_TRUE(planner::ReadTextFile(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/shaker-test.halvex-plan", text));
    ASSERT_TRUE(planner::WriteFileReplacing(plan, text, message)) << message;

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_STATE_HOME"), state);
    environment.insert(QStringLiteral("LOCALAPPDATA"), state);
    environment.insert(QString::fromLatin1(kChildPlan), QString::fromStdString(plan));
    // The child runs in the default style and locale, whatever this run checks.
    environment.remove(QStringLiteral("HALVEX_EXPECT_STYLE"));
    environment.remove(QStringLiteral("HALVEX_EXPECT_COMMA_LOCALE"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=QtRecoveryChild.DISABLED_EditsAndWaitsToBeKilled"),
                 QStringLiteral("--gtest_also_run_disabled_tests")});
    ASSERT_TRUE(child.waitForStarted(10000));
    const QString unixCopies = state + QStringLiteral("/halvex/recovery");
    const QString windowsCopies = state + QStringLiteral("/Halvex/Recovery");
    QElapsedTimer clock;
    clock.start();
    const QStringList plans{QStringLiteral("*.plan.halvex-recovery")};
    const auto written = [&] {
        return !QDir(unixCopies).entryList(plans).isEmpty() || !QDir(windowsCopies).entryList(plans).isEmpty();
    };
    while (!written() && clock.elapsed() < 20000 && !child.waitForFinished(50)) {
    }
    child.kill();
    child.waitForFinished(10000);
    ASSERT_TRUE(written()) << "no recovery copy was written";

    const QByteArray savedState = qgetenv("XDG_STATE_HOME"), savedLocal = qgetenv("LOCALAPPDATA");
    qputenv("XDG_STATE_HOME", state.toLocal8Bit());
    qputenv("LOCALAPPDATA", state.toLocal8Bit());
    planner::EnableRecoveryOffers(true);
    std::string restored, path, offer;
    bool modified = false;
    driver
        .On(res::IDD_RECOVERY,
            [&](QWidget& w) {
                offer = Text(w, res::recovery_dlg::IDC_RECOVERY_TEXT);
                Click(w, res::recovery_dlg::IDC_RESTORE);
            })
        .On(res::IDD_PLANNER, [](QWidget& w) { CloseWindow(w); })
        .On(kMessageBox, [](QWidget& w) { static_cast<QMessageBox&>(w).button(QMessageBox::No)->click(); });
    driver.Run([&] {
        CPlannerDlg planner;
        planner.DoModal();
        planner::PlanDocument document;
        if (planner::DocumentOf(planner.Fields(), document, message, planner::Unfilled::Allowed)) {
            restored = planner::WritePlanDocument(document);
        }
        path = planner.Path();
        modified = planner.Modified();
    });
    planner::EnableRecoveryOffers(false);
    qputenv("XDG_STATE_HOME", savedState);
    qputenv("LOCALAPPDATA", savedLocal);

    EXPECT_NE(offer.find(plan), std::string::npos) << offer;
    EXPECT_EQ(restored, WithSevenSweeps(plan));
    EXPECT_EQ(path, plan);
    EXPECT_TRUE(modified);
}

}  // namespace
