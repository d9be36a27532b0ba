// The grid on real widgets, played with keystrokes: a cell's edit commits
// once and moves as a spreadsheet's does, Esc in an editor stays in the
// grid, a choice cell's drop-down commits, Ctrl+V asks the dialog to paste;
// the planner's profile shows its choices whole and grows with the window.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

#include "planner/plan_form.h"
#include "planner/planner_dlg.h"
#include "res/planner_ids.h"
#include "res/resource_ids.h"
#include "tests/grid_probe_dlg.h"
#include "tests/qt/qt_fixture.h"

namespace {

using halvex_test::GridProbeDlg;
using halvex_test::kEditGrid;
using halvex_test::kGridDialogId;
using ui::qt::QtDialog;

QTableWidget& GridOf(QWidget& top) {
    return dynamic_cast<QTableWidget&>(*static_cast<QtDialog&>(top).Control(kEditGrid));
}

// The cell editor open in the grid (a closed one is hidden until deleted);
// a test fails on nullptr.
QWidget* EditorOf(QTableWidget& grid) {
    QWidget* open = nullptr;
    for (QLineEdit* editor : grid.viewport()->findChildren<QLineEdit*>()) {
        if (!editor->isHidden()) open = editor;
    }
    EXPECT_NE(open, nullptr);
    return open;
}

class QtGrid : public halvex_test::QtProgramTest {};

// Each step runs once the last one's queued events are handled: Qt commits
// an editor's Enter on the next turn of the event loop.
TEST_F(QtGrid, TypingEnterEscapeAndPasteAsASpreadsheetUserExpects) {
    GridProbeDlg dialog;
    std::vector<std::string> afterEscape;
    ui::GridCell afterEnter;
    driver
        .On(kGridDialogId,
            [&](QWidget& top) {
                QTableWidget& grid = GridOf(top);
                grid.setFocus();
                QTest::keyClick(&grid, Qt::Key_D);  // opens the editor, replacing the text
                QTest::keyClicks(EditorOf(grid), "well");
                QTest::keyClick(EditorOf(grid), Qt::Key_Return);
            })
        .On(kGridDialogId,
            [&](QWidget& top) {
                afterEnter = dialog.m_grid.GetCurrentCell();
                QTest::keyClick(&GridOf(top), Qt::Key_F2);
                QTest::keyClick(EditorOf(GridOf(top)), Qt::Key_Escape);
            })
        .On(kGridDialogId,
            [&](QWidget& top) {
                afterEscape = dialog.events;
                QApplication::clipboard()->setText(QStringLiteral("5\t1\n10\t2\n"));
                QTest::keyClick(&GridOf(top), Qt::Key_V, Qt::ControlModifier);
            })
        .On(kGridDialogId, [](QWidget& top) { QTest::keyClick(&GridOf(top), Qt::Key_Escape); });
    driver.Run([&] { dialog.DoModal(); });
    EXPECT_EQ(afterEnter.row, 1);
    EXPECT_EQ(afterEnter.column, 0);
    EXPECT_EQ(afterEscape, (std::vector<std::string>{"change 0,0 dwell", "row 1,0 "}));
    EXPECT_EQ(dialog.events,
              (std::vector<std::string>{"change 0,0 dwell", "row 1,0 ", "paste 1,0 5\t1\n10\t2\n", "cancel"}));
}

TEST_F(QtGrid, AChoiceCellCommitsWhatIsChosenInItsDropDown) {
    GridProbeDlg dialog;
    driver
        .On(kGridDialogId,
            [&](QWidget& top) {
                dialog.m_grid.SetCurrentCell(1, 1);  // "high"
                QTableWidget& grid = GridOf(top);
                grid.setFocus();
                QTest::keyClick(&grid, Qt::Key_F2);
            })
        .On(0,  // the drop-down's popup
            [](QWidget& popup) {
                QWidget* list = popup.findChild<QAbstractItemView*>();
                ASSERT_NE(list, nullptr);
                QTest::keyClick(list, Qt::Key_Up);
                QTest::keyClick(list, Qt::Key_Return);
            })
        .On(kGridDialogId, [&](QWidget& top) {
            EXPECT_EQ(GridOf(top).findChild<QComboBox*>(), nullptr);  // the editor has closed
            EXPECT_EQ(GridOf(top).item(1, 1)->text().toStdString(), "low");
            dialog.EndDialog(ui::IDOK);
        });
    driver.Run([&] { dialog.DoModal(); });
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"change 1,1 low"}));
}

// A warning is not a refusal: its cell must not look like a cell that does
// not read, and a new mark of the other kind repaints the cell.
TEST_F(QtGrid, AWarnedCellLooksUnlikeAMarkedOneAndSaysItsWarning) {
    GridProbeDlg dialog;
    QColor marked, warned, rewarned;
    QString tip;
    driver.On(kGridDialogId, [&](QWidget& top) {
        dialog.m_grid.MarkCell(0, 0, "not a segment");
        dialog.m_grid.WarnCell(1, 0, "a step of 1.76 %");
        marked = GridOf(top).item(0, 0)->background().color();
        warned = GridOf(top).item(1, 0)->background().color();
        tip = GridOf(top).item(1, 0)->toolTip();
        dialog.m_grid.WarnCell(0, 0, "a step");
        rewarned = GridOf(top).item(0, 0)->background().color();
        dialog.EndDialog(ui::IDOK);
    });
    driver.Run([&] { dialog.DoModal(); });
    EXPECT_NE(marked, warned);
    EXPECT_EQ(rewarned, warned);
    EXPECT_EQ(tip.toStdString(), "a step of 1.76 %");
}

namespace pd = res::planner_dlg;

QTableWidget& ProfileOf(QWidget& top) {
    return dynamic_cast<QTableWidget&>(*static_cast<QtDialog&>(top).Control(pd::IDC_PROFILE));
}

// The planner closed without saving what the test changed.
void CloseUnsaved(halvex_test::UiDriver& driver) {
    driver.On(res::IDD_PLANNER, [](QWidget& top) { halvex_test::CloseWindow(top); })
        .On(halvex_test::kMessageBox,
            [](QWidget& box) { static_cast<QMessageBox&>(box).button(QMessageBox::No)->click(); });
}

// Every choice of the level and unit columns shows whole in its cell,
// beside the text margins the style keeps.
TEST_F(QtGrid, ThePlannersProfileShowsEveryChoiceWhole) {
    driver.On(res::IDD_PLANNER, [](QWidget& top) {
        QTableWidget& grid = ProfileOf(top);
        const int margins = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
        std::vector<std::pair<int, std::string>> choices;
        for (const char* kind : planner::kLevelKindCells) choices.emplace_back(planner::kLevelColumn, kind);
        for (const std::string& unit : planner::ProfileUnits()) choices.emplace_back(planner::kUnitColumn, unit);
        for (const auto& [column, text] : choices) {
            EXPECT_LE(grid.fontMetrics().horizontalAdvance(QString::fromStdString(text)) + margins,
                      grid.columnWidth(column))
                << text;
        }
        halvex_test::CloseWindow(top);
    });
    driver.Run([] {
        CPlannerDlg planner;
        planner.DoModal();
    });
}

// The rows take the height the window gains, and the sweep group below
// moves down by as much.
TEST_F(QtGrid, ThePlannersProfileTakesTheHeightTheWindowGains) {
    constexpr int kGain = 150;
    int shownBefore = 0;
    int shownAfter = 0;
    int rowHeight = 0;
    QRect gridBefore, gridAfter, sweepBefore, sweepAfter;
    driver.On(res::IDD_PLANNER, [&](QWidget& top) {
        for (int i = 0; i < 19; ++i) halvex_test::Click(top, pd::IDC_ADD);  // more rows than show
        QTableWidget& grid = ProfileOf(top);
        QWidget& sweep = halvex_test::ControlOf(top, pd::IDC_SWEEP_TYPE);
        const auto shown = [&grid] {
            int rows = 0;
            for (int row = 0; row < grid.rowCount(); ++row) {
                if (grid.viewport()->rect().contains(grid.visualRect(grid.model()->index(row, 0)))) ++rows;
            }
            return rows;
        };
        rowHeight = grid.rowHeight(0);
        shownBefore = shown();
        gridBefore = grid.geometry();
        sweepBefore = sweep.geometry();
        top.resize(top.size() + QSize(0, kGain));
        shownAfter = shown();
        gridAfter = grid.geometry();
        sweepAfter = sweep.geometry();
    });
    CloseUnsaved(driver);
    driver.Run([] {
        CPlannerDlg planner;
        planner.DoModal();
    });
    EXPECT_EQ(gridAfter, gridBefore.adjusted(0, 0, 0, kGain));
    EXPECT_EQ(sweepAfter, sweepBefore.translated(0, kGain));
    ASSERT_GT(rowHeight, 0);
    EXPECT_GE(shownAfter, shownBefore + kGain / rowHeight);
    EXPECT_LT(shownAfter, 20);  // else the gain was not all rows
}

}  // namespace
