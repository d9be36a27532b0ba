// halvex: the desktop program, on the Qt backend.
#include <iostream>
#include <vector>

#include "app/command_line.h"
#include "app/vibration_app.h"
#include "res/resource_ids.h"
#include "res/version.h"
#include "ui/qt/qt_desktop.h"

namespace {

const halvex::CommandLineSyntax kSyntax{
    "halvex",
    "Usage: halvex [OPTION]...\n"
    "Halvex, a calculator for sinusoidal vibration. Opens the main menu, from\n"
    "which the pure sine and the sine sweep calculators are chosen; closing the\n"
    "main menu ends the program.\n"
    "\n"
    "Options:\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "  -style NAME  the widget style, e.g. fusion (the default) or windows; also\n"
    "               taken from QT_STYLE_OVERRIDE\n"
    "\n"
    "The display is chosen as for any Qt program, e.g. QT_QPA_PLATFORM=wayland.\n"
    "\n"
    "Exit status: 0 when the main menu was closed, 2 when the command line is\n"
    "wrong.\n",
    {},
    0,
};

}  // namespace

int main(int argc, char** argv) {
    // Read before the toolkit starts, so --help works without a display. The
    // toolkit's own -style is left for it to take.
    const std::vector<const char*> ours = halvex::WithoutStyleOption(argc, argv);
    const halvex::CommandLine line =
        halvex::ParseCommandLine(kSyntax, static_cast<int>(ours.size()), ours.data(), std::cout, std::cerr);
    if (line.exit) return line.exitStatus;
    return ui::qt::RunDesktop(argc, argv,
                              [] {
                                  CVibrationApp app;
                                  app.InitInstance();
                              },
                              {"halvex", res::kApplicationId, res::IDR_MAINFRAME});
}
