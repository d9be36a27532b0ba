// halvex-planner: the sine test planner, a desktop program of its own on the
// Qt backend.
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/desktop_syntax.h"
#include "planner/lab_dlg.h"
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
    const halvex::PlannerStart start = halvex::PlannerStartOf(line);
    return ui::qt::RunDesktop(argc, argv,
                              [&start] {
                                  planner::EnableRecoveryOffers(true);
                                  if (start.lab) {
                                      CLabDlg lab(start.file.empty() ? planner::ChosenLabPath() : start.file);
                                      lab.DoModal();
                                      return;
                                  }
                                  CPlannerDlg planner;
                                  planner.OpenAtStart(start.file);
                                  planner.DoModal();
                              },
                              {"halvex-planner", res::kPlannerApplicationId, res::IDR_PLANNER});
}
