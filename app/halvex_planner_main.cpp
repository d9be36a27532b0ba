// halvex-planner: the sine test planner, a desktop program of its own on the
// Qt backend.
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/desktop_syntax.h"
#include "planner/planner_dlg.h"
#include "res/resource_ids.h"
#include "res/version.h"
#include "ui/qt/qt_desktop.h"

int main(int argc, char** argv) {
    const std::vector<const char*> ours = halvex::WithoutStyleOption(argc, argv);
    const halvex::CommandLine line = halvex::ParseCommandLine(halvex::PlannerSyntax(halvex::Toolkit::Qt),
                                                              static_cast<int>(ours.size()), ours.data());
    halvex::PrintCommandLineMessages(line);
    if (line.exit) return line.exitStatus;
    const std::string file = line.operands.empty() ? std::string() : line.operands.front();
    return ui::qt::RunDesktop(argc, argv,
                              [&file] {
                                  CPlannerDlg planner;
                                  planner.OpenAtStart(file);
                                  planner.DoModal();
                              },
                              {"halvex-planner", res::kPlannerApplicationId, res::IDR_PLANNER});
}
