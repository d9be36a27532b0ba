#pragma once

#include <string>

#include "app/command_line.h"

// The command lines of the two desktop programs, the same on every backend
// but for the options of the widget toolkit, which only the Qt builds take.
namespace halvex {

enum class Toolkit { Qt, Win32 };

// halvex: no operands.
const CommandLineSyntax& CalculatorSyntax(Toolkit toolkit);
// halvex-planner [--lab] [FILE]: the plan to open at start, or with --lab
// the equipment library to edit; halvex-planner FILE --export-report OUT:
// the plan's report written to OUT, no window shown.
const CommandLineSyntax& PlannerSyntax(Toolkit toolkit);

struct PlannerStart {
    bool lab = false;          // the equipment library's editor, not the planner
    std::string file;          // empty: a new plan, or the library chosen last
    std::string exportReport;  // the report's file; empty: the window opens
    // A command line that reads but asks for what cannot be done together
    // (--export-report without FILE, or with --lab): one line to report, and
    // exit status 2.
    std::string problem;
};
PlannerStart PlannerStartOf(const CommandLine& line);

}  // namespace halvex
