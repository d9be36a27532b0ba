// The whole program on real widgets, driven by simulated clicks and keys.
#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>

#include <utility>

#include "app/icon_position.h"
#include "app/vibration_app.h"
#include "planner/file_io.h"
#include "planner/planner_dlg.h"
#include "puresine/pure_sine_results.h"
#include "res/main_menu_ids.h"
#include "res/planner_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "tests/qt/qt_fixture.h"
#include "ui/qt/app_icon.h"

namespace {

using namespace halvex_test;
using res::main_menu::IDC_ANALYSIS_LIST;
using Texts = std::vector<std::pair<int, std::string>>;
namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

std::vector<std::string> Items(QWidget& w, int listId) {
    std::vector<std::string> items;
    auto& list = dynamic_cast<QListWidget&>(ControlOf(w, listId));
    items.reserve(static_cast<std::size_t>(list.count()));
    for (int row = 0; row < list.count(); ++row) items.push_back(list.item(row)->text().toStdString());
    return items;
}

const std::vector<std::string> kAnalyses = {"pure sine", "sine sweep"};

// Whether the whole text shows in the edit: its width against the edit's
// contents, less the text margins and the two pixels a side that QLineEdit
// keeps inside them.
bool ShowsWhole(QWidget& widget) {
    auto& edit = dynamic_cast<QLineEdit&>(widget);
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
    const QRect contents = edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    const QMargins margins = edit.textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 2 * 2;
    return edit.fontMetrics().horizontalAdvance(edit.text()) <= room;
}

// Shown, whole, with exactly these texts; every other result edit hidden and
// blank.
void ExpectResults(QWidget& w, const Texts& expected) {
    for (const puresine::ResultBox& box : puresine::kResultBoxes) {
        const int id = box.id;
        bool listed = false;
        for (const auto& [expectedId, text] : expected) {
            if (expectedId != id) continue;
            listed = true;
            EXPECT_TRUE(Shown(w, id)) << id;
            EXPECT_EQ(Text(w, id), text) << id;
            EXPECT_TRUE(ShowsWhole(ControlOf(w, id))) << id;
        }
        if (!listed) {
            EXPECT_FALSE(Shown(w, id)) << id;
            EXPECT_EQ(Text(w, id), " ") << id;
        }
    }
}

using QtMainMenu = QtProgramTest;

TEST_F(QtMainMenu, OpensWithTheFocusOnExitAndEnterThereExits) {
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) {
        EXPECT_EQ(w.windowTitle().toStdString(), "Sine Vibration");
        EXPECT_EQ(Items(w, IDC_ANALYSIS_LIST), kAnalyses);
        EXPECT_EQ(Selection(w, IDC_ANALYSIS_LIST), -1);
        EXPECT_EQ(FocusedId(w), ui::IDCANCEL);
        EXPECT_EQ(Dialog(w).BigIcon(), res::IDR_MAINFRAME);
        EXPECT_EQ(Dialog(w).SmallIcon(), res::IDR_MAINFRAME);
        const QList<QSize> sizes = w.windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(32, 32)) && sizes.contains(QSize(16, 16)));
        Key(w, Qt::Key_Return);
        EXPECT_TRUE(Dialog(w).Ended());
        EXPECT_EQ(Dialog(w).EndCode(), ui::IDCANCEL);
    });
    Play();
}

TEST_F(QtMainMenu, EnterOnTheListEndsTheProgramAsOk) {
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) {
        Key(w, Qt::Key_Tab);
        EXPECT_EQ(FocusedId(w), IDC_ANALYSIS_LIST);
        EXPECT_EQ(Selection(w, IDC_ANALYSIS_LIST), -1);  // the focus alone chooses nothing
        Key(w, Qt::Key_Return);
        EXPECT_EQ(Dialog(w).EndCode(), ui::IDOK);
    });
    Play();
}

TEST_F(QtMainMenu, EachChoiceOpensItsDialogAndTheListComesBackUnselected) {
    const auto refilled = [](QWidget& w) {
        EXPECT_EQ(Items(w, IDC_ANALYSIS_LIST), kAnalyses);
        EXPECT_EQ(Selection(w, IDC_ANALYSIS_LIST), -1);
    };
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, IDC_ANALYSIS_LIST, 0); })
        .On(res::IDD_PURE_SINE,
            [](QWidget& w) {
                EXPECT_EQ(w.windowTitle().toStdString(), "Pure Sine Vibration");
                Key(w, Qt::Key_Escape);
            })
        .On(res::IDD_MAIN_MENU, refilled)
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, IDC_ANALYSIS_LIST, 0); })
        .On(res::IDD_PURE_SINE, [](QWidget& w) { w.close(); })  // the close box
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, IDC_ANALYSIS_LIST, 1); })
        .On(res::IDD_SINE_SWEEP,
            [](QWidget& w) {
                EXPECT_EQ(w.windowTitle().toStdString(), "Sine Sweep Test Parameters");
                Click(w, ui::IDCANCEL);
            })
        .On(res::IDD_MAIN_MENU, refilled)
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { Click(w, ui::IDCANCEL); });
    Play();
}

TEST_F(QtMainMenu, SystemMenuEndsWithTheAboutItemAndOpensTheAboutBox) {
    const auto chooseAbout = [](QWidget& m) {
        const QList<QAction*> actions = static_cast<QMenu&>(m).actions();
        ASSERT_GE(actions.size(), 2);
        EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
        EXPECT_EQ(actions.back()->text().toStdString(), "&About Halvex...");
        QTest::keyClick(&m, Qt::Key_A);
    };
    // A right click in the empty corner, then Alt+Space; a right click on a
    // control opens no menu; Close from the menu ends the program.
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { RightClick(w, QPoint(w.width() - 4, w.height() - 4)); })
        .On(kPopupMenu, chooseAbout)
        .On(res::IDD_ABOUT,
            [](QWidget& w) {
                EXPECT_EQ(w.windowTitle().toStdString(), "About Halvex");
                EXPECT_FALSE(static_cast<QLabel*>(Dialog(w).Controls()[0])->pixmap().isNull());
                Click(w, ui::IDOK);
            })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { Key(w, Qt::Key_Space, Qt::AltModifier); })
        .On(kPopupMenu, chooseAbout)
        .On(res::IDD_ABOUT, [](QWidget& w) { Key(w, Qt::Key_Escape); })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { RightClick(w, ControlOf(w, IDC_ANALYSIS_LIST).geometry().center()); })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { Key(w, Qt::Key_Space, Qt::AltModifier); })
        .On(kPopupMenu, [](QWidget& m) { QTest::keyClick(&m, Qt::Key_C); });
    Play();
}

// A platform that paints minimised windows gets the icon centred on the
// erased client area.
TEST_F(QtMainMenu, MinimisedItPaintsItsIconCentred) {
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) {
        w.setWindowState(Qt::WindowMinimized);
        ASSERT_TRUE(Dialog(w).IsIconic());
        QImage painted(w.size(), QImage::Format_ARGB32);
        painted.fill(Qt::transparent);
        w.render(&painted, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        w.setWindowState(Qt::WindowNoState);

        const halvex::Point at = halvex::IconDrawPosition(w.width(), w.height(), 32, 32);
        const QImage icon = ui::qt::AppIconPixmap(32).toImage();
        int opaque = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (icon.pixelColor(x, y).alpha() != 255) continue;
                ++opaque;
                ASSERT_EQ(painted.pixelColor(at.x + x, at.y + y), icon.pixelColor(x, y)) << x << "," << y;
            }
        }
        EXPECT_GT(opaque, 32 * 32 / 2);
        EXPECT_EQ(painted.pixelColor(at.x - 1, at.y + 16), w.palette().window().color());
        Click(w, ui::IDCANCEL);
    });
    Play();
}

using QtPureSine = QtProgramTest;

void OpenPureSine(UiDriver& driver) {
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, IDC_ANALYSIS_LIST, 0); });
}

void BackToTheMenuAndExit(UiDriver& driver) {
    driver.On(res::IDD_PURE_SINE, [](QWidget& w) { Key(w, Qt::Key_Escape); });
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { Click(w, ui::IDCANCEL); });
}

TEST_F(QtPureSine, TranslationWorkedExample) {
    OpenPureSine(driver);
    driver.On(res::IDD_PURE_SINE, [](QWidget& w) {
        ChooseItem(w, ps::IDC_TYPE, 0);            // translation
        ChooseItem(w, ps::IDC_DIMENSION, 0);       // displacement (peak-peak)
        ChooseItem(w, ps::IDC_AMPLITUDE_UNIT, 2);  // inches
        Type(w, ps::IDC_AMPLITUDE, QStringLiteral("1"));
        Type(w, ps::IDC_FREQUENCY, QStringLiteral("10"));
        Click(w, ui::IDOK);
        ExpectResults(w, {{ps::IDC_DISP_PP_MM, Padded("25.4", " mm")},
                          {ps::IDC_DISP_ZP_MM, Padded("12.7", " mm")},
                          {ps::IDC_DISP_PP_IN, Padded("1", " inches")},
                          {ps::IDC_DISP_ZP_IN, Padded("0.5", " inches")},
                          {ps::IDC_DISP_PP_MILS, Padded("1000", " Mils")},
                          {ps::IDC_DISP_ZP_MILS, Padded("500", " Mils")},
                          {ps::IDC_DISP_PP_UIN, Padded("1e+06", " micro inch")},
                          {ps::IDC_DISP_ZP_UIN, Padded("5e+05", " micro inch")},
                          {ps::IDC_DISP_PP_MICRONS, Padded("2.54e+04", " microns")},
                          {ps::IDC_DISP_ZP_MICRONS, Padded("1.27e+04", " microns")},
                          {ps::IDC_VEL_M, Padded("0.798", " meters/sec ")},
                          {ps::IDC_VEL_MM, Padded("798", " mm/sec ")},
                          {ps::IDC_VEL_MICRONS, Padded("7.98e+05", " microns/sec ")},
                          {ps::IDC_VEL_IN, Padded("31.42", " inches/sec ")},
                          {ps::IDC_VEL_MILS, Padded("3.142e+04", " Mils/sec ")},
                          {ps::IDC_VEL_UIN, Padded("3.142e+07", " micro inches/sec ")},
                          {ps::IDC_ACC_M, Padded("50.14", " meters/sec^2")},
                          {ps::IDC_ACC_MM, Padded("5.014e+04", " mm/sec^2")},
                          {ps::IDC_ACC_IN, Padded("1974", " inches/sec^2")},
                          {ps::IDC_ACC_G, Padded("5.111", " G")}});
        for (int id : {ps::IDC_OUTPUT_FRAME, ps::IDC_CAPTION_DISP_PP, ps::IDC_CAPTION_VELOCITY,
                       ps::IDC_CAPTION_ACCELERATION, ps::IDC_CAPTION_DISP_ZP}) {
            EXPECT_TRUE(Shown(w, id)) << id;
        }

        // A screen reader reads a result by its name and value; the value can
        // be selected and copied but not changed.
        QAccessibleInterface* result = QAccessible::queryAccessibleInterface(&ControlOf(w, ps::IDC_DISP_ZP_MM));
        EXPECT_EQ(result->text(QAccessible::Name).toStdString(), "Displacement zero-to-peak, millimetres or radians");
        EXPECT_EQ(result->text(QAccessible::Value).toStdString(), Padded("12.7", " mm"));
        EXPECT_TRUE(result->state().readOnly);
        ControlOf(w, ps::IDC_DISP_ZP_MM).setFocus();
        Key(w, Qt::Key_A, Qt::ControlModifier);
        Key(w, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), Padded("12.7", " mm"));
    });
    BackToTheMenuAndExit(driver);
    Play();
}

TEST_F(QtPureSine, RotationWorkedExampleWithEnterInTheFrequencyEdit) {
    OpenPureSine(driver);
    driver.On(res::IDD_PURE_SINE, [](QWidget& w) {
        ChooseItem(w, ps::IDC_TYPE, 1);            // rotation
        ChooseItem(w, ps::IDC_DIMENSION, 0);       // displacement (peak-peak)
        ChooseItem(w, ps::IDC_AMPLITUDE_UNIT, 1);  // degrees
        Type(w, ps::IDC_AMPLITUDE, QStringLiteral("2"));
        Type(w, ps::IDC_FREQUENCY, QStringLiteral("5"));
        ASSERT_EQ(FocusedId(w), ps::IDC_FREQUENCY);
        Key(w, Qt::Key_Return);
        ExpectResults(w, {{ps::IDC_DISP_PP_MM, Padded("0.03491", " radians")},
                          {ps::IDC_DISP_ZP_MM, Padded("0.01745", " radians")},
                          {ps::IDC_DISP_PP_IN, Padded("2", " degrees")},
                          {ps::IDC_DISP_ZP_IN, Padded("1", " degrees")},
                          {ps::IDC_VEL_M, Padded("0.5483", " radians/sec ")},
                          {ps::IDC_VEL_MM, Padded("31.42", " degrees/sec ")},
                          {ps::IDC_ACC_M, Padded("17.23", " radians/sec^2")},
                          {ps::IDC_ACC_MM, Padded("987", " degrees/sec^2")}});
    });
    BackToTheMenuAndExit(driver);
    Play();
}

// One and a half millimetres zero-to-peak at 10 Hz, worked by hand:
// v = 0.0015 m x 62.83 rad/s = 0.09425 m/s, a = 0.0015 m x 3948 rad^2/s^2 =
// 5.922 m/s^2. The comma-locale run proves neither reading nor printing
// follows the locale.
TEST_F(QtPureSine, TypedPointIsADecimalPointAndOutputsPrintOne) {
    OpenPureSine(driver);
    driver.On(res::IDD_PURE_SINE, [](QWidget& w) {
        ChooseItem(w, ps::IDC_TYPE, 0);            // translation
        ChooseItem(w, ps::IDC_DIMENSION, 1);       // displacement (zero-peak)
        ChooseItem(w, ps::IDC_AMPLITUDE_UNIT, 4);  // millimeters
        Type(w, ps::IDC_AMPLITUDE, QStringLiteral("1.5"));
        Type(w, ps::IDC_FREQUENCY, QStringLiteral("10"));
        Click(w, ui::IDOK);
        EXPECT_EQ(Text(w, ps::IDC_DISP_ZP_MM), Padded("1.5", " mm"));
        EXPECT_EQ(Text(w, ps::IDC_DISP_PP_MM), Padded("3", " mm"));
        EXPECT_EQ(Text(w, ps::IDC_DISP_ZP_MICRONS), Padded("1500", " microns"));
        EXPECT_EQ(Text(w, ps::IDC_VEL_M), Padded("0.09425", " meters/sec "));
        EXPECT_EQ(Text(w, ps::IDC_ACC_M), Padded("5.922", " meters/sec^2"));
        for (const puresine::ResultBox& box : puresine::kResultBoxes) {
            EXPECT_EQ(Text(w, box.id).find(','), std::string::npos) << box.id;
        }
    });
    BackToTheMenuAndExit(driver);
    Play();
}

TEST_F(QtPureSine, CalculateOnOpeningShowsTheFrequencyMessageInAnOkOnlyBox) {
    const auto answer = [](QWidget& m) {
        auto& box = static_cast<QMessageBox&>(m);
        EXPECT_EQ(box.text().toStdString(), "Please enter valid frequency. ");
        EXPECT_EQ(box.windowTitle().toStdString(), "Halvex");
        ASSERT_EQ(box.buttons().size(), 1);
        ASSERT_NE(box.button(QMessageBox::Ok), nullptr);
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    };
    OpenPureSine(driver);
    driver.On(res::IDD_PURE_SINE, [](QWidget& w) { Click(w, ui::IDOK); })
        .On(kMessageBox, answer)
        .On(res::IDD_PURE_SINE,
            [](QWidget& w) {
                ExpectResults(w, {});
                Key(w, Qt::Key_Return);  // Calculate again, from the keyboard
            })
        .On(kMessageBox, answer);
    BackToTheMenuAndExit(driver);
    Play();
}

TEST_F(QtPureSine, ReopensInItsOpeningStateAfterACalculation) {
    OpenPureSine(driver);
    driver.On(res::IDD_PURE_SINE, [](QWidget& w) {
        ChooseItem(w, ps::IDC_TYPE, 0);
        ChooseItem(w, ps::IDC_DIMENSION, 3);       // acceleration (zero-peak)
        ChooseItem(w, ps::IDC_AMPLITUDE_UNIT, 6);  // G
        Type(w, ps::IDC_AMPLITUDE, QStringLiteral("1"));
        Type(w, ps::IDC_FREQUENCY, QStringLiteral("100"));
        Click(w, ui::IDOK);
        EXPECT_EQ(Text(w, ps::IDC_ACC_G), Padded("1", " G"));
        w.close();
    });
    OpenPureSine(driver);
    driver.On(res::IDD_PURE_SINE, [](QWidget& w) {
        for (int id : {ui::IDOK, ui::IDCANCEL, ps::IDC_TYPE_FRAME, ps::IDC_TYPE}) EXPECT_TRUE(Shown(w, id)) << id;
        for (int id : {ps::IDC_DIMENSION, ps::IDC_DIMENSION_FRAME, ps::IDC_AMPLITUDE_UNIT, ps::IDC_AMPLITUDE_FRAME,
                       ps::IDC_AMPLITUDE, ps::IDC_FREQUENCY, ps::IDC_FREQUENCY_FRAME, ps::IDC_FREQUENCY_UNIT,
                       ps::IDC_OUTPUT_FRAME, ps::IDC_CAPTION_DISP_PP, ps::IDC_CAPTION_VELOCITY,
                       ps::IDC_CAPTION_ACCELERATION, ps::IDC_CAPTION_DISP_ZP}) {
            EXPECT_FALSE(Shown(w, id)) << id;
        }
        EXPECT_EQ(Selection(w, ps::IDC_TYPE), -1);
        EXPECT_EQ(Text(w, ps::IDC_AMPLITUDE), "");
        EXPECT_EQ(Text(w, ps::IDC_FREQUENCY), "");
        ExpectResults(w, {});
        EXPECT_EQ(FocusedId(w), ui::IDOK);
    });
    BackToTheMenuAndExit(driver);
    Play();
}

// Template order, among the controls shown; Shift+Tab walks it backwards.
TEST_F(QtPureSine, TabOrderFollowsTheTemplate) {
    OpenPureSine(driver);
    driver.On(res::IDD_PURE_SINE, [](QWidget& w) {
        ChooseItem(w, ps::IDC_TYPE, 0);
        ChooseItem(w, ps::IDC_DIMENSION, 0);
        ControlOf(w, ui::IDOK).setFocus();
        std::vector<int> visited;
        for (int i = 0; i < 8; ++i) {
            Key(w, Qt::Key_Tab);
            visited.push_back(FocusedId(w));
        }
        EXPECT_EQ(visited, (std::vector<int>{ui::IDCANCEL, ps::IDC_AMPLITUDE_UNIT, ps::IDC_TYPE, ps::IDC_DIMENSION,
                                             ps::IDC_FREQUENCY_UNIT, ps::IDC_AMPLITUDE, ps::IDC_FREQUENCY, ui::IDOK}));
        Key(w, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(FocusedId(w), ps::IDC_FREQUENCY);
    });
    BackToTheMenuAndExit(driver);
    Play();
}

using QtSineSweep = QtProgramTest;

std::string AccessibleName(QWidget& w, int id) {
    return QAccessible::queryAccessibleInterface(&ControlOf(w, id))->text(QAccessible::Name).toStdString();
}

// The output guard rests on the backend: the program's own output texts
// raise nothing it would take for the user's, and one typed key is one
// change. Worked example: 10 G at 100 Hz.
TEST_F(QtSineSweep, AmplitudeWorkedExampleThenTypingIntoAnOutputIsRefusedOnce) {
    const std::vector<int> outputs = {ss::IDC_OUTPUT1, ss::IDC_OUTPUT2, ss::IDC_OUTPUT3, ss::IDC_OUTPUT4};
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, IDC_ANALYSIS_LIST, 1); })
        .On(res::IDD_SINE_SWEEP,
            [outputs](QWidget& w) {
                ChooseItem(w, ss::IDC_ANALYSIS, 0);  // Amplitude
                EXPECT_EQ(AccessibleName(w, ss::IDC_INPUT1), "Frequency (Hz)");
                ChooseItem(w, ss::IDC_INPUT_LIST, 3);  // acceleration given
                EXPECT_EQ(AccessibleName(w, ss::IDC_INPUT3), "Acceleration (G)");
                Type(w, ss::IDC_INPUT1, QStringLiteral("100"));
                Type(w, ss::IDC_INPUT3, QStringLiteral("10"));
                Click(w, ui::IDOK);
                EXPECT_EQ(Text(w, ss::IDC_OUTPUT1), "disp = " + Padded("0.00978", " in zero-to-peak"));
                EXPECT_EQ(Text(w, ss::IDC_OUTPUT2), "disp = " + Padded("0.0196", " in peak-to-peak"));
                EXPECT_EQ(Text(w, ss::IDC_OUTPUT3), "vel  = " + Padded("6.14", " in/sec"));
                EXPECT_EQ(Text(w, ss::IDC_OUTPUT4), "accel= " + Padded("10", " G"));
                for (int id : outputs) EXPECT_TRUE(ShowsWhole(ControlOf(w, id))) << id;
                Type(w, ss::IDC_OUTPUT1, QStringLiteral("9"));  // answered by the message box step
                for (int id : outputs) EXPECT_FALSE(Shown(w, id)) << id;
                EXPECT_FALSE(Shown(w, ss::IDC_OUTPUT_FRAME));
            })
        .On(kMessageBox,
            [](QWidget& m) {
                EXPECT_EQ(static_cast<QMessageBox&>(m).text().toStdString(), " Illegal attempt to modify output. ");
                Key(m, Qt::Key_Return);
            })
        .On(res::IDD_SINE_SWEEP,
            [outputs](QWidget& w) {
                Click(w, ui::IDOK);
                EXPECT_TRUE(Shown(w, ss::IDC_OUTPUT1));
                Type(w, ss::IDC_INPUT1, QStringLiteral("50"));  // an input: results go, silently
                for (int id : outputs) EXPECT_FALSE(Shown(w, id)) << id;
                Key(w, Qt::Key_Escape);
            })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { Click(w, ui::IDCANCEL); });
    Play();
}

using QtPlanner = QtProgramTest;

// Qt's file dialog returns a name typed without an extension as typed,
// having asked only whether to replace a file of that name: the planner
// would then have replaced other.halvex-plan unasked. Now it asks; No goes
// back to the file dialog, and cancelling that leaves the file as it was.
TEST_F(QtPlanner, SaveAsANameWithoutItsExtensionAsksBeforeReplacingTheFileSoNamed) {
    // A directory of this run's own: the suite runs in several processes at once.
    const QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QString dir = temporary.path();
    const std::string existing = (dir + QStringLiteral("/other.halvex-plan")).toStdString();
    std::string message;
    ASSERT_TRUE(planner::WriteFileReplacing(existing, "kept", message)) << message;
    std::string asked;
    driver.On(res::IDD_PLANNER, [](QWidget& w) { ChooseMenuItem(w, res::planner_dlg::IDM_SAVE_AS); })
        .On(kFileDialog,
            [&](QWidget& w) {
                auto* name = w.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                ASSERT_NE(name, nullptr);
                name->setText(dir + QStringLiteral("/other"));
                QTest::keyClick(name, Qt::Key_Return);
            })
        .On(kMessageBox,
            [&](QWidget& w) {
                auto& box = static_cast<QMessageBox&>(w);
                asked = box.text().toStdString();
                box.button(QMessageBox::No)->click();
            })
        .On(kFileDialog, [](QWidget& w) { static_cast<QFileDialog&>(w).reject(); })
        .On(res::IDD_PLANNER, [](QWidget& w) { CloseWindow(w); });
    driver.Run([] {
        CPlannerDlg planner;
        planner.DoModal();
    });
    EXPECT_EQ(asked, "other.halvex-plan already exists. Replace it?");
    std::string text;
    EXPECT_TRUE(planner::ReadTextFile(existing, text));
    EXPECT_EQ(text, "kept");
}

// Each kind of picture is a type of its own, listing its files; Qt writes
// all three.
TEST_F(QtPlanner, ExportChartOffersSvgPngAndPdfEachAsAType) {
    QStringList offered;
    driver.On(res::IDD_PLANNER, [](QWidget& w) { ChooseMenuItem(w, res::planner_dlg::IDM_EXPORT_CHART); })
        .On(kFileDialog,
            [&](QWidget& w) {
                auto& files = static_cast<QFileDialog&>(w);
                offered = files.nameFilters();
                files.reject();
            })
        .On(res::IDD_PLANNER, [](QWidget& w) { CloseWindow(w); });
    driver.Run([] {
        CPlannerDlg planner;
        planner.DoModal();
    });
    EXPECT_EQ(offered, (QStringList{QStringLiteral("Chart as SVG (*.svg)"), QStringLiteral("Chart as PNG (*.png)"),
                                    QStringLiteral("Chart as PDF (*.pdf)")}));
}

// A run's fields are typed a key at a time like any other: the list's
// line follows each key, and the field keeps what was typed in its order
// (a field set again on each key would put the caret back at its start).
TEST_F(QtPlanner, ARunsFieldTakesTheKeysInTheOrderTyped) {
    namespace pd = res::planner_dlg;
    QString typed, line;
    driver.On(res::IDD_PLANNER, [](QWidget& w) { Click(w, pd::IDC_ADD_RUN); })
        .On(res::IDD_PLANNER,
            [&](QWidget& w) {
                Type(w, pd::IDC_RUN_FIELD2, QStringLiteral("2 h"));
                typed = dynamic_cast<QLineEdit&>(ControlOf(w, pd::IDC_RUN_FIELD2)).text();
                const auto& runs = dynamic_cast<QListWidget&>(ControlOf(w, pd::IDC_RUNS));
                line = runs.item(1)->text();
                CloseWindow(w);
            })
        .On(kMessageBox, [](QWidget& w) { static_cast<QMessageBox&>(w).button(QMessageBox::No)->click(); });
    driver.Run([] {
        CPlannerDlg planner;
        planner.DoModal();
    });
    EXPECT_EQ(typed, QStringLiteral("2 h"));
    EXPECT_EQ(line, QStringLiteral("dwell, ? for 2 h"));
}

// The safety net of every test above: a window the next step does not
// expect is reported at once and closed, with everything under it, instead
// of leaving the test waiting on it.
TEST(QtDriver, UnexpectedModalFailsFastAndClosesEverything) {
    ui::qt::QtBackend backend;
    ui::SetBackend(&backend);
    std::vector<std::string> failures;
    UiDriver driver(backend, [&failures](const std::string& why) { failures.push_back(why); });
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, IDC_ANALYSIS_LIST, 0); })
        .On(res::IDD_PURE_SINE, [](QWidget& w) { Click(w, ui::IDOK); })  // raises a message box
        .On(res::IDD_PURE_SINE, [](QWidget& /*w*/) { ADD_FAILURE() << "played on a window under a message box"; });
    QElapsedTimer clock;
    clock.start();
    driver.Run([] {
        CVibrationApp app;
        app.InitInstance();
    });
    ui::SetBackend(nullptr);
    EXPECT_LT(clock.elapsed(), 5000);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("message box \"Please enter valid frequency. \""), std::string::npos) << failures[0];
    EXPECT_TRUE(backend.Running().empty());
}

}  // namespace
