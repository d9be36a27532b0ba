// The grid control on the headless backend and through halvex-drive's
// commands: which notifications the user's edits raise, and which they must
// not, and the refusals a script gets.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/drive_session.h"
#include "tests/grid_probe_dlg.h"
#include "tests/headless_script.h"
#include "ui/messages.h"

namespace {

using halvex_test::GridProbeDlg;
using halvex_test::HeadlessWindow;
using halvex_test::kEditGrid;
using halvex_test::kReadGrid;
using halvex_test::ScriptedRun;

TEST(GridParam, RowAndColumnSurviveThePacking) {
    // Row 300 reaches past the low word; column 6 the last planner column.
    static_assert(ui::MakeGridParam(300, 6) == 300 * 65536 + 6);
    static_assert(ui::GridParamRow(ui::MakeGridParam(300, 6)) == 300);
    static_assert(ui::GridParamColumn(ui::MakeGridParam(300, 6)) == 6);
    static_assert(ui::GridParamRow(ui::MakeGridParam(-1, -1)) == -1);
    static_assert(ui::GridParamColumn(ui::MakeGridParam(-1, -1)) == -1);
}

TEST(GridDialog, UserEditsRaiseOneChangeEachAndTheProgramsRowsNone) {
    GridProbeDlg dialog;
    ScriptedRun run;
    std::vector<std::string> refusals;
    run.Then([&](HeadlessWindow& w) {
           // The program's own rows, set again as a dialog does after each edit.
           dialog.m_grid.SetRows({{"sweep", "low", "g"}, {"dwell", "high", "g"}, {"sweep", "low", "mm"}});
           EXPECT_EQ(w.UserEditCell(kEditGrid, 0, 0, "sweep"), "");  // unchanged: nothing
           EXPECT_EQ(w.UserEditCell(kEditGrid, 2, 1, "high"), "");
           refusals.push_back(w.UserEditCell(kEditGrid, 1, 1, "medium"));
           refusals.push_back(w.UserEditCell(kEditGrid, 1, 2, "mm"));
           refusals.push_back(w.UserEditCell(kEditGrid, 3, 0, "dwell"));
           refusals.push_back(w.UserEditCell(kReadGrid, 0, 0, "6"));
       })
        .Then([](HeadlessWindow& w) { EXPECT_EQ(w.UserPaste(kEditGrid, "5\t1\n10\t2\n"), ""); });
    dialog.DoModal();
    EXPECT_EQ(dialog.events,
              (std::vector<std::string>{"row 2,1 ", "change 2,1 high", "paste 2,1 5\t1\n10\t2\n", "cancel"}));
    EXPECT_EQ(refusals, (std::vector<std::string>{"\"medium\" is not a choice of column 1 of grid 1000",
                                                  "column 2 of grid 1000 is read-only",
                                                  "cell 3,0 out of range for grid 1000", "grid 1001 is read-only"}));
}

TEST(GridDialog, RowsReplacedKeepTheCurrentCellAndTheMarksOfRowsStillThere) {
    GridProbeDlg dialog;
    ScriptedRun run;
    run.Then([&](HeadlessWindow& w) {
        dialog.m_grid.SetCurrentCell(1, 2);
        dialog.m_grid.MarkCell(0, 1, "not a level");
        dialog.m_grid.MarkCell(2, 0, "unknown segment");
        dialog.m_grid.SetRows({{"sweep", "low", "g"}, {"dwell", "high", "g"}});
        const ui::ControlState& grid = halvex_test::Ctl(w, kEditGrid);
        EXPECT_EQ(grid.current.row, 1);
        EXPECT_EQ(grid.current.column, 2);
        ASSERT_EQ(grid.cellMarks.size(), 1u);
        EXPECT_EQ(grid.cellMarks[0].problem, "not a level");
    });
    dialog.DoModal();
}

// Plays drive commands on the probe dialog, as halvex-drive reads them.
class GridDrive : public halvex::DriveSession {
public:
    GridDrive(std::istream& in, std::ostream& out) : DriveSession(in, out) {}
    void Play(ui::UserWindow& window, const std::vector<std::string>& lines) {
        for (const std::string& line : lines) Execute(line, &window);
    }
};

TEST(GridDrive, CellGotoPasteAndTheGridInADump) {
    std::istringstream in;
    std::ostringstream out;
    GridDrive drive(in, out);
    GridProbeDlg dialog;
    ScriptedRun run;
    run.Then([&](HeadlessWindow& w) {
        drive.Play(w, {"goto 1000 1 2", "cell 1000 0 0 dwell at 5 Hz", "cell 1000 0 1 hgh", "paste 1000 a\\tb\\\\n",
                       "paste 1000 a\\x", "cell 1000 0", "show 1001"});
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"row 1,2 ", "row 0,0 ", "change 0,0 dwell at 5 Hz",
                                                       "paste 0,0 a\tb\\n", "cancel"}));
    EXPECT_EQ(out.str(),
              "{\"error\":\"\\\"hgh\\\" is not a choice of column 1 of grid 1000\"}\n"
              "{\"error\":\"paste: expected a grid id and a text with \\\\t, \\\\n or \\\\\\\\ escapes\"}\n"
              "{\"error\":\"cell: expected a grid id, a row and a column\"}\n"
              "{\"id\":1001,\"kind\":\"grid\",\"visible\":true,"
              "\"columns\":[{\"title\":\"Hz\",\"width\":40,\"choices\":[],\"editable\":false},"
              "{\"title\":\"Peak\",\"width\":60,\"choices\":[],\"editable\":false}],"
              "\"rows\":[[\"5\",\"1.2\"],[\"10\",\"3.4\"],[\"20\",\"5.6\"]],\"current\":[-1,-1],\"marks\":[]}\n");
}

}  // namespace
