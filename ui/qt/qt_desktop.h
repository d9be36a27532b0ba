#pragma once

#include <functional>

// The desktop program's frame, free of Qt in its interface: creates the
// QApplication, sets it up, installs the Qt backend for the dialog layer,
// runs the body (which runs the program's dialogs) and returns the exit
// status.
namespace ui::qt {

struct DesktopProgram {
    const char* name;       // the program's, as on its command line
    const char* desktopId;  // its desktop entry's, without ".desktop"
    int iconId;             // its icon, for every window it opens
};

int RunDesktop(int argc, char** argv, const std::function<void()>& body, const DesktopProgram& program);

// The same frame for work that shows no window (a report written from the
// command line): on the offscreen platform, so that no display is needed;
// the body's result is the exit status.
int RunWithoutWindow(int argc, char** argv, const std::function<int()>& body, const DesktopProgram& program);

}  // namespace ui::qt
