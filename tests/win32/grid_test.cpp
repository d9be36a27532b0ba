// The grid on a real list view: a cell typed and committed with Enter
// through the dialog manager, Esc in the editor kept from the dialog, a
// choice committed, and a marked cell painted through custom draw.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "tests/grid_probe_dlg.h"
#include "tests/win32/win32_steps.h"
#include "ui/win32/win32_backend.h"

namespace {

using halvex_test::GridProbeDlg;
using halvex_test::kEditGrid;
using ui::win32::Win32Dialog;

using GridSteps = halvex_test::Win32Steps;

void PostKey(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

TEST(Win32Grid, TypedTextCommitsOnceWithEnterAndEscStaysInTheGrid) {
    GridProbeDlg dialog;
    GridSteps steps;
    std::vector<std::string> afterEnter;
    ui::GridCell currentAfterEnter;
    HWND list = nullptr;
    steps
        .Then([&](Win32Dialog& top) {
            list = top.Control(kEditGrid);
            ASSERT_EQ(top.UserMoveToCell(kEditGrid, 0, 0), "");  // already there: no report
            SendMessageW(list, WM_CHAR, L'd', 1);                // opens the editor with the character
            HWND editor = GetFocus();
            ASSERT_NE(editor, list);
            for (wchar_t c : std::wstring(L"well")) SendMessageW(editor, WM_CHAR, c, 1);
            PostKey(editor, VK_RETURN);
        })
        .Then([&](Win32Dialog&) {
            afterEnter = dialog.events;
            currentAfterEnter = dialog.m_grid.GetCurrentCell();
            PostKey(list, VK_F2);
        })
        .Then([&](Win32Dialog&) {
            EXPECT_NE(GetFocus(), list);  // the editor is open
            PostKey(GetFocus(), VK_ESCAPE);
        })
        .Then([&](Win32Dialog& top) {
            EXPECT_EQ(GetFocus(), list);
            // A choice cell takes the choice made through its own drop-down.
            EXPECT_EQ(top.UserEditCell(kEditGrid, 1, 1, "low"), "");
            EXPECT_EQ(top.UserEditCell(kEditGrid, 1, 1, "medium"),
                      "\"medium\" is not a choice of column 1 of grid 1000");
            dialog.EndDialog(IDOK);
        });
    dialog.DoModal();
    EXPECT_EQ(afterEnter, (std::vector<std::string>{"change 0,0 dwell", "row 1,0 "}));
    EXPECT_EQ(currentAfterEnter.row, 1);
    EXPECT_EQ(currentAfterEnter.column, 0);
    EXPECT_EQ(dialog.events, (std::vector<std::string>{"change 0,0 dwell", "row 1,0 ", "change 1,1 low"}));
}

TEST(Win32Grid, AMarkedCellIsPaintedLightRedThroughCustomDraw) {
    GridProbeDlg dialog;
    GridSteps steps;
    int painted = -1;
    std::vector<ui::GridMark> marks;
    steps.Then([&](Win32Dialog& top) {
        // Steps queued one behind the other never let the run idle, when a
        // dialog would show itself.
        ShowWindow(top.Handle(), SW_SHOW);
        dialog.m_grid.MarkCell(2, 0, "not a segment");
        RedrawWindow(top.Control(kEditGrid), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        painted = top.Grid(kEditGrid)->MarkedCellsPainted();
        dialog.m_grid.SetRows({{"sweep", "low", "g"}, {"dwell", "high", "g"}});  // the marked row goes
        for (const ui::ControlState& state : top.ReadControls()) {
            if (state.id == kEditGrid) marks = state.cellMarks;
        }
        dialog.EndDialog(IDOK);
    });
    dialog.DoModal();
    EXPECT_GT(painted, 0);
    EXPECT_TRUE(marks.empty());
}

}  // namespace
