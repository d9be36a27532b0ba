#pragma once

// The common controls (the list view a grid is made of, the tooltip
// window), loaded the first time a dialog needs them, so that a program
// without such a control never initialises them.
namespace ui::win32 {

// Loads comctl32 (version 6, as the program's manifest asks) and registers
// its window classes; true once they are there. Cheap after the first call.
bool LoadCommonControls();

}  // namespace ui::win32
