// halvex-planner: the sine test planner, a desktop program of its own on the
// Qt backend.
#include <iostream>
#include <vector>

#include "app/command_line.h"
#include "planner/planner_dlg.h"
#include "res/resource_ids.h"
#include "res/version.h"
#include "ui/qt/qt_desktop.h"

namespace {

const halvex::CommandLineSyntax kSyntax{
    "halvex-planner",
    "Usage: halvex-planner [OPTION]...\n"
    "The Halvex sine test planner: a profile of sine segments, its crossovers and\n"
    "peaks, the shaker check and the test time, on the four-coordinate chart.\n"
    "Plans are kept in .halvex-plan files.\n"
    "\n"
    "Options:\n"
    "  --help       show this help and exit\n"
    "  --version    show the version and exit\n"
    "  -style NAME  the widget style, e.g. fusion (the default) or windows\n"
    "\n"
    "Exit status: 0 when the window was closed, 2 when the command line is wrong.\n",
    {},
    0,
};

}  // namespace

int main(int argc, char** argv) {
    const std::vector<const char*> ours = halvex::WithoutStyleOption(argc, argv);
    const halvex::CommandLine line =
        halvex::ParseCommandLine(kSyntax, static_cast<int>(ours.size()), ours.data(), std::cout, std::cerr);
    if (line.exit) return line.exitStatus;
    return ui::qt::RunDesktop(argc, argv,
                              [] {
                                  CPlannerDlg planner;
                                  planner.DoModal();
                              },
                              {"halvex-planner", res::kPlannerApplicationId, res::IDR_PLANNER});
}
