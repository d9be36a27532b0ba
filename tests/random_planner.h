#pragma once

#include <deque>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>

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

// Makes user actions on the planner as halvex-drive lines: the answers a
// file command's questions and file dialogs take, then the command. Texts
// that made a plan are remembered, so that now and then a marked field gets
// one back and the fields make a plan more often than not.
class PlannerEvents {
public:
    explicit PlannerEvents(std::string directory) : m_directory(std::move(directory)) {}
    void Generate(std::mt19937_64& random, const ui::headless::HeadlessWindow& top, std::deque<std::string>& lines);

private:
    std::string m_directory;
    std::map<int, std::string> m_goodTexts;                        // by edit
    std::map<std::tuple<int, int, int>, std::string> m_goodCells;  // by grid, row and column
};

}  // namespace halvex_test
