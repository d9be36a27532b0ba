// halvex-screenshots DIR: plays a short session on the offscreen platform
// and writes what the windows show to PNG files in DIR, for the README.
// Window managers draw their own title bars; the one drawn here only shows
// each window's caption.
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#include "app/vibration_app.h"
#include "planner/planner_dlg.h"
#include "res/resource_ids.h"
#include "tests/qt/ui_actions.h"
#include "tests/qt/ui_driver.h"
#include "ui/qt/app_icon.h"
#include "ui/qt/qt_backend.h"
#include "ui/qt/qt_dialog.h"

namespace {

using namespace halvex_test;

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

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: halvex-screenshots DIR\n");
        return 2;
    }
    g_outDir = QDir(QString::fromLocal8Bit(argv[1]));
    if (!g_outDir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 2;
    }
    ui::qt::ConfigureApplication(application);
    ui::qt::QtBackend backend;
    ui::SetBackend(&backend);

    UiDriver driver(backend, [](const std::string& why) {
        std::fprintf(stderr, "halvex-screenshots: %s\n", why.c_str());
        g_failed = true;
    });
    driver.On(102, [](QWidget& w) { Save(Framed(w), "main-menu.png"); })
        .On(102, [](QWidget& w) { ChooseItem(w, 1000, 0); })
        .On(129,
            [](QWidget& w) {
                ChooseItem(w, 1003, 0);
                ChooseItem(w, 1004, 0);
                ChooseItem(w, 1001, 2);
                Type(w, 1008, QStringLiteral("1"));
                Type(w, 1009, QStringLiteral("10"));
                Click(w, 1);
            })
        .On(129, [](QWidget& w) { Save(Framed(w), "pure-sine-translation.png"); })
        .On(129, [](QWidget& w) { RightClick(w, ControlOf(w, 1033).geometry().center()); })
        .On(kPopupMenu,
            [](QWidget& w) {
                Save(w.grab().toImage(), "result-menu.png");
                QTest::keyClick(&w, Qt::Key_Escape);
            })
        .On(129,
            [](QWidget& w) {
                ChooseItem(w, 1003, 1);
                ChooseItem(w, 1004, 0);
                ChooseItem(w, 1001, 1);
                Type(w, 1008, QStringLiteral("2"));
                Type(w, 1009, QStringLiteral("5"));
                Click(w, 1);
            })
        .On(129, [](QWidget& w) { Save(Framed(w), "pure-sine-rotation.png"); })
        .On(129,
            [](QWidget& w) {
                Type(w, 1009, QStringLiteral("0"));
                Click(w, 1);
            })
        .On(kMessageBox,
            [](QWidget& w) {
                Save(Framed(w), "message-box.png");
                Key(w, Qt::Key_Return);
            })
        .On(129, [](QWidget& w) { Key(w, Qt::Key_Escape); })
        .On(102, [](QWidget& w) { RightClick(w, QPoint(w.width() - 8, w.height() - 8)); })
        .On(kPopupMenu,
            [](QWidget& w) {
                Save(w.grab().toImage(), "system-menu.png");
                QTest::keyClick(&w, Qt::Key_A);
            })
        .On(100,
            [](QWidget& w) {
                Save(Framed(w), "about.png");
                Click(w, 1);
            })
        .On(102, [](QWidget& w) { ChooseItem(w, 1000, 1); })
        .On(130,
            [](QWidget& w) {
                ChooseItem(w, 1016, 0);  // Amplitude
                ChooseItem(w, 1017, 3);  // acceleration given
                Type(w, 1019, QStringLiteral("100"));
                Type(w, 1021, QStringLiteral("10"));
                Click(w, 1);
            })
        .On(130,
            [](QWidget& w) {
                Save(Framed(w), "sine-sweep.png");
                Key(w, Qt::Key_Escape);
            })
        .On(102, [](QWidget& w) { Click(w, 2); });
    driver.Run([] {
        CVibrationApp app;
        app.InitInstance();
    });

    // The planner with the worked example: three segments and a shaker.
    driver
        .On(res::IDD_PLANNER,
            [](QWidget& w) {
                Type(w, 1206, QStringLiteral("5"));
                Type(w, 1207, QStringLiteral("auto"));
                ChooseItem(w, 1208, 0);  // displacement p-p, in mm
                Type(w, 1210, QStringLiteral("2.54"));
                Click(w, 1202);  // from auto
                Type(w, 1207, QStringLiteral("100"));
                ChooseItem(w, 1208, 3);  // acceleration, in g
                Type(w, 1210, QStringLiteral("1"));
                Click(w, 1202);  // from 100 Hz
                Type(w, 1207, QStringLiteral("500"));
                Type(w, 1211, QStringLiteral("2"));
                Type(w, 1223, QStringLiteral("10"));
                Type(w, 1224, QStringLiteral("3"));
                const std::pair<int, const char*> shaker[] = {{1230, "9 kN"},  {1232, "5 kg"},  {1234, "8 kg"},
                                                              {1235, "12 kg"}, {1236, "51 mm"}, {1237, "1.8 m/s"},
                                                              {1238, "100 g"}};
                for (const auto& [id, text] : shaker) Type(w, id, QString::fromUtf8(text));
                // Queries: 37.9 min into the sweeping, 100 Hz, a resonance there with Q 10.
                const std::pair<int, const char*> queries[] = {
                    {1270, "37.9 min"}, {1271, "100"}, {1272, "100"}, {1273, "10"}};
                for (const auto& [id, text] : queries) Type(w, id, QString::fromUtf8(text));
            })
        .On(res::IDD_PLANNER,
            [](QWidget& w) {
                Save(Framed(w), "planner.png");
                Click(w, 2);
            })
        .On(kMessageBox, [](QWidget& w) { static_cast<QMessageBox&>(w).button(QMessageBox::No)->click(); });
    driver.Run([] {
        CPlannerDlg planner;
        planner.DoModal();
    });

    for (int size : {16, 32, 256}) {
        const std::string name = "icon-" + std::to_string(size) + ".png";
        Save(ui::qt::AppIconPixmap(size).toImage(), name.c_str());
    }
    ui::SetBackend(nullptr);
    return g_failed ? 1 : 0;
}
