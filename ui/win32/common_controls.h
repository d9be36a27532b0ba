#pragma once

// The common controls (the tooltip window here) are loaded the first time a
// dialog makes one, so that a program that never does pays nothing for them.
namespace ui::win32 {

// Loads comctl32 and registers the classes of the controls the backend
// makes from it; false when it cannot. Once loaded it stays.
bool LoadCommonControls();

}  // namespace ui::win32
