// The grid on real widgets, played with keystrokes: a cell's edit commits
// once and moves as a spreadsheet's does, Esc in an editor stays in the
// grid, a choice cell's drop-down commits, Ctrl+V asks the dialog to paste.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

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

}  // namespace
