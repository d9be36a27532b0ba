#include "ui/win32/grid_control.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "lang/tr.h"
#include "ui/win32/clipboard.h"
#include "ui/win32/control_marks.h"
#include "ui/win32/utf16.h"

namespace ui::win32 {
namespace {

constexpr UINT_PTR kListSubclass = 1;
constexpr UINT_PTR kEditorSubclass = 2;
constexpr int kEditorId = 1;
constexpr int kDroppedHeight = 160;  // pixels of a choice cell's list when dropped
constexpr UINT kPasteCommand = 1;
constexpr UINT kCopyCommand = 2;

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// A cell's rectangle in the list view's client coordinates; the first
// column's item rectangle would be the whole row.
RECT CellRect(HWND list, int row, int column) {
    RECT rect{};
    rect.top = column;
    rect.left = column == 0 ? LVIR_LABEL : LVIR_BOUNDS;
    SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

void SetItemText(HWND list, int row, int column, const std::wstring& text) {
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

GridControl::~GridControl() {
    if (m_list != nullptr) RemoveWindowSubclass(m_list, &GridControl::ListProc, kListSubclass);
}

void GridControl::Attach(HWND listView, HWND dialog, bool readOnly, Notify notify) {
    m_list = listView;
    m_dialog = dialog;
    m_readOnly = readOnly;
    m_notify = std::move(notify);
    DWORD extended = LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER;
    if (readOnly) extended |= LVS_EX_FULLROWSELECT;
    SendMessageW(listView, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    SetWindowSubclass(listView, &GridControl::ListProc, kListSubclass, reinterpret_cast<DWORD_PTR>(this));
}

int GridControl::RowCount() const { return static_cast<int>(m_rows.size()); }

void GridControl::SetColumns(const std::vector<GridColumn>& columns) {
    CancelEdit();
    ++m_programDepth;
    SendMessageW(m_list, LVM_DELETEALLITEMS, 0, 0);
    while (SendMessageW(m_list, LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    m_columns = columns;
    m_rows.clear();
    m_marks.clear();
    m_current = GridCell{};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        RECT width{0, 0, columns[i].width, 0};
        MapDialogRect(m_dialog, &width);  // dialog units to pixels
        std::wstring title = Widen(columns[i].title);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        column.fmt = LVCFMT_LEFT;
        column.cx = width.right;
        column.pszText = title.data();
        SendMessageW(m_list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    --m_programDepth;
}

// Only what changed is sent to the list view: rows added or taken off the
// end and the cells whose text differs, so that an editor open elsewhere
// stays and the view keeps its place.
void GridControl::SetRows(const GridRows& rows) {
    ++m_programDepth;
    const int count = static_cast<int>(rows.size());
    if (m_editor != nullptr && m_editing.row >= count) CancelEdit();
    const int columns = static_cast<int>(m_columns.size());
    while (RowCount() > count) {
        SendMessageW(m_list, LVM_DELETEITEM, static_cast<WPARAM>(RowCount() - 1), 0);
        m_rows.pop_back();
    }
    while (RowCount() < count) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = RowCount();
        item.pszText = const_cast<wchar_t*>(L"");
        SendMessageW(m_list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        m_rows.emplace_back(static_cast<std::size_t>(columns));
    }
    for (int row = 0; row < count; ++row) {
        const std::vector<std::string>& cells = rows[static_cast<std::size_t>(row)];
        std::vector<std::string>& kept = m_rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < columns; ++column) {
            const auto at = static_cast<std::size_t>(column);
            const std::string text = at < cells.size() ? cells[at] : std::string();
            if (kept[at] == text) continue;
            kept[at] = text;
            SetItemText(m_list, row, column, Widen(text));
        }
    }
    m_marks.erase(std::remove_if(m_marks.begin(), m_marks.end(), [count](const GridMark& m) { return m.row >= count; }),
                  m_marks.end());
    if (m_current.row >= count) m_current = GridCell{};
    --m_programDepth;
}

void GridControl::SetCurrent(int row, int column, bool byUser) {
    const int previous = m_current.row;
    const bool inRange = row >= 0 && row < RowCount() && column >= 0 && column < static_cast<int>(m_columns.size());
    m_current = inRange ? GridCell{row, column} : GridCell{};
    ++m_programDepth;
    if (inRange) {
        LVITEMW state{};
        state.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
        state.state = m_readOnly ? LVIS_FOCUSED | LVIS_SELECTED : LVIS_FOCUSED;
        if (m_readOnly && !byUser) {
            // The program's move selects that row alone.
            LVITEMW none{};
            none.stateMask = LVIS_SELECTED;
            SendMessageW(m_list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
        }
        SendMessageW(m_list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        SendMessageW(m_list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    }
    --m_programDepth;
    InvalidateRow(previous);
    InvalidateRow(m_current.row);
    if (byUser && inRange && row != previous && m_notify) m_notify(GN_SELCHANGE, row, column);
}

void GridControl::InvalidateRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    SendMessageW(m_list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    InvalidateRect(m_list, &rect, FALSE);
}

const GridMark* GridControl::MarkOf(int row, int column) const {
    const auto found = std::find_if(m_marks.begin(), m_marks.end(),
                                    [&](const GridMark& m) { return m.row == row && m.column == column; });
    return found == m_marks.end() ? nullptr : &*found;
}

void GridControl::Mark(int row, int column, std::string_view problem, MarkKind kind) {
    const auto at = std::lower_bound(
        m_marks.begin(), m_marks.end(), std::make_pair(row, column),
        [](const GridMark& m, const std::pair<int, int>& cell) { return std::make_pair(m.row, m.column) < cell; });
    const bool found = at != m_marks.end() && at->row == row && at->column == column;
    if (problem.empty()) {
        if (found) m_marks.erase(at);
    } else if (found) {
        at->problem.assign(problem);
        at->kind = kind;
    } else {
        m_marks.insert(at, GridMark{row, column, std::string(problem), kind});
    }
    InvalidateRow(row);
}

std::string GridControl::Text(int row, int column) const {
    if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(m_columns.size())) return {};
    std::wstring text(1024, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto length = static_cast<std::size_t>(
        SendMessageW(m_list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
    text.resize(length);
    return Narrow(text);
}

GridRows GridControl::ReadRows() const {
    GridRows rows(m_rows.size());
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < static_cast<int>(m_columns.size()); ++column) {
            rows[static_cast<std::size_t>(row)].push_back(Text(row, column));
        }
    }
    return rows;
}

// ---- notifications and painting ---------------------------------------------

bool GridControl::OnNotify(const NMHDR& header, LRESULT& result) {
    switch (header.code) {
        case NM_CUSTOMDRAW:
            result = CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
            return true;
        case LVN_ITEMCHANGED: {
            // The keyboard or the mouse moved the list view's focus to a row.
            const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
            const bool focused = (change.uNewState & LVIS_FOCUSED) != 0 && (change.uOldState & LVIS_FOCUSED) == 0;
            if (m_programDepth == 0 && (change.uChanged & LVIF_STATE) != 0 && focused &&
                change.iItem != m_current.row) {
                SetCurrent(change.iItem, std::max(m_current.column, 0), true);
            }
            return true;
        }
        case NM_CLICK:
        case NM_DBLCLK: {
            const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
            if (click.iItem < 0) return true;
            SetCurrent(click.iItem, std::max(click.iSubItem, 0), true);
            if (header.code == NM_DBLCLK) BeginEdit();
            return true;
        }
        default:
            return false;
    }
}

// The current cell of an editable grid in the selection's colours, a marked
// cell light red (light yellow for a warning); the list view's own row highlight is left out there, as
// the grid's unit is the cell.
LRESULT GridControl::CustomDraw(NMLVCUSTOMDRAW& draw) {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT:
            if (!m_readOnly) draw.nmcd.uItemState &= ~static_cast<UINT>(CDIS_SELECTED | CDIS_FOCUS);
            return CDRF_NOTIFYSUBITEMDRAW;
        case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
            const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
            const int column = draw.iSubItem;
            if (const GridMark* mark = MarkOf(row, column)) {
                ++m_markedCellsPainted;
                draw.clrTextBk =
                    mark->kind == MarkKind::Warning ? ControlMarks::kWarningBackground : ControlMarks::kBackground;
                draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
            } else if (!m_readOnly && row == m_current.row && column == m_current.column) {
                const bool focused = GetFocus() == m_list;
                draw.clrTextBk = GetSysColor(focused ? COLOR_HIGHLIGHT : COLOR_BTNFACE);
                draw.clrText = GetSysColor(focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
            } else if (!m_readOnly) {
                draw.clrTextBk = GetSysColor(COLOR_WINDOW);
                draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
            }
            return CDRF_NEWFONT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

// ---- keys and the editor ----------------------------------------------------

bool GridControl::OnListKey(UINT message, WPARAM wParam) {
    const bool control = KeyDown(VK_CONTROL);
    if (message == WM_CHAR) {
        // A character typed on a cell starts its edit with that character.
        if (m_readOnly || control || wParam < L' ') return false;
        BeginEdit(static_cast<wchar_t>(wParam));
        return true;
    }
    if (message == WM_SYSKEYDOWN) {
        if (wParam != VK_DOWN || m_current.column < 0) return false;
        return m_columns[static_cast<std::size_t>(m_current.column)].choices.empty() ? false : BeginEdit();
    }
    if (control && wParam == 'V' && !m_readOnly) {
        Paste();
        return true;
    }
    if (control && wParam == 'C' && m_readOnly) {
        CopyRows();
        return true;
    }
    if (m_readOnly) return false;
    switch (wParam) {
        case VK_F2:
            BeginEdit();
            return true;
        case VK_LEFT:
        case VK_RIGHT: {
            const int step = wParam == VK_LEFT ? -1 : 1;
            const int column = m_current.column + step;
            if (m_current.row >= 0 && column >= 0 && column < static_cast<int>(m_columns.size())) {
                SetCurrent(m_current.row, column, true);
            }
            return true;
        }
        default:
            return false;
    }
}

bool GridControl::BeginEdit(wchar_t typed) {
    CommitEdit(Move::None);
    const GridCell cell = m_current;
    if (m_readOnly || cell.row < 0 || cell.column < 0) return false;
    const GridColumn& column = m_columns[static_cast<std::size_t>(cell.column)];
    if (!column.editable) return false;
    SendMessageW(m_list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(cell.row), FALSE);
    const RECT rect = CellRect(m_list, cell.row, cell.column);
    const bool choices = !column.choices.empty();
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER |
                        (choices ? static_cast<DWORD>(CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL)
                                 : static_cast<DWORD>(ES_AUTOHSCROLL | ES_LEFT));
    const int height = rect.bottom - rect.top + (choices ? kDroppedHeight : 0);
    m_editor =
        CreateWindowExW(0, choices ? L"COMBOBOX" : L"EDIT", L"", style, rect.left, rect.top, rect.right - rect.left,
                        height, m_list, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorId)),
                        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_list, GWLP_HINSTANCE)), nullptr);
    if (m_editor == nullptr) return false;
    m_editing = cell;
    SendMessageW(m_editor, WM_SETFONT, static_cast<WPARAM>(SendMessageW(m_list, WM_GETFONT, 0, 0)), FALSE);
    const std::string& text = m_rows[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)];
    if (choices) {
        for (const std::string& choice : column.choices) {
            SendMessageW(m_editor, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(choice).c_str()));
        }
        const auto found = std::find(column.choices.begin(), column.choices.end(), text);
        SendMessageW(m_editor, CB_SETCURSEL,
                     found == column.choices.end() ? static_cast<WPARAM>(-1)
                                                   : static_cast<WPARAM>(found - column.choices.begin()),
                     0);
        if (typed != 0) {
            const wchar_t prefix[2] = {typed, 0};
            SendMessageW(m_editor, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix));
        }
    } else if (typed != 0) {
        const wchar_t replaced[2] = {typed, 0};
        SetWindowTextW(m_editor, replaced);
        SendMessageW(m_editor, EM_SETSEL, 1, 1);
    } else {
        SetWindowTextW(m_editor, Widen(text).c_str());
        SendMessageW(m_editor, EM_SETSEL, 0, -1);
    }
    SetWindowSubclass(m_editor, &GridControl::EditorProc, kEditorSubclass, reinterpret_cast<DWORD_PTR>(this));
    SetFocus(m_editor);
    if (choices) SendMessageW(m_editor, CB_SHOWDROPDOWN, TRUE, 0);
    return true;
}

bool GridControl::SetEditorText(std::string_view text) {
    if (m_editor == nullptr) return false;
    const std::wstring wide = Widen(text);
    if (m_columns[static_cast<std::size_t>(m_editing.column)].choices.empty()) {
        SetWindowTextW(m_editor, wide.c_str());
        return true;
    }
    const LRESULT index =
        SendMessageW(m_editor, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(wide.c_str()));
    if (index == CB_ERR) return false;
    SendMessageW(m_editor, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    return true;
}

// The editor's text into its cell, reported when it is new; then, for Enter
// and Tab, the current cell moves on.
void GridControl::CommitEdit(Move move) {
    if (m_editor == nullptr) return;
    HWND editor = m_editor;
    const GridCell cell = m_editing;
    m_editor = nullptr;  // the focus leaving the editor as it goes commits nothing more
    std::string text;
    const GridColumn& column = m_columns[static_cast<std::size_t>(cell.column)];
    bool chosen = true;
    if (column.choices.empty()) {
        const int length = GetWindowTextLengthW(editor);
        std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
        wide.resize(static_cast<std::size_t>(GetWindowTextW(editor, wide.data(), length + 1)));
        text = Narrow(wide);
    } else {
        const LRESULT index = SendMessageW(editor, CB_GETCURSEL, 0, 0);
        chosen = index >= 0 && static_cast<std::size_t>(index) < column.choices.size();
        if (chosen) text = column.choices[static_cast<std::size_t>(index)];
    }
    const bool hadFocus = GetFocus() == editor;
    DestroyWindow(editor);
    if (hadFocus) SetFocus(m_list);
    if (cell.row < RowCount()) {
        std::string& kept = m_rows[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)];
        if (chosen && kept != text) {
            kept = text;
            SetItemText(m_list, cell.row, cell.column, Widen(text));
            if (m_notify) m_notify(GN_CELLCHANGE, cell.row, cell.column);
        }
    }
    InvalidateRow(cell.row);
    if (move == Move::Down && m_current.row + 1 < RowCount()) SetCurrent(m_current.row + 1, m_current.column, true);
    if (move == Move::Right && m_current.column + 1 < static_cast<int>(m_columns.size())) {
        SetCurrent(m_current.row, m_current.column + 1, true);
    }
    if (move == Move::Left && m_current.column > 0) SetCurrent(m_current.row, m_current.column - 1, true);
}

void GridControl::CancelEdit() {
    if (m_editor == nullptr) return;
    HWND editor = m_editor;
    m_editor = nullptr;
    const bool hadFocus = GetFocus() == editor;
    DestroyWindow(editor);
    if (hadFocus) SetFocus(m_list);
    InvalidateRow(m_editing.row);
}

void GridControl::Paste() {
    if (m_readOnly || m_editor != nullptr || !m_notify) return;
    m_notify(GN_PASTE, m_current.row, m_current.column);
}

// The selected rows, a line each with the cells between tabs.
void GridControl::CopyRows() {
    std::string text;
    for (int row = -1;;) {
        row = static_cast<int>(SendMessageW(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
        if (row < 0) break;
        for (int column = 0; column < static_cast<int>(m_columns.size()); ++column) {
            if (column > 0) text += '\t';
            text += Text(row, column);
        }
        text += '\n';
    }
    if (!text.empty()) SetClipboardUnicode(m_dialog, text);
}

void GridControl::ContextMenu(LPARAM at) {
    if (m_editor != nullptr) return;
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (point.x == -1 && point.y == -1) {  // from the keyboard: at the current cell
        const RECT rect = CellRect(m_list, std::max(m_current.row, 0), std::max(m_current.column, 0));
        point = POINT{rect.left, rect.bottom};
        ClientToScreen(m_list, &point);
    }
    HMENU menu = CreatePopupMenu();
    const std::string item =
        m_readOnly ? std::string(lang::Tr("&Copy")) + "\tCtrl+C" : std::string(lang::Tr("&Paste")) + "\tCtrl+V";
    AppendMenuW(menu, MF_STRING, m_readOnly ? kCopyCommand : kPasteCommand, Widen(item).c_str());
    if (!m_commands.empty()) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    for (const ControlCommand& command : m_commands) AppendMenuW(menu, MF_STRING, command.id, command.label.c_str());
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, m_list, nullptr));
    DestroyMenu(menu);
    if (chosen == kCopyCommand) CopyRows();
    if (chosen == kPasteCommand) Paste();
    const bool command =
        std::any_of(m_commands.begin(), m_commands.end(), [chosen](const ControlCommand& c) { return c.id == chosen; });
    if (command) SendMessageW(m_dialog, WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
}

LRESULT CALLBACK GridControl::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                       DWORD_PTR self) {
    auto* grid = reinterpret_cast<GridControl*>(self);
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
            if (grid->OnListKey(message, wParam)) return 0;
            break;
        case WM_COMMAND:
            // The choice cell's drop-down: a choice made commits it.
            if (LOWORD(wParam) == kEditorId && HIWORD(wParam) == CBN_SELENDOK) {
                grid->CommitEdit(Move::None);
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            grid->ContextMenu(lParam);
            return 0;
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
            // The editor would be left over another cell.
            grid->CommitEdit(Move::None);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &GridControl::ListProc, kListSubclass);
            grid->m_list = nullptr;
            grid->m_editor = nullptr;
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The editor takes Enter, Tab and Esc before the dialog manager can make
// them the dialog's OK, focus move or Cancel.
LRESULT CALLBACK GridControl::EditorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR /*id*/,
                                         DWORD_PTR self) {
    auto* grid = reinterpret_cast<GridControl*>(self);
    switch (message) {
        case WM_GETDLGCODE:
            return DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KEYDOWN:
            // The open list takes Enter and Esc itself (an edit answers 0).
            if (SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) != FALSE) break;
            if (wParam == VK_RETURN) {
                grid->CommitEdit(Move::Down);
                return 0;
            }
            if (wParam == VK_TAB) {
                grid->CommitEdit(KeyDown(VK_SHIFT) ? Move::Left : Move::Right);
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                grid->CancelEdit();
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\r' || wParam == L'\t' || wParam == 0x1B) return 0;  // no beep
            break;
        case WM_KILLFOCUS:
            // The editor is gone when this returns: nothing more is passed on.
            if (grid->m_editor != hwnd) break;
            grid->CommitEdit(Move::None);
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, &GridControl::EditorProc, kEditorSubclass);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace ui::win32
