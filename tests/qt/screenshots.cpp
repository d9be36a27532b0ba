// halvex-screenshots [--language CODE] DIR: plays a short session on the
// offscreen platform and writes what the windows show to PNG files in DIR,
// for the README; in the language CODE (en, de, fr, zh_CN, ja) when given.
// Window managers draw their own title bars; the one drawn here only shows
// each window's caption.
#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/vibration_app.h"
#include "lang/tr.h"
#include "planner/lab.h"
#include "planner/lab_dlg.h"
#include "planner/new_template_dlg.h"
#include "planner/plan_form.h"
#include "planner/planner_dlg.h"
#include "planner/report_details_dlg.h"
#include "planner/templates.h"
#include "res/lab_ids.h"
#include "res/main_menu_ids.h"
#include "res/new_template_ids.h"
#include "res/planner_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "tests/qt/ui_actions.h"
#include "tests/qt/ui_driver.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_dialog.h"

namespace {

using namespace halvex_test;
namespace pd = res::planner_dlg;
namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

QDir g_outDir;
bool g_failed = false;

void Save(const QImage& image, const char* name) {
    const QString path = g_outDir.filePath(QString::fromLatin1(name));
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        g_failed = true;
    }
}

// The window's client area under a plain caption bar with its icon, title
// and close box.
QImage Framed(QWidget& window) {
    const QImage client = window.grab().toImage();
    const int bar = 26;
    QImage framed(client.width() + 2, client.height() + bar + 1, QImage::Format_ARGB32);
    framed.fill(QColor(0x3c, 0x3f, 0x46));
    QPainter painter(&framed);
    painter.drawImage(1, bar, client);
    int textLeft = 8;
    if (!window.windowIcon().isNull()) {
        painter.drawPixmap(6, (bar - 16) / 2, window.windowIcon().pixmap(16, 16));
        textLeft = 28;
    }
    QFont font = QApplication::font();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(textLeft, 0, framed.width() - textLeft - 30, bar), Qt::AlignVCenter, window.windowTitle());
    painter.drawText(QRect(framed.width() - 26, 0, 20, bar), Qt::AlignCenter, QStringLiteral("\u2715"));
    return framed;
}

QTableWidget& Profile(QWidget& window) { return dynamic_cast<QTableWidget&>(ControlOf(window, pd::IDC_PROFILE)); }

// A click on the cell makes it the current one.
void ClickCell(QTableWidget& grid, int row, int column) {
    grid.setFocus();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(grid.model()->index(row, column)).center());
}

// Types over a cell as a user does: the first key opens its editor with
// that key in place of the text, the rest go to the editor, Enter commits.
void TypeCell(QWidget& window, int row, int column, const QString& text) {
    QTableWidget& grid = Profile(window);
    ClickCell(grid, row, column);
    QTest::keyClicks(&grid, text.left(1));
    QLineEdit* editor = nullptr;
    for (QLineEdit* open : grid.viewport()->findChildren<QLineEdit*>()) {
        if (!open->isHidden()) editor = open;
    }
    if (editor == nullptr) {
        std::fprintf(stderr, "no editor opened in the profile\n");
        g_failed = true;
        return;
    }
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
}

// F2 on a choice cell drops its list down, on the next turn of the event
// loop: a step of its own, so that the popup is on top for the next one.
void DropDownCell(QWidget& window) { QTest::keyClick(&Profile(window), Qt::Key_F2); }

void ChooseInPopup(QWidget& popup, const QString& text) {
    auto* list = popup.findChild<QAbstractItemView*>();
    if (list == nullptr) {
        std::fprintf(stderr, "no list in the popup\n");
        g_failed = true;
        return;
    }
    const QModelIndexList found =
        list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    if (found.isEmpty()) {
        std::fprintf(stderr, "no %s in the popup\n", qPrintable(text));
        g_failed = true;
        return;
    }
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < found.first().row(); ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bool languageGiven = argc == 4 && std::string(argv[1]) == "--language";
    const auto language = languageGiven ? lang::LanguageOfLocaleName(argv[2]) : lang::Language::English;
    if ((argc != 2 && !languageGiven) || !language) {
        std::fprintf(stderr, "usage: halvex-screenshots [--language en|de|fr|zh_CN|ja] DIR\n");
        return 2;
    }
    lang::SetLanguage(*language);
    const char* dir = argv[argc - 1];
    g_outDir = QDir(QString::fromLocal8Bit(dir));
    if (!g_outDir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", dir);
        return 2;
    }
    ui::qt::ConfigureApplication(application);
    ui::qt::QtBackend backend;
    ui::SetBackend(&backend);

    UiDriver driver(backend, [](const std::string& why) {
        std::fprintf(stderr, "halvex-screenshots: %s\n", why.c_str());
        g_failed = true;
    });
    driver.On(res::IDD_MAIN_MENU, [](QWidget& w) { Save(Framed(w), "main-menu.png"); })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, res::main_menu::IDC_ANALYSIS_LIST, 0); })
        .On(res::IDD_PURE_SINE,
            [](QWidget& w) {
                ChooseItem(w, ps::IDC_TYPE, 0);
                ChooseItem(w, ps::IDC_DIMENSION, 0);
                ChooseItem(w, ps::IDC_AMPLITUDE_UNIT, 2);
                Type(w, ps::IDC_AMPLITUDE, QStringLiteral("1"));
                Type(w, ps::IDC_FREQUENCY, QStringLiteral("10"));
                Click(w, res::IDOK);
            })
        .On(res::IDD_PURE_SINE, [](QWidget& w) { Save(Framed(w), "pure-sine-translation.png"); })
        .On(res::IDD_PURE_SINE, [](QWidget& w) { RightClick(w, ControlOf(w, ps::IDC_ACC_G).geometry().center()); })
        .On(kPopupMenu,
            [](QWidget& w) {
                Save(w.grab().toImage(), "result-menu.png");
                QTest::keyClick(&w, Qt::Key_Escape);
            })
        .On(res::IDD_PURE_SINE,
            [](QWidget& w) {
                ChooseItem(w, ps::IDC_TYPE, 1);
                ChooseItem(w, ps::IDC_DIMENSION, 0);
                ChooseItem(w, ps::IDC_AMPLITUDE_UNIT, 1);
                Type(w, ps::IDC_AMPLITUDE, QStringLiteral("2"));
                Type(w, ps::IDC_FREQUENCY, QStringLiteral("5"));
                Click(w, res::IDOK);
            })
        .On(res::IDD_PURE_SINE, [](QWidget& w) { Save(Framed(w), "pure-sine-rotation.png"); })
        .On(res::IDD_PURE_SINE,
            [](QWidget& w) {
                Type(w, ps::IDC_FREQUENCY, QStringLiteral("0"));
                Click(w, res::IDOK);
            })
        .On(kMessageBox,
            [](QWidget& w) {
                Save(Framed(w), "message-box.png");
                Key(w, Qt::Key_Return);
            })
        .On(res::IDD_PURE_SINE, [](QWidget& w) { Key(w, Qt::Key_Escape); })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { RightClick(w, QPoint(w.width() - 8, w.height() - 8)); })
        .On(kPopupMenu,
            [](QWidget& w) {
                Save(w.grab().toImage(), "system-menu.png");
                // About is the menu's last item; its mnemonic differs by language.
                auto* menu = qobject_cast<QMenu*>(&w);
                if (menu != nullptr && !menu->actions().isEmpty()) menu->setActiveAction(menu->actions().last());
                QTest::keyClick(&w, Qt::Key_Return);
            })
        .On(res::IDD_ABOUT,
            [](QWidget& w) {
                Save(Framed(w), "about.png");
                Click(w, res::IDOK);
            })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { ChooseItem(w, res::main_menu::IDC_ANALYSIS_LIST, 1); })
        .On(res::IDD_SINE_SWEEP,
            [](QWidget& w) {
                ChooseItem(w, ss::IDC_ANALYSIS, 0);    // Amplitude
                ChooseItem(w, ss::IDC_INPUT_LIST, 3);  // acceleration given
                Type(w, ss::IDC_INPUT1, QStringLiteral("100"));
                Type(w, ss::IDC_INPUT3, QStringLiteral("10"));
                Click(w, res::IDOK);
            })
        .On(res::IDD_SINE_SWEEP,
            [](QWidget& w) {
                Save(Framed(w), "sine-sweep.png");
                Key(w, Qt::Key_Escape);
            })
        .On(res::IDD_MAIN_MENU, [](QWidget& w) { Click(w, res::IDCANCEL); });
    driver.Run([] {
        CVibrationApp app;
        app.InitInstance();
    });

    // The planner with the worked example: three segments and a shaker. The
    // profile is typed into its grid a cell at a time: a grid commits its
    // editor's Enter on the next turn of the event loop.
    const auto cell = [](int row, int column, const char* text) {
        return [=](QWidget& w) { TypeCell(w, row, column, QString::fromUtf8(text)); };
    };
    const auto unit = [&driver](int row, const char* text) {
        driver.On(res::IDD_PLANNER, [row](QWidget& w) { ClickCell(Profile(w), row, planner::kUnitColumn); })
            .On(res::IDD_PLANNER, DropDownCell)
            .On(0, [text](QWidget& popup) { ChooseInPopup(popup, QString::fromUtf8(text)); });
    };
    driver.On(res::IDD_PLANNER, cell(0, planner::kFromColumn, "5"))
        .On(res::IDD_PLANNER, cell(0, planner::kToColumn, "auto"));
    unit(0, "mm");  // displacement p-p
    driver.On(res::IDD_PLANNER, cell(0, planner::kValueColumn, "2.54"))
        .On(res::IDD_PLANNER, [](QWidget& w) { Click(w, pd::IDC_ADD); })  // from auto
        .On(res::IDD_PLANNER, cell(1, planner::kToColumn, "100"));
    unit(1, "g");  // acceleration
    driver.On(res::IDD_PLANNER, cell(1, planner::kValueColumn, "1"))
        .On(res::IDD_PLANNER, [](QWidget& w) { Click(w, pd::IDC_ADD); })  // from 100 Hz
        .On(res::IDD_PLANNER, cell(2, planner::kToColumn, "500"))
        .On(res::IDD_PLANNER, cell(2, planner::kRampColumn, "2"));
    driver
        .On(res::IDD_PLANNER,
            [](QWidget& w) {
                Type(w, pd::IDC_SWEEPS, QStringLiteral("10"));
                Type(w, pd::IDC_AXES, QStringLiteral("3"));
                const std::pair<int, const char*> shaker[] = {{pd::IDC_FORCE, "9 kN"},
                                                              {pd::IDC_ARMATURE, "5 kg"},
                                                              {pd::IDC_FIXTURE, "8 kg"},
                                                              {pd::IDC_SPECIMEN, "12 kg"},
                                                              {pd::IDC_STROKE, "51 mm"},
                                                              {pd::IDC_VELOCITY_LIMIT, "1.8 m/s"},
                                                              {pd::IDC_ACCELERATION_LIMIT, "100 g"}};
                for (const auto& [id, text] : shaker) Type(w, id, QString::fromUtf8(text));
                // Queries: 37.9 min into the sweeping, 100 Hz, a resonance there with Q 10.
                const std::pair<int, const char*> queries[] = {{pd::IDC_QUERY_TIME, "37.9 min"},
                                                               {pd::IDC_QUERY_FREQUENCY, "100"},
                                                               {pd::IDC_QUERY_RESONANCE, "100"},
                                                               {pd::IDC_QUERY_Q, "10"}};
                for (const auto& [id, text] : queries) Type(w, id, QString::fromUtf8(text));
                // A sequence: the sweep, a dwell at 30 Hz for 10 min, steps an
                // octave apart from 10 to 80 Hz of 1,000 cycles each.
                Click(w, pd::IDC_ADD_RUN);
                Type(w, pd::IDC_RUN_FIELD1, QStringLiteral("30"));
                Type(w, pd::IDC_RUN_FIELD2, QStringLiteral("10 min"));
                Click(w, pd::IDC_ADD_RUN);
            })
        .On(res::IDD_PLANNER, [](QWidget& w) { ChooseItem(w, pd::IDC_RUN_KIND, 4); })
        .On(res::IDD_PLANNER,
            [](QWidget& w) {
                const std::pair<int, const char*> steps[] = {{pd::IDC_RUN_FIELD1, "10"},
                                                             {pd::IDC_RUN_FIELD2, "80"},
                                                             {pd::IDC_RUN_FIELD3, "1 oct"},
                                                             {pd::IDC_RUN_FIELD4, "1000 cycles"}};
                for (const auto& [id, text] : steps) Type(w, id, QString::fromUtf8(text));
                Click(w, pd::IDC_ADD_RUN);
            })
        // First of all, a resonance search at a quarter of the profile.
        .On(res::IDD_PLANNER, [](QWidget& w) { ChooseItem(w, pd::IDC_RUN_KIND, 1); })
        .On(res::IDD_PLANNER,
            [](QWidget& w) {
                Type(w, pd::IDC_RUN_FIELD1, QStringLiteral("2 oct/min"));
                Type(w, pd::IDC_RUN_FIELD2, QStringLiteral("1"));
            })
        .On(res::IDD_PLANNER, [](QWidget& w) { ChooseItem(w, pd::IDC_RUN_LEVEL_SOURCE, 1); })
        .On(res::IDD_PLANNER,
            [](QWidget& w) {
                Type(w, pd::IDC_RUN_LEVEL, QStringLiteral("0.25"));
                for (int i = 0; i < 3; ++i) Click(w, pd::IDC_MOVE_RUN_UP);
            })
        .On(res::IDD_PLANNER,
            [](QWidget& w) {
                Save(Framed(w), "planner.png");
                CloseWindow(w);
            })
        .On(kMessageBox, [](QWidget& w) { static_cast<QMessageBox&>(w).button(QMessageBox::No)->click(); });
    // The planner reads the example library, chosen in a data directory of
    // the session's own, and ranks its shakers for the plan.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    std::string labProblem;
    if (!planner::RememberLabPath(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/lab.halvex-lab", labProblem)) {
        std::fprintf(stderr, "halvex-screenshots: %s\n", labProblem.c_str());
        g_failed = true;
    }
    driver.Run([] {
        CPlannerDlg planner;
        planner.DoModal();
    });

    // The equipment library's editor on the example library, its second
    // shaker chosen.
    driver.On(res::IDD_LAB, [](QWidget& w) { ChooseItem(w, res::lab_dlg::IDC_SHAKERS, 1); })
        .On(res::IDD_LAB, [](QWidget& w) {
            Save(Framed(w), "lab-editor.png");
            CloseWindow(w);
        });
    driver.Run([] {
        CLabDlg lab(std::string(HALVEX_SOURCE_DIR) + "/docs/examples/lab.halvex-lab");
        lab.DoModal();
    });

    // New from Template, the crossover template chosen: its figures to fill
    // shown as "?".
    driver.On(res::IDD_NEW_FROM_TEMPLATE, [](QWidget& w) { ChooseItem(w, res::new_template_dlg::IDC_TEMPLATES, 2); })
        .On(res::IDD_NEW_FROM_TEMPLATE, [](QWidget& w) {
            Save(Framed(w), "new-from-template.png");
            CloseWindow(w);
        });
    driver.Run([] {
        CNewTemplateDlg dialog(planner::Templates(nullptr));
        dialog.DoModal();
    });

    // The report's title block, filled in.
    driver.On(res::IDD_REPORT_DETAILS, [](QWidget& w) {
        Save(Framed(w), "report-details.png");
        CloseWindow(w);
    });
    driver.Run([] {
        planner::ReportInfo report;
        report.title = "Qualification vibration test";
        report.specimen = "Control unit CU-4, serial 0117";
        report.customer = "Acme Avionics";
        report.reference = "MIL-STD-810H, Method 514.8";
        report.author = "J. Doe";
        report.revision = "B";
        CReportDetailsDlg details(report, draw::Paper::A4);
        details.DoModal();
    });

    // The icons have no words: written with the English screenshots only.
    for (int size : {16, 32, 256}) {
        if (languageGiven) break;
        const std::string name = "icon-" + std::to_string(size) + ".png";
        Save(ui::qt::AppIconPixmap(size).toImage(), name.c_str());
    }
    ui::SetBackend(nullptr);
    return g_failed ? 1 : 0;
}
