// halvex-planner: the sine test planner, a desktop program of its own on the
// Qt backend.
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/desktop_syntax.h"
#include "planner/lab_dlg.h"
#include "planner/planner_dlg.h"
#include "planner/report_export.h"
#include "res/resource_ids.h"
#include "res/version.h"
#include "ui/qt/qt_desktop.h"

int main(int argc, char** argv) {
    const std::vector<const char*> ours = halvex::WithoutStyleOption(argc, argv);
    halvex::ApplyLanguageOptions(static_cast<int>(ours.size()), ours.data(), true);
    const halvex::CommandLine line = halvex::ParseCommandLine(halvex::PlannerSyntax(halvex::Toolkit::Qt),
                                                              static_cast<int>(ours.size()), ours.data());
    halvex::PrintCommandLineMessages(line);
    if (line.exit) return line.exitStatus;
    const halvex::PlannerStart start = halvex::PlannerStartOf(line);
    if (!start.problem.empty()) {
        std::fprintf(stderr, "%s\n", start.problem.c_str());
        return 2;
    }
    const ui::qt::DesktopProgram program{"halvex-planner", res::kPlannerApplicationId, res::IDR_PLANNER};
    if (!start.exportReport.empty()) {
        return ui::qt::RunWithoutWindow(
            argc, argv,
            [&start] {
                std::string problem;
                const int status = planner::ExportReport(start.file, start.exportReport, problem);
                if (status != 0) std::fprintf(stderr, "halvex-planner: %s\n", problem.c_str());
                return status;
            },
            program);
    }
    return ui::qt::RunDesktop(
        argc, argv,
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
        program);
}
