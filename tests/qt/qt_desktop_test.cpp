// Desktop conventions on real widgets: Copy All Results, the menu keys, the
// system menu's commands as the template allows them, the user's style and
// message boxes wide enough for their titles.
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QMenu>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>

#include <string>
#include <vector>

#include "numeric/number_text.h"
#include "res/main_menu_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "tests/qt/qt_fixture.h"

namespace {

using namespace halvex_test;
using QtDesktop = QtProgramTest;
using res::main_menu::IDC_ANALYSIS_LIST;
namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (std::string::size_type end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
        parts.push_back(text.substr(start, end - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string Clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }

QAction* ActionNamed(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) return action;
    }
    return nullptr;
}

void Choose(QWidget& m, const QString& text) {
    auto& menu = static_cast<QMenu&>(m);
    QAction* action = ActionNamed(menu, text);
    ASSERT_NE(action, nullptr) << text.toStdString();
    menu.setActiveAction(action);
    QTest::keyClick(&menu, Qt::Key_Return);
}

// One inch peak-to-peak at 10 Hz, as in the worked example: the table a
// spreadsheet receives has one value per cell, and each value is the number
// the box shows. With no results shown the clipboard is left alone.
TEST_F(QtDesktop, CtrlShiftCCopiesThePureSineTableAndNothingWithoutResults) {
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, IDC_ANALYSIS_LIST, 0); })
        .On(res::IDD_PURE_SINE,
            [](QWidget& w) {
                QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
                Key(w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
                EXPECT_EQ(Clipboard(), "kept");
                ChooseItem(w, ps::IDC_TYPE, 0);
                ChooseItem(w, ps::IDC_DIMENSION, 0);
                ChooseItem(w, ps::IDC_AMPLITUDE_UNIT, 2);
                Type(w, ps::IDC_AMPLITUDE, QStringLiteral("1"));
                Type(w, ps::IDC_FREQUENCY, QStringLiteral("10"));
                Click(w, ui::IDOK);
                ControlOf(w, ps::IDC_DISP_ZP_MM).setFocus();  // a result box, whose own Ctrl+C copies it alone
                Key(w, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
                std::vector<std::string> lines = Split(Clipboard(), '\n');
                ASSERT_EQ(lines.size(), 22u);  // header, twenty rows, and the empty rest after the last line end
                EXPECT_EQ(lines.back(), "");
                EXPECT_EQ(lines[0], "quantity\tform\tvalue\tunit");
                for (std::size_t i = 1; i <= 20; ++i) {
                    const std::vector<std::string> cells = Split(lines[i], '\t');
                    ASSERT_EQ(cells.size(), 4u) << lines[i];
                    EXPECT_TRUE(halvex::ReadNumber(cells[2]).has_value()) << lines[i];
                    EXPECT_EQ(cells[2].find(' '), std::string::npos) << lines[i];
                }
                EXPECT_EQ(lines[1], "displacement\tpeak-to-peak\t25.4\tmm");
                EXPECT_EQ(lines[20], "acceleration\tzero-to-peak\t5.111\tg");
                Key(w, Qt::Key_Escape);
            })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { Click(w, ui::IDCANCEL); });
    Play();
}

// 10 G at 100 Hz; the entry ends the result box's own menu, which Shift+F10
// opens as well as a right click does.
TEST_F(QtDesktop, ResultBoxMenuCopiesTheSweepTable) {
    const std::string table =
        "quantity\tform\tvalue\tunit\n"
        "displacement\tzero-to-peak\t0.00978\tin\n"
        "displacement\tpeak-to-peak\t0.0196\tin\n"
        "velocity\tzero-to-peak\t6.14\tin/s\n"
        "acceleration\tzero-to-peak\t10\tg\n";
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, IDC_ANALYSIS_LIST, 1); })
        .On(res::IDD_SINE_SWEEP,
            [](QWidget& w) {
                ChooseItem(w, ss::IDC_ANALYSIS, 0);
                ChooseItem(w, ss::IDC_INPUT_LIST, 3);
                Type(w, ss::IDC_INPUT1, QStringLiteral("100"));
                Type(w, ss::IDC_INPUT3, QStringLiteral("10"));
                Click(w, ui::IDOK);
                QGuiApplication::clipboard()->clear();
                RightClick(w, ControlOf(w, ss::IDC_OUTPUT3).geometry().center());
            })
        .On(kPopupMenu,
            [](QWidget& m) {
                EXPECT_EQ(static_cast<QMenu&>(m).actions().back()->text().toStdString(), "Copy All Results");
                Choose(m, QStringLiteral("Copy All Results"));
            })
        .On(res::IDD_SINE_SWEEP,
            [table](QWidget& w) {
                EXPECT_EQ(Clipboard(), table);
                QGuiApplication::clipboard()->clear();
                ControlOf(w, ss::IDC_OUTPUT1).setFocus();
                Key(w, Qt::Key_F10, Qt::ShiftModifier);
            })
        .On(kPopupMenu, [](QWidget& m) { Choose(m, QStringLiteral("Copy All Results")); })
        .On(res::IDD_SINE_SWEEP,
            [table](QWidget& w) {
                EXPECT_EQ(Clipboard(), table);
                Key(w, Qt::Key_Escape);
            })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { Click(w, ui::IDCANCEL); });
    Play();
}

// The Menu key and Shift+F10 open the system menu away from an edit; the
// template has a maximise box but no sizing frame, so Size is greyed.
TEST_F(QtDesktop, MenuKeyAndShiftF10OpenTheSystemMenu) {
    const auto systemMenu = [](QWidget& m) {
        auto& menu = static_cast<QMenu&>(m);
        EXPECT_EQ(menu.actions().back()->text().toStdString(), "&About Halvex...");
        ASSERT_NE(ActionNamed(menu, QStringLiteral("&Size")), nullptr);
        EXPECT_FALSE(ActionNamed(menu, QStringLiteral("&Size"))->isEnabled());
        EXPECT_TRUE(ActionNamed(menu, QStringLiteral("Ma&ximize"))->isEnabled());
        EXPECT_FALSE(ActionNamed(menu, QStringLiteral("&Restore"))->isEnabled());
        QTest::keyClick(&m, Qt::Key_Escape);
    };
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { Key(w, Qt::Key_Menu); })
        .On(kPopupMenu, systemMenu)
        .On(res::IDD_MAIN_MENU,
            [](QWidget& w) {
                ControlOf(w, IDC_ANALYSIS_LIST).setFocus();
                Key(w, Qt::Key_F10, Qt::ShiftModifier);
            })
        .On(kPopupMenu, systemMenu)
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { Click(w, ui::IDCANCEL); });
    Play();
}

// A command the styles do not allow is greyed and does nothing; Restore
// puts a maximised window back where it stood.
TEST(QtSystemMenu, CommandsFollowTheTemplateStylesAndRestoreReturnsTheWindow) {
    const res::DialogTemplate& mainMenu = *res::FindDialogTemplate(res::IDD_MAIN_MENU);
    res::DialogTemplate minimiseOnly = mainMenu;
    minimiseOnly.style &= ~static_cast<unsigned>(res::kMaximizeBox);
    RecordingSink sink;
    ui::qt::QtDialog narrow(minimiseOnly, sink, nullptr);
    narrow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&narrow));
    emit narrow.SystemMenu().aboutToShow();
    EXPECT_FALSE(ActionNamed(narrow.SystemMenu(), QStringLiteral("Ma&ximize"))->isEnabled());
    EXPECT_TRUE(ActionNamed(narrow.SystemMenu(), QStringLiteral("Mi&nimize"))->isEnabled());
    const QSize fixed = narrow.size();
    narrow.SystemCommand(ui::SC_MAXIMIZE);
    QTest::qWait(50);
    EXPECT_FALSE(narrow.isMaximized());
    EXPECT_EQ(narrow.size(), fixed);

    ui::qt::QtDialog wide(mainMenu, sink, nullptr);
    wide.move(137, 91);
    wide.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&wide));
    const QRect before = wide.geometry();
    wide.SystemCommand(ui::SC_MAXIMIZE);
    QTRY_VERIFY(wide.isMaximized());
    wide.SystemCommand(ui::SC_RESTORE);
    QTRY_COMPARE(wide.geometry(), before);
    EXPECT_EQ(wide.size(), fixed);
}

struct StyleCase {
    const char* name;
    std::vector<const char*> argv;
    const char* override;
    bool chosen;
};

TEST(QtStyle, AnExplicitChoiceIsKeptAndFusionIsOnlyTheDefault) {
    const std::vector<StyleCase> cases = {
        {"None", {"halvex"}, nullptr, false},
        {"Argument", {"halvex", "-style", "windows"}, nullptr, true},
        {"ArgumentWithEquals", {"halvex", "--style=windows"}, nullptr, true},
        {"Environment", {"halvex"}, "windows", true},
        {"EmptyEnvironment", {"halvex"}, "", false},
        {"OtherArgument", {"halvex", "-stylesheet", "x.qss"}, nullptr, false},
    };
    const QByteArray saved = qgetenv("QT_STYLE_OVERRIDE");
    for (const StyleCase& c : cases) {
        if (c.override == nullptr) {
            qunsetenv("QT_STYLE_OVERRIDE");
        } else {
            qputenv("QT_STYLE_OVERRIDE", c.override);
        }
        EXPECT_EQ(ui::qt::StyleChosen(static_cast<int>(c.argv.size()), c.argv.data()), c.chosen) << c.name;
    }
    qputenv("QT_STYLE_OVERRIDE", saved);

    auto& application = *static_cast<QApplication*>(QCoreApplication::instance());
    const QString current = QApplication::style()->name();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    ui::qt::ConfigureApplication(application, true);
    EXPECT_EQ(QApplication::style()->name().toLower(), "windows");
    ui::qt::ConfigureApplication(application, false);
    EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
    QApplication::setStyle(QStyleFactory::create(current));
}

// Room for the title in bold beside the window manager's icon and three
// buttons, about a hundred pixels in the common themes.
TEST_F(QtDesktop, MessageBoxesAreWideEnoughForTheirTitle) {
    const auto wideEnough = [](QWidget& m) {
        QFont bold = QApplication::font();
        bold.setBold(true);
        EXPECT_EQ(m.windowTitle().toStdString(), "Halvex");
        EXPECT_GE(m.width(), QFontMetrics(bold).horizontalAdvance(m.windowTitle()) + 100);
        EXPECT_EQ(static_cast<QMessageBox&>(m).text().toStdString(), " Input Error ");
        EXPECT_EQ(static_cast<QMessageBox&>(m).buttons().size(), 1);
        Key(m, Qt::Key_Return);
    };
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, IDC_ANALYSIS_LIST, 1); })
        .On(res::IDD_SINE_SWEEP,
            [](QWidget& w) {
                ChooseItem(w, ss::IDC_ANALYSIS, 2);  // octaves, with nothing typed
                Click(w, ui::IDOK);
            })
        .On(kMessageBox, wideEnough)
        .On(res::IDD_SINE_SWEEP, [](QWidget& w) { Key(w, Qt::Key_Escape); })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { Click(w, ui::IDCANCEL); });
    Play();
}

}  // namespace
