#pragma once

#include <cstddef>

namespace res {

// One item of a drop-down menu. Choosing it, or pressing its shortcut, sends
// the dialog WM_COMMAND with the command id and 0 (BN_CLICKED's number), so an
// event table's button rows catch it.
struct MenuItem {
    int commandId;                  // 0: a separator
    const char* text;               // '&' before the mnemonic
    const char* shortcut;           // "Ctrl+S", or nullptr
    const char* alternateShortcut;  // a second key for the same command, or nullptr
};

struct MenuPopup {
    const char* text;
    const MenuItem* items;
    std::size_t itemCount;

    const MenuItem* begin() const { return items; }
    const MenuItem* end() const { return items + itemCount; }
};

// A window's menu bar: its drop-down menus, left to right.
struct MenuBar {
    const MenuPopup* popups;
    std::size_t popupCount;

    const MenuPopup* begin() const { return popups; }
    const MenuPopup* end() const { return popups + popupCount; }
    // nullptr when no item has that command.
    const MenuItem* Find(int commandId) const;
};

}  // namespace res
