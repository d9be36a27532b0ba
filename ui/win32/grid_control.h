#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The layer's names first: windows.h defines the same names as macros.
#include "ui/grid.h"
#include "ui/messages.h"

#include <windows.h>

#include <commctrl.h>

#include "ui/win32/control_commands.h"

// A grid on a list view in report mode: the header holds the columns, each
// row an item. Cells are edited in place by an EDIT, or a drop-down
// COMBOBOX for a column of choices, laid over the cell; the current cell
// and the marked ones are painted through the list view's custom draw. It
// reports the user's doings (a committed new text, a move to another row,
// a paste asked for), never the program's.
namespace ui::win32 {

class GridControl {
public:
    using Notify = std::function<void(unsigned notification, int row, int column)>;
    enum class Move { None, Down, Right, Left };

    GridControl() = default;
    GridControl(const GridControl&) = delete;
    GridControl& operator=(const GridControl&) = delete;
    ~GridControl();

    // Subclasses the list view; it lets go when the window is destroyed.
    void Attach(HWND listView, HWND dialog, bool readOnly, Notify notify);

    void SetColumns(const std::vector<GridColumn>& columns);
    void SetRows(const GridRows& rows);
    // Moves the current cell; by the user, a move to another row reports.
    void SetCurrent(int row, int column, bool byUser);
    GridCell Current() const { return m_current; }
    void Mark(int row, int column, std::string_view problem, MarkKind kind = MarkKind::Problem);

    const std::vector<GridColumn>& Columns() const { return m_columns; }
    const std::vector<GridMark>& Marks() const { return m_marks; }
    // The cells as the list view holds them.
    std::string Text(int row, int column) const;
    GridRows ReadRows() const;
    bool ReadOnly() const { return m_readOnly; }
    // How many marked cells custom draw has painted so far.
    int MarkedCellsPainted() const { return m_markedCellsPainted; }

    // The dialog hands over the list view's WM_NOTIFY; false when not handled.
    bool OnNotify(const NMHDR& header, LRESULT& result);

    // The user's actions: open the editor on the current cell (with the
    // character typed, which replaces the text), put a text in it, commit
    // or cancel it, paste.
    bool BeginEdit(wchar_t typed = 0);
    HWND Editor() const { return m_editor; }
    bool SetEditorText(std::string_view text);
    void CommitEdit(Move move);
    void CancelEdit();
    void Paste();
    // A command of the dialog's at the end of the context menu; chosen, the
    // dialog hears of it as WM_COMMAND with the id and 0.
    void AddCommand(const ControlCommand& command) { m_commands.push_back(command); }

private:
    static LRESULT CALLBACK ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                     DWORD_PTR self);
    static LRESULT CALLBACK EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
    bool OnListKey(UINT message, WPARAM wParam);
    void ContextMenu(LPARAM at);
    void CopyRows();
    LRESULT CustomDraw(NMLVCUSTOMDRAW& draw);
    const GridMark* MarkOf(int row, int column) const;
    void InvalidateRow(int row);
    int RowCount() const;

    HWND m_list = nullptr;
    HWND m_dialog = nullptr;
    HWND m_editor = nullptr;
    GridCell m_editing;
    bool m_readOnly = false;
    Notify m_notify;
    std::vector<GridColumn> m_columns;
    GridRows m_rows;  // as set or committed, so that only a new text reports
    GridCell m_current;
    std::vector<GridMark> m_marks;  // in row, then column order
    std::vector<ControlCommand> m_commands;
    int m_programDepth = 0;
    int m_markedCellsPainted = 0;
};

}  // namespace ui::win32
