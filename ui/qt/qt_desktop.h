#pragma once

// The desktop program's frame, free of Qt in its interface: creates the
// QApplication, sets it up, installs the Qt backend for the dialog layer,
// runs the body (which runs the program's dialogs) and returns the exit
// status.
namespace ui::qt {

// name is the program's, which also names its desktop entry.
int RunDesktop(int argc, char** argv, void (*body)(), const char* name = "halvex");

}  // namespace ui::qt
