#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "draw/drawing.h"
#include "res/dialog_template.h"
#include "ui/grid.h"

// A running dialog as the user sees and works it: what its controls show,
// and the user's actions on them. Every backend that can be driven by a
// script offers it, so one driver plays the same script on each.
namespace ui {

struct ControlState {
    int id = res::kNoId;
    res::ControlKind kind = res::ControlKind::Static;
    unsigned style = 0;
    bool visible = true;
    std::string text;
    std::vector<std::string> items;
    int selected = -1;
    std::shared_ptr<const draw::Chart> drawing;  // a chart's, as last set
    bool marked = false;                         // see DialogWindow::MarkControl
    bool enabled = true;                         // see DialogWindow::EnableControl
    // A grid's: its columns, rows, current cell and marked cells (in row,
    // then column order).
    std::vector<GridColumn> columns;
    GridRows rows;
    GridCell current;
    std::vector<GridMark> cellMarks;
    std::string tooltip;  // see DialogWindow::SetControlTooltip
};

// An item of the menu bar as it stands: greyed out or not.
struct MenuItemState {
    int commandId;
    bool enabled;
};

class UserWindow {
public:
    virtual const res::DialogTemplate& Template() const = 0;
    // The controls in template order.
    virtual std::vector<ControlState> ReadControls() const = 0;
    // The caption the window shows.
    virtual std::string Title() const = 0;
    // The menu bar's items in menu order, separators left out; empty
    // without a menu bar.
    virtual std::vector<MenuItemState> ReadMenu() const = 0;

    // Each returns an empty text when carried out, or why it cannot be (no
    // such control, wrong kind, hidden, read-only, index out of range), in
    // which case nothing happened.
    virtual std::string UserSelect(int id, int index) = 0;
    virtual std::string UserType(int id, std::string_view text) = 0;
    virtual std::string UserClick(int id) = 0;
    virtual void UserEnter() = 0;
    virtual void UserEscape() = 0;
    virtual void UserClose() = 0;
    virtual void UserSysCommand(unsigned commandId) = 0;
    // A grid: the user makes that cell current (GN_SELCHANGE when the row
    // changes), types or chooses the text and commits it (GN_CELLCHANGE
    // when it differs); the cell stays current. A choice cell takes only
    // one of its choices.
    virtual std::string UserEditCell(int id, int row, int column, std::string_view text) = 0;
    virtual std::string UserMoveToCell(int id, int row, int column) = 0;
    // Puts the text on the clipboard, then presses Ctrl+V on the grid.
    virtual std::string UserPaste(int id, std::string_view text) = 0;
    // Chooses the menu bar's item of that command, or presses a shortcut
    // ("Ctrl+S"); refused when the window has no such item or key, or the
    // item is greyed out.
    virtual std::string UserMenu(int commandId) = 0;
    virtual std::string UserKey(std::string_view shortcut) = 0;
    // The user does nothing for that long; the timers that run out meanwhile
    // go off, in the order they run out.
    virtual void UserWait(unsigned milliseconds) = 0;

protected:
    ~UserWindow() = default;
};

// Why the user cannot work control `id` as a `kind` ("a list", "an edit"...),
// hidden or greyed out,
// or empty when they can: the same answer on every backend. `found` is
// nullptr when the dialog has no such control.
std::string CheckUsable(const res::DialogTemplate& dialogTemplate, const ControlState* found, int id,
                        res::ControlKind kind, const char* what);
enum class GridAction { Move, Edit, Paste };
// Why the user cannot do that on a grid that CheckUsable let through: a
// read-only grid (edit, paste) or column (edit), a cell out of range (move,
// edit), a text not among a choice column's choices (edit); or empty.
std::string CheckGridAction(const ControlState& grid, GridAction action, int row = -1, int column = -1,
                            std::string_view text = {});

// Why the user cannot choose the menu item of `commandId`, or empty when
// they can; the same answer on every backend.
std::string CheckMenuItem(const res::DialogTemplate& dialogTemplate, const std::vector<MenuItemState>& menu,
                          int commandId);

// The command whose menu item has that shortcut, in either of its keys, or
// 0; the keys are compared as keys ("ctrl+shift+s" is Ctrl+Shift+S).
int FindShortcutCommand(const res::DialogTemplate& dialogTemplate, std::string_view shortcut);

// Whether two shortcut texts name the same keys: the modifiers in any order
// and letter case, the key in any letter case.
bool SameShortcut(std::string_view a, std::string_view b);

}  // namespace ui
