// The chart control on real widgets: the planner's template makes one, it
// paints the drawing it is given, and the pointer reads out the four
// quantities there.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <cstdlib>

#include "res/dialog_template.h"
#include "res/planner_ids.h"
#include "res/resource_ids.h"
#include "tests/qt/qt_fixture.h"
#include "ui/qt/chart_view.h"
#include "ui/qt/qt_dialog.h"

namespace {

// Three decades each way on a 380 x 337 control: with the room for the
// labels (62 left, 18 right, 6 top, 31 bottom) a decade is 100 pixels, and
// the plot's top left corner (1 Hz, 1 m/s) is at (62, 6).
std::shared_ptr<draw::Chart> ThreeDecades() {
    auto chart = std::make_shared<draw::Chart>();
    chart->box = {0.0, 3.0, -3.0, 0.0};
    draw::DrawOp profile;
    profile.kind = draw::DrawKind::Polyline;
    profile.role = draw::DrawRole::Profile;
    profile.points = {{1.0, -1.0}, {2.0, -2.0}};
    chart->ops.push_back(profile);
    return chart;
}

TEST(QtChart, PaintsTheProfileAndReadsOutUnderThePointer) {
    ui::qt::ChartView view(nullptr);
    view.resize(380, 337);
    view.SetDrawing(ThreeDecades());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));

    // The profile's middle, 31.6 Hz at 31.6 mm/s, is at (212, 156): its blue.
    const QImage image = view.grab().toImage();
    const QColor middle = image.pixelColor(212, 156);
    EXPECT_GT(middle.blue(), 120);
    EXPECT_LT(middle.red(), 60);
    EXPECT_EQ(image.pixelColor(300, 290), QColor(Qt::white));

    // (162, 87): 10 Hz and 10^-0.81 = 0.1549 m/s, so 2v/w = 4.930 mm p-p
    // and v w = 0.9923 g.
    QTest::mouseMove(&view, QPoint(162, 87));
    EXPECT_EQ(view.Readout(), "10 Hz   4.93 mm p-p   0.1549 m/s   0.9923 g");
    QTest::mouseMove(&view, QPoint(20, 20));  // over the labels, off the plot
    EXPECT_EQ(view.Readout(), "");

    // Greyed out as out of date, the profile is a light grey.
    view.setEnabled(false);
    const QColor greyed = view.grab().toImage().pixelColor(214, 174);
    EXPECT_LE(std::abs(greyed.red() - greyed.blue()), 2) << greyed.name().toStdString();
    EXPECT_GT(greyed.red(), 120);
}

TEST(QtChart, ThePlannersTemplateHasAChartThatTakesTheDrawing) {
    halvex_test::RecordingSink sink;
    const res::DialogTemplate* planner = res::FindDialogTemplate(res::IDD_PLANNER);
    ASSERT_NE(planner, nullptr);
    ui::qt::QtDialog dialog(*planner, sink, nullptr);
    auto* view = dynamic_cast<ui::qt::ChartView*>(dialog.Control(res::planner_dlg::IDC_CHART));
    ASSERT_NE(view, nullptr);
    const auto chart = ThreeDecades();
    dialog.SetControlDrawing(res::planner_dlg::IDC_CHART, chart);
    EXPECT_EQ(view->Drawing(), chart.get());
    EXPECT_TRUE(sink.reports.empty());  // the program's own change reports nothing
}

// The planner's window is resizable: the chart takes what it gains, the
// status line keeps to the bottom edge and stretches, the menu bar spans the
// width, the left column keeps its width, and
// the template's size is the least the window can be. The plot fills the
// chart but for its labels, from the least plot the texts are placed for.
TEST(QtChart, ThePlannersChartGrowsWithTheWindow) {
    halvex_test::RecordingSink sink;
    ui::qt::QtDialog dialog(*res::FindDialogTemplate(res::IDD_PLANNER), sink, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QSize initial = dialog.size();
    // It opens whole on a 1024 x 768 screen, with room for the frame and
    // title bar a window manager adds.
    EXPECT_LE(initial.width() + 10, 1024);
    EXPECT_LE(initial.height() + 30, 768);
    QWidget& chart = *dialog.Control(res::planner_dlg::IDC_CHART);
    QWidget& status = *dialog.Control(res::planner_dlg::IDC_STATUS);
    QMenuBar& menu = *dialog.MenuBar();
    QWidget& profile = *dialog.Control(res::planner_dlg::IDC_PROFILE);
    const QRect chartAt = chart.geometry();
    const QRect statusAt = status.geometry();
    const QRect profileAt = profile.geometry();

    // The plot itself, inside the labels' room, at least 480 x 360 from the start.
    auto plot = [&] { return draw::FitChart(draw::ChartBox{}, chart.width(), chart.height()); };
    EXPECT_GE(plot().width, draw::kLeastPlotWidth);
    EXPECT_GE(plot().height, draw::kLeastPlotHeight);
    const double plotWidth = plot().width;
    const double plotHeight = plot().height;

    dialog.resize(initial + QSize(200, 150));
    EXPECT_EQ(dialog.size(), initial + QSize(200, 150));
    EXPECT_EQ(chart.geometry(), chartAt.adjusted(0, 0, 200, 150));
    EXPECT_EQ(plot().width, plotWidth + 200);
    EXPECT_EQ(plot().height, plotHeight + 150);
    EXPECT_EQ(status.geometry(), statusAt.adjusted(0, 150, 200, 150));
    EXPECT_EQ(menu.width(), dialog.width());
    EXPECT_EQ(profile.geometry().width(), profileAt.width());

    dialog.resize(initial - QSize(100, 100));
    EXPECT_EQ(dialog.size(), initial);
    EXPECT_EQ(chart.geometry(), chartAt);
    EXPECT_EQ(status.geometry(), statusAt);
}

TEST(QtChart, ExportsAsPngAndPdf) {
    const auto chart = ThreeDecades();
    // A folder of this run's own: the suite runs several times at once.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string png = folder.filePath(QStringLiteral("chart.png")).toStdString();
    const std::string pdf = folder.filePath(QStringLiteral("chart.pdf")).toStdString();
    ASSERT_TRUE(ui::qt::SaveChartPicture(*chart, png));
    ASSERT_TRUE(ui::qt::SaveChartPicture(*chart, pdf));
    EXPECT_FALSE(ui::qt::SaveChartPicture(*chart, png + ".gif"));
    const QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.size(), QSize(1600, 1200));
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    QFile::remove(QString::fromStdString(png));
    QFile::remove(QString::fromStdString(pdf));
}

}  // namespace
