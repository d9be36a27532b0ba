#pragma once

#include <windows.h>

#include "res/menu_bar.h"

// A template's menu bar as the platform's menu and accelerator table, both
// made from the one table in res/.
namespace ui::win32 {

// Each item's text is followed by its shortcut after a tab, which the menu
// shows right-aligned.
HMENU CreateMenuBar(const res::MenuBar& menu);

// The shortcuts of the menu's items, both keys of an item that has two;
// nullptr when none has any.
HACCEL CreateMenuAccelerators(const res::MenuBar& menu);

// A shortcut ("Ctrl+Shift+S", "F1") as an accelerator entry for the
// command; false for a key this backend does not know.
bool ShortcutAccelerator(const char* shortcut, WORD commandId, ACCEL& accel);

}  // namespace ui::win32
