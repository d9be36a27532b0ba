#pragma once

#include <string>

#include "tests/random_events.h"
#include "ui/headless/headless_backend.h"

class CPlannerDlg;

// The planner's part of the random checker: events made from whatever the
// window shows (edits, lists, buttons, grids, menu commands and command
// keys), with its files kept in one directory, and the planner's invariants.
namespace halvex_test {

// The state before an event that the planner's checks compare with.
struct PlannerBefore {
    bool modified = false;
    std::string path;
    bool problemShown = false;  // the status line names a problem
};

PlannerBefore PlannerStateBefore(const CPlannerDlg& planner, const ui::headless::HeadlessWindow& top);

// The invariants after one event line: every chart coordinate finite, the
// test time the sum of its runs, a field that does not read marked (and no
// mark while the status names no problem), and a plan the window has saved
// or opened, unchanged since, read back from its file as the plan on show.
std::string CheckPlanner(const CPlannerDlg& planner, const ui::headless::HeadlessWindow& top, const std::string& line,
                         const PlannerBefore& before);

// The planner's file commands and files, for WindowEvents.
DocumentWindow PlannerWindow(std::string directory);

}  // namespace halvex_test
